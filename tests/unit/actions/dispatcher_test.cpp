// The action dispatcher end to end over recording fakes: what reaches the shell, the dialog, the
// sounds and the window for each kind of target.
#include <gtest/gtest.h>

#include <array>

#include "action_fakes.h"
#include "actions/dispatcher.h"

namespace orvane {
namespace {

using namespace orvane::action_testing;

const std::string kClickWait = "builtin 3 wait";
const std::string kChange = "builtin 4 wait";
const std::vector<std::string> kCloseSteps = {"hide", "unload", "delayed close", "terminate"};

struct Dispatch : DispatchRig {
  using DispatchRig::DispatchRig;
  ButtonAction& Button(int32_t number, const std::string& target) {
    ButtonAction& button = host.buttons[number];
    button.Target = target;
    return button;
  }
  ShellRequest Run(int32_t number) {
    dispatcher.RunButtonAction(number);
    EXPECT_FALSE(dispatcher.ActionBusy);
    EXPECT_EQ(shell.requests.size(), 1u);
    return shell.requests.empty() ? ShellRequest{} : shell.requests.back();
  }
  void RunWithoutLaunch(int32_t number) {
    dispatcher.RunButtonAction(number);
    EXPECT_FALSE(dispatcher.ActionBusy);
    EXPECT_TRUE(shell.requests.empty());
  }
  int Clicks() const {
    return static_cast<int>(std::count_if(soundOut.played.begin(), soundOut.played.end(),
                                          [](const std::string& s) {
                                            return s.rfind("builtin 3", 0) == 0;
                                          }));
  }
};

TEST(Dispatcher, NoActionIsSilentAndNeverFinishes) {
  Dispatch t;
  t.Button(1, "*").CloseAfter = -1;
  t.RunWithoutLaunch(1);
  EXPECT_TRUE(t.soundOut.played.empty());
  EXPECT_TRUE(t.host.log.empty());

  t.files.AddFile("E:\\noaction.wav");
  t.RunWithoutLaunch(1);
  EXPECT_EQ(t.soundOut.played, std::vector<std::string>{"file E:\\noaction.wav wait"});
  EXPECT_TRUE(t.host.log.empty());
}

TEST(Dispatcher, MessageWithLineMarksThenCloses) {
  Dispatch t;
  t.Button(1, "$First line\xB6Second line").CloseAfter = -1;
  size_t logWhileShown = 99;
  t.dialog.whileShown = [&] { logWhileShown = t.host.log.size(); };
  t.RunWithoutLaunch(1);
  ASSERT_EQ(t.dialog.shown.size(), 1u);
  EXPECT_EQ(t.dialog.shown[0].text, "First line\rSecond line");
  EXPECT_EQ(t.dialog.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(t.dialog.shown[0].buttons, mb::OK);
  EXPECT_EQ(t.dialog.shown[0].caption, "Orvane");
  EXPECT_EQ(t.dialog.shown[0].helpContext, 0);
  EXPECT_EQ(t.dialog.shown[0].defaultIndex, -1);
  EXPECT_EQ(logWhileShown, 0u);  // closing waits for the message to be dismissed
  EXPECT_EQ(t.host.log, kCloseSteps);
  EXPECT_EQ(t.soundOut.played, std::vector<std::string>{kClickWait});
}

TEST(Dispatcher, MenuSwitchLoadsTheLowerCaseNameAndNeverMinimises) {
  Dispatch t;
  t.host.packages = {"products.mnu"};
  ButtonAction& button = t.Button(1, "PRODUCTS.MNU");
  button.MinimizeAfter = 1;
  button.CloseAfter = 1;
  t.RunWithoutLaunch(1);
  EXPECT_EQ(t.host.log, std::vector<std::string>{"load products.mnu"});
  EXPECT_EQ(t.soundOut.played, (std::vector<std::string>{kClickWait, kChange}));

  Dispatch missing;
  missing.Button(1, "%Extras.mnu");
  missing.RunWithoutLaunch(1);
  ASSERT_EQ(missing.dialog.shown.size(), 1u);
  EXPECT_EQ(missing.dialog.shown[0].text, "Could not find menu:\r%extras.mnu");
  EXPECT_EQ(missing.dialog.shown[0].kind, MessageKind::Warning);
  EXPECT_TRUE(missing.host.log.empty());
}

TEST(Dispatcher, EmptyTargetIsTheExitButton) {
  Dispatch t;
  t.Button(1, "").CloseAfter = -1;
  t.host.buttons[1].MinimizeAfter = 1;  // closing wins
  t.RunWithoutLaunch(1);
  EXPECT_EQ(t.soundOut.played, std::vector<std::string>{"builtin 3 nowait"});
  EXPECT_EQ(t.host.log, kCloseSteps);

  Dispatch minimise;
  minimise.Button(1, "").MinimizeAfter = 1;
  minimise.RunWithoutLaunch(1);
  EXPECT_EQ(minimise.host.log, std::vector<std::string>{"minimize"});
}

TEST(Dispatcher, RawLaunchIsHiddenWithItsOwnFolderAndNothingElse) {
  Dispatch t;
  ButtonAction& button = t.Button(1, "%NOPROC%%CD%:\\tools\\run.exe");
  button.Parameters = "ignored";
  button.RunMaximized = 1;
  ShellRequest request = t.Run(1);
  EXPECT_EQ(request.Verb, "open");
  EXPECT_EQ(request.File, "E:\\tools\\run.exe");
  EXPECT_EQ(request.Parameters, "");
  EXPECT_EQ(request.Directory, "E:\\tools\\");
  EXPECT_EQ(request.ShowMode, kShowHidden);
  EXPECT_TRUE(t.files.listed.empty());  // a missing file is not searched for
  EXPECT_EQ(t.Clicks(), 1);
  // Neither the "%" prefix nor the slash rule applies.
  Dispatch percent;
  percent.Button(1, "%NOPROC%%setup/run.exe");
  EXPECT_EQ(percent.Run(1).File, "%setup/run.exe");
}

TEST(Dispatcher, PercentAndBackslashPrefixesAndTheDirectory) {
  Dispatch root("D:\\");
  root.files.AddFile("D:\\docs\\a.pdf");
  root.Button(1, "%docs/a.pdf");
  ShellRequest request = root.Run(1);
  EXPECT_EQ(request.File, "D:\\docs\\a.pdf");
  EXPECT_EQ(request.Directory, "D:\\docs\\");
  EXPECT_EQ(request.ShowMode, kShowNormal);
  EXPECT_TRUE(root.files.listed.empty()) << "found where the target says, not by a search";

  Dispatch sub("E:\\disc\\player\\");
  sub.files.AddFile("E:\\setup\\run.exe");
  sub.Button(1, "\\setup\\run.exe");
  request = sub.Run(1);
  EXPECT_EQ(request.File, "E:\\setup\\run.exe");
  EXPECT_EQ(request.Directory, "E:\\setup\\");
}

TEST(Dispatcher, ParametersExpandTheDriveAndAreQuotedByTheRule) {
  const std::vector<std::array<std::string, 3>> rows = {  // target, parameters, parameters passed
      {"E:\\tool.exe", "%CD%", "\"E\""},
      {"E:\\tool.exe", "-in %CD%:\\data -out %CD%", "-in E:\\data -out E"},
      {"\"E:\\my tool.exe\"", "readme.txt", "readme.txt"}};
  for (const auto& row : rows) {
    Dispatch t;
    t.files.AddFile("E:\\tool.exe");
    t.Button(1, row[0]).Parameters = row[1];
    EXPECT_EQ(t.Run(1).Parameters, row[2]);
  }
}

TEST(Dispatcher, MissingTargetIsFoundAfterOneClick) {
  Dispatch t;
  t.files.AddFile("E:\\data\\x.pdf");
  t.Button(1, "C:\\data\\x.pdf");
  ShellRequest request = t.Run(1);
  EXPECT_EQ(request.File, "E:\\data\\x.pdf");
  EXPECT_EQ(request.Directory, "E:\\data\\");
  EXPECT_EQ(t.Clicks(), 1);
  EXPECT_EQ(t.soundOut.played.front(), kClickWait);
}

TEST(Dispatcher, HiddenTargetCountsAsPresentButIsNeverFound) {
  Dispatch present;
  present.files.AddFile("E:\\x.pdf", {false, true});
  present.Button(1, "E:\\x.pdf");
  EXPECT_EQ(present.Run(1).File, "E:\\x.pdf");
  EXPECT_TRUE(present.files.listed.empty());

  Dispatch missing;
  missing.files.AddFile("E:\\docs\\x.pdf", {false, true});
  missing.Button(1, "C:\\docs\\x.pdf");
  EXPECT_EQ(missing.Run(1).File, "C:\\docs\\x.pdf");
}

TEST(Dispatcher, WebAddressGoesToTheBrowserWithTheAddressQuoted) {
  Dispatch t;
  t.files.AddFile("C:\\WINDOWS\\home.htm");
  t.shell.associations["c:\\windows\\home.htm"] = "C:\\Web\\browse.exe";
  t.Button(1, "www.orvane.example/a b").Parameters = "not used";
  ShellRequest request = t.Run(1);
  EXPECT_EQ(request.File, "C:\\Web\\browse.exe");
  EXPECT_EQ(request.Parameters, "\"www.orvane.example/a b\"");
  EXPECT_EQ(request.Directory, "");

  Dispatch none;
  none.Button(1, "HTTP://orvane.example/").Parameters = "not used";
  request = none.Run(1);
  EXPECT_EQ(request.File, "HTTP://orvane.example/");  // slashes untouched
  EXPECT_EQ(request.Parameters, "");
  EXPECT_EQ(request.Verb, "open");
  EXPECT_EQ(none.Clicks(), 1);
}

TEST(Dispatcher, LocalFileNamedLikeAnAddressIsNotSearchedFor) {
  Dispatch t;
  t.files.AddFile("E:\\docs\\ftpguide.pdf");
  t.Button(1, "ftpguide.pdf");
  EXPECT_EQ(t.Run(1).File, "ftpguide.pdf");
  EXPECT_EQ(t.progress.opened, 0);
  for (const std::string& folder : t.files.listed) EXPECT_NE(folder, "E:\\docs\\");
}

TEST(Dispatcher, FolderIsExploredAndMailNeverWatched) {
  Dispatch t;
  t.shell.results.push_back({true, 0, 5});
  t.Button(1, "E:\\docs\\").WaitForExit = -1;
  ShellRequest request = t.Run(1);
  EXPECT_EQ(request.Verb, "explore");
  EXPECT_EQ(request.Directory, "E:\\docs\\");
  EXPECT_EQ(t.dispatcher.LaunchedProcess, kNoProcess);
  EXPECT_EQ(t.shell.released, std::vector<ProcessHandle>{5});
  EXPECT_TRUE(t.host.log.empty());

  Dispatch mail;
  mail.Button(1, "MAILTO:disc@orvane.example").WaitForExit = -1;
  request = mail.Run(1);
  EXPECT_EQ(request.File, "MAILTO:disc@orvane.example");
  EXPECT_EQ(request.Directory, "");
  EXPECT_TRUE(mail.host.log.empty());
}

TEST(Dispatcher, OptionsAreTestedForTheirExactValues) {
  Dispatch t;
  t.files.AddFile("E:\\a.exe");
  t.shell.results.push_back({true, 0, 9});
  ButtonAction& button = t.Button(1, "E:\\a.exe");
  button.RunMaximized = 2;
  button.WaitForExit = 1;
  button.ViewerCheck = -1;
  ShellRequest request = t.Run(1);
  EXPECT_EQ(request.ShowMode, kShowHidden);
  EXPECT_TRUE(t.host.log.empty());
  EXPECT_EQ(t.shell.released, std::vector<ProcessHandle>{9});
  EXPECT_TRUE(t.shell.queries.empty());
}

TEST(Dispatcher, RestoreWatchKeepsOnlyTheLatestProcess) {
  Dispatch t;
  t.files.AddFile("E:\\a.exe");
  ButtonAction& button = t.Button(1, "E:\\a.exe");
  button.WaitForExit = -1;
  button.MinimizeAfter = 1;
  t.shell.results = {{true, 0, 7}, {true, 0, 8}};
  t.shell.running = {7, 8};

  t.dispatcher.RunButtonAction(1);
  EXPECT_EQ(t.host.log, (std::vector<std::string>{"restore watch", "minimize"}));
  EXPECT_EQ(t.dispatcher.LaunchedProcess, 7u);
  EXPECT_FALSE(t.dispatcher.RestoreTick());

  t.dispatcher.RunButtonAction(1);
  EXPECT_EQ(t.dispatcher.LaunchedProcess, 8u);
  EXPECT_EQ(t.shell.released, std::vector<ProcessHandle>{7});
  EXPECT_FALSE(t.dispatcher.RestoreTick());
  t.shell.running.erase(8);
  EXPECT_TRUE(t.dispatcher.RestoreTick());
  EXPECT_EQ(t.shell.released, (std::vector<ProcessHandle>{7, 8}));
  EXPECT_EQ(t.dispatcher.LaunchedProcess, kNoProcess);
}

TEST(Dispatcher, LaunchWithoutProcessCountsAsEndedAtTheFirstTick) {
  Dispatch t;
  t.Button(1, "%NOPROC%cmd").WaitForExit = -1;
  t.Run(1);
  EXPECT_EQ(t.host.log, std::vector<std::string>{"restore watch"});
  EXPECT_TRUE(t.dispatcher.RestoreTick());
  EXPECT_TRUE(t.shell.released.empty());
}

TEST(Dispatcher, FileNotFoundIsReportedWithTheStoredTargetAndNothingFollows) {
  Dispatch t;
  t.shell.results.push_back({false, kShellFileNotFound, kNoProcess});
  ButtonAction& button = t.Button(1, "%docs/none.pdf");
  button.CloseAfter = 1;
  button.WaitForExit = -1;
  t.Run(1);
  ASSERT_EQ(t.dialog.shown.size(), 1u);
  EXPECT_EQ(t.dialog.shown[0].text, "Orvane cannot find the specified file:\r\r%docs/none.pdf");
  EXPECT_EQ(t.dialog.shown[0].kind, MessageKind::Information);
  EXPECT_TRUE(t.host.log.empty());
}

TEST(Dispatcher, NoAssociationShowsTheHelpMenuOrTheNoViewerMessage) {
  Dispatch help;
  help.files.AddFile("E:\\a.XYZ");
  help.host.packages = {"xyz.mnu"};
  help.shell.results.push_back({false, kShellNoAssociation, kNoProcess});
  help.Button(1, "a.XYZ").CloseAfter = 1;
  help.Run(1);
  EXPECT_TRUE(help.dialog.shown.empty());
  EXPECT_EQ(help.host.log, std::vector<std::string>{"load xyz.mnu"});
  EXPECT_EQ(help.soundOut.played.back(), kChange);

  Dispatch message;
  message.files.AddFile("E:\\a.xyz");
  message.shell.results.push_back({false, kShellNoAssociation, kNoProcess});
  message.Button(1, "%a.xyz");
  message.Run(1);
  ASSERT_EQ(message.dialog.shown.size(), 1u);
  EXPECT_EQ(message.dialog.shown[0].text,
            "You do not appear to have a suitable viewer (or version) able to open the "
            "file:\r\n\r\n%a.xyz");
  EXPECT_EQ(message.dialog.shown[0].kind, MessageKind::Warning);
}

TEST(Dispatcher, HelpMenuOfANameWithoutDotDropsItsFirstCharacter) {
  Dispatch t;
  t.host.packages = {"eadme.mnu"};
  t.shell.associations.clear();
  ButtonAction& button = t.Button(1, "E:\\docs\\README");
  button.ViewerCheck = 1;
  button.Viewer = {"Notes", "1", 1};
  t.dispatcher.RunButtonAction(1);
  EXPECT_TRUE(t.shell.requests.empty());
  EXPECT_EQ(t.host.log, std::vector<std::string>{"load eadme.mnu"});
}

TEST(Dispatcher, ViewerCheckLeavesTheFileNameAndKeepsTheFolder) {
  Dispatch t;
  t.files.AddFile("E:\\docs\\Manual.PDF");
  t.shell.associations["manual.pdf"] = "C:\\Reader\\AcroRd32.exe";
  t.versions.AddProgram("C:\\Reader\\AcroRd32.exe", "Adobe Reader", 9, 3);
  ButtonAction& button = t.Button(1, "E:\\docs\\Manual.PDF");
  button.ViewerCheck = 1;
  button.Viewer = {"Adobe Acrobat", "7", 1};
  ShellRequest request = t.Run(1);
  EXPECT_EQ(request.File, "manual.pdf");
  EXPECT_EQ(request.Directory, "E:\\docs\\");

  Dispatch old;
  old.files.AddFile("E:\\docs\\Manual.PDF");
  old.shell.associations["manual.pdf"] = "C:\\Reader\\AcroRd32.exe";
  old.versions.AddProgram("C:\\Reader\\AcroRd32.exe", "Adobe Reader", 5, 0);
  old.host.packages = {"pdf.mnu"};
  ButtonAction& oldButton = old.Button(1, "E:\\docs\\Manual.PDF");
  oldButton.ViewerCheck = 1;
  oldButton.Viewer = {"Adobe Acrobat", "7", 1};
  old.RunWithoutLaunch(1);
  EXPECT_EQ(old.host.log, std::vector<std::string>{"load pdf.mnu"});
}

TEST(Dispatcher, PdxFilesAreOpenedByTheirProgramWithTheFileAsParameter) {
  Dispatch t;
  t.files.AddFile("E:\\show.PDX");
  t.shell.associations["e:\\show.pdx"] = "C:\\Pdx\\pdxview.exe";
  t.Button(1, "E:\\show.PDX");
  ShellRequest request = t.Run(1);
  EXPECT_EQ(request.File, "C:\\Pdx\\pdxview.exe");
  EXPECT_EQ(request.Parameters, "\"E:\\show.PDX\"");
  EXPECT_EQ(request.Directory, "C:\\Pdx\\");

  Dispatch none;
  none.files.AddFile("E:\\show.pdx");
  none.Button(1, "E:\\show.pdx").Parameters = "dropped";
  request = none.Run(1);
  EXPECT_EQ(request.File, "E:\\show.pdx");
  EXPECT_EQ(request.Parameters, "");
}

TEST(Dispatcher, OtherShellErrorsCountAsLaunches) {
  Dispatch t;
  t.files.AddFile("E:\\a.exe");
  t.shell.results.push_back({false, 5, kNoProcess});
  ButtonAction& button = t.Button(1, "E:\\a.exe");
  button.WaitForExit = -1;
  button.CloseAfter = 1;
  t.Run(1);
  EXPECT_TRUE(t.dialog.shown.empty());
  std::vector<std::string> expected{"restore watch"};
  expected.insert(expected.end(), kCloseSteps.begin(), kCloseSteps.end());
  EXPECT_EQ(t.host.log, expected);
}

TEST(Dispatcher, SilencedMessagesHaveNoOtherEffect) {
  Dispatch t;
  t.files.AddFile("E:\\err.txt");
  t.opener.files["E:\\err.txt"] = "False\r\nFalse\r\nTrue\r\n";
  t.dispatcher.LoadErrorFlags();
  t.files.AddFile("E:\\a.xyz");
  t.shell.results = {{false, kShellFileNotFound, kNoProcess},
                     {false, kShellNoAssociation, kNoProcess}};
  t.Button(1, "E:\\a.xyz").CloseAfter = 1;
  t.dispatcher.RunButtonAction(1);
  t.dispatcher.RunButtonAction(1);
  EXPECT_EQ(t.shell.requests.size(), 2u);
  EXPECT_TRUE(t.dialog.shown.empty());
  EXPECT_TRUE(t.host.log.empty());
  EXPECT_FALSE(t.dispatcher.ActionBusy);
}

TEST(Dispatcher, SecondRequestDuringAnActionIsDropped) {
  Dispatch t;
  t.files.AddFile("E:\\b.exe");
  t.Button(1, "$Wait");
  t.Button(2, "E:\\b.exe");
  t.dialog.whileShown = [&] { t.dispatcher.RunButtonAction(2); };
  t.RunWithoutLaunch(1);

  // And during a search, whose every folder lets pending messages run.
  Dispatch search;
  search.Button(1, "C:\\gone.pdf");
  search.files.AddFile("E:\\b.exe");
  search.Button(2, "E:\\b.exe");
  int clicks = 0;  // each queued click is delivered once
  search.host.onPump = [&] {
    if (search.dispatcher.ActionBusy && clicks++ < 3) search.dispatcher.RunButtonAction(2);
  };
  search.Run(1);
  EXPECT_GT(clicks, 3);  // three dropped clicks, then more pumps
  EXPECT_EQ(search.shell.requests[0].File, "C:\\gone.pdf");
}

TEST(Dispatcher, UnknownButtonDoesNothing) {
  Dispatch t;
  t.RunWithoutLaunch(7);
  EXPECT_TRUE(t.soundOut.played.empty());
}

}  // namespace
}  // namespace orvane
