#pragma once
// Reading menus and packed players back, with the player's own readers, so that what the tool
// lists, dumps and checks is what the player will see.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/message_dialog.h"
#include "common/file.h"
#include "menudata/menu_file.h"
#include "writer/menu_writer.h"

namespace orvane::pack {

// Bytes in memory as the one file, named kName, that the player's readers can open.
class SpanOpener : public FileOpener {
 public:
  static constexpr const char* kName = "packed";
  SpanOpener(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  std::unique_ptr<ReadFile> OpenRead(const std::string& path) override;

 private:
  const uint8_t* data_;
  size_t size_;
};

// Keeps the texts of the messages that the player's readers would have shown.
class CollectingDialog : public MessageDialog {
 public:
  explicit CollectingDialog(std::vector<std::string>& texts) : texts_(texts) {}
  TModalResult Show(const std::string& text, MessageKind, MessageButtons, int32_t, int32_t,
                    const std::string&) override;

 private:
  std::vector<std::string>& texts_;
};

struct ReadMenu {
  bool HeaderAccepted = false;        // kind 1 and version 6 or later
  bool ReadError = false;             // the player would report "Error loading binary menu data."
  std::vector<std::string> Messages;  // what the player's readers would have shown
  MenuFile Menu;
  size_t Length = 0;  // bytes of the menu file (a packed file's extent)
  // Set by DecodeReadTexts, which leaves every text of Menu in UTF-8.
  std::string TextEncoding;        // "utf-8" or "windows-NNNN"; empty while texts are raw
  int InvalidUtf8Texts = 0;        // texts of a marked menu holding ill-formed UTF-8
  std::string FirstEightBitField;  // an unmarked menu's first text outside 7-bit ASCII
};

ReadMenu ReadMenuBytes(const uint8_t* data, size_t size);
inline ReadMenu ReadMenuBytes(const Bytes& data) { return ReadMenuBytes(data.data(), data.size()); }

class CodePage;
// The texts as the player shows them: a marked menu's kept (ill-formed pieces become U+FFFD), an
// unmarked menu's converted from the code page it was made for.
void DecodeReadTexts(ReadMenu& read, const CodePage& unmarked);

struct PackedEntry {
  std::string Name;   // as the player holds it: trimmed and lower-cased; empty when blank
  size_t Offset = 0;  // absolute position of the packed file
  int Slot = 0;       // its place in the directory, from 0
  // Why no menu name ever opens it in the player (a blank name, an earlier entry of the same
  // name); empty when the player can open it.
  std::string Unreachable;
  bool Reachable() const { return Unreachable.empty(); }
};

struct PackedPlayer {
  size_t ContainerStart = 0;
  size_t Trailer = 0;                      // where the trailer stands; packed files end before it
  std::optional<size_t> CertificateTable;  // set for a signed player
  // Every entry the player reads, in directory order, those it cannot open included; the first
  // is the default menu.
  std::vector<PackedEntry> Entries;
  int EntriesClaimed = 0;  // the directory's own count; past kPackageSlots unread
  bool DirectoryError = false;
  std::vector<std::string> Messages;
};

// Nothing when the executable carries no container at all.
std::optional<PackedPlayer> ReadPackedPlayer(const Bytes& executable);

// The packed file of an entry. The container stores no lengths: a packed file ends where the
// next one (or the container header, or the trailer) begins.
ReadMenu ReadPackedMenu(const Bytes& executable, const PackedPlayer& player,
                        const PackedEntry& entry);

}  // namespace orvane::pack
