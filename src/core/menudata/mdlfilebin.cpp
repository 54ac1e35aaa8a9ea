#include "menudata/mdlfilebin.h"

#include <algorithm>
#include <cstring>

#include "common/text.h"
#include "menudata/bmp_array.h"
#include "menudata/buffered_file.h"
#include "menudata/container_end.h"
#include "menudata/read_limits.h"
#include "menudata/value_tags.h"

namespace orvane {

class MenuDataReader::Stream : public BufferedFile {
 public:
  using BufferedFile::BufferedFile;
};

namespace {

constexpr size_t kEntryNameLength = 256;
constexpr size_t kEntryLength = kEntryNameLength + 4;
// The directory is read with a small buffer: its header's text value says how long it is only
// once it has been read, and a large buffer would read on into the first menu for nothing.
constexpr size_t kDirectoryBuffer = 64;
constexpr size_t kMenuBuffer = 64 * 1024;
constexpr int32_t kSeparateFileFrame = -1;

const char kInvalidAddress[] = "Invalid menu address.";
const char kNoPackedFiles[] = "Could not retrieve packed files";
const char kPackageMissing[] = "Could not locate specified package:\r\r";
const char kVersionNotice[] =
    "This is not an Orvane Version 6 or above file. If you have created the menu in a previous "
    "version of Orvane, you can use the Menu Conversion Wizard available from Tarvek Software's "
    "site to convert the file to Version 6 format.";

// A packed file's length is not stored: it ends at the latest where the next packed file
// begins, and the last one where the trailer does.
int64_t PackageEnd(const PackageDirectory& directory, int32_t position) {
  int64_t end = directory.FilesEnd;
  for (int32_t other : directory.Offsets)
    if (other > position) end = std::min<int64_t>(end, other);
  return end;
}

// The stored value is the position + 1; anything that cannot be a position stays negative so
// that seeking to it fails.
int32_t PositionFromStored(int32_t stored) { return stored == INT32_MIN ? INT32_MIN : stored - 1; }

}  // namespace

std::optional<int> FindPackageSlot(const PackageDirectory& directory,
                                   const std::string& lowerName) {
  if (lowerName.empty()) return std::nullopt;
  for (int i = 0; i < kPackageSlots; ++i)
    if (directory.Names[i] == lowerName) return i;
  return std::nullopt;
}

MenuDataReader::MenuDataReader(FileOpener& files, MessageDialog& dialog)
    : files_(files), dialog_(dialog) {}
MenuDataReader::~MenuDataReader() = default;

void MenuDataReader::Tell(const std::string& text, MessageKind kind) {
  dialog_.Show(text, kind, mb::OK, 0, -1, DialogCaption);
}

void MenuDataReader::ReadPackageDirectory(const std::string& exeName) {
  ReadErrorFlag = false;
  // An executable that cannot be opened holds no packed files the player could reach.
  if (!OpenStream(ApplicationFolder + exeName, kDirectoryBuffer)) {
    Tell(kNoPackedFiles, MessageKind::Error);
    return;
  }
  Stream& stream = *menuStream_;
  // The trailer is the last four bytes, or in a signed file the four before its certificates.
  const int64_t end =
      FindContainerEnd(stream.Size(), [&stream](int64_t at, void* out, size_t count) {
        return stream.Seek(at) && stream.Read(out, count);
      }).Trailer;
  int32_t trailer{};
  const bool trailerRead = end >= 0 && stream.Seek(end) && stream.ReadI32(trailer);
  const int64_t header = int64_t{trailer} - 1;
  if (!trailerRead || header == 0 || header > end) {
    Tell(kInvalidAddress, MessageKind::Error);
    CloseMenuStream();
    ReadErrorFlag = true;
    return;
  }
  char magic[4] = {};
  if (!stream.Seek(header) || !stream.Read(magic, 4) || std::memcmp(magic, "FPAK", 4) != 0) {
    Tell(kNoPackedFiles, MessageKind::Error);
    CloseMenuStream();
    ReadErrorFlag = true;
    return;
  }
  if (!ReadDirectory(stream, end)) ReadErrorFlag = true;
  CloseMenuStream();
}

// Everything after the magic. The directory is only replaced once it has been read in full.
bool MenuDataReader::ReadDirectory(Stream& stream, int64_t filesEnd) {
  uint8_t version[3];
  if (!stream.Read(version, sizeof version)) return false;
  ContainerText = ReadTextValue();
  ContainerByte = ReadByteValue();
  uint8_t count{};
  if (!stream.ReadU8(count)) return false;

  orvane::PackageDirectory directory;
  const int kept = count < kPackageSlots ? count : kPackageSlots;  // see read_limits.h
  // Nothing past the entries kept is needed, not even to fill the buffer.
  stream.LimitTo(stream.Position() + int64_t{kept} * kEntryLength);
  char name[kEntryNameLength];
  for (int i = 0; i < kept; ++i) {
    int32_t stored{};
    if (!stream.Read(name, sizeof name) || !stream.ReadI32(stored)) return false;
    directory.Names[i] = AsciiLower(TrimControl(std::string(name, sizeof name)));
    directory.Offsets[i] = PositionFromStored(stored);
  }
  directory.FilesEnd = filesEnd;
  directory.EntryCount = count;
  PackageDirectory = directory;
  return true;
}

bool MenuDataReader::OpenStream(const std::string& path, size_t bufferSize) {
  CloseMenuStream();
  std::unique_ptr<ReadFile> file = files_.OpenRead(path);
  if (!file) {
    ReadErrorFlag = true;
    return false;
  }
  menuStream_ = std::make_unique<Stream>(std::move(file), bufferSize);
  return true;
}

bool MenuDataReader::OpenMenuStream(const std::string& name, const std::string& folder) {
  return OpenStream(folder + name, kMenuBuffer);
}

void MenuDataReader::SeekPackage(std::string& name) {
  name = AsciiLower(name);
  const std::optional<int> slot = FindPackageSlot(PackageDirectory, name);
  if (!slot) {
    Tell(kPackageMissing + name, MessageKind::Warning);
    ReadErrorFlag = true;
    return;
  }
  // A slot whose position lies outside the file is damage; the loader reports it.
  const int32_t position = PackageDirectory.Offsets[*slot];
  if (!menuStream_) {
    ReadErrorFlag = true;
    return;
  }
  // Reading, buffer fills included, stays inside this packed file.
  menuStream_->LimitTo(PackageEnd(PackageDirectory, position));
  if (!menuStream_->Seek(position)) ReadErrorFlag = true;
}

bool MenuDataReader::PackageExists(std::string& name) const {
  name = AsciiLower(name);
  return FindPackageSlot(PackageDirectory, name).has_value();
}

void MenuDataReader::CloseMenuStream() { menuStream_.reset(); }

bool MenuDataReader::MenuStreamOpen() const { return menuStream_ != nullptr; }

bool MenuDataReader::CheckMenuHeader(MenuHeader& header) {
  const auto fail = [this] {
    ReadErrorFlag = true;
    return false;
  };
  if (!menuStream_) return fail();
  Stream& s = *menuStream_;
  if (!s.Read(header.Magic.data(), header.Magic.size())) return fail();
  if (!s.ReadU8(header.Kind)) return fail();
  if (header.Kind != 1) {
    Tell(kVersionNotice, MessageKind::Information);
    return fail();
  }
  if (!s.ReadU8(header.Version)) return fail();
  MenuVersion = header.Version;
  if (header.Version < 6) {
    Tell(kVersionNotice, MessageKind::Information);
    return fail();
  }
  if (!s.ReadU8(header.Unused6) || !s.ReadU8(header.Unused7) || !s.ReadU8(header.ButtonCount) ||
      !s.ReadI16(header.PictureCount))
    return fail();
  pixelBytesLeft_ = kMaxMenuPixelBytes;  // a new menu's pictures begin here
  return true;
}

// Consumes the tag byte; a wrong tag or the end of the file sets the flag.
bool MenuDataReader::ReadTag(uint8_t tag) {
  uint8_t read{};
  if (!menuStream_ || !menuStream_->ReadU8(read) || read != tag) {
    ReadErrorFlag = true;
    return false;
  }
  return true;
}

uint8_t MenuDataReader::ReadByteValue() {
  if (!ReadTag(kByteTag)) return 0;
  int32_t length{};
  uint8_t value{};
  if (!menuStream_->ReadI32(length) || !menuStream_->ReadU8(value)) {
    ReadErrorFlag = true;
    return 0;
  }
  return value;
}

int32_t MenuDataReader::ReadShortValue() {
  if (!ReadTag(kShortTag)) return 0;
  int32_t length{}, value{};
  if (!menuStream_->ReadI32(length) || !menuStream_->ReadI32(value)) {
    ReadErrorFlag = true;
    return 0;
  }
  return value;
}

int32_t MenuDataReader::ReadLongValue() {
  if (!ReadTag(kLongTag)) return 0;
  int32_t length{}, value{};
  if (!menuStream_->ReadI32(length) || !menuStream_->ReadI32(value)) {
    ReadErrorFlag = true;
    return 0;
  }
  return value;
}

std::string MenuDataReader::ReadTextValue() {
  if (!ReadTag(kTextTag)) return {};
  Stream& s = *menuStream_;
  int32_t length{};
  if (!s.ReadI32(length)) {
    ReadErrorFlag = true;
    return {};
  }
  if (length <= 0) return {};
  if (length > s.Remaining() || length > kMaxTextLength) {  // see read_limits.h
    s.Skip(length);
    ReadErrorFlag = true;
    return {};
  }
  std::string text(static_cast<size_t>(length), '\0');
  if (!s.Read(&text[0], text.size())) {
    ReadErrorFlag = true;
    return {};
  }
  return text;
}

bool MenuDataReader::ReadImageValue(PictureValue& destination) {
  destination.Image.Clear();
  const auto fail = [this] {
    ReadErrorFlag = true;
    return false;
  };
  if (!menuStream_) return fail();
  Stream& s = *menuStream_;
  uint8_t tag{};
  if (!s.ReadU8(tag)) return fail();
  if (tag != kPictureTag) {
    s.Skip(1);
    return fail();
  }
  if (!s.ReadU8(destination.Unused) || !s.ReadU8(destination.Slot.Button) ||
      !s.ReadU8(destination.Slot.State) || !s.ReadI32(destination.Slot.Frame))
    return fail();

  if (!bmpArray_) bmpArray_ = std::make_unique<BmpArray>();
  const bool packed = IsLaterLayout(MenuVersion);
  const PictureSlot& slot = destination.Slot;

  if (slot.Frame == kSeparateFileFrame) {  // see read_limits.h
    int32_t before{}, nameLength{}, after{};
    // Skip refuses a negative length.
    if (s.ReadI32(before) && s.ReadI32(nameLength) && s.ReadI32(after) &&
        nameLength <= kMaxSeparateFileName)
      s.Skip(nameLength);
    return fail();
  }
  if (!SlotInRange(slot, kMaxButtons)) {  // see read_limits.h
    bmpArray_->SkipPixels(s, packed);
    return fail();
  }
  const bool decoded = packed ? bmpArray_->ReadPackedPixels(s, destination.Image, pixelBytesLeft_)
                              : bmpArray_->ReadRawPixels(s, destination.Image, pixelBytesLeft_);
  if (!decoded) return fail();
  pixelBytesLeft_ -= static_cast<int64_t>(destination.Image.Pixels.size()) * 4;
  return true;
}

}  // namespace orvane
