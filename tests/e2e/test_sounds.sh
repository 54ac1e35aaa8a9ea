#!/usr/bin/env bash
# The start sound at start-up and the exit sound played to its end before the program ends: the
# built-in sounds, then side files "start.wav" and "exit.wav" next to the player, which win.
source "$(dirname "$0")/lib.sh"
e2e_start_display
builtin="$ORVANE_WIN_BUILD/src/win32/sounds"
check() { python3 "$E2E_HERE/sound_check.py" "$@"; }

# play_and_close WHAT START_WAV EXIT_WAV
play_and_close() {
  local what=$1 start=$2 exit=$3
  menu_shows "$what" '^Main Menu$' || return 0
  # The start sound does not wait; it has arrived once the file holds its length.
  local length
  length=$(python3 -c "import wave,sys; print(wave.open(sys.argv[1]).getnframes())" "$start")
  wait_until 30 sh -c "[ \$(stat -c %s '$E2E_PLAYED') -ge $length ]" || true
  expect_eq "$what: start sound at start-up" "$(check starts-with "$E2E_PLAYED" "$start")" yes
  # Alt+F4 closes the borderless window; its closing steps play the exit sound.
  xdotool windowactivate --sync "$menu_id" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers alt+F4
  if e2e_wait_exit 60; then pass "$what: the program ends"; else fail "$what: the program still runs"; fi
  expect_eq "$what: exit sound whole before the end" "$(check ends-with "$E2E_PLAYED" "$exit")" yes
  e2e_stop_player
}

e2e_make_disc two-menus
play_and_close "built-in" "$builtin/start.wav" "$builtin/exit.wav"

check write-tone "$E2E_DISC/start.wav" 600 0.3
check write-tone "$E2E_DISC/exit.wav" 300 0.4
play_and_close "side files" "$E2E_DISC/start.wav" "$E2E_DISC/exit.wav"

e2e_finish
