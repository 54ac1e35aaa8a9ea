#!/usr/bin/env bash
# The background's context menu: a right click on the menu's background opens it, its one item
# "About" opens an About window, and a second use opens another one while the menu stays usable.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_make_disc two-menus

about_windows() { xdotool search --onlyvisible --name '^About$' 2>/dev/null | wc -l; }

open_menu '^Main Menu$'
# Main Menu is centred: 300 x 200 at (362, 284); (362 + 200, 284 + 150) is plain background.
for round in 1 2; do
  opened=no
  # The popup opens at the pointer and its first item lies just below and right of it; on a slow
  # machine the popup may not be up when the item is clicked, so the pair is tried again until
  # the About window shows.
  for attempt in 1 2 3 4 5; do
    xdotool mousemove --sync $((362 + 200)) $((284 + 150)) click 3
    sleep 0.5
    xdotool mousemove --sync $((362 + 215)) $((284 + 160)) click 1
    if wait_until 15 sh -c "[ \$(xdotool search --onlyvisible --name '^About\$' 2>/dev/null | wc -l) -ge $round ]"; then
      opened=yes
      break
    fi
    xdotool key Escape
  done
  if [ "$opened" = yes ]; then pass "About window number $round opened"; else
    fail "About window number $round did not open ($(about_windows) open)"; fi
  # Move the About windows out of the way of the next right click.
  for w in $(xdotool search --onlyvisible --name '^About$' 2>/dev/null); do
    xdotool windowmove "$w" 0 0 2>/dev/null || true
  done
done
if window_shown '^Main Menu$'; then pass "the menu stays shown"; else fail "the menu went away"; fi

# "&Close" (81 x 25 at (352, 256) of the window's client area) hides one; the other stays open.
about=$(xdotool search --onlyvisible --name '^About$' 2>/dev/null | tail -n1)
xdotool windowactivate --sync "$about" 2>/dev/null || true
xdotool mousemove --sync --window "$about" $((352 + 40)) $((256 + 12)) click 1
expect_true "\"&Close\" hides one About window" wait_until 15 sh -c "[ \$(xdotool search --onlyvisible --name '^About\$' 2>/dev/null | wc -l) -eq 1 ]"
expect_true "the other About window stays open" window_shown '^About$'

# A right click on a push button opens no menu.
before=$(about_windows)
xdotool mousemove --sync $((362 + 50)) $((284 + 25)) click 3
if wait_until 5 sh -c "[ \$(xdotool search --onlyvisible --name '^About\$' 2>/dev/null | wc -l) -gt $before ]"; then
  fail "a right click on a push button opened an About window"
else
  pass "no About window from a push button"
fi
xdotool key Escape

e2e_stop_player
e2e_finish
