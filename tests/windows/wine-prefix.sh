#!/bin/sh
# Makes the tests' 64-bit Wine prefix ($WINEPREFIX) when it is not there yet, and waits until
# Wine has finished setting it up. A half-made prefix (an earlier run stopped midway) is made anew.
set -eu
: "${WINEPREFIX:?}"
if [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.vorn-ready" ]; then exit 0; fi
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1 || true
wineserver -w
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-prefix: wineboot did not create $WINEPREFIX" >&2
  exit 1
fi
touch "$WINEPREFIX/.vorn-ready"
