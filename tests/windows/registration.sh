#!/bin/sh
# regsvr32 registers the DLL (twice gives the same keys) and regsvr32 /u removes exactly its keys
# (twice is fine too); `wine reg query` checks every key of every public control, the type
# library and its interfaces, and that the item classes and a key of someone else's are left
# alone; the 64-bit registry view holds exactly the records win32-registry prints, the 32-bit one
# only the type library's (Windows shares that key between the views). Ends registered, as the
# other Windows tests need it.
# Usage: registration.sh DLL LISTING WIN32-REGISTRY (LISTING: the `vornform typelib` listing)
set -u
dll=$(winepath -w "$1")
listing=$2 records=$3
[ -x "$records" ] || { echo "FAIL: no win32-registry at $records (scripts/build-windows.sh builds it)"; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
query() { wine reg query "$1" /s 2>/dev/null | tr -d '\r'; }
has() { # KEY TEXT...: the key exists and its tree shows each text
  out=$(query "$1") || { fail "missing key $1"; return; }
  shift
  for t in "$@"; do printf '%s\n' "$out" | grep -qF -- "$t" || fail "no '$t' under the key"; done
}
gone() { wine reg query "$1" >/dev/null 2>&1 && fail "key $1 still there"; return 0; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
controls=$work/controls classes=$work/classes
sed -n 's/^class \([A-Za-z]*\) (control, creatable) \({[-0-9A-F]*}\)$/\1 \2/p' "$listing" >"$controls"
sed -n 's/^class \([A-Za-z]*\) (class, not creatable by hosts) \({[-0-9A-F]*}\)$/\1 \2/p' "$listing" >"$classes"
libid=$(sed -n '1s/.*\({[-0-9A-F]*}\)$/\1/p' "$listing")
iid=$(sed -n 's/^  interface _vornSlider \({[-0-9A-F]*}\).*/\1/p' "$listing")
events=$(sed -n 's/^  events __vornSlider \({[-0-9A-F]*}\).*/\1/p' "$listing")
[ "$(wc -l <"$controls")" -eq 7 ] || fail "the listing should name seven controls"

registered() {
  bitmap=30000
  while read -r name clsid; do
    has "HKCR\\vornButton2.$name" "$name" "$clsid"
    has "HKCR\\CLSID\\$clsid" "(Default)    REG_SZ    $name" "InprocServer32" "$dll" "ThreadingModel    REG_SZ    Apartment" \
      "vornButton2.$name" "\\Control" "ToolboxBitmap32" "$dll, $bitmap" "MiscStatus" "131473" "$libid" "1.0"
    bitmap=$((bitmap + 1))
  done <"$controls"
  has "HKCR\\TypeLib\\$libid\\1.0" "vornButton2" "win64" "$dll"
  has "HKCR\\Interface\\$iid" "_vornSlider" "$libid"
  has "HKCR\\Interface\\$events" "__vornSlider" "$libid"
  while read -r name clsid; do
    gone "HKCR\\CLSID\\$clsid"
    gone "HKCR\\vornButton2.$name"
  done <"$classes"
  "$records" x64 "$dll" | sh "$(dirname "$0")/registry-view.sh" --records >"$work/want"
  sh "$(dirname "$0")/registry-view.sh" 64 "$listing" | diff "$work/want" - || fail "the 64-bit view is not as the records say"
  sh "$(dirname "$0")/registry-view.sh" 32 "$listing" >"$work/view32"
  grep '^typelib\\' "$work/want" | diff - "$work/view32" || fail "the 32-bit view holds more than the type library"
}

wine reg add 'HKCR\vornButton2.SomeoneElses\CLSID' /ve /d '{00000000-1111-2222-3333-444444444444}' /f >/dev/null 2>&1
for round in first second; do
  wine regsvr32 /s "$dll" || fail "regsvr32 ($round time)"
  registered
done
for round in first second; do
  wine regsvr32 /u /s "$dll" || fail "regsvr32 /u ($round time)"
  while read -r name clsid; do
    gone "HKCR\\CLSID\\$clsid"
    gone "HKCR\\vornButton2.$name"
  done <"$controls"
  gone "HKCR\\TypeLib\\$libid"
  gone "HKCR\\Interface\\$iid"
done
has 'HKCR\vornButton2.SomeoneElses' '{00000000-1111-2222-3333-444444444444}'
wine reg delete 'HKCR\vornButton2.SomeoneElses' /f >/dev/null 2>&1
wine regsvr32 /s "$dll" || fail "regsvr32 (again)"
[ "$failures" -eq 0 ] && echo "registration: all keys as expected"
exit $((failures > 0))
