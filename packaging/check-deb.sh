#!/usr/bin/env bash
# Checks Taglo's Debian package: the control fields and the declared dependencies, the
# contents with owners and modes, the desktop files inside it, that every dependency is
# available from the configured Debian archive (so it installs on a clean Debian 12), and
# that the programs run from the unpacked package and find their data.
#
#   packaging/check-deb.sh build/normal/taglo_2.1.0_amd64.deb [--version 2.1.0]
#   packaging/check-deb.sh --byg build/normal [--version 2.1.0]   (builds it with cpack first)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
deb=""
build=""
version=""
while [ $# -gt 0 ]; do
    case "$1" in
        --byg) build="$2"; shift 2 ;;
        --version) version="$2"; shift 2 ;;
        *) deb="$1"; shift ;;
    esac
done
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fejl=0
fail() { echo "FAIL: $*" >&2; fejl=1; }

if [ -n "$build" ]; then
    (cd "$tmp" && cpack --config "$(realpath "$build")/CPackConfig.cmake" -B "$tmp/pakke" >"$tmp/cpack.log" 2>&1) ||
        { cat "$tmp/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
    deb="$(ls "$tmp"/pakke/*.deb)"
fi
[ -f "$deb" ] || { echo "usage: $0 FILE.deb | --byg BUILD_FOLDER [--version V]" >&2; exit 2; }
echo "checking $deb"

# Control fields.
felt() { dpkg-deb -f "$deb" "$1"; }
[ "$(felt Package)" = "taglo" ] || fail "Package is '$(felt Package)'"
[ -z "$version" ] || [ "$(felt Version)" = "$version" ] || fail "Version is '$(felt Version)', expected $version"
[ "$(felt Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(felt Architecture)'"
[ "$(felt Section)" = "science" ] || fail "Section is '$(felt Section)'"
# The maintainer is the publisher's support contact when the build names one.
[ -n "$(felt Maintainer)" ] || fail "no Maintainer"
[ -n "$(felt Description)" ] || fail "no Description"
depends="$(felt Depends)"
echo "Depends: $depends"
for pakke in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-liberation; do
    grep -qF -e " $pakke " -e " $pakke," <<<" $depends," || fail "Depends lacks $pakke"
done

# Contents: everything under /usr, owned by root, with the usual modes.
dpkg-deb -c "$deb" >"$tmp/indhold"
for fil in \
    ./usr/bin/taglo \
    ./usr/bin/taglo-cli \
    ./usr/share/taglo/Standard.tgl \
    ./usr/share/taglo/Taglo21_Brugervejledning.pdf \
    ./usr/share/applications/dk.taglo.Taglo.desktop \
    ./usr/share/icons/hicolor/scalable/apps/dk.taglo.Taglo.svg \
    ./usr/share/icons/hicolor/scalable/mimetypes/application-x-taglo-projekt.svg \
    ./usr/share/mime/packages/dk.taglo.Taglo.xml \
    ./usr/share/metainfo/dk.taglo.Taglo.metainfo.xml; do
    grep -q " $fil\$" "$tmp/indhold" || fail "the package lacks $fil"
done
grep -q ' ./usr/share/taglo/[^/]*\.jpg$' "$tmp/indhold" || fail "the package has no pictures"
awk '{print $6}' "$tmp/indhold" | grep -vE '^\./(usr/?.*)?$' | sed 's/^/outside \/usr: /' >"$tmp/udenfor" || true
[ ! -s "$tmp/udenfor" ] || fail "$(cat "$tmp/udenfor")"
grep -E '\.(a|h|o|cmake)$|/usr/local/|/include/|CMakeFiles|_tests$' "$tmp/indhold" >"$tmp/fremmed" || true
[ ! -s "$tmp/fremmed" ] || fail "files that do not belong in the package: $(cat "$tmp/fremmed")"
awk '$2 != "root/root"' "$tmp/indhold" >"$tmp/ejer"
[ ! -s "$tmp/ejer" ] || fail "not owned by root: $(cat "$tmp/ejer")"
awk '$6 ~ /^\.\/usr\/bin\/./ && $1 != "-rwxr-xr-x"' "$tmp/indhold" >"$tmp/mode"
awk '$6 ~ /^\.\/usr\/share\/.*[^\/]$/ && $1 != "-rw-r--r--"' "$tmp/indhold" >>"$tmp/mode"
[ ! -s "$tmp/mode" ] || fail "unusual modes: $(cat "$tmp/mode")"

# Unpacked: desktop files, stripped programs without a run path, and the programs run.
rod="$tmp/rod"
dpkg-deb -x "$deb" "$rod"
desktop-file-validate "$rod/usr/share/applications/dk.taglo.Taglo.desktop" || fail "desktop entry"
appstreamcli validate-tree --no-net "$rod" >"$tmp/appstream.log" 2>&1 ||
    { cat "$tmp/appstream.log" >&2; fail "appstreamcli validate-tree"; }
for program in taglo taglo-cli; do
    [ -x "$rod/usr/bin/$program" ] || continue
    file -b "$rod/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
    if readelf -d "$rod/usr/bin/$program" | grep -qE 'RPATH|RUNPATH'; then
        fail "$program carries a run path into the build tree"
    fi
done
"$here/check-programs.sh" "$rod/usr" || fejl=1

# Installable on Debian 12: every dependency must exist in the archive apt knows of.
if apt-cache policy libc6 2>/dev/null | grep -q 'Candidate: [0-9]'; then
    tilgaengelig() {
        apt-cache policy "$1" 2>/dev/null | grep -q 'Candidate: [0-9]' ||
            apt-cache showpkg "$1" 2>/dev/null | sed -n '/^Reverse Provides:/,$p' | tail -n +2 | grep -q .
    }
    for relation in Depends Recommends Suggests; do
        IFS=',' read -ra grupper <<<"$(felt "$relation")"
        for gruppe in "${grupper[@]}"; do
            fundet=0
            IFS='|' read -ra valg <<<"$gruppe"
            for v in "${valg[@]}"; do
                navn="$(awk '{print $1}' <<<"$v")"
                if tilgaengelig "$navn"; then fundet=1; fi
            done
            [ "$fundet" -eq 1 ] || fail "$relation: '$gruppe' is in no archive that apt knows"
        done
    done
    if apt-get install --simulate --no-install-recommends "$(realpath "$deb")" >"$tmp/apt.log" 2>&1; then
        echo "ok: apt-get resolves the package and its dependencies"
    else
        cat "$tmp/apt.log" >&2
        fail "apt-get cannot resolve the package's dependencies"
    fi
else
    echo "note: apt has no package lists here; the archive check is skipped"
fi

[ "$fejl" -eq 0 ] && echo "ok: $deb"
exit "$fejl"
