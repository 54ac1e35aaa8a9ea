#include "menudata/menu_fixtures.h"

#include <gtest/gtest.h>

#include <tuple>

#include "menudata/menu_fields.h"

namespace orvane::testing {

namespace {

std::string RandomText(std::mt19937& random) {
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text(static_cast<size_t>(length(random)), '\0');
  for (char& c : text) c = static_cast<char>(byte(random));
  return text;
}

int32_t RandomNumber(std::mt19937& random) { return static_cast<int32_t>(random()); }

// Every field of the layout, in file order, from the one generator.
struct RandomFill {
  std::mt19937& Random;
  void Text(std::string& field) { field = RandomText(Random); }
  void Short(int32_t& field) { field = RandomNumber(Random); }
  void Long(int32_t& field) { field = RandomNumber(Random); }
};

}  // namespace

// Aggregates in the fields' file order.
// clang-format off
MenuSettings ChosenSettings() {
  return {"Sample Disc", 7, "Choose an item", {"Arial", 12, -1, 0, 1}, {0x101, 0x202, 0x303}, 11, 12, 300, 40, 2,
          -1, 1, {21, 22, 23}, 24, 25, 26, 27, 3, 13, 28, 29, 150, -1, "07200491Y000100000010Y0002",
          {"Courier New", 70000, 0, -1, 0}, {"Times", -9, -1, -1, -1}, 2, {-1, 0, 255},
          {{"forty-seven", "", "forty-nine", "fifty"}}};
}
// clang-format on

// clang-format off
ButtonRecord ChosenButton(int number) {
  const std::string n = std::to_string(number);
  return {"docs\\file" + n + ".pdf", "/p" + n, "Opens file " + n, 100 + number, 200 + number, -1, 1, number % 6,
          "F" + n, -1, -1, number % 3, "&Item " + n, 80, 24 + number, "Tahoma", 9, 0x00123456, 1, -1, 0, -1, 1,
          "AcroRd32.exe", "5.1", 1};
}
// clang-format on

MenuSettings RandomSettings(std::mt19937& r) {
  MenuSettings s;
  RandomFill fill{r};
  WalkSettings(s, true, fill);
  return s;
}

ButtonRecord RandomButton(std::mt19937& r) {
  ButtonRecord b;
  RandomFill fill{r};
  WalkButton(b, true, fill);
  return b;
}

MenuFile MenuOf(uint8_t version, std::vector<ButtonRecord> buttons, std::vector<PictureValue> pictures,
                MenuSettings settings) {
  MenuFile menu;
  menu.Header.Version = version;
  menu.Settings = std::move(settings);
  menu.Buttons = std::move(buttons);
  menu.Pictures = std::move(pictures);
  pack::UpdateCounts(menu);
  return menu;
}

Bytes PackedExecutable(const std::vector<pack::PackedFile>& files) {
  const Bytes exe = {'M', 'Z', 0x90, 0x00, 'p', 'l', 'a', 'y', 'e', 'r'};
  return pack::AppendContainer(exe, files);
}

Bytes PeHeaders(bool wide) {
  Bytes headers(kOptionalHeader + (wide ? 240 : 224), 0);
  headers[0] = 'M';
  headers[1] = 'Z';
  PutU32(headers, 0x3C, kPeHeader);
  headers[kPeHeader] = 'P';
  headers[kPeHeader + 1] = 'E';
  PutU32(headers, kPeHeader + 20, wide ? 240 : 224, 2);       // size of the optional header
  PutU32(headers, kOptionalHeader, wide ? 0x20B : 0x10B, 2);  // its magic
  PutU32(headers, kOptionalHeader + (wide ? 108 : 92), 16);   // data directory entries
  return headers;
}

size_t SecurityEntryOf(bool wide) { return kOptionalHeader + (wide ? 112 : 96) + 4 * 8; }

void PutU32(Bytes& bytes, size_t at, uint64_t value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void AppendCertificateTable(Bytes& file, bool wide, size_t tableSize) {
  PutU32(file, SecurityEntryOf(wide), file.size());
  PutU32(file, SecurityEntryOf(wide) + 4, tableSize);
  file.insert(file.end(), tableSize, 0xFF);
}

namespace {
void ExpectSameBytes(const Bytes& read, const Bytes& written) {
  if (read == written) return;
  size_t at = 0;
  while (at < read.size() && at < written.size() && read[at] == written[at]) ++at;
  ADD_FAILURE() << "the menus differ from byte " << at << " on (" << read.size() << " read, " << written.size()
                << " written)";
}
}  // namespace

void ExpectSameFields(const MenuFile& read, const MenuFile& written) {
  ExpectSameBytes(pack::WriteMenuFile(read), pack::WriteMenuFile(written));
}

void ExpectSameButton(const ButtonRecord& read, const ButtonRecord& written, uint8_t version) {
  ExpectSameBytes(pack::WriteMenuFile(MenuOf(version, {read}, {}, MenuSettings{})),
                  pack::WriteMenuFile(MenuOf(version, {written}, {}, MenuSettings{})));
}

void ExpectSamePicture(const PictureValue& a, const PictureValue& b) {
  EXPECT_EQ(std::tie(a.Unused, a.Slot.Button, a.Slot.State, a.Slot.Frame, a.Image.Width, a.Image.Height),
            std::tie(b.Unused, b.Slot.Button, b.Slot.State, b.Slot.Frame, b.Image.Width, b.Image.Height));
  EXPECT_TRUE(a.Image.Pixels == b.Image.Pixels) << "pixels differ";
}

void ExpectOneMessage(const RecordingMessageDialog& dialog, const std::string& text, MessageKind kind) {
  ASSERT_EQ(dialog.Messages.size(), 1u) << "expected exactly the message \"" << text << "\"";
  const ShownMessage& m = dialog.Messages[0];
  EXPECT_EQ(m.Text, text);
  EXPECT_EQ(m.Kind, kind);
  EXPECT_EQ(m.Buttons, mb::OK);
  EXPECT_EQ(m.HelpContext, 0);
  EXPECT_EQ(m.DefaultIndex, -1);
  EXPECT_EQ(m.Caption, "Orvane");
}

}  // namespace orvane::testing
