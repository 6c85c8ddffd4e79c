#!/usr/bin/env bash
# Times trakora-replay on a generated 24-hour log against `cat` of the same
# file, then runs the decoding benchmark.
#   bench/replay-throughput.sh [BUILD_DIR]   (a Release build, e.g. build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
log=$build/bench/day.nmea
tool=$build/tools/trakora-replay/trakora-replay

mkdir -p "$build/bench"
[ -s "$log" ] || python3 tools/gen-nmea.py --seconds 86400 --seed 1 > "$log"
lines=$(wc -l < "$log")
cat "$log" > /dev/null # file in the page cache before timing

# Best of three runs: "wall cpu" in seconds, cpu being user plus system time,
# which a busy machine inflates less than the wall clock.
best_of_three() {
    local best="" TIMEFORMAT='%R %U %S'
    for _ in 1 2 3; do
        local took
        took=$({ time "$@" > /dev/null; } 2>&1 | awk '{ printf "%.3f %.3f", $1, $2 + $3 }')
        best=$(awk -v t="$took" -v b="${best:-$took}" \
            'BEGIN { split(t, x, " "); split(b, y, " "); print (x[2] <= y[2] ? t : b) }')
    done
    echo "$best"
}

report() {
    awk -v name="$1" -v t="$2" -v n="$lines" 'BEGIN { split(t, x, " ");
        printf "%-26s wall %7.3f s %11.0f lines/s   cpu %7.3f s %11.0f lines/s\n",
               name, x[1], n / x[1], x[2], n / (x[2] > 0 ? x[2] : 0.001) }'
}

echo "$log: $lines lines, $(wc -c < "$log") bytes"
report "cat (floor)" "$(best_of_three cat "$log")"
report "trakora-replay" "$(best_of_three "$tool" "$log")"
report "trakora-replay --serial" "$(best_of_three "$tool" --serial "$log")"
"$build/bench/bench_decode" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
