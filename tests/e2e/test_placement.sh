#!/usr/bin/env bash
# Placement codes 0 to 10 and out-of-range codes put a 200 x 150 menu where the arithmetic says on
# the 1024 x 768 screen.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_make_disc placements

# code expected-left expected-top
while read -r code left top; do
  if menu_shows "code $code" "^Place $code\$" "place$code.mnu"; then
    # The window manager may settle the window a moment after it is mapped.
    wait_until 10 sh -c "[ \"\$(xdotool getwindowgeometry --shell $menu_id | grep -E '^(X|Y)=' | tr '\n' ' ')\" = 'X=$left Y=$top ' ]" || true
    expect_eq "code $code: left top width height" "$(window_geometry "$menu_id")" "$left $top 200 150"
  fi
  e2e_stop_player
done <<'CASES'
0 412 309
1 0 0
2 824 0
3 0 618
4 824 618
5 156 117
6 668 117
7 156 501
8 668 501
9 274 117
10 496 117
11 412 309
-3 412 309
CASES

e2e_finish
