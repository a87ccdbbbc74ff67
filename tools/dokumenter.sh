#!/usr/bin/env bash
# Writes the calculation document (PDF) of the shipped Standard.tgl and of the reference
# projects through taglo-cli, and renders every page as a PNG picture for looking at them:
# nothing may overlap or be cut off. Builds taglo-cli first, under the shared build lock.
# Usage: tools/dokumenter.sh [output folder] [projektNN ...]
#   default folder build/dokumenter, default projects: all in tests/data/reference;
#   pictures NAVN-N.png (page N of NAVN.pdf) at 100 dots per inch.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ud="${1:-$top/build/dokumenter}"
shift || true
reference="${TAGLO_REFERENCE:-$top/tests/data/reference}"

dir="$top/build/normal"
flock /tmp/taglo-build.lock cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
flock /tmp/taglo-build.lock nice -n 10 cmake --build "$dir" -j2 --target taglo-cli

projekter=("$top/assets/Standard.tgl")
if [ $# -eq 0 ]; then
    projekter+=("$reference"/projekt*.tgl)
else
    for p in "$@"; do projekter+=("$reference/$p.tgl"); done
fi

mkdir -p "$ud"
# Exit status 1 only says that a batten or a nail cannot be used: its document is made too.
status=0
QT_QPA_PLATFORM=offscreen "$dir/src/cli/taglo-cli" rapport --tidspunkt 2014-05-01,13:05:09 \
    --firma "Tømrerfirmaet Eksempel ApS" --pdf "$ud" "${projekter[@]}" >/dev/null || status=$?
[ "$status" -le 1 ] || { echo "taglo-cli ended with $status" >&2; exit "$status"; }
for p in "${projekter[@]}"; do
    navn="$(basename "$p" .tgl)"
    pdftoppm -r 100 -png "$ud/$navn.pdf" "$ud/$navn"
done
echo "Documents and their pages in $ud"
