#pragma once
// The menu-data unit: the packed-file container appended to the executable, the menu stream
// positioned inside it, and the readers of the typed values a menu file is made of. Its state is
// one object so that every test can start from a fresh one: MenuDataReader, of the unit
// mdlfilebin.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/file.h"
#include "common/message_dialog.h"
#include "menudata/menu_file.h"
#include "menudata/read_limits.h"

namespace orvane {

class BmpArray;

constexpr int kPackageSlots = 100;

struct PackageDirectory {
  // Trimmed, lower-cased names; slots past the last entry are empty and never match.
  std::array<std::string, kPackageSlots> Names;
  // Absolute position of each packed file's first byte.
  std::array<int32_t, kPackageSlots> Offsets{};
  // Where the packed files end: the trailer's position (no limit before a directory is read).
  int64_t FilesEnd = INT64_MAX;
  // Entries the directory says it holds (up to 255); only the first kPackageSlots are read.
  int EntryCount = 0;
};

// The slot that a lookup of the lower-cased name reaches: the first that holds exactly that name;
// an empty name is never found. The player's lookups and the authoring tool's view
// of which packed files the player can open both go through it.
std::optional<int> FindPackageSlot(const PackageDirectory& directory, const std::string& lowerName);

class MenuDataReader {
 public:
  MenuDataReader(FileOpener& files, MessageDialog& dialog);
  ~MenuDataReader();

  // Where the executable lives (ends in the path separator) and the caption of its messages.
  std::string ApplicationFolder;
  std::string DialogCaption;

  // Qualified: the member carries the name of its type.
  orvane::PackageDirectory PackageDirectory;
  bool ReadErrorFlag = false;
  uint8_t MenuVersion = 0;
  // The container header's two values, kept as read.
  std::string ContainerText;
  uint8_t ContainerByte = 0;

  void ReadPackageDirectory(const std::string& exeName);
  bool OpenMenuStream(const std::string& name, const std::string& folder);
  // Lower-cases the caller's name, then positions the menu stream at that packed file.
  void SeekPackage(std::string& name);
  // Lower-cases the caller's name; true when a slot holds exactly that name.
  bool PackageExists(std::string& name) const;
  void CloseMenuStream();
  bool MenuStreamOpen() const;

  // Shows the version notice for a file of another kind or of a version below 6. A header cut
  // short fails without a notice: it is damage, not an old file.
  bool CheckMenuHeader(MenuHeader& header);
  uint8_t ReadByteValue();
  int32_t ReadShortValue();
  int32_t ReadLongValue();
  std::string ReadTextValue();
  // True when a picture was decoded into destination (slot and pixels). On false the slot holds
  // what was read and the image is empty.
  bool ReadImageValue(PictureValue& destination);

 private:
  class Stream;
  bool OpenStream(const std::string& path, size_t bufferSize);
  void Tell(const std::string& text, MessageKind kind);
  bool ReadTag(uint8_t tag);
  bool ReadDirectory(Stream& stream, int64_t filesEnd);

  FileOpener& files_;
  MessageDialog& dialog_;
  std::unique_ptr<Stream> menuStream_;
  std::unique_ptr<BmpArray> bmpArray_;  // made on the first picture, kept for the next ones
  int64_t pixelBytesLeft_ = kMaxMenuPixelBytes;  // decoded bytes the menu being read may still take
};

// Reads the settings, button records and picture values that follow a checked header, the way the
// loader does: every value in order, faults noted in ReadErrorFlag, reading never stops early.
void ReadMenuBody(MenuDataReader& unit, const MenuHeader& header, MenuFile& menu);

}  // namespace orvane
