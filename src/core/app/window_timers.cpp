// The tick handlers of the window's five timers, the context menu and the push-button click.
#include "app/menu_window.h"
#include "app/title_scroller.h"

namespace orvane {

void MenuWindow::Timer1_Timer() {
  SetText(BaseControl(ControlKind::lblTime), s_.View.CurrentTimeText());
  SetText(BaseControl(ControlKind::lblDate), s_.View.CurrentDateText());
}

void MenuWindow::Timer2Timer() {
  s_.View.ProcessPendingMessages();
  s_.View.TerminateApplication();
  ApplicationEnding = true;
}

void MenuWindow::Timer3_Timer() {
  // An error inside one animation step must not stop the next one.
  try {
    if (AnimateButtons) AnimateButtons();
  } catch (...) {
  }
  s_.View.ProcessPendingMessages();
}

void MenuWindow::Timer4_Timer() {
  const std::string shown = ScrollTitleStep(TitleMarquee, MarqueePos, Menu.MenuTitle);
  s_.View.SetCaption(shown);
  s_.View.RepaintWindow();
  s_.View.ProcessPendingMessages();
}

void MenuWindow::tmrARstr_Timer() {
  if (s_.Processes.LaunchedProcessRunning()) return;
  s_.View.RestoreApplication();
  s_.View.SetTimerInterval(MenuTimer::tmrARstr, 0);
  s_.View.FocusWindow();
}

void MenuWindow::About1Click() {
  if (ShowAboutWindow) ShowAboutWindow();
}

void MenuWindow::cmdButton_Click(int32_t n) {
  if (RunButtonAction) RunButtonAction(n);
}

}  // namespace orvane
