#include "actions/dispatcher.h"

#include "actions/missing_target.h"
#include "actions/program_lookup.h"
#include "actions/target_form.h"
#include "actions/target_text.h"
#include "actions/viewer_check.h"
#include "menudata/flag_rules.h"

namespace orvane {

namespace {

constexpr bool kWait = true;

bool FileExistsAt(FileSystem& files, const std::string& path) {
  auto attributes = files.GetAttributes(path);
  return attributes && !attributes->Directory;
}

// The text after the last "."; without any "." everything after the first character.
std::string HelpMenuFor(const std::string& target) {
  size_t dot = target.rfind('.');
  std::string extension = dot != std::string::npos ? target.substr(dot + 1)
                                                   : (target.empty() ? target : target.substr(1));
  return extension + ".mnu";
}

}  // namespace

ActionDispatcher::ActionDispatcher(const ActionServices& services)
    : Search(services.files, services.host, services.progress), services_(services) {}

ActionDispatcher::~ActionDispatcher() {
  if (LaunchedProcess != kNoProcess) services_.shell.ReleaseProcess(LaunchedProcess);
}

void ActionDispatcher::LoadErrorFlags() {
  Flags = orvane::LoadErrorFlags(ApplicationFolder, services_.files, services_.opener,
                                 services_.systemCodePage, services_.dialog, DialogCaption);
}

LookupContext ActionDispatcher::Lookup() {
  return LookupContext{services_.shell, services_.files, ApplicationFolder};
}

void ActionDispatcher::RunButtonAction(int32_t buttonNumber) {
  ActionHost& host = services_.host;
  host.PumpMessages();
  if (ActionBusy) return;
  // A copy: loading another menu during the action replaces the window's button records.
  const std::optional<ButtonAction> button = host.Button(buttonNumber);
  if (!button) return;
  ActionBusy = true;
  services_.sounds.ClickPlayed = false;
  const std::string target = button->Target;

  switch (ClassifyTarget(target)) {
    case ActionKind::RawLaunch: {
      ShellRequest request;
      request.Verb = "open";
      request.File = RawLaunchFile(target, ApplicationFolder);
      request.Directory = FolderPart(request.File);
      request.ShowMode = kShowHidden;
      Execute(request, *button, buttonNumber, true);
      return;
    }
    case ActionKind::NoAction:
      services_.sounds.PlayNoActionSound();
      ActionBusy = false;
      return;
    case ActionKind::Message: RunMessage(*button, target, buttonNumber); return;
    case ActionKind::MenuSwitch: RunMenuSwitch(target, buttonNumber); return;
    case ActionKind::NoTarget:
      services_.sounds.PlayClickSound(host.MenuFileName(), buttonNumber, !kWait);
      Finish(*button);
      return;
    case ActionKind::Launch: RunLaunch(*button, target, buttonNumber); return;
  }
}

void ActionDispatcher::RunMessage(const ButtonAction& button, const std::string& target,
                                  int32_t number) {
  const std::string text = ConvertLineMarks(target);
  services_.sounds.PlayClickSound(services_.host.MenuFileName(), number, kWait);
  services_.dialog.Show(text.substr(1), MessageKind::Information, mb::OK, 0, -1, DialogCaption);
  ActionBusy = false;
  Finish(button);
}

void ActionDispatcher::RunMenuSwitch(const std::string& target, int32_t number) {
  ActionHost& host = services_.host;
  services_.sounds.PlayClickSound(host.MenuFileName(), number, kWait);
  std::string name = target;
  if (host.PackageExists(name)) {
    host.LoadMenu(name);
    ActionBusy = false;
    host.PumpMessages();
    services_.sounds.PlayChangeSound(name);
  } else {
    services_.dialog.Show("Could not find menu:\r" + name, MessageKind::Warning, mb::OK, 0, -1,
                          DialogCaption);
    ActionBusy = false;
  }
}

void ActionDispatcher::RunLaunch(const ButtonAction& button, std::string target, int32_t number) {
  std::string parameters = ExpandDriveMacro(button.Parameters, ApplicationFolder);
  LaunchTarget rewritten = RewriteLaunchTarget(std::move(target), ApplicationFolder);
  const bool local = rewritten.Local;
  target = std::move(rewritten.Path);

  std::string directory;
  LookupContext lookup = Lookup();
  if (local) {
    if (!IsFolderTarget(target) && !FileExistsAt(services_.files, target)) {
      services_.sounds.PlayClickSound(services_.host.MenuFileName(), number, kWait);
      target = LocateMissingTarget(target, lookup, services_.host, Search);
    }
    directory = FolderPart(target);
  }

  if (FlagIsOn(button.ViewerCheck, kViewerCheckFlag) &&
      !CheckRequiredViewer(button.Viewer, target, lookup, services_.versions, services_.trace)) {
    NoViewerFallback(target, button);
    return;
  }

  // An address is never local, so it has no working folder to drop here.
  if (IsWebAddress(target)) {
    parameters = target;
    std::string browser = FindWebBrowser(target, lookup);
    if (!browser.empty()) {
      target = browser;
    } else {
      parameters.clear();
    }
  }
  if (EndsWithNoCase(target, "pdx")) {
    parameters = target;
    std::string program = FindAssociatedProgram(target, lookup);
    if (!program.empty()) {
      target = program;
      directory = FolderPart(program);
    } else {
      parameters.clear();
    }
  }
  const bool watchAllowed = !IsMailAddress(target) && !IsFolderTarget(target);

  ShellRequest request;
  request.Verb = VerbFor(target);
  request.File = target;
  request.Parameters = QuoteParameters(target, parameters);
  request.Directory = directory;
  request.ShowMode = ShowModeFor(button.RunMaximized);
  Execute(request, button, number, watchAllowed);
}

void ActionDispatcher::Execute(const ShellRequest& request, const ButtonAction& button,
                               int32_t number, bool watchAllowed) {
  ShellResult result = services_.shell.Execute(request);
  services_.host.PumpMessages();
  services_.sounds.PlayClickSound(services_.host.MenuFileName(), number, kWait);

  if (!result.Success && result.ErrorCode == kShellFileNotFound) {
    if (Flags.ShowFileNotFound)
      services_.dialog.Show(DialogCaption + " cannot find the specified file:\r\r" + button.Target,
                            MessageKind::Information, mb::OK, 0, -1, DialogCaption);
    ActionBusy = false;
    return;
  }
  if (!result.Success && result.ErrorCode == kShellNoAssociation) {
    NoViewerFallback(request.File, button);
    return;
  }
  // Success, or a failure the player does not tell apart from one.
  if (FlagIsOn(button.WaitForExit, kWaitForExitFlag) && watchAllowed) {
    Watch(result.Process);
  } else if (result.Process != kNoProcess) {
    services_.shell.ReleaseProcess(result.Process);
  }
  Finish(button);
}

void ActionDispatcher::NoViewerFallback(const std::string& target, const ButtonAction& button) {
  ActionHost& host = services_.host;
  std::string helpMenu = HelpMenuFor(target);
  if (host.PackageExists(helpMenu)) {
    host.LoadMenu(helpMenu);
    host.PumpMessages();
    services_.sounds.PlayChangeSound(helpMenu);
  } else if (Flags.ShowNoViewer) {
    services_.dialog.Show(
        "You do not appear to have a suitable viewer (or version) able to open the file:\r\n\r\n" +
            button.Target,
        MessageKind::Warning, mb::OK, 0, -1, DialogCaption);
  }
  ActionBusy = false;
}

void ActionDispatcher::Finish(const ButtonAction& button) {
  ActionHost& host = services_.host;
  host.PumpMessages();
  if (FlagIsOn(button.CloseAfter, kCloseAfterFlag)) {
    host.HideWindow();
    host.UnloadWindow();
    host.PumpMessages();
    ActionBusy = false;
    host.StartDelayedClose();
    host.TerminateApplication();
    return;
  }
  if (FlagIsOn(button.MinimizeAfter, kMinimizeAfterFlag)) {
    host.MinimizeApplication();
    host.PumpMessages();
  }
  ActionBusy = false;
}

void ActionDispatcher::Watch(ProcessHandle process) {
  if (LaunchedProcess != kNoProcess && LaunchedProcess != process)
    services_.shell.ReleaseProcess(LaunchedProcess);
  LaunchedProcess = process;
  services_.host.StartRestoreWatch();
}

bool ActionDispatcher::RestoreTick() {
  if (LaunchedProcess != kNoProcess) {
    if (!services_.shell.ProcessEnded(LaunchedProcess)) return false;
    services_.shell.ReleaseProcess(LaunchedProcess);
    LaunchedProcess = kNoProcess;
  }
  return true;
}

}  // namespace orvane
