#!/usr/bin/env bash
# Builds everything and runs every test, the Windows DLL's under Wine included. With --sanitize,
# builds and runs the Linux tests under AddressSanitizer and UndefinedBehaviorSanitizer instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=default
[ "${1:-}" = "--sanitize" ] && preset=asan
./scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
if [ "$preset" = default ]; then
  ./scripts/build-windows.sh
  ctest --preset windows
fi
