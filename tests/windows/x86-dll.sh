#!/bin/sh
# The 32-bit DLL, checked without running it (these machines start no 32-bit process), beside the
# 64-bit one built from the same sources: a PE32 DLL for i386; exactly the four entry points,
# undecorated; only system DLLs imported, the same as the 64-bit DLL's; the same seven toolbox
# pictures; and a type library of SYSKIND win32 under the neutral locale that carries the same
# classes, interfaces, identifiers and members as the 64-bit DLL's, its pointer-sized fields
# (vtable offsets and sizes, alignment) half as large. Exits 77 (skipped) when the 32-bit DLL was
# not built.
# Usage: x86-dll.sh X86DLL X64DLL
set -u
x86=$1 x64=$2
[ -f "$x86" ] || { echo "no 32-bit DLL at $x86 (scripts/build-windows.sh builds it)"; exit 77; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

header=$(winedump -f "$x86")
printf '%s\n' "$header" | grep -q 'Machine: *014C (i386)' || fail "not a file for i386"
printf '%s\n' "$header" | grep -q 'Magic *0x10B' || fail "not PE32"
printf '%s\n' "$header" | grep -qx ' *DLL' || fail "not a DLL"

exports() { winedump -j export "$1" | awk '/Entry Pt +Ordn +Name/ { on = 1; next } on && /^ +[0-9A-F]+ +[0-9]+ / { print $3 }' | sort; }
got=$(exports "$x86" | tr '\n' ' ')
[ "$got" = "DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer " ] || fail "exports: $got"

imports() { winedump -j import "$1" | sed -n 's/^  offset [0-9a-f]* \(.*\)$/\1/p' | tr 'A-Z' 'a-z' | sort; }
system=" advapi32.dll comctl32.dll gdi32.dll kernel32.dll msimg32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll
 shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll "
for d in $(imports "$x86"); do
  case $system in *" $d"[[:space:]]*) ;; *) fail "imports $d, which is not a system DLL" ;; esac
done
[ "$(imports "$x86")" = "$(imports "$x64")" ] || fail "imports $(imports "$x86" | tr '\n' ' ')unlike the 64-bit DLL"

# resource DLL 'TYPE Name=ID ': the resource's bytes as winedump dumps them.
resource() {
  winedump -j resource "$1" | awk -v want="$2" '/^  [^ ]/ { on = index($0, want) == 3 } on && /^    [0-9a-f]+:/'
}
for id in 7530 7531 7532 7533 7534 7535 7536; do  # 30000 to 30006
  pictures=$(resource "$x86" "BITMAP Name=$id ")
  [ -n "$pictures" ] && [ "$pictures" = "$(resource "$x64" "BITMAP Name=$id ")" ] ||
    fail "toolbox bitmap $id missing or unlike the 64-bit DLL's"
done

# The embedded type library as winedump reads it, less the lines that give widl's time of writing.
typelib() {
  resource "$1" 'L"TYPELIB" Name=0001 ' |
    perl -ne 'print pack("H*", $1 =~ s/[ -]//gr) if /^ +[0-9a-f]+: ((?:[0-9a-f]{2}[ -])*[0-9a-f]{2})/' >"$work/$2.tlb"
  winedump dump "$work/$2.tlb" | sed '1d;$d' | awk '/Created by WIDL/ { skip = 3 } skip { skip--; next } 1' >"$work/$2.txt"
}
typelib "$x86" x86
typelib "$x64" x64
grep -aq 'syskind = SYS_WIN32' "$work/x86.txt" || fail "the type library is not SYSKIND win32"
grep -aq 'syskind = SYS_WIN64' "$work/x64.txt" || fail "the 64-bit DLL's type library is not SYSKIND win64"
for f in x86 x64; do
  [ "$(sed -n '/^Header {/,/^}/p' "$work/$f.txt" | grep -c '^    lcid2\{0,1\} = 00000000h$')" -eq 2 ] ||
    fail "the $f type library is not language-neutral"
done
# Line by line the same, but for the SYSKIND and the pointer-sized fields, which the 64-bit
# library must have twice as large (a function record's word "unknown" holds its vtable offset in
# its low half).
awk '
  function num(s,  n, i) {
    if (s !~ /h$/) return s + 0
    s = tolower(substr(s, 1, length(s) - 1))
    for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
    return n
  }
  NR == FNR { a[FNR] = $0; n = FNR; next }
  {
    b = $0
    if (a[FNR] == b || b ~ /syskind = SYS_WIN64/) next
    x = a[FNR]; y = b
    sub(/.* = /, "", x); sub(/.* = /, "", y)
    if (b ~ /^unknown = / && num(y) - num(x) == num(x) % 65536) next
    if (b ~ /^ *(VtableOffset|bSizeVftt|size) = |align = / && num(y) == 2 * num(x)) next
    print "FAIL: type libraries differ at line " FNR ": " a[FNR] " (32-bit), " b " (64-bit)"; bad = 1
  }
  END { if (FNR != n) { print "FAIL: type libraries differ in length"; bad = 1 }; exit bad }' "$work/x86.txt" "$work/x64.txt" ||
  failures=$((failures + 1))
[ "$(grep -ac '^    name = ' "$work/x86.txt")" -gt 100 ] || fail "winedump read no names from the type library"

[ "$failures" -eq 0 ] && echo "x86 DLL: PE32 for i386, entry points, imports, pictures and type library as expected"
exit $((failures > 0))
