#pragma once

#include "article/ArtikelText.h"

#include <QMainWindow>

#include <array>
#include <memory>

class Anwendung;
class QAction;
class BildFeld;
class BibliothekBedienung;
class BilderBedienung;
class FertigBedienung;
class FotoBedienung;
class FensterMenue;
class HochladenBedienung;
class KurzfassungBedienung;
class TestdatenMenue;
class TextbausteinBedienung;
class TitelBedienung;
class ZusatzBedienung;
struct Hauptfensterwerte;

namespace Ui {
class frmHaupt;
}

// The main window, and at the same time the article being edited: every field of the article
// is one of its controls. Its handlers are grouped by topic in the classes it owns; other windows
// reach it through the typed methods below.
class FrmHaupt final : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmHaupt(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmHaupt() override;

    TitelBedienung& titel() { return *m_titel; }
    BilderBedienung& bilder() { return *m_bilder; }
    FotoBedienung& fotos() { return *m_fotos; }
    HochladenBedienung& hochladen() { return *m_hochladen; }
    FertigBedienung& fertig() { return *m_fertig; }
    const FertigBedienung& fertig() const { return *m_fertig; }
    TextbausteinBedienung& textbausteine() { return *m_textbausteine; }
    BibliothekBedienung& bibliothek() { return *m_bibliothek; }
    TestdatenMenue& testdaten() { return *m_testdaten; }
    ZusatzBedienung& zusatz() { return *m_zusatz; }
    KurzfassungBedienung& kurzfassung() { return *m_kurzfassung; }
    const KurzfassungBedienung& kurzfassung() const { return *m_kurzfassung; }

    // The control an article line sets or the article text reads; number as in the field's comment.
    QWidget* artikelfeld(Artikelfeld feld, int nummer) const;
    QString artikelArt() const;
    QString bezeichnung() const;
    QString beschreibung() const;
    void beschreibungSetzen(const QString& text);
    // The automatic description: the book or clothing table.
    QString inhaltAuto() const;
    void inhaltAutoSetzen(const QString& text);
    QString link() const;
    void linkSetzen(const QString& text);
    // The web file names of picture rows 1 to 4, and their display size.
    std::array<QString, 4> bildDateien() const;
    void bildgroesseSetzen(int zeile, const QString& breite, const QString& hoehe);
    // The folder of the last picture picked for row 1.
    QString bildOrdner() const;
    // The hidden picture that carries the thumbnail the enlarged view shows.
    const BildFeld& bildTraeger() const;
    // What the settings put into the main window.
    void einstellungenZeigen(const Hauptfensterwerte& werte);
    void bildbreitenSetzen(const QString& breite);
    // A new standard width for the rows that still hold the old one and no picture.
    void standardbreiteAendern(const QString& alt, const QString& neu);
    // The author list of the title area, read from the file the book window reads.
    void buchAutorenLaden(const QString& pfad);
    void zuletztGespeichertSetzen(const QString& text);
    QAction* artikelEinlesenMenue() const;

    // The start-up sequence.
    void Form_Load();

    // "Neu" as the seller gives it: an article with unsaved content is given up only when the
    // seller agrees.
    void neuGewuenscht();
    void cmdNeu_Click();
    void FormNeuEirichten();

    void chkVersadInfoJa_Click();

    void cdmZusatzTexteAktual_Click();
    void cmdAuforderung1Aktalisieren_Click();
    void cmdAuforderung2Aktalisieren_Click();
    void cmdAuforderung1Plus_Click();
    void cmdAuforderung2Plus_Click();
    void cmdZusazttexteVerwalten_Click();

    void cmdSongs_Click();
    void mnuNachdemVerk_Click();
    void mnuanzKommas_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void verbinden();
    void festeListenFuellen();
    void kategorieErneutAnwenden();
    void versandFarbenSetzen();
    void imEditorOeffnen(const QString& datei);

    Anwendung& m_app;
    std::unique_ptr<Ui::frmHaupt> m_ui;
    std::unique_ptr<TitelBedienung> m_titel;
    std::unique_ptr<FensterMenue> m_fensterMenue;
    std::unique_ptr<TestdatenMenue> m_testdaten;
    std::unique_ptr<ZusatzBedienung> m_zusatz;
    std::unique_ptr<BilderBedienung> m_bilder;
    std::unique_ptr<FotoBedienung> m_fotos;
    std::unique_ptr<HochladenBedienung> m_hochladen;
    std::unique_ptr<KurzfassungBedienung> m_kurzfassung;
    std::unique_ptr<FertigBedienung> m_fertig;
    std::unique_ptr<TextbausteinBedienung> m_textbausteine;
    std::unique_ptr<BibliothekBedienung> m_bibliothek;
};
