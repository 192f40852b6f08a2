#!/usr/bin/env bash
# Installs what is missing, builds KestLoad and opens its main window with the
# bundled mechanism data. Arguments go to the program (a project file to open).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset default >/dev/null
# Only what the program needs: the tests and benchmarks are left to ./test.sh.
cmake --build --preset default -j "$(nproc)" --target app

exec build/app/kestload "$@"
