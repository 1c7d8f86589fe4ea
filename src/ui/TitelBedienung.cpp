#include "ui/TitelBedienung.h"

#include "core/Hausverkaeufer.h"
#include "core/Meldungen.h"
#include "title/Gebotszeile.h"
#include "title/Kategorien.h"
#include "title/Titel.h"
#include "ui/Anwendung.h"
#include "ui/KlickLabel.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlIni.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kKeineAuswahl = QStringLiteral("Bitte vorher ein oder mehrere Wörter markieren");
const QString kBeschreibungLeeren =
    QStringLiteral("Die Beschreibung wird beim Wechsel der Artikelart geleert. Fortfahren?");

void listeSetzen(QComboBox* box, const QStringList& eintraege, const QString& text) {
    box->clear();
    box->addItems(eintraege);
    box->setCurrentText(text);
}

} // namespace

TitelBedienung::TitelBedienung(Anwendung& anwendung, QObject* parent) : QObject(parent), m_app(anwendung) {
    verbinden();
}

void TitelBedienung::verbinden() {
    const QWidget* f = &m_app.frmHaupt();
    const auto knopf = [this, f](const char* name, void (TitelBedienung::*handler)()) {
        connect(element<QPushButton>(f, QLatin1String(name)), &QPushButton::clicked, this, handler);
    };
    const auto klick = [this, f](const char* name, void (TitelBedienung::*handler)()) {
        connect(element<KlickLabel>(f, QLatin1String(name)), &KlickLabel::geklickt, this, handler);
    };
    const auto menue = [this, f](const char* name, void (TitelBedienung::*handler)()) {
        connect(element<QAction>(f, QLatin1String(name)), &QAction::triggered, this, handler);
    };
    connect(text("txtArtikelBez"), &QLineEdit::textChanged, this, &TitelBedienung::txtArtikelBez_Change);
    knopf("cmdArtBezBilden", &TitelBedienung::cmdArtBezBilden_Click);
    klick("Label25", &TitelBedienung::Label25_Click);
    knopf("cmdZusZufugen", &TitelBedienung::cmdZusZufugen_Click);
    knopf("cmdTitel", &TitelBedienung::cmdTitel_Click);
    knopf("cmdVerlaginsBuchbeschr", &TitelBedienung::cmdVerlaginsBuchbeschr_Click);
    knopf("cmdAutorinsBuchbeschr", &TitelBedienung::cmdAutorinsBuchbeschr_Click);
    knopf("cmdUntertitelFett", &TitelBedienung::cmdUntertitelFett_Click);
    knopf("cmdWasBitenFett", &TitelBedienung::cmdWasBitenFett_Click);
    knopf("cmdBeschreibungFett", &TitelBedienung::cmdBeschreibungFett_Click);
    klick("lblLoeschenArtBezTitelUnter", &TitelBedienung::lblLoeschenArtBezTitelUnter_Click);
    menue("mnuVorlBuch", &TitelBedienung::mnuVorlBuch_Click);
    menue("mnuVorlCD_MC", &TitelBedienung::mnuVorlCD_MC_Click);
    menue("mnuVorlKleid", &TitelBedienung::mnuVorlKleid_Click);
    menue("mnuBabyKleidung", &TitelBedienung::mnuBabyKleidung_Click);
    knopf("cmdAufWasUbername", &TitelBedienung::cmdAufWasUbername_Click);
    knopf("cmdZusatztextUbername", &TitelBedienung::cmdZusatztextUbername_Click);
}

void TitelBedienung::txtArtikelBez_Change() {
    QLineEdit* feld = text("txtArtikelBez");
    const BezeichnungsZaehler z = bezeichnungZaehlen(feld->text());
    element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblAnzahl"))->setText(z.anzahl);
    element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblAnzahlNoch"))->setText(z.anzahlNoch);
    if (!z.kappen) {
        return;
    }
    if (feld->text() != z.text) {
        feld->setText(z.text);
    }
    feld->setCursorPosition(z.caret);
}

void TitelBedienung::cmdArtBezBilden_Click() {
    const BildnameErgebnis e =
        bezeichnungAusBildname({text("txtEbayBildPfad")->text(), text("txtEbayBildPfad2")->text(),
                                text("txtArtikelBez")->text(), istHausverkaeufer()});
    if (e.bezeichnung) {
        text("txtArtikelBez")->setText(*e.bezeichnung);
    }
    if (e.titel) {
        text("txtTitel")->setText(*e.titel);
    }
    if (e.bild3Aus) {
        element<QCheckBox>(&m_app.frmHaupt(), QStringLiteral("chkBil3JaNEin"))->setChecked(false);
    }
    if (!e.meldung.isEmpty()) {
        m_app.plattform().meldungsfenster(e.meldung, Plattform::Symbol::Keins, Plattform::Knoepfe::Ok,
                                          kProgrammTitel);
    }
}

void TitelBedienung::Label25_Click() {
    QLineEdit* bezeichnung = text("txtArtikelBez");
    const auto neu = bildnameAnhaengen(text("txtEbayBildPfad")->text(), text("txtEbayBildPfad2")->text(),
                                       bezeichnung->text());
    if (neu) {
        bezeichnung->setText(*neu);
    }
}

void TitelBedienung::cmdZusZufugen_Click() {
    QComboBox* autor = box("cboBuchAutor");
    QComboBox* zus1 = box("cboZus1");
    QComboBox* zus2 = box("cboZus2");
    QLineEdit* bezeichnung = text("txtArtikelBez");
    const ZufuegenErgebnis e =
        zusaetzeZufuegen(bezeichnung->text(), autor->currentText(), zus1->currentText(), zus2->currentText(),
                         istHausverkaeufer());
    if (e.buchAutor) {
        emit buchAutorGesetzt(*e.buchAutor);
    }
    autor->setCurrentText(kAutorWaehlen);
    zus1->setCurrentText(QString());
    zus2->setCurrentText(QString());
    bezeichnung->setText(e.bezeichnung);
}

void TitelBedienung::cmdTitel_Click() {
    text("txtTitel")->setText(text("txtArtikelBez")->selectedText());
}

void TitelBedienung::cmdVerlaginsBuchbeschr_Click() {
    text("txtUntertittel")->setText(text("txtArtikelBez")->selectedText());
}

void TitelBedienung::cmdAutorinsBuchbeschr_Click() {
    emit buchAutorGesetzt(text("txtArtikelBez")->selectedText());
}

void TitelBedienung::cmdUntertitelFett_Click() {
    fettMarkierenIn(text("txtUntertittel"));
}

void TitelBedienung::cmdWasBitenFett_Click() {
    fettMarkierenIn(text("txtAufWasBiten"));
}

void TitelBedienung::cmdBeschreibungFett_Click() {
    RichTextFeld* feld = rtfInhalt();
    const auto neu = fettMarkieren(feld->text(), feld->selStart(), feld->selText());
    if (!neu) {
        Meldung(m_app.plattform(), 99, kKeineAuswahl);
        return;
    }
    feld->setText(*neu);
}

void TitelBedienung::lblLoeschenArtBezTitelUnter_Click() {
    text("txtArtikelBez")->clear();
    text("txtTitel")->clear();
    text("txtUntertittel")->clear();
}

void TitelBedienung::mnuVorlBuch_Click() {
    kategorieWechseln(QStringLiteral("Buch"));
}

void TitelBedienung::mnuVorlCD_MC_Click() {
    kategorieWechseln(QStringLiteral("CD_MC"));
}

void TitelBedienung::mnuVorlKleid_Click() {
    kategorieWechseln(QStringLiteral("Kleidung"));
}

// The entry is offered in the menu but has no template of its own.
void TitelBedienung::mnuBabyKleidung_Click() {}

void TitelBedienung::cmdAufWasUbername_Click() {
    const GebotszeilenTeile teile{box("cboEinZwei")->currentText(),     box("cboEinEineEinen")->currentText(),
                                  box("cboGutErhalten")->currentText(), box("cboGutNeu")->currentText(),
                                  box("cboAufWasBiten")->currentText(), box("cboAufWasBiten2")->currentText(),
                                  box("cboAufWasBiten3")->currentText()};
    text("txtAufWasBiten")->setText(gebotszeileBilden(teile));
    emit buchArtGesetzt(buchartAusZusatz(teile.aufWasBiten3));
}

void TitelBedienung::cmdZusatztextUbername_Click() {
    RichTextFeld* feld = rtfInhalt();
    const auto e = zusatztextAnhaengen(feld->text(), box("cboZusatzTexte")->currentText());
    if (!e) {
        return;
    }
    feld->setText(e->inhalt);
    if (e->caret) {
        feld->setSelStart(*e->caret);
        feld->setFocus();
    }
}

void TitelBedienung::startKategorieWaehlen(const QString& startenMit) {
    const QString art = startKategorie(startenMit);
    if (!art.isEmpty()) {
        kategorieAnwenden(art);
    }
}

// The seller's description is emptied only when the seller agrees.
void TitelBedienung::kategorieWechseln(const QString& artikelArt) {
    const bool leeren = rtfInhalt()->text().isEmpty() ||
                        m_app.plattform().meldungsfenster(
                            kBeschreibungLeeren, Plattform::Symbol::Ausrufezeichen,
                            Plattform::Knoepfe::JaNein, kProgrammTitel) == Plattform::Antwort::Ja;
    vorlageAnwenden(artikelArt, leeren);
}

void TitelBedienung::kategorieAnwenden(const QString& artikelArt) {
    vorlageAnwenden(artikelArt, true);
}

void TitelBedienung::vorlageAnwenden(const QString& artikelArt, bool beschreibungLeeren) {
    const std::optional<KategorieVorlage> v = kategorieVorlage(artikelArt);
    if (!v) {
        return;
    }
    m_app.zustand().artikelArt = v->artikelArt;
    for (const QString& name : kategorieVersteckt()) {
        steuerelement(name)->hide();
    }
    if (beschreibungLeeren) {
        rtfInhalt()->setText(QString());
    }
    element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblArtikelArt"))->setText(v->lblArtikelArt);
    box("cboEinZwei")->setCurrentText(v->einZwei);
    box("cboEinEineEinen")->setCurrentText(v->einEineEinen);
    box("cboGutNeu")->setCurrentText(v->gutNeu);
    listeSetzen(box("cboAufWasBiten"), v->aufWasBitenListe, v->aufWasBiten);
    listeSetzen(box("cboAufWasBiten2"), v->aufWasBiten2Liste, v->aufWasBiten2);
    listeSetzen(box("cboAufWasBiten3"), v->aufWasBiten3Liste, v->aufWasBiten3);
    steuerelement(v->knopf)->show();
    for (const QString& name : v->sichtbar) {
        steuerelement(name)->show();
    }
    box("cboBuchAutor")->setVisible(v->buchAutorSichtbar);
    if (!v->buchArt.isEmpty()) {
        emit buchArtGesetzt(v->buchArt);
    }
    if (beschreibungLeeren && !v->inhaltDatei.isEmpty()) {
        beschreibungVorlageLaden(v->inhaltDatei);
    }
    box("cboGutErhalten")->setCurrentText(v->gutErhalten);
    text("txtAufWasBiten")->clear();
    emit kategorieGewechselt();
}

// A missing template lets the seller pick another file, as every template part does.
void TitelBedienung::beschreibungVorlageLaden(const QString& datei) {
    m_app.frmVorlIni().DateiInFeldLaden(datei, rtfInhalt());
}

void TitelBedienung::fettMarkierenIn(QLineEdit* feld) {
    const auto neu = fettMarkieren(feld->text(), feld->selectionStart(), feld->selectedText());
    if (!neu) {
        Meldung(m_app.plattform(), 99, kKeineAuswahl);
        return;
    }
    feld->setText(*neu);
}

bool TitelBedienung::istHausverkaeufer() const {
    return hausverkaeufer::istHausverkaeufer(m_app.zustand().verkaeuferName);
}

QLineEdit* TitelBedienung::text(const char* name) const {
    return element<QLineEdit>(&m_app.frmHaupt(), QLatin1String(name));
}

QComboBox* TitelBedienung::box(const char* name) const {
    return element<QComboBox>(&m_app.frmHaupt(), QLatin1String(name));
}

QWidget* TitelBedienung::steuerelement(const QString& name) const {
    return element<QWidget>(&m_app.frmHaupt(), name);
}

RichTextFeld* TitelBedienung::rtfInhalt() const {
    return element<RichTextFeld>(&m_app.frmHaupt(), QStringLiteral("rtfInhalt"));
}
