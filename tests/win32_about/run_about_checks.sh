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
# shellcheck source=../e2e/checks.sh
source "$here/../e2e/checks.sh"
# shellcheck source=../wine_display.sh
source "$here/../wine_display.sh"

mkdir -p "$out"
rm -f "$out"/report.txt* "$out"/*.png "$out"/display

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

reported() { grep -qx -- "$1" "$report"; }

wine "$probe" "$(winepath -w "$report" 2>/dev/null)" >/dev/null 2>&1 &
probe_pid=$!
if ! wait_until 60 reported "visible_windows=2"; then
  fail "the two About windows did not appear"
  finish_checks "about checks"
  exit 1
fi
sleep 1  # let both finish painting

# From inside: GDI draws the same background as the core; the logo decodes; both windows have
# the caption, frame, size and Close button of the About window.
expect_eq "gradient against GDI's lines" "$(field gradient_mismatches)" 0
expect_eq "logo size" "$(field logo)" 97x45
for i in 0 1; do
  expect_eq "window $i caption" "$(field window$i | cut -d'|' -f1)" About
  expect_eq "window $i client" "$(part window$i client)" 441x289
  expect_eq "window $i frame" "$(part window$i frame)" 468,187
  expect_eq "window $i sizeable" "$(part window$i sizeable)" 1
  expect_eq "window $i system menu" "$(part window$i sysmenu)" 1
  expect_eq "window $i min/max boxes" "$(part window$i minmax)" 1
  expect_eq "button $i" "$(field button$i | cut -d'|' -f1)" "&Close"
  expect_eq "button $i place" "$(part button$i at)" 352,256
  expect_eq "button $i size" "$(part button$i size)" 81x25
  expect_eq "button $i tab stop" "$(part button$i tabstop)" 1
done

# From outside: the background's colours where nothing covers it.
origin=$(part window1 client_origin)
ox=${origin%,*}
oy=${origin#*,}
import -window root "$out/two_windows.png"
expect_eq "gradient top left" "$(pixel "$out/two_windows.png" $((ox + 9 + 5)) $((oy + 9)))" "252 252 254"
expect_eq "top row right half" "$(pixel "$out/two_windows.png" $((ox + 9 + 300)) $((oy + 9)))" "255 255 255"
expect_eq "gradient bottom" "$(pixel "$out/two_windows.png" $((ox + 9 + 5)) $((oy + 9 + 233)))" "244 243 238"
# The title (Label1 at (60, 16)) in Arial of normal weight: its ink is closer to the probe's
# normal type than to its bold type.
ink=$(convert "$out/two_windows.png" -crop 200x22+$((ox + 60))+$((oy + 16)) +repage \
  -fx '(r + g + b) * 255 < 3 * 128 ? 1 : 0' -format '%[fx:round(mean * w * h)]' info:)
normal=$(field title_ink | cut -d, -f1)
bold=$(field title_ink | cut -d, -f2)
expect_true "title ink $ink: normal type $normal, bold $bold" \
  [ "$normal" != "$bold" -a $(( (ink - normal) ** 2 )) -lt $(( (ink - bold) ** 2 )) ]

# "&Close" on the front window hides it; the other stays.
xdotool mousemove $((ox + 352 + 40)) $((oy + 256 + 12)) click 1
expect_true "Close hides the front window" wait_until 10 reported "visible_windows=1"
expect_eq "front window after Close" "$(part window1 visible)" 0
expect_eq "other window after Close" "$(part window0 visible)" 1
sleep 0.5
import -window root "$out/one_window.png"

# Alt+C, the button's access key, closes the other one; the probe then ends.
other=$(xdotool search --onlyvisible --name '^About$' | head -n1 || true)
if [ -n "$other" ]; then
  xdotool windowactivate --sync "$other" >/dev/null 2>&1 || true
  sleep 0.3
  xdotool key alt+c
fi
expect_true "Alt+C closes the other window" wait_until 10 reported "visible_windows=0"
end_process "$probe_pid" 5
probe_pid=""
expect_eq "unexpected messages" "$(cat "$report.messages" 2>/dev/null)" ""

finish_checks "about checks"
