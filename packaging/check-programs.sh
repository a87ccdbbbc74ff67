#!/usr/bin/env bash
# Starts the installed programs of an installation tree and checks that they find their
# data folder from their own location, whatever the working folder:
#   - taglo --selvtest (offscreen) runs the window's start-up and prints the data folder,
#     which must be PREFIX/share/taglo; without Standard.tgl it must fail, not hang;
#   - taglo-cli writes the report of the installed Standard.tgl and draws a figure of it.
# Usage: packaging/check-programs.sh PREFIX      (PREFIX holds bin/ and share/taglo/)
set -euo pipefail

prefix="$(realpath "$1")"
bin="$prefix/bin"
data="$prefix/share/taglo"
fejl=0
fail() { echo "FAIL: $*" >&2; fejl=1; }

export QT_QPA_PLATFORM=offscreen
# Leaks are the business of the programs' own tests; here only their start matters.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
arbejde="$(mktemp -d)"
trap 'rm -rf "$arbejde"' EXIT
cd "$arbejde"

selvtest() {
    timeout 60 "$bin/taglo" --selvtest >"$arbejde/selvtest.out" 2>"$arbejde/selvtest.err"
}

if selvtest; then
    fundet="$(head -n 1 "$arbejde/selvtest.out")"
    if [ "$(realpath -m "$fundet")" != "$data" ]; then
        fail "taglo --selvtest found the data folder '$fundet', expected '$data'"
    else
        echo "ok: taglo finds its data in $data"
    fi
else
    rc=$?
    if [ "$rc" -eq 124 ]; then
        fail "taglo --selvtest did not end within 60 s (does taglo know --selvtest?)"
    else
        fail "taglo --selvtest ended with $rc: $(cat "$arbejde/selvtest.err")"
    fi
fi

rc=0
"$bin/taglo-cli" rapport --dansk "$data/Standard.tgl" >"$arbejde/rapport.txt" 2>"$arbejde/rapport.err" || rc=$?
if [ "$rc" -gt 1 ]; then
    fail "taglo-cli rapport ended with $rc: $(cat "$arbejde/rapport.err")"
elif ! grep -q '^RESULTAT$' "$arbejde/rapport.txt" || ! grep -q '^PRIMÆRE FORUDSÆTNINGER$' "$arbejde/rapport.txt"; then
    fail "taglo-cli rapport wrote no report for the installed Standard.tgl"
else
    echo "ok: taglo-cli reports on the installed Standard.tgl"
fi

if "$bin/taglo-cli" figur tvaersnit "$data/Standard.tgl" "$arbejde/tvaersnit.png" 2>"$arbejde/figur.err" &&
    [ "$(head -c 8 "$arbejde/tvaersnit.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ]; then
    echo "ok: taglo-cli draws the cross-section as PNG"
else
    fail "taglo-cli figur tvaersnit made no PNG: $(cat "$arbejde/figur.err")"
fi

# Without its default project file the window must say so and end, not wait for a click.
if [ -f "$data/Standard.tgl" ]; then
    mv "$data/Standard.tgl" "$arbejde/Standard.tgl"
    rc=0
    selvtest || rc=$?
    mv "$arbejde/Standard.tgl" "$data/Standard.tgl"
    if [ "$rc" -eq 0 ] || [ "$rc" -eq 124 ]; then
        fail "taglo --selvtest without Standard.tgl ended with $rc; expected a failure"
    elif ! grep -q 'Standard.tgl' "$arbejde/selvtest.err"; then
        fail "taglo --selvtest without Standard.tgl did not name the file: $(cat "$arbejde/selvtest.err")"
    else
        echo "ok: taglo without Standard.tgl reports it and ends"
    fi
fi

exit "$fejl"
