#pragma once

#include "compose/Fotos.h"
#include "config/Einstellungen.h"
#include "ui/Bildzeilen.h"

#include <QHash>
#include <QObject>
#include <QSize>

#include <functional>

class Datenordner;
class FotoWerkzeug;
class Hintergrundauftrag;
class Plattform;
struct Zustand;

namespace Ui {
class frmHaupt;
}

// The upload copies of the picture rows' photos: "Fotos vorbereiten" on the pictures page and in
// the "Datei" menu, the web names proposed for rows without one, and what the listing check
// knows of the photos.
class FotoBedienung final : public QObject {
    Q_OBJECT
public:
    // What the handlers read when they run.
    struct Quellen {
        std::function<Einstellungen()> einstellungen;
        // The photo library, loaded on first use; null when it cannot be loaded.
        std::function<const FotoWerkzeug*()> werkzeug;
    };

    // Connects the controls of the main window, which must exist already.
    FotoBedienung(Plattform& plattform, Zustand& zustand, const Datenordner& daten, Quellen quellen,
                  Ui::frmHaupt& ui, QObject* parent);
    ~FotoBedienung() override;

    void cmdFotosVorbereiten_Click();
    // A row that has a photo and lost its file name gets a web name proposed.
    void txtEbayBildPfad_LostFocus(int zeile);

    // The photos of the ticked rows as their upload copies will be.
    QList<FotoAngabe> fotoAngaben();
    // The runner the photo buttons share, with its progress bar `prgFotos`.
    Hintergrundauftrag& auftrag() { return *m_auftrag; }
    // While the copies are being uploaded, none may be rewritten.
    void sperren(bool gesperrt);
    // Whether the row is ticked and shows a photo it has a local file for.
    bool hatFoto(int zeile) const;

private:
    // The copies to make, with names proposed where missing; nothing when a name does not fit,
    // after telling the seller.
    std::optional<QList<FotoKopie>> kopienSammeln();
    bool kopieZuGross(const QString& pfad, QSize groesse, int kante);

    Plattform& m_plattform;
    Zustand& m_zustand;
    const Datenordner& m_daten;
    Quellen m_quellen;
    Ui::frmHaupt& m_ui;
    std::array<Bildzeile, 5> m_zeilen;
    std::unique_ptr<Hintergrundauftrag> m_auftrag;
    bool m_gesperrt = false;
    // Whether a photo's copy stays above the limit, by path, file time and longest side: finding
    // out takes encoding it.
    QHash<QString, bool> m_zuGross;
};
