# Results, polling, windows and pixels: the part of the test harness that needs no player. Sourced
# by lib.sh (the end-to-end tests) and by the Windows checks of the message dialog and the About
# window, which drive probe programs of their own.

checks_passed=0
checks_failed=0

# ---- results --------------------------------------------------------------------------------
pass() { checks_passed=$((checks_passed + 1)); echo "ok: $1"; }
fail() { checks_failed=$((checks_failed + 1)); echo "FAIL: $1"; }
# expect_eq WHAT ACTUAL EXPECTED
expect_eq() {
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: expected '$3', saw '$2'"; fi
}
# expect_true WHAT COMMAND...
expect_true() {
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
# finish_checks NAME: prints the counts; true when something passed and nothing failed.
finish_checks() {
  echo "$1: $checks_passed passed, $checks_failed failed"
  [ "$checks_failed" -eq 0 ] && [ "$checks_passed" -gt 0 ]
}

# ---- polling --------------------------------------------------------------------------------
# wait_until SECONDS COMMAND...: true as soon as the command succeeds, false after the time-out.
wait_until() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  while [ "$SECONDS" -lt "$end" ]; do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.2
  done
  "$@" >/dev/null 2>&1
}

# end_process PID SECONDS: gives a process this test started the time to end by itself, then ends
# it by its id.
end_process() {
  [ -n "$1" ] || return 0
  wait_until "$2" sh -c "! kill -0 $1" || kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# ---- windows --------------------------------------------------------------------------------
# find_window NAME_REGEX: the first visible window whose name matches.
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
window_shown() { [ -n "$(find_window "$1")" ]; }
# wait_window NAME_REGEX SECONDS: prints the window id, or nothing after the time-out.
wait_window() {
  if wait_until "$2" window_shown "$1"; then find_window "$1"; fi
}
# window_geometry ID: "X Y WIDTH HEIGHT"
window_geometry() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}
window_name() { xdotool getwindowname "$1" 2>/dev/null; }
# close_window ID: closes a window this test brought up as its user would (Alt+F4); when it stays,
# its program is ended through that window (the display is the test's own).
close_window() {
  [ -n "$1" ] || return 0
  xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4 >/dev/null 2>&1 || true
  wait_until 10 sh -c "! xdotool search --onlyvisible --name . | grep -qx '$1'" ||
    xdotool windowkill "$1" 2>/dev/null || true
}

# ---- sounds ---------------------------------------------------------------------------------
# alsa_to_file HOME FILE: ALSA's default device, for programs started with this HOME, appends
# every sample it is given, unchanged, to FILE.
alsa_to_file() {
  printf 'pcm.!default {\n  type file\n  slave.pcm "null"\n  file "| cat >> %s"\n  format "raw"\n}\n' \
    "$2" >"$1/.asoundrc"
}

# ---- pictures -------------------------------------------------------------------------------
# screenshot FILE: the whole screen.
screenshot() { import -window root "$1"; }
# pixel FILE X Y: "R G B", 0..255 each.
pixel() {
  /usr/bin/convert "$1" -crop "1x1+$2+$3" +repage -depth 8 -format '%[fx:int(255*r+.5)] %[fx:int(255*g+.5)] %[fx:int(255*b+.5)]' info:
}
