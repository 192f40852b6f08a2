#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   ./test.sh          the default build (build/)
#   ./test.sh --asan   the same under the address and undefined-behaviour sanitizers
set -euo pipefail
cd "$(dirname "$0")"

preset=default
[ "${1:-}" = "--asan" ] && preset=asan

scripts/install-deps.sh
scripts/check-format.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
