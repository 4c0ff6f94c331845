#!/usr/bin/env bash
# Builds vornbutton2.dll with mingw-w64 twice from the same sources: for 64-bit Windows, with the
# Windows test programs, into build/windows, and for 32-bit Windows into build/windows-x86. The
# type library's IDL and the toolbox bitmaps come from the Linux vornform, built first, as do the
# registry records of the installer and the tests (win32-registry) and the pixel tests' headless
# pictures (win32_references).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target vornform win32-registry win32_references -j"$(nproc)"
for preset in windows windows-x86; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
done
echo "built build/windows/library/win32/vornbutton2.dll (x64) and build/windows-x86/library/win32/vornbutton2.dll (x86)"
