// LoadMenu: reads one packed menu through the menu-data unit, then applies it to the window in a
// fixed order. Reading and applying are separate steps, so the menu on screen stays whole until
// the new menu's header is known to be good.
#include <algorithm>

#include "app/menu_window.h"

namespace orvane {

void MenuWindow::ReportMenuNotRead() {
  s_.Dialog.Show("Menu could not be read.", MessageKind::Error, mb::OK, 0, -1, DialogCaption);
}

bool MenuWindow::ReadAndCheck(const std::string& name, MenuFile& file) {
  MenuDataReader& data = s_.Data;
  data.OpenMenuStream(ExeName, ApplicationFolder);
  std::string lookup = name;
  data.SeekPackage(lookup);
  if (data.ReadErrorFlag) {
    ReportMenuNotRead();
    data.CloseMenuStream();
    return false;
  }
  if (!data.CheckMenuHeader(file.Header)) {
    ReportMenuNotRead();
    data.CloseMenuStream();
    return false;
  }
  ReadMenuBody(data, file.Header, file);
  data.CloseMenuStream();
  // Texts are UTF-8 from here on. Ill-formed pieces of a marked menu show as U+FFFD.
  const MenuTextReport texts = DecodeMenuTexts(file, s_.SystemCodePage);
  if (texts.InvalidUtf8Texts != 0)
    DebugTrace(s_.Trace, "Texts with invalid UTF-8: ", texts.InvalidUtf8Texts);
  return true;
}

void MenuWindow::ShowMenuAgainAfterFailure(int32_t highlighted) {
  // Nothing of the menu on screen has been touched yet: give it back to the user instead of
  // leaving the window hidden for good.
  HighlightedButton = highlighted;
  s_.View.SetWindowVisible(true);
}

void MenuWindow::LoadMenu(std::string name) {
  const int32_t previousHighlight = HighlightedButton;
  const std::string previousName = MenuFileName;
  HighlightedButton = 0;
  MenuFileName = name;
  s_.View.SetWindowVisible(false);
  s_.Data.ReadErrorFlag = false;

  MenuFile file;
  if (!ReadAndCheck(name, file)) {
    if (!Menu.Images.HasImage(0, kNormalState, 0)) {
      // No menu has been shown: there is nothing to go back to, and a hidden window with no
      // menu would leave the program running unseen.
      s_.View.TerminateApplication();
      ApplicationEnding = true;
      return;
    }
    MenuFileName = previousName;
    ShowMenuAgainAfterFailure(previousHighlight);
    return;
  }
  ApplyMenu(file);
}

void MenuWindow::ApplyMenu(MenuFile& file) {
  const bool laterLayout = IsLaterLayout(file.Header.Version);

  DestroyButtonControls();
  Menu.Images.Clear();
  s_.View.ReleasePictures();
  Menu.AccPictureButton = 0;

  // The reader keeps at most 100 records (and reports the rest); the window has no more.
  Menu.ButtonCount = std::min<int32_t>(file.Header.ButtonCount, kMaxButtons);
  ApplySettings(file.Settings);
  for (int32_t n = 1; n <= Menu.ButtonCount; ++n) {
    CreateButtonControls(n);
    const size_t index = static_cast<size_t>(n - 1);
    if (index < file.Buttons.size()) ApplyButtonRecord(n, file.Buttons[index], laterLayout);
  }

  for (PictureValue& value : file.Pictures) {
    if (value.Image.Empty()) continue;  // a picture that failed stores nothing
    if (!ImageTable::ValidSlot(value.Slot.Button, value.Slot.State, value.Slot.Frame)) {
      DebugTrace(s_.Trace, "Picture outside the image table skipped, frame: ", value.Slot.Frame);
      continue;
    }
    Menu.Images.StoreImage(value.Slot.Button, value.Slot.State, std::move(value.Image),
                           value.Slot.Frame);
  }

  if (s_.Data.ReadErrorFlag)
    s_.Dialog.Show("Error loading binary menu data.", MessageKind::Warning, mb::OK, 0, -1, "");

  Timer1_Timer();
  SetPicture(BaseControl(ControlKind::MenBck), Menu.Images.Get(0, kNormalState, 0));
  PlaceWindow(Menu.Placement);
  ApplyWindowShape();

  for (int32_t n = 1; n <= Menu.ButtonCount; ++n) {
    TOVButton& button = Menu.Buttons[static_cast<size_t>(n)];
    if (button.ButtonKind == kImageButton) {
      // The controls were made showing the normal state.
      SetPicture(ButtonControl(ControlKind::ImgBtn, n), Menu.Images.Get(n, kNormalState, 0));
      SetVisible(ButtonControl(ControlKind::ImgBtn, n), true);
    } else if (button.ButtonKind == kPushButton) {
      SetVisible(ButtonControl(ControlKind::WinBtn, n), true);
    } else {
      SetVisible(ButtonControl(ControlKind::LblBtn, n), true);
    }
  }

  CountFrames();
  s_.View.SetWindowVisible(true);
  // A zero or negative interval cannot be a timer's; it stops the animation instead.
  s_.View.SetTimerInterval(MenuTimer::Timer3, Menu.AnimInterval > 0 ? Menu.AnimInterval : 0);
  s_.View.SetTimerInterval(MenuTimer::Timer4, Menu.ScrollTitle ? 160 : 0);

  s_.View.ProcessPendingMessages();
  MenuActive = true;
  s_.View.ProcessPendingMessages();

  if (Menu.InitialButton > 0) HighlightButton(Menu.InitialButton);
  ShowDescription(-2);
}

}  // namespace orvane
