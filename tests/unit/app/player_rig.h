#pragma once
// The menu window's core wired to in-memory files, a recording view, dialog and sound output,
// with menus made by the menu writer and packed into a fake executable at D:\orvane.exe.
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/menu_window.h"
#include "recording_view.h"
#include "support/latin1_decoder.h"
#include "support/memory_file.h"
#include "support/recording_dialog.h"
#include "support/recording_trace.h"
#include "writer/menu_defaults.h"
#include "writer/menu_writer.h"

namespace orvane::testing {

class SideFileSystem : public FileSystem {
 public:
  std::map<std::string, FileAttributes> Files;
  std::optional<FileAttributes> GetAttributes(const std::string& path) override {
    auto found = Files.find(path);
    if (found == Files.end()) return std::nullopt;
    return found->second;
  }
  std::vector<FolderEntry> ListFolder(const std::string&) override { return {}; }
  bool WriteTextFile(const std::string&, const std::string&) override { return false; }
  bool DeleteFile(const std::string&) override { return false; }
};

class RecordingSoundPlayer : public SoundOutput {
 public:
  // "file <path> wait|nowait" or "builtin <slot> wait|nowait", in order.
  std::vector<std::string> Played;
  bool LoadBuiltIn(std::string&) override {
    ++Loads;
    return true;
  }
  void PlayFile(const std::string& path, bool wait) override {
    Played.push_back("file " + path + (wait ? " wait" : " nowait"));
  }
  void PlayBuiltIn(int32_t slot, bool wait) override {
    Played.push_back("builtin " + std::to_string(slot) + (wait ? " wait" : " nowait"));
  }
  void PumpMessages() override {}
  int Loads = 0;
};

class ScriptedProcessWatch : public ProcessWatch {
 public:
  bool Running = true;
  bool LaunchedProcessRunning() override { return Running; }
};

// A version-7 menu with a 400 x 300 background, visible description, title and no buttons.
inline MenuFile BasicMenu(const std::string& title) {
  MenuFile menu;
  MenuSettings& s = menu.Settings = pack::DefaultSettings();
  s.MenuTitle = title;
  s.DefaultDescription = "Welcome";
  s.DescriptionFont = {"Arial", 10, 0, 0, 0};
  s.DescriptionLeft = 10;
  s.DescriptionTop = 20;
  s.DescriptionWidth = 200;
  s.DescriptionHeight = 40;
  menu.Pictures.push_back(PictureAt(0, 0, 0, SolidPicture(400, 300, 0x00336699)));
  return menu;
}

inline ButtonRecord PushButtonRecord(const std::string& caption, int32_t left, int32_t top) {
  ButtonRecord b = pack::DefaultButton();
  b.Caption = caption;
  b.Left = left;
  b.Top = top;
  b.Width = 90;
  b.Height = 24;
  b.ButtonKind = 1;
  b.ShortcutKey = "0";
  b.FontName = "Verdana";
  b.FontSize = 9;
  return b;
}

struct PlayerRig {
  static constexpr const char* kExePath = "D:\\orvane.exe";

  MemoryFileOpener Opener;
  RecordingMessageDialog Dialog;
  RecordingView View;
  SideFileSystem Files;
  RecordingSoundPlayer SoundOut;
  Sounds SoundRows{SoundOut, Files};
  ScriptedProcessWatch Processes;
  RecordingTrace Trace;
  MenuDataReader Data{Opener, Dialog};
  Latin1Decoder CodePage;
  MenuWindow Window{MenuWindowServices{View, Data, Dialog, SoundRows, Files, Processes, Trace, CodePage}};

  // Packs the menus (the first is the default) into the fake executable.
  void Install(const std::vector<std::pair<std::string, MenuFile>>& menus) {
    std::vector<pack::PackedFile> files;
    for (auto menu : menus) {
      pack::UpdateCounts(menu.second);
      files.push_back({menu.first, pack::WriteMenuFile(menu.second)});
    }
    InstallRaw(files);
  }
  void InstallRaw(const std::vector<pack::PackedFile>& files) {
    const pack::Bytes exe(64, 0x4D);
    Opener.AddFile(kExePath, pack::AppendContainer(exe, files));
  }
  void Start(const std::string& argument = "") { Window.Form_Load(StartupInfo{kExePath, argument, "Orvane"}); }
  // Every argument of a message shown, to compare whole.
  static auto Fields(const ShownMessage& m) {
    return std::make_tuple(m.Text, m.Kind, m.Buttons, m.HelpContext, m.DefaultIndex, m.Caption);
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : Dialog.Messages) texts.push_back(m.Text);
    return texts;
  }
};

}  // namespace orvane::testing
