#include "ui/TitelBedienung.h"

#include "core/Hausverkaeufer.h"
#include "core/Meldungen.h"
#include "core/Zustand.h"
#include "title/Gebotszeile.h"
#include "title/Kategorien.h"
#include "title/Titel.h"
#include "ui/Auswahl.h"
#include "ui/KlickLabel.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui_frmHaupt.h"

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

} // namespace

TitelBedienung::TitelBedienung(Plattform& plattform, Zustand& zustand, Ui::frmHaupt& ui, QObject* parent)
    : QObject(parent), m_plattform(plattform), m_zustand(zustand), m_ui(ui) {
    verbinden();
}

void TitelBedienung::verbinden() {
    // A press of these buttons must leave the focus, and with it the selection, in its field;
    // Tab still reaches them.
    for (QPushButton* knopf : {m_ui.cmdTitel, m_ui.cmdVerlaginsBuchbeschr, m_ui.cmdAutorinsBuchbeschr,
                               m_ui.cmdUntertitelFett, m_ui.cmdWasBitenFett, m_ui.cmdBeschreibungFett}) {
        knopf->setFocusPolicy(Qt::TabFocus);
    }
    for (QLineEdit* feld : {m_ui.txtArtikelBez, m_ui.txtUntertittel, m_ui.txtAufWasBiten}) {
        AuswahlHalten(*feld);
    }
    LaengeBegrenzen(*m_ui.txtArtikelBez, kBezeichnungMax, [this] { zuLangMelden(); });
    connect(m_ui.txtArtikelBez, &QLineEdit::textChanged, this, &TitelBedienung::txtArtikelBez_Change);
    connect(m_ui.cmdArtBezBilden, &QPushButton::clicked, this, &TitelBedienung::cmdArtBezBilden_Click);
    connect(m_ui.Label25, &KlickLabel::geklickt, this, &TitelBedienung::Label25_Click);
    connect(m_ui.cmdZusZufugen, &QPushButton::clicked, this, &TitelBedienung::cmdZusZufugen_Click);
    connect(m_ui.cmdTitel, &QPushButton::clicked, this, &TitelBedienung::cmdTitel_Click);
    connect(m_ui.cmdVerlaginsBuchbeschr, &QPushButton::clicked, this,
            &TitelBedienung::cmdVerlaginsBuchbeschr_Click);
    connect(m_ui.cmdAutorinsBuchbeschr, &QPushButton::clicked, this,
            &TitelBedienung::cmdAutorinsBuchbeschr_Click);
    connect(m_ui.cmdUntertitelFett, &QPushButton::clicked, this, &TitelBedienung::cmdUntertitelFett_Click);
    connect(m_ui.cmdWasBitenFett, &QPushButton::clicked, this, &TitelBedienung::cmdWasBitenFett_Click);
    connect(m_ui.cmdBeschreibungFett, &QPushButton::clicked, this,
            &TitelBedienung::cmdBeschreibungFett_Click);
    connect(m_ui.lblLoeschenArtBezTitelUnter, &KlickLabel::geklickt, this,
            &TitelBedienung::lblLoeschenArtBezTitelUnter_Click);
    connect(m_ui.mnuVorlBuch, &QAction::triggered, this, &TitelBedienung::mnuVorlBuch_Click);
    connect(m_ui.mnuVorlCD_MC, &QAction::triggered, this, &TitelBedienung::mnuVorlCD_MC_Click);
    connect(m_ui.mnuVorlKleid, &QAction::triggered, this, &TitelBedienung::mnuVorlKleid_Click);
    connect(m_ui.mnuBabyKleidung, &QAction::triggered, this, &TitelBedienung::mnuBabyKleidung_Click);
    connect(m_ui.cmdAufWasUbername, &QPushButton::clicked, this, &TitelBedienung::cmdAufWasUbername_Click);
    connect(m_ui.cmdZusatztextUbername, &QPushButton::clicked, this,
            &TitelBedienung::cmdZusatztextUbername_Click);
}

void TitelBedienung::txtArtikelBez_Change() {
    QLineEdit* feld = m_ui.txtArtikelBez;
    const BezeichnungsZaehler z = bezeichnungZaehlen(feld->text());
    m_ui.lblAnzahl->setText(z.anzahl);
    m_ui.lblAnzahlNoch->setText(z.anzahlNoch);
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
        bezeichnungAusBildname({m_ui.txtEbayBildPfad->text(), m_ui.txtEbayBildPfad2->text(),
                                m_ui.txtArtikelBez->text(), istHausverkaeufer()});
    if (e.bezeichnung) {
        m_ui.txtArtikelBez->setText(*e.bezeichnung);
    }
    if (e.titel) {
        m_ui.txtTitel->setText(*e.titel);
    }
    if (e.bild3Aus) {
        m_ui.chkBil3JaNEin->setChecked(false);
    }
    if (!e.meldung.isEmpty()) {
        melden(e.meldung);
    }
}

void TitelBedienung::Label25_Click() {
    QLineEdit* bezeichnung = m_ui.txtArtikelBez;
    const auto neu =
        bildnameAnhaengen(m_ui.txtEbayBildPfad->text(), m_ui.txtEbayBildPfad2->text(), bezeichnung->text());
    if (!neu) {
        return;
    }
    if (neu->size() > kBezeichnungMax) {
        zuLangMelden();
        return;
    }
    bezeichnung->setText(*neu);
}

void TitelBedienung::cmdZusZufugen_Click() {
    QComboBox* autor = m_ui.cboBuchAutor;
    QComboBox* zus1 = m_ui.cboZus1;
    QComboBox* zus2 = m_ui.cboZus2;
    QLineEdit* bezeichnung = m_ui.txtArtikelBez;
    const ZufuegenErgebnis e =
        zusaetzeZufuegen(bezeichnung->text(), autor->currentText(), zus1->currentText(), zus2->currentText(),
                         istHausverkaeufer());
    // The choices stay, so that the seller can pick shorter ones.
    if (e.bezeichnung.size() > kBezeichnungMax) {
        zuLangMelden();
        return;
    }
    if (e.buchAutor) {
        emit buchAutorGesetzt(*e.buchAutor);
    }
    autor->setCurrentText(kAutorWaehlen);
    zus1->setCurrentText(QString());
    zus2->setCurrentText(QString());
    bezeichnung->setText(e.bezeichnung);
}

void TitelBedienung::cmdTitel_Click() {
    if (const auto auswahl = bezeichnungAuswahl()) {
        m_ui.txtTitel->setText(*auswahl);
    }
}

void TitelBedienung::cmdVerlaginsBuchbeschr_Click() {
    if (const auto auswahl = bezeichnungAuswahl()) {
        m_ui.txtUntertittel->setText(*auswahl);
    }
}

void TitelBedienung::cmdAutorinsBuchbeschr_Click() {
    if (const auto auswahl = bezeichnungAuswahl()) {
        emit buchAutorGesetzt(*auswahl);
    }
}

// Nothing selected would empty the target and so erase what the seller had put there.
std::optional<QString> TitelBedienung::bezeichnungAuswahl() const {
    const QString auswahl = m_ui.txtArtikelBez->selectedText();
    if (auswahl.isEmpty()) {
        Meldung(m_plattform, 99, kKeineAuswahl);
        return std::nullopt;
    }
    return auswahl;
}

void TitelBedienung::cmdUntertitelFett_Click() {
    fettMarkierenIn(m_ui.txtUntertittel);
}

void TitelBedienung::cmdWasBitenFett_Click() {
    fettMarkierenIn(m_ui.txtAufWasBiten);
}

void TitelBedienung::cmdBeschreibungFett_Click() {
    RichTextFeld* feld = m_ui.rtfInhalt;
    const auto neu = fettMarkieren(feld->text(), feld->selStart(), feld->selText());
    if (!neu) {
        Meldung(m_plattform, 99, kKeineAuswahl);
        return;
    }
    feld->setText(*neu);
}

void TitelBedienung::lblLoeschenArtBezTitelUnter_Click() {
    m_ui.txtArtikelBez->clear();
    m_ui.txtTitel->clear();
    m_ui.txtUntertittel->clear();
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
    const GebotszeilenTeile teile{m_ui.cboEinZwei->currentText(),     m_ui.cboEinEineEinen->currentText(),
                                  m_ui.cboGutErhalten->currentText(), m_ui.cboGutNeu->currentText(),
                                  m_ui.cboAufWasBiten->currentText(), m_ui.cboAufWasBiten2->currentText(),
                                  m_ui.cboAufWasBiten3->currentText()};
    m_ui.txtAufWasBiten->setText(gebotszeileBilden(teile));
    emit buchArtGesetzt(buchartAusZusatz(teile.aufWasBiten3));
}

void TitelBedienung::cmdZusatztextUbername_Click() {
    RichTextFeld* feld = m_ui.rtfInhalt;
    const auto e = zusatztextAnhaengen(feld->text(), m_ui.cboZusatzTexte->currentText());
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
    const bool leeren =
        m_ui.rtfInhalt->text().isEmpty() ||
        m_plattform.meldungsfenster(kBeschreibungLeeren, Plattform::Symbol::Ausrufezeichen,
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
    m_zustand.artikelArt = v->artikelArt;
    for (const Kategorieknopf k : kKategorieknoepfe) {
        knopf(k)->hide();
    }
    if (beschreibungLeeren) {
        m_ui.rtfInhalt->setText(QString());
    }
    m_ui.lblArtikelArt->setText(v->lblArtikelArt);
    m_ui.cboEinZwei->setCurrentText(v->einZwei);
    m_ui.cboEinEineEinen->setCurrentText(v->einEineEinen);
    m_ui.cboGutNeu->setCurrentText(v->gutNeu);
    ListeSetzen(m_ui.cboAufWasBiten, v->aufWasBitenListe, v->aufWasBiten);
    ListeSetzen(m_ui.cboAufWasBiten2, v->aufWasBiten2Liste, v->aufWasBiten2);
    ListeSetzen(m_ui.cboAufWasBiten3, v->aufWasBiten3Liste, v->aufWasBiten3);
    knopf(v->knopf)->show();
    for (const Kategorieknopf k : v->sichtbar) {
        knopf(k)->show();
    }
    m_ui.cboBuchAutor->setVisible(v->buchAutorSichtbar);
    if (!v->buchArt.isEmpty()) {
        emit buchArtGesetzt(v->buchArt);
    }
    if (beschreibungLeeren && !v->inhaltDatei.isEmpty()) {
        emit beschreibungsvorlageGewuenscht(v->inhaltDatei, m_ui.rtfInhalt);
    }
    m_ui.cboGutErhalten->setCurrentText(v->gutErhalten);
    m_ui.txtAufWasBiten->clear();
    emit kategorieGewechselt();
}

void TitelBedienung::fettMarkierenIn(QLineEdit* feld) {
    const auto neu = fettMarkieren(feld->text(), feld->selectionStart(), feld->selectedText());
    if (!neu) {
        Meldung(m_plattform, 99, kKeineAuswahl);
        return;
    }
    feld->setText(*neu);
}

void TitelBedienung::melden(const QString& text) const {
    m_plattform.meldungsfenster(text, Plattform::Symbol::Keins, Plattform::Knoepfe::Ok, kProgrammTitel);
}

void TitelBedienung::zuLangMelden() const {
    melden(kBezeichnungUeberMax);
}

bool TitelBedienung::istHausverkaeufer() const {
    return hausverkaeufer::istHausverkaeufer(m_zustand.verkaeuferName);
}

QPushButton* TitelBedienung::knopf(Kategorieknopf k) const {
    switch (k) {
    case Kategorieknopf::BuchBeschreibung:
        return m_ui.cmdBuchBeschr;
    case Kategorieknopf::KleidungBeschreibung:
        return m_ui.cmdKleidungBeschreibung;
    case Kategorieknopf::Songs:
        return m_ui.cmdSongs;
    case Kategorieknopf::VerlagInsBuch:
        return m_ui.cmdVerlaginsBuchbeschr;
    case Kategorieknopf::AutorInsBuch:
        return m_ui.cmdAutorinsBuchbeschr;
    }
    Q_UNREACHABLE();
}
