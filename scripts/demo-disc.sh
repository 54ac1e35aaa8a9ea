#!/usr/bin/env bash
# Builds the demo disc from demo/: draws the art, compiles the menus and packs them into the
# player, then checks the disc. Used by demo.sh and by the performance record.
#
#   scripts/demo-disc.sh ORVANE_PACK ORVANE_EXE FOLDER
#
# Leaves FOLDER/demo-src (sources with the art), FOLDER/demo-menus (the menu files) and
# FOLDER/demo-disc (orvane.exe with the menus, and the disc's documents).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="$1"
player="$2"
sources="$3/demo-src"
menus="$3/demo-menus"
disc="$3/demo-disc"

echo "== drawing the art"
rm -rf "$sources" "$menus" "$disc"
python3 "$root/demo/draw_art.py" "$sources"
cp "$root"/demo/*.json "$sources/"

echo "== building the disc"
"$tool" build "$sources/main.json" "$sources/tour.json" "$sources/languages.json" -o "$menus"
mkdir -p "$disc"
cp -R "$root/demo/disc/." "$disc/"
"$tool" pack "$player" "$menus/main.mnu" "$menus/tour.mnu" "$menus/languages.mnu" -o "$disc/orvane.exe"
"$tool" check "$disc"
# The same menus as web pages beside the player, for the computers that cannot run it.
"$tool" html "$disc/orvane.exe" -o "$disc"
