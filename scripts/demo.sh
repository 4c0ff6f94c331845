#!/usr/bin/env bash
# Builds vornform and shows the gallery (in a window when there is a display, else as a picture).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target vornform -j"$(nproc)"
exec ./build/default/tools/vornform/vornform demo
