#include "config/Ini.h"

#include "core/TextDatei.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QStringList zeilenVon(const QString& inhalt) {
    QString normal = inhalt;
    normal.replace(kCrLf, QStringLiteral("\n"));
    QStringList zeilen = normal.split(QLatin1Char('\n'));
    if (!zeilen.isEmpty() && zeilen.last().isEmpty()) {
        zeilen.removeLast();
    }
    return zeilen;
}

// The section name of a "[name]" line, or nothing.
std::optional<QString> abschnittVon(const QString& zeile) {
    const QString t = zeile.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
        return t.mid(1, t.size() - 2).trimmed();
    }
    return std::nullopt;
}

bool istSchluessel(const QString& zeile, const QString& schluessel) {
    const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
    return gleich >= 0 && zeile.left(gleich).trimmed().compare(schluessel, Qt::CaseInsensitive) == 0;
}

bool istAbschnitt(const QString& zeile, const QString& abschnitt) {
    const std::optional<QString> name = abschnittVon(zeile);
    return name && name->compare(abschnitt, Qt::CaseInsensitive) == 0;
}

} // namespace

QString iniWertAusText(const QString& inhalt, const QString& abschnitt, const QString& schluessel) {
    bool imAbschnitt = false;
    for (const QString& zeile : zeilenVon(inhalt)) {
        if (abschnittVon(zeile)) {
            imAbschnitt = istAbschnitt(zeile, abschnitt);
            continue;
        }
        if (!imAbschnitt || !istSchluessel(zeile, schluessel)) {
            continue;
        }
        QString wert = zeile.mid(zeile.indexOf(QLatin1Char('=')) + 1).trimmed();
        if (wert.size() >= 2 && wert.startsWith(QLatin1Char('"')) && wert.endsWith(QLatin1Char('"'))) {
            wert = wert.mid(1, wert.size() - 2);
        }
        return wert;
    }
    return {};
}

QString iniEinzeilig(QString wert) {
    wert.replace(kCrLf, QStringLiteral(" "));
    wert.replace(QLatin1Char('\r'), QLatin1Char(' '));
    wert.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return wert;
}

QString iniTextMitWert(const QString& inhalt, const QString& abschnitt, const QString& schluessel,
                       const QString& wert) {
    QStringList zeilen = zeilenVon(inhalt);
    const QString neu = schluessel + QLatin1Char('=') + iniEinzeilig(wert);
    qsizetype abschnittEnde = -1;
    bool imAbschnitt = false;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (abschnittVon(zeilen.at(i))) {
            if (imAbschnitt) {
                break;
            }
            imAbschnitt = istAbschnitt(zeilen.at(i), abschnitt);
            abschnittEnde = imAbschnitt ? i + 1 : abschnittEnde;
            continue;
        }
        if (!imAbschnitt) {
            continue;
        }
        if (istSchluessel(zeilen.at(i), schluessel)) {
            zeilen[i] = neu;
            return zeilen.join(kCrLf) + kCrLf;
        }
        if (!zeilen.at(i).trimmed().isEmpty()) {
            abschnittEnde = i + 1;
        }
    }
    if (abschnittEnde < 0) {
        zeilen.append(QLatin1Char('[') + abschnitt + QLatin1Char(']'));
        abschnittEnde = zeilen.size();
    }
    zeilen.insert(abschnittEnde, neu);
    return zeilen.join(kCrLf) + kCrLf;
}

bool iniAbschnittImText(const QString& inhalt, const QString& abschnitt) {
    const QStringList zeilen = zeilenVon(inhalt);
    return std::any_of(zeilen.cbegin(), zeilen.cend(),
                       [&abschnitt](const QString& zeile) { return istAbschnitt(zeile, abschnitt); });
}

QString IniLesen(const QString& pfad, const QString& abschnitt, const QString& schluessel) {
    const std::optional<QString> inhalt = textLesen(pfad);
    return inhalt ? iniWertAusText(*inhalt, abschnitt, schluessel) : QString();
}

bool IniSchreiben(const QString& pfad, const QString& abschnitt, const QString& schluessel,
                  const QString& wert) {
    return IniSchreiben(pfad, abschnitt, QStringList{schluessel}, QStringList{wert});
}

QStringList IniLesen(const QString& pfad, const QString& abschnitt, const QStringList& schluessel) {
    const QString inhalt = textLesen(pfad).value_or(QString());
    QStringList werte;
    for (const QString& s : schluessel) {
        werte.append(iniWertAusText(inhalt, abschnitt, s));
    }
    return werte;
}

bool IniSchreiben(const QString& pfad, const QString& abschnitt, const QStringList& schluessel,
                  const QStringList& werte) {
    const std::optional<QString> bisher = textLesen(pfad);
    // A file that is there but cannot be read would be replaced by these keys, losing the rest.
    if (!bisher && QFile::exists(pfad)) {
        return false;
    }
    QString text = bisher.value_or(QString());
    for (qsizetype i = 0; i < schluessel.size(); ++i) {
        text = iniTextMitWert(text, abschnitt, schluessel.at(i), werte.value(i));
    }
    return textSchreiben(pfad, text, Textart::Klartext).isEmpty();
}

bool IniAbschnittVorhanden(const QString& pfad, const QString& abschnitt) {
    const std::optional<QString> inhalt = textLesen(pfad);
    return inhalt && iniAbschnittImText(*inhalt, abschnitt);
}
