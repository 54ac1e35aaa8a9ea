#!/usr/bin/env bash
# The performance record, run by hand: builds what it needs, measures on this machine and prints
# each figure against its target as "name: value / target -> ratio (ok|over)". The start-up reads
# run the player under Wine on a virtual display (scripts/startup-reads.sh).
#
#   scripts/perf-record.sh
#
# Trees: build/perf (native Release with the benchmarks) and the Windows tree of the player
# (build/windows unless ORVANE_PERF_WINDOWS names another). The ratios of the two benchmarks
# compare against a baseline measured in the same run, so they travel between machines; run it on
# a quiet machine all the same.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
native="$root/build/perf"
# shellcheck source=windows-target.sh
source "$root/scripts/windows-target.sh"
# The tree whose player this machine's Wine runs, and the 32-bit tree of the player that ships
# (the same tree where the machine runs 32-bit programs).
windows="${ORVANE_PERF_WINDOWS:-$root/build/windows}"
shipped="$windows"
wine_runs_32bit || shipped="$root/build/windows-i686"
jobs="${PERF_JOBS:-$(nproc)}"
log="$native/perf-record.log"

build() {
  mkdir -p "$native"
  cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF \
    -DORVANE_BENCH=ON > "$log"
  cmake --build "$native" -j "$jobs" --target menu_decode_bench tree_search_bench \
    menu_peak_memory startup_reads orvane-pack >> "$log"
  configure_windows_tree "$root" "$windows" "$(windows_test_toolchain "$root")" >> "$log"
  cmake --build "$windows" -j "$jobs" --target orvane >> "$log"
  if [ "$shipped" != "$windows" ]; then
    configure_windows_tree "$root" "$shipped" "$root/cmake/mingw-i686.cmake" -DORVANE_TESTS=OFF >> "$log"
    cmake --build "$shipped" -j "$jobs" --target orvane >> "$log"
  fi
}

# name value target: prints the line and returns 1 when the value is over its target.
report() {
  awk -v name="$1" -v value="$2" -v target="$3" -v unit="${4:-}" 'BEGIN {
    ratio = value / target
    printf "%s: %s%s / %s%s -> %.3f (%s)\n", name, value, unit, target, unit, ratio,
           ratio <= 1 ? "ok" : "over"
    exit ratio <= 1 ? 0 : 1
  }'
}

echo "building (log: $log)"
build || { tail -30 "$log"; exit 1; }

echo "running the menu decode benchmark"
decode_out="$("$native/bench/menu_decode_bench" 2>&1)"
echo "$decode_out" >> "$log"
decode=$(echo "$decode_out" | sed -n 's/^full menu decode \/ bare inflate: \([0-9.]*\) by CPU time.*/\1/p')

echo "running the drive-wide search benchmark"
search_out="$("$native/bench/tree_search_bench" 2>&1)"
echo "$search_out" >> "$log"
search=$(echo "$search_out" | sed -n 's/^ratio search\/find: \([0-9.]*\).*/\1/p')

echo "measuring the peak memory of loading the large menu"
memory_out="$("$native/bench/menu_peak_memory" 2>&1)"
echo "$memory_out" >> "$log"
memory=$(echo "$memory_out" | sed -n 's/^ratio load\/pixels: \([0-9.]*\).*/\1/p')

exe="$windows/src/win32/orvane.exe"
size=$(stat -c %s "$shipped/src/win32/orvane.exe")

echo "counting the player's start-up reads of its own file on the demo disc"
reads_out="$("$root/scripts/startup-reads.sh" "$native/src/pack/orvane-pack" "$exe" \
  "$native/startup-reads" "$native/bench/startup_reads" 2>&1)" || true
echo "$reads_out" >> "$log"
reads=$(echo "$reads_out" | sed -n 's/^ratio reads\/ideal: \([0-9.]*\).*/\1/p')

echo
echo "performance record ($(date -u +%Y-%m-%d), $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg))"
status=0
report "menu decode / bare inflate of the same payloads (CPU time)" "${decode:?decode ratio missing}" 1.15 || status=1
report "drive-wide search / find over the same tree" "${search:?search ratio missing}" 1.5 || status=1
report "orvane.exe size (statically linked)" "$size" 409600 " B" || status=1
report "start-up reads of its own file / trailer + directory + first menu (demo disc)" \
  "${reads:?start-up read ratio missing: $reads_out}" 1.02 || status=1
echo "$reads_out" | grep -v '^ratio' | sed 's/^/  /'

report "peak memory of loading the large menu / its decoded pixels" "${memory:?memory ratio missing}" 1.5 || status=1
echo "$memory_out" | sed 's/^/  /'
exit $status
