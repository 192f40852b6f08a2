#!/usr/bin/env bash
# Installs what is missing, builds KestLoad and shows the engine at work on the
# bundled mechanism data.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

app=build/app
"$app/kestmech" list "$app"
echo
"$app/kestmech" check "$app" TK50-2100 --tool 40,80,0,180,0.9,0.9,0.6 --v 15,300,0,200,0,0.4,0.4
