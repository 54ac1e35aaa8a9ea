// The start-up sequence and the closing steps of the menu window.
#include <gtest/gtest.h>

#include <functional>

#include "player_rig.h"

namespace orvane::testing {
namespace {

const char kVersionNotice[] =
    "This is not an Orvane Version 6 or above file. If you have created the menu in a previous "
    "version of Orvane, you can use the Menu Conversion Wizard available from Tarvek Software's "
    "site to convert the file to Version 6 format.";

// Without an argument the first packed menu is shown; every form of the argument names the
// second one.
TEST(StartupTest, TheArgumentOrElseTheFirstPackedMenuIsShown) {
  for (const std::string argument :
       {"", "C:\\menus\\Second.mnu", "Second.mnu", "C:Second.mnu", "E:\\extra\\SECOND.MNU"}) {
    SCOPED_TRACE(argument);
    PlayerRig rig;
    rig.Install({{"Main.mnu", BasicMenu("Main")}, {"Second.mnu", BasicMenu("Second")}});
    rig.Start(argument);
    EXPECT_TRUE(rig.Dialog.Messages.empty());
    if (argument.empty()) {
      EXPECT_EQ(rig.Window.MenuFileName, "main.mnu");
    }
    EXPECT_EQ(rig.View.Caption, argument.empty() ? "Main" : "Second");
    EXPECT_TRUE(rig.View.WindowVisible && rig.Window.MenuActive);
    EXPECT_EQ(rig.Window.ApplicationFolder + "|" + rig.Window.ExeName + "|" + rig.Window.DialogCaption,
              "D:\\|orvane.exe|Orvane");
  }
}

// Each way the first menu can fail: its messages, then the program ends instead of staying
// hidden. Where the container fails, no window content is built and the exit sound plays; where
// the menu fails, the window stays hidden and silent.
TEST(StartupTest, AFirstMenuThatCannotBeReadEndsTheProgramAfterItsMessages) {
  struct Row {
    const char* name;
    std::function<void(PlayerRig&)> install;
    std::string argument;
    std::vector<std::string> messages;
    MessageKind firstKind;  // the last message is always an error
    bool windowBuilt;
  };
  const std::string failed = "Error in loading internal menu.", unread = "Menu could not be read.";
  // clang-format off
  const Row rows[] = {
      {"a broken container",
       [](PlayerRig& rig) {
         pack::Bytes exe(100, 0);
         exe[96] = 1;  // trailer 1: the container would start at offset 0
         rig.Opener.AddFile(PlayerRig::kExePath, exe);
       },
       "", {"Invalid menu address.", failed}, MessageKind::Error, false},
      {"a missing executable", [](PlayerRig&) {}, "",
       {"Could not retrieve packed files", failed}, MessageKind::Error, false},
      {"an unknown menu name",
       [](PlayerRig& rig) { rig.Install({{"Main.mnu", BasicMenu("Main")}}); }, "Nothing.mnu",
       {"Could not locate specified package:\r\rnothing.mnu", unread}, MessageKind::Warning, true},
      {"an old version",
       [](PlayerRig& rig) {
         MenuFile old = BasicMenu("Old");
         old.Header.Version = 5;
         rig.Install({{"Old.mnu", old}});
       },
       "", {kVersionNotice, unread}, MessageKind::Information, true},
      {"an empty container", [](PlayerRig& rig) { rig.InstallRaw({}); }, "",
       {"Could not locate specified package:\r\r", unread}, MessageKind::Warning, true},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PlayerRig rig;
    row.install(rig);
    rig.Start(row.argument);
    EXPECT_EQ(rig.MessageTexts(), row.messages);
    ASSERT_FALSE(rig.Dialog.Messages.empty());
    EXPECT_EQ(rig.Dialog.Messages.front().Kind, row.firstKind);
    EXPECT_EQ(PlayerRig::Fields(rig.Dialog.Messages.back()),
              PlayerRig::Fields({row.messages.back(), MessageKind::Error, mb::OK, 0, -1, "Orvane"}));
    EXPECT_TRUE(rig.View.Terminations == 1 && rig.Window.ApplicationEnding) << rig.View.Terminations;
    EXPECT_EQ(rig.View.Controls.empty(), !row.windowBuilt);
    if (row.windowBuilt) {
      EXPECT_FALSE(rig.View.WindowVisible);
      EXPECT_TRUE(rig.SoundOut.Played.empty()) << "no start sound after the end was asked for";
    } else {
      EXPECT_EQ(rig.SoundOut.Played, std::vector<std::string>{"builtin 5 wait"});
    }
  }
}

TEST(StartupTest, TheSequenceRunsInItsOrderAndOnlyOnce) {
  PlayerRig rig;
  rig.Install({{"Main.mnu", BasicMenu("Main")}});
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
  const std::vector<std::string> base = {"MenBck", "imgAccPicture", "lblAccShadow", "lblAccText", "lblTime", "lblDate"};
  ASSERT_GE(rig.View.CreationOrder.size(), base.size());
  EXPECT_EQ(std::vector<std::string>(rig.View.CreationOrder.begin(), rig.View.CreationOrder.begin() + 6), base);
  EXPECT_EQ(rig.View.Timers[MenuTimer::Timer1], 1000);
  // The start sound is the built-in one and comes after the menu is shown.
  EXPECT_EQ(rig.SoundOut.Played, std::vector<std::string>{"builtin 1 nowait"});

  const size_t logSize = rig.View.Log.size();
  rig.Start();  // a second create event does nothing
  EXPECT_EQ(rig.View.Log.size(), logSize);
  EXPECT_EQ(rig.SoundOut.Played.size(), 1u);
}

TEST(StartupTest, SideFilesNamedAfterTheExecutableReplaceTheBuiltInIconAndSounds) {
  PlayerRig rig;
  rig.Install({{"Main.mnu", BasicMenu("Main")}});
  FileAttributes hidden;
  hidden.Hidden = hidden.System = true;  // any attributes count for the icon and the start sound
  rig.Files.Files["D:\\orvane.ico"] = hidden;
  rig.Files.Files["D:\\start.wav"] = hidden;
  rig.Start();
  EXPECT_EQ(rig.View.IconLoaded, "D:\\orvane.ico");
  EXPECT_EQ(rig.SoundOut.Played, std::vector<std::string>{"file D:\\start.wav nowait"});

  // The icon is named after the executable without its last extension.
  PlayerRig named;
  const std::string exe = "D:\\disc\\setup.v2.exe";
  named.Opener.AddFile(exe, pack::AppendContainer(pack::Bytes(8, 0), {}));
  named.Files.Files["D:\\disc\\setup.v2.ico"] = FileAttributes{};
  named.View.IconReadable = false;  // an unreadable icon keeps the built-in one, traced only
  named.Window.Form_Load(StartupInfo{exe, "", "Orvane"});
  EXPECT_EQ(named.View.IconLoaded, "D:\\disc\\setup.v2.ico");
  EXPECT_EQ(named.Trace.lines, std::vector<std::string>{"**** Side icon not readable: D:\\disc\\setup.v2.ico **** "});
  EXPECT_EQ(named.Window.ApplicationFolder, "D:\\disc\\");
  PlayerRig bare;  // a bare name: the folder is the drive's root
  bare.Window.Form_Load(StartupInfo{"setup.exe", "", "Orvane"});
  EXPECT_EQ(bare.Window.ApplicationFolder + "|" + bare.Window.ExeName, "\\|setup.exe");
}

TEST(ClosingTest, TheExitSoundPlaysOnceToItsEndAndTheOutlineIsReleased) {
  PlayerRig rig;
  rig.Install({{"Main.mnu", BasicMenu("Main")}});
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
