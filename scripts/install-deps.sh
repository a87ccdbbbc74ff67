#!/usr/bin/env bash
# Installs every Debian package that Taglo needs to build, run, test and package.
# Idempotent: when every package is present it changes nothing and asks no mirror.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    clang clang-format clang-tidy libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
    libqt6svg6 libqt6printsupport6 qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth x11-utils poppler-utils
    desktop-file-utils appstream shared-mime-info dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
