# Sourced by the tests that drive Wine's windows: a private X display of 1024 x 768 with a window
# manager (without one, keys never reach Wine's windows). Sets DISPLAY.

wine_display_xvfb=""
wine_display_wm=""

# wine_display_poll SECONDS COMMAND...: true as soon as the command succeeds.
wine_display_poll() {
  local tenths=$(($1 * 10))
  shift
  local i
  for ((i = 0; i < tenths; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  "$@" >/dev/null 2>&1
}

# start_wine_display FOLDER: the display's number is kept in FOLDER/display.
start_wine_display() {
  local fd_file="$1/display"
  rm -f "$fd_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
  wine_display_xvfb=$!
  wine_display_poll 30 test -s "$fd_file" || { echo "Xvfb did not start"; return 1; }
  export DISPLAY=":$(head -n1 "$fd_file")"
  # openbox owns the window manager selection once it is ready. On a loaded machine it has been
  # seen to die before taking it, so a start that does not come up is tried again.
  local attempt
  for attempt in 1 2 3; do
    openbox >/dev/null 2>&1 &
    wine_display_wm=$!
    if wine_display_poll 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
      return 0
    fi
    kill "$wine_display_wm" 2>/dev/null || true
    wait "$wine_display_wm" 2>/dev/null || true
  done
  echo "openbox did not start"
  return 1
}

stop_wine_display() {
  [ -n "$wine_display_wm" ] && kill "$wine_display_wm" 2>/dev/null
  [ -n "$wine_display_xvfb" ] && kill "$wine_display_xvfb" 2>/dev/null
  wine_display_wm=""
  wine_display_xvfb=""
  return 0
}
