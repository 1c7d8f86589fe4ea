// The three decoders of an article file name over any path, and a file name built the way the
// save builds it decoded back into its parts.
#include "FuzzHilfe.h"
#include "article/Dateinamen.h"

namespace {

bool enthaeltEines(const QString& text, QLatin1StringView zeichen) {
    for (const char z : zeichen) {
        if (text.contains(QLatin1Char(z))) {
            return true;
        }
    }
    return false;
}

void beliebigerPfad(const QString& pfad) {
    TitelAusDateiname(pfad);
    PreisAusDateiname(pfad);
    VerkaeuferAusDateiname(pfad);
}

// Price and seller come from the user's settings; the ones a file name can carry whole must come
// back whole, whatever the folder holds. A "~" in the designation (or a "!", saved as "~") ends
// the designation by the naming rule, so those are left out.
void gebauterName(FuzzedDataProvider& eingabe) {
    const QString ordner = naechsterText(eingabe, 64);
    const QString bezeichnung = naechsterText(eingabe, 64);
    const QString preis = naechsterText(eingabe, 16);
    const QString verkaeufer = naechsterText(eingabe, 32);
    if (enthaeltEines(preis, QLatin1StringView("~#/\\")) ||
        enthaeltEines(verkaeufer, QLatin1StringView("#/\\")) ||
        enthaeltEines(bezeichnung, QLatin1StringView("~!"))) {
        return;
    }
    const QString speichername = VerboteneZeichenErsetzen(bezeichnung);
    KORI_PRUEFEN(!enthaeltEines(speichername, QLatin1StringView("?#:\\/|*<>\"")));
    const QString pfad = ordner + QLatin1Char('/') + speichername + QLatin1Char('~') + preis +
                         QLatin1Char('#') + verkaeufer + QStringLiteral(".ebay");
    KORI_PRUEFEN(TitelAusDateiname(pfad) == VerboteneZeichenZurueck(speichername));
    KORI_PRUEFEN(PreisAusDateiname(pfad) == preis);
    KORI_PRUEFEN(VerkaeuferAusDateiname(pfad) == verkaeufer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    beliebigerPfad(alsText(daten, groesse));
    FuzzedDataProvider eingabe(daten, groesse);
    gebauterName(eingabe);
    return 0;
}
