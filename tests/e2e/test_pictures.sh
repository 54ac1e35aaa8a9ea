#!/usr/bin/env bash
# The background's pixels on screen: top row first, red and blue where they belong; a shaped menu
# lets the desktop (black on this display) show through the pixels its outline cuts.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_make_disc pictures
shot="$E2E_WORK/screen.png"

WHITE="255 255 255" RED="255 0 0" GREEN="0 255 0" BLUE="0 0 255" YELLOW="255 255 0" DESK="0 0 0"

# The 200 x 100 quadrant picture at the top-left corner of the screen: white top row, red, green,
# blue and yellow quadrants.
if menu_shows "plain" '^Quadrants$' plain.mnu; then
  wait_until 20 sh -c "import -window root '$shot' && [ \"\$(/usr/bin/convert '$shot' -crop 1x1+150+75 +repage -depth 8 -format '%[fx:int(255*r)]' info:)\" = 255 ]" || true
  screenshot "$shot"
  expect_eq "plain: top row" "$(pixel "$shot" 100 0)" "$WHITE"
  expect_eq "plain: row 1 is red, not white" "$(pixel "$shot" 10 1)" "$RED"
  expect_eq "plain: top left" "$(pixel "$shot" 50 25)" "$RED"
  expect_eq "plain: top right" "$(pixel "$shot" 150 25)" "$GREEN"
  expect_eq "plain: bottom left" "$(pixel "$shot" 50 75)" "$BLUE"
  expect_eq "plain: bottom right corner" "$(pixel "$shot" 199 99)" "$YELLOW"
  expect_eq "plain: red pixels" "$(count_colour "$shot" 0 0 200 100 255 0 0)" $((100 * 49))
  expect_eq "plain: nothing of the window right of it" "$(pixel "$shot" 200 50)" "$DESK"
fi
e2e_stop_player

# The shaped variant cuts x 0..9 of the top row and the block x 30..69, y 10..39.
if menu_shows "shaped" '^Shaped$' shaped.mnu; then
  wait_until 20 sh -c "import -window root '$shot' && [ \"\$(/usr/bin/convert '$shot' -crop 1x1+150+75 +repage -depth 8 -format '%[fx:int(255*r)]' info:)\" = 255 ]" || true
  screenshot "$shot"
  expect_eq "shaped: cut top row start" "$(pixel "$shot" 5 0)" "$DESK"
  expect_eq "shaped: kept top row" "$(pixel "$shot" 15 0)" "$WHITE"
  expect_eq "shaped: cut block" "$(pixel "$shot" 50 25)" "$DESK"
  expect_eq "shaped: cut block, its last pixel" "$(pixel "$shot" 69 39)" "$DESK"
  expect_eq "shaped: kept next to the block" "$(pixel "$shot" 70 39)" "$RED"
  expect_eq "shaped: kept below the block" "$(pixel "$shot" 50 40)" "$RED"
  expect_eq "shaped: black pixels of the cut" "$(count_colour "$shot" 0 0 100 50 0 0 0)" $((10 + 40 * 30))
  expect_eq "shaped: green quadrant whole" "$(pixel "$shot" 150 45)" "$GREEN"

  # Its push button switches to the rectangular menu, which is whole again.
  xdotool mousemove --sync 140 22 click 1
  if [ -n "$(wait_window '^Quadrants$' 60)" ]; then
    wait_until 20 sh -c "import -window root '$shot' && [ \"\$(/usr/bin/convert '$shot' -crop 1x1+50+25 +repage -depth 8 -format '%[fx:int(255*r)]' info:)\" = 255 ]" || true
    screenshot "$shot"
    expect_eq "rectangular after shaped: top row start" "$(pixel "$shot" 5 0)" "$WHITE"
    expect_eq "rectangular after shaped: block" "$(pixel "$shot" 50 25)" "$RED"
    expect_eq "rectangular after shaped: no black left" "$(count_colour "$shot" 0 0 200 100 0 0 0)" 0
    expect_eq "rectangular after shaped: geometry" "$(window_geometry "$(find_window '^Quadrants$')")" "0 0 200 100"
  else
    fail "rectangular after shaped: the push button did not switch menus"
  fi
fi
e2e_stop_player

e2e_finish
