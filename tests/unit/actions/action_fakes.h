#pragma once
// Recording stand-ins for everything the actions reach through interfaces. Paths are Windows
// paths; the fake file system compares them without regard to case, like the disc's.
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "actions/action_host.h"
#include "actions/dispatcher.h"
#include "actions/shell.h"
#include "actions/tree_search.h"
#include "actions/version_info.h"
#include "common/file.h"
#include "common/file_system.h"
#include "common/message_dialog.h"
#include "common/sounds.h"
#include "common/text.h"
#include "support/latin1_decoder.h"
#include "support/memory_file.h"

namespace orvane::action_testing {

class FakeFileSystem : public FileSystem {
 public:
  void AddFolder(const std::string& path, FileAttributes attributes = {}) {
    attributes.Directory = true;
    Add(path, attributes);
  }
  void AddFile(const std::string& path, FileAttributes attributes = {}) { Add(path, attributes); }
  bool Has(const std::string& path) const { return Find(Key(path)) != entries_.end(); }

  std::optional<FileAttributes> GetAttributes(const std::string& path) override {
    auto it = Find(Key(path));
    if (it == entries_.end()) return std::nullopt;
    return it->attributes;
  }
  std::vector<FolderEntry> ListFolder(const std::string& folder) override {
    listed.push_back(folder);
    std::vector<FolderEntry> result;
    const std::string parent = Key(folder);
    for (const Entry& entry : entries_)
      if (entry.parent == parent) result.push_back({entry.name, entry.attributes});
    return result;
  }
  bool WriteTextFile(const std::string& path, const std::string& content) override {
    if (!writable) return false;
    written.push_back(path);
    contents[Key(path)] = content;
    if (!Has(path)) AddFile(path);
    return true;
  }
  bool DeleteFile(const std::string& path) override {
    deleted.push_back(path);
    auto it = Find(Key(path));
    if (it == entries_.end()) return false;
    entries_.erase(it);
    return true;
  }

  bool writable = true;
  std::vector<std::string> listed;
  std::vector<std::string> written;
  std::vector<std::string> deleted;
  std::map<std::string, std::string> contents;

 private:
  struct Entry {
    std::string key;
    std::string parent;  // key of the parent folder
    std::string name;
    FileAttributes attributes;
  };

  static std::string Key(std::string path) {
    for (size_t at = path.find("\\\\", 1); at != std::string::npos; at = path.find("\\\\", 1)) path.erase(at, 1);
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    if (path.size() == 2 && path[1] == ':') path += '\\';
    return AsciiLower(path);
  }
  static std::string ParentKey(const std::string& key) {
    size_t at = key.rfind('\\', key.size() - 2);
    return at == std::string::npos ? std::string() : Key(key.substr(0, at + 1));
  }
  std::vector<Entry>::const_iterator Find(const std::string& key) const {
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
  }
  void Add(const std::string& path, const FileAttributes& attributes) {
    std::string key = Key(path);
    std::string trimmed = path;
    while (trimmed.size() > 3 && trimmed.back() == '\\') trimmed.pop_back();
    const std::string parent = ParentKey(key);
    if (parent.size() > 3 && !Has(parent)) AddFolder(parent);
    entries_.push_back({key, parent, trimmed.substr(trimmed.rfind('\\') + 1), attributes});
  }

  std::vector<Entry> entries_;
};

struct FakeOpener : FileOpener {
  std::map<std::string, std::string> files;  // exact path -> content

  std::unique_ptr<ReadFile> OpenRead(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return nullptr;
    return std::make_unique<testing::MemoryReadFile>(
        std::make_shared<const std::vector<uint8_t>>(it->second.begin(), it->second.end()),
        std::make_shared<testing::FileUseCounts>());
  }
};

struct ShownMessage {
  std::string text;
  MessageKind kind;
  MessageButtons buttons;
  std::string caption;
  int32_t helpContext = 0;
  int32_t defaultIndex = -1;
};

struct RecordingDialog : MessageDialog {
  std::vector<ShownMessage> shown;
  std::function<void()> whileShown;  // runs as if the modal loop dispatched a message
  TModalResult Show(const std::string& text, MessageKind kind, MessageButtons buttons, int32_t helpContext,
                    int32_t defaultIndex, const std::string& caption) override {
    shown.push_back({text, kind, buttons, caption, helpContext, defaultIndex});
    if (whileShown) whileShown();
    return 1;
  }
};

struct FindQuery {
  std::string file;
  std::string folder;
};

struct RecordingShell : Shell {
  std::vector<ShellRequest> requests;
  std::deque<ShellResult> results;                  // answered in order; success without a process when empty
  std::map<std::string, std::string> associations;  // lower-case file -> program
  std::vector<FindQuery> queries;
  std::string windowsDirectory = "C:\\WINDOWS";
  std::set<ProcessHandle> running;
  std::vector<ProcessHandle> released;

  ShellResult Execute(const ShellRequest& request) override {
    requests.push_back(request);
    if (results.empty()) return {true, 0, kNoProcess};
    ShellResult result = results.front();
    results.pop_front();
    return result;
  }
  int32_t foundCode = 42;  // what the platform answers for a known file
  int32_t FindProgram(const std::string& file, const std::string& folder, std::string& program) override {
    queries.push_back({file, folder});
    auto it = associations.find(AsciiLower(file));
    if (it == associations.end()) return kShellNoAssociation;
    program = it->second;
    return foundCode;
  }
  std::string WindowsDirectory() override { return windowsDirectory; }
  bool ProcessEnded(ProcessHandle process) override { return running.count(process) == 0; }
  void ReleaseProcess(ProcessHandle process) override { released.push_back(process); }
};

struct RecordingSoundOutput : SoundOutput {
  std::vector<std::string> played;  // "builtin 3 wait", "file E:\x.wav nowait"
  bool LoadBuiltIn(std::string&) override { return true; }
  void PlayFile(const std::string& path, bool wait) override {
    played.push_back("file " + path + (wait ? " wait" : " nowait"));
  }
  void PlayBuiltIn(int32_t slot, bool wait) override {
    played.push_back("builtin " + std::to_string(slot) + (wait ? " wait" : " nowait"));
  }
  void PumpMessages() override {}
};

struct CountingPump : MessagePump {
  int pumps = 0;
  void PumpMessages() override { ++pumps; }
};

// A progress window that records what it was shown and can press Cancel after some folders.
struct FakeProgress : SearchProgressFactory {
  int opened = 0;
  int closed = 0;
  std::vector<std::string> folders;
  int cancelAfterFolders = -1;  // press Cancel when this many folders were shown

  struct Window : SearchProgressWindow {
    FakeProgress& owner;
    TreeSearch& search;
    Window(FakeProgress& o, TreeSearch& s) : owner(o), search(s) {}
    ~Window() override { ++owner.closed; }
    void SetFolder(const std::string& folder) override {
      owner.folders.push_back(folder);
      if (static_cast<int>(owner.folders.size()) == owner.cancelAfterFolders) search.SearchCancelled = true;
    }
  };
  std::unique_ptr<SearchProgressWindow> Open(TreeSearch& search) override {
    ++opened;
    return std::make_unique<Window>(*this, search);
  }
};

struct FakeVersionInfo : VersionInfoSource {
  // program path -> sub-block -> bytes
  std::map<std::string, std::map<std::string, std::string>> programs;

  struct Block : VersionInfoBlock {
    std::map<std::string, std::string> parts;
    std::optional<std::string> Query(const std::string& subBlock) override {
      auto it = parts.find(subBlock);
      if (it == parts.end()) return std::nullopt;
      return it->second;
    }
  };
  std::unique_ptr<VersionInfoBlock> Load(const std::string& path) override {
    auto it = programs.find(path);
    if (it == programs.end()) return nullptr;
    auto block = std::make_unique<Block>();
    block->parts = it->second;
    return block;
  }

  // A program with a version resource: file version major.minor.build.revision, an English
  // (0409, code page 04B0) string table.
  void AddProgram(const std::string& path, const std::string& productName, uint16_t major, uint16_t minor,
                  const std::string& description = "") {
    std::string fixed(52, '\0');
    const uint32_t high = (static_cast<uint32_t>(major) << 16) | minor;
    for (int i = 0; i < 4; ++i) fixed[8 + i] = static_cast<char>((high >> (8 * i)) & 0xFF);
    auto& parts = programs[path];
    parts["\\"] = fixed;
    parts["\\VarFileInfo\\Translation"] = std::string("\x09\x04\xB0\x04", 4);
    parts["\\StringFileInfo\\040904B0\\ProductName"] = productName + std::string(1, '\0');
    if (!description.empty()) parts["\\StringFileInfo\\040904B0\\FileDescription"] = description;
  }
};

// The menu window as the dispatcher sees it, logging every call in order.
struct FakeHost : ActionHost {
  std::map<int32_t, ButtonAction> buttons;
  std::string menuName = "main.mnu";
  std::set<std::string> packages;
  std::vector<std::string> log;
  std::function<void()> onPump;

  std::optional<ButtonAction> Button(int32_t number) override {
    auto it = buttons.find(number);
    if (it == buttons.end()) return std::nullopt;
    return it->second;
  }
  std::string MenuFileName() override { return menuName; }
  bool PackageExists(std::string& name) override {
    name = AsciiLower(name);
    return packages.count(name) > 0;
  }
  void LoadMenu(const std::string& name) override {
    log.push_back("load " + name);
    menuName = name;
  }
  void HideWindow() override { log.push_back("hide"); }
  void UnloadWindow() override { log.push_back("unload"); }
  void StartDelayedClose() override { log.push_back("delayed close"); }
  void TerminateApplication() override { log.push_back("terminate"); }
  void MinimizeApplication() override { log.push_back("minimize"); }
  void StartRestoreWatch() override { log.push_back("restore watch"); }
  void PumpMessages() override {
    if (onPump) onPump();
  }
};

// A dispatcher over recording fakes, as the window would set it up.
struct DispatchRig {
  FakeFileSystem files;
  RecordingShell shell;
  FakeOpener opener;
  RecordingSoundOutput soundOut;
  Sounds sounds{soundOut, files};
  RecordingDialog dialog;
  FakeVersionInfo versions;
  FakeProgress progress;
  NullDebugOutput trace;
  FakeHost host;
  Latin1Decoder codePage;
  ActionDispatcher dispatcher{
      ActionServices{host, shell, files, opener, sounds, dialog, versions, progress, trace, codePage}};

  explicit DispatchRig(const std::string& applicationFolder = "E:\\") {
    dispatcher.ApplicationFolder = applicationFolder;
    dispatcher.DialogCaption = "Orvane";
    sounds.ApplicationFolder = applicationFolder;
  }
};

}  // namespace orvane::action_testing
