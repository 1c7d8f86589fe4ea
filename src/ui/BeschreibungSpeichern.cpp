#include "ui/BeschreibungSpeichern.h"

#include "title/Beschreibungsname.h"
#include "ui/Anwendung.h"
#include "ui/Meldung.h"

namespace {

// The rows are named by their labels, as the window shows them, without the colon.
bool speicherbar(Anwendung& app, const QString& bezeichnung, const QList<BenanntesFeld>& zeilen) {
    QList<BenanntesFeld> felder{{QStringLiteral("Artikel Bezeichnung"), bezeichnung}};
    for (const BenanntesFeld& zeile : zeilen) {
        QString name = zeile.name.trimmed();
        if (name.endsWith(QLatin1Char(':'))) {
            name.chop(1);
        }
        felder.append({name, zeile.text});
    }
    return FelderSpeicherbar(app.plattform(), felder);
}

} // namespace

bool BeschreibungsdateiSchreiben(Anwendung& app, const QString& bezeichnung,
                                 const QList<BenanntesFeld>& zeilen,
                                 const std::function<bool(const QString& pfad)>& schreiben) {
    // Without a name every description would land in one hidden file ".ini" and overwrite the last.
    if (bezeichnung.trimmed().isEmpty()) {
        Meldung(app.plattform(), 99, kBeschreibungsnameFehlt);
        return false;
    }
    const std::optional<QString> name = Beschreibungsdateiname(bezeichnung);
    if (!name) {
        Meldung(app.plattform(), 99, kBeschreibungsnameUngueltig);
        return false;
    }
    if (!speicherbar(app, bezeichnung, zeilen)) {
        return false;
    }
    const QString pfad = app.daten().pfad(QStringLiteral("Artikel-Beschreibung\\") + *name);
    if (!schreiben(pfad)) {
        Meldung(app.plattform(), 99, BeschreibungNichtGespeichert(pfad));
        return false;
    }
    app.zustand().beschreibungsDateiPfad = pfad;
    return true;
}
