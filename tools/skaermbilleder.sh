#!/usr/bin/env bash
# Starts Taglo's window under a virtual X server and saves a PNG picture of each of its
# tabs and of the About box, on a screen of the size given (default 1280x1024; a laptop is
# 1366x768).
# Usage: tools/skaermbilleder.sh [output folder] [screen WxH]   (default: build/skaermbilleder)
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ud="${1:-$top/build/skaermbilleder}"
dir="$top/build/normal"

skaerm="${2:-1280x1024}"

cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j 2 --target taglo_skaermbilleder

mkdir -p "$ud"
xvfb-run -a -s "-screen 0 ${skaerm}x24" env QT_QPA_PLATFORM=xcb \
    "$dir/src/ui/taglo_skaermbilleder" "$ud"
