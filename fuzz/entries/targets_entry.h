#pragma once
// One fuzz input as a button's action (layout in target_input.h): the dispatcher classifies the
// target, expands "%CD%" and the prefixes, searches a small fake disc for a missing file, checks
// the viewer and hands the request to a recording shell whose answer the input chooses. Returns
// an empty text when every rule held, else what broke.
#include <algorithm>
#include <string>

#include "actions/action_fakes.h"
#include "actions/dispatcher.h"
#include "actions/target_form.h"
#include "actions/target_text.h"
#include "common/text.h"
#include "target_input.h"

namespace orvane::fuzzing {

// "%CD%" expanded the plain way: replace the first macro, scan again from the start. Quadratic,
// so the check runs it on short texts only.
inline std::string ExpandDriveMacroPlainly(std::string text, const std::string& folder) {
  for (size_t at = text.find("%CD%"); at != std::string::npos; at = text.find("%CD%"))
    text.replace(at, 4, folder.substr(0, 1));
  return text;
}

inline std::string CheckTargets(const uint8_t* data, size_t size) {
  using namespace action_testing;
  const TargetInput input = DecodeTargetInput(data, size);

  const char drive = static_cast<char>('C' + (input.Extra >> 4) % 8);
  std::string folder = std::string(1, drive) + ":\\";
  if (!input.SubFolder.empty()) folder += input.SubFolder + "\\";

  // The rules that need no services first.
  const std::string expanded = ExpandDriveMacro(input.Parameters, folder);
  if (expanded.find("%CD%") != std::string::npos) return "\"%CD%\" left after the expansion";
  if (expanded.size() > input.Parameters.size()) return "the expansion made the text longer";
  const std::string drives[] = {folder, "%:\\", "C:\\"};
  if (input.Parameters.size() <= 4096)
    for (const std::string& drive : drives)
      if (ExpandDriveMacro(input.Parameters, drive) != ExpandDriveMacroPlainly(input.Parameters, drive))
        return "the expansion differs from replacing and scanning again";
  ClassifyTarget(input.Target);

  DispatchRig rig(folder);
  FakeFileSystem& files = rig.files;
  RecordingShell& shell = rig.shell;
  RecordingDialog& dialog = rig.dialog;
  FakeVersionInfo& versions = rig.versions;
  FakeHost& host = rig.host;
  ActionDispatcher& dispatcher = rig.dispatcher;

  ButtonAction& button = host.buttons[1];
  button.Target = input.Target;
  button.Parameters = input.Parameters;
  button.CloseAfter = (input.Options & kCloseAfter) ? -1 : 0;
  button.MinimizeAfter = (input.Options & kMinimizeAfter) ? 1 : 0;
  button.WaitForExit = (input.Options & kWaitForExit) ? -1 : 0;
  button.ViewerCheck = (input.Options & kViewerCheck) ? 1 : 0;
  button.RunMaximized = static_cast<int8_t>(input.Extra & 0x0F) - 8;
  button.Viewer = {input.ViewerName, input.ViewerVersion, input.Extra & 1};

  // A small disc: the application folder with a document tree, a setup program, and the target's
  // own file name somewhere deep when the input asks for it.
  const std::string fileName = AsciiLower(FileNamePart(NormalizeSlashes(input.Target)));
  files.AddFolder(folder);
  files.AddFile(folder + "setup.exe");
  files.AddFile(std::string(1, drive) + ":\\docs\\manual.pdf");
  files.AddFolder(std::string(1, drive) + ":\\docs\\extra\\");
  if ((input.Options & kTargetOnDisc) && !fileName.empty() && fileName.find('\\') == std::string::npos)
    files.AddFile(std::string(1, drive) + ":\\docs\\extra\\" + fileName);

  const std::string program = "C:\\Program Files\\Viewer\\viewer.exe";
  shell.associations[fileName] = program;
  shell.associations[AsciiLower(FileNamePart(input.Target))] = program;
  versions.AddProgram(program, input.ProductName, static_cast<uint16_t>(input.Extra),
                      static_cast<uint16_t>(input.Options));

  switch ((input.Options >> kShellOutcomeShift) & 3) {
    case 0: shell.results.push_back({true, 0, 77}); break;
    case 1: shell.results.push_back({false, kShellFileNotFound, kNoProcess}); break;
    case 2: shell.results.push_back({false, kShellNoAssociation, kNoProcess}); break;
    default: shell.results.push_back({false, 5, kNoProcess}); break;
  }
  if (input.Options & kHelpMenuPacked) {
    const size_t dot = input.Target.rfind('.');
    if (dot != std::string::npos) host.packages.insert(AsciiLower(input.Target.substr(dot + 1)) + ".mnu");
    host.packages.insert(AsciiLower(input.Target));
  }

  dispatcher.RunButtonAction(1);

  if (dispatcher.ActionBusy) return "the action left ActionBusy set";
  if (shell.requests.size() > 1) return "more than one shell request for one action";
  if (dialog.shown.size() > 1) return "more than one message for one action";
  for (const ShellRequest& request : shell.requests) {
    if (request.Verb != "open" && request.Verb != "explore") return "a verb other than open or explore";
    if (request.ShowMode != kShowHidden && request.ShowMode != kShowNormal &&
        request.ShowMode != kShowMaximized)
      return "a show mode the shell does not know";
    if (ClassifyTarget(input.Target) == ActionKind::RawLaunch &&
        request.File.find("%CD%") != std::string::npos)
      return "\"%CD%\" left in a raw launch";
  }
  const size_t loads = static_cast<size_t>(
      std::count_if(host.log.begin(), host.log.end(),
                    [](const std::string& line) { return line.rfind("load ", 0) == 0; }));
  if (loads > 1) return "more than one menu loaded for one action";
  return {};
}

}  // namespace orvane::fuzzing
