#include "menudata/buffered_file.h"

#include <algorithm>
#include <cstring>

#include "menudata/little_endian.h"

namespace orvane {

BufferedFile::BufferedFile(std::unique_ptr<ReadFile> file, size_t bufferSize)
    : file_(std::move(file)), buffer_(std::max<size_t>(bufferSize, 16)) {
  size_ = std::max<int64_t>(file_->Size(), 0);
  end_ = size_;
  bufferStart_ = std::max<int64_t>(file_->Position(), 0);
}

void BufferedFile::LimitTo(int64_t end) {
  end_ = std::clamp<int64_t>(end, 0, size_);
  const int64_t buffered = bufferStart_ + static_cast<int64_t>(filled_);
  if (buffered <= end_) return;
  // The buffer holds bytes past the new end: keep only those before it, and put the platform
  // file where the next fill has to start.
  const int64_t keep = std::max<int64_t>(end_ - bufferStart_, 0);
  const int64_t position = std::min(Position(), bufferStart_ + keep);
  if (!file_->Seek(bufferStart_ + keep)) {
    // Not expected of a position inside the file; start afresh at the end then.
    EmptyBufferAt(end_);
    return;
  }
  filled_ = static_cast<size_t>(keep);
  cursor_ = static_cast<size_t>(position - bufferStart_);
}

bool BufferedFile::Seek(int64_t position) {
  if (position < 0 || position > end_) return false;
  if (position >= bufferStart_ && position <= bufferStart_ + static_cast<int64_t>(filled_)) {
    cursor_ = static_cast<size_t>(position - bufferStart_);
    return true;
  }
  if (!file_->Seek(position)) return false;
  EmptyBufferAt(position);
  return true;
}

size_t BufferedFile::Readable(size_t wanted) const {
  const int64_t left = end_ - (bufferStart_ + static_cast<int64_t>(filled_));
  if (left <= 0) return 0;
  return static_cast<uint64_t>(left) < wanted ? static_cast<size_t>(left) : wanted;
}

void BufferedFile::EmptyBufferAt(int64_t position) {
  bufferStart_ = position;
  filled_ = cursor_ = 0;
}

bool BufferedFile::Refill() {
  EmptyBufferAt(bufferStart_ + static_cast<int64_t>(filled_));
  const size_t wanted = Readable(buffer_.size());
  if (wanted == 0) return false;
  filled_ = file_->Read(buffer_.data(), wanted);
  return filled_ > 0;
}

bool BufferedFile::Read(void* out, size_t count) {
  auto* dest = static_cast<uint8_t*>(out);
  while (count > 0) {
    if (cursor_ == filled_) {
      if (count >= buffer_.size()) {
        // Straight into the caller's memory: pictures are read this way.
        EmptyBufferAt(bufferStart_ + static_cast<int64_t>(filled_));
        const size_t wanted = Readable(count);
        const size_t got = wanted == 0 ? 0 : file_->Read(dest, wanted);
        bufferStart_ += static_cast<int64_t>(got);
        return got == count;
      }
      if (!Refill()) return false;
    }
    const size_t part = std::min(count, filled_ - cursor_);
    std::memcpy(dest, buffer_.data() + cursor_, part);
    cursor_ += part;
    dest += part;
    count -= part;
  }
  return true;
}

bool BufferedFile::Skip(int64_t count) {
  if (count < 0 || count > Remaining()) return false;
  return Seek(Position() + count);
}

bool BufferedFile::ReadU8(uint8_t& value) {
  if (cursor_ < filled_) {
    value = buffer_[cursor_++];
    return true;
  }
  return Read(&value, 1);
}

bool BufferedFile::ReadI16(int16_t& value) {
  uint8_t b[2];
  if (!Read(b, 2)) return false;
  value = static_cast<int16_t>(LittleEndian16(b));
  return true;
}

bool BufferedFile::ReadI32(int32_t& value) {
  uint8_t b[4];
  if (!Read(b, 4)) return false;
  value = static_cast<int32_t>(LittleEndian32(b));
  return true;
}

}  // namespace orvane
