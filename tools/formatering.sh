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
# One clang-format for all files; it names each file that it would change.
fund="$(mktemp)"
trap 'rm -f "$fund"' EXIT
if ! clang-format --style=file --dry-run -Werror "${filer[@]}" 2>"$fund"; then
    echo "Not formatted as clang-format writes it (run clang-format -i):"
    grep -oE '^[^:]+\.(cpp|h):' "$fund" | sort -u | sed 's/:$//; s/^/  /'
    exit 1
fi
echo "formatering: ${#filer[@]} files as clang-format writes them"
