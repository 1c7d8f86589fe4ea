#include "ui/BeschreibungSpeichern.h"

#include "title/Beschreibungsname.h"
#include "ui/Anwendung.h"
#include "ui/Meldung.h"

void BeschreibungsdateiSchreiben(Anwendung& app, const QString& bezeichnung,
                                 const std::function<bool(const QString& pfad)>& schreiben) {
    const std::optional<QString> name = Beschreibungsdateiname(bezeichnung);
    if (!name) {
        Meldung(app.plattform(), 99, kBeschreibungsnameUngueltig);
        return;
    }
    const QString pfad = app.daten().pfad(QStringLiteral("Artikel-Beschreibung\\") + *name);
    app.zustand().beschreibungsDateiPfad = pfad;
    if (!schreiben(pfad)) {
        Meldung(app.plattform(), 99, QStringLiteral("Fehler beim Speichern der Vorlage"));
    }
}
