# Sourced by the scripts that run Windows programs: a Wine prefix of our own inside the build
# tree, quiet output, and no prompts to install Mono or Gecko (the player needs neither).
: "${ORVANE_WIN_BUILD:?ORVANE_WIN_BUILD must name the Windows build tree}"
# shellcheck source=windows-target.sh
source "$(dirname "${BASH_SOURCE[0]}")/windows-target.sh"
export WINEPREFIX="${ORVANE_WIN_BUILD}/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if wine_runs_32bit; then
  export WINEARCH=win32
else
  # 64-bit Wine only: Debian's wine and wine-stable scripts pick the 32-bit loader whenever it is
  # installed, so "wine" (and the tools that call wine-stable) are pointed at the 64-bit one.
  export WINEARCH=win64
  export WINELOADER=/usr/lib/wine/wine64
  wine_shim="${ORVANE_WIN_BUILD}/wine64-bin"
  if [ ! -x "$wine_shim/wine-stable" ]; then
    mkdir -p "$wine_shim"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$wine_shim/wine"
    chmod +x "$wine_shim/wine"
    cp "$wine_shim/wine" "$wine_shim/wine-stable"
  fi
  export PATH="$wine_shim:$PATH"
fi

ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix in $WINEPREFIX (takes a little while the first time)"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}
