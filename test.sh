#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   ./test.sh          the default build (build/)
#   ./test.sh --asan   the same under the address and undefined-behaviour sanitizers
#   ./test.sh --fuzz   each fuzz target for 60 s (KEST_FUZZ_SECONDS), clang build in build-fuzz/
set -euo pipefail
cd "$(dirname "$0")"

preset=default
[ "${1:-}" = "--asan" ] && preset=asan
[ "${1:-}" = "--fuzz" ] && preset=fuzz

scripts/install-deps.sh
if [ "$preset" = fuzz ]; then
    command -v clang++ >/dev/null || { echo "./test.sh --fuzz needs clang (scripts/install-deps.sh installs it)"; exit 1; }
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$(nproc)"
    exec tests/fuzz/run.sh build-fuzz "${KEST_FUZZ_SECONDS:-60}"
fi
scripts/check-format.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
