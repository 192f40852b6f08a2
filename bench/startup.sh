#!/usr/bin/env bash
# Time from process start to the first painted main window (offscreen), as the
# median and mean of N runs of `kestload --quit-after-first-paint`.
#   bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
app=build/app/kestload
[ -x "$app" ] || { echo "build first: cmake --build --preset default" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
# The program registers its file type at every start: never in the user's own folders.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data/share" XDG_CONFIG_HOME="$data/config"
"$app" --quit-after-first-paint >/dev/null 2>&1  # warm the file cache
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$app" --quit-after-first-paint >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk -v n="$runs" '
    { t[NR] = $1; sum += $1 }
    END { printf "first painted window: median %.1f ms, mean %.1f ms over %d runs\n", t[int((n + 1) / 2)] / 1000, sum / n / 1000, n }'
