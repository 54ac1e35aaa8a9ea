#pragma once
// The shell operations of a button action through shell32 and kernel32.
#include <windows.h>

#include "actions/shell.h"

namespace orvane {

class Win32Shell : public Shell {
 public:
  // The window that owns every request (the menu window); may be set once it exists.
  void SetOwner(HWND owner) { owner_ = owner; }

  // ShellExecuteExA with SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI: no error box of the
  // shell's own, and the process handle when one was started.
  ShellResult Execute(const ShellRequest& request) override;
  int32_t FindProgram(const std::string& file, const std::string& folder,
                      std::string& program) override;
  std::string WindowsDirectory() override;
  bool ProcessEnded(ProcessHandle process) override;
  void ReleaseProcess(ProcessHandle process) override;

  // The shell's code for a failed request: its own SE_ERR_ value when it gave one, else the
  // system error mapped onto the codes the player tells apart.
  static int32_t ErrorCodeFor(INT_PTR instanceCode, DWORD lastError);

 private:
  HWND owner_ = nullptr;
};

}  // namespace orvane
