#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian 12 machine (run as root, or with sudo).
# Packages that are already there are left alone, so this is quick on a prepared machine.
#
# A package registry has bad moments (an index list caught mid-sync, one architecture's packages
# missing for a while): the lists are fetched again a few times, and then whatever can be
# installed is. Only the 32-bit Wine may be left out; the scripts then test the x86_64 build under
# 64-bit Wine (scripts/windows-target.sh) and say so loudly.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev googletest libbenchmark-dev zlib1g-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  libz-mingw-w64-dev libstb-dev nlohmann-json3-dev
  clang libclang-rt-14-dev
  wine wine64 xvfb xauth openbox xdotool imagemagick xclip x11-utils
  python3 strace osslsigncode openssl xorriso chromium chromium-driver python3-selenium
  lintian help2man zip unzip fakeroot dpkg-dev
  locales fonts-wqy-microhei
)
# Wanted, but the tests can go on without it (on the x86_64 build under 64-bit Wine).
optional_packages=(wine32:i386)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
apt() { DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get "$@"; }

# wine32 is an i386 package: the architecture has to be known before the package lists are read.
added_arch=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  added_arch=1
fi

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_optional < <(missing_of "${optional_packages[@]}")
# An optional package that could not be had is tried again after a day, not on every run.
tried_stamp=/var/tmp/orvane-setup-optional-tried
if [ ${#missing[@]} -eq 0 ] && [ -n "$(find "$tried_stamp" -mmin -1440 2>/dev/null)" ]; then
  missing_optional=()
fi

# apt-get update exits non-zero when any one list failed, though the others were read; a list
# caught mid-sync is usually whole again a little later.
update_lists() {
  local attempt
  for attempt in 1 2 3 4; do
    if apt update -qq; then return 0; fi
    echo "setup: reading the package lists failed (attempt $attempt of 4)"
    [ "$attempt" -lt 4 ] && sleep $((attempt * 10))
  done
  echo "setup: going on with the package lists that could be read"
}

if [ ${#missing[@]} -gt 0 ] || [ ${#missing_optional[@]} -gt 0 ] || [ $added_arch -eq 1 ]; then
  echo "setup: installing ${missing[*]} ${missing_optional[*]}"
  update_lists
  if ! apt install -y -qq --no-install-recommends "${missing[@]}" "${missing_optional[@]}"; then
    # One package that cannot be had must not keep the others out.
    [ ${#missing[@]} -eq 0 ] || apt install -y -qq --no-install-recommends "${missing[@]}"
    touch "$tried_stamp" 2>/dev/null || true
    for p in "${missing_optional[@]}"; do
      apt install -y -qq --no-install-recommends "$p" \
        || echo "setup: WARNING: could not install $p; the tests will use the x86_64 build under 64-bit Wine"
    done
  fi
fi
