// The library search over any names and any term, against upper-casing both with QString: the
// search upper-cases into one reused buffer and must find exactly the same entries.
#include "FuzzHilfe.h"
#include "article/Bibliothek.h"

#include <QStringList>

namespace {

// Latin-1 names (the search's own upper-casing) or any UTF-16 code units (QString's, broken
// surrogates included), as the input chooses.
QString naechsterName(FuzzedDataProvider& eingabe) {
    const bool latin1 = eingabe.ConsumeBool();
    const std::string bytes = eingabe.ConsumeRandomLengthString(256);
    if (latin1) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    QString name;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        name.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    const QString begriff = naechsterName(eingabe);
    QStringList namen;
    while (eingabe.remaining_bytes() > 0 && namen.size() < 64) {
        namen.append(naechsterName(eingabe));
    }
    QList<int> erwartet;
    for (qsizetype i = 0; i < namen.size(); ++i) {
        if (namen.at(i).toUpper().contains(begriff.toUpper())) {
            erwartet.append(static_cast<int>(i));
        }
    }
    const Suchergebnis ergebnis = EintraegeSuchen(namen, begriff);
    KORI_PRUEFEN(ergebnis.treffer == erwartet);
    KORI_PRUEFEN(ergebnis.anzahl == erwartet.size());
    return 0;
}
