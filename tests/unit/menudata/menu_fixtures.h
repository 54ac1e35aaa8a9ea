#pragma once
// Menus, pictures and containers for the reader tests, all made with the menu writer, and a
// reader unit wired to the in-memory file opener and the recording dialog.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "menudata/mdlfilebin.h"
#include "support/memory_file.h"
#include "support/recording_dialog.h"
#include "writer/menu_writer.h"

namespace orvane::testing {

using pack::Bytes;

inline Picture GradientPicture(int32_t width, int32_t height, uint32_t seed) {
  Picture p;
  p.Width = width;
  p.Height = height;
  p.Pixels.resize(static_cast<size_t>(width) * height);
  std::mt19937 noise(seed);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      p.Pixels[static_cast<size_t>(y) * width + x] =
          (static_cast<uint32_t>(x * 3 + seed) & 0xFF) | ((static_cast<uint32_t>(y * 5) & 0xFF) << 8) |
          ((noise() & 0x0F) << 16) | (static_cast<uint32_t>(seed & 0xFF) << 24);
  return p;
}

inline PictureValue PictureFor(uint8_t button, uint8_t state, int32_t frame, Picture image) {
  PictureValue value;
  value.Unused = static_cast<uint8_t>(button ^ 0x5A);
  value.Slot = {button, state, frame};
  value.Image = std::move(image);
  return value;
}

// Every field differs from its neighbours, so a reader that swaps two values is caught.
MenuSettings ChosenSettings();
ButtonRecord ChosenButton(int number);
// Seeded random content over the whole range of each field: any text bytes (with 0 and 0xFF),
// negative and large numbers.
MenuSettings RandomSettings(std::mt19937& random);
ButtonRecord RandomButton(std::mt19937& random);

// A menu of the version with the given buttons and pictures, counts set from them.
MenuFile MenuOf(uint8_t version, std::vector<ButtonRecord> buttons, std::vector<PictureValue> pictures,
                MenuSettings settings = ChosenSettings());

// A fake executable followed by a container of the files.
Bytes PackedExecutable(const std::vector<pack::PackedFile>& files);

// Windows executable headers as far as the certificate rule reads them (PE32, or PE32+ when
// wide), and a signature as a signing tool leaves it for the player: a certificate table of 0xFF
// bytes appended and described by the security entry, which lies at SecurityEntryOf(wide).
constexpr size_t kPeHeader = 64;
constexpr size_t kOptionalHeader = kPeHeader + 24;
Bytes PeHeaders(bool wide);
size_t SecurityEntryOf(bool wide);
void PutU32(Bytes& bytes, size_t at, uint64_t value, int count = 4);
void AppendCertificateTable(Bytes& file, bool wide, size_t tableSize = 24);

// One reader unit over in-memory files, with the player's folder and caption.
struct ReaderRig {
  static constexpr const char* kFolder = "/disc/";
  static constexpr const char* kExe = "orvane.exe";

  MemoryFileOpener Files;
  RecordingMessageDialog Dialog;
  MenuDataReader Unit{Files, Dialog};

  ReaderRig() {
    Unit.ApplicationFolder = kFolder;
    Unit.DialogCaption = "Orvane";
  }
  // Installs the executable and reads its directory.
  void Start(Bytes executable) {
    Files.AddFile(std::string(kFolder) + kExe, std::move(executable));
    Unit.ReadPackageDirectory(kExe);
  }
  // Opens bare bytes as the menu stream, positioned at their first byte; reads fail from
  // unreadableFrom on when it is given.
  void OpenBare(Bytes bytes, int64_t unreadableFrom = INT64_MAX) {
    Files.AddFile(std::string(kFolder) + "bare.bin", std::move(bytes));
    Files.FailReadsFrom(std::string(kFolder) + "bare.bin", unreadableFrom);
    Unit.OpenMenuStream("bare.bin", kFolder);
  }
  // The loader's sequence for one packed menu; false when it stops before the body.
  bool LoadMenu(std::string name, MenuFile& menu) {
    Unit.ReadErrorFlag = false;
    Unit.OpenMenuStream(kExe, kFolder);
    Unit.SeekPackage(name);
    MenuHeader header;
    const bool ok = !Unit.ReadErrorFlag && Unit.CheckMenuHeader(header);
    if (ok) ReadMenuBody(Unit, header, menu);
    Unit.CloseMenuStream();
    return ok;
  }
};

// Compared through the writer: equal bytes mean that every field of the version's layout agrees
// (the chosen and random values differ from field to field, so a swap shows).
void ExpectSameFields(const MenuFile& read, const MenuFile& written);
void ExpectSameButton(const ButtonRecord& read, const ButtonRecord& written, uint8_t version);
void ExpectSamePicture(const PictureValue& a, const PictureValue& b);
void ExpectOneMessage(const RecordingMessageDialog& dialog, const std::string& text, MessageKind kind);

}  // namespace orvane::testing
