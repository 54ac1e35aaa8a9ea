#include "launched_process.h"

namespace orvane {

LaunchedProcessWatch::~LaunchedProcessWatch() {
  if (process_) CloseHandle(process_);
}

void LaunchedProcessWatch::Watch(HANDLE process) {
  if (process_) CloseHandle(process_);
  process_ = process;
}

bool LaunchedProcessWatch::LaunchedProcessRunning() {
  // No handle, a failed wait or a signalled process all count as ended.
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

}  // namespace orvane
