#include "posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/text.h"

namespace orvane {

namespace {

char UpperDrive(char letter) {
  return (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
}

bool IsHiddenName(const std::string& name) { return !name.empty() && name[0] == '.'; }

FileAttributes AttributesOf(const std::string& name, const struct stat& linkStat,
                            const std::string& nativePath) {
  FileAttributes attributes;
  attributes.Hidden = IsHiddenName(name);
  attributes.Link = S_ISLNK(linkStat.st_mode);
  struct stat target {};
  const struct stat& effective =
      attributes.Link && ::stat(nativePath.c_str(), &target) == 0 ? target : linkStat;
  attributes.Directory = S_ISDIR(effective.st_mode);
  attributes.ReadOnly = (effective.st_mode & S_IWUSR) == 0;
  return attributes;
}

std::string LastComponent(const std::string& nativePath) {
  size_t end = nativePath.find_last_not_of('/');
  if (end == std::string::npos) return std::string();
  size_t start = nativePath.rfind('/', end);
  return nativePath.substr(start == std::string::npos ? 0 : start + 1,
                           end - (start == std::string::npos ? 0 : start + 1) + 1);
}

// The entry of folder whose name equals name ignoring case, or empty.
std::string FindNoCase(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "/" : folder.c_str());
  if (!dir) return std::string();
  std::string match;
  while (dirent* entry = ::readdir(dir)) {
    if (AsciiEqualsNoCase(entry->d_name, name)) {
      match = entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return match;
}

}  // namespace

void PosixFileSystem::MapDrive(char letter, const std::string& folder) {
  std::string root = folder;
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  drives_[UpperDrive(letter)] = root;
}

std::string PosixFileSystem::NativePath(const std::string& path) const {
  if (path.size() < 2 || path[1] != ':') return std::string();
  auto drive = drives_.find(UpperDrive(path[0]));
  if (drive == drives_.end()) return std::string();
  std::string native = drive->second;
  std::string rest = path.substr(2);
  for (char& c : rest)
    if (c == '\\') c = '/';
  if (rest.empty() || rest[0] != '/') native += '/';
  return native + rest;
}

std::string PosixFileSystem::ResolvePath(const std::string& path) const {
  std::string native = NativePath(path);
  if (native.empty()) return native;
  struct stat st {};
  if (::lstat(native.c_str(), &st) == 0) return native;

  const std::string root = drives_.at(UpperDrive(path[0]));
  std::string resolved = root;
  size_t at = root.size();
  while (at < native.size()) {
    size_t next = native.find('/', at + 1);
    if (next == std::string::npos) next = native.size();
    const std::string component = native.substr(at + 1, next - at - 1);
    at = next;
    if (component.empty()) continue;
    std::string candidate = resolved + "/" + component;
    if (::lstat(candidate.c_str(), &st) != 0) {
      const std::string match = FindNoCase(resolved, component);
      if (match.empty()) return std::string();
      candidate = resolved + "/" + match;
    }
    resolved = candidate;
  }
  if (native.back() == '/') resolved += '/';
  return resolved;
}

std::optional<FileAttributes> PosixFileSystem::GetAttributes(const std::string& path) {
  const std::string native = ResolvePath(path);
  if (native.empty()) return std::nullopt;
  struct stat st {};
  std::string bare = native;
  while (bare.size() > 1 && bare.back() == '/') bare.pop_back();
  if (::lstat(bare.c_str(), &st) != 0) return std::nullopt;
  return AttributesOf(LastComponent(bare), st, bare);
}

std::vector<FolderEntry> PosixFileSystem::ListFolder(const std::string& folder) {
  std::vector<FolderEntry> entries;
  std::string native = NativePath(folder);
  if (native.empty()) return entries;
  DIR* dir = ::opendir(native.c_str());
  if (!dir && errno == ENOENT) {
    native = ResolvePath(folder);
    if (!native.empty()) dir = ::opendir(native.c_str());
  }
  if (!dir) return entries;
  if (native.back() != '/') native += '/';

  while (dirent* entry = ::readdir(dir)) {
    FolderEntry item;
    item.Name = entry->d_name;
    if (item.Name == "." || item.Name == "..") continue;
    item.Attributes.Hidden = IsHiddenName(item.Name);
    // The directory entry's own type saves a status call per entry on most file systems.
    switch (entry->d_type) {
      case DT_DIR: item.Attributes.Directory = true; break;
      case DT_REG: break;
      default: {
        struct stat st {};
        const std::string full = native + item.Name;
        if (::lstat(full.c_str(), &st) != 0) continue;
        item.Attributes = AttributesOf(item.Name, st, full);
      }
    }
    entries.push_back(std::move(item));
  }
  ::closedir(dir);
  return entries;
}

bool PosixFileSystem::WriteTextFile(const std::string& path, const std::string& content) {
  std::string native = NativePath(path);
  if (native.empty()) return false;
  int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < content.size()) {
    ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) break;
    done += static_cast<size_t>(wrote);
  }
  const bool closed = ::close(fd) == 0;
  return closed && done == content.size();
}

bool PosixFileSystem::DeleteFile(const std::string& path) {
  const std::string native = ResolvePath(path);
  return !native.empty() && ::unlink(native.c_str()) == 0;
}

}  // namespace orvane
