#pragma once

#include "article/Speichern.h"
#include "compose/ListingPruefung.h"
#include "core/TextDatei.h"
#include "ui/Plattform.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class Anwendung;
class QListWidgetItem;
class RichTextFeld;

namespace Ui {
class frmVorlSpeichern;
}

// "Präsentation speichern": shows the finished listing, copies its texts to the clipboard,
// previews it, and saves the article's files; on closing the seller says whether the article
// was listed or is kept for later in the register of articles not yet listed.
class FrmVorlSpeichern final : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmVorlSpeichern(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmVorlSpeichern() override;

    // Shows the window over the main window without blocking; the fields are refilled.
    void anzeigen();
    // The main window's "Artikel einlesen": the window starts with choosing a saved listing.
    void artikelEinlesenMenue();
    // The finish command hands over the shipping values and shows the window.
    void nachFertigstellenZeigen(const QString& versandkosten, const QString& versandart);

    // Returns false when a file could not be written; that has been reported.
    bool cmdSpeichern_Click();
    void cmdSchliesen_Click();
    void cmdDateiOpen_Click();
    void mnuDatOpen_Click();
    void cmdArtBezeichnunUbernehmen_Click();
    void cmdMarkiere_Click();
    void cmdTextAmEndeUbernehmen_Click();
    void cmdHtml_Speren_Click();
    void cmdHTMLBearb_Click();
    void cmdVorschau_Click();
    void cmdVorschauGoogle_Click();
    void lblmehr_Click();
    void mnu_rtfTest_Click();
    void rtfText_Change();
    void txtArtikelBez_Change();
    void lstPruefung_DblClick(QListWidgetItem* eintrag);

    // The findings of the listing and designation shown now.
    const QList<Befund>& befunde() const { return m_befunde; }

    // Creates the file's folder when it is missing; a failure is reported.
    bool TextInDateiSchreiben(const QString& pfad, const QString& text, Textart art);
    void RegisterAnhaengen(const QString& pfad);
    // Strikes the register line (its first exact occurrence) and keeps every other line.
    void RegisterNeuSchreiben(const QString& zeile);
    void HtmlArtikelOeffnen();
    void AuswahlKopieren(int welches);

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void verbinden();
    void Form_Activate();
    void zuletztGespeichertZeigen();
    // `einstellung` is the label of the browser's field in the settings.
    void vorschau(const QString& browser, const QString& einstellung);
    QString registerPfad() const;
    bool listingZurueckschreiben();
    // Refuses, with a message naming the field, a save whose plain values the files cannot hold or
    // whose name would read back from the register as another one.
    bool speicherbar(const QString& speichername);
    bool ersetzenBestaetigt(const QString& dateiname);
    bool artikeldateienSchreiben(const SpeicherPfade& pfade);
    bool alteZusatzdateiEntfernen(const QString& pfad);
    void schreibknoepfeFreigeben();
    void ansichtSchliessen(Plattform::Antwort antwort);
    // The whole text shown now came from one place: an edit, or a file opened for viewing.
    void herkunftSetzen(const QString& herkunft);
    void herkunftMerken(const QString& herkunft);
    void ListingPruefen();
    // Checks now when typing left a check waiting: what follows reads the findings.
    void pruefungNachholen();

    Anwendung& m_app;
    std::unique_ptr<Ui::frmVorlSpeichern> ui;
    // The window shows a saved listing for copying and previewing, not the article to save.
    bool m_ansicht = false;
    // The file of the listing shown in that case; empty while none is loaded.
    QString m_geoeffnet;
    // Where the pieces of the shown listing come from, valid for exactly that text.
    ListingHerkunft m_herkunft;
    QString m_herkunftText;
    QList<Befund> m_befunde;
    QTimer m_pruefVerzoegerung;
};
