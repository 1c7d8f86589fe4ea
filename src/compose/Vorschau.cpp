#include "compose/Vorschau.h"

#include "compose/Trimmen.h"
#include "core/TextDatei.h"

QString VorschauKopf(const QString& bezeichnung) {
    const QString d =
        bezeichnung.startsWith(QLatin1Char('-')) ? blankeEntfernen(bezeichnung.mid(1)) : bezeichnung;
    return QStringLiteral("<br><br>") + QStringLiteral("<div align=\"center\">") +
           QStringLiteral("Artikel Bezeichnung:<br>") + QStringLiteral("<b>") + d + QStringLiteral("</b>") +
           QStringLiteral("</div>") + QStringLiteral("<br>");
}

QString VorschauText(const QString& bezeichnung, const QString& bisher) {
    return VorschauKopf(bezeichnung) + bisher;
}

QString VorschauSchreiben(const QString& pfad, const QString& text) {
    return textSchreiben(pfad, text + QStringLiteral("\r\n"), Textart::Html);
}
