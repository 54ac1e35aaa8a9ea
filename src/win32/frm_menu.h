#pragma once
// TfrmMenuCls: the borderless menu window, a Unicode window. It owns the platform services and
// the core of the window, runs the start-up sequence when it is created and keeps painting, the
// timers, closing and the context menu; all input belongs to its MenuInputRouter.
#include <windows.h>

#include <memory>

#include "actions/dispatcher.h"
#include "app/menu_window.h"
#include "app/window_action_host.h"
#include "frmsearch.h"
#include "menu_input_router.h"
#include "win32_debug_output.h"
#include "win32_file.h"
#include "win32_file_system.h"
#include "win32_menu_view.h"
#include "win32_message_dialog.h"
#include "win32_shell.h"
#include "win32_sound_output.h"
#include "win32_version_info.h"
#include "wide_text.h"

namespace orvane {

constexpr const wchar_t kMenuWindowClass[] = L"TfrmMenuCls";
constexpr const char kApplicationTitle[] = "Orvane";

class FrmMenu {
 public:
  explicit FrmMenu(HINSTANCE instance);
  FrmMenu(const FrmMenu&) = delete;
  FrmMenu& operator=(const FrmMenu&) = delete;
  ~FrmMenu();

  // Creates the window and runs Form_Load inside the creation; false when no window could be
  // made.
  bool Create(const StartupInfo& startup);
  // The message loop, until the application is asked to end; then the window is destroyed.
  int Run();

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnTimer(UINT_PTR id);
  bool OnSetCursor();
  // The right-button release on the background; the keyboard's context key opens nothing.
  void OnContextMenu(HWND source, POINT screenPoint);

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND imgAboutIcon_ = nullptr;  // hidden; the picture that the About window shows
  HMENU contextMenu_ = nullptr;  // PopupMenu1: the one item About1
  HBITMAP aboutItemBitmap_ = nullptr;

  Win32FileOpener opener_;
  Win32FileSystem files_;
  Win32MessageDialog dialog_;
  Win32SoundOutput soundOutput_;
  Sounds sounds_;
  DispatcherProcessWatch processes_;
  Win32DebugOutput trace_;
  Win32Shell shell_;
  Win32VersionInfoSource versions_;
  Win32SearchProgressFactory searchProgress_;
  SystemCodePageDecoder codePage_;
  MenuDataReader data_;
  std::unique_ptr<Win32MenuView> view_;
  std::unique_ptr<MenuWindow> core_;
  std::unique_ptr<WindowActionHost> actionHost_;
  std::unique_ptr<ActionDispatcher> dispatcher_;
  std::unique_ptr<MenuInputRouter> input_;
};

}  // namespace orvane
