#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time, two at a time.
# Usage: scripts/fuzz.sh [seconds per target, default 300]
# Seed corpora go to build-fuzz/corpus/<target>/, crashes and hangs to build-fuzz/findings/<target>/.
# Prints each target's run count; fails when a target did not run its time or found something.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-300}"
daten=data/KORI-Vorlage-Dateien
aus=build-fuzz
ziele=(fuzz_eintraege fuzz_textdatei fuzz_ini fuzz_dateinamen fuzz_windows1252 fuzz_listing fuzz_listingpruefung
       fuzz_suche fuzz_css_adresse)

CC=clang CXX=clang++ cmake -S . -B "$aus" -G Ninja -DKORI_FUZZ=ON -DKORI_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
ninja -C "$aus" -j2 kori_fuzz

saat() {
    local ziel="$1"
    shift
    mkdir -p "$aus/corpus/$ziel"
    for datei in "$@"; do
        [ -f "$datei" ] && cp "$datei" "$aus/corpus/$ziel/$(basename "$datei")"
    done
    return 0
}

# Names like the ones the save writes into Artikeln: designation~shipping#seller.ebay.
artikelnamen() {
    local ordner="$aus/corpus/fuzz_dateinamen"
    mkdir -p "$ordner"
    local i=0
    for bezeichnung in "Harry Potter, Band 1" "Kochbuch (gebunden)" "Jacke Gr+ 48" "Tisch 'Eiche'" \
        "PROGRA~1" "Fahrrad - 28 Zoll"; do
        for preis in "4,90" "0" "12__50"; do
            for verkaeufer in "Hausverkauf-1" "anna#b" "Max Mustermann"; do
                i=$((i + 1))
                printf '%s' "C:\\KORI\\Artikeln\\$bezeichnung~$preis#$verkaeufer.ebay" >"$ordner/name$i"
            done
        done
    done
}

# Style texts and addresses in the forms browsers accept: escapes, image-set, slashes of both kinds.
css_und_adressen() {
    local ordner="$aus/corpus/fuzz_css_adresse"
    mkdir -p "$ordner"
    local i=0
    for text in 'background:url(\68ttp://a.de/x.jpg);color:red' '@import "\68ttp://a.de/a.css" screen;' \
        'p{background:-webkit-image-set(url(a.png) 1x,"b.png" 2x)}' 'font:italic 10px/1.2 "A\"B"' \
        'http:\\host\x.jpg' 'https:/\evil.com/' '/	/evil.com' 'https://ex%61mple.com/' \
        'https://user:pw@[::1]:8080/?a=@b#c' 'javascript:alert(1)' 'https://bücher.de./'; do
        i=$((i + 1))
        printf '%s' "$text" >"$ordner/text$i"
    done
}

# Every target gets its corpus folder, seeded or not: libFuzzer refuses to start without it.
for ziel in "${ziele[@]}"; do
    mkdir -p "$aus/corpus/$ziel"
done
saat fuzz_eintraege "$daten"/vorlagen/*
saat fuzz_textdatei "$daten"/vorlagen/* "$daten"/Artikeln-Txt/* "$daten"/Artikel-Beschreibung/*
saat fuzz_ini "$daten"/Einstell.Ini "$daten"/HTML_Code/Vorlage.Ini
saat fuzz_windows1252 "$daten"/vorlagen/* "$daten"/HTML_Code/*
saat fuzz_listing "$daten"/HTML_Code/*
saat fuzz_listingpruefung "$daten"/HTML_Code/*
saat fuzz_css_adresse "$daten"/HTML_Code/*
artikelnamen
css_und_adressen

lauf() {
    local ziel="$1"
    rm -rf "$aus/findings/$ziel"
    mkdir -p "$aus/findings/$ziel"
    # A finding ends the run early; the others still get their time.
    local wurzel="$PWD"
    local rc=0
    (cd "$aus/findings/$ziel" &&
        QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$wurzel/tests/lsan.supp" "../../fuzz/$ziel" \
            -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=1024 \
            -artifact_prefix="./" "../../corpus/$ziel" >"../$ziel.log" 2>&1) || rc=$?
    echo "$rc" >"$aus/findings/$ziel.rc"
}

# The verdict on one target from its exit code, its log and its findings folder; prints one line
# and returns non-zero when the target did not run or found something.
urteil() {
    local ziel="$1"
    local protokoll="$aus/findings/$ziel.log"
    local rc
    rc="$(cat "$aus/findings/$ziel.rc" 2>/dev/null || echo 1)"
    local laeufe
    laeufe="$(sed -n 's/^Done \([0-9][0-9]*\) runs in .*/\1/p' "$protokoll" 2>/dev/null | tail -n 1)"
    if [ -n "$(ls -A "$aus/findings/$ziel" 2>/dev/null)" ] || { [ "$rc" != 0 ] && [ -n "$laeufe" ]; }; then
        echo "!! $ziel hat etwas gefunden: $aus/findings/$ziel (Protokoll $protokoll)"
        return 1
    fi
    if [ "$rc" != 0 ] || [ -z "$laeufe" ] || [ "$laeufe" -eq 0 ]; then
        echo "!! $ziel ist nicht gelaufen (Protokoll $protokoll)"
        return 1
    fi
    echo "== $ziel: $laeufe Läufe in ${sekunden}s"
}

# Two at a time: the machine has two cores.
for ((i = 0; i < ${#ziele[@]}; i += 2)); do
    lauf "${ziele[i]}" &
    if ((i + 1 < ${#ziele[@]})); then
        lauf "${ziele[i + 1]}" &
    fi
    wait
done

fehler=0
for ziel in "${ziele[@]}"; do
    urteil "$ziel" || fehler=1
done
exit "$fehler"
