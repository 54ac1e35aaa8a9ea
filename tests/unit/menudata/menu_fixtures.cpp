#include "menudata/menu_fixtures.h"

#include <gtest/gtest.h>

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

FontSetting RandomFont(std::mt19937& random) {
  return {RandomText(random), RandomNumber(random), RandomNumber(random), RandomNumber(random),
          RandomNumber(random)};
}

RgbSetting RandomRgb(std::mt19937& random) {
  return {RandomNumber(random), RandomNumber(random), RandomNumber(random)};
}

}  // namespace

MenuSettings ChosenSettings() {
  MenuSettings s;
  s.MenuTitle = "Sample Disc";
  s.Placement = 7;
  s.DefaultDescription = "Choose an item";
  s.DescriptionFont = {"Arial", 12, -1, 0, 1};
  s.DescriptionColour = {0x101, 0x202, 0x303};
  s.DescriptionLeft = 11;
  s.DescriptionTop = 12;
  s.DescriptionWidth = 300;
  s.DescriptionHeight = 40;
  s.DescriptionAlignment = 2;
  s.TimeShown = -1;
  s.DateShown = 1;
  s.ClockColour = {21, 22, 23};
  s.TimeLeft = 24;
  s.TimeTop = 25;
  s.DateLeft = 26;
  s.DateTop = 27;
  s.InitialButton = 3;
  s.TransparentColour = 13;
  s.AccessoryLeft = 28;
  s.AccessoryTop = 29;
  s.AnimInterval = 150;
  s.ScrollTitle = -1;
  s.ShapeText = "07200491Y000100000010Y0002";
  s.TimeFont = {"Courier New", 70000, 0, -1, 0};
  s.DateFont = {"Times", -9, -1, -1, -1};
  s.ShadowOffset = 2;
  s.ShadowColour = {-1, 0, 255};
  s.LaterLayoutTexts = {"forty-seven", "", "forty-nine", "fifty"};
  return s;
}

ButtonRecord ChosenButton(int number) {
  const std::string n = std::to_string(number);
  ButtonRecord b;
  b.Target = "docs\\file" + n + ".pdf";
  b.Parameters = "/p" + n;
  b.Description = "Opens file " + n;
  b.Left = 100 + number;
  b.Top = 200 + number;
  b.MinimizeAfter = -1;
  b.CloseAfter = 1;
  b.AnimMode = number % 6;
  b.ShortcutKey = "F" + n;
  b.RunMaximized = -1;
  b.WaitForExit = -1;
  b.ButtonKind = number % 3;
  b.Caption = "&Item " + n;
  b.Width = 80;
  b.Height = 24 + number;
  b.FontName = "Tahoma";
  b.FontSize = 9;
  b.FontColour = 0x00123456;
  b.Alignment = 1;
  b.Bold = -1;
  b.Italic = 0;
  b.Underline = -1;
  b.ViewerCheck = 1;
  b.ViewerName = "AcroRd32.exe";
  b.ViewerVersion = "5.1";
  b.ViewerCompare = 1;
  return b;
}

MenuSettings RandomSettings(std::mt19937& r) {
  MenuSettings s;
  s.MenuTitle = RandomText(r);
  s.Placement = RandomNumber(r);
  s.DefaultDescription = RandomText(r);
  s.DescriptionFont = RandomFont(r);
  s.DescriptionColour = RandomRgb(r);
  s.DescriptionLeft = RandomNumber(r);
  s.DescriptionTop = RandomNumber(r);
  s.DescriptionWidth = RandomNumber(r);
  s.DescriptionHeight = RandomNumber(r);
  s.DescriptionAlignment = RandomNumber(r);
  s.TimeShown = RandomNumber(r);
  s.DateShown = RandomNumber(r);
  s.ClockColour = RandomRgb(r);
  s.TimeLeft = RandomNumber(r);
  s.TimeTop = RandomNumber(r);
  s.DateLeft = RandomNumber(r);
  s.DateTop = RandomNumber(r);
  s.InitialButton = RandomNumber(r);
  s.TransparentColour = RandomNumber(r);
  s.AccessoryLeft = RandomNumber(r);
  s.AccessoryTop = RandomNumber(r);
  s.AnimInterval = RandomNumber(r);
  s.ScrollTitle = RandomNumber(r);
  s.ShapeText = RandomText(r);
  s.TimeFont = RandomFont(r);
  s.DateFont = RandomFont(r);
  s.ShadowOffset = RandomNumber(r);
  s.ShadowColour = RandomRgb(r);
  for (std::string& text : s.LaterLayoutTexts) text = RandomText(r);
  return s;
}

ButtonRecord RandomButton(std::mt19937& r) {
  ButtonRecord b;
  b.Target = RandomText(r);
  b.Parameters = RandomText(r);
  b.Description = RandomText(r);
  b.Left = RandomNumber(r);
  b.Top = RandomNumber(r);
  b.MinimizeAfter = RandomNumber(r);
  b.CloseAfter = RandomNumber(r);
  b.AnimMode = RandomNumber(r);
  b.ShortcutKey = RandomText(r);
  b.RunMaximized = RandomNumber(r);
  b.WaitForExit = RandomNumber(r);
  b.ButtonKind = RandomNumber(r);
  b.Caption = RandomText(r);
  b.Width = RandomNumber(r);
  b.Height = RandomNumber(r);
  b.FontName = RandomText(r);
  b.FontSize = RandomNumber(r);
  b.FontColour = RandomNumber(r);
  b.Alignment = RandomNumber(r);
  b.Bold = RandomNumber(r);
  b.Italic = RandomNumber(r);
  b.Underline = RandomNumber(r);
  b.ViewerCheck = RandomNumber(r);
  b.ViewerName = RandomText(r);
  b.ViewerVersion = RandomText(r);
  b.ViewerCompare = RandomNumber(r);
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
  PutU32(headers, kPeHeader + 20, wide ? 240 : 224, 2);         // size of the optional header
  PutU32(headers, kOptionalHeader, wide ? 0x20B : 0x10B, 2);    // its magic
  PutU32(headers, kOptionalHeader + (wide ? 108 : 92), 16);     // data directory entries
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
  ADD_FAILURE() << "the menus differ from byte " << at << " on (" << read.size() << " read, "
                << written.size() << " written)";
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
  EXPECT_EQ(a.Unused, b.Unused);
  EXPECT_EQ(a.Slot.Button, b.Slot.Button);
  EXPECT_EQ(a.Slot.State, b.Slot.State);
  EXPECT_EQ(a.Slot.Frame, b.Slot.Frame);
  EXPECT_EQ(a.Image.Width, b.Image.Width);
  EXPECT_EQ(a.Image.Height, b.Image.Height);
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
