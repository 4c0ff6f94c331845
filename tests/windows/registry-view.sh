#!/bin/sh
# Prints what the library has in one registry view of the Wine prefix ($WINEPREFIX): every key
# and value under the CLSID, Interface and TypeLib keys of the listing's identifiers and under the
# programmatic identifiers of its classes, one a line as win32-registry prints records (KEY TAB
# NAME TAB DATA, or KEY alone for a key with neither values nor subkeys), keys in lower case (the
# registry ignores their case), sorted. With --records, reads win32-registry's lines from standard
# input and prints them the same way, so that the two compare line for line.
# Usage: registry-view.sh 32|64 LISTING    or    registry-view.sh --records
set -eu

# Lower-case keys; a key alone only when nothing lies in it or below it; sorted.
normalise() {
  awk 'BEGIN { FS = OFS = "\t" }
    { $1 = tolower($1); line[NR] = $0; bare[NR] = NF == 1; if (NF > 1) busy[$1] = 1
      for (k = $1; (i = match(k, /\\[^\\]*$/)) > 0;) { k = substr(k, 1, i - 1); busy[k] = 1 } }
    END { for (i = 1; i <= NR; i++) { split(line[i], f, "\t"); if (!bare[i] || !busy[f[1]]) print line[i] } }' |
    LC_ALL=C sort -u
}

if [ "$1" = --records ]; then normalise; exit 0; fi
view=$1 listing=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
guids=" $(grep -o '{[-0-9A-F]*}' "$listing" | sort -u | tr '\n' ' ')"
{
  for tree in CLSID Interface TypeLib $(sed -n 's/^class \([A-Za-z]*\) .*/vornButton2.\1/p' "$listing"); do
    printf 'reg export HKCR\\%s %s.reg /y /reg:%s\r\n' "$tree" "$tree" "$view"
  done
} >"$work/export.cmd"
(cd "$work" && wine cmd /c export.cmd >/dev/null 2>&1) || true  # the absent keys fail
for f in "$work"/*.reg; do
  [ -f "$f" ] && iconv -f UTF-16LE -t UTF-8 "$f" | tr -d '\r'
done | awk -v guids="$guids" '
  /^\[/ {
    key = substr($0, 20, length($0) - 20)  # less "[HKEY_CLASSES_ROOT\" and "]"
    n = split(key, part, "\\")
    want = tolower(part[1]) ~ /^vornbutton2\./ || (n > 1 && index(guids, " " toupper(part[2]) " ") > 0)
    if (want) print key
    next
  }
  want && /^[@"]/ {
    if (substr($0, 1, 1) == "@") { name = ""; data = substr($0, 3) }
    else { i = index($0, "\"="); name = substr($0, 2, i - 2); data = substr($0, i + 2) }
    if (data ~ /^".*"$/) { data = substr(data, 2, length(data) - 2); gsub(/\\\\/, "\\", data) }
    else data = "(not a string) " data
    print key "\t" name "\t" data
  }' | normalise
