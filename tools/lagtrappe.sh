#!/usr/bin/env bash
# The layers of src/ form a ladder: a file includes only headers of its own layer and of
# the layers below it, and each layer's library links exactly the layers its files include.
# Prints every breach and exits 1 when there is one.
# Usage: tools/lagtrappe.sh [src folder]
set -euo pipefail
src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../src" && pwd)}"

# The layers each layer may include, besides its own.
declare -A under=(
    [core]=""
    [loads]="core"
    [engine]="core loads"
    [report]="core loads engine"
    [drawing]="core loads engine"
    [app]="core loads engine report drawing"
    [qtcanvas]="core loads engine drawing"
    [ui]="core loads engine report drawing app qtcanvas"
    [cli]="core loads engine report drawing app qtcanvas"
)
lag="core|loads|engine|report|drawing|app|qtcanvas|ui|cli"

brud=0
for niveau in "${!under[@]}"; do
    mappe="$src/$niveau"
    [ -d "$mappe" ] || continue
    # Includes from a layer above (or beside) this one.
    while IFS= read -r linje; do
        andet=$(sed -E "s/.*#include \"($lag)\/.*/\1/" <<<"${linje#*:}")
        if [ "$andet" != "$niveau" ] && [[ " ${under[$niveau]} " != *" $andet "* ]]; then
            echo "src/$niveau includes from $andet, which is not below it: ${linje#"$src"/}"
            brud=1
        fi
    done < <(grep -rnE "#include \"($lag)/" "$mappe" --include='*.h' --include='*.cpp' || true)

    # The layers included against the layers the library links.
    inkluderet=$(grep -rhoE "#include \"($lag)/" "$mappe" --include='*.h' --include='*.cpp' |
        sed -E 's/#include "([a-z]+)\//\1/' | grep -vx "$niveau" | sort -u | tr '\n' ' ' || true)
    linket=$(grep -oE "\btaglo_($lag)\b" "$mappe/CMakeLists.txt" | sed 's/^taglo_//' |
        grep -vx "$niveau" | sort -u | tr '\n' ' ' || true)
    if [ "$inkluderet" != "$linket" ]; then
        echo "src/$niveau includes [ $inkluderet] but links [ $linket]"
        brud=1
    fi
done
if [ "$brud" -eq 0 ]; then
    echo "lagtrappe: every layer includes only from below and links what it includes"
fi
exit "$brud"
