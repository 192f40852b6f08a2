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
if [ "$preset" = default ]; then
    # ctest runs every test in a process of its own. Once more, the user-interface
    # tests run in one process in three shuffled orders, each with fresh folders:
    # a test that leaves a setting behind or needs another to run first fails here.
    xdg=$(mktemp -d)
    trap 'rm -rf "$xdg"' EXIT
    for seed in 1 2 3; do
        echo "ui_tests in one process, shuffled with seed $seed"
        mkdir -p "$xdg/$seed/config" "$xdg/$seed/data" "$xdg/$seed/state"
        QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$xdg/$seed/config" XDG_DATA_HOME="$xdg/$seed/data" \
            XDG_STATE_HOME="$xdg/$seed/state" build/tests/ui/ui_tests --gtest_shuffle --gtest_random_seed="$seed" \
            --gtest_brief=1
    done
fi
