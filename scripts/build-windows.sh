#!/usr/bin/env bash
# Builds vornbutton2.dll and the Windows test programs with mingw-w64 into build/windows. The
# type library's IDL and the toolbox bitmaps come from the Linux vornform, built first, and the
# pixel tests' headless pictures from the Linux win32_references.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target vornform win32_references -j"$(nproc)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
echo "built build/windows/library/win32/vornbutton2.dll"
