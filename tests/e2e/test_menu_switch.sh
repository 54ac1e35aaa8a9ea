#!/usr/bin/env bash
# Loading a second menu through a push button: a menu with fewer buttons leaves no control of the
# first on screen; a menu whose header is refused brings the menu that was shown back, whole.
source "$(dirname "$0")/lib.sh"
e2e_start_display
shot="$E2E_WORK/screen.png"
probe() { python3 "$E2E_HERE/image_probe.py" "$@"; }

# ---- four buttons, then one -----------------------------------------------------------------
e2e_make_disc buttons
if menu_shows "buttons" '^Buttons$'; then
  xdotool mousemove --sync 80 35 click 1   # the push button "&Setup" switches to few.mnu
  if [ -z "$(wait_window '^Few$' 60)" ]; then
    fail "fewer buttons: the push button did not switch menus"
  else
    wait_until 20 sh -c "import -window root '$shot' && [ \"\$(python3 '$E2E_HERE/image_probe.py' count '$shot' 250 200 60 40 255 0 255)\" = 0 ]" || true
    screenshot "$shot"
    expect_eq "fewer buttons: no push button frame left" "$(pixel "$shot" 20 35)" "255 255 255"
    expect_eq "fewer buttons: no label text left" "$(probe count "$shot" 0 0 400 240 255 0 0)" 0
    expect_eq "fewer buttons: no image button left" "$(probe count "$shot" 0 0 400 300 255 0 255)" 0
    expect_eq "fewer buttons: white above the new button" \
      "$(probe count "$shot" 0 0 400 240 255 255 255)" $((400 * 240))
    only=$(probe box "$shot" 20 250 80 20 0 255 0)
    expect_true "fewer buttons: the new label button is there ($only)" [ "$only" != none ]
  fi
fi
e2e_stop_player

# ---- a refused menu after a shown one -----------------------------------------------------------
OLD='This is not an Orvane Version 6 or above file. If you have created the menu in a previous version of Orvane, you can use the Menu Conversion Wizard available from Tarvek Software'"'"'s site to convert the file to Version 6 format.'
e2e_make_disc two-menus
if menu_shows "refused header" '^Main Menu$'; then
  xdotool mousemove --sync $((362 + 50)) $((284 + 25)) click 1   # "&Old menu" at (10, 10)
  expect_eq "refused header: version notice" "$(read_dialog '^Orvane$' 60)" "$OLD"
  expect_eq "refused header: second message" "$(read_dialog '^Orvane$' 60)" "Menu could not be read."
  back=$(wait_window '^Main Menu$' 30)
  if [ -n "$back" ]; then pass "refused header: the first menu is shown again"; else
    fail "refused header: the window stayed hidden"; fi
  if [ -n "$back" ]; then
    expect_eq "refused header: same place and size" "$(window_geometry "$back")" "362 284 300 200"
    screenshot "$shot"
    expect_eq "refused header: its background" "$(pixel "$shot" $((362 + 200)) $((284 + 150)))" "0 255 0"
    expect_true "refused header: its push button" [ "$(pixel "$shot" $((362 + 10)) $((284 + 25)))" != "0 255 0" ]
  fi
  if player_running; then pass "refused header: the player keeps running"; else
    fail "refused header: the player ended"; fi
fi
e2e_stop_player

e2e_finish
