#include "config/Beschreibungsdatei.h"

#include "config/Ini.h"
#include "core/TextDatei.h"

bool KleidBeschrSpeichern(const QString& pfad, const QStringList& werte) {
    // One whole write for all eight keys, so a failure cannot leave half a section behind.
    QString inhalt = textLesen(pfad).value_or(QString());
    for (qsizetype n = 0; n < 8; ++n) {
        inhalt = iniTextMitWert(inhalt, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL%1").arg(n + 1),
                                werte.value(n));
    }
    return textSchreiben(pfad, inhalt, Textart::Klartext).isEmpty();
}
