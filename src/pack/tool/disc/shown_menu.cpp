#include "tool/disc/shown_menu.h"

#include <algorithm>

#include "app/menu_window.h"
#include "common/debug_trace.h"
#include "tool/source/code_page.h"
#include "writer/menu_writer.h"

namespace orvane::pack {

namespace {

// Takes every change and keeps only the outline; nothing here is drawn.
class HeadlessView : public MenuView {
 public:
  std::optional<WindowOutline> Outline;
  bool Terminated = false;

  void CreateControl(const ControlId&, const ControlState&) override {}
  void DestroyControl(const ControlId&) override {}
  void SetControlBounds(const ControlId&, const Bounds&) override {}
  void SetControlVisible(const ControlId&, bool) override {}
  void SetControlText(const ControlId&, const std::string&) override {}
  void SetControlFont(const ControlId&, const ControlFont&) override {}
  void SetControlAlignment(const ControlId&, TextAlignment) override {}
  void SetControlPicture(const ControlId&, const PictureRef&) override {}
  void BringControlToFront(const ControlId&) override {}
  void SendControlToBack(const ControlId&) override {}
  void FocusControl(const ControlId&) override {}
  void ReleasePictures() override {}
  void SetWindowVisible(bool) override {}
  void SetWindowBounds(const Bounds&) override {}
  void SetCaption(const std::string&) override {}
  void SetWindowOutline(const WindowOutline& outline) override { Outline = outline; }
  void ReleaseWindowOutline() override {}
  void RepaintWindow() override {}
  void FocusWindow() override {}
  ScreenSize GetScreenSize() override { return {1024, 768}; }
  bool LoadApplicationIcon(const std::string&) override { return false; }
  void SetTimerInterval(MenuTimer, int32_t) override {}
  void ProcessPendingMessages() override {}
  void TerminateApplication() override { Terminated = true; }
  void RestoreApplication() override {}
  void MinimizeApplication() override {}
  // The pages show the visitor's own clock.
  std::string CurrentTimeText() override { return ""; }
  std::string CurrentDateText() override { return ""; }
};

class Silence : public SoundOutput, public FileSystem, public ProcessWatch {
 public:
  bool LoadBuiltIn(std::string&) override { return true; }
  void PlayFile(const std::string&, bool) override {}
  void PlayBuiltIn(int32_t, bool) override {}
  void PumpMessages() override {}
  std::optional<FileAttributes> GetAttributes(const std::string&) override { return std::nullopt; }
  std::vector<FolderEntry> ListFolder(const std::string&) override { return {}; }
  bool WriteTextFile(const std::string&, const std::string&) override { return false; }
  bool DeleteFile(const std::string&) override { return false; }
  bool LaunchedProcessRunning() override { return false; }
};

// Unmarked texts stay in the bytes they were stored in: the pages turn them to UTF-8 themselves,
// in the code page they were made for.
class StoredBytes : public CodePageDecoder {
 public:
  std::string ToUtf8(std::string_view bytes) const override { return std::string(bytes); }
};

}  // namespace

ShownMenu LoadShownMenu(const Bytes& executable, const std::string& name) {
  ShownMenu shown;
  SpanOpener opener(executable.data(), executable.size());
  CollectingDialog dialog(shown.Messages);
  MenuDataReader data(opener, dialog);
  data.ApplicationFolder.clear();
  HeadlessView view;
  Silence silence;
  Sounds sounds(silence, silence);
  NullDebugOutput trace;
  const StoredBytes storedBytes;
  MenuWindow window({view, data, dialog, sounds, silence, silence, trace, storedBytes});
  window.ExeName = SpanOpener::kName;
  window.DialogCaption = "Orvane";
  data.ReadPackageDirectory(window.ExeName);
  if (data.ReadErrorFlag) return shown;
  window.CreateBaseControls();
  window.LoadMenu(name);
  shown.Loaded = !view.Terminated && window.Menu.Images.HasImage(0, kNormalState, 0);
  shown.Menu = window.Menu;
  shown.Outline = view.Outline;
  return shown;
}

Bytes PlayerWithUtf8Texts(const Bytes& executable, const PackedPlayer& player,
                          const CodePage& unmarked) {
  std::vector<PackedFile> files;
  for (const PackedEntry& entry : player.Entries) {
    if (!entry.Reachable()) continue;  // never opened, and a blank name cannot be packed again
    ReadMenu read = ReadPackedMenu(executable, player, entry);
    const size_t end = std::min(entry.Offset + read.Length, executable.size());
    Bytes bytes(executable.begin() + static_cast<std::ptrdiff_t>(entry.Offset),
                executable.begin() + static_cast<std::ptrdiff_t>(end));
    if (read.HeaderAccepted && !read.ReadError) {
      DecodeReadTexts(read, unmarked);
      bytes = WriteMenuFile(read.Menu);
    }
    files.push_back({entry.Name, std::move(bytes)});
  }
  return AppendContainer(Bytes{'M', 'Z'}, files);
}

}  // namespace orvane::pack
