#include <algorithm>

#include "menudata/mdlfilebin.h"
#include "menudata/menu_fields.h"
#include "menudata/read_limits.h"

namespace orvane {

namespace {

// Fills each field with the next value of the menu stream.
struct ValueReading {
  MenuDataReader& In;
  void Text(std::string& field) { field = In.ReadTextValue(); }
  void Short(int32_t& field) { field = In.ReadShortValue(); }
  void Long(int32_t& field) { field = In.ReadLongValue(); }
};

}  // namespace

void ReadMenuBody(MenuDataReader& unit, const MenuHeader& header, MenuFile& menu) {
  const bool laterLayout = IsLaterLayout(header.Version);
  menu.Header = header;
  menu.Settings = MenuSettings{};
  menu.Buttons.clear();
  menu.Pictures.clear();
  ValueReading reading{unit};
  WalkSettings(menu.Settings, laterLayout, reading);

  // Records past the hundredth are read to stay in step and dropped (see read_limits.h).
  const int buttonCount = header.ButtonCount;
  menu.Buttons.resize(std::min(buttonCount, kMaxButtons));
  ButtonRecord dropped;
  for (int n = 0; n < buttonCount; ++n)
    WalkButton(n < kMaxButtons ? menu.Buttons[n] : dropped, laterLayout, reading);
  if (buttonCount > kMaxButtons) {
    unit.ReadErrorFlag = true;
    menu.Header.ButtonCount = static_cast<uint8_t>(kMaxButtons);
  }

  // A count of 0 or below: the file ends after the last button record.
  for (int i = 0; i < header.PictureCount; ++i) {
    menu.Pictures.emplace_back();
    if (!unit.ReadImageValue(menu.Pictures.back())) menu.Pictures.pop_back();
  }
}

}  // namespace orvane
