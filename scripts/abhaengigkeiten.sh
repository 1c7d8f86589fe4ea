#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages.
set -euo pipefail
pakete=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n qt6-webengine-dev libgl-dev
        libgumbo-dev libvips-dev pkg-config xvfb xauth
        libcurl4-openssl-dev qtkeychain-qt6-dev openssh-server openssh-client openssl libimage-exiftool-perl
        dpkg-dev file desktop-file-utils appstream lintian
        clang libclang-rt-dev)
fehlend=()
for p in "${pakete[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0
als_root=()
[ "$(id -u)" -ne 0 ] && als_root=(sudo)
"${als_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq "${fehlend[@]}"
