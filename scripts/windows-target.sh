# Sourced by the scripts that build or run the Windows programs: which Windows target this machine
# can run under Wine. The player ships as a 32-bit program; a machine whose kernel runs no 32-bit
# programs (some virtual machines have that emulation switched off), or where 32-bit Wine could
# not be installed, cannot run it, so there the Windows tree is built for x86_64 and run under
# 64-bit Wine.

machine_runs_32bit() {
  [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

# 32-bit Windows programs run here: the kernel runs 32-bit programs and Wine's 32-bit loader is in.
wine_runs_32bit() {
  machine_runs_32bit && [ -x /usr/lib/wine/wine ]
}

# Why the shipped 32-bit player cannot run here (empty when it can).
no_32bit_reason() {
  if ! machine_runs_32bit; then
    echo "this machine's kernel runs no 32-bit programs"
  elif [ ! -x /usr/lib/wine/wine ]; then
    echo "32-bit Wine (wine32:i386) is not installed"
  fi
}

# Said at the start and at the end of a run, so that nobody takes a green run on the x86_64 build
# for a run of the player that ships.
warn_if_not_32bit() {
  local reason
  reason=$(no_32bit_reason)
  [ -z "$reason" ] && return 0
  echo "############################################################################"
  echo "## NOTE: $reason."
  echo "## The Windows tests run the x86_64 build under 64-bit Wine;"
  echo "## the shipped 32-bit player was built but NOT run."
  echo "############################################################################"
}

# The toolchain file of the Windows tree that this machine's tests run.
windows_test_toolchain() {
  if wine_runs_32bit; then
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
