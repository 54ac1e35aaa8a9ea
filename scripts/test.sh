#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows tree, and runs every test:
# the unit tests natively and under Wine, and the end-to-end tests of the real orvane.exe.
# Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

"$root/scripts/setup.sh"

jobs=$(nproc)
native="$root/build/native"
windows="$root/build/windows"

# shellcheck source=windows-target.sh
source "$root/scripts/windows-target.sh"
warn_if_not_32bit
configure_windows_tree . "$windows" "$(windows_test_toolchain "$root")"
cmake --build "$windows" -j "$jobs"
# The 32-bit programs that a release ships (the player and orvane-pack.exe).
i686="$windows"
if ! wine_runs_32bit; then
  # The tests run the 64-bit build here; the 32-bit programs that ship are still built, so that
  # they are known to compile and link, and go into the release packages.
  echo "== $(no_32bit_reason): tests use the x86_64 build; building the i686 programs"
  i686="$root/build/windows-i686"
  configure_windows_tree . "$i686" "$root/cmake/mingw-i686.cmake" -DORVANE_TESTS=OFF
  cmake --build "$i686" -j "$jobs" --target orvane orvane-pack
fi

cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DORVANE_PLAYER_EXE="$windows/src/win32/orvane.exe" -DORVANE_I686_BUILD="$i686" \
  -DORVANE_SHIPPED_PLAYER="$i686/src/win32/orvane.exe"
cmake --build "$native" -j "$jobs"

export ORVANE_WIN_BUILD="$windows"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
ensure_wine_prefix

status=0
echo "== native tests"
ctest --test-dir "$native" --output-on-failure -j "$jobs" || status=1
echo "== Windows unit tests under Wine"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$windows" --output-on-failure || status=1
echo "== fuzz targets, a fixed number of runs each"
"$root/scripts/fuzz-smoke.sh" || status=1

warn_if_not_32bit
if [ $status -ne 0 ]; then
  echo "FAILED"
else
  echo "all tests passed"
fi
exit $status
