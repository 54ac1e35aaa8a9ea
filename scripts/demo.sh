#!/usr/bin/env bash
# Builds the demo disc and shows it: installs what is missing, builds the authoring tool (native)
# and the player (Windows), draws the art, builds and packs the menus into build/demo-disc/, checks
# the disc and writes its web pages, then runs the player under Wine: on the real display when there
# is one (close it with its Exit button), otherwise on a virtual display, saving a screenshot to
# docs/demo.png (and one of the pages in headless Chromium to docs/demo-web.png).
# ORVANE_NATIVE_BUILD and ORVANE_WIN_BUILD choose other build trees.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

"$root/scripts/setup.sh"

native="${ORVANE_NATIVE_BUILD:-$root/build/native}"
windows="${ORVANE_WIN_BUILD:-$root/build/windows}"
jobs=$(nproc)

[ -f "$native/CMakeCache.txt" ] || cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$native" -j "$jobs" --target orvane-pack
# shellcheck source=windows-target.sh
source "$root/scripts/windows-target.sh"
[ -f "$windows/CMakeCache.txt" ] || configure_windows_tree . "$windows" "$(windows_test_toolchain "$root")"
cmake --build "$windows" -j "$jobs" --target orvane

tool="$native/src/pack/orvane-pack"
player="$windows/src/win32/orvane.exe"
sources="$root/build/demo-src"
menus="$root/build/demo-menus"
disc="$root/build/demo-disc"

echo "== drawing the art"
rm -rf "$sources" "$menus" "$disc"
python3 "$root/demo/draw_art.py" "$sources"
cp "$root"/demo/*.json "$sources/"

echo "== building the disc"
"$tool" build "$sources/main.json" "$sources/tour.json" -o "$menus"
mkdir -p "$disc"
cp -R "$root/demo/disc/." "$disc/"
"$tool" pack "$player" "$menus/main.mnu" "$menus/tour.mnu" -o "$disc/orvane.exe"
"$tool" check "$disc"
# The same menus as web pages beside the player, for the computers that cannot run it.
"$tool" html "$disc/orvane.exe" -o "$disc"

echo "== showing it"
export ORVANE_WIN_BUILD="$windows"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
ensure_wine_prefix
# The disc folder becomes drive D:, as a CD would be.
ln -sfn "$disc" "$WINEPREFIX/dosdevices/d:"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "running on $DISPLAY; close the menu with its Exit button"
  cd "$disc" && wine 'D:\orvane.exe'
  exit 0
fi

shot="$root/docs/demo.png"
mkdir -p "$root/docs"
if command -v chromium >/dev/null; then
  profile=$(mktemp -d)
  chromium --headless=new --no-sandbox --disable-gpu --disable-background-networking \
    --disable-component-update --disable-sync --no-first-run --hide-scrollbars \
    --force-device-scale-factor=1 --user-data-dir="$profile" --window-size=688,448 \
    --virtual-time-budget=3000 --screenshot="$root/docs/demo-web.png" "file://$disc/index.html" \
    >/dev/null 2>&1 && echo "the pages' screenshot saved to $root/docs/demo-web.png"
  rm -rf "$profile"
fi
export ORVANE_DEMO_SHOT="$shot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
  (cd "$WINEPREFIX/dosdevices/d:" && wine "D:\\orvane.exe" >/dev/null 2>&1) &
  id=""
  for _ in $(seq 1 120); do
    id=$(xdotool search --onlyvisible --name "Aurora Suite 2025" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.5
  done
  status=0
  if [ -z "$id" ]; then
    echo "demo: the menu window did not appear" >&2
    status=1
  else
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$id")"
    # Point at the second image button, then at the first: the first is highlighted already, and
    # only a change of highlight brings up the description and accessory picture of a button.
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    for dy in 260 230 205 200; do xdotool mousemove --sync "$((X + 160))" "$((Y + dy))"; sleep 0.2; done
    sleep 1
    for dy in 170 150 143 140; do xdotool mousemove --sync "$((X + 160))" "$((Y + dy))"; sleep 0.2; done
    sleep 2.5  # the turning ring of its highlight animation
    m=24  # some desktop around the window, so that its rounded corners show
    import -window root -crop "$((WIDTH + 2 * m))x$((HEIGHT + 2 * m))+$((X - m))+$((Y - m))" +repage \
      "$ORVANE_DEMO_SHOT"
    echo "screenshot saved to $ORVANE_DEMO_SHOT"
  fi
  wineserver -k >/dev/null 2>&1 || true
  kill "$wm" 2>/dev/null || true
  exit $status
'
