#!/usr/bin/env bash
# Starts Taglo's window under a virtual X server and saves a PNG picture of each of its
# eight tabs and of the About box.
# Usage: tools/skaermbilleder.sh [output folder]   (default: build/skaermbilleder)
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ud="${1:-$top/build/skaermbilleder}"
dir="$top/build/normal"

cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j 2 --target taglo_skaermbilleder

mkdir -p "$ud"
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    "$dir/src/ui/taglo_skaermbilleder" "$ud"
