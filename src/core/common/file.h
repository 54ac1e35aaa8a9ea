#pragma once
// Read-only file access as the player needs it: files on a disc that may be open elsewhere
// (readers and writers are not locked out), 64-bit sizes and positions.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace orvane {

class ReadFile {
 public:
  virtual ~ReadFile() = default;
  virtual int64_t Size() = 0;
  virtual int64_t Position() = 0;
  // Returns false when the position is negative or the platform refuses it.
  virtual bool Seek(int64_t position) = 0;
  // Reads up to count bytes; returns how many arrived (fewer only at the end or on an error).
  virtual size_t Read(void* buffer, size_t count) = 0;
};

class FileOpener {
 public:
  virtual ~FileOpener() = default;
  // nullptr when the file cannot be opened for reading.
  virtual std::unique_ptr<ReadFile> OpenRead(const std::string& path) = 0;
};

}  // namespace orvane
