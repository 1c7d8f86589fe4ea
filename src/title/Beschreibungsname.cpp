#include "title/Beschreibungsname.h"

#include "article/Dateinamen.h"

std::optional<QString> Beschreibungsdateiname(const QString& bezeichnung) {
    // The article file name table replaces every separator, so no designation reaches another folder.
    const QString name = VerboteneZeichenErsetzen(bezeichnung);
    const QString kern = name.trimmed();
    if (kern == QLatin1String(".") || kern == QLatin1String("..")) {
        return std::nullopt;
    }
    return name + QStringLiteral(".ini");
}
