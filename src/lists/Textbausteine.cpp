#include "lists/Textbausteine.h"

#include "lists/Eintraege.h"

TextblockNamen BTNamenAuswerten(const QString& inhalt, const TextblockNamen& bisher) {
    TextblockNamen namen = bisher;
    std::size_t naechster = 0;
    for (const QString& eintrag : eintraegeLesen(inhalt)) {
        if (eintrag.contains(QLatin1Char('#'))) {
            continue;
        }
        if (naechster >= namen.size()) {
            break;
        }
        namen[naechster++] = eintrag.left(9);
    }
    return namen;
}

QString BTBeschriftung(const QString& name) {
    return name.trimmed().isEmpty() ? QStringLiteral("frei") : name;
}
