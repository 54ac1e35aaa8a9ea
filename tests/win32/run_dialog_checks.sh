#!/usr/bin/env bash
# Drives the message dialog and the built-in sounds of sound_dialog_probe.exe under Wine, on a
# virtual display of its own with a window manager (without one, keys never reach Wine's
# windows). The probe reports what it sees from inside; keys come from xdotool and the X
# clipboard is read with xclip.
#
#   run_dialog_checks.sh PROBE_EXE OUTPUT_FOLDER
#
# ORVANE_WIN_BUILD names the Windows build tree (its Wine prefix is used). The last screenshot
# of each case and the probe's reports stay in OUTPUT_FOLDER for a look.
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
rm -f "$out"/*.txt* "$out"/*.png "$out"/display "$out"/played.raw "$out"/side.wav

probe_pid=""
cleanup() {
  [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null || true
  stop_wine_display
}
trap cleanup EXIT
start_wine_display "$out" || exit 1

for_wine() { winepath -w "$1" 2>/dev/null; }

# expect_line NAME FILE LINE
expect_line() { expect_true "$1: line '$3' in $(basename "$2")" grep -qxF -- "$3" "$2"; }

buttons_of() { sed -n 's/^button=\([^|]*\)|default=\([01]\)|focus=\([01]\).*/\1:\2:\3/p' "$1" | tr '\n' ' '; }

press() {  # keys...
  xdotool windowactivate --sync "$dialog_window" >/dev/null 2>&1 || true
  xdotool key --delay 100 "$@"
}

# The dialog's result; "none" when it is still up after the given seconds.
result_after() {  # name seconds
  if wait_until "$2" test -f "$out/$1.txt"; then sed -n 's/^result=//p' "$out/$1.txt"; else echo none; fi
}

# The other windows are disabled while the dialog is up, their timers keep running, and all is
# enabled again afterwards.
expect_modal_behaviour() {  # name
  local d="$out/$1.txt.dialog" r="$out/$1.txt"
  expect_line "$1" "$d" "owner_enabled=0"
  expect_line "$1" "$d" "other_enabled=0"
  expect_line "$1" "$r" "owner_enabled_after=1"
  expect_line "$1" "$r" "other_enabled_after=1"
  local ticks
  ticks=$(sed -n 's/^ticks_during=//p' "$r")
  expect_true "$1: ${ticks:-0} timer ticks while up" [ "${ticks:-0}" -ge 5 ]
}

# dialog_case NAME KIND BUTTONS DEFAULT CAPTION TEXT STEP...: the probe shows the dialog and
# reports its contents; then each step, in order:
#   line L      the report of the dialog holds line L
#   buttons B   its buttons, "text:default:focus " each
#   key K       presses K in the dialog
#   result R    the dialog ends with result R
#   up          the dialog is still up two seconds later
#   run F       calls F NAME for checks of its own
#   modal       once the probe ended: expect_modal_behaviour
dialog_case() {
  local name=$1 modal=no
  rm -f "$out/$name.txt"*
  wine "$probe" "$(for_wine "$out/$name.txt")" dialog "$2" "$3" "$4" "$5" "$6" >/dev/null 2>&1 &
  probe_pid=$!
  shift 6
  if ! wait_until 60 test -f "$out/$name.txt.dialog"; then
    fail "$name: the dialog did not appear"
    end_process "$probe_pid" 0
    probe_pid=""
    return 0
  fi
  local caption
  caption=$(sed -n 's/^caption=//p' "$out/$name.txt.dialog")
  dialog_window=$(xdotool search --onlyvisible --name "^${caption}\$" | head -n1)
  while [ $# -gt 0 ]; do
    local step=$1
    shift
    case $step in
      line) expect_line "$name" "$out/$name.txt.dialog" "$1"; shift ;;
      buttons) expect_eq "$name buttons" "$(buttons_of "$out/$name.txt.dialog")" "$1"; shift ;;
      key) press "$1"; shift ;;
      result) expect_eq "$name result" "$(result_after "$name" 20)" "$1"; shift ;;
      run) "$1" "$name"; shift ;;
      up) expect_eq "$name is still up" "$(result_after "$name" 2)" none ;;
      modal) modal=yes ;;
    esac
  done
  end_process "$probe_pid" 10
  probe_pid=""
  if [ "$modal" = yes ]; then expect_modal_behaviour "$name"; fi
}

# Ctrl+C copies the dialog as text, with "\r\n" line ends inside; Wine hands CF_TEXT to X with
# them made "\n".
copied_text() {  # name
  import -window root "$out/dialog_yes_no_cancel.png"
  press ctrl+c
  sleep 1
  local d='---------------------------'
  copy() {
    printf "%s$1Confirm$1%s$1Save the changes?\r\rThe file is written next to the player.$1%s$1Yes   No   Cancel   $1%s$1" \
      "$d" "$d" "$d" "$d" | od -An -c
  }
  if wait_until 5 test -f "$out/$1.txt.clip"; then
    expect_eq "$1 clipboard (inside)" "$(od -An -c <"$out/$1.txt.clip")" "$(copy '\r\n')"
  else
    fail "$1: Ctrl+C put nothing on the clipboard"
  fi
  expect_eq "$1 clipboard (X)" "$(xclip -o -selection clipboard | od -An -c)" "$(copy '\n')"
}

# A long address wraps, and the dialog stays on the screen, centred.
wrapped_and_centred() {  # name
  local l t r b tl tt tr tb
  IFS=, read -r l t r b < <(sed -n 's/^window=//p' "$out/$1.txt.dialog")
  IFS=, read -r tl tt tr tb < <(sed -n 's/^text_rect=//p' "$out/$1.txt.dialog")
  expect_true "$1: dialog $l,$t,$r,$b on the screen" \
    [ "$l" -ge 0 -a "$t" -ge 0 -a "$r" -le 1024 -a "$b" -le 768 ]
  expect_true "$1: text $((tr - tl)) pixels wide" [ $((tr - tl)) -le 512 ]
  local off=$(((l + r) / 2 - 512))
  expect_true "$1: centred ($l..$r)" [ "$off" -le 2 -a "$off" -ge -2 ]
  import -window root "$out/dialog_long_text.png"
}

# OK alone: default and cancel at once.
for key in Return Escape alt+F4; do
  dialog_case "ok_${key/+/_}" 1 4 -1 Orvane 'Menu could not be read.' line caption=Orvane \
    buttons "OK:1:1 " line icons=1 line dialog_owner_is_owner=1 key "$key" result 1 modal
done
# Yes, No, Cancel: order, default, Esc, close box, access keys, Ctrl+C.
dialog_case ync_escape 3 11 -1 - 'Save the changes?\r\rThe file is written next to the player.' \
  line caption=Confirm buttons "&Yes:1:1 &No:0:0 Cancel:0:0 " \
  line 'text=Save the changes?\r\n\r\nThe file is written next to the player.' \
  run copied_text key Escape result 2 modal
dialog_case ync_close 3 11 -1 Orvane 'Close me by the close box.' key alt+F4 result 2
dialog_case ync_access_key 3 11 -1 Orvane 'Answer with the access key of No.' key n result 7
dialog_case ync_default_1 3 11 1 Orvane 'No is the default.' \
  buttons "&Yes:0:0 &No:1:1 Cancel:0:0 " key Return result 7
dialog_case ync_default_5 3 11 5 Orvane 'No default button at all.' \
  buttons "&Yes:0:0 &No:0:0 Cancel:0:0 " line focus_on_dialog=1 key Return up key Escape result 2
# Abort, Retry, Ignore: Retry is the default, nothing cancels, the close box is off.
dialog_case abort_retry_ignore 1 112 -1 - 'Nothing here cancels.' line caption=Error \
  buttons "&Abort:0:0 &Retry:1:1 &Ignore:0:0 " key Escape key alt+F4 up key Return result 4
# Captions of the kinds.
dialog_case warning_standard_caption 0 4 -1 - 'Error loading binary menu data.' \
  line caption=Warning line icons=1 key Return result 1
dialog_case custom_kind 4 4 -1 - 'The custom kind has no icon and the application title.' \
  line 'caption=Probe title' line icons=0 key Return result 1
dialog_case long_text 2 4 -1 Orvane 'Could not launch Web Browser. Please start you web browser and point it to:\r\rhttp://www.example.com/a/very/long/address/without/any/blank/in/it/that/goes/on/and/on/and/on/and/on/until/it/is/wider/than/half/the/screen/index.html' \
  run wrapped_and_centred key Return result 1

# ---- built-in sounds ---------------------------------------------------------------------------
# ALSA's default device appends every played sample to a file, so the check hears which sounds
# played, in which order. A side file of its own follows the five.
name=sounds
alsa_home="$out/alsa_home"
played="$out/played.raw"
mkdir -p "$alsa_home"
alsa_to_file "$alsa_home" "$played"
python3 "$here/played_sounds.py" side "$out/side.wav"
HOME="$alsa_home" wine "$probe" "$(for_wine "$out/$name.txt")" sounds "$(for_wine "$out/side.wav")" \
  >/dev/null 2>&1 || true
sleep 1  # the pipe's writer may still be flushing the last sound
if [ -f "$out/$name.txt" ]; then
  expect_line "$name" "$out/$name.txt" "load=1"
  for slot in 1 2 3 4 5; do
    line=$(sed -n "s/^slot$slot=//p" "$out/$name.txt")
    frames=${line##*frames=}
    expect_eq "$name slot $slot format" "${line% frames=*}" "format=1 channels=1 rate=12000 bits=8"
    if [ "$slot" = 1 ]; then low=4800 high=6000; else low=960 high=1440; fi
    expect_true "$name slot $slot: $frames frames" [ "${frames:-0}" -ge $low -a "${frames:-0}" -le $high ]
  done
  expect_eq "$name played samples" \
    "$(python3 "$here/played_sounds.py" compare "$played" "$ORVANE_WIN_BUILD/src/win32/sounds" "$out/side.wav")" \
    same
else
  fail "$name: no report"
fi

name=missing_sounds
wine "$probe" "$(for_wine "$out/$name.txt")" missing-sounds >/dev/null 2>&1 || true
if [ -f "$out/$name.txt" ]; then
  expect_line "$name" "$out/$name.txt" "load=0"
  error=$(sed -n 's/^error=//p' "$out/$name.txt")
  expect_true "$name: error text '$error'" [ -n "$error" -a -z "$(grep -i success <<<"$error")" ]
else
  fail "$name: no report"
fi

finish_checks dialog_checks
