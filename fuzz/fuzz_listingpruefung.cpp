// The listing check over a listing and a designation of any content.
#include "FuzzHilfe.h"
#include "compose/ListingPruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    ListingPruefEingabe e;
    e.bezeichnung = naechsterText(eingabe, 128);
    e.eigeneAdressen = {naechsterText(eingabe, 64)};
    // The listing comes last: it is the outside file, and the longest text.
    e.listing = restText(eingabe);
    e.herkunft = {{0, e.listing.size(), QStringLiteral("Feld")}};
    for (const Befund& b : ListingPruefen(e)) {
        const qsizetype laenge = b.inBezeichnung ? e.bezeichnung.size() : e.listing.size();
        KORI_PRUEFEN(b.start >= 0 && b.laenge >= 0 && b.start + b.laenge <= laenge);
        KORI_PRUEFEN(!b.regel.isEmpty());
        KORI_PRUEFEN(b.herkunft == (b.inBezeichnung ? kHerkunftBezeichnung : QStringLiteral("Feld")));
        KORI_PRUEFEN(!BefundZeile(b).isEmpty());
    }
    return 0;
}
