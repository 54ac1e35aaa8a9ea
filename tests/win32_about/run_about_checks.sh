#!/usr/bin/env bash
# Opens two About windows through about_probe.exe under Wine, on a virtual display of its own
# with a window manager, and checks them from outside (screenshot pixels, a click on "&Close",
# the access key Alt+C) and from inside (the probe's report).
#
#   run_about_checks.sh PROBE_EXE OUTPUT_FOLDER
#
# ORVANE_WIN_BUILD names the Windows build tree (its Wine prefix is used). The screenshots and
# the report stay in OUTPUT_FOLDER for a look.
set -euo pipefail

probe=$1
out=$2
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=../../scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"
ensure_wine_prefix

mkdir -p "$out"
rm -f "$out"/report.txt* "$out"/*.png "$out"/display

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

# shellcheck source=../wine_display.sh
source "$here/../wine_display.sh"
probe_pid=""
cleanup() {
  [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null || true
  stop_wine_display
}
trap cleanup EXIT
start_wine_display "$out" || exit 1

report="$out/report.txt"
field() { grep "^$1=" "$report" | head -n1 | cut -d= -f2- || true; }
# The value of key inside the |-separated line named line.
part() { field "$1" | tr '|' '\n' | sed -n "s/^$2=//p"; }

wait_for() {  # pattern seconds
  local i
  for i in $(seq $(($2 * 10))); do
    grep -qx -- "$1" "$report" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

expect_equal() {  # name actual expected
  if [ "$2" = "$3" ]; then pass; else fail "$1: got '$2', expected '$3'"; fi
}

# The colour of one screen pixel as RRGGBB.
pixel() {  # png x y
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n1
}

wine "$probe" "$(winepath -w "$report" 2>/dev/null)" >/dev/null 2>&1 &
probe_pid=$!
if ! wait_for "visible_windows=2" 60; then
  fail "the two About windows did not appear"
  echo "0 passed, $((failed)) failed"
  exit 1
fi
sleep 1  # let both finish painting

# From inside: GDI draws the same background as the core; the logo decodes; both windows have
# the caption, frame, size and Close button of the About window.
expect_equal "gradient against GDI's lines" "$(field gradient_mismatches)" 0
expect_equal "logo size" "$(field logo)" 97x45
for i in 0 1; do
  expect_equal "window $i caption" "$(field window$i | cut -d'|' -f1)" About
  expect_equal "window $i client" "$(part window$i client)" 441x289
  expect_equal "window $i frame" "$(part window$i frame)" 468,187
  expect_equal "window $i sizeable" "$(part window$i sizeable)" 1
  expect_equal "window $i system menu" "$(part window$i sysmenu)" 1
  expect_equal "window $i min/max boxes" "$(part window$i minmax)" 1
  expect_equal "button $i" "$(field button$i | cut -d'|' -f1)" "&Close"
  expect_equal "button $i place" "$(part button$i at)" 352,256
  expect_equal "button $i size" "$(part button$i size)" 81x25
  expect_equal "button $i tab stop" "$(part button$i tabstop)" 1
done

# From outside: the background's colours where nothing covers it.
origin=$(part window1 client_origin)
ox=${origin%,*}
oy=${origin#*,}
import -window root "$out/two_windows.png"
expect_equal "gradient top left" "$(pixel "$out/two_windows.png" $((ox + 9 + 5)) $((oy + 9)))" FCFCFE
expect_equal "top row right half" "$(pixel "$out/two_windows.png" $((ox + 9 + 300)) $((oy + 9)))" FFFFFF
expect_equal "gradient bottom" "$(pixel "$out/two_windows.png" $((ox + 9 + 5)) $((oy + 9 + 233)))" F4F3EE
# The title (Label1 at (60, 16)) in Arial of normal weight: its ink is closer to the probe's
# normal type than to its bold type.
ink=$(convert "$out/two_windows.png" -crop 200x22+$((ox + 60))+$((oy + 16)) +repage \
  -fx '(r + g + b) * 255 < 3 * 128 ? 1 : 0' -format '%[fx:round(mean * w * h)]' info:)
normal=$(field title_ink | cut -d, -f1)
bold=$(field title_ink | cut -d, -f2)
if [ "$normal" != "$bold" ] && [ $(( (ink - normal) ** 2 )) -lt $(( (ink - bold) ** 2 )) ]; then pass; else
  fail "title ink $ink: normal type $normal, bold $bold"; fi

# "&Close" on the front window hides it; the other stays.
xdotool mousemove $((ox + 352 + 40)) $((oy + 256 + 12)) click 1
if wait_for "visible_windows=1" 10; then pass; else fail "Close did not hide the front window"; fi
expect_equal "front window after Close" "$(part window1 visible)" 0
expect_equal "other window after Close" "$(part window0 visible)" 1
sleep 0.5
import -window root "$out/one_window.png"

# Alt+C, the button's access key, closes the other one; the probe then ends.
other=$(xdotool search --onlyvisible --name '^About$' | head -n1 || true)
if [ -n "$other" ]; then
  xdotool windowactivate --sync "$other" >/dev/null 2>&1 || true
  sleep 0.3
  xdotool key alt+c
fi
if wait_for "visible_windows=0" 10; then pass; else fail "Alt+C did not close the other window"; fi
for _ in $(seq 50); do kill -0 "$probe_pid" 2>/dev/null || break; sleep 0.1; done
kill "$probe_pid" 2>/dev/null || true
wait "$probe_pid" 2>/dev/null || true
probe_pid=""
if [ -s "$report.messages" ]; then fail "unexpected messages: $(cat "$report.messages")"; else pass; fi

echo "about checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
