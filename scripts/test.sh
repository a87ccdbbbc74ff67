#!/usr/bin/env bash
# Installs what is needed, builds Taglo twice (normal and with AddressSanitizer +
# UndefinedBehaviorSanitizer) and runs every test in both builds.
# Usage: scripts/test.sh [normal|sanitize|release]   (default: normal and sanitize; release
# builds Release and runs the tests there, to check that build type too)
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"

"$top/scripts/install-deps.sh"

jobs="$(nproc)"
builds=("${@:-normal sanitize}")
# shellcheck disable=SC2206
builds=(${builds[*]})

for kind in "${builds[@]}"; do
    case "$kind" in
        normal)   flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGLO_WERROR=ON) ;;
        sanitize) flags=(-DCMAKE_BUILD_TYPE=Debug -DTAGLO_SANITIZE=ON -DTAGLO_BUILD_BENCH=OFF -DTAGLO_WERROR=ON) ;;
        release)  flags=(-DCMAKE_BUILD_TYPE=Release -DTAGLO_WERROR=ON) ;;
        *) echo "unknown build: $kind" >&2; exit 2 ;;
    esac
    dir="$top/build/$kind"
    echo "== $kind build in $dir"
    cmake -S "$top" -B "$dir" -G Ninja "${flags[@]}" >/dev/null
    cmake --build "$dir" -j "$jobs"
    echo "== $kind tests"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$dir" --output-on-failure --progress -j "$jobs"
done
