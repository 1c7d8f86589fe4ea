#pragma once

#include "title/Kategorien.h"

#include <QObject>
#include <QString>

#include <optional>

class Plattform;
class RichTextFeld;
struct Zustand;
class QLineEdit;
class QPushButton;

namespace Ui {
class frmHaupt;
}

// The main window's handlers for the designation, title, subtitle and "Sie bieten auf " line, and the
// category menu. Values meant for the book window and the settings leave through the signals, so the
// owner of those windows decides how to reach them.
class TitelBedienung final : public QObject {
    Q_OBJECT
public:
    // Connects the controls of the main window, which must exist already.
    TitelBedienung(Plattform& plattform, Zustand& zustand, Ui::frmHaupt& ui, QObject* parent);

    void txtArtikelBez_Change();
    void cmdArtBezBilden_Click();
    void Label25_Click();
    void cmdZusZufugen_Click();
    void cmdTitel_Click();
    void cmdVerlaginsBuchbeschr_Click();
    void cmdAutorinsBuchbeschr_Click();
    void cmdUntertitelFett_Click();
    void cmdWasBitenFett_Click();
    void cmdBeschreibungFett_Click();
    void lblLoeschenArtBezTitelUnter_Click();
    void mnuVorlBuch_Click();
    void mnuVorlCD_MC_Click();
    void mnuVorlKleid_Click();
    void mnuBabyKleidung_Click();
    void cmdAufWasUbername_Click();
    void cmdZusatztextUbername_Click();

    // Start-up: runs the category menu entry the configured start category names, if any.
    void startKategorieWaehlen(const QString& startenMit);
    // The category template without a question, for a new article and the test data, which set
    // the description themselves.
    void kategorieAnwenden(const QString& artikelArt);

signals:
    // The book window's author box cboBuchAutor is to show this text.
    void buchAutorGesetzt(const QString& autor);
    // The book window's kind field cboFarbewehlen is to show this text.
    void buchArtGesetzt(const QString& buchArt);
    // The category's description template is to be loaded into the field; a missing file lets the
    // seller pick another, as every template part does.
    void beschreibungsvorlageGewuenscht(const QString& datei, RichTextFeld* feld);
    // A category was applied; the last picked picture file is to go back to the configured article folder.
    void kategorieGewechselt();

private:
    void verbinden();
    void kategorieWechseln(const QString& artikelArt);
    void vorlageAnwenden(const QString& artikelArt, bool beschreibungLeeren);
    void fettMarkierenIn(QLineEdit* feld);
    // The selected part of the designation; none, after telling the seller, when nothing is selected.
    std::optional<QString> bezeichnungAuswahl() const;
    void melden(const QString& text) const;
    // An insertion would pass the limit of the designation; it has been refused.
    void zuLangMelden() const;
    bool istHausverkaeufer() const;

    QPushButton* knopf(Kategorieknopf k) const;

    Plattform& m_plattform;
    Zustand& m_zustand;
    Ui::frmHaupt& m_ui;
};
