#!/bin/sh
# The controls in real containers under Wine, on an X server of the test's own (Xvfb): renders the
# headless host's pictures of the pixel cases (win32_references, Linux), runs container_test under
# Wine in a fresh Wine session on that display (it captures the cases), then compares.
# Usage: containers.sh DLL CONTAINER-TEST WIN32-REFERENCES OUTPUT-FOLDER
set -u
dll=$1 test=$2 references=$3 out=$4
rm -rf "$out"
mkdir -p "$out/references" "$out/captures"
"$references" render "$out/references" || exit 1
wine regsvr32 /s "$dll" || { echo "FAIL: regsvr32"; exit 1; }
# A Wine session that began without a display cannot open windows on this one: wait for it to end.
wineserver -w
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c '
  wine "$1" "$(winepath -w "$2")" "$(winepath -w "$3")"
  status=$?
  wineserver -w
  exit $status' run "$test" "$out/captures" "$out/references/bag-names.txt"
status=$?
"$references" compare "$out/references" "$out/captures" || status=1
exit $status
