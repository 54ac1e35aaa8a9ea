// The Windows side of the actions under Wine: the shell, version.dll on the prefix's own
// programs, the progress window, and the tree search over the real Win32 file system.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <fstream>

#include "action_fakes.h"
#include "actions/missing_target.h"
#include "actions/version_name.h"
#include "actions/viewer_check.h"
#include "frmsearch.h"
#include "pump_messages.h"
#include "win32_file_system.h"
#include "win32_shell.h"
#include "win32_version_info.h"

namespace orvane {
namespace {

using action_testing::CountingPump;
using action_testing::FakeProgress;

std::string SystemProgram(const char* name) {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\" + name;
}

bool IsMajorDotMinor(const std::string& version) {
  size_t dot = version.find('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == version.size()) return false;
  for (size_t i = 0; i < version.size(); ++i)
    if (i != dot && !std::isdigit(static_cast<unsigned char>(version[i]))) return false;
  return true;
}

std::string TempFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  std::string folder = std::string(base) + "orvane_actions_" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

// Wine's installer carries real version information ("Wine Installer"); its notepad has none.
TEST(Win32VersionInfo, ReadsTheSystemsOwnPrograms) {
  Win32VersionInfoSource versions;
  NullDebugOutput trace;
  const std::string installer = SystemProgram("msiexec.exe");
  const std::string version = ReadFileVersion(versions, installer, trace);
  EXPECT_TRUE(IsMajorDotMinor(version)) << version;
  EXPECT_EQ(ReadVersionName(versions, installer), "Wine Installer");

  // The fixed information agrees with what the system itself reports.
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(installer.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(installer.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(version,
            std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)));

  EXPECT_EQ(versions.Load(SystemProgram("notepad.exe")), nullptr);
  EXPECT_EQ(versions.Load("C:\\no\\such\\program.exe"), nullptr);
}

TEST(Win32ViewerCheck, InstallerPackageNeedsTheWineInstaller) {
  Win32Shell shell;
  Win32FileSystem files;
  Win32VersionInfoSource versions;
  NullDebugOutput trace;
  const std::string folder = TempFolder();
  std::ofstream(folder + "Setup.MSI") << "x";
  LookupContext context{shell, files, folder};

  std::string target = folder + "Setup.MSI";
  EXPECT_TRUE(CheckRequiredViewer({"wine installer", "0.5", 1}, target, context, versions, trace));
  EXPECT_EQ(target, "setup.msi");
  target = folder + "Setup.MSI";
  EXPECT_FALSE(CheckRequiredViewer({"Wine Installer", "9999", 1}, target, context, versions, trace));
  target = folder + "Setup.MSI";
  EXPECT_FALSE(CheckRequiredViewer({"Adobe Acrobat", "1", 1}, target, context, versions, trace));
  DeleteFileA((folder + "Setup.MSI").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(Win32Shell, AssociationsWindowsFolderAndErrors) {
  Win32Shell shell;
  std::string windows = shell.WindowsDirectory();
  ASSERT_FALSE(windows.empty());
  EXPECT_NE(windows.back(), '\\');

  const std::string folder = TempFolder();
  std::ofstream(folder + "note.ini") << "x";
  std::string program;
  EXPECT_GT(shell.FindProgram("note.ini", folder, program), 32);
  EXPECT_NE(program.find("notepad.exe"), std::string::npos) << program;
  EXPECT_LE(shell.FindProgram("C:\\no\\such\\file.txt", "", program), 32);

  ShellResult missing = shell.Execute({"open", folder + "absent.exe", "", "", kShowNormal});
  EXPECT_FALSE(missing.Success);
  EXPECT_EQ(missing.ErrorCode, kShellFileNotFound);

  EXPECT_EQ(Win32Shell::ErrorCodeFor(31, 0), 31);
  EXPECT_EQ(Win32Shell::ErrorCodeFor(42, ERROR_FILE_NOT_FOUND), 2);
  EXPECT_EQ(Win32Shell::ErrorCodeFor(0, ERROR_NO_ASSOCIATION), 31);
  DeleteFileA((folder + "note.ini").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(Win32Shell, StartedProcessIsWatchedUntilItEnds) {
  Win32Shell shell;
  ShellResult started = shell.Execute({"open", SystemProgram("cmd.exe"), "/c exit 0", "", kShowHidden});
  ASSERT_TRUE(started.Success);
  ASSERT_NE(started.Process, kNoProcess);
  // Bounded: the program ends at once; this only waits for it.
  WaitForSingleObject(reinterpret_cast<HANDLE>(started.Process), 20000);
  EXPECT_TRUE(shell.ProcessEnded(started.Process));
  shell.ReleaseProcess(started.Process);
}

TEST(TfrmSearchCls, LayoutAndCancel) {
  Win32FileSystem files;
  CountingPump pump;
  FakeProgress unused;
  TreeSearch search(files, pump, unused);
  TfrmSearchCls window(nullptr, search);
  ASSERT_NE(window.Handle(), nullptr);

  char text[64] = {};
  GetWindowTextA(window.Handle(), text, sizeof(text));
  EXPECT_STREQ(text, " Target not found... searching:");
  RECT client{};
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right - client.left, 466);
  EXPECT_EQ(client.bottom - client.top, 58);
  RECT frame{};
  GetWindowRect(window.Handle(), &frame);
  EXPECT_EQ(frame.left, 180);
  EXPECT_EQ(frame.top, 173);
  EXPECT_EQ(GetWindowLongA(window.Handle(), GWL_STYLE) & WS_SYSMENU, 0);

  RECT label{};
  GetWindowRect(window.lblDir(), &label);
  MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&label), 2);
  EXPECT_EQ(label.left, 8);
  EXPECT_EQ(label.top, 8);
  EXPECT_EQ(label.right - label.left, 450);
  EXPECT_EQ(label.bottom - label.top, 13);
  RECT button{};
  GetWindowRect(window.Command1(), &button);
  MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(button.left, 357);
  EXPECT_EQ(button.top, 27);
  EXPECT_EQ(button.right - button.left, 101);
  EXPECT_EQ(button.bottom - button.top, 26);
  GetWindowTextA(window.Command1(), text, sizeof(text));
  EXPECT_STREQ(text, "&Cancel");

  window.SetFolder("E:\\a & b\\");
  GetWindowTextA(window.lblDir(), text, sizeof(text));
  EXPECT_STREQ(text, "E:\\a & b\\");

  EXPECT_EQ(GetFocus(), window.Command1());
  EXPECT_FALSE(search.SearchCancelled);
  SendMessageA(window.Command1(), BM_CLICK, 0, 0);
  EXPECT_TRUE(search.SearchCancelled);
  EXPECT_FALSE(IsWindowEnabled(window.Command1()));
  GetWindowTextA(window.Command1(), text, sizeof(text));
  EXPECT_STREQ(text, "Wait...");
}

// The search's own message pumping hands the window's keys to the dialog manager.
TEST(TfrmSearchCls, AltCEnterAndSpaceCancel) {
  Win32FileSystem files;
  CountingPump pump;
  FakeProgress unused;
  struct Keys {
    const char* what;
    UINT down, up;
    WPARAM key;
    LPARAM flags;
  } cases[] = {{"Alt+C", WM_SYSCHAR, 0, 'c', 0x20000000},
               {"Enter", WM_KEYDOWN, WM_KEYUP, VK_RETURN, 0},
               {"Space", WM_KEYDOWN, WM_KEYUP, VK_SPACE, 0}};
  for (const Keys& k : cases) {
    TreeSearch search(files, pump, unused);
    TfrmSearchCls window(nullptr, search);
    ASSERT_EQ(GetFocus(), window.Command1()) << k.what;
    PostMessageA(window.Command1(), k.down, k.key, k.flags);
    if (k.up) PostMessageA(window.Command1(), k.up, k.key, k.flags | 0xC0000000);
    PumpPendingMessages();
    EXPECT_TRUE(search.SearchCancelled) << k.what;
  }
}

TEST(Win32TreeSearch, HiddenFilesAreNotAcceptedOnTheRealFileSystem) {
  Win32FileSystem files;
  CountingPump pump;
  FakeProgress progress;
  TreeSearch search(files, pump, progress);
  const std::string root = TempFolder();
  CreateDirectoryA((root + "a").c_str(), nullptr);
  std::ofstream(root + "a\\guide.pdf") << "x";
  SetFileAttributesA((root + "a\\guide.pdf").c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(search.SearchFolderTree("guide.pdf", false, root), kNotFound);
  SetFileAttributesA((root + "a\\guide.pdf").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(search.SearchFolderTree("guide.pdf", false, root), root + "a\\guide.pdf");
  DeleteFileA((root + "a\\guide.pdf").c_str());
  RemoveDirectoryA((root + "a").c_str());
  RemoveDirectoryA(root.c_str());
}

}  // namespace
}  // namespace orvane
#endif  // _WIN32
