#include "win32_debug_output.h"

#include <windows.h>

#include "wide_text.h"

namespace orvane {

void Win32DebugOutput::Write(const std::string& line) { OutputDebugStringW(Wide(line).c_str()); }

}  // namespace orvane
