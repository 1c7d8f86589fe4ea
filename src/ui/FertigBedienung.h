#pragma once

#include "article/ArtikelText.h"
#include "compose/Listing.h"
#include "config/Einstellungen.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class Datenordner;
class Plattform;
struct Zustand;

namespace Ui {
class frmHaupt;
}
struct PruefEingabe;

// The main window's finish command with its checks, the assembly of the listing from the main
// window, the template editor and the settings window, and the preview of a stored article.
class FertigBedienung final : public QObject {
    Q_OBJECT
public:
    // Connects the controls of the main window, which must exist already.
    // What the finish reads from the other windows, as it is when the finish runs.
    struct Quellen {
        std::function<Einstellungen()> einstellungen;
        std::function<Vorlageteile()> vorlage;
        // The saved fields of the main and the book window.
        std::function<ArtikelFelder()> artikel;
        // The summary block for the phone app, empty when the seller wants none.
        std::function<QString()> kurzfassung;
    };

    FertigBedienung(Plattform& plattform, Zustand& zustand, const Datenordner& daten, Quellen quellen,
                    const Ui::frmHaupt& ui, QObject* parent);

    // Builds the listing into the global listing text; a broken shop part leaves it empty, sets
    // the shop-link failure flag and tells the seller.
    void Texte_Verbinden();
    void cdmFertigstellen_Click();
    void cmdArtVorschauNur_Click();

    // The preview file "Vorschau.html" of the data folder.
    QString vorschauPfad() const;

    // What the assembly reads, from the fields as they are now and the given presence flags of
    // pictures 3, 4 and 5; nothing is changed.
    ListingEingabe listingEingabe(const std::array<bool, 3>& bildVorhanden) const;
    // The fields the finish checks, as they are now.
    PruefEingabe pruefEingabe() const;

signals:
    // The article passed the checks and its listing is built: the save window is to be shown,
    // modal to the main window, with the shipping cost and method in its labels.
    void speicherfensterZeigen(const QString& versandkosten, const QString& versandart);

private:
    // Refuses, with a message naming field and characters, what the files could not hold.
    bool felderSpeicherbar();
    void hauptfensterLesen(ListingEingabe& e) const;
    void einstellungenLesen(ListingEingabe& e) const;
    // What the seller calls the automatic description: the table of the book or clothing window.
    QString inhaltAutoHerkunft(const QString& inhaltAuto) const;

    Plattform& m_plattform;
    Zustand& m_zustand;
    const Datenordner& m_daten;
    Quellen m_quellen;
    const Ui::frmHaupt& m_ui;
};
