#!/usr/bin/env bash
# Checks Taglo's desktop integration files from the source folder: the desktop entry and
# the AppStream metainfo pass their validators, the MIME type registers *.tgl as
# "Taglo-projekt" through shared-mime-info, and the three files agree on the names they
# share (application id, MIME type, icon names).
# Usage: packaging/check-desktop.sh PACKAGING_SOURCE_FOLDER CONFIGURED_METAINFO
set -euo pipefail

src="$1"
metainfo="$2"
id=dk.taglo.Taglo
type=application/x-taglo-projekt
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fejl=0
fail() { echo "FAIL: $*" >&2; fejl=1; }

desktop="$src/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"

felt() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(felt Name)" = "Taglo" ] || fail "Name is not Taglo"
[ "$(felt Comment)" = "Dimensionering af taglægter og sømforbindelser" ] || fail "Comment"
[ "$(felt Icon)" = "$id" ] || fail "Icon is not $id"
[ -f "$src/$(felt Icon).svg" ] || fail "no icon $(felt Icon).svg"
case ";$(felt Categories)" in *";Engineering;"*) ;; *) fail "Categories lack Engineering" ;; esac
case ";$(felt MimeType)" in *";$type;"*) ;; *) fail "MimeType lacks $type" ;; esac
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "metainfo does not provide $type"
if grep -q '@[A-Z_]*@' "$metainfo"; then fail "metainfo has unconfigured values"; fi

# Register the type in an empty MIME database, as the shared-mime-info trigger does.
mkdir -p "$tmp/mime/packages"
cp "$src/$id.mime.xml" "$tmp/mime/packages/$id.xml"
update-mime-database "$tmp/mime" >"$tmp/mime.log" 2>&1 || { cat "$tmp/mime.log" >&2; fail "update-mime-database"; }
grep -qx "50:$type:\*\.tgl" "$tmp/mime/globs2" || fail "*.tgl is not registered as $type"
grep -qx "$type text/plain" "$tmp/mime/subclasses" || fail "$type is not a kind of text/plain"
if ! grep -q '<comment xml:lang="da">Taglo-projekt</comment>' "$tmp/mime/application/x-taglo-projekt.xml"; then
    fail "the Danish name of the type is not Taglo-projekt"
fi
[ -f "$src/${type//\//-}.svg" ] || fail "no icon for the file type: ${type//\//-}.svg"

exit "$fejl"
