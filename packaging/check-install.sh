#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the installation: the layout, the
# desktop files as installed, and that both programs find their data, also after the
# whole tree is moved elsewhere.
# Usage: packaging/check-install.sh BUILD_FOLDER
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fejl=0
fail() { echo "FAIL: $*" >&2; fejl=1; }

prefix="$tmp/foerst"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log"

for fil in \
    bin/taglo \
    bin/taglo-cli \
    share/taglo/Standard.tgl \
    share/taglo/Taglo21_Brugervejledning.pdf \
    share/applications/dk.taglo.Taglo.desktop \
    share/icons/hicolor/scalable/apps/dk.taglo.Taglo.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-taglo-projekt.svg \
    share/mime/packages/dk.taglo.Taglo.xml \
    share/metainfo/dk.taglo.Taglo.metainfo.xml; do
    [ -e "$prefix/$fil" ] || fail "not installed: $fil"
done
for program in taglo taglo-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
if ! ls "$prefix"/share/taglo/*.jpg >/dev/null 2>&1; then
    fail "no pictures in share/taglo"
fi
unexpected="$(cd "$prefix" && find . -type f ! -path './bin/*' ! -path './share/*' | head)"
[ -z "$unexpected" ] || fail "files outside bin/ and share/: $unexpected"

desktop-file-validate "$prefix/share/applications/dk.taglo.Taglo.desktop" || fail "desktop entry"
appstreamcli validate-tree --no-net "$prefix" >"$tmp/appstream.log" 2>&1 ||
    { cat "$tmp/appstream.log" >&2; fail "appstreamcli validate-tree"; }

"$here/check-programs.sh" "$prefix" || fejl=1

# The installation does not depend on where it lies.
mv "$prefix" "$tmp/flyttet"
echo "moved to $tmp/flyttet:"
"$here/check-programs.sh" "$tmp/flyttet" || fejl=1

exit "$fejl"
