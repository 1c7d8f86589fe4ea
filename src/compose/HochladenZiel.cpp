#include "compose/HochladenZiel.h"

#include "config/Einstellungen.h"

#include <QUrl>

#include <optional>

namespace {

const QString kBeispiel = QStringLiteral(" (sftp://benutzer@server/ordner)");

// The port as typed after the server, if one is.
std::optional<QString> portText(const QString& text) {
    const QString autoritaet =
        text.mid(text.indexOf(QStringLiteral("://")) + 3).section(QLatin1Char('/'), 0, 0);
    QString rechner = autoritaet.section(QLatin1Char('@'), -1);
    if (rechner.startsWith(QLatin1Char('['))) {
        rechner = rechner.mid(rechner.indexOf(QLatin1Char(']')) + 1);
    }
    const qsizetype doppelpunkt = rechner.lastIndexOf(QLatin1Char(':'));
    if (doppelpunkt < 0) {
        return std::nullopt;
    }
    return rechner.mid(doppelpunkt + 1);
}

} // namespace

ZielAuswertung hochladenZielLesen(const QString& text) {
    ZielAuswertung a;
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        a.fehler = QStringLiteral("Es ist noch kein Ziel eingetragen: Einstellungen, „Hochladen nach“") +
                   kBeispiel + QLatin1Char('.');
        return a;
    }
    if (zielOhnePasswort(t) != t) {
        a.fehler = QStringLiteral("Das Ziel enthält ein Passwort. Bitte tragen Sie es ohne Passwort ein; das "
                                  "Programm fragt danach, wenn der Server eines verlangt.");
        return a;
    }
    if (!t.startsWith(QStringLiteral("sftp://"), Qt::CaseInsensitive)) {
        a.fehler = QStringLiteral("Das Ziel muss mit „sftp://“ beginnen") + kBeispiel + QLatin1Char('.');
        return a;
    }
    const std::optional<QString> port = portText(t);
    bool zahl = false;
    const int nummer = port ? port->toInt(&zahl) : 22;
    if (port && (!zahl || nummer < 1 || nummer > 65535)) {
        a.fehler = QStringLiteral("Die Portnummer im Ziel ist keine Zahl von 1 bis 65535.");
        return a;
    }
    const QUrl url(t);
    if (url.userName().isEmpty()) {
        a.fehler = QStringLiteral("Im Ziel fehlt der Benutzername") + kBeispiel + QLatin1Char('.');
        return a;
    }
    if (!url.isValid() || url.host().isEmpty()) {
        a.fehler = QStringLiteral("Im Ziel fehlt der Server oder sein Name ist ungültig") + kBeispiel +
                   QLatin1Char('.');
        return a;
    }
    a.ziel.benutzer = url.userName();
    a.ziel.server = url.host(QUrl::FullyEncoded);
    a.ziel.port = nummer;
    a.ziel.ordner = url.path();
    if (!a.ziel.ordner.endsWith(QLatin1Char('/'))) {
        a.ziel.ordner += QLatin1Char('/');
    }
    return a;
}

QString hochladenSperrgrund(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return QStringLiteral("In den Einstellungen „Hochladen nach“ ausfüllen") + kBeispiel;
    }
    const QString fehler = hochladenZielLesen(text).fehler;
    return fehler.isEmpty() ? QString() : QStringLiteral("Einstellungen, „Hochladen nach“: ") + fehler;
}

QByteArray zielAdresse(const HochladenZiel& ziel, const QString& dateiname) {
    QUrl url;
    url.setScheme(QStringLiteral("sftp"));
    url.setHost(ziel.server);
    url.setPort(ziel.port);
    url.setPath(ziel.ordner + dateiname);
    return url.toEncoded();
}

QString serverName(const HochladenZiel& ziel) {
    if (ziel.port == 22) {
        return ziel.server;
    }
    return QLatin1Char('[') + ziel.server + QStringLiteral("]:") + QString::number(ziel.port);
}

QString kontoName(const HochladenZiel& ziel) {
    return ziel.benutzer + QLatin1Char('@') + serverName(ziel);
}
