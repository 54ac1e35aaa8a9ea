#!/usr/bin/env bash
# Which menu start-up shows: the first packed menu without an argument, else the menu named by the
# bare file name of the first argument, whatever folder or drive stands before it.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_make_disc two-menus

# show_case WHAT EXPECTED_TITLE [ARGUMENT]
show_case() {
  local what=$1 title=$2
  shift 2
  e2e_start_player "$@"
  local id
  id=$(wait_window "^${title}\$" 90)
  if [ -n "$id" ]; then pass "$what: '$title' is shown"; else
    fail "$what: '$title' never appeared (windows: $(xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do printf "'%s' " "$(window_name "$w")"; done))"
  fi
  if window_shown '^(Orvane|Warning|Error|Information)$'; then fail "$what: a message came up"; fi
  e2e_stop_player
}

show_case "no argument" "Main Menu"
show_case 'C:\menus\Second.mnu' "Second Menu" 'C:\menus\Second.mnu'
show_case "Second.mnu" "Second Menu" 'Second.mnu'
show_case "C:Second.mnu" "Second Menu" 'C:Second.mnu'
show_case "upper case SECOND.MNU" "Second Menu" 'SECOND.MNU'

e2e_finish
