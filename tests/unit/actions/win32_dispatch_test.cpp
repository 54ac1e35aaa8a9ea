// The dispatcher with the real shell and file system under Wine, launching the end-to-end probe,
// which writes down the command line and working folder it was given.
#if defined(_WIN32) && defined(ORVANE_PROBE_EXE)
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

#include "action_fakes.h"
#include "actions/dispatcher.h"
#include "win32_file_system.h"
#include "win32_shell.h"
#include "win32_version_info.h"
#include "wide_text.h"

namespace orvane {
namespace {

using namespace orvane::action_testing;

// The build tree's Unix path, as Wine's Z: drive sees it.
std::string ProbeSource() {
  std::string path = std::string("Z:") + ORVANE_PROBE_EXE;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

struct RealDispatch {
  Win32FileSystem files;
  Win32Shell shell;
  FakeOpener opener;
  RecordingSoundOutput soundOut;
  Sounds sounds{soundOut, files};
  RecordingDialog dialog;
  Win32VersionInfoSource versions;
  FakeProgress progress;
  NullDebugOutput trace;
  FakeHost host;
  SystemCodePageDecoder codePage;
  ActionDispatcher dispatcher{
      ActionServices{host, shell, files, opener, sounds, dialog, versions, progress, trace, codePage}};
  std::string folder;  // the application folder, ending in "\"

  RealDispatch() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    folder = std::string(base) + "orvane_disc_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "sub").c_str(), nullptr);
    CopyFileA(ProbeSource().c_str(), (folder + "probe.exe").c_str(), FALSE);
    dispatcher.ApplicationFolder = folder;
    dispatcher.DialogCaption = "Orvane";
    sounds.ApplicationFolder = folder;
  }
  ~RealDispatch() {
    if (dispatcher.LaunchedProcess != kNoProcess)
      WaitForSingleObject(reinterpret_cast<HANDLE>(dispatcher.LaunchedProcess), 20000);
    for (const char* name :
         {"probe.exe", "probe.log", "probe.delay", "sub\\probe2.exe", "sub\\probe.log", "sub\\probe3.exe"})
      DeleteFileA((folder + name).c_str());
    RemoveDirectoryA((folder + "sub").c_str());
    RemoveDirectoryA(folder.c_str());
  }

  // Runs the button with a watched process and waits (bounded) for the probe to finish.
  std::string Launch(ButtonAction button, const std::string& log = "probe.log") {
    DeleteFileA((folder + log).c_str());
    button.WaitForExit = -1;
    host.buttons[1] = button;
    dispatcher.RunButtonAction(1);
    EXPECT_NE(dispatcher.LaunchedProcess, kNoProcess);
    if (dispatcher.LaunchedProcess != kNoProcess)
      WaitForSingleObject(reinterpret_cast<HANDLE>(dispatcher.LaunchedProcess), 20000);
    EXPECT_TRUE(dispatcher.RestoreTick());
    return ReadAll(folder + log);
  }
};

ButtonAction Button(const std::string& target, const std::string& parameters = "") {
  ButtonAction button;
  button.Target = target;
  button.Parameters = parameters;
  return button;
}

TEST(Win32Dispatch, ParametersReachTheProgramQuotedByTheRule) {
  RealDispatch t;
  const std::string drive = t.folder.substr(0, 1);
  std::string log = t.Launch(Button("%probe.exe", "%CD%:\\data file.txt"));
  EXPECT_NE(log.find("arg1=" + drive + ":\\data file.txt\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("arg2="), std::string::npos) << log;
  EXPECT_NE(log.find("cwd=" + t.folder.substr(0, t.folder.size() - 1)), std::string::npos) << log;

  log = t.Launch(Button("%probe.exe", "-x %CD% /y"));
  EXPECT_NE(log.find("arg1=-x\r\narg2=" + drive + "\r\narg3=/y\r\n"), std::string::npos) << log;
}

TEST(Win32Dispatch, BackslashTargetIsOnTheApplicationDrive) {
  RealDispatch t;
  std::string log = t.Launch(Button(t.folder.substr(2) + "probe.exe", "one"));
  EXPECT_NE(log.find("arg1=one\r\n"), std::string::npos) << log;
}

TEST(Win32Dispatch, MissingTargetIsFoundInTheApplicationTree) {
  RealDispatch t;
  CopyFileA(ProbeSource().c_str(), (t.folder + "sub\\probe2.exe").c_str(), FALSE);
  std::string log = t.Launch(Button("Q:\\elsewhere\\Probe2.EXE", "found"), "sub\\probe.log");
  EXPECT_NE(log.find("arg1=found\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("cwd=" + t.folder + "sub"), std::string::npos) << log;
}

TEST(Win32Dispatch, HiddenCopyIsNotAcceptedAndTheMissingFileIsReported) {
  RealDispatch t;
  const std::string hidden = t.folder + "sub\\probe3.exe";
  CopyFileA(ProbeSource().c_str(), hidden.c_str(), FALSE);
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  t.host.buttons[1] = Button("Q:\\elsewhere\\probe3.exe");
  t.dispatcher.RunButtonAction(1);
  ASSERT_EQ(t.dialog.shown.size(), 1u);
  EXPECT_EQ(t.dialog.shown[0].text, "Orvane cannot find the specified file:\r\rQ:\\elsewhere\\probe3.exe");
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Win32Dispatch, RestoreWatchWaitsForTheProgramToEnd) {
  RealDispatch t;
  std::ofstream(t.folder + "probe.delay") << "1500";
  t.host.buttons[1] = Button("%probe.exe");
  t.host.buttons[1].WaitForExit = -1;
  t.dispatcher.RunButtonAction(1);
  ASSERT_NE(t.dispatcher.LaunchedProcess, kNoProcess);
  EXPECT_FALSE(t.dispatcher.RestoreTick());  // still sleeping
  WaitForSingleObject(reinterpret_cast<HANDLE>(t.dispatcher.LaunchedProcess), 20000);
  EXPECT_TRUE(t.dispatcher.RestoreTick());
  EXPECT_EQ(t.dispatcher.LaunchedProcess, kNoProcess);
}

}  // namespace
}  // namespace orvane
#endif
