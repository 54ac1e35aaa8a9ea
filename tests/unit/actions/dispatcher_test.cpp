// The action dispatcher end to end over recording fakes: what reaches the shell, the dialog, the
// sounds and the window for each kind of target.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "action_fakes.h"
#include "actions/dispatcher.h"

namespace orvane {
namespace {

using namespace orvane::action_testing;

const std::string kClickWait = "builtin 3 wait";
const std::string kChange = "builtin 4 wait";
const std::vector<std::string> kCloseSteps = {"hide", "unload", "delayed close", "terminate"};

// What the shell was asked: verb|file|parameters|directory|show mode (0 hidden, 1 normal).
std::string Sent(const ShellRequest& r) {
  return r.Verb + "|" + r.File + "|" + r.Parameters + "|" + r.Directory + "|" + std::to_string(r.ShowMode);
}

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
  // Message pumps show in the host's log from now on.
  void LogPumps() {
    host.onPump = [this] { host.log.push_back("pump"); };
  }
  void RunWithoutLaunch(int32_t number) {
    dispatcher.RunButtonAction(number);
    EXPECT_FALSE(dispatcher.ActionBusy);
    EXPECT_TRUE(shell.requests.empty());
  }
  // The one message shown, with its text and kind.
  void ExpectMessage(const std::string& text, MessageKind kind) {
    ASSERT_EQ(dialog.shown.size(), 1u);
    const ShownMessage& m = dialog.shown[0];
    EXPECT_EQ(std::tie(m.text, m.kind, m.buttons, m.caption, m.helpContext, m.defaultIndex),
              std::make_tuple(text, kind, mb::OK, std::string("Orvane"), 0, -1));
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
  t.Button(1, "$First line\xC2\xB6Second line").CloseAfter = -1;  // texts are UTF-8 inside
  size_t logWhileShown = 99;
  t.dialog.whileShown = [&] { logWhileShown = t.host.log.size(); };
  t.RunWithoutLaunch(1);
  t.ExpectMessage("First line\rSecond line", MessageKind::Information);
  const ShownMessage& m = t.dialog.shown.at(0);
  EXPECT_EQ(std::tie(m.buttons, m.caption, m.helpContext, m.defaultIndex),
            std::make_tuple(mb::OK, std::string("Orvane"), 0, -1));
  EXPECT_EQ(logWhileShown, 0u);  // closing waits for the message to be dismissed
  EXPECT_EQ(t.host.log, kCloseSteps);
  EXPECT_EQ(t.soundOut.played, std::vector<std::string>{kClickWait});
}

// A click that arrives while messages are pumped is dropped as long as the action is busy: once a
// message is dismissed or a menu loaded, the next click must be taken. Every button minimises.
TEST(Dispatcher, ClicksDuringThePumpsAreTakenOnceTheActionIsDone) {
  const std::pair<std::string, std::vector<std::string>> rows[] = {
      // target, steps ("busy": a busy pump)
      {"*", {"pump"}},
      {"$Hello", {"pump", "pump", "minimize", "pump"}},
      {"%extras.mnu", {"pump"}},
      {"products.mnu", {"pump", "load products.mnu", "pump"}},
      {"", {"pump", "busy", "minimize", "busy"}},  // the exit button
  };
  for (const auto& [target, steps] : rows) {
    SCOPED_TRACE(target);
    Dispatch t;
    t.host.packages = {"products.mnu"};
    t.Button(1, target).MinimizeAfter = 1;
    t.host.onPump = [&t] { t.host.log.push_back(t.dispatcher.ActionBusy ? "busy" : "pump"); };
    t.RunWithoutLaunch(1);
    EXPECT_EQ(t.host.log, steps);
  }
}

TEST(Dispatcher, MenuSwitchLoadsTheLowerCaseNameAndNeverMinimises) {
  Dispatch t;
  t.host.packages = {"products.mnu"};
  ButtonAction& button = t.Button(1, "PRODUCTS.MNU");
  button.MinimizeAfter = 1;
  button.CloseAfter = 1;
  t.LogPumps();
  t.RunWithoutLaunch(1);
  EXPECT_EQ(t.host.log, (std::vector<std::string>{"pump", "load products.mnu", "pump"}));
  EXPECT_EQ(t.soundOut.played, (std::vector<std::string>{kClickWait, kChange}));

  Dispatch missing;
  missing.Button(1, "%Extras.mnu");
  missing.RunWithoutLaunch(1);
  missing.ExpectMessage("Could not find menu:\r%extras.mnu", MessageKind::Warning);
  EXPECT_TRUE(missing.host.log.empty());
}

TEST(Dispatcher, EmptyTargetIsTheExitButton) {
  Dispatch t;
  t.Button(1, "").CloseAfter = -1;
  t.host.buttons[1].MinimizeAfter = 1;  // closing wins
  t.LogPumps();
  t.RunWithoutLaunch(1);
  EXPECT_EQ(t.soundOut.played, std::vector<std::string>{"builtin 3 nowait"});
  EXPECT_EQ(t.host.log,
            (std::vector<std::string>{"pump", "pump", "hide", "unload", "pump", "delayed close", "terminate"}));
}

TEST(Dispatcher, RawLaunchIsHiddenWithItsOwnFolderAndNothingElse) {
  Dispatch t;
  ButtonAction& button = t.Button(1, "%NOPROC%%CD%:\\tools\\run.exe");
  button.Parameters = "ignored";
  button.RunMaximized = 1;
  EXPECT_EQ(Sent(t.Run(1)), "open|E:\\tools\\run.exe||E:\\tools\\|0");
  EXPECT_TRUE(t.files.listed.empty());  // a missing file is not searched for
  EXPECT_EQ(t.soundOut.played, std::vector<std::string>{kClickWait});
}

// One plain launch each: the disc, the target and what the shell is asked to do, after one
// click and with nothing else happening.
TEST(Dispatcher, TargetsReachTheShellAsTheyResolve) {
  struct Row {
    const char* name;
    std::string target, parameters;
    std::string sent;                                      // verb|file|parameters|directory|show mode
    std::string file = "";                                 // on the disc; "~" in front: hidden
    std::string unlisted = "";                             // a folder never listed while looking for it ("*": none is)
    std::map<std::string, std::string> associations = {};  // lower-case file -> program
    std::string folder = "E:\\";                           // the player's
  };
  const std::string browser = "c:\\windows\\home.htm";
  // clang-format off
  const Row rows[] = {
      {"raw launch: neither the % prefix nor the slash rule", "%NOPROC%%setup/run.exe", "",
       "open|%setup/run.exe|||0"},
      {"% prefix: from the player's folder, found where the target says", "%docs/a.pdf", "",
       "open|D:\\docs\\a.pdf||D:\\docs\\|1", "D:\\docs\\a.pdf", "*", {}, "D:\\"},
      {"\\ prefix: from the root of the player's drive", "\\setup\\run.exe", "",
       "open|E:\\setup\\run.exe||E:\\setup\\|1", "E:\\setup\\run.exe", "", {}, "E:\\disc\\player\\"},
      {"%CD% alone is quoted", "E:\\tool.exe", "%CD%", "open|E:\\tool.exe|\"E\"|E:\\|1",
       "E:\\tool.exe"},
      {"%CD% inside parameters is not quoted", "E:\\tool.exe", "-in %CD%:\\data -out %CD%",
       "open|E:\\tool.exe|-in E:\\data -out E|E:\\|1", "E:\\tool.exe"},
      {"parameters without %CD% pass unchanged", "\"E:\\my tool.exe\"", "readme.txt",
       "open|\"E:\\my tool.exe\"|readme.txt|\"E:\\|1", "E:\\tool.exe"},
      {"a missing target is found on the player's drive", "C:\\data\\x.pdf", "",
       "open|E:\\data\\x.pdf||E:\\data\\|1", "E:\\data\\x.pdf"},
      {"a hidden target counts as present", "E:\\x.pdf", "", "open|E:\\x.pdf||E:\\|1",
       "~E:\\x.pdf", "*"},
      {"a hidden target is never found", "C:\\docs\\x.pdf", "", "open|C:\\docs\\x.pdf||C:\\docs\\|1",
       "~E:\\docs\\x.pdf"},
      {"a web address goes to the browser, quoted", "www.orvane.example/a b", "not used",
       "open|C:\\Web\\browse.exe|\"www.orvane.example/a b\"||1", "C:\\WINDOWS\\home.htm", "",
       {{browser, "C:\\Web\\browse.exe"}}},
      {"a web address without a browser, slashes untouched", "HTTP://orvane.example/",
       "not used", "open|HTTP://orvane.example/|||1"},
      {"a local file named like an address is not searched for", "ftpguide.pdf", "",
       "open|ftpguide.pdf|||1", "E:\\docs\\ftpguide.pdf", "E:\\docs\\"},
      {"a PDX file is opened by its program", "E:\\show.PDX", "",
       "open|C:\\Pdx\\pdxview.exe|\"E:\\show.PDX\"|C:\\Pdx\\|1", "E:\\show.PDX", "",
       {{"e:\\show.pdx", "C:\\Pdx\\pdxview.exe"}}},
      {"a PDX file without a program drops the parameters", "E:\\show.pdx", "dropped",
       "open|E:\\show.pdx||E:\\|1", "E:\\show.pdx"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Dispatch t(row.folder);
    const bool hidden = !row.file.empty() && row.file[0] == '~';
    if (!row.file.empty()) t.files.AddFile(row.file.substr(hidden), {false, hidden});
    t.shell.associations = row.associations;
    t.Button(1, row.target).Parameters = row.parameters;
    EXPECT_EQ(Sent(t.Run(1)), row.sent);
    EXPECT_EQ(t.soundOut.played, std::vector<std::string>{kClickWait});
    if (row.unlisted == "*") {
      EXPECT_TRUE(t.files.listed.empty());
    }
    for (const std::string& folder : t.files.listed) EXPECT_NE(folder, row.unlisted);
    EXPECT_EQ(t.progress.opened, 0);
    EXPECT_TRUE(t.host.log.empty());
  }
}
// clang-format on

TEST(Dispatcher, WhatFollowsALaunchTakesTheOptionsExactlyAndTheShellsAnswer) {
  const std::vector<std::string> watchAndClose = {"restore watch", "hide", "unload", "delayed close", "terminate"};
  struct Row {
    std::string target;
    int32_t maximized, wait, close;
    ShellResult result;
    std::string sent;
    std::vector<std::string> log;
    std::vector<ProcessHandle> released;
    std::string message = "";
  };
  // clang-format off
  const Row rows[] = {
      {"E:\\a.exe", 2, 1, 0, {true, 0, 9}, "open|E:\\a.exe||E:\\|0", {}, {9}},
      {"E:\\a.exe", 0, -1, 1, {false, 5, kNoProcess}, "open|E:\\a.exe||E:\\|1", watchAndClose, {}},
      {"%NOPROC%cmd", 0, -1, 0, {true, 0, kNoProcess}, "open|cmd|||0", {"restore watch"}, {}},
      // A folder is explored and mail is never watched.
      {"E:\\docs\\", 0, -1, 0, {true, 0, 5}, "explore|E:\\docs\\||E:\\docs\\|1", {}, {5}},
      {"MAILTO:disc@orvane.example", 0, -1, 0, {true, 0, 6}, "open|MAILTO:disc@orvane.example|||1", {}, {6}},
      {"%docs/none.pdf", 0, -1, 1, {false, kShellFileNotFound, kNoProcess}, "open|E:\\docs\\none.pdf||E:\\docs\\|1", {}, {},
       "Orvane cannot find the specified file:\r\r%docs/none.pdf"},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.target + " " + std::to_string(row.close));
    Dispatch t;
    t.files.AddFile("E:\\a.exe");
    t.shell.results.push_back(row.result);
    ButtonAction& button = t.Button(1, row.target);
    button.RunMaximized = row.maximized, button.WaitForExit = row.wait, button.CloseAfter = row.close;
    button.ViewerCheck = -1;  // only 1 checks the viewer
    EXPECT_EQ(Sent(t.Run(1)), row.sent);
    EXPECT_EQ(t.host.log, row.log);
    EXPECT_TRUE(t.shell.queries.empty());
    if (row.message.empty()) EXPECT_TRUE(t.dialog.shown.empty());
    if (!row.message.empty()) t.ExpectMessage(row.message, MessageKind::Information);
    if (row.log.size() == 1) EXPECT_TRUE(t.dispatcher.RestoreTick());
    EXPECT_EQ(t.shell.released, row.released);
    EXPECT_EQ(t.dispatcher.LaunchedProcess, kNoProcess) << "nothing left watched";
  }
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

  // A process still watched when the player ends is released with the dispatcher.
  t.shell.results = {{true, 0, 9}};
  {
    ActionDispatcher ending(ActionServices{t.host, t.shell, t.files, t.opener, t.sounds, t.dialog, t.versions,
                                           t.progress, t.trace, t.codePage});
    ending.RunButtonAction(1);
    EXPECT_EQ(ending.LaunchedProcess, 9u);
  }
  EXPECT_EQ(t.shell.released, (std::vector<ProcessHandle>{7, 8, 9}));
}

TEST(Dispatcher, NoAssociationShowsTheHelpMenuOrTheNoViewerMessage) {
  Dispatch help;
  help.files.AddFile("E:\\a.XYZ");
  help.host.packages = {"xyz.mnu"};
  help.shell.results.push_back({false, kShellNoAssociation, kNoProcess});
  help.Button(1, "a.XYZ").CloseAfter = 1;
  help.LogPumps();
  help.Run(1);
  EXPECT_TRUE(help.dialog.shown.empty());
  // Pumped at the click, before looking for the file, after the launch and after the help menu.
  EXPECT_EQ(help.host.log, (std::vector<std::string>{"pump", "pump", "pump", "load xyz.mnu", "pump"}));
  EXPECT_EQ(help.soundOut.played.back(), kChange);

  Dispatch message;
  message.files.AddFile("E:\\a.xyz");
  message.shell.results.push_back({false, kShellNoAssociation, kNoProcess});
  message.Button(1, "%a.xyz");
  message.Run(1);
  message.ExpectMessage("You do not appear to have a suitable viewer (or version) able to open the file:\r\n\r\n%a.xyz",
                        MessageKind::Warning);
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
  for (const int major : {9, 5}) {  // new enough for version 7, or not: then the help menu
    SCOPED_TRACE(major);
    Dispatch t;
    t.files.AddFile("E:\\docs\\Manual.PDF");
    t.shell.associations["manual.pdf"] = "C:\\Reader\\AcroRd32.exe";
    t.versions.AddProgram("C:\\Reader\\AcroRd32.exe", "Adobe Reader", major, major == 9 ? 3 : 0);
    t.host.packages = {"pdf.mnu"};
    ButtonAction& button = t.Button(1, "E:\\docs\\Manual.PDF");
    button.ViewerCheck = 1;
    button.Viewer = {"Adobe Acrobat", "7", 1};
    if (major == 5) {
      t.RunWithoutLaunch(1);
      EXPECT_EQ(t.host.log, std::vector<std::string>{"load pdf.mnu"});
      continue;
    }
    const ShellRequest request = t.Run(1);
    EXPECT_EQ(request.File + "|" + request.Directory, "manual.pdf|E:\\docs\\");
  }
}

TEST(Dispatcher, SilencedMessagesHaveNoOtherEffect) {
  Dispatch t;
  t.files.AddFile("E:\\err.txt");
  t.opener.files["E:\\err.txt"] = "False\r\nFalse\r\nTrue\r\n";
  t.dispatcher.LoadErrorFlags();
  t.files.AddFile("E:\\a.xyz");
  t.shell.results = {{false, kShellFileNotFound, kNoProcess}, {false, kShellNoAssociation, kNoProcess}};
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
