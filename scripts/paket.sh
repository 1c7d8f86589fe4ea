#!/usr/bin/env bash
# Builds the Debian package (Release) into build-paket/ and checks it with the validators and
# lintian. Install it with: apt install ./build-paket/kori_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
# Debian's hardening flags, as a package built by Debian's tools would get them.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S . -B build-paket -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORI_TESTS=OFF -DKORI_PAKET=ON
cmake --build build-paket
(cd build-paket && cpack -G DEB)
desktop-file-validate packaging/de.kori.KORI.desktop
appstreamcli validate --no-net build-paket/paket/de.kori.KORI.metainfo.xml
lintian --fail-on error build-paket/kori_*.deb
