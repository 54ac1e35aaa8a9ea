#include "tool/menu_read.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "common/message_dialog.h"
#include "menudata/mdlfilebin.h"
#include "writer/container_find.h"

namespace orvane::pack {

namespace {

// The player's readers take their bytes through the file interface; here the bytes are already
// in memory. The furthest position read tells where a packed file ends, which the container does
// not store.
class SpanFile : public ReadFile {
 public:
  SpanFile(const uint8_t* data, size_t size, std::shared_ptr<int64_t> furthest)
      : data_(data), size_(size), furthest_(std::move(furthest)) {}
  int64_t Size() override { return static_cast<int64_t>(size_); }
  int64_t Position() override { return position_; }
  bool Seek(int64_t position) override {
    if (position < 0) return false;
    position_ = position;
    return true;
  }
  size_t Read(void* buffer, size_t count) override {
    if (position_ >= static_cast<int64_t>(size_)) return 0;
    const size_t got = std::min(count, size_ - static_cast<size_t>(position_));
    std::memcpy(buffer, data_ + position_, got);
    position_ += static_cast<int64_t>(got);
    *furthest_ = std::max(*furthest_, position_);
    return got;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  std::shared_ptr<int64_t> furthest_;
  int64_t position_ = 0;
};

class SpanOpener : public FileOpener {
 public:
  static constexpr const char* kName = "packed";
  SpanOpener(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  std::unique_ptr<ReadFile> OpenRead(const std::string& path) override {
    if (path != kName) return nullptr;
    return std::make_unique<SpanFile>(data_, size_, furthest_);
  }
  int64_t Furthest() const { return *furthest_; }

 private:
  const uint8_t* data_;
  size_t size_;
  std::shared_ptr<int64_t> furthest_ = std::make_shared<int64_t>(0);
};

class CollectingDialog : public MessageDialog {
 public:
  explicit CollectingDialog(std::vector<std::string>& texts) : texts_(texts) {}
  TModalResult Show(const std::string& text, MessageKind, MessageButtons, int32_t, int32_t,
                    const std::string&) override {
    texts_.push_back(text);
    return 1;
  }

 private:
  std::vector<std::string>& texts_;
};

}  // namespace

ReadMenu ReadMenuBytes(const uint8_t* data, size_t size) {
  ReadMenu result;
  SpanOpener opener(data, size);
  CollectingDialog dialog(result.Messages);
  MdlFileBin unit(opener, dialog);
  unit.ApplicationFolder.clear();
  unit.OpenMenuStream(SpanOpener::kName, "");
  MenuHeader header;
  result.HeaderAccepted = unit.CheckMenuHeader(header);
  if (result.HeaderAccepted) {
    unit.ReadErrorFlag = false;
    ReadMenuBody(unit, header, result.Menu);
    result.Menu.Header = header;
    result.ReadError = unit.ReadErrorFlag;
  }
  result.Length = static_cast<size_t>(opener.Furthest());
  unit.CloseMenuStream();
  return result;
}

std::optional<PackedPlayer> ReadPackedPlayer(const Bytes& executable) {
  const std::optional<size_t> start = FindContainerStart(executable);
  if (!start) return std::nullopt;
  PackedPlayer player;
  player.ContainerStart = *start;
  SpanOpener opener(executable.data(), executable.size());
  CollectingDialog dialog(player.Messages);
  MdlFileBin unit(opener, dialog);
  unit.ApplicationFolder.clear();
  unit.ReadPackageDirectory(SpanOpener::kName);
  player.DirectoryError = unit.ReadErrorFlag;
  for (int i = 0; i < kPackageSlots; ++i) {
    const std::string& name = unit.PackageDirectory.Names[i];
    if (name.empty()) break;  // slots past the last entry are empty
    const int32_t offset = unit.PackageDirectory.Offsets[i];
    player.Entries.push_back({name, offset < 0 ? executable.size() : static_cast<size_t>(offset)});
  }
  return player;
}

ReadMenu ReadPackedMenu(const Bytes& executable, const PackedEntry& entry) {
  if (entry.Offset >= executable.size()) {
    ReadMenu nothing;
    nothing.Messages.push_back("its offset lies outside the file");
    return nothing;
  }
  return ReadMenuBytes(executable.data() + entry.Offset, executable.size() - entry.Offset);
}

}  // namespace orvane::pack
