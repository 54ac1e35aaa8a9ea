// The start-up sequence and the closing steps of the menu window.
#include <gtest/gtest.h>

#include "player_rig.h"

namespace orvane::testing {
namespace {

MenuFile NamedMenu(const std::string& title) { return BasicMenu(title); }

TEST(StartupTest, WithoutArgumentTheFirstPackedMenuIsShown) {
  PlayerRig rig;
  rig.Install({{"Main.mnu", NamedMenu("Main")}, {"Second.mnu", NamedMenu("Second")}});
  rig.Start();
  EXPECT_TRUE(rig.Dialog.Messages.empty());
  EXPECT_EQ(rig.Window.MenuFileName, "main.mnu");
  EXPECT_EQ(rig.View.Caption, "Main");
  EXPECT_TRUE(rig.View.WindowVisible);
  EXPECT_TRUE(rig.Window.MenuActive);
  EXPECT_EQ(rig.Window.ApplicationFolder, "D:\\");
  EXPECT_EQ(rig.Window.ExeName, "orvane.exe");
  EXPECT_EQ(rig.Window.DialogCaption, "Orvane");
}

TEST(StartupTest, EveryFormOfTheArgumentNamesTheSameMenu) {
  for (const char* argument : {"C:\\menus\\Second.mnu", "Second.mnu", "C:Second.mnu",
                               "E:\\extra\\SECOND.MNU"}) {
    PlayerRig rig;
    rig.Install({{"Main.mnu", NamedMenu("Main")}, {"Second.mnu", NamedMenu("Second")}});
    rig.Start(argument);
    EXPECT_EQ(rig.View.Caption, "Second") << argument;
    EXPECT_TRUE(rig.Dialog.Messages.empty()) << argument;
  }
}

TEST(StartupTest, ABrokenContainerEndsAfterItsMessagesWithTheExitSound) {
  PlayerRig rig;
  pack::Bytes exe(100, 0);
  exe[96] = 1;  // trailer 1: the container would start at offset 0
  rig.Opener.AddFile(PlayerRig::kExePath, exe);
  rig.Start();
  ASSERT_EQ(rig.Dialog.Messages.size(), 2u);
  EXPECT_EQ(rig.Dialog.Messages[0].Text, "Invalid menu address.");
  EXPECT_EQ(rig.Dialog.Messages[1].Text, "Error in loading internal menu.");
  EXPECT_EQ(rig.Dialog.Messages[1].Kind, MessageKind::Error);
  EXPECT_EQ(rig.Dialog.Messages[1].Caption, "Orvane");
  EXPECT_EQ(rig.View.Terminations, 1);
  EXPECT_TRUE(rig.Window.ApplicationEnding);
  EXPECT_TRUE(rig.View.Controls.empty()) << "no window content is built";
  ASSERT_FALSE(rig.SoundOut.Played.empty());
  EXPECT_EQ(rig.SoundOut.Played.back(), "builtin 5 wait");
  for (const std::string& sound : rig.SoundOut.Played) EXPECT_NE(sound, "builtin 1 nowait");
}

TEST(StartupTest, AMissingExecutableIsReportedLikeABrokenContainer) {
  PlayerRig rig;
  rig.Start();
  ASSERT_FALSE(rig.Dialog.Messages.empty());
  EXPECT_EQ(rig.Dialog.Messages.back().Text, "Error in loading internal menu.");
  EXPECT_EQ(rig.View.Terminations, 1);
}

TEST(StartupTest, AnUnknownMenuNameGivesTwoMessagesAndEndsWithoutStartSound) {
  PlayerRig rig;
  rig.Install({{"Main.mnu", NamedMenu("Main")}});
  rig.Start("Nothing.mnu");
  const std::vector<std::string> expected = {"Could not locate specified package:\r\rnothing.mnu",
                                             "Menu could not be read."};
  EXPECT_EQ(rig.MessageTexts(), expected);
  EXPECT_EQ(rig.Dialog.Messages[1].Kind, MessageKind::Error);
  EXPECT_EQ(rig.Dialog.Messages[1].Caption, "Orvane");
  EXPECT_EQ(rig.View.Terminations, 1);
  EXPECT_TRUE(rig.Window.ApplicationEnding);
  EXPECT_FALSE(rig.View.WindowVisible);
  EXPECT_TRUE(rig.SoundOut.Played.empty()) << "no start sound after the end was asked for";
}

TEST(StartupTest, AnOldVersionAsFirstMenuEndsTheProgramInsteadOfStayingHidden) {
  PlayerRig rig;
  MenuFile old = NamedMenu("Old");
  old.Header.Version = 5;
  rig.Install({{"Old.mnu", old}});
  rig.Start();
  ASSERT_EQ(rig.Dialog.Messages.size(), 2u);
  EXPECT_EQ(rig.Dialog.Messages[0].Kind, MessageKind::Information);
  EXPECT_EQ(rig.Dialog.Messages[0].Text.rfind("This is not an Orvane Version 6 or above file.", 0),
            0u);
  EXPECT_EQ(rig.Dialog.Messages[1].Text, "Menu could not be read.");
  EXPECT_EQ(rig.View.Terminations, 1);
}

TEST(StartupTest, TheSequenceRunsInItsOrderAndOnlyOnce) {
  PlayerRig rig;
  rig.Install({{"Main.mnu", NamedMenu("Main")}});
  std::vector<std::string> order;
  rig.Window.LoadErrorFlags = [&] {
    order.push_back("err.txt");
    EXPECT_NE(rig.View.Find(BaseControl(ControlKind::lblDate)), nullptr)
        << "base controls exist before err.txt is read";
    EXPECT_EQ(rig.View.IndexOf("window visible 1"), -1) << "err.txt is read before the menu";
  };
  rig.Start();
  EXPECT_EQ(order.size(), 1u);
  EXPECT_EQ(rig.SoundOut.Loads, 1);
  // The base controls come first, in drawing order.
  const std::vector<std::string> base = {"MenBck", "imgAccPicture", "lblAccShadow",
                                         "lblAccText", "lblTime", "lblDate"};
  ASSERT_GE(rig.View.CreationOrder.size(), base.size());
  EXPECT_EQ(std::vector<std::string>(rig.View.CreationOrder.begin(),
                                     rig.View.CreationOrder.begin() + 6),
            base);
  EXPECT_EQ(rig.View.Timers[MenuTimer::Timer1], 1000);
  // The start sound is the built-in one and comes after the menu is shown.
  ASSERT_EQ(rig.SoundOut.Played.size(), 1u);
  EXPECT_EQ(rig.SoundOut.Played[0], "builtin 1 nowait");

  const size_t logSize = rig.View.Log.size();
  rig.Start();  // a second create event does nothing
  EXPECT_EQ(rig.View.Log.size(), logSize);
  EXPECT_EQ(rig.SoundOut.Played.size(), 1u);
}

TEST(StartupTest, SideFilesReplaceTheBuiltInIconAndSounds) {
  PlayerRig rig;
  rig.Install({{"Main.mnu", NamedMenu("Main")}});
  FileAttributes hidden;
  hidden.Hidden = hidden.System = true;  // any attributes count for the icon and the start sound
  rig.Files.Files["D:\\orvane.ico"] = hidden;
  rig.Files.Files["D:\\start.wav"] = hidden;
  rig.Start();
  EXPECT_EQ(rig.View.IconLoaded, "D:\\orvane.ico");
  ASSERT_EQ(rig.SoundOut.Played.size(), 1u);
  EXPECT_EQ(rig.SoundOut.Played[0], "file D:\\start.wav nowait");
}

TEST(StartupTest, TheIconIsNamedAfterTheExecutableWithoutItsLastExtension) {
  PlayerRig rig;
  const std::string exe = "D:\\disc\\setup.v2.exe";
  rig.Opener.AddFile(exe, pack::AppendContainer(pack::Bytes(8, 0), {}));
  rig.Files.Files["D:\\disc\\setup.v2.ico"] = FileAttributes{};
  rig.View.IconReadable = false;  // an unreadable icon keeps the built-in one silently
  rig.Window.Form_Load(StartupInfo{exe, "", "Orvane"});
  EXPECT_EQ(rig.View.IconLoaded, "D:\\disc\\setup.v2.ico");
  EXPECT_EQ(rig.Window.ApplicationFolder, "D:\\disc\\");
}

TEST(StartupTest, AnEmptyContainerReportsTheMissingMenuAndEnds) {
  PlayerRig rig;
  rig.InstallRaw({});
  rig.Start();
  const std::vector<std::string> expected = {"Could not locate specified package:\r\r",
                                             "Menu could not be read."};
  EXPECT_EQ(rig.MessageTexts(), expected);
  EXPECT_EQ(rig.View.Terminations, 1);
}

TEST(ClosingTest, TheExitSoundPlaysOnceToItsEndAndTheOutlineIsReleased) {
  PlayerRig rig;
  rig.Install({{"Main.mnu", NamedMenu("Main")}});
  rig.Files.Files["D:\\exit.wav"] = FileAttributes{};
  rig.Start();
  rig.SoundOut.Played.clear();
  rig.Window.Form_Unload();
  rig.Window.Form_Unload();  // again as the destroy handler
  const std::vector<std::string> expected = {"file D:\\exit.wav wait"};
  EXPECT_EQ(rig.SoundOut.Played, expected);
  EXPECT_NE(rig.View.IndexOf("release outline"), -1);
}

}  // namespace
}  // namespace orvane::testing
