#!/usr/bin/env bash
# Counts what the player reads of its own file from its start until its first menu is shown, on
# the demo disc, against the least that start needs: the trailer, the container header with its
# directory, and the first menu file, taken from the same disc's container.
#
#   scripts/startup-reads.sh ORVANE_PACK ORVANE_EXE FOLDER NATIVE_STARTUP
#
# Builds the demo disc in FOLDER with the given tool and player, runs the player under strace on
# a private virtual display with the Wine prefix of the Windows tree that made ORVANE_EXE, and
# prints the two byte counts and the line "ratio reads/ideal: R". What is counted: read() calls
# on the executable's file descriptor, which is how Wine carries out the player's ReadFile on a
# synchronous handle; Wine's loader maps the executable's image with pread64() and mmap() and is
# left out. Counting stops when the menu window is visible.
#
# ORVANE_EXE must be a player that this machine's Wine runs (the x86_64 test build where the
# kernel runs no 32-bit programs: scripts/windows-target.sh). Where Wine does not start at all, NATIVE_STARTUP
# (bench/startup_reads of a native tree: the same readers over POSIX files, one read() per
# platform read) is traced on the same disc instead, and the output says so.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="$1"
player="$2"
work="$(mkdir -p "$3" && cd "$3" && pwd)"
native_startup="$4"
disc="$work/demo-disc"
trace="$work/startup-reads.strace"
traced=(strace -f -y -ttt -s 0 -e trace=openat,read,pread64,lseek -o "$trace")

"$root/scripts/demo-disc.sh" "$tool" "$player" "$work" > "$work/demo-disc.log"
rm -f "$trace"

export ORVANE_WIN_BUILD="$(cd "$(dirname "$player")/../.." && pwd)"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
if ! wine --version >/dev/null 2>&1; then
  echo "mode: native start-up readers (Wine does not start on this machine)"
  "${traced[@]}" "$native_startup" "$disc/" orvane.exe > "$work/startup-native.log"
  shown=$(date +%s.%N)
  measured=1
else
  measured=0
fi

if [ "$measured" = 0 ]; then
  echo "mode: the player under Wine ($WINEARCH)"
  # shellcheck source=../tests/wine_display.sh
  source "$root/tests/wine_display.sh"

  strace_pid=""
  cleanup() {
    set +e
    wineserver -k 2>/dev/null
    [ -n "$strace_pid" ] && wait "$strace_pid" 2>/dev/null
    stop_wine_display
    rm -f "$WINEPREFIX/dosdevices/d:"
  }
  trap cleanup EXIT

  start_wine_display "$work"
  ensure_wine_prefix
  # The disc folder becomes drive D:, as a CD would be.
  ln -sfn "$disc" "$WINEPREFIX/dosdevices/d:"
  title=$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["title"])' "$root/demo/main.json")

  (cd "$disc" && exec "${traced[@]}" wine 'D:\orvane.exe' >/dev/null 2>&1) &
  strace_pid=$!
  shown=""
  for _ in $(seq 1 600); do
    if [ -n "$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1)" ]; then
      shown=$(date +%s.%N)
      break
    fi
    sleep 0.1
  done
  if [ -z "$shown" ]; then
    echo "startup-reads: the menu window \"$title\" did not appear" >&2
    exit 1
  fi
  wineserver -k 2>/dev/null || true
  wait "$strace_pid" 2>/dev/null || true
  strace_pid=""
fi

python3 - "$trace" "$disc/orvane.exe" "$shown" "$work/demo-menus/main.mnu" <<'PY'
import os, re, struct, sys

trace, exe, shown, first_menu_file = sys.argv[1], os.path.realpath(sys.argv[2]), float(sys.argv[3]), sys.argv[4]

# The least the start needs, from the container: trailer, header and directory, first menu.
data = open(exe, "rb").read()
trailer_at = len(data) - 4
header = struct.unpack("<i", data[trailer_at:])[0] - 1
if data[header:header + 4] != b"FPAK":
    sys.exit("startup-reads: no container in " + exe)
p = header + 7
if data[p] != 4:
    sys.exit("startup-reads: the container header has no text value")
p += 5 + max(struct.unpack("<i", data[p + 1:p + 5])[0], 0)
p += 6  # the byte value
count = data[p]
p += 1
offsets = [struct.unpack("<i", data[p + i * 260 + 256:p + i * 260 + 260])[0] - 1 for i in range(count)]
directory = p + count * 260 - header
first = offsets[0]
menu = min([o for o in offsets if o > first] + [trailer_at]) - first
ideal = 4 + directory + menu

# The player's reads of its own file until the window showed. A call that another thread
# interrupts is written as "<unfinished ...>" and finished in a "<... read resumed>" line.
call_re = re.compile(r"^(\d+)\s+([\d.]+)\s+(read|pread64)\((\d+)<(.*?)>, (.*)$")
resumed_re = re.compile(r"^(\d+)\s+([\d.]+)\s+<\.\.\. (read|pread64) resumed>.*\)\s+=\s+(-?\d+)")
result_re = re.compile(r"\)\s+=\s+(-?\d+)")
pending = {}
player = calls = loader = 0
for line in open(trace, errors="replace"):
    m = call_re.match(line)
    if m:
        pid, when, call, path, rest = m.group(1), float(m.group(2)), m.group(3), m.group(5), m.group(6)
        if rest.endswith("<unfinished ...>"):
            pending[pid] = (call, path)
            continue
        r = result_re.search(rest)
        if not r:
            continue
        got = int(r.group(1))
    else:
        m = resumed_re.match(line)
        if not m or m.group(1) not in pending:
            continue
        when, got = float(m.group(2)), int(m.group(4))
        call, path = pending.pop(m.group(1))
    if when > shown or got <= 0 or os.path.realpath(path) != exe:
        continue
    if call == "read":
        player += got
        calls += 1
    else:
        loader += got

print(f"reads of orvane.exe through the player's file interface up to its first menu: {player} B "
      f"in {calls} reads (the loader's image reads, {loader} B, not counted)")
print(f"trailer + container header and directory + first menu: {ideal} B "
      f"(4 + {directory} + {menu}; main.mnu is {os.path.getsize(first_menu_file)} B)")
if player == 0:
    sys.exit("startup-reads: no read of the player's file was seen")
print(f"ratio reads/ideal: {player / ideal:.4f}")
PY
