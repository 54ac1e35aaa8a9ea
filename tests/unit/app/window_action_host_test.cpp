// The menu window as the action dispatcher's host: a button's action fields, and the window and
// application steps that the dispatcher asks for.
#include <gtest/gtest.h>

#include "app/window_action_host.h"
#include "player_rig.h"

namespace orvane::testing {
namespace {

TEST(WindowActionHostTest, ButtonsOfTheShownMenuCarryTheirActionFields) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Host");
  ButtonRecord record = PushButtonRecord("Go", 1, 1);
  record.Target = "%CD%\\setup.exe", record.Parameters = "/quiet", record.ViewerName = "Reader", record.ViewerVersion = "7";
  record.MinimizeAfter = 1, record.CloseAfter = -1, record.RunMaximized = 2, record.WaitForExit = -1;
  record.ViewerCheck = 1, record.ViewerCompare = 1;
  menu.Buttons = {record, PushButtonRecord("Second", 1, 40)};
  rig.Install({{"host.mnu", menu}, {"other.mnu", BasicMenu("Other")}});
  rig.Start();
  WindowActionHost host(rig.Window, rig.Data);

  const std::optional<ButtonAction> a = host.Button(1);  // numbers outside 1..2 give none (input tests)
  ASSERT_TRUE(a.has_value());
  EXPECT_EQ(a->Target + " " + a->Parameters + " " + a->Viewer.ViewerName + " " + a->Viewer.ViewerVersion,
            "%CD%\\setup.exe /quiet Reader 7");
  EXPECT_EQ((std::vector<int32_t>{a->MinimizeAfter, a->CloseAfter, a->RunMaximized, a->WaitForExit, a->ViewerCheck,
                                  a->Viewer.ViewerCompare}),
            (std::vector<int32_t>{1, -1, 2, -1, 1, 1}));
  EXPECT_EQ(host.MenuFileName(), "host.mnu");

  std::string name = "OTHER.MNU";
  EXPECT_TRUE(host.PackageExists(name));
  EXPECT_EQ(name, "other.mnu");
  host.LoadMenu(name);
  EXPECT_EQ(rig.View.Caption, "Other");
  EXPECT_FALSE(host.Button(1).has_value()) << "the new menu has no buttons";
}

TEST(WindowActionHostTest, CloseMinimiseAndRestoreStepsReachTheWindow) {
  PlayerRig rig;
  rig.Install({{"host.mnu", BasicMenu("Host")}});
  rig.Start();
  WindowActionHost host(rig.Window, rig.Data);
  rig.SoundOut.Played.clear();

  host.HideWindow();
  EXPECT_FALSE(rig.View.WindowVisible);
  host.UnloadWindow();
  EXPECT_EQ(rig.SoundOut.Played, std::vector<std::string>{"builtin 5 wait"});
  host.StartDelayedClose();
  EXPECT_EQ(rig.View.Timers[MenuTimer::Timer2], 200);
  host.StartRestoreWatch();
  EXPECT_EQ(rig.View.Timers[MenuTimer::tmrARstr], 300);
  host.MinimizeApplication();
  EXPECT_NE(rig.View.IndexOf("minimize"), -1);
  host.TerminateApplication();
  EXPECT_EQ(rig.View.Terminations, 1);
  EXPECT_TRUE(rig.Window.ApplicationEnding);
}

TEST(WindowActionHostTest, TheRestoreWatchAsksTheDispatcherOnlyOnceItExists) {
  DispatcherProcessWatch watch;
  // Without a dispatcher nothing is watched: the program counts as ended.
  EXPECT_FALSE(watch.LaunchedProcessRunning());
}

}  // namespace
}  // namespace orvane::testing
