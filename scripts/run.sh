#!/usr/bin/env bash
# Installs what is needed, builds Taglo and starts the program.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"

"$top/scripts/install-deps.sh"

dir="$top/build/normal"
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "$(nproc)"

if [ -x "$dir/src/ui/taglo" ]; then
    exec "$dir/src/ui/taglo" "$@"
fi
echo "Built the libraries and tests in $dir; the window program is not part of this build yet:"
find "$dir/src" "$dir/tests" -maxdepth 3 -type f \( -name '*.a' -o -perm -u+x \) ! -name '*.cmake' | sort
