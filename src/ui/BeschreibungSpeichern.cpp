#include "ui/BeschreibungSpeichern.h"

#include "title/Beschreibungsname.h"
#include "ui/Anwendung.h"
#include "ui/Meldung.h"

bool BeschreibungsdateiSchreiben(Anwendung& app, const QString& bezeichnung,
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
    const QString pfad = app.daten().pfad(QStringLiteral("Artikel-Beschreibung\\") + *name);
    if (!schreiben(pfad)) {
        Meldung(app.plattform(), 99, BeschreibungNichtGespeichert(pfad));
        return false;
    }
    app.zustand().beschreibungsDateiPfad = pfad;
    return true;
}
