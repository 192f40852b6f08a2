#!/usr/bin/env bash
# The whole process `kestload --check PROJECT --report OUT.pdf`: read, analyse
# and draw the two-page report with no window, as the median and mean of N runs.
#   bench/check_report.sh [RUNS] [PROJECT]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
project=${2:-examples/palletising.kestload}
app=build/app/kestload
[ -x "$app" ] || { echo "build first: cmake --build --preset default" >&2; exit 1; }
# Settings, desktop files and the report stay in a temporary folder.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_DATA_HOME="$tmp/share" XDG_CONFIG_HOME="$tmp/config" XDG_STATE_HOME="$tmp/state"
run() { "$app" --check "$project" --report "$tmp/report.pdf" >/dev/null 2>&1 || [ $? -eq 1 ]; }
run  # warm the file cache
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    run
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
done
[ -s "$tmp/report.pdf" ] || { echo "no report was written" >&2; exit 1; }
printf '%s\n' "${times[@]}" | sort -n | awk -v n="$runs" '
    { t[NR] = $1; sum += $1 }
    END { printf "--check --report: median %.1f ms, mean %.1f ms over %d runs\n", t[int((n + 1) / 2)] / 1000, sum / n / 1000, n }'
