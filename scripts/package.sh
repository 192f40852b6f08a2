#!/usr/bin/env bash
# Builds the Debian package build/package/kestload_<version>_amd64.deb from the
# default build and tests it in a temporary root (tests/package/package_test.sh).
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
# What the installation takes: the application folder, kestmech and the desktop files.
cmake --build --preset default -j "$(nproc)" --target app kestmech desktopfiles
rm -f build/package/kestload_*.deb
(cd build && cpack -G DEB -B "$PWD/package" >/dev/null)
deb=$(ls build/package/kestload_*_amd64.deb)
tests/package/package_test.sh "$deb" tests/data/golden_one_robot.kestload
echo "Package: $deb"
