#pragma once
// An in-memory file system for the FileOpener interface: files are byte vectors keyed by their
// full path. It counts opens and reads so that tests can check how a reader uses its file.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/file.h"

namespace orvane::testing {

struct FileUseCounts {
  int Opens = 0;
  int FailedOpens = 0;
  int Reads = 0;  // calls of ReadFile::Read
  int64_t BytesRead = 0;
  int Seeks = 0;
  int OpenNow = 0;           // files opened and not yet closed
  bool RefuseSeeks = false;  // a switch, not a count: every seek fails while it is set
};

class MemoryReadFile : public ReadFile {
 public:
  MemoryReadFile(std::shared_ptr<const std::vector<uint8_t>> data, std::shared_ptr<FileUseCounts> counts,
                 int64_t readableEnd = INT64_MAX)
      : data_(std::move(data)), counts_(std::move(counts)), readableEnd_(readableEnd) {
    ++counts_->OpenNow;
  }
  ~MemoryReadFile() override { --counts_->OpenNow; }

  int64_t Size() override { return static_cast<int64_t>(data_->size()); }
  int64_t Position() override { return position_; }
  bool Seek(int64_t position) override {
    ++counts_->Seeks;
    if (position < 0 || counts_->RefuseSeeks) return false;
    position_ = position;
    return true;
  }
  size_t Read(void* buffer, size_t count) override {
    ++counts_->Reads;
    const int64_t size = std::min(Size(), readableEnd_);
    if (position_ >= size) return 0;
    const size_t got = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(count), size - position_));
    std::memcpy(buffer, data_->data() + position_, got);
    position_ += static_cast<int64_t>(got);
    counts_->BytesRead += static_cast<int64_t>(got);
    return got;
  }

 private:
  std::shared_ptr<const std::vector<uint8_t>> data_;
  std::shared_ptr<FileUseCounts> counts_;
  int64_t readableEnd_;
  int64_t position_ = 0;
};

class MemoryFileOpener : public FileOpener {
 public:
  void AddFile(const std::string& path, std::vector<uint8_t> data) {
    files_[path] = std::make_shared<const std::vector<uint8_t>>(std::move(data));
  }
  void RemoveFile(const std::string& path) { files_.erase(path); }
  // Reads of the file stop at offset while its size stays whole, as on a scratched disc.
  void FailReadsFrom(const std::string& path, int64_t offset) { readableEnd_[path] = offset; }
  bool HasFile(const std::string& path) const { return files_.count(path) != 0; }

  std::unique_ptr<ReadFile> OpenRead(const std::string& path) override {
    opened_.push_back(path);
    auto found = files_.find(path);
    if (found == files_.end()) {
      ++counts_->FailedOpens;
      return nullptr;
    }
    ++counts_->Opens;
    const auto readable = readableEnd_.find(path);
    return std::make_unique<MemoryReadFile>(found->second, counts_,
                                            readable == readableEnd_.end() ? INT64_MAX : readable->second);
  }

  const FileUseCounts& Counts() const { return *counts_; }
  void RefuseSeeks(bool refuse) { counts_->RefuseSeeks = refuse; }
  void ResetCounts() {
    const int openNow = counts_->OpenNow;
    *counts_ = FileUseCounts{};
    counts_->OpenNow = openNow;
  }
  // Every path asked for, in order, found or not.
  const std::vector<std::string>& OpenedPaths() const { return opened_; }

 private:
  std::map<std::string, std::shared_ptr<const std::vector<uint8_t>>> files_;
  std::map<std::string, int64_t> readableEnd_;
  std::shared_ptr<FileUseCounts> counts_ = std::make_shared<FileUseCounts>();
  std::vector<std::string> opened_;
};

}  // namespace orvane::testing
