#!/usr/bin/env bash
# Checks the built user guide: it is a PDF that pdftotext can read, with its title, a fixed
# creation date (noon UTC of the edition date, never the time of the build), and every
# phrase of the list, one a line ("#" starts a comment), somewhere in its text.
# Usage: docs/check-guide.sh GUIDE.pdf PHRASES.txt
set -euo pipefail
pdf="$1"
liste="$2"
fejl=0
fail() { echo "FAIL: $*" >&2; fejl=1; }

info="$(pdfinfo -isodates "$pdf")"
grep -q '^Title: *Taglo [0-9.]* – Brugervejledning$' <<<"$info" || fail "title: $(grep '^Title' <<<"$info")"
grep -qE '^CreationDate: *[0-9]{4}-[0-9]{2}-[0-9]{2}T12:00:00' <<<"$info" ||
    fail "creation date is not the edition date: $(grep '^CreationDate' <<<"$info")"
sider="$(sed -n 's/^Pages: *//p' <<<"$info")"
[ "${sider:-0}" -ge 20 ] || fail "only ${sider:-0} pages"

# The text and the phrases are compared without white space, so that a phrase may wrap
# anywhere, also after a slash or a hyphen.
tekst="$(mktemp)"
trap 'rm -f "$tekst"' EXIT
pdftotext -raw -enc UTF-8 "$pdf" - | tr -d ' \t\n\f' >"$tekst"
while IFS= read -r frase; do
    case "$frase" in ''|'#'*) continue ;; esac
    grep -qF -- "$(tr -d ' \t' <<<"$frase")" "$tekst" || fail "not in the guide: $frase"
done <"$liste"
[ "$fejl" -eq 0 ] && echo "ok: $sider pages, every phrase of $(basename "$liste") present"
exit "$fejl"
