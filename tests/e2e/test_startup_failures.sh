#!/usr/bin/env bash
# Start-up failures of the real player: each broken disc shows its messages in order, with their
# wording, and then the program ends without showing a menu.
source "$(dirname "$0")/lib.sh"
e2e_start_display

ADDRESS="Invalid menu address."
PACKED="Could not retrieve packed files"
INTERNAL="Error in loading internal menu."
NOT_READ="Menu could not be read."
OLD='This is not an Orvane Version 6 or above file. If you have created the menu in a previous version of Orvane, you can use the Menu Conversion Wizard available from Tarvek Software'"'"'s site to convert the file to Version 6 format.'

# run_case NAME SCENARIO ARGUMENT EXPECTED_MESSAGE...
run_case() {
  local name=$1 scenario=$2 argument=$3
  shift 3
  e2e_make_disc "$scenario"
  if [ -n "$argument" ]; then e2e_start_player "$argument"; else e2e_start_player; fi
  local expected seen
  for expected in "$@"; do
    seen=$(read_dialog '^Orvane$' 90)
    expect_eq "$name: message" "$seen" "$expected"
  done
  if e2e_wait_exit 60; then pass "$name: the program ends"; else fail "$name: the program still runs"; fi
  if window_shown '^(Main Menu|Second Menu|Old)$'; then fail "$name: a menu was shown"; else
    pass "$name: no menu shown"; fi
  e2e_stop_player
}

run_case "missing container" no-container "" "$PACKED" "$INTERNAL"
run_case "trailer at 0" trailer-zero "" "$ADDRESS" "$INTERNAL"
run_case "trailer past the end" trailer-past-end "" "$ADDRESS" "$INTERNAL"
run_case "wrong magic" wrong-magic "" "$PACKED" "$INTERNAL"
run_case "empty directory" empty-directory "" 'Could not locate specified package:\r\r' "$NOT_READ"
run_case "unknown menu name" two-menus 'E:\extra\Nothing.MNU' \
  'Could not locate specified package:\r\rnothing.mnu' "$NOT_READ"
# A refused first menu: with no menu ever shown there is nothing to go back to, so the player
# ends instead of staying hidden.
run_case "old version" old-version "" "$OLD" "$NOT_READ"

e2e_finish
