#!/usr/bin/env bash
# Builds a sample listing from the delivered data folder and photographs it in headless
# Chromium at phone and desktop width (docs/bilder/listing-handy.png, listing-desktop.png).
# Needs chromium and ImageMagick; not part of the test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD:-build}
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
ninja -C "$build" -j2 daten_tst_datenordner
KORI_VORSCHAU_DATEI="$arbeit/listing.html" QT_QPA_PLATFORM=offscreen \
    "$build/tests/daten_tst_datenordner" listing_ohneUnerlaubteInhalte >/dev/null

# The sample listing points at www.example.com; the pictures the seller would host there are
# drawn here and the addresses turned into local ones.
beispielbild() {
    convert -size "$1" "gradient:$2" -gravity center -pointsize 28 -fill white \
        -annotate 0 "$3" "$arbeit/$4"
}
beispielbild 400x560 '#7a8fa6-#2c3e50' 'Beispielfoto' buch-vorne.jpg
beispielbild 400x560 '#a67a7a-#503030' 'Rueckseite' buch-hinten.jpg
convert -size 12x600 'gradient:#eef3f8-#003366' -rotate -90 "$arbeit/bluverlauf-1.jpg"
sed -e 's#https://www.example.com/KORI/zusatzbilder/##g' \
    -e 's#https://www.example.com/t-w/ebay_tw/grafik/##g' \
    "$arbeit/listing.html" >"$arbeit/vorschau.html"

ziel=docs/bilder
mkdir -p "$ziel"
aufnehmen() {
    chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
        --disable-component-update --disable-sync --no-first-run \
        --user-data-dir="$arbeit/profil" --hide-scrollbars \
        --screenshot="$ziel/$1" --window-size="$2" "file://$arbeit/vorschau.html" 2>/dev/null
}
aufnehmen listing-handy.png 390,844
aufnehmen listing-desktop.png 1280,900
echo "Bilder in $ziel: listing-handy.png, listing-desktop.png"
