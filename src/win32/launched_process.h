#pragma once
// LaunchedProcess: the program that a button started and wants watched. The action unit hands
// the process handle over; the restore timer polls it without waiting.
#include <windows.h>

#include "app/menu_view.h"

namespace orvane {

class LaunchedProcessWatch : public ProcessWatch {
 public:
  LaunchedProcessWatch() = default;
  LaunchedProcessWatch(const LaunchedProcessWatch&) = delete;
  LaunchedProcessWatch& operator=(const LaunchedProcessWatch&) = delete;
  ~LaunchedProcessWatch() override;

  // Takes ownership of the handle (may be null); the previous one is closed, since only the
  // latest launch is watched.
  void Watch(HANDLE process);
  bool LaunchedProcessRunning() override;

 private:
  HANDLE process_ = nullptr;
};

}  // namespace orvane
