# Sourced by the scripts that build or run the Windows programs: which Windows target this machine
# can run under Wine. The player ships as a 32-bit program; a machine whose kernel runs no 32-bit
# programs (some virtual machines have that emulation switched off) cannot run 32-bit Wine, so
# there the Windows tree is built for x86_64 and run under 64-bit Wine.

machine_runs_32bit() {
  [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

# The toolchain file of the Windows tree that this machine's tests run.
windows_test_toolchain() {
  if machine_runs_32bit; then
    echo "$1/cmake/mingw-i686.cmake"
  else
    echo "$1/cmake/mingw-x86_64.cmake"
  fi
}

# Configures a Windows build tree with a toolchain file; a tree configured before with another
# one is made anew (CMake cannot switch compilers in place).
configure_windows_tree() {
  local source="$1" tree="$2" toolchain="$3"
  shift 3
  if [ -f "$tree/CMakeCache.txt" ] && ! grep -qx "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$tree/CMakeCache.txt"; then
    echo "windows tree $tree: toolchain changed to $(basename "$toolchain"), configuring anew"
    rm -rf "$tree"
  fi
  cmake -S "$source" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@"
}
