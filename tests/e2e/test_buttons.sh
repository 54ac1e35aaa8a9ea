#!/usr/bin/env bash
# Push, label and image buttons where the menu puts them, with their captions and fonts: a push
# button "&Setup" at (20, 20) 120 x 30, the label "Install" in red at 8 points at (20, 100) and at
# 20 points bold at (200, 100), and a 60 x 40 magenta image button at (250, 200), on a white
# 400 x 300 background at the top-left corner of the screen.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_make_disc buttons
shot="$E2E_WORK/screen.png"
probe() { python3 "$E2E_HERE/image_probe.py" "$@"; }

open_menu '^Buttons$'
wait_until 20 sh -c "import -window root '$shot' && [ \"\$(python3 '$E2E_HERE/image_probe.py' count '$shot' 250 200 60 40 255 0 255)\" = 2400 ]" || true
screenshot "$shot"

# Push button: its frame runs along its bounds (the face itself may be as light as the
# background), the background shows right around it, and its caption is drawn in the middle.
for point in "20 35" "139 35" "80 20" "80 49"; do
  expect_true "push button: frame at ($point)" [ "$(pixel "$shot" $point)" != "255 255 255" ]
done
expect_eq "push button: background left of it" "$(pixel "$shot" 19 35)" "255 255 255"
expect_eq "push button: background right of it" "$(pixel "$shot" 140 35)" "255 255 255"
expect_eq "push button: background below it" "$(pixel "$shot" 80 50)" "255 255 255"
caption=$(probe box "$shot" 24 24 112 22 0 0 0)
expect_true "push button: caption drawn inside ($caption)" [ "$caption" != none ]

# Labels: red text inside their bounds, left-aligned; the 20-point bold one is far larger. A label
# button is an opaque label in the window's colour, as the platform's labels are by default.
small=$(probe box "$shot" 20 100 150 40 255 0 0)
big=$(probe box "$shot" 200 100 190 60 255 0 0)
if [ "$small" = none ] || [ "$big" = none ]; then
  fail "labels: no red text (small: $small, big: $big)"
else
  read -r sl st sr sb <<<"$small"
  read -r bl bt br bb <<<"$big"
  expect_true "small label starts at its left edge ($sl)" [ "$sl" -ge 20 -a "$sl" -le 26 ]
  expect_true "big label starts at its left edge ($bl)" [ "$bl" -ge 200 -a "$bl" -le 206 ]
  expect_true "big label is over twice as tall ($((bb - bt + 1)) vs $((sb - st + 1)))" \
    [ $((bb - bt + 1)) -gt $((2 * (sb - st + 1))) ]
  expect_true "big label is over twice as wide ($((br - bl + 1)) vs $((sr - sl + 1)))" \
    [ $((br - bl + 1)) -gt $((2 * (sr - sl + 1))) ]
fi
red_all=$(probe count "$shot" 0 0 400 300 255 0 0)
red_labels=$(( $(probe count "$shot" 20 100 150 40 255 0 0) + $(probe count "$shot" 200 100 190 60 255 0 0) ))
expect_eq "no red outside the labels" "$red_all" "$red_labels"

# Image button: its normal picture, exactly at its place.
expect_eq "image button: picture at its bounds" "$(probe count "$shot" 250 200 60 40 255 0 255)" 2400
expect_eq "image button: nowhere else" "$(probe count "$shot" 0 0 400 300 255 0 255)" 2400
expect_eq "image button: first pixel" "$(pixel "$shot" 250 200)" "255 0 255"

e2e_stop_player
e2e_finish
