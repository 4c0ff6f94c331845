#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need, when they are missing, and
# those named as arguments (scripts/package.sh asks for its own); with --fuzz, also those of the
# fuzz targets.
set -euo pipefail
fuzz=0
if [ "${1:-}" = "--fuzz" ]; then fuzz=1; shift; fi
packages=(build-essential cmake pkg-config libfreetype-dev libfontconfig-dev fontconfig fonts-dejavu-core
          libpng-dev libunistring-dev nlohmann-json3-dev libsdl2-dev libx11-dev libxi-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xdotool
          # the Windows DLLs (scripts/build-windows.sh), their tests under Wine, and their installer
          # (scripts/package-windows.sh)
          g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 wine64-tools msitools wixl
          "$@")
# scripts/fuzz.sh needs clang 14 with its sanitizer and libFuzzer runtimes too.
[ "$fuzz" = 1 ] && packages+=(clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y --no-install-recommends "${missing[@]}" ||
    { $sudo apt-get update && $sudo apt-get install -y --no-install-recommends "${missing[@]}"; }
fi
