#!/usr/bin/env bash
# The release packages as a new author gets them, made by the release target of the native tree:
# - the Windows zip unpacked in a temporary folder: its orvane-pack.exe, under Wine, builds the
#   demo from the zip's own sources and packs it with its default player (the orvane.exe beside
#   it); that player equals, byte for byte, the one the native tool packs from the same sources;
#   the player's version resource carries the project's version;
# - the Debian package unpacked with dpkg-deb -x into a temporary root: its orvane-pack tells the
#   version and packs with its default player (under the root's /usr/share/orvane); lintian
#   finds no error in the package;
# - SHA256SUMS matches both.
# Environment (from CTest): ORVANE_NATIVE_BUILD, ORVANE_SOURCE, ORVANE_VERSION, ORVANE_PLAYER_EXE.
set -euo pipefail
: "${ORVANE_NATIVE_BUILD:?}" "${ORVANE_SOURCE:?}" "${ORVANE_VERSION:?}" "${ORVANE_PLAYER_EXE:?}"
export ORVANE_WIN_BUILD="$(cd "$(dirname "$ORVANE_PLAYER_EXE")/../.." && pwd)"
# shellcheck source=../../scripts/wine-env.sh
source "$ORVANE_SOURCE/scripts/wine-env.sh"
ensure_wine_prefix

work="$(mktemp -d "${TMPDIR:-/tmp}/orvane-release.XXXXXX")"
trap 'rm -rf "$work"' EXIT
failed=0
check() {  # check WHAT COMMAND...
  local what="$1"
  shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failed=$((failed + 1)); fi
}

cmake --build "$ORVANE_NATIVE_BUILD" --target release >"$work/release.log" 2>&1 ||
  { cat "$work/release.log"; echo "FAIL: the release target"; exit 1; }
release="$ORVANE_NATIVE_BUILD/release"
zip="$release/orvane-$ORVANE_VERSION-windows.zip"
deb="$release/orvane-pack_${ORVANE_VERSION}_amd64.deb"
check "SHA256SUMS matches both packages" bash -c "cd '$release' && sha256sum --quiet -c SHA256SUMS"
echo "sizes: $(stat -c '%n %s bytes' "$zip" "$deb" | sed "s|$release/||" | paste -sd ';' | sed 's/;/; /')"

# ---- the zip, under Wine ----------------------------------------------------------------------
unzip -q "$zip" -d "$work/zip"
top="$work/zip/orvane-$ORVANE_VERSION-windows"
for f in orvane.exe orvane-pack.exe START-HERE.txt LICENSE.txt docs/authoring.md demo/main.json \
         demo/main_background.png demo/disc/docs/readme.txt; do
  check "the zip holds $f" test -f "$top/$f"
done
check "both programs are 32-bit Windows programs" \
  bash -c "file '$top/orvane.exe' '$top/orvane-pack.exe' | grep -c 'PE32 executable.*Intel 80386' | grep -qx 2"
check "the player's version resource says $ORVANE_VERSION.0" python3 -c "
import sys
data = open(sys.argv[1], 'rb').read()
name = data.find('FileVersion\0'.encode('utf-16-le'))  # the value follows, 32-bit aligned
sys.exit(0 if name > 0 and '$ORVANE_VERSION.0\0'.encode('utf-16-le') in data[name:name + 64] else 1)" "$top/orvane.exe"
tool="orvane-pack.exe"
if ! wine_runs_32bit; then
  # The zip's own tool is 32-bit; this machine runs only 64-bit Windows programs.
  echo "NOTE: $(no_32bit_reason): running the x86_64 build of orvane-pack.exe with the zip's contents"
  cp "$ORVANE_WIN_BUILD/src/pack/orvane-pack.exe" "$top/orvane-pack-x86_64.exe"
  tool="orvane-pack-x86_64.exe"
fi
menus=(main tour languages)  # the demo's menus, the first shown first
(cd "$top/demo" && wine "../$tool" build "${menus[@]/%/.json}" -o ../menus &&
   cd ../menus && wine "../$tool" pack "${menus[@]/%/.mnu}" -o ../disc/orvane.exe) >"$work/wine.log" 2>&1 ||
  cat "$work/wine.log"
check "the zip's tool says it packs the player beside it" grep -q "using the player shipped with the tool: .*orvane.exe" "$work/wine.log"
native="$ORVANE_NATIVE_BUILD/src/pack/orvane-pack"
(cd "$top/demo" && "$native" build "${menus[@]/%/.json}" -o "$work/menus" >/dev/null)
(cd "$work/menus" && "$native" pack "$top/orvane.exe" "${menus[@]/%/.mnu}" -o "$work/native.exe" >/dev/null)
check "the packed player equals the native tool's, byte for byte" cmp "$top/disc/orvane.exe" "$work/native.exe"

# ---- the Debian package -----------------------------------------------------------------------
dpkg-deb -x "$deb" "$work/root"
packaged="$work/root/usr/bin/orvane-pack"
check "the package's tool tells the version" test "$("$packaged" --version)" = "orvane-pack $ORVANE_VERSION"
check "the manual page is there" test -s "$work/root/usr/share/man/man1/orvane-pack.1.gz"
(cd "$work/root/usr/share/orvane/demo" &&
   "$packaged" build "${menus[@]/%/.json}" -o "$work/deb-menus" >/dev/null)
(cd "$work/deb-menus" && "$packaged" pack "${menus[@]/%/.mnu}" -o "$work/deb-disc/orvane.exe") \
  >"$work/deb.log" 2>&1 || cat "$work/deb.log"
check "the package's tool packs with the player under its /usr/share" \
  grep -qx "using the player shipped with the tool: $work/root/usr/share/orvane/orvane.exe" "$work/deb.log"
check "that player equals the zip's, packed with the same menus" cmp "$work/deb-disc/orvane.exe" "$work/native.exe"
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1
check "lintian finds no error in the package" test $? -eq 0
grep -v "running with root privileges" "$work/lintian.log" || true

echo "release: $failed failed"
[ "$failed" -eq 0 ]
