#include "title/BuchBeschreibungsdatei.h"

#include "config/Beschreibungsdatei.h"
#include "config/Ini.h"

#include <QStringList>

bool BuchBeschrSpeichern(const QString& pfad, const std::array<QString, kBuchZeilen>& werte) {
    QStringList zeilen;
    for (const QString& wert : werte) {
        zeilen.append(iniEinzeilig(wert).trimmed());
    }
    return KleidBeschrSpeichern(pfad, zeilen.mid(0, 8)) &&
           IniSchreiben(pfad, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL9"), zeilen.at(8));
}
