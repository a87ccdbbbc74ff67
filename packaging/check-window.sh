#!/usr/bin/env bash
# Starts the window program on the X display of the caller (a virtual one from xvfb-run)
# and tells, from the top-level windows that appear, how its start-up went:
#   vindue  the main window "Taglo" came up (its data folder and Standard.tgl were found)
#   fejl    a message box "Fejl" or "Error" came up instead
#   endt    the program ended without a window
#   intet   nothing within the time allowed
# The program is ended afterwards. Prints the word and exits 0 when it is the expected one.
# Usage: packaging/check-window.sh TAGLO EXPECTED [SECONDS]    (run under xvfb-run)
set -euo pipefail

taglo="$1"
forventet="$2"
sekunder="${3:-60}"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

QT_QPA_PLATFORM=xcb "$taglo" >"$log" 2>&1 &
pid=$!
udfald=intet
for _ in $(seq 1 $((sekunder * 2))); do
    # Lines like:  0x1200007 "Taglo": ("taglo" "Taglo")  1000x700+0+0  +0+0
    vinduer="$(xwininfo -root -children 2>/dev/null || true)"
    # Qt on X11 appends the program's name to a caption: "Fejl — Taglo".
    if grep -qE '^ +0x[0-9a-f]+ "(Fejl|Error)( — Taglo)?"' <<<"$vinduer"; then
        udfald=fejl
        break
    fi
    # The main window, not a message box of the same caption: at least 600 pixels wide.
    hoved="$(grep -E '^ +0x[0-9a-f]+ "Taglo": ' <<<"$vinduer" || true)"
    if grep -qE ' ([6-9][0-9]{2}|[0-9]{4,})x[0-9]+[+-]' <<<"$hoved"; then
        udfald=vindue
        break
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        udfald=endt
        break
    fi
    sleep 0.5
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

echo "$udfald"
if [ "$udfald" != "$forventet" ]; then
    echo "taglo: expected '$forventet', got '$udfald'; its output:" >&2
    cat "$log" >&2
    exit 1
fi
