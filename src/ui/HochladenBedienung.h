#pragma once

#include "compose/Fotos.h"
#include "config/Einstellungen.h"

#include <QObject>

#include <functional>
#include <memory>

class Datenordner;
class FotoBedienung;
class FotoHochladen;
class Plattform;

namespace Ui {
class frmHaupt;
}

// "Fotos hochladen" on the pictures page and in the "Datei" menu: sends the upload copies of the
// ticked rows to the seller's web space, shows the bytes sent in the photo bar and offers
// "Abbrechen" while it runs. It never runs beside "Fotos vorbereiten", which rewrites the copies.
class HochladenBedienung final : public QObject {
    Q_OBJECT
public:
    // Connects the controls of the main window, which must exist already, as must `fotos`.
    HochladenBedienung(Plattform& plattform, const Datenordner& daten,
                       std::function<Einstellungen()> einstellungen, FotoBedienung& fotos, Ui::frmHaupt& ui,
                       QObject* parent);
    ~HochladenBedienung() override;

    void cmdFotosHochladen_Click();
    void cmdFotosAbbrechen_Click();
    // The target the settings hold now: without a usable one the upload entries are disabled
    // and their tooltip says why.
    void zielZeigen(const QString& ziel);

    FotoHochladen& hochladen() { return *m_hochladen; }

private:
    QList<HochladenZeile> zeilen() const;
    void knoepfeSetzen();
    void laufZeigen(bool laeuft);
    void fortschrittZeigen(qint64 gesendet, qint64 gesamt);
    void beendet(bool erfolg);
    void hinweis(const QString& text);

    Plattform& m_plattform;
    const Datenordner& m_daten;
    std::function<Einstellungen()> m_einstellungen;
    FotoBedienung& m_fotos;
    Ui::frmHaupt& m_ui;
    std::unique_ptr<FotoHochladen> m_hochladen;
    QString m_ziel;
    bool m_abgebrochen = false;
};
