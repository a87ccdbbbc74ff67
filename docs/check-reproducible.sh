#!/usr/bin/env bash
# Builds the user guide twice more with the command that built it and checks that all
# three are the same bytes: the guide depends on its sources only, not on the clock or
# on the run.
# Usage: docs/check-reproducible.sh BUILT.pdf GENERATOR_COMMAND...
set -euo pipefail
bygget="$1"
shift
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
for gang in 1 2; do
    "$@" --ud "$tmp/$gang.pdf" >/dev/null 2>&1 || { echo "FAIL: the generator failed" >&2; exit 1; }
    sleep 1
done
cmp "$tmp/1.pdf" "$tmp/2.pdf" || { echo "FAIL: two runs differ" >&2; exit 1; }
cmp "$bygget" "$tmp/1.pdf" || { echo "FAIL: the built guide differs from a new run" >&2; exit 1; }
echo "ok: $(stat -c %s "$bygget") bytes, the same at every run"
