// The start-up sequence that runs when the menu window is created, and the closing steps.
#include <chrono>

#include "app/menu_name.h"
#include "app/menu_window.h"

namespace orvane {

namespace {
// With its last "\\"; a bare name lies in the root.
std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string("\\") : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithoutExtension(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}
}  // namespace

MenuWindow::MenuWindow(const MenuWindowServices& services) : s_(services) {}

void MenuWindow::Form_Load(const StartupInfo& info) {
  if (formLoaded_) return;
  formLoaded_ = true;

  ApplicationFolder = FolderOf(info.ExePath);
  DialogCaption = info.ApplicationTitle;
  ExeName = FileNameOf(info.ExePath);
  s_.Data.ApplicationFolder = ApplicationFolder;
  s_.Data.DialogCaption = DialogCaption;
  s_.Sounds.ApplicationFolder = ApplicationFolder;

  const std::string iconPath = ApplicationFolder + WithoutExtension(ExeName) + ".ico";
  if (s_.Files.GetAttributes(iconPath)) {
    // An icon file that cannot be read leaves the built-in icon; nothing is reported.
    if (!s_.View.LoadApplicationIcon(iconPath))
      DebugTrace(s_.Trace, "Side icon not readable: " + iconPath);
  }

  TitleMarquee.clear();
  s_.Sounds.LoadBuiltInSounds(s_.Dialog, DialogCaption);

  s_.Data.ReadPackageDirectory(ExeName);
  if (s_.Data.ReadErrorFlag) {
    s_.Dialog.Show("Error in loading internal menu.", MessageKind::Error, mb::OK, 0, -1,
                   DialogCaption);
    Form_Unload();
    s_.View.TerminateApplication();
    ApplicationEnding = true;
    return;
  }

  CreateBaseControls();
  if (LoadErrorFlags) LoadErrorFlags();

  const std::string menuName = info.FirstArgument.empty()
                                   ? s_.Data.PackageDirectory.Names[0]
                                   : MenuNameFromArgument(info.FirstArgument);
  LoadMenu(menuName);
  if (ApplicationEnding) return;

  s_.Sounds.PlayStartSound();
  Random.seed(static_cast<std::mt19937::result_type>(
      std::chrono::system_clock::now().time_since_epoch().count()));
}

void MenuWindow::Form_Unload() {
  // The system owns the outline once the window has it and frees it with the window, so the
  // region is only forgotten here.
  s_.View.ReleaseWindowOutline();
  s_.View.ProcessPendingMessages();
  // Closing runs these steps twice (directly, then as the destroy handler); the exit sound is
  // heard once.
  if (exitSoundPlayed_) return;
  exitSoundPlayed_ = true;
  s_.Sounds.PlayExitSound();
}

}  // namespace orvane
