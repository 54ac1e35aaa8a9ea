# Cross build for x86_64: the test build on machines whose kernel runs no 32-bit programs, where
# only 64-bit Wine starts (scripts/windows-target.sh).
set(ORVANE_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
