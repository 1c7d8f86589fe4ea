// Reading any INI text, then writing a value and reading it back: the value comes back as the
// reader defines it (line breaks as blanks, trimmed, one pair of enclosing quotes gone, whole),
// and every other key keeps its value.
#include "FuzzHilfe.h"
#include "config/Ini.h"

namespace {

QString wieGelesen(const QString& wert) {
    QString t = iniEinzeilig(wert).trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"'))) {
        t = t.mid(1, t.size() - 2);
    }
    return t;
}

bool hatZeilenende(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Names the file format can hold at all: one line, no blanks around, a key without "=" that
// does not look like a section line. Any value can be written.
bool schreibbar(const QString& abschnitt, const QString& schluessel) {
    if (hatZeilenende(abschnitt) || hatZeilenende(schluessel)) {
        return false;
    }
    if (abschnitt != abschnitt.trimmed() || schluessel != schluessel.trimmed()) {
        return false;
    }
    return !schluessel.contains(QLatin1Char('=')) && !schluessel.startsWith(QLatin1Char('['));
}

bool gleicherName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    const QString abschnitt = naechsterText(eingabe, 32);
    const QString schluessel = naechsterText(eingabe, 32);
    const QString wert = naechsterText(eingabe, 400);
    const QString andererAbschnitt = naechsterText(eingabe, 32);
    const QString andererSchluessel = naechsterText(eingabe, 32);
    const QString inhalt = restText(eingabe);

    iniAbschnittImText(inhalt, abschnitt);
    const QString andererVorher = iniWertAusText(inhalt, andererAbschnitt, andererSchluessel);

    const QString neu = iniTextMitWert(inhalt, abschnitt, schluessel, wert);
    if (!schreibbar(abschnitt, schluessel)) {
        return 0;
    }
    KORI_PRUEFEN(iniWertAusText(neu, abschnitt, schluessel) == wieGelesen(wert));
    KORI_PRUEFEN(iniAbschnittImText(neu, abschnitt));
    if (!gleicherName(andererAbschnitt, abschnitt) || !gleicherName(andererSchluessel, schluessel)) {
        KORI_PRUEFEN(iniWertAusText(neu, andererAbschnitt, andererSchluessel) == andererVorher);
    }
    return 0;
}
