#!/usr/bin/env bash
# The title scroller moves the caption one character every 160 ms through "Demo" and five spaces;
# the clock label ticks every second.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_make_disc title-clock

open_menu '^(Demo|.*D.*e.*)$'

# Poll the caption for a few seconds; keep every change.
names=()
last=""
end=$((SECONDS + 6))
while [ "$SECONDS" -lt "$end" ]; do
  name=$(window_name "$menu_id" || true)
  if [ "$name" != "$last" ]; then names+=("$name"); last=$name; fi
  sleep 0.03
done

# Every caption seen must be one of the ten forms, and successive ones must follow in the
# scroller's order (a slow poll may miss some, never reorder them).
verdict=$(python3 - "${names[@]}" <<'PY'
import sys
marquee = "Demo     "
forms = [marquee[p - 1:] + marquee[:p] for p in range(1, len(marquee) + 1)]
seen = [n for n in sys.argv[1:] if n != "Demo"]  # the plain title shows before the first tick
if len(seen) < 5:
    print("only %d scrolled captions: %r" % (len(seen), seen)); sys.exit()
positions = []
for n in seen:
    if n not in forms:
        print("unexpected caption %r" % n); sys.exit()
    positions.append(forms.index(n))
steps = [(b - a) % len(forms) for a, b in zip(positions, positions[1:])]
if any(s == 0 or s > 3 for s in steps):
    print("captions out of order: %r" % seen); sys.exit()
if set(positions) != set(range(len(forms))) and len(seen) < 12:
    print("the scroller did not wrap: %r" % seen); sys.exit()
print("ok")
PY
)
expect_eq "title scroller: captions in sequence" "$verdict" ok
if printf '%s\n' "${names[@]}" | grep -qx 'Demo     D'; then pass "title scroller: 'Demo     D' came up"; else
  fail "title scroller: 'Demo     D' never came up in: $(printf "'%s' " "${names[@]}")"; fi

# The time label at (10, 10) changes from one second to the next; the date label shows text.
shot1="$E2E_WORK/clock1.png" shot2="$E2E_WORK/clock2.png"
screenshot "$shot1"
changed=no
for _ in $(seq 20); do
  sleep 0.5
  screenshot "$shot2"
  if ! /usr/bin/compare -metric AE "$shot1[100x25+0+0]" "$shot2[100x25+0+0]" null: 2>/dev/null; then
    changed=yes
    break
  fi
done
expect_eq "clock: the time label ticks" "$changed" yes
dark=$(python3 "$E2E_HERE/image_probe.py" count "$shot2" 0 60 150 30 0 0 0)
expect_true "clock: the date label shows text ($dark black pixels)" [ "$dark" -gt 20 ]
window_top=$(window_geometry "$menu_id")
expect_eq "clock: window at the top-left corner" "$window_top" "0 0 300 120"

e2e_stop_player
e2e_finish
