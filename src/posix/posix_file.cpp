#include "posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvane {

namespace {

class PosixReadFile : public ReadFile {
 public:
  explicit PosixReadFile(int fd) : fd_(fd) {}
  ~PosixReadFile() override { ::close(fd_); }
  PosixReadFile(const PosixReadFile&) = delete;
  PosixReadFile& operator=(const PosixReadFile&) = delete;

  int64_t Size() override {
    struct stat st {};
    return ::fstat(fd_, &st) == 0 ? static_cast<int64_t>(st.st_size) : 0;
  }
  int64_t Position() override { return static_cast<int64_t>(::lseek(fd_, 0, SEEK_CUR)); }
  bool Seek(int64_t position) override {
    return position >= 0 && ::lseek(fd_, static_cast<off_t>(position), SEEK_SET) == position;
  }
  size_t Read(void* buffer, size_t count) override {
    size_t done = 0;
    while (done < count) {
      ssize_t got = ::read(fd_, static_cast<char*>(buffer) + done, count - done);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
    return done;
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<ReadFile> PosixFileOpener::OpenRead(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixReadFile>(fd);
}

}  // namespace orvane
