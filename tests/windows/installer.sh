#!/bin/sh
# The installer under Wine. scripts/package-windows.sh builds the package (and one of a newer
# version); `msiexec /i /qn` installs it: each DLL is where it belongs, each registry view holds
# exactly its DLL's records as win32-registry prints them (the type library's key, which Windows
# shares between the views, holds both DLLs'), and a 64-bit script creates every control through
# what the installer wrote. The newer package replaces it in place, the older one is then refused,
# and `msiexec /x /qn` leaves no file, folder, key or product entry of the library. Ends with the
# build's 64-bit DLL registered, as the other Windows tests need it. Exits 77 (skipped) when the
# 32-bit DLL was not built.
# Usage: installer.sh LISTING WIN32-REGISTRY VBSCRIPT X64DLL X86DLL
set -u
listing=$1 records=$2 vbs=$3 x64=$4 x86=$5
[ -f "$x86" ] || { echo "no 32-bit DLL at $x86 (scripts/build-windows.sh builds it)"; exit 77; }
here=$(dirname "$0")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
package() { "$here/../../scripts/package-windows.sh" --no-build --output "$work" "$@"; }
msi=$(package) && newer=$(package --version 99.0.0) || { echo "FAIL: scripts/package-windows.sh"; exit 1; }
dir64="C:\\Program Files\\vornButton2" dir32="C:\\Program Files (x86)\\vornButton2"
drive=$WINEPREFIX/drive_c

# The version and product code of every installed product named vornButton2, one a line.
products() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY/ { key = $0; sub(/.*\\/, "", key) } / DisplayName +REG_SZ +vornButton2$/ { mine[key] = 1 }
         / DisplayVersion +REG_SZ / { version[key] = $3 } END { for (k in mine) print version[k], k }'
}
view() { sh "$here/registry-view.sh" "$@"; }
expect() {  # VIEW ARCH FOLDER OTHER-ARCH OTHER-FOLDER: ARCH's records, and the other's type library
  { "$records" "$2" "$3\\vornbutton2.dll"
    "$records" "$4" "$5\\vornbutton2.dll" | grep '^TypeLib\\'; } | view --records >"$work/want"
  view "$1" "$listing" >"$work/got"
  diff "$work/want" "$work/got" >"$work/diff" || { fail "the $1-bit view is not as the $2 records say:"; cat "$work/diff"; }
}
installed() {  # VERSION
  cmp -s "$x64" "$drive/Program Files/vornButton2/vornbutton2.dll" || fail "$1: no 64-bit DLL in $dir64"
  cmp -s "$x86" "$drive/Program Files (x86)/vornButton2/vornbutton2.dll" || fail "$1: no 32-bit DLL in $dir32"
  expect 64 x64 "$dir64" x86 "$dir32"
  expect 32 x86 "$dir32" x64 "$dir64"
  [ "$(products | cut -d' ' -f1)" = "$1" ] || fail "installed products: $(products | tr '\n' ' ')(expected only $1)"
}

products | while read -r version code; do wine msiexec /x "$code" /qn; done  # left by a run stopped midway
wine regsvr32 /u /s "$x64"  # so that the views hold only what the installer writes
wine msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i: status $?"
installed "$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p')"
wine cscript //nologo "$(winepath -w "$vbs")" || fail "the script with the installed controls: $? failures"
wine msiexec /i "$(winepath -w "$newer")" /qn || fail "msiexec /i of the newer package: status $?"
installed 99.0.0
wine msiexec /i "$(winepath -w "$msi")" /qn >/dev/null 2>&1 && fail "the older package installed over the newer one"
[ "$(products | cut -d' ' -f1)" = 99.0.0 ] || fail "the older package changed what is installed: $(products)"
wine msiexec /x "$(winepath -w "$newer")" /qn || fail "msiexec /x: status $?"
for d in "Program Files" "Program Files (x86)"; do
  [ -e "$drive/$d/vornButton2" ] && fail "$d\\vornButton2 is still there"
done
for v in 64 32; do
  [ -z "$(view $v "$listing")" ] || fail "keys of the library left in the $v-bit view: $(view $v "$listing" | head -3)"
done
[ -z "$(products)" ] || fail "a product entry is left"
wine regsvr32 /s "$x64" || fail "regsvr32 (again)"
[ "$failures" -eq 0 ] && echo "installer: installed, upgraded, refused a downgrade and removed as expected"
exit $((failures > 0))
