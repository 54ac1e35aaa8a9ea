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
  record.Target = "%CD%\\setup.exe";
  record.Parameters = "/quiet";
  record.MinimizeAfter = 1;
  record.CloseAfter = -1;
  record.RunMaximized = 2;
  record.WaitForExit = -1;
  record.ViewerCheck = 1;
  record.ViewerName = "Reader";
  record.ViewerVersion = "7";
  record.ViewerCompare = 1;
  menu.Buttons = {record, PushButtonRecord("Second", 1, 40)};
  rig.Install({{"host.mnu", menu}, {"other.mnu", BasicMenu("Other")}});
  rig.Start();
  WindowActionHost host(rig.Window, rig.Data);

  const std::optional<ButtonAction> action = host.Button(1);
  ASSERT_TRUE(action.has_value());
  EXPECT_EQ(action->Target, "%CD%\\setup.exe");
  EXPECT_EQ(action->Parameters, "/quiet");
  EXPECT_EQ(action->MinimizeAfter, 1);
  EXPECT_EQ(action->CloseAfter, -1);
  EXPECT_EQ(action->RunMaximized, 2);
  EXPECT_EQ(action->WaitForExit, -1);
  EXPECT_EQ(action->ViewerCheck, 1);
  EXPECT_EQ(action->Viewer.ViewerName, "Reader");
  EXPECT_EQ(action->Viewer.ViewerVersion, "7");
  EXPECT_EQ(action->Viewer.ViewerCompare, 1);
  EXPECT_FALSE(host.Button(0).has_value());
  ASSERT_TRUE(host.Button(2).has_value()) << "the last button";
  EXPECT_FALSE(host.Button(3).has_value());
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
  ASSERT_EQ(rig.SoundOut.Played.size(), 1u);
  EXPECT_EQ(rig.SoundOut.Played[0], "builtin 5 wait");
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
