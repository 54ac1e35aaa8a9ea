#pragma once
// The menu window as the action dispatcher sees it: the chosen button's action fields, the menu
// switch, and the window and application steps of the close, minimise and restore actions.
#include "actions/action_host.h"
#include "actions/dispatcher.h"
#include "app/menu_window.h"

namespace orvane {

class WindowActionHost : public ActionHost {
 public:
  WindowActionHost(MenuWindow& window, MenuDataReader& data) : window_(window), data_(data) {}

  std::optional<ButtonAction> Button(int32_t number) override;
  std::string MenuFileName() override { return window_.MenuFileName; }
  bool PackageExists(std::string& name) override { return data_.PackageExists(name); }
  void LoadMenu(const std::string& name) override { window_.LoadMenu(name); }
  void HideWindow() override { window_.View().SetWindowVisible(false); }
  void UnloadWindow() override { window_.Form_Unload(); }
  void StartDelayedClose() override { window_.View().SetTimerInterval(MenuTimer::Timer2, 200); }
  void TerminateApplication() override;
  void MinimizeApplication() override { window_.View().MinimizeApplication(); }
  void StartRestoreWatch() override { window_.View().SetTimerInterval(MenuTimer::tmrARstr, 300); }
  void PumpMessages() override { window_.View().ProcessPendingMessages(); }

 private:
  MenuWindow& window_;
  MenuDataReader& data_;
};

// The restore timer asks the dispatcher, which keeps LaunchedProcess, whether the watched program
// still runs. Made before the dispatcher exists, so it is told about it afterwards.
class DispatcherProcessWatch : public ProcessWatch {
 public:
  void Attach(ActionDispatcher* dispatcher) { dispatcher_ = dispatcher; }
  bool LaunchedProcessRunning() override { return dispatcher_ && !dispatcher_->RestoreTick(); }

 private:
  ActionDispatcher* dispatcher_ = nullptr;
};

}  // namespace orvane
