#!/usr/bin/env bash
# Paints the three figures (cross-section, longitudinal section, nail connection) of the
# shipped Standard.tgl (through taglo-cli, as the window paints them) and of the reference
# projects as 1000 x 700 PNG pictures, with the drawing list as JSON beside each.
# Usage: tools/figurer.sh [output folder] [projektNN ...]
#   default folder build/figurer, default projects: all in tests/data/reference
#   (projekt04: a typical 45 degree house, direct nailing; projekt01 and projekt07:
#    indirect nailing on 45 mm and 32 mm spacer battens).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ud="${1:-$top/build/figurer}"
shift || true
reference="$top/tests/data/reference"

dir="$top/build/normal"
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j2 --target taglo_figureksport taglo-cli

mkdir -p "$ud"
for figur in tvaersnit laengdesnit soemforbindelse; do
    for endelse in png json; do
        QT_QPA_PLATFORM=offscreen "$dir/src/cli/taglo-cli" figur "$figur" \
            "$top/assets/Standard.tgl" "$ud/Standard_$figur.$endelse"
    done
done

projekter=("$@")
if [ ${#projekter[@]} -eq 0 ]; then
    for f in "$reference"/projekt*.json; do projekter+=("$(basename "$f" .json)"); done
fi
for p in "${projekter[@]}"; do
    QT_QPA_PLATFORM=offscreen "$dir/tools/figureksport/taglo_figureksport" "$reference/$p.json" "$ud"
done
echo "Figures in $ud"
