#pragma once

#include "article/ArtikelText.h"

#include <QObject>
#include <QString>

#include <functional>

class Datenordner;
class Plattform;
struct Zustand;

namespace Ui {
class frmHaupt;
}

// The library page "Dateiliste" of the main window: lists the saved articles of the main folder,
// of another folder or the not-yet-listed register, searches the list and reads an article back.
class BibliothekBedienung final : public QObject {
    Q_OBJECT
public:
    // The page of the tab control that shows the library.
    static constexpr int kDateilisteSeite = 3;

    // Whether the article shown may be given up for one read; asks the seller when it is unsaved.
    using Einlesefrage = std::function<bool()>;

    // Connects the controls of the main window, which must exist already.
    BibliothekBedienung(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                        Einlesefrage einlesenBestaetigt, Ui::frmHaupt& ui, QObject* parent);

    // Fills the list with the articles of the main folder.
    void ArtikelListeFuellen();
    // Lets the user pick a folder and fills the list with its articles; a cancel changes nothing
    // and gives false.
    bool WeitereDateienListen();
    // Opens a saved listing HTML into the main window's preview field.
    void HtmlArtikelAnzeigen();

    void SSTab1_Click(int seite);
    void cmdHauptliste_Click();
    void cmdnochnichtAnzeig_Click();
    void cmdWeitereDateienAnzeigen_Click();
    void cmdOrdnerDateienOpen_Click();
    void cmdSuchen_Click();
    void cmdDateiEinlesen_Click();
    void cmdDateiAlsTextOpen_Click();
    void mnuArtEinlesenkompl_Click();
    void mnuArtikAnschau_Click();

signals:
    // The article being edited is to be given up for one read from the library.
    void neuerArtikelGewuenscht();
    // An article read from its file is to go into the fields.
    void artikelGelesen(const ArtikelDateiInhalt& datei);
    // The seller is to pick an article file to read.
    void artikelWaehlenGewuenscht();

private:
    void verbinden();
    void dateienZeigen(const QString& ordner);
    int ersterGewaehlter() const;
    void keineDateiGewaehlt();
    Plattform& m_plattform;
    Zustand& m_zustand;
    const Datenordner& m_daten;
    Einlesefrage m_einlesenBestaetigt;
    Ui::frmHaupt& m_ui;
};
