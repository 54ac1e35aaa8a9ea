#include "tool/menu_read.h"

#include <algorithm>
#include <cstring>

#include "menudata/mdlfilebin.h"
#include "menudata/text_encoding.h"
#include "tool/source/code_page.h"
#include "tool/source/menu_texts.h"
#include "writer/container_find.h"

namespace orvane::pack {

namespace {

// The player's readers take their bytes through the file interface; here they are in memory.
class SpanFile : public ReadFile {
 public:
  SpanFile(const uint8_t* data, size_t size) : data_(data), size_(size) {}
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
    return got;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  int64_t position_ = 0;
};

}  // namespace

std::unique_ptr<ReadFile> SpanOpener::OpenRead(const std::string& path) {
  if (path != kName) return nullptr;
  return std::make_unique<SpanFile>(data_, size_);
}

TModalResult CollectingDialog::Show(const std::string& text, MessageKind, MessageButtons, int32_t,
                                    int32_t, const std::string&) {
  texts_.push_back(text);
  return 1;
}

ReadMenu ReadMenuBytes(const uint8_t* data, size_t size) {
  ReadMenu result;
  SpanOpener opener(data, size);
  CollectingDialog dialog(result.Messages);
  MenuDataReader unit(opener, dialog);
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
  result.Length = size;
  unit.CloseMenuStream();
  return result;
}

void DecodeReadTexts(ReadMenu& read, const CodePage& unmarked) {
  const bool marked = DeclaresUtf8(read.Menu);
  read.TextEncoding = TextEncodingName(read.Menu, unmarked.Number());
  if (!marked) {
    for (const NamedText& t : MenuTexts(read.Menu)) {
      const bool eightBit = std::any_of(t.Text->begin(), t.Text->end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80;
      });
      if (eightBit) {
        read.FirstEightBitField = t.Field;
        break;
      }
    }
  }
  read.InvalidUtf8Texts = DecodeMenuTexts(read.Menu, unmarked).InvalidUtf8Texts;
}

std::optional<PackedPlayer> ReadPackedPlayer(const Bytes& executable) {
  const ContainerEnd end = FindContainerEnd(executable);
  const std::optional<size_t> start = FindContainerStart(executable, end);
  if (!start) return std::nullopt;
  PackedPlayer player;
  player.ContainerStart = *start;
  player.Trailer = static_cast<size_t>(end.Trailer);  // a container was found before it
  if (end.CertificateTable >= 0)
    player.CertificateTable = static_cast<size_t>(end.CertificateTable);
  SpanOpener opener(executable.data(), executable.size());
  CollectingDialog dialog(player.Messages);
  MenuDataReader unit(opener, dialog);
  unit.ApplicationFolder.clear();
  unit.ReadPackageDirectory(SpanOpener::kName);
  player.DirectoryError = unit.ReadErrorFlag;
  const orvane::PackageDirectory& directory = unit.PackageDirectory;
  player.EntriesClaimed = directory.EntryCount;
  for (int i = 0; i < std::min(directory.EntryCount, kPackageSlots); ++i) {
    PackedEntry entry;
    entry.Name = directory.Names[i];
    const int32_t offset = directory.Offsets[i];
    entry.Offset = offset < 0 ? executable.size() : static_cast<size_t>(offset);
    entry.Slot = i;
    // The player's own lookup decides: a name it would find in an earlier slot hides this one.
    if (entry.Name.empty())
      entry.Unreachable = "its name is blank, and no menu name finds a blank one";
    else if (FindPackageSlot(directory, entry.Name) != i)
      entry.Unreachable =
          "an earlier packed file has the same name; the player only ever reaches "
          "the first";
    player.Entries.push_back(std::move(entry));
  }
  return player;
}

ReadMenu ReadPackedMenu(const Bytes& executable, const PackedPlayer& player,
                        const PackedEntry& entry) {
  const size_t trailer = player.Trailer;
  if (entry.Offset >= trailer) {
    ReadMenu nothing;
    nothing.Messages.push_back("its offset lies outside the file");
    return nothing;
  }
  size_t end = trailer;
  if (player.ContainerStart > entry.Offset) end = std::min(end, player.ContainerStart);
  for (const PackedEntry& other : player.Entries)
    if (other.Offset > entry.Offset) end = std::min(end, other.Offset);
  return ReadMenuBytes(executable.data() + entry.Offset, end - entry.Offset);
}

}  // namespace orvane::pack
