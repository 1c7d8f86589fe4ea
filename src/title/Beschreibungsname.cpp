#include "title/Beschreibungsname.h"

#include "article/Dateinamen.h"

#include <QDir>

std::optional<QString> Beschreibungsdateiname(const QString& bezeichnung) {
    // The article file name table replaces every separator, so no designation reaches another folder.
    const QString name = VerboteneZeichenErsetzen(bezeichnung);
    const QString kern = name.trimmed();
    if (kern == QLatin1String(".") || kern == QLatin1String("..")) {
        return std::nullopt;
    }
    return name + QStringLiteral(".ini");
}

QString BeschreibungNichtGespeichert(const QString& pfad) {
    return QStringLiteral(
               "Die Beschreibung konnte nicht gespeichert werden:\r\n%1\r\nBitte prüfen, ob der Ordner "
               "beschreibbar ist, und erneut speichern.")
        .arg(QDir::toNativeSeparators(pfad));
}
