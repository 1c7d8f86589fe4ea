#include "title/BuchBeschreibungsdatei.h"

#include "config/Beschreibungsdatei.h"
#include "config/Ini.h"

#include <QStringList>

namespace {

QString einzeilig(QString wert) {
    wert.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    wert.replace(QLatin1Char('\r'), QLatin1Char(' '));
    wert.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return wert.trimmed();
}

} // namespace

bool BuchBeschrSpeichern(const QString& pfad, const std::array<QString, kBuchZeilen>& werte) {
    QStringList zeilen;
    for (const QString& wert : werte) {
        zeilen.append(einzeilig(wert));
    }
    return KleidBeschrSpeichern(pfad, zeilen.mid(0, 8)) &&
           IniSchreiben(pfad, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL9"), zeilen.at(8));
}
