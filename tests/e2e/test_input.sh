#!/usr/bin/env bash
# Pointer, keys and dragging on the "input" disc: image buttons 1 and 2 (magenta; green when
# highlighted) at (50, 50) and (150, 50), an animated button at (250, 50), black description
# text in (20, 200, 360 x 60); the 400 x 300 menu starts at the top-left corner of the screen.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_make_disc input
shot="$E2E_WORK/screen.png"

# shows X Y W H R G B: the whole rectangle, offset by the window's place, is in that colour.
wx=0
wy=0
shows() {
  screenshot "$shot"
  [ "$(count_colour "$shot" $(($1 + wx)) $(($2 + wy)) "$3" "$4" "$5" "$6" "$7")" = $(($3 * $4)) ]
}
description_ink() {
  screenshot "$shot"
  count_colour "$shot" $((20 + wx)) $((200 + wy)) 360 60 0 0 0
}
move() { xdotool mousemove --sync $(($1 + wx)) $(($2 + wy)); }

open_menu '^Input$'
read -r wx wy _ _ <<<"$(window_geometry "$menu_id")"
move 300 20
wait_until 10 shows 50 50 60 40 255 0 255 || true
idle_ink=$(description_ink)

# Hover: the highlighted picture and the button's longer description.
move 70 60
if wait_until 10 shows 50 50 60 40 0 255 0; then pass "hover shows the highlighted picture"; else
  fail "hover: no highlighted picture"; fi
hover_ink=$(description_ink)
expect_true "hover shows the button's description ($hover_ink vs $idle_ink dark pixels)" \
  [ "$hover_ink" -gt $((idle_ink + 50)) ]

# Back on the background: normal picture and the default description.
move 300 20
if wait_until 10 shows 50 50 60 40 255 0 255; then pass "the background restores the picture"; else
  fail "background: picture not restored"; fi
expect_eq "the background restores the default description" "$(description_ink)" "$idle_ink"

# Released outside the picture: highlighted again, and button 1's menu switch does not run.
move 70 60
xdotool mousedown 1
if wait_until 10 shows 50 50 60 40 0 0 255; then pass "press shows the pressed picture"; else
  fail "press: no pressed picture"; fi
move 300 200
xdotool mouseup 1
if wait_until 10 shows 50 50 60 40 0 255 0; then pass "release outside shows the highlighted picture"; else
  fail "release outside: not highlighted"; fi
sleep 2
expect_eq "release outside runs nothing" "$(window_name "$menu_id")" "Input"

# The animated button's frames advance on screen. The pauses between screenshots differ so that
# the sampling cannot fall into step with the animation and see the same frames every time.
seen=""
for pause in 0.05 0.13 0.21 0.08 0.34 0.17 0.02 0.27 0.11 0.41 0.06 0.19 0.31 0.09 0.23 0.15 0.38 0.04 0.26 0.12; do
  screenshot "$shot"
  seen="$seen $(pixel "$shot" $((270 + wx)) $((70 + wy)) | tr ' ' ,)"
  sleep "$pause"
done
kinds=$(echo $seen | tr ' ' '\n' | sort -u | wc -l)
expect_true "the animated button shows its frames ($kinds colours:$seen)" [ "$kinds" -ge 3 ]

# Keys: the pointer rests on the background; Tab, the arrows and the wheel move the highlight.
# Button 1's keyboard control has held the focus since start-up, so the first Tab moves on to 2.
move 300 200
xdotool windowactivate --sync "$menu_id" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Tab
if wait_until 10 shows 150 50 60 40 0 255 0; then pass "the first Tab highlights button 2"; else
  fail "Tab: button 2 not highlighted"; fi
first_tab_ok=$(shows 50 50 60 40 255 0 255 && echo yes || echo no)
expect_eq "only one button highlighted" "$first_tab_ok" yes
xdotool key --clearmodifiers Right
if wait_until 10 shows 250 50 60 40 0 255 0; then pass "Right moves the highlight"; else
  fail "Right: button 3 not highlighted"; fi
xdotool key --clearmodifiers alt+Left
if wait_until 10 shows 150 50 60 40 0 255 0; then pass "Alt+Left moves the highlight"; else
  fail "Alt+Left: button 2 not highlighted"; fi
xdotool click 5
if wait_until 10 shows 250 50 60 40 0 255 0; then pass "the wheel moves the highlight"; else
  fail "wheel: button 3 not highlighted"; fi
xdotool click 5
if wait_until 10 shows 50 50 60 40 0 255 0; then pass "the wheel wraps to the first button"; else
  fail "wheel: no wrap to button 1"; fi

# Dragging the background from (10, 10) to (60, 30) moves the window by (50, 20).
read -r bx by _ _ <<<"$(window_geometry "$menu_id")"
move 10 10
xdotool mousedown 1
sleep 0.3
xdotool mousemove --sync $((bx + 35)) $((by + 20))
sleep 0.3
xdotool mousemove --sync $((bx + 60)) $((by + 30))
sleep 0.5
xdotool mouseup 1
sleep 0.5
read -r ax ay _ _ <<<"$(window_geometry "$menu_id")"
expect_eq "drag moves the window by (50, 20)" "$((ax - bx)) $((ay - by))" "50 20"
wx=$ax
wy=$ay

# A shortcut key chooses its button: C switches to the menu "Chosen".
xdotool windowactivate --sync "$menu_id" >/dev/null 2>&1 || true
xdotool key --clearmodifiers c
if wait_until 15 window_shown '^Chosen$'; then pass "the shortcut key chose its button"; else
  fail "shortcut C: no menu switch ($(window_name "$menu_id"))"; fi

e2e_stop_player
e2e_finish
