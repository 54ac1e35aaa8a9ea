# Sourced by the scripts that run Windows programs: a Wine prefix of our own inside the build
# tree, quiet output, and no prompts to install Mono or Gecko (the player needs neither).
: "${ORVANE_WIN_BUILD:?ORVANE_WIN_BUILD must name the Windows build tree}"
export WINEPREFIX="${ORVANE_WIN_BUILD}/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32

ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix in $WINEPREFIX (takes a little while the first time)"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}
