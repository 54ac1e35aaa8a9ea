#pragma once
// The menu window's view on Win32: push buttons are real child windows (they take the focus, Tab
// and their accelerators), pictures and labels are drawn by the window itself.
#include <windows.h>

#include <functional>
#include <map>
#include <optional>

#include "app/menu_view.h"
#include "gdi_fonts.h"
#include "windowless_controls.h"

namespace orvane {

class Win32MenuView : public MenuView {
 public:
  explicit Win32MenuView(HWND window);
  Win32MenuView(const Win32MenuView&) = delete;
  Win32MenuView& operator=(const Win32MenuView&) = delete;
  ~Win32MenuView() override;

  // For the window procedure.
  void Paint(HDC dc, const RECT& area) { windowless_.Paint(dc, area); }
  std::optional<ControlId> WindowlessAt(POINT point) const { return windowless_.HitTest(point); }
  // The push button behind a WM_COMMAND control identifier.
  std::optional<ControlId> PushButtonOf(int commandId) const;
  // Told of every push button made, so that its keys and focus can be routed to the input
  // handlers.
  std::function<void(HWND, const ControlId&)> PushButtonCreated;

  void CreateControl(const ControlId& id, const ControlState& initial) override;
  void DestroyControl(const ControlId& id) override;
  void SetControlBounds(const ControlId& id, const Bounds& bounds) override;
  void SetControlVisible(const ControlId& id, bool visible) override;
  void SetControlText(const ControlId& id, const std::string& text) override;
  void SetControlFont(const ControlId& id, const ControlFont& font) override;
  void SetControlAlignment(const ControlId& id, TextAlignment alignment) override;
  void SetControlPicture(const ControlId& id, const PictureRef& picture) override;
  void BringControlToFront(const ControlId& id) override;
  void SendControlToBack(const ControlId& id) override;
  void FocusControl(const ControlId& id) override;
  void ReleasePictures() override;

  void SetWindowVisible(bool visible) override;
  void SetWindowBounds(const Bounds& bounds) override;
  void SetCaption(const std::string& text) override;
  void SetWindowOutline(const WindowOutline& outline) override;
  void ReleaseWindowOutline() override;
  void RepaintWindow() override;
  void FocusWindow() override;
  ScreenSize GetScreenSize() override;
  bool LoadApplicationIcon(const std::string& path) override;
  void SetTimerInterval(MenuTimer timer, int32_t milliseconds) override;
  void ProcessPendingMessages() override;
  void TerminateApplication() override;
  void RestoreApplication() override;
  void MinimizeApplication() override;
  std::string CurrentTimeText() override;
  std::string CurrentDateText() override;

 private:
  struct PushButton {
    HWND Handle = nullptr;
    int CommandId = 0;
  };
  static int Key(const ControlId& id);
  PushButton* FindButton(const ControlId& id);
  // Applies a change to a windowless control and repaints what it covered and covers.
  template <typename Change>
  void ChangeWindowless(const ControlId& id, Change change);

  HWND window_;
  GdiFonts fonts_;
  WindowlessControls windowless_;
  std::map<int, PushButton> buttons_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  bool shownOnce_ = false;
};

}  // namespace orvane
