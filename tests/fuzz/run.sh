#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build (the fuzz preset) one after the other
# and fails on any finding: a crash, a sanitizer report, a broken promise of a
# target, a leak, a time-out or too much memory.
#   tests/fuzz/run.sh BUILD_DIR SECONDS [TARGET...]     (targets: mechtable project predefload massreport stl)
# Each target's corpus lives in BUILD_DIR/fuzz-runs/TARGET/corpus and grows from
# run to run; it starts from the seeds the build lists. A finding is kept in
# BUILD_DIR/fuzz-runs/TARGET/findings/ and replayed once to show its reason;
# findings of earlier runs move to findings/earlier/.
set -uo pipefail
build=$(cd "$1" && pwd)
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(mechtable project predefload massreport stl)
src=$(cd "$(dirname "$0")" && pwd)

status=0
for t in "${targets[@]}"; do
    fuzzer=$build/tests/fuzz/fuzz_$t
    work=$build/fuzz-runs/$t
    mkdir -p "$work/corpus" "$work/findings/earlier"
    find "$work/findings" -maxdepth 1 -type f -exec mv {} "$work/findings/earlier/" \;
    while read -r seed; do
        if [ -d "$seed" ]; then
            find "$seed" -maxdepth 1 -type f ! -name '.*' -exec cp -n {} "$work/corpus/" \;
        elif [ -f "$seed" ]; then
            cp -n "$seed" "$work/corpus/"
        fi
    done <"$build/tests/fuzz/$t.seeds"
    log=$work/last-run.log
    # Standard error of the target is closed (the engine reports skipped table
    # entries there); libFuzzer and the sanitizers report on their own copy.
    # A target's own dictionary when it has one, XML syntax otherwise.
    dict=$src/xml.dict
    [ -f "$src/$t.dict" ] && dict=$src/$t.dict
    "$fuzzer" -max_total_time="$seconds" -dict="$dict" -timeout=25 -rss_limit_mb=2560 \
        -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$work/findings/" "$work/corpus" >"$log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    # libFuzzer's last status line: covered edges and the corpus it keeps.
    last=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+|corp: [0-9]+/[0-9A-Za-z]+' | tr '\n' ' ')
    if [ $rc -eq 0 ]; then
        echo "fuzz_$t: ${runs:-?} runs in ${seconds} s, ${last}no findings"
    else
        status=1
        echo "fuzz_$t: FINDING (exit $rc) after ${runs:-?} runs; log $log"
        grep -E '^(==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written|.*deadly signal|.*-timeout|.*out-of-memory)' "$log" | head -20
        for f in "$work"/findings/*; do
            [ -f "$f" ] || continue
            echo "--- replay of $f (copy it into tests/fuzz/regressions/$t/ once fixed):"
            "$build/tests/fuzz/fuzz_${t}_replay" "$f" 2>&1 | grep -v '^replay:' | tail -15
        done
    fi
done
exit $status
