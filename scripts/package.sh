#!/usr/bin/env bash
# Builds the Debian packages (libvornbutton2-1, libvornbutton2-dev, vornform) with CPack into dist/.
# Install them with: sudo apt-get install ./dist/*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh dpkg-dev file
build=build/package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
      -DCMAKE_INSTALL_DOCDIR:PATH=share/doc/vornform -DVORN_WERROR=ON -DVORN_BUILD_TESTS=OFF -DVORN_BUILD_BENCH=OFF \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target vornform vornbutton2_shared vornheadless vorndesktop
mkdir -p dist
(cd "$build" && cpack -G DEB -B "$PWD/../../dist" >/dev/null)
rm -rf dist/_CPack_Packages
for deb in dist/*.deb; do
  echo "$deb"
  dpkg-deb --field "$deb" Package Version Depends | sed 's/^/  /'
done
