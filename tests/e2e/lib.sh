# Helpers of the end-to-end tests, sourced by every test_*.sh: a private virtual display of
# 1024 x 768 with a window manager (keys reach Wine's windows only with one), the Wine prefix of
# the Windows build with the test's disc folder mapped as drive D:, the player started as
# D:\orvane.exe, and ways to observe it from outside: window names and geometry (xdotool),
# screenshots (ImageMagick), the message dialogs' Ctrl+C text (xclip), and the samples that ALSA
# was given (a file device). Everything that a test starts is ended by the EXIT trap.
#
# The environment comes from CTest: ORVANE_PLAYER_EXE, ORVANE_E2E_FIXTURE, ORVANE_SOURCE.
set -euo pipefail

: "${ORVANE_PLAYER_EXE:?the Windows player (orvane.exe) is needed}"
: "${ORVANE_E2E_FIXTURE:?the fixture program is needed}"
E2E_HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
: "${ORVANE_SOURCE:=$(cd "$E2E_HERE/../.." && pwd)}"

# The Wine prefix lives in the Windows build tree that made the player.
export ORVANE_WIN_BUILD="$(cd "$(dirname "$ORVANE_PLAYER_EXE")/../.." && pwd)"
# shellcheck source=../../scripts/wine-env.sh
source "$ORVANE_SOURCE/scripts/wine-env.sh"
# shellcheck source=../wine_display.sh
source "$E2E_HERE/../wine_display.sh"
# shellcheck source=checks.sh
source "$E2E_HERE/checks.sh"

E2E_NAME="$(basename "$0" .sh)"
E2E_WORK="$(mktemp -d "${TMPDIR:-/tmp}/orvane-$E2E_NAME.XXXXXX")"
E2E_DISC="$E2E_WORK/disc"
E2E_PLAYED="$E2E_WORK/played.raw"   # every sample ALSA received, appended
E2E_KEEP="${ORVANE_E2E_KEEP:-}"      # set to keep the work folder for a look
mkdir -p "$E2E_DISC" "$E2E_WORK/home"

player_pid=""

e2e_cleanup() {
  set +e
  e2e_stop_player
  stop_wine_display
  rm -f "$WINEPREFIX/dosdevices/d:"
  if [ -z "$E2E_KEEP" ]; then rm -rf "$E2E_WORK"; else echo "kept $E2E_WORK"; fi
}
trap e2e_cleanup EXIT

e2e_finish() { finish_checks "$E2E_NAME"; }

# ---- display, window manager, Wine ----------------------------------------------------------
e2e_start_display() {
  start_wine_display "$E2E_WORK" || exit 1
  ensure_wine_prefix
  # Each test runs in its own copy of the build tree's prefix, so that ending the test's Wine
  # processes (wineserver -k) ends nothing that another test or the demo started.
  cp -a "$WINEPREFIX" "$E2E_WORK/prefix" || { echo "could not copy the Wine prefix" >&2; exit 1; }
  export WINEPREFIX="$E2E_WORK/prefix"
  alsa_to_file "$E2E_WORK/home" "$E2E_PLAYED"
}

# e2e_make_disc SCENARIO: the fixture writes orvane.exe with its menus into the disc folder,
# which becomes drive D:.
e2e_make_disc() {
  rm -rf "$E2E_DISC"
  mkdir -p "$E2E_DISC"
  "$ORVANE_E2E_FIXTURE" "$1" "$ORVANE_PLAYER_EXE" "$E2E_DISC"
  ln -sfn "$E2E_DISC" "$WINEPREFIX/dosdevices/d:"
}

# e2e_start_player [ARGUMENT]: D:\orvane.exe (or E2E_PLAYER) with the optional first argument. With
# E2E_WINE_TRACE set to Wine debug channels, Wine's trace of the player (and of what it starts)
# is appended to $E2E_TRACE.
E2E_TRACE="$E2E_WORK/wine-trace.txt"
e2e_start_player() {
  rm -f "$E2E_PLAYED"
  : >"$E2E_PLAYED"
  local debug="${E2E_WINE_TRACE:-$WINEDEBUG}" trace=/dev/null
  [ -n "${E2E_WINE_TRACE:-}" ] && trace="$E2E_TRACE"
  (cd "$E2E_DISC" && HOME="$E2E_WORK/home" WINEDEBUG="$debug" exec wine "${E2E_PLAYER:-D:\\orvane.exe}" "$@" \
    >/dev/null 2>>"$trace") &
  player_pid=$!
}

# menu_shows WHAT TITLE_REGEX [ARGUMENT]: starts the player and waits for its menu window, whose
# id is left in menu_id; false, counted as a failure of WHAT, when it never shows.
menu_shows() {
  local what=$1 title=$2
  shift 2
  e2e_start_player "$@"
  menu_id=$(wait_window "$title" 90)
  [ -n "$menu_id" ] && return 0
  fail "$what: the menu never appeared"
  return 1
}
# open_menu TITLE_REGEX [ARGUMENT]: the same, and the test ends here when the menu never shows.
open_menu() { menu_shows start-up "$@" || { e2e_finish; exit 1; }; }

player_running() { [ -n "$player_pid" ] && kill -0 "$player_pid" 2>/dev/null; }

# e2e_wait_exit SECONDS: true when the player ended in time.
e2e_wait_exit() {
  if wait_until "$1" sh -c "! kill -0 $player_pid"; then
    wait "$player_pid" 2>/dev/null || true
    player_pid=""
    return 0
  fi
  return 1
}

e2e_stop_player() {
  if player_running; then kill "$player_pid" 2>/dev/null || true; fi
  if [ -n "$player_pid" ]; then wait "$player_pid" 2>/dev/null || true; fi
  player_pid=""
  # Ends the Wine processes of this test's private prefix: the player and what it started.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# ---- message dialogs ------------------------------------------------------------------------
# read_dialog CAPTION_REGEX SECONDS: waits for a dialog, copies its text with Ctrl+C, prints the
# message (line breaks written as \r and \n), then closes it with Enter. Prints nothing when no
# such dialog came.
read_dialog() {
  local id
  id=$(wait_window "$1" "$2")
  [ -n "$id" ] || return 0
  printf '' | xclip -selection clipboard
  local text=""
  local attempt
  for attempt in 1 2 3 4 5 6 7 8 9 10; do
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    xdotool key --clearmodifiers ctrl+c
    sleep 0.3
    text=$(xclip -o -selection clipboard 2>/dev/null | python3 "$E2E_HERE/dialog_text.py" message || true)
    [ -n "$text" ] && break
  done
  printf '%s\n' "$text"
  # On a loaded machine a key can be lost: press Return again until the dialog is gone, so that
  # the next read never sees this dialog a second time.
  for attempt in 1 2 3 4; do
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    xdotool key --clearmodifiers Return
    wait_until 8 sh -c "! xdotool search --onlyvisible --name '$1' | grep -qx '$id'" && break
  done
}

# ---- pictures -------------------------------------------------------------------------------
# count_colour FILE X Y W H R G B: pixels of exactly that colour in the rectangle.
count_colour() {
  python3 "$E2E_HERE/image_probe.py" count "$1" "$2" "$3" "$4" "$5" "$6" "$7" "$8"
}
# colour_box FILE X Y W H R G B: "LEFT TOP RIGHT BOTTOM" of the pixels of that colour in the
# rectangle (inclusive), or "none".
colour_box() {
  python3 "$E2E_HERE/image_probe.py" box "$1" "$2" "$3" "$4" "$5" "$6" "$7" "$8"
}
