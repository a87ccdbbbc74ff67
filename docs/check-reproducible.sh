#!/usr/bin/env bash
# Builds the user guide once more with the command that built it, a while later, and
# checks that it is the same bytes: the guide depends on its sources only, not on the clock
# or on the run.
# Usage: docs/check-reproducible.sh BUILT.pdf GENERATOR_COMMAND...
set -euo pipefail
bygget="$1"
shift
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
"$@" --ud "$tmp/igen.pdf" >/dev/null 2>&1 || { echo "FAIL: the generator failed" >&2; exit 1; }
cmp "$bygget" "$tmp/igen.pdf" || { echo "FAIL: the built guide differs from a new run" >&2; exit 1; }
echo "ok: $(stat -c %s "$bygget") bytes, the same at every run"
