#include "article/Bibliothek.h"

#include "core/Datenordner.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>
#include <vector>

QString ListenOrdnerBilden(const Datenordner& daten) {
    return daten.pfad(QStringLiteral("Artikeln-txt\\"));
}

QStringList EbayDateienListen(const QString& ordner) {
    // Names only, sorted here: QDir's own sorted listing builds a file information per entry and
    // grew faster than the folder (17 times the time for 10 times the articles).
    struct Eintrag {
        QString klein;
        QString name;
    };
    std::vector<Eintrag> eintraege;
    QDirIterator it(ordner, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.endsWith(QLatin1String(".ebay"), Qt::CaseInsensitive)) {
            eintraege.push_back({name.toLower(), name});
        }
    }
    std::sort(eintraege.begin(), eintraege.end(), [](const Eintrag& a, const Eintrag& b) {
        return a.klein != b.klein ? a.klein < b.klein : a.name < b.name;
    });
    QStringList namen;
    namen.reserve(static_cast<qsizetype>(eintraege.size()));
    for (const Eintrag& e : eintraege) {
        namen.append(e.name);
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
