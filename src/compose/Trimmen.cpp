#include "compose/Trimmen.h"

QString blankeEntfernen(const QString& text) {
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang) == QLatin1Char(' ')) {
        ++anfang;
    }
    while (ende > anfang && text.at(ende - 1) == QLatin1Char(' ')) {
        --ende;
    }
    return text.mid(anfang, ende - anfang);
}
