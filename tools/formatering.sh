#!/usr/bin/env bash
# Whether every C++ file of src/, tests/, bench/, fuzz/ and tools/ reads as clang-format
# (the repository's .clang-format) writes it. Lists the files that do not and exits 1.
# Usage: tools/formatering.sh [repository folder]
set -euo pipefail
top="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$top"
mapfile -t filer < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' \
    'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'tools/*.cpp' 'tools/*.h' 2>/dev/null ||
    find src tests bench fuzz tools -name '*.cpp' -o -name '*.h')
afvigende=()
for fil in "${filer[@]}"; do
    if ! clang-format --style=file "$fil" | cmp -s - "$fil"; then
        afvigende+=("$fil")
    fi
done
if [ ${#afvigende[@]} -gt 0 ]; then
    echo "Not formatted as clang-format writes it (run clang-format -i):"
    printf '  %s\n' "${afvigende[@]}"
    exit 1
fi
echo "formatering: ${#filer[@]} files as clang-format writes them"
