#!/usr/bin/env bash
# Button actions of the real player: menus made with orvane-pack whose push buttons launch the
# probe program, which writes down its command line and working folder beside itself (probe.log).
# The disc is drive D: and the player D:\orvane.exe, so "%CD%" is "D".
source "$(dirname "$0")/lib.sh"
: "${ORVANE_NATIVE_BUILD:?the native build (orvane-pack) is needed}"
PACK="$ORVANE_NATIVE_BUILD/src/pack/orvane-pack"
PROBE="$ORVANE_WIN_BUILD/tests/e2e/probe/probe.exe"
SRC="$E2E_WORK/src"
mkdir -p "$SRC"
e2e_start_display

# The shell requests that the player makes, as Wine's shell traces them, and the programs started.
export E2E_WINE_TRACE=trace+exec,trace+process
# shell_request VERB FILE: Wine's shell has been asked for that verb on that file.
shell_request() { grep -qF "verb=L\"$1\" file=L\"$2\"" "$E2E_TRACE"; }
# started COMMAND_LINE: a program has been started with that command line (Wine's escaped form).
started() { grep -qF "cmdline L\"$1\"" "$E2E_TRACE"; }
# Wine's browser hands web addresses to xdg-open: this one writes them down instead.
mkdir -p "$E2E_WORK/bin"
printf '#!/bin/sh\necho "$@" >>"%s/browsed"\n' "$E2E_WORK" >"$E2E_WORK/bin/xdg-open"
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH="$E2E_WORK/bin:$PATH"

# ---- the disc ---------------------------------------------------------------------------------
# Push buttons 90 x 22 in a grid of four columns; button n (from 1) is clicked at its centre.
button_json() {  # n target parameters [extra json]
  local n=$1 col=$((($1 - 1) % 4)) row=$((($1 - 1) / 4))
  printf '{"kind": "push", "caption": "B%s", "target": %s, "parameters": %s, "left": %d, "top": %d, "width": 90, "height": 22%s}' \
    "$n" "$2" "$3" $((5 + 95 * col)) $((5 + 27 * row)) "${4:-}"
}
click_button() {
  local col=$((($1 - 1) % 4)) row=$((($1 - 1) / 4))
  xdotool mousemove --sync $((5 + 95 * col + 45)) $((5 + 27 * row + 11)) click 1
}

make_disc() {
  convert -size 400x300 xc:white "$SRC/bg.png"
  local buttons=(
    "$(button_json 1 '"%probe.exe"' '"%CD%:\\data file.txt"')"
    "$(button_json 2 '"%probe.exe"' '"-x %CD% /y"')"
    "$(button_json 3 '"\\tools\\probe.exe"' '"one two"')"
    "$(button_json 4 '"C:\\gone\\likely.exe"' '"likely"')"
    "$(button_json 5 '"C:\\gone\\deep.exe"' '"deep"')"
    "$(button_json 6 '"C:\\gone\\.hidden.exe"' '""')"
    "$(button_json 7 '"$First line\u00b6Second line"' '""')"
    "$(button_json 8 '"SECOND.MNU"' '""')"
    "$(button_json 9 '"none.mnu"' '""')"
    "$(button_json 10 '"*"' '""')"
    "$(button_json 11 '"%slow\\probe.exe"' '""' ', "wait_for_exit": true, "minimize_after": true')"
    "$(button_json 12 '"%setup.msi"' '""' ', "viewer": {"name": "Wine Installer", "version": "999", "compare": "at-least", "check": true}')"
    "$(button_json 13 '""' '""' ', "close_after": true')"
    "$(button_json 14 '"%docs\\"' '""')"
    "$(button_json 15 '"http://example.com/orvane?disc=1"' '""')"
    "$(button_json 16 '"%setup.msi"' '""' ', "viewer": {"name": "Wine Installer", "version": "4.5", "compare": "equal", "check": true}')"
    "$(button_json 17 '"%setup.msi"' '""' ', "viewer": {"name": "Wine Installer", "version": "4.6", "compare": "at-least", "check": true}')"
  )
  local IFS=,
  printf '{"title": "Actions", "placement": "top-left", "pictures": {"normal": "bg.png"}, "buttons": [%s]}\n' \
    "${buttons[*]}" >"$SRC/main.json"
  printf '{"title": "Second", "placement": "top-left", "pictures": {"normal": "bg.png"}, "buttons": [%s]}\n' \
    "$(button_json 1 '""' '""' ', "close_after": true')" >"$SRC/second.json"
  "$PACK" build "$SRC/main.json" "$SRC/second.json" -o "$SRC/out" >/dev/null
  "$PACK" pack "$ORVANE_PLAYER_EXE" "$SRC/out/main.mnu" "$SRC/out/second.mnu" -o "$E2E_DISC/orvane.exe" >/dev/null

  mkdir -p "$E2E_DISC/docs" "$E2E_DISC/tools" "$E2E_DISC/gone" "$E2E_DISC/a/b" "$E2E_DISC/h" "$E2E_DISC/slow"
  cp "$PROBE" "$E2E_DISC/probe.exe"
  cp "$PROBE" "$E2E_DISC/tools/probe.exe"
  cp "$PROBE" "$E2E_DISC/gone/likely.exe"   # found as D:\gone\ on the application drive
  cp "$PROBE" "$E2E_DISC/a/b/deep.exe"      # found by the tree search only
  cp "$PROBE" "$E2E_DISC/h/.hidden.exe"     # hidden under Wine: never accepted
  cp "$PROBE" "$E2E_DISC/slow/probe.exe"
  echo 3000 >"$E2E_DISC/slow/probe.delay"
  echo x >"$E2E_DISC/setup.msi"
  ln -sfn "$E2E_DISC" "$WINEPREFIX/dosdevices/d:"
}

# probe_log FOLDER_RELATIVE SECONDS: the record of the probe in that folder of the disc.
probe_log() {
  local log="$E2E_DISC/$1probe.log"
  wait_until "$2" grep -q '^end' "$log" || true
  tr -d '\r' <"$log" 2>/dev/null || true
}

# launch_and_log N FOLDER_RELATIVE: clicks button N until its probe has written its record. A click
# that arrives while the previous action is still finishing is dropped by the player on purpose
# (one action at a time), so a lost click is clicked again rather than counted as a failure.
launch_and_log() {
  local log="$E2E_DISC/$2probe.log"
  for _ in 1 2 3; do
    click_button "$1"
    wait_until 20 grep -q '^end' "$log" && break
  done
  # Let the action finish (sound, finish step) before the next click.
  sleep 1
  probe_log "$2" 1
}

# click_until N COMMAND...: clicks button N until the command succeeds (see above for lost
# clicks); false when it never does.
click_until() {
  local n=$1
  shift
  for _ in 1 2 3; do
    click_button "$n"
    wait_until 20 "$@" && return 0
  done
  return 1
}

# dialog_of N: clicks button N until the player's message appears, then its text.
dialog_of() {
  click_until "$1" window_shown '^Orvane$' || true
  read_dialog '^Orvane$' 5
}

start() { open_menu '^Actions$'; }

make_disc
start

# Right after start-up the first button, a push button, has the focus: Enter runs it.
# Parameters: quoted when they start with a letter, as they stand after "-".
xdotool windowactivate --sync "$(find_window '^Actions$')" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Return
log=$(probe_log "" 20)
expect_true "Enter after start-up: %CD% in quoted parameters ($log)" grep -qx 'arg1=D:\\data file.txt' <<<"$log"
expect_true "the working folder is the target's ($log)" grep -qx 'cwd=D:\\' <<<"$log"
rm -f "$E2E_DISC/probe.log"
sleep 1

# The message button, reached with Tab and run with Enter, keeps the focus after its message is
# closed: Enter shows the same message again.
xdotool windowactivate --sync "$(find_window '^Actions$')" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Tab Tab Tab Tab Tab Tab Return
seen=$(read_dialog '^Orvane$' 20)
expect_true "message with a line mark ($seen)" \
  [ "$seen" = 'First line\rSecond line' -o "$seen" = 'First line\nSecond line' ]
xdotool windowactivate --sync "$(find_window '^Actions$')" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Return
expect_eq "the focus stays on the message button" "$(read_dialog '^Orvane$' 20)" "$seen"
log=$(launch_and_log 2 "")
expect_true "unquoted parameters ($log)" grep -qx 'cmdline=.*probe.exe"\? -x D /y' <<<"$log"

log=$(launch_and_log 3 "tools/")
expect_true "a \\ target on the application drive ($log)" grep -qx 'arg1=one two' <<<"$log"

log=$(launch_and_log 4 "gone/")
expect_true "missing target found in a likely folder ($log)" grep -qx 'arg1=likely' <<<"$log"
log=$(launch_and_log 5 "a/b/")
expect_true "missing target found by the tree search ($log)" grep -qx 'arg1=deep' <<<"$log"
expect_true "the found target's folder is the working folder" grep -qx 'cwd=D:\\a\\b' <<<"$log"

expect_eq "a hidden file is not accepted" "$(dialog_of 6)" \
  'Orvane cannot find the specified file:\r\rC:\gone\.hidden.exe'

expect_eq "switch to a missing menu" "$(dialog_of 9)" 'Could not find menu:\rnone.mnu'

click_button 10
sleep 2
expect_eq "\"*\" does nothing" "$(find_window '^Orvane$')" ""
expect_true "\"*\" leaves the player running" player_running

# The X clipboard hands "\r\n" on as "\n".
seen=$(dialog_of 12)
expect_true "viewer below the required version: no-viewer message ($seen)" \
  [ "$seen" = 'You do not appear to have a suitable viewer (or version) able to open the file:\r\n\r\n%setup.msi' \
  -o "$seen" = 'You do not appear to have a suitable viewer (or version) able to open the file:\n\n%setup.msi' ]

# A folder is explored; Wine answers with its explorer showing the folder.
expect_true "a folder target is explored" click_until 14 shell_request explore 'D:\\docs\\'
explorer=$(wait_window '^docs$' 30)
expect_true "Wine's explorer shows the folder" [ -n "$explorer" ]
# Out of the way of the next clicks: the explorer's window closed, the menu in front.
close_window "$explorer"
xdotool windowactivate --sync "$(find_window '^Actions$')" >/dev/null 2>&1 || true

# A web address goes to the shell as it stands, which hands it to Wine's browser.
expect_true "a web address is opened" \
  click_until 15 shell_request open 'http://example.com/orvane?disc=1'
expect_true "Wine's browser was given the address" \
  wait_until 30 grep -qx 'http://example.com/orvane?disc=1' "$E2E_WORK/browsed"

# The viewer check reads the version of Wine's own msiexec.exe ("Wine Installer", 4.5).
expect_true "the viewer's exact version passes: the installer runs" \
  click_until 16 started 'C:\\windows\\system32\\msiexec.exe /i \"D:\\setup.msi\"'
expect_eq "the viewer's exact version passes: no message" "$(find_window '^Orvane$')" ""
seen=$(dialog_of 17)
expect_true "the viewer one version short: no-viewer message ($seen)" \
  [ "$seen" = 'You do not appear to have a suitable viewer (or version) able to open the file:\r\n\r\n%setup.msi' \
  -o "$seen" = 'You do not appear to have a suitable viewer (or version) able to open the file:\n\n%setup.msi' ]

# WaitForExit -1 with minimise: the menu goes away while the probe runs and comes back after.
click_button 11
expect_true "minimised while the program runs" wait_until 20 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '^Actions\$')\" ]"
log=$(probe_log "slow/" 30)
expect_true "restored when the program ends" [ -n "$(wait_window '^Actions$' 30)" ]

click_button 8
expect_true "menu switch" [ -n "$(wait_window '^Second$' 60)" ]
click_button 1
expect_true "the exit button of the second menu ends the player" e2e_wait_exit 60

# err.txt silences the file-not-found and no-viewer messages.
printf 'False\r\nFalse\r\nTrue\r\n' >"$E2E_DISC/err.txt"
start
click_button 6
sleep 5
expect_eq "err.txt: no file-not-found message" "$(find_window '^Orvane$')" ""
click_button 12
sleep 5
expect_eq "err.txt: no no-viewer message" "$(find_window '^Orvane$')" ""
click_button 13
expect_true "CloseAfter ends the player" e2e_wait_exit 60

# The drive-wide search's progress window: the player in D:\sub\ (its own tree is searched
# first, without the window) and eleven thousand folders on the disc, whose search Alt+C cancels
# before it ends; two links back to their own folder make it endless where the file system
# follows them. Button 6's hidden file is searched for, and the missing file is reported.
rm -f "$E2E_DISC/err.txt"
mkdir -p "$E2E_DISC/sub" "$E2E_DISC"/many/{0..9}/{0..9}/{0..9}/{0..9}
cp "$E2E_DISC/orvane.exe" "$E2E_DISC/sub/"
ln -s . "$E2E_DISC/many/a"
ln -s . "$E2E_DISC/many/b"
E2E_PLAYER='D:\sub\orvane.exe' start
click_button 6
search=$(wait_window '^ Target not found\.\.\. searching:$' 60)
expect_true "the progress window shows with its caption" [ -n "$search" ]
if [ -n "$search" ]; then
  read -r sx sy _ _ <<<"$(window_geometry "$search")"
  screenshot "$E2E_WORK/search.png"
  xdotool windowactivate --sync "$search" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers alt+c
  expect_true "Alt+C ends the search" \
    wait_until 20 sh -c "! xdotool search --onlyvisible --name '^ Target not found' | grep -q ."
  ink=$(count_colour "$E2E_WORK/search.png" $((sx + 8)) $((sy + 8)) 450 13 0 0 0)
  expect_true "the progress window showed the folder ($ink dark pixels)" [ "$ink" -gt 20 ]
fi
seen=$(read_dialog '^Orvane$' 20)
expect_true "the cancelled search ends in the file-not-found message ($seen)" \
  grep -q '^Orvane cannot find the specified file:' <<<"$seen"
rm -rf "$E2E_DISC/many"

e2e_stop_player
e2e_finish
