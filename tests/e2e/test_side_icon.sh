#!/usr/bin/env bash
# The side icon: an icon file named like the executable (orvane.ico next to orvane.exe, found in
# any letter case) replaces the built-in icon; without one the built-in icon stays. The window's
# icon is read from the X property that Wine fills from it. The About window keeps the built-in
# picture either way.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_make_disc two-menus

RED=4294901760  # 0xFFFF0000, opaque red as ARGB

# Pixels of the window's icons that are opaque red.
red_icon_pixels() {
  xprop -id "$1" -f _NET_WM_ICON 32c '=$0+\n' _NET_WM_ICON 2>/dev/null | tr ',' '\n' |
    tr -d ' ' | grep -cx "$RED" || true
}

# A 32 x 32 icon, opaque red, 32 bits per pixel.
write_red_icon() {
  python3 - "$1" <<'PY'
import struct, sys
size = 32
pixels = struct.pack("<I", 0xFFFF0000) * (size * size)
mask = b"\0" * (4 * size)
image = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0) + pixels + mask
with open(sys.argv[1], "wb") as f:
    f.write(struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22) + image)
PY
}

if menu_shows "built-in" '^Main Menu$'; then
  builtin=$(red_icon_pixels "$menu_id")
  expect_eq "built-in icon: no red pixels" "$builtin" 0
  expect_true "built-in icon: an icon is set" xprop -id "$menu_id" _NET_WM_ICON
fi
e2e_stop_player

write_red_icon "$E2E_DISC/ORVANE.ICO"
if menu_shows "side icon" '^Main Menu$'; then
  wait_until 20 sh -c "[ \$(xprop -id $menu_id -f _NET_WM_ICON 32c '=\$0+\n' _NET_WM_ICON | tr ',' '\n' | tr -d ' ' | grep -cx $RED) -ge 1024 ]" || true
  side=$(red_icon_pixels "$menu_id")
  expect_true "side icon: the window carries it ($side red pixels)" [ "$side" -ge 1024 ]
  # The About window (from the background's context menu) still shows the built-in picture, a
  # blue disc with a pale ring, in its 32 x 32 icon at (14, 16).
  about=""
  for attempt in 1 2 3 4 5; do
    xdotool mousemove --sync $((362 + 200)) $((284 + 150)) click 3
    sleep 0.5
    xdotool mousemove --sync $((362 + 215)) $((284 + 160)) click 1
    about=$(wait_window '^About$' 15)
    [ -n "$about" ] && break
    xdotool key Escape
  done
  if [ -z "$about" ]; then fail "side icon: no About window"; else
    read -r ax ay _ _ <<<"$(window_geometry "$about")"
    sleep 1
    screenshot "$E2E_WORK/about.png"
    # A margin around the icon's place: the window manager's frame may shift the client a little.
    red=$(count_colour "$E2E_WORK/about.png" $((ax + 4)) $((ay + 6)) 52 52 255 0 0)
    ring=$(count_colour "$E2E_WORK/about.png" $((ax + 4)) $((ay + 6)) 52 52 200 235 250)
    expect_true "side icon: About shows the built-in picture ($red red, $ring ring pixels)" \
      [ "$red" -eq 0 -a "$ring" -ge 100 ]
  fi
fi
e2e_stop_player

e2e_finish
