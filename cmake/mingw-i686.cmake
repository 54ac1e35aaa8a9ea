# Cross build of the Windows player and the Windows unit tests (32-bit, statically linked).
set(ORVANE_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
# Lets CTest run the Windows test programs directly.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
