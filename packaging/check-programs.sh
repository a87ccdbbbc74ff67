#!/usr/bin/env bash
# Starts the installed programs of an installation tree and checks that they find their
# data folder from their own location, whatever the working folder:
#   - taglo, on a virtual X display, comes up with its main window (it read Standard.tgl
#     from the data folder); without Standard.tgl it shows its error box instead;
#   - taglo-cli writes the report of the installed Standard.tgl and draws a figure of it.
# Needs xvfb-run (xvfb, xauth) and xwininfo (x11-utils).
# Usage: packaging/check-programs.sh PREFIX      (PREFIX holds bin/ and share/taglo/)
set -euo pipefail

prefix="$(realpath "$1")"
bin="$prefix/bin"
data="$prefix/share/taglo"
fejl=0
fail() { echo "FAIL: $*" >&2; fejl=1; }

# taglo-cli paints its figures offscreen; taglo gets its own X display below.
export QT_QPA_PLATFORM=offscreen
# Leaks are the business of the programs' own tests; here only their start matters.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
arbejde="$(mktemp -d)"
trap 'rm -rf "$arbejde"' EXIT
cd "$arbejde"

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
vindue() {
    xvfb-run -a -s "-screen 0 1280x1024x24" "$here/check-window.sh" "$bin/taglo" "$1" >/dev/null
}

if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null; then
    fail "xvfb-run and xwininfo (Debian packages xvfb, xauth, x11-utils) are needed to start taglo"
elif vindue vindue; then
    echo "ok: taglo comes up with its data from $data"
else
    fail "taglo did not come up with its main window"
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

# Without its default project file the window must say so, not come up with no values.
if [ -f "$data/Standard.tgl" ] && command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
    mv "$data/Standard.tgl" "$arbejde/Standard.tgl"
    rc=0
    vindue fejl || rc=$?
    mv "$arbejde/Standard.tgl" "$data/Standard.tgl"
    if [ "$rc" -eq 0 ]; then
        echo "ok: taglo without Standard.tgl shows its error box"
    else
        fail "taglo without Standard.tgl did not show its error box"
    fi
fi

exit "$fejl"
