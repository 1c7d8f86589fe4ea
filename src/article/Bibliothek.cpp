#include "article/Bibliothek.h"

#include "core/Datenordner.h"

#include <QDir>

QString ListenOrdnerBilden(const Datenordner& daten) {
    return daten.pfad(QStringLiteral("Artikeln-txt\\"));
}

QStringList EbayDateienListen(const QString& ordner) {
    QStringList namen;
    const QFileInfoList dateien = QDir(ordner).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& datei : dateien) {
        if (datei.suffix().toLower() == QLatin1String("ebay")) {
            namen.append(datei.fileName());
        }
    }
    return namen;
}

Suchergebnis EintraegeSuchen(const QStringList& eintraege, const QString& begriff) {
    Suchergebnis ergebnis;
    const QString gross = begriff.toUpper();
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        if (eintraege[i].toUpper().contains(gross)) {
            ergebnis.treffer.append(static_cast<int>(i));
        }
    }
    ergebnis.anzahl = static_cast<int>(ergebnis.treffer.size());
    return ergebnis;
}

QString TrefferAnzeige(int anzahl) {
    return QStringLiteral("( %1 )").arg(anzahl);
}

QString EintragPfad(const QString& listenArt, const QString& listenOrdner, const QString& andererOrdner,
                    const QString& eintrag) {
    if (listenArt == QLatin1String("Andere")) {
        return andererOrdner + QLatin1Char('/') + eintrag;
    }
    return listenOrdner + eintrag;
}
