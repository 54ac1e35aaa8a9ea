#pragma once
// The one place that carries out a chosen button's action: it classifies the target text, expands
// its macros and prefixes, finds a missing file, checks the viewer, hands the request to the shell,
// reacts to the shell's answer and finally minimises, closes or keeps the player.
#include <cstdint>
#include <string>

#include "actions/action_host.h"
#include "actions/error_flags.h"
#include "actions/lookup_context.h"
#include "actions/shell.h"
#include "actions/tree_search.h"
#include "actions/version_info.h"
#include "common/debug_trace.h"
#include "common/file.h"
#include "common/file_system.h"
#include "common/message_dialog.h"
#include "common/sounds.h"

namespace orvane {

struct ActionServices {
  ActionHost& host;
  Shell& shell;
  FileSystem& files;
  FileOpener& opener;
  Sounds& sounds;
  MessageDialog& dialog;
  VersionInfoSource& versions;
  SearchProgressFactory& progress;
  DebugOutput& trace;
  const CodePageDecoder& systemCodePage;  // of "err.txt"
};

class ActionDispatcher {
 public:
  explicit ActionDispatcher(const ActionServices& services);
  ~ActionDispatcher();
  ActionDispatcher(const ActionDispatcher&) = delete;
  ActionDispatcher& operator=(const ActionDispatcher&) = delete;

  // Set by start-up: the executable's folder (ending in "\") and the caption of every message.
  std::string ApplicationFolder;
  std::string DialogCaption;

  // Set while an action runs; a request arriving meanwhile through the message pump is dropped.
  bool ActionBusy = false;
  // The process that the restore watch polls; only the latest one is kept.
  ProcessHandle LaunchedProcess = kNoProcess;
  ErrorFlags Flags;
  // The drive search; its progress window cancels through it.
  TreeSearch Search;

  // Reads "err.txt" once at start-up.
  void LoadErrorFlags();
  // buttonNumber counts from 1 in the shown menu.
  void RunButtonAction(int32_t buttonNumber);
  // One tick of the restore timer: true when the watched program has ended (a launch that gave no
  // process counts as ended), which ends the watch; the window then restores itself.
  bool RestoreTick();

 private:
  void RunMessage(const ButtonAction& button, const std::string& target, int32_t number);
  void RunMenuSwitch(const std::string& target, int32_t number);
  void RunLaunch(const ButtonAction& button, std::string target, int32_t number);
  void Execute(const ShellRequest& request, const ButtonAction& button, int32_t number,
               bool watchAllowed);
  void NoViewerFallback(const std::string& target, const ButtonAction& button);
  void Finish(const ButtonAction& button);
  void Watch(ProcessHandle process);
  LookupContext Lookup();

  ActionServices services_;
};

}  // namespace orvane
