// A stored article text or text block over any content, and the key lines it gives turned into
// the assignments to the controls.
#include "FuzzHilfe.h"
#include "article/ArtikelText.h"
#include "lists/Eintraege.h"

namespace {

void zuweisungPruefen(const Zuweisung& z) {
    KORI_PRUEFEN(!z.schluessel.isEmpty());
    KORI_PRUEFEN(z.nummer >= 0);
    switch (z.art) {
    case Zuweisung::Art::Haken:
        KORI_PRUEFEN(z.zahl >= 0 && z.zahl <= 2);
        KORI_PRUEFEN(z.wert == QString::number(z.zahl));
        break;
    case Zuweisung::Art::Bild:
        KORI_PRUEFEN(z.zahl >= 1 && z.zahl <= 5);
        break;
    case Zuweisung::Art::Text:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const TextDateiInhalt datei = textDateiAuswerten(alsText(daten, groesse));
    KORI_PRUEFEN(datei.text.isEmpty() || datei.text.endsWith(QStringLiteral("\r\n")));
    KORI_PRUEFEN(datei.letzteErsetzungen >= 0);
    for (const QString& zeile : datei.zeilen) {
        KORI_PRUEFEN(zeile == zeile.trimmed());
    }
    for (const Schluesselsuche suche : {Schluesselsuche::Enthalten, Schluesselsuche::Genau}) {
        for (const Zuweisung& z : FelderAusZeilenSetzen(datei.zeilen, suche).zuweisungen) {
            zuweisungPruefen(z);
        }
    }
    const ArtikelDateiInhalt artikel = ArtikelDateiAuswerten(alsText(daten, groesse));
    for (const Zuweisung& z : FelderAusZeilenSetzen(artikel.zeilen, Schluesselsuche::Genau).zuweisungen) {
        zuweisungPruefen(z);
    }
    return 0;
}
