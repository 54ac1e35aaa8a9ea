#include "writer/menu_writer.h"

#include <stdexcept>
#include <string>

#include "menudata/menu_fields.h"

namespace orvane::pack {

namespace {

// Writes each field as the next value.
struct ValueWriting {
  ValueWriter& Out;
  void Text(const std::string& field) { Out.WriteTextValue(field); }
  void Short(int32_t field) { Out.WriteShortValue(field); }
  void Long(int32_t field) { Out.WriteLongValue(field); }
};

void WriteHeader(ValueWriter& out, const MenuHeader& header) {
  out.RawBytes(header.Magic.data(), header.Magic.size());
  out.RawByte(header.Kind);
  out.RawByte(header.Version);
  out.RawByte(header.Unused6);
  out.RawByte(header.Unused7);
  out.RawByte(header.ButtonCount);
  out.RawInt16(header.PictureCount);
}

}  // namespace

void UpdateCounts(MenuFile& menu) {
  if (menu.Buttons.size() > static_cast<size_t>(kMaxButtons))
    throw std::invalid_argument("a menu holds at most " + std::to_string(kMaxButtons) +
                                " buttons, not " + std::to_string(menu.Buttons.size()));
  if (menu.Pictures.size() > static_cast<size_t>(INT16_MAX))
    throw std::invalid_argument("a menu holds at most " + std::to_string(INT16_MAX) +
                                " pictures, not " + std::to_string(menu.Pictures.size()));
  menu.Header.ButtonCount = static_cast<uint8_t>(menu.Buttons.size());
  menu.Header.PictureCount = static_cast<int16_t>(menu.Pictures.size());
}

Bytes WriteMenuFile(const MenuFile& menu) {
  const bool laterLayout = IsLaterLayout(menu.Header.Version);
  ValueWriter out;
  WriteHeader(out, menu.Header);
  ValueWriting writing{out};
  WalkSettings(menu.Settings, laterLayout, writing);
  for (const ButtonRecord& button : menu.Buttons) WalkButton(button, laterLayout, writing);
  for (const PictureValue& picture : menu.Pictures)
    out.WritePictureValue(picture, menu.Header.Version);
  return out.Take();
}

}  // namespace orvane::pack
