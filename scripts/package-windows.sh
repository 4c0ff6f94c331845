#!/usr/bin/env bash
# Builds the Windows installer dist/vornbutton2-VERSION.msi with wixl (one 64-bit package): the
# 64-bit DLL into Program Files\vornButton2 and the 32-bit DLL into Program Files (x86)\vornButton2,
# each with the registry records it registers itself with (printed by win32-registry from the same
# list), the 32-bit DLL's in the 32-bit registry view. One upgrade code and a major upgrade: a
# newer version (or a rebuild of the same one) replaces an installed one in place. Uninstalling
# removes every file and key it wrote.
#   --no-build     package what scripts/build-windows.sh built last
#   --version V    the package's version instead of the project's (X.Y or X.Y.Z)
#   --output DIR   write the package into DIR instead of dist
set -euo pipefail
cd "$(dirname "$0")/.."
build=1 version="" out=dist
while [ $# -gt 0 ]; do
  case "$1" in
    --no-build) build=0 ;;
    --version) version=${2:?}; shift ;;
    --output) out=${2:?}; shift ;;
    *) echo "usage: scripts/package-windows.sh [--no-build] [--version X.Y.Z] [--output DIR]" >&2; exit 2 ;;
  esac
  shift
done
[ "$build" = 0 ] || ./scripts/build-windows.sh >/dev/null
x64=build/windows/library/win32/vornbutton2.dll
x86=build/windows-x86/library/win32/vornbutton2.dll
records=build/default/tools/win32-registry/win32-registry
for f in "$x64" "$x86" "$records"; do
  [ -f "$f" ] || { echo "package-windows: $f is missing (scripts/build-windows.sh builds it)" >&2; exit 1; }
done
[ -n "$version" ] || version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
case "$version" in
  [0-9]*.[0-9]*.[0-9]*) product=$version ;;
  [0-9]*.[0-9]*) product=$version.0 ;;  # Windows Installer wants major.minor.build
  *) echo "package-windows: bad version '$version'" >&2; exit 2 ;;
esac

# The RegistryValue rows of one DLL's records; a key without values becomes a key that the
# installer creates and removes ("*").
rows() {
  "$records" "$1" "$2" | awk -F '\t' '
    function xml(s) { gsub(/&/, "\\&amp;", s); gsub(/</, "\\&lt;", s); gsub(/>/, "\\&gt;", s); gsub(/"/, "\\&quot;", s); return s }
    { name = NF == 1 ? " Name=\"*\"" : $2 == "" ? "" : " Name=\"" xml($2) "\""
      printf "            <RegistryValue Root=\"HKCR\" Key=\"%s\"%s Value=\"%s\" Type=\"string\"/>\n", xml($1), name, xml($3) }'
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/vornbutton2.wxs" <<EOF
<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="*" Name="vornButton2" Language="1033" Version="$product" Manufacturer="vornButton2"
           UpgradeCode="B01D8073-53E3-44B0-81E1-2D7F4603BD04">
    <Package InstallerVersion="500" Compressed="yes" InstallScope="perMachine"
             Description="vornButton2 controls for 32-bit and 64-bit Windows programs"/>
    <MajorUpgrade DowngradeErrorMessage="A newer version of vornButton2 is already installed."/>
    <!-- A rebuild of the same version replaces the installed one too. wixl 0.101 knows neither
         AllowSameVersionUpgrades nor IncludeMaximum, so this row has no maximum: a newer version
         that is installed stops the installation at the downgrade condition before it removes
         anything. -->
    <Upgrade Id="B01D8073-53E3-44B0-81E1-2D7F4603BD04">
      <UpgradeVersion Minimum="$product" IncludeMinimum="yes" Property="WIX_SAME_VERSION_UPGRADE_DETECTED"/>
    </Upgrade>
    <Media Id="1" Cabinet="vornbutton2.cab" EmbedCab="yes"/>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFiles64Folder">
        <Directory Id="INSTALLDIR64" Name="vornButton2">
          <Component Id="Dll64" Guid="7E44F52B-047B-458D-93C5-F093F45BAF78" Win64="yes">
            <File Id="dll64" Name="vornbutton2.dll" Source="$x64" KeyPath="yes"/>
$(rows x64 '[#dll64]')
          </Component>
        </Directory>
      </Directory>
      <Directory Id="ProgramFilesFolder">
        <Directory Id="INSTALLDIR32" Name="vornButton2">
          <Component Id="Dll32" Guid="1A99C131-E194-4716-9880-5B3104B56929">
            <File Id="dll32" Name="vornbutton2.dll" Source="$x86" KeyPath="yes"/>
$(rows x86 '[#dll32]')
          </Component>
        </Directory>
      </Directory>
    </Directory>
    <Feature Id="Controls" Title="vornButton2 controls" Level="1">
      <ComponentRef Id="Dll64"/>
      <ComponentRef Id="Dll32"/>
    </Feature>
  </Product>
</Wix>
EOF
mkdir -p "$out"
msi=$out/vornbutton2-$version.msi
wixl -a x64 -o "$msi" "$work/vornbutton2.wxs"
echo "$msi"
