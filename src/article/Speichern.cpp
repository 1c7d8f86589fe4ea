#include "article/Speichern.h"

#include "article/Dateinamen.h"
#include "article/Texte.h"
#include "core/Datenordner.h"
#include "core/Hausverkaeufer.h"

QString SpeichernameBilden(const QString& artikelBez, const QString& verkaeuferName) {
    QString name = VerboteneZeichenErsetzen(artikelBez);
    if (hausverkaeufer::istInFuenf(verkaeuferName) && name.startsWith(QStringLiteral("+ "))) {
        name.remove(0, 2);
    }
    return name;
}

QString DateinameBilden(const QString& speichername, const QString& versandkosten,
                        const QString& verkaeuferName) {
    return speichername + QLatin1Char('~') + versandkosten + QLatin1Char('#') + verkaeuferName;
}

QString Registerzeile(const QString& eintrag) {
    return ZeichenErsetzen(ZeichenErsetzen(eintrag, QStringLiteral("#"), QStringLiteral("?")),
                           QStringLiteral(","), QStringLiteral("__"));
}

QString RegisternameBilden(const QString& dateiname) {
    return Registerzeile(dateiname + QStringLiteral(".ebay"));
}

SpeicherPfade SpeicherPfadeBilden(const Datenordner& daten, const QString& dateiname) {
    return {daten.pfad(QStringLiteral("Artikeln\\") + dateiname + QStringLiteral(".ebay")),
            daten.pfad(QStringLiteral("Artikeln-Txt\\") + dateiname + QStringLiteral(".ebay")),
            daten.pfad(QStringLiteral("Artikeln-Zusatz-html\\") + dateiname + QStringLiteral("-Zus.ebay"))};
}

std::optional<QString> RegisterOhneZeile(const QString& inhalt, const QString& zeile) {
    const QString trenner = QStringLiteral("\r\n");
    QStringList zeilen = inhalt.split(trenner);
    // An empty line would match the piece after the final line break, which is no line at all.
    const qsizetype stelle = zeile.isEmpty() ? -1 : zeilen.indexOf(zeile);
    if (stelle < 0) {
        return std::nullopt;
    }
    zeilen.removeAt(stelle);
    return zeilen.join(trenner);
}

QString NameNachSpeichern(const QString& artikelBez) {
    return ZeichenErsetzen(ZeichenErsetzen(artikelBez, QStringLiteral("+"), QStringLiteral("*")),
                           QStringLiteral(","), QStringLiteral("/"));
}

QString SpeicherFehlertext(const QString& fehler, const QString& speichername) {
    return QStringLiteral("Bitte folgende Zeichen ( ?,:,\\,! )im Speichername durch \" - oder leerzeichen \" "
                          "ersetzten \r\nFehler 11 - beim Speichern ") +
           fehler + QStringLiteral("\r\n\r\n") + speichername;
}
