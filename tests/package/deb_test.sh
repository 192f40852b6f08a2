#!/usr/bin/env bash
# Builds the Debian package of a build into a temporary folder with cpack and
# runs package_test.sh on it.
#   deb_test.sh BUILD_DIR EXAMPLE.kestload
set -euo pipefail
build=$1 example=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
exec "$(dirname "$0")/package_test.sh" "$(ls "$out"/kestload_*.deb)" "$example"
