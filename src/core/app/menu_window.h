#pragma once
// TfrmMenuCls without the window system: the start-up and closing sequences, the base and button
// controls, menu loading, placement, outline, timers and button states of the menu window. The
// Windows front-end creates one, routes its events here and realises the view calls.
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "app/menu_model.h"
#include "app/menu_view.h"
#include "common/debug_trace.h"
#include "common/file_system.h"
#include "common/message_dialog.h"
#include "common/sounds.h"
#include "menudata/mdlfilebin.h"
#include "menudata/text_encoding.h"

namespace orvane {

// What the platform knows at start-up.
struct StartupInfo {
  std::string ExePath;        // full path of the running executable
  std::string FirstArgument;  // first command-line argument, empty when there is none
  std::string ApplicationTitle = "Orvane";
};

struct MenuWindowServices {
  MenuView& View;
  MenuDataReader& Data;
  MessageDialog& Dialog;
  orvane::Sounds& Sounds;
  FileSystem& Files;
  ProcessWatch& Processes;
  DebugOutput& Trace;
  // The code page of the computer, in which menus without the UTF-8 mark are written.
  const CodePageDecoder& SystemCodePage;
};

class MenuWindow {
 public:
  explicit MenuWindow(const MenuWindowServices& services);

  // Process-wide values fixed at start-up.
  std::string ApplicationFolder;  // ends in "\"
  std::string ExeName;
  std::string DialogCaption;

  TOVMenu Menu;
  std::string MenuFileName;
  std::string TitleMarquee;
  int32_t MarqueePos = 0;
  int32_t HighlightedButton = 0;
  int32_t SelectedButton = 0;
  bool MenuActive = false;
  bool HighlightBusy = false;
  int32_t AccessoryFrame = 0;
  bool ShapeApplied = false;
  std::string ShapeText;
  // Set once the application has been asked to end; start-up stops there.
  bool ApplicationEnding = false;
  // Drawn by the random animation mode; seeded from the clock at start-up.
  std::mt19937 Random;

  // Hooks into other units. Each is optional: an unset hook does nothing.
  std::function<void()> LoadErrorFlags;          // reads "err.txt" (action unit)
  std::function<void(int32_t)> RunButtonAction;  // runs a chosen button's action
  std::function<void()> AnimateButtons;          // one animation step
  std::function<void()> ShowAboutWindow;         // a new, non-blocking About window

  // Start-up and closing. The event handlers keep the names of the window's events.
  // Form_Load: the window was created: the whole start-up sequence.
  void Form_Load(const StartupInfo& info);
  // Form_Unload: closing: the window outline released and the exit sound played to its end.
  void Form_Unload();

  // Controls.
  void CreateBaseControls();
  void CreateButtonControls(int32_t n);
  void DestroyButtonControls();

  // Menu loading.
  void LoadMenu(std::string name);
  void PlaceWindow(int32_t code);
  void ApplyWindowShape();

  // Button states.
  void SetButtonState(int32_t n, int32_t state, bool refreshDescription);
  void HighlightButton(int32_t n);
  void ShowDescription(int32_t n);
  // Fills LastFrame of the buttons just made, once all their pictures are stored.
  void CountFrames();

  // Timers and menu items, named after the window's timers and context-menu item.
  // Timer1_Timer: the clock tick: the time and date labels show the time now.
  void Timer1_Timer();
  // Timer2Timer: the delayed close: ends the program.
  void Timer2Timer();
  // Timer3_Timer: the animation tick: one step of every animated button.
  void Timer3_Timer();
  // Timer4_Timer: the title scroller tick: the caption moves on by one character.
  void Timer4_Timer();
  // tmrARstr_Timer: the restore poll: brings the player back when the watched program ended.
  void tmrARstr_Timer();
  // About1Click: the context menu's "About": opens the About window.
  void About1Click();
  // cmdButton_Click: a push button or label button was clicked (mouse, Enter, Space or
  // accelerator): runs its action.
  void cmdButton_Click(int32_t n);

  // The state of a control, or nullptr when it does not exist.
  ControlState* Control(const ControlId& id);

  // Changes of one control: the state is kept here and the view is told.
  void SetBounds(const ControlId& id, const Bounds& bounds);
  void SetLeftTop(const ControlId& id, int32_t left, int32_t top);
  void SetSize(const ControlId& id, int32_t width, int32_t height);
  void SetVisible(const ControlId& id, bool visible);
  void SetText(const ControlId& id, const std::string& text);
  void SetFont(const ControlId& id, const ControlFont& font);
  void SetAlignment(const ControlId& id, TextAlignment alignment);
  // Auto-sized pictures take the picture's size.
  void SetPicture(const ControlId& id, const PictureRef& picture);

  MenuView& View() { return s_.View; }

 private:
  void CreateControl(const ControlId& id, const ControlState& initial);
  void ReportMenuNotRead();
  bool ReadAndCheck(const std::string& name, MenuFile& file);
  void ApplyMenu(MenuFile& file);
  void ApplySettings(const MenuSettings& settings);
  void ApplyButtonRecord(int32_t n, const ButtonRecord& record, bool laterLayout);
  void ShowMenuAgainAfterFailure(int32_t highlighted);

  MenuWindowServices s_;
  bool formLoaded_ = false;
  bool exitSoundPlayed_ = false;
};

}  // namespace orvane
