#include "win32_debug_output.h"

#include <windows.h>

namespace orvane {

void Win32DebugOutput::Write(const std::string& line) { OutputDebugStringA(line.c_str()); }

}  // namespace orvane
