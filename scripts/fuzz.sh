#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang, ASan and UBSan into
# build-fuzz/ (or $FUZZ_BUILD_DIR) and runs each: first on its committed
# regression inputs, then fuzzing for SECONDS (default 30) from seeds cut
# from tests/data and the shared receiver corpus. The corpus grown in
# build-fuzz/corpus is kept for the next run; findings land in
# build-fuzz/artifacts. Exits non-zero when any target finds a fault.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(input_path numbers longterm)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTRAKORA_FUZZ=ON -DTRAKORA_CORE_ONLY=ON -DTRAKORA_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

# Seeds: the head and tail of every log, and their fields one a line for the number routines.
seeds=$build_dir/seeds
rm -rf "$seeds"
mkdir -p "${targets[@]/#/$seeds/}" "$build_dir/artifacts" "$build_dir/logs"
logs=(tests/data/*.TKL tests/data/corpus/*.log tests/replay/*.nmea tests/replay/*.bin ../shared/nmea-corpus/*.log)
for log in "${logs[@]}"; do
    [ -f "$log" ] || continue
    name=$(basename "$log")
    head -c 4096 "$log" >"$seeds/input_path/$name.head"
    tail -c 4096 "$log" >"$seeds/input_path/$name.tail"
    head -c 2048 "$log" >"$seeds/longterm/$name"
    head -c 400 "$log" | tr ',*' '\n\n' >"$seeds/numbers/$name"
done
cat tests/fuzz/input_path.dict tests/fuzz/longterm.dict >"$build_dir/longterm.dict"

# The input target writes and reads small files for every input: keep them in memory.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
export UBSAN_OPTIONS=print_stacktrace=1
declare -A max_len=([input_path]=8192 [numbers]=256 [longterm]=4096)
declare -A dict=([input_path]=tests/fuzz/input_path.dict [numbers]=tests/fuzz/input_path.dict
                 [longterm]=$build_dir/longterm.dict)
failed=()
for target in "${targets[@]}"; do
    fuzzer=$build_dir/tests/fuzz/fuzz_$target
    log=$build_dir/logs/$target.log
    mkdir -p "$build_dir/corpus/$target"
    echo "== fuzz_$target: regression inputs, then ${seconds} s"
    if ! "$fuzzer" tests/fuzz/regression/"$target"/* >"$log" 2>&1 ||
       ! "$fuzzer" -max_total_time="$seconds" -timeout=30 -max_len="${max_len[$target]}" -dict="${dict[$target]}" \
            -artifact_prefix="$build_dir/artifacts/$target-" -print_final_stats=1 \
            "$build_dir/corpus/$target" "$seeds/$target" tests/fuzz/regression/"$target" >>"$log" 2>&1; then
        tail -n 60 "$log"
        failed+=("$target")
        continue
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets with findings: ${failed[*]} (inputs in $build_dir/artifacts, logs in $build_dir/logs)"
    exit 1
fi
