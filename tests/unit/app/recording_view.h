#pragma once
// A MenuView without a window system: it keeps the controls that exist and the window's state,
// and logs every call in order so that tests can check sequences.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/menu_view.h"

namespace orvane::testing {

struct ControlKey {
  ControlKind Kind;
  int32_t Button;
  bool operator<(const ControlKey& o) const {
    return Kind != o.Kind ? Kind < o.Kind : Button < o.Button;
  }
};

class RecordingView : public MenuView {
 public:
  // Calls in order, e.g. "create WinBtn007", "window visible 0", "timer Timer3 100".
  std::vector<std::string> Log;
  std::map<ControlKey, ControlState> Controls;  // the controls that exist now
  std::vector<std::string> CreationOrder;      // names of every control ever created

  bool WindowVisible = true;
  Bounds WindowBounds;
  std::string Caption;
  std::vector<std::string> Captions;  // every caption given, in order
  bool HasOutline = false;
  WindowOutline Outline;
  int OutlinesGiven = 0;
  ScreenSize Screen{1024, 768};
  std::map<MenuTimer, int32_t> Timers;
  std::string IconLoaded;
  bool IconReadable = true;
  int Terminations = 0;
  int Restores = 0;
  int WindowFocus = 0;
  int PicturesReleased = 0;
  int ControlChanges = 0;  // bounds, visibility, text, font, alignment and pictures given
  std::string TimeText = "12:00:00";
  std::string DateText = "01/02/2026";

  const ControlState* Find(const ControlId& id) const {
    auto found = Controls.find({id.Kind, id.Button});
    return found == Controls.end() ? nullptr : &found->second;
  }
  size_t CountOf(ControlKind kind) const {
    size_t count = 0;
    for (const auto& entry : Controls)
      if (entry.first.Kind == kind) ++count;
    return count;
  }
  // True when every line is in the log, each first found after the one before.
  bool InOrder(const std::vector<std::string>& lines) const {
    int last = -1;
    for (const std::string& line : lines)
      if ((last = IndexOf(line, last + 1)) < 0) return false;
    return true;
  }
  // Index of the first log line equal to text, or -1.
  int IndexOf(const std::string& text, int from = 0) const {
    for (size_t i = static_cast<size_t>(from); i < Log.size(); ++i)
      if (Log[i] == text) return static_cast<int>(i);
    return -1;
  }

  void CreateControl(const ControlId& id, const ControlState& initial) override {
    Log.push_back("create " + ControlName(id));
    CreationOrder.push_back(ControlName(id));
    Controls[{id.Kind, id.Button}] = initial;
  }
  void DestroyControl(const ControlId& id) override {
    Log.push_back("destroy " + ControlName(id));
    Controls.erase({id.Kind, id.Button});
  }
  void SetControlBounds(const ControlId& id, const Bounds& b) override { Get(id).Bounds = b; }
  void SetControlVisible(const ControlId& id, bool visible) override {
    Log.push_back("visible " + ControlName(id) + " " + std::to_string(visible));
    Get(id).Visible = visible;
  }
  void SetControlText(const ControlId& id, const std::string& text) override {
    Get(id).Text = text;
  }
  void SetControlFont(const ControlId& id, const ControlFont& font) override {
    Get(id).Font = font;
  }
  void SetControlAlignment(const ControlId& id, TextAlignment alignment) override {
    Get(id).Alignment = alignment;
  }
  void SetControlPicture(const ControlId& id, const PictureRef& picture) override {
    Log.push_back("picture " + ControlName(id));
    Get(id).Picture = picture;
  }
  void BringControlToFront(const ControlId& id) override { Log.push_back("front " + ControlName(id)); }
  void SendControlToBack(const ControlId& id) override { Log.push_back("back " + ControlName(id)); }
  void FocusControl(const ControlId& id) override { Log.push_back("focus " + ControlName(id)); }
  void ReleasePictures() override {
    Log.push_back("release pictures");
    ++PicturesReleased;
  }

  void SetWindowVisible(bool visible) override {
    Log.push_back(std::string("window visible ") + (visible ? "1" : "0"));
    WindowVisible = visible;
  }
  void SetWindowBounds(const Bounds& b) override {
    Log.push_back("window bounds");
    WindowBounds = b;
  }
  void SetCaption(const std::string& text) override {
    Caption = text;
    Captions.push_back(text);
  }
  void SetWindowOutline(const WindowOutline& outline) override {
    Log.push_back("outline");
    Outline = outline;
    HasOutline = true;
    ++OutlinesGiven;
  }
  void ReleaseWindowOutline() override { Log.push_back("release outline"); }
  void RepaintWindow() override { Log.push_back("repaint"); }
  void FocusWindow() override {
    Log.push_back("focus window");
    ++WindowFocus;
  }
  ScreenSize GetScreenSize() override { return Screen; }
  bool LoadApplicationIcon(const std::string& path) override {
    IconLoaded = path;
    return IconReadable;
  }
  void SetTimerInterval(MenuTimer timer, int32_t ms) override {
    static const char* names[] = {"Timer1", "Timer2", "Timer3", "Timer4", "tmrARstr"};
    Log.push_back(std::string("timer ") + names[static_cast<int>(timer)] + " " + std::to_string(ms));
    Timers[timer] = ms;
  }
  // What arrives while pending messages run (a timer tick, input): tests re-enter handlers here.
  std::function<void()> OnPump;
  void ProcessPendingMessages() override {
    Log.push_back("pump");
    if (OnPump) OnPump();
  }
  void TerminateApplication() override {
    Log.push_back("terminate");
    ++Terminations;
  }
  void RestoreApplication() override {
    Log.push_back("restore");
    ++Restores;
  }
  void MinimizeApplication() override { Log.push_back("minimize"); }
  std::string CurrentTimeText() override { return TimeText; }
  std::string CurrentDateText() override { return DateText; }

 private:
  // A change to a control that does not exist is a fault of the core; it shows up as a control
  // named "missing" so that the tests that look for it fail.
  ControlState& Get(const ControlId& id) {
    ++ControlChanges;
    auto found = Controls.find({id.Kind, id.Button});
    if (found == Controls.end()) {
      Log.push_back("change of missing " + ControlName(id));
      return missing_;
    }
    return found->second;
  }
  ControlState missing_;
};

}  // namespace orvane::testing
