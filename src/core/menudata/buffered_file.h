#pragma once
// A read-only file seen through a buffer: a menu is hundreds of small typed values, and one
// platform read per value would make loading crawl. Large reads bypass the buffer. The reader
// can be held to a part of the file (one packed file), so that filling the buffer never reads
// the bytes that follow it: from a disc, every byte read is time.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "common/file.h"

namespace orvane {

class BufferedFile {
 public:
  explicit BufferedFile(std::unique_ptr<ReadFile> file, size_t bufferSize = 64 * 1024);

  // The size when the file was opened.
  int64_t Size() const { return size_; }
  // Where reading stops: the size, or the end given to LimitTo.
  int64_t End() const { return end_; }
  int64_t Position() const { return bufferStart_ + static_cast<int64_t>(cursor_); }
  int64_t Remaining() const { return end_ > Position() ? end_ - Position() : 0; }

  // Reads and seeks stop at end from now on (at most the size): the bytes from there on are
  // never read, neither by the caller nor to fill the buffer. A later call may move it again.
  void LimitTo(int64_t end);
  // False for a position below 0 or past the end; the position is then unchanged.
  bool Seek(int64_t position);
  // All or nothing: false when fewer than count bytes arrived (the position then stands after
  // the bytes that did).
  bool Read(void* out, size_t count);
  // False, without moving, when fewer than count bytes are left.
  bool Skip(int64_t count);

  // Little-endian integers; false at the end.
  bool ReadU8(uint8_t& value);
  bool ReadI16(int16_t& value);
  bool ReadI32(int32_t& value);

 private:
  // The buffer starts empty at position, where the platform file stands.
  void EmptyBufferAt(int64_t position);
  bool Refill();
  // Bytes the platform file may still deliver before the end.
  size_t Readable(size_t wanted) const;

  std::unique_ptr<ReadFile> file_;
  std::vector<uint8_t> buffer_;
  int64_t size_ = 0;
  int64_t end_ = 0;
  int64_t bufferStart_ = 0;  // file position of buffer_[0]; the platform file stands at
  size_t filled_ = 0;        // bufferStart_ + filled_
  size_t cursor_ = 0;
};

}  // namespace orvane
