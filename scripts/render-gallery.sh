#!/usr/bin/env bash
# Renders the gallery without a display and stores it as docs/gallery.png (the README's picture).
# Run it again whenever a control's look or the gallery form changes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cmake --preset default >/dev/null
cmake --build --preset default --target vornform -j"$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Without DISPLAY and WAYLAND_DISPLAY, `vornform demo` writes vornform-demo.png (the gallery as it
# loads) and then replays its built-in script; only the first picture is kept.
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$root/build/default/tools/vornform/vornform" demo >/dev/null)
cp "$work/vornform-demo.png" docs/gallery.png
echo "wrote docs/gallery.png"
