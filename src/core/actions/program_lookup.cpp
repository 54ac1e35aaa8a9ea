#include "actions/program_lookup.h"

#include <vector>

#include "actions/target_text.h"

namespace orvane {

namespace {

constexpr char kDefaultWindowsFolder[] = "C:\\Windows";

std::string AssociatedProgram(LookupContext& context, const std::string& file,
                              const std::string& folder) {
  std::string program;
  if (context.shell.FindProgram(file, folder, program) > Shell::kFindProgramSucceeded)
    return program;
  return std::string();
}

std::string WithSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

// The first entry of folder matching "*.htm", whatever its attributes, in listing order.
std::string FirstWebPage(FileSystem& files, const std::string& folder) {
  for (const FolderEntry& entry : files.ListFolder(folder))
    if (EndsWithNoCase(entry.Name, ".htm")) return entry.Name;
  return std::string();
}

// Deletes the backup page on every way out of the lookup once it has been written.
class BackupPage {
 public:
  explicit BackupPage(FileSystem& files) : files_(files) {}
  ~BackupPage() {
    if (written_) files_.DeleteFile(kBackupPage);
  }
  BackupPage(const BackupPage&) = delete;
  BackupPage& operator=(const BackupPage&) = delete;

  bool Write() {
    written_ = files_.WriteTextFile(kBackupPage, kBackupPageContent);
    return written_;
  }

 private:
  FileSystem& files_;
  bool written_ = false;
};

}  // namespace

std::string FindWebBrowser(const std::string& path, LookupContext& context) {
  if (!path.empty() && context.files.GetAttributes(path))
    return AssociatedProgram(context, path, std::string());

  std::string windows = context.shell.WindowsDirectory();
  if (windows.empty()) windows = kDefaultWindowsFolder;
  const std::vector<std::string> folders = {
      windows,
      context.applicationFolder,
      windows.substr(0, 1) + ":\\Program Files\\Common Files\\Microsoft Shared\\Stationery",
      windows + "\\system",
      windows + "\\help",
      windows + "\\web",
  };

  BackupPage backup(context.files);
  std::string probe = path;
  bool found = false;
  for (const std::string& candidate : folders) {
    const std::string folder = WithSeparator(candidate);
    const std::string page = FirstWebPage(context.files, folder);
    if (!page.empty() && !path.empty()) {
      probe = folder + page;
      found = true;
      break;
    }
  }
  // Without the right to write the root of C: there is simply no last folder to probe.
  if (!found && backup.Write()) {
    const std::string folder = WithSeparator("C:");
    const std::string page = FirstWebPage(context.files, folder);
    if (!page.empty() && !path.empty()) probe = folder + page;
  }
  return AssociatedProgram(context, probe, std::string());
}

std::string FindAssociatedProgram(const std::string& path, LookupContext& context) {
  return AssociatedProgram(context, path, std::string());
}

}  // namespace orvane
