#!/usr/bin/env bash
# Renders docs/windows-gallery.png: the gallery's controls on a form of a Windows program, each in
# Wine's ATL container window, captured in a Wine desktop (which draws the window's frame) on an X
# server of its own (Xvfb), with the
# standard Windows colour scheme of the tests' Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build-windows.sh >/dev/null
export WINEPREFIX=$PWD/build/windows/wineprefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sh tests/windows/wine-prefix.sh
wine regsvr32 /s build/windows/library/win32/vornbutton2.dll
wineserver -w
out=$PWD/docs/windows-gallery.png
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c '
  wine explorer /desktop=gallery,800x420 build/windows/tests/windows/windows_gallery.exe "$(winepath -w "$1")"
  status=$?
  wineserver -w
  exit $status' run "$out"
echo "wrote $out"
