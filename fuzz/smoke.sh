#!/usr/bin/env bash
# A short fuzz run for CI: builds the libFuzzer targets with clang in build/fuzz and runs
# each for a few seconds on its seed corpus (every seed and reproducer is run first).
# Exits non-zero on a finding; the input that found it is left in build/fuzz/funde/.
# Usage: fuzz/smoke.sh [seconds per target]   (default 5)
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sekunder="${1:-5}"
dir="$top/build/fuzz"

cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTAGLO_FUZZ=ON \
    -DTAGLO_BUILD_TESTS=OFF -DTAGLO_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target fuzz_alle

# target:seed corpus folder
maal=(
    fuzz_taltekst:taltekst
    fuzz_projektkoersel:projekt
    fuzz_figurer:projekt
)

funde="$dir/funde"
mkdir -p "$funde"
status=0
for par in "${maal[@]}"; do
    navn="${par%%:*}"
    korpus="$top/fuzz/corpus/${par#*:}"
    # New inputs go to a scratch folder, so the seed corpus in the repository stays as it is.
    arbejde="$(mktemp -d)"
    echo "== $navn: ${sekunder} s on fuzz/corpus/${par#*:}"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$dir/fuzz/$navn" -max_total_time="$sekunder" -timeout=10 -rss_limit_mb=2048 \
        -malloc_limit_mb=64 -print_final_stats=1 -artifact_prefix="$funde/$navn-" \
        "$arbejde" "$korpus" >"$dir/$navn.log" 2>&1; then
        echo "FINDING in $navn (log: $dir/$navn.log, input in $funde/):"
        grep -E 'FUND|ERROR|runtime error|SUMMARY' "$dir/$navn.log" | head -20 || true
        status=1
    else
        grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "$dir/$navn.log" || true
    fi
    rm -rf "$arbejde"
done
exit "$status"
