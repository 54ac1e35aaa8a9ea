#pragma once
// The real file opener of the platform the tests run on.
#ifdef _WIN32
#include "win32_file.h"
namespace orvane::testing {
using PlatformFileOpener = Win32FileOpener;
}
#else
#include "posix_file.h"
namespace orvane::testing {
using PlatformFileOpener = PosixFileOpener;
}
#endif
