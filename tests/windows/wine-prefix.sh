#!/bin/sh
# Makes the tests' 64-bit Wine prefix ($WINEPREFIX) when it is not there yet, and waits until
# Wine has finished setting it up. A half-made prefix (an earlier run stopped midway) is made anew.
# The prefix gets the standard Windows colour scheme with the theme off (standard-colours.reg).
set -eu
: "${WINEPREFIX:?}"
ready="$WINEPREFIX/.vorn-ready-3"
if [ -f "$WINEPREFIX/system.reg" ] && [ -f "$ready" ]; then exit 0; fi
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1 || true
wineserver -w
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-prefix: wineboot did not create $WINEPREFIX" >&2
  exit 1
fi
wine regedit /S "$(winepath -w "$(dirname "$0")/standard-colours.reg")" >/dev/null 2>&1
wineserver -w
touch "$ready"
