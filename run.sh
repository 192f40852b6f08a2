#!/usr/bin/env bash
# Installs what is missing, builds KestLoad and opens its main window with the
# bundled mechanism data. Arguments go to the program (a project file to open).
# Without a display it checks the example projects from the command line instead
# and writes their reports to build/reports/.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset default >/dev/null
# Only what the program needs: the tests and benchmarks are left to ./test.sh.
cmake --build --preset default -j "$(nproc)" --target app

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ] && [ $# -eq 0 ]; then
    echo "No display: checking the example projects from the command line instead of opening the window."
    mkdir -p build/reports
    status=0
    build/app/kestload --check examples/*.kestload --report build/reports || status=$?
    # 1 only says that a robot fails its check, which one example is meant to show.
    [ "$status" -le 1 ] || exit "$status"
    echo "Reports of the example projects: $(cd build/reports && pwd)/"
    ls build/reports
    exit 0
fi
exec build/app/kestload "$@"
