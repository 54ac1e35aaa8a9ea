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

mkdir -p "$out"
rm -f "$out"/*.txt* "$out"/*.png "$out"/display "$out"/played.raw "$out"/side.wav

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

probe_path_for_wine() { winepath -w "$1" 2>/dev/null; }

wait_for_file() {  # file seconds
  local i
  for i in $(seq $(($2 * 10))); do
    [ -f "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Starts the probe with a dialog and waits until it reported the dialog's contents.
open_dialog() {  # name kind buttons default caption text
  local name=$1
  rm -f "$out/$name.txt"*
  wine "$probe" "$(probe_path_for_wine "$out/$name.txt")" dialog "$2" "$3" "$4" "$5" "$6" \
    >/dev/null 2>&1 &
  probe_pid=$!
  if ! wait_for_file "$out/$name.txt.dialog" 60; then
    fail "$name: the dialog did not appear"
    return 1
  fi
  dialog_caption=$(sed -n 's/^caption=//p' "$out/$name.txt.dialog")
  dialog_window=$(xdotool search --onlyvisible --name "^${dialog_caption}\$" | head -n1)
  return 0
}

press() {  # keys...
  xdotool windowactivate --sync "$dialog_window" >/dev/null 2>&1 || true
  xdotool key --delay 100 "$@"
}

# Waits for the dialog's result; "none" when it is still up after the given seconds.
result_after() {  # name seconds
  if wait_for_file "$out/$1.txt" "$2"; then
    sed -n 's/^result=//p' "$out/$1.txt"
  else
    echo none
  fi
}

finish_probe() {
  if [ -n "$probe_pid" ]; then
    for _ in $(seq 100); do kill -0 "$probe_pid" 2>/dev/null || break; sleep 0.1; done
    kill "$probe_pid" 2>/dev/null || true
    wait "$probe_pid" 2>/dev/null || true
    probe_pid=""
  fi
}

expect_line() {  # name file line
  if grep -qxF -- "$3" "$2"; then pass; else fail "$1: no line '$3' in $(basename "$2")"; fi
}

expect_equal() {  # name actual expected
  if [ "$2" = "$3" ]; then pass; else fail "$1: got '$2', expected '$3'"; fi
}

buttons_of() { sed -n 's/^button=\([^|]*\)|default=\([01]\)|focus=\([01]\).*/\1:\2:\3/p' "$1" | tr '\n' ' '; }

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
  if [ "${ticks:-0}" -ge 5 ]; then pass; else fail "$1: only ${ticks:-0} timer ticks while up"; fi
}

# ---- OK alone: default and cancel at once ----------------------------------------------------
for key in Return Escape alt+F4; do
  name="ok_${key/+/_}"
  if open_dialog "$name" 1 4 -1 "Orvane" 'Menu could not be read.'; then
    expect_line "$name" "$out/$name.txt.dialog" "caption=Orvane"
    expect_equal "$name buttons" "$(buttons_of "$out/$name.txt.dialog")" "OK:1:1 "
    expect_line "$name" "$out/$name.txt.dialog" "icons=1"
    expect_line "$name" "$out/$name.txt.dialog" "dialog_owner_is_owner=1"
    press "$key"
    expect_equal "$name result" "$(result_after "$name" 20)" 1
    finish_probe
    expect_modal_behaviour "$name"
  fi
done

# ---- Yes, No, Cancel: order, default, Esc, close box, Ctrl+C -----------------------------------
name=ync_escape
if open_dialog "$name" 3 11 -1 - 'Save the changes?\r\rThe file is written next to the player.'; then
  d="$out/$name.txt.dialog"
  expect_line "$name" "$d" "caption=Confirm"
  expect_equal "$name buttons" "$(buttons_of "$d")" "&Yes:1:1 &No:0:0 Cancel:0:0 "
  expect_line "$name" "$d" 'text=Save the changes?\r\n\r\nThe file is written next to the player.'
  import -window root "$out/dialog_yes_no_cancel.png"
  press ctrl+c
  sleep 1
  divider='---------------------------'
  expected=$(printf '%s\r\nConfirm\r\n%s\r\nSave the changes?\r\rThe file is written next to the player.\r\n%s\r\nYes   No   Cancel   \r\n%s\r\n' \
    "$divider" "$divider" "$divider" "$divider" | od -An -c)
  if wait_for_file "$out/$name.txt.clip" 5; then
    expect_equal "$name clipboard (inside)" "$(od -An -c <"$out/$name.txt.clip")" "$expected"
  else
    fail "$name: Ctrl+C put nothing on the clipboard"
  fi
  # Wine hands CF_TEXT to X with its line ends made "\n".
  expected_x=$(printf '%s\nConfirm\n%s\nSave the changes?\r\rThe file is written next to the player.\n%s\nYes   No   Cancel   \n%s\n' \
    "$divider" "$divider" "$divider" "$divider" | od -An -c)
  expect_equal "$name clipboard (X)" "$(xclip -o -selection clipboard | od -An -c)" "$expected_x"
  press Escape
  expect_equal "$name result" "$(result_after "$name" 20)" 2
  finish_probe
  expect_modal_behaviour "$name"
fi

name=ync_close
if open_dialog "$name" 3 11 -1 Orvane 'Close me by the close box.'; then
  press alt+F4
  expect_equal "$name result" "$(result_after "$name" 20)" 2
  finish_probe
fi

name=ync_access_key
if open_dialog "$name" 3 11 -1 Orvane 'Answer with the access key of No.'; then
  press n
  expect_equal "$name result" "$(result_after "$name" 20)" 7
  finish_probe
fi

name=ync_default_1
if open_dialog "$name" 3 11 1 Orvane 'No is the default.'; then
  expect_equal "$name buttons" "$(buttons_of "$out/$name.txt.dialog")" "&Yes:0:0 &No:1:1 Cancel:0:0 "
  press Return
  expect_equal "$name result" "$(result_after "$name" 20)" 7
  finish_probe
fi

name=ync_default_5
if open_dialog "$name" 3 11 5 Orvane 'No default button at all.'; then
  expect_equal "$name buttons" "$(buttons_of "$out/$name.txt.dialog")" "&Yes:0:0 &No:0:0 Cancel:0:0 "
  expect_line "$name" "$out/$name.txt.dialog" "focus_on_dialog=1"
  press Return
  expect_equal "$name Enter presses nothing" "$(result_after "$name" 2)" none
  press Escape
  expect_equal "$name result" "$(result_after "$name" 20)" 2
  finish_probe
fi

# ---- Abort, Retry, Ignore: Retry is default, nothing cancels, the close box is off ------------
name=abort_retry_ignore
if open_dialog "$name" 1 112 -1 - 'Nothing here cancels.'; then
  expect_line "$name" "$out/$name.txt.dialog" "caption=Error"
  expect_equal "$name buttons" "$(buttons_of "$out/$name.txt.dialog")" "&Abort:0:0 &Retry:1:1 &Ignore:0:0 "
  press Escape
  press alt+F4
  expect_equal "$name Esc and close box do nothing" "$(result_after "$name" 2)" none
  press Return
  expect_equal "$name result" "$(result_after "$name" 20)" 4
  finish_probe
fi

# ---- captions of the kinds -------------------------------------------------------------------
name=warning_standard_caption
if open_dialog "$name" 0 4 -1 - 'Error loading binary menu data.'; then
  expect_line "$name" "$out/$name.txt.dialog" "caption=Warning"
  expect_line "$name" "$out/$name.txt.dialog" "icons=1"
  press Return
  expect_equal "$name result" "$(result_after "$name" 20)" 1
  finish_probe
fi

name=custom_kind
if open_dialog "$name" 4 4 -1 - 'The custom kind has no icon and the application title.'; then
  expect_line "$name" "$out/$name.txt.dialog" "caption=Probe title"
  expect_line "$name" "$out/$name.txt.dialog" "icons=0"
  press Return
  expect_equal "$name result" "$(result_after "$name" 20)" 1
  finish_probe
fi

# ---- a long address wraps and the dialog stays on the screen ----------------------------------
name=long_text
long='Could not launch Web Browser. Please start you web browser and point it to:\r\rhttp://www.example.com/a/very/long/address/without/any/blank/in/it/that/goes/on/and/on/and/on/and/on/until/it/is/wider/than/half/the/screen/index.html'
if open_dialog "$name" 2 4 -1 Orvane "$long"; then
  IFS=, read -r l t r b < <(sed -n 's/^window=//p' "$out/$name.txt.dialog")
  IFS=, read -r tl tt tr tb < <(sed -n 's/^text_rect=//p' "$out/$name.txt.dialog")
  if [ "$l" -ge 0 ] && [ "$t" -ge 0 ] && [ "$r" -le 1024 ] && [ "$b" -le 768 ]; then pass; else
    fail "$name: dialog $l,$t,$r,$b leaves the screen"; fi
  if [ $((tr - tl)) -le 512 ]; then pass; else fail "$name: text $((tr - tl)) pixels wide"; fi
  # Centred on the screen.
  if [ $(((l + r) / 2 - 512)) -le 2 ] && [ $(((l + r) / 2 - 512)) -ge -2 ]; then pass; else
    fail "$name: not centred ($l..$r)"; fi
  import -window root "$out/dialog_long_text.png"
  press Return
  expect_equal "$name result" "$(result_after "$name" 20)" 1
  finish_probe
fi

# ---- built-in sounds ---------------------------------------------------------------------------
# ALSA's default device is pointed at a pipe that appends every played sample to a file, so the
# check hears which sounds played, in which order. A side file of its own follows the five.
name=sounds
alsa_home="$out/alsa_home"
played="$out/played.raw"
mkdir -p "$alsa_home"
rm -f "$played"
printf 'pcm.!default {\n  type file\n  slave.pcm "null"\n  file "| cat >> %s"\n  format "raw"\n}\n' \
  "$played" >"$alsa_home/.asoundrc"
python3 "$here/played_sounds.py" side "$out/side.wav"
HOME="$alsa_home" wine "$probe" "$(probe_path_for_wine "$out/$name.txt")" sounds \
  "$(probe_path_for_wine "$out/side.wav")" >/dev/null 2>&1 || true
sleep 1  # the pipe's writer may still be flushing the last sound
if [ -f "$out/$name.txt" ]; then
  expect_line "$name" "$out/$name.txt" "load=1"
  for slot in 1 2 3 4 5; do
    line=$(sed -n "s/^slot$slot=//p" "$out/$name.txt")
    frames=${line##*frames=}
    expect_equal "$name slot $slot format" "${line% frames=*}" "format=1 channels=1 rate=12000 bits=8"
    if [ "$slot" = 1 ]; then low=4800 high=6000; else low=960 high=1440; fi
    if [ "${frames:-0}" -ge $low ] && [ "${frames:-0}" -le $high ]; then pass; else
      fail "$name slot $slot: $frames frames"; fi
  done
  expect_equal "$name played samples" \
    "$(python3 "$here/played_sounds.py" compare "$played" "$ORVANE_WIN_BUILD/src/win32/sounds" "$out/side.wav")" \
    same
else
  fail "$name: no report"
fi

name=missing_sounds
wine "$probe" "$(probe_path_for_wine "$out/$name.txt")" missing-sounds >/dev/null 2>&1 || true
if [ -f "$out/$name.txt" ]; then
  expect_line "$name" "$out/$name.txt" "load=0"
  error=$(sed -n 's/^error=//p' "$out/$name.txt")
  if [ -n "$error" ] && ! grep -qi "success" <<<"$error"; then pass; else
    fail "$name: error text '$error'"; fi
else
  fail "$name: no report"
fi

echo "dialog_checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
