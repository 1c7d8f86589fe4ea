// The listing assembly over field and template texts of any content.
#include "FuzzHilfe.h"
#include "compose/Kurzfassung.h"
#include "compose/Listing.h"

namespace {

bool ja(FuzzedDataProvider& eingabe) {
    return eingabe.ConsumeBool();
}

QString text(FuzzedDataProvider& eingabe) {
    return naechsterText(eingabe, 256);
}

void hauptfenster(FuzzedDataProvider& eingabe, ListingEingabe& e) {
    e.versandInfoJa = ja(eingabe);
    e.versandkosten = text(eingabe);
    e.versandArt = text(eingabe);
    e.aufWasBieten = text(eingabe);
    e.titel = text(eingabe);
    e.untertitel = text(eingabe);
    for (ListingBild& bild : e.bilder) {
        bild = {text(eingabe), text(eingabe), text(eingabe)};
    }
    e.inhaltAuto = text(eingabe);
    e.inhalt = text(eingabe);
    e.aufforderung1Ja = ja(eingabe);
    e.aufforderung1 = text(eingabe);
    e.aufforderung2Ja = ja(eingabe);
    e.aufforderung2 = text(eingabe);
}

void vorlage(FuzzedDataProvider& eingabe, ListingEingabe& e) {
    for (QString* teil : {&e.teil2, &e.teil3, &e.teil4, &e.htmlTeil0a, &e.htmlTeil0b, &e.htmlTeil0c,
                          &e.htmlTeil0d, &e.htmlTeil1, &e.htmlTeil3b, &e.htmlTeil3c, &e.htmlTeil5,
                          &e.htmlTeil6, &e.htmlTeil6b, &e.htmlTeil7, &e.htmlShop, &e.farbverlauf}) {
        *teil = text(eingabe);
    }
}

void einstellungen(FuzzedDataProvider& eingabe, ListingEingabe& e) {
    e.bilderPfad = text(eingabe);
    e.hinweisJa = ja(eingabe);
    e.einstellVerkaeufer = text(eingabe);
    e.shopJa = ja(eingabe);
    e.shopBildPfad = text(eingabe);
    e.verkaeuferName = text(eingabe);
    for (bool& vorhanden : e.bildVorhanden) {
        vorhanden = ja(eingabe);
    }
    e.versionMajor = eingabe.ConsumeIntegral<int>();
    e.versionRevision = eingabe.ConsumeIntegral<int>();
}

// The summary from the fuzzed fields: within the app's limit, and counted as the listing holds it.
QStringList kurzfassung(FuzzedDataProvider& eingabe, const ListingEingabe& e) {
    static const QStringList arten{QStringLiteral("Buch"), QStringLiteral("Kleidung"), QString()};
    const QString art = arten.at(eingabe.ConsumeIntegralInRange<qsizetype>(0, arten.size() - 1));
    return KurzfassungBilden(
        {e.titel, e.untertitel, e.aufWasBieten, e.inhaltAuto, art, e.versandkosten, e.versandArt, e.inhalt});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    ListingEingabe e;
    // The template parts come last: they are the outside files, and the longest texts.
    hauptfenster(eingabe, e);
    einstellungen(eingabe, e);
    const QStringList zeilen = kurzfassung(eingabe, e);
    KORI_PRUEFEN(KurzfassungZeichen(zeilen) <= kKurzfassungGrenze);
    e.kurzfassung = KurzfassungBlock(zeilen);
    vorlage(eingabe, e);
    const ListingErgebnis ergebnis = Texte_Verbinden(e);
    if (ergebnis.fehler != ShopFehler::Keiner) {
        KORI_PRUEFEN(e.shopJa);
        KORI_PRUEFEN(ergebnis.text.isEmpty());
        KORI_PRUEFEN(!ergebnis.fehlerZeilen.isEmpty());
        return 0;
    }
    KORI_PRUEFEN(ergebnis.fehlerZeilen.isEmpty());
    KORI_PRUEFEN(ergebnis.text.contains(e.titel));
    KORI_PRUEFEN(ergebnis.text.contains(e.inhalt));
    KORI_PRUEFEN(ergebnis.text.endsWith(QStringLiteral("\r\n")));
    if (!zeilen.isEmpty()) {
        const QList<KurzfassungStelle> stellen = KurzfassungenFinden(ergebnis.text);
        KORI_PRUEFEN(!stellen.isEmpty() && stellen.first().laenge == KurzfassungZeichen(zeilen) &&
                     stellen.first().fremderTagLaenge == 0);
    }
    return 0;
}
