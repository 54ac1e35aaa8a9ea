#pragma once
// The small progress window of the drive-wide search: the folder being searched and a Cancel
// button. It is modeless; the search lets pending messages run once per folder, which is when
// the label repaints and a click on Cancel arrives.
#include <windows.h>

#include <memory>
#include <string>

#include "actions/tree_search.h"

namespace orvane {

class TfrmSearchCls : public SearchProgressWindow {
 public:
  // Creates and shows the window; on failure Handle() is null and the search runs without it.
  TfrmSearchCls(HWND owner, TreeSearch& search);
  ~TfrmSearchCls() override;
  TfrmSearchCls(const TfrmSearchCls&) = delete;
  TfrmSearchCls& operator=(const TfrmSearchCls&) = delete;

  void SetFolder(const std::string& folder) override;

  HWND Handle() const { return window_; }
  HWND lblDir() const { return label_; }
  HWND Command1() const { return cancel_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Command1_Click();

  TreeSearch& search_;
  HWND window_ = nullptr;
  HWND label_ = nullptr;
  HWND cancel_ = nullptr;
  HFONT font_ = nullptr;
};

class Win32SearchProgressFactory : public SearchProgressFactory {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  std::unique_ptr<SearchProgressWindow> Open(TreeSearch& search) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace orvane
