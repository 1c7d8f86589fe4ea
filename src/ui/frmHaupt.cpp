#include "ui/frmHaupt.h"

#include "core/Version.h"
#include "title/Gebotszeile.h"
#include "title/Titel.h"
#include "ui/Anwendung.h"
#include "ui/BilderBedienung.h"
#include "ui/ExterneProgramme.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/Steuerelemente.h"
#include "ui/TextbausteinBedienung.h"
#include "ui/TitelBedienung.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmKleidung.h"
#include "ui/frmVorlIni.h"
#include "ui/frmVorlSpeichern.h"
#include "ui_frmHaupt.h"

#include <QApplication>
#include <QCloseEvent>

namespace {

const QString kAufforderung1 = QStringLiteral("vorlagen\\Aufforderung1.str");
const QString kAufforderung2 = QStringLiteral("vorlagen\\Aufforderung2.str");
const QString kZusatzTexte = QStringLiteral("vorlagen\\ZusatzTexte.str");
const QString kZusatzTexteAnzeige = QStringLiteral("Wähle einen fertigen Beschreibungstext");

const QStringList kBildgroessenBasis{QStringLiteral("1"),   QStringLiteral("200"), QStringLiteral("225"),
                                     QStringLiteral("250"), QStringLiteral("275"), QStringLiteral("300"),
                                     QStringLiteral("325"), QStringLiteral("350"), QStringLiteral("375"),
                                     QStringLiteral("400"), QStringLiteral("425"), QStringLiteral("450")};

const QColor kGrau(0xC0, 0xC0, 0xC0);

// Fills a fixed list and sets the box's text afterwards, as the stored window did.
void listeSetzen(QComboBox* box, const QStringList& eintraege, const QString& text) {
    box->clear();
    box->addItems(eintraege);
    box->setCurrentText(text);
}

void hintergrundSetzen(QWidget* feld, const QColor& farbe) {
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, farbe);
    feld->setPalette(palette);
}

} // namespace

FrmHaupt::FrmHaupt(Anwendung& anwendung, QWidget* parent)
    : QMainWindow(parent), m_app(anwendung), m_ui(std::make_unique<Ui::frmHaupt>()) {
    m_ui->setupUi(this);
    versandFarbenSetzen();
    verbinden();
}

FrmHaupt::~FrmHaupt() = default;

void FrmHaupt::verbinden() {
    Ui::frmHaupt& u = *m_ui;
    connect(u.chkVersadInfoJa, &QCheckBox::toggled, this, &FrmHaupt::chkVersadInfoJa_Click);
    connect(u.cmdNeu, &QPushButton::clicked, this, &FrmHaupt::cmdNeu_Click);
    connect(u.mnuDateiNeu, &QAction::triggered, this, &FrmHaupt::cmdNeu_Click);
    connect(u.mnuBeenden, &QAction::triggered, this, [this] { m_app.ProgrammBeenden(); });
    connect(u.cdmZusatzTexteAktual, &QPushButton::clicked, this, &FrmHaupt::cdmZusatzTexteAktual_Click);
    connect(u.cmdAuforderung1Aktalisieren, &QPushButton::clicked, this,
            &FrmHaupt::cmdAuforderung1Aktalisieren_Click);
    connect(u.cmdAuforderung2Aktalisieren, &QPushButton::clicked, this,
            &FrmHaupt::cmdAuforderung2Aktalisieren_Click);
    connect(u.cmdAuforderung1Plus, &QPushButton::clicked, this, &FrmHaupt::cmdAuforderung1Plus_Click);
    connect(u.cmdAuforderung2Plus, &QPushButton::clicked, this, &FrmHaupt::cmdAuforderung2Plus_Click);
    connect(u.cmdZusazttexteVerwalten, &QPushButton::clicked, this, &FrmHaupt::cmdZusazttexteVerwalten_Click);
    connect(u.cmdSongs, &QPushButton::clicked, this, &FrmHaupt::cmdSongs_Click);
    connect(u.mnuNachdemVerk, &QAction::triggered, this, &FrmHaupt::mnuNachdemVerk_Click);
    connect(u.mnuanzKommas, &QAction::triggered, this, &FrmHaupt::mnuanzKommas_Click);
}

void FrmHaupt::Form_Load() {
    Zustand& z = m_app.zustand();
    z.startInArbeit = true;
    z.vorschauBoxHoehe = 975;
    z.vorschauBoxBreite = 975;
    z.OeffnenModus = false;

    festeListenFuellen();

    // Creating the settings window reads the settings and applies them here.
    FrmEinstell& einstell = m_app.frmEinstell();
    m_app.frmVorlIni().VorlageEinlesen(QStringLiteral("Buch"));
    einstell.BildbreitenSetzen();
    m_app.textbausteine().BTNamenSetzen();
    m_app.titel().startKategorieWaehlen(
        element<QComboBox>(&einstell, QStringLiteral("cboStartenMit"))->currentText());

    m_ui->lblVersion->setText(QStringLiteral("Version: %1.%2").arg(version::major).arg(version::revision));

    z.startInArbeit = false;

    cdmZusatzTexteAktual_Click();
    cmdAuforderung1Aktalisieren_Click();
    cmdAuforderung2Aktalisieren_Click();
    m_app.frmKleidung().cmdMaterialKleidungAktuall_Click();
    FrmBuch& buch = m_app.frmBuch();
    buch.cmdAbmasseEinlesen_Click();
    buch.cmdArtEinlesen_Click();
    buch.cmdVerlagEinlesen_Click();
    buch.cmdAutorEinlesen_Click();
    buch.cmdSpracheEinlesen_Click();
    buch.cmdGenreEinlesen_Click();
    buch.cmdZustandEinlesen1_Click();
    buch.cmdZustandEinlesen2_Click();
}

void FrmHaupt::festeListenFuellen() {
    Ui::frmHaupt& u = *m_ui;
    u.cboBuchAutor->setCurrentText(QStringLiteral("Autor wählen"));
    listeSetzen(u.cboZus1, zusatzListe1(), QString());
    listeSetzen(u.cboZus2, zusatzListe2(), QString());
    listeSetzen(u.cboEinZwei, einZweiListe(), QStringLiteral("ein"));
    listeSetzen(u.cboEinEineEinen, einEineEinenListe(), QString());
    listeSetzen(u.cboGutNeu, gutNeuListe(), QStringLiteral("e"));
    listeSetzen(u.cboAufWasBiten, {QStringLiteral("Buch"), QStringLiteral("Bücher")}, QStringLiteral("Buch"));

    const QString eins = QStringLiteral("1");
    const QStringList breite1 =
        kBildgroessenBasis + QStringList{QStringLiteral("460"), QStringLiteral("562")};
    const QStringList hoehe1 = kBildgroessenBasis + QStringList{QStringLiteral("488")};
    const QStringList breite2 = kBildgroessenBasis + QStringList{QStringLiteral("460")};
    for (QComboBox* box : {u.txtBildLaenge, u.txtBildLaenge_b}) {
        listeSetzen(box, breite1, eins);
    }
    for (QComboBox* box : {u.txtBildHohe, u.txtBildHohe_b}) {
        listeSetzen(box, hoehe1, eins);
    }
    for (QComboBox* box : {u.txtBildLaenge2, u.txtBildLaenge2_b, u.txtBildLaenge2_c}) {
        listeSetzen(box, breite2, eins);
    }
    for (QComboBox* box : {u.txtBildHohe2, u.txtBildHohe2_b, u.txtBildHohe2_c}) {
        listeSetzen(box, kBildgroessenBasis, eins);
    }
}

void FrmHaupt::cmdNeu_Click() {
    FormNeuEirichten();
    FrmEinstell& einstell = m_app.frmEinstell();
    einstell.BildbreitenSetzen();
    Zustand& z = m_app.zustand();
    z.letzteBilddatei = element<QLineEdit>(&einstell, QStringLiteral("txtPfadZuMeinenArtikel"))->text();
    // A book read from a file skips the book checks once; a new article must not inherit that.
    z.pruefungUeberspringen = false;
    z.RegisterEintrag.clear();
    m_app.frmVorlSpeichern().cmdHtml_Speren_Click();
}

void FrmHaupt::FormNeuEirichten() {
    Ui::frmHaupt& u = *m_ui;
    kategorieErneutAnwenden();
    m_app.bilder().BilderNeuEinrichten();
    u.cboZus1->setCurrentText(QString());
    u.cboZus2->setCurrentText(QString());
    for (QLineEdit* feld :
         {u.txtArtikelBez, u.txtTitel, u.txtUntertittel, u.txtEbayBildPfad, u.txtEbayBildPfad_b,
          u.txtEbayBildPfad2, u.txtEbayBildPfad2_b, u.txtEbayBildPfad2_c}) {
        feld->clear();
    }
    u.rtfInhaltAuto->setText(QString());
    u.rtfLink->setText(QString());
    for (QComboBox* box : {u.txtBildLaenge_b, u.txtBildLaenge2_b, u.txtBildHohe_b, u.txtBildHohe2_b}) {
        box->setCurrentText(QStringLiteral("1"));
    }
    for (QCheckBox* schalter : {u.chkBil2JaNEin, u.chkBil4JaNEin, u.chkBil5JaNEin}) {
        schalter->setChecked(false);
    }
}

void FrmHaupt::kategorieErneutAnwenden() {
    TitelBedienung& titel = m_app.titel();
    const QString art = m_ui->lblArtikelArt->text();
    if (art == QLatin1String("Buch")) {
        titel.kategorieAnwenden(QStringLiteral("Buch"));
    } else if (art == QLatin1String("Kleidung")) {
        titel.kategorieAnwenden(QStringLiteral("Kleidung"));
    } else {
        titel.kategorieAnwenden(QStringLiteral("CD_MC"));
    }
}

void FrmHaupt::chkVersadInfoJa_Click() {
    if (m_app.zustand().startInArbeit) {
        return;
    }
    Ui::frmHaupt& u = *m_ui;
    for (QWidget* w :
         std::initializer_list<QWidget*>{u.cboVersandkosten, u.cboPostHermes2, u.Label30, u.Label32}) {
        w->setEnabled(!w->isEnabled());
    }
    versandFarbenSetzen();
}

// Grey combos tell at a glance that no shipping information goes into the listing.
void FrmHaupt::versandFarbenSetzen() {
    const QColor farbe = m_ui->Label30->isEnabled() ? QApplication::palette().color(QPalette::Base) : kGrau;
    hintergrundSetzen(m_ui->cboVersandkosten, farbe);
    hintergrundSetzen(m_ui->cboPostHermes2, farbe);
}

void FrmHaupt::cdmZusatzTexteAktual_Click() {
    ListeLaden(m_app.plattform(), m_app.zustand(), m_app.daten().pfad(kZusatzTexte), m_ui->cboZusatzTexte,
               kZusatzTexteAnzeige);
}

void FrmHaupt::cmdAuforderung1Aktalisieren_Click() {
    ListeLaden(m_app.plattform(), m_app.zustand(), m_app.daten().pfad(kAufforderung1), m_ui->cboAuforderung1,
               QStringLiteral("-"));
}

void FrmHaupt::cmdAuforderung2Aktalisieren_Click() {
    ListeLaden(m_app.plattform(), m_app.zustand(), m_app.daten().pfad(kAufforderung2), m_ui->cboAuforderung2,
               QStringLiteral("-"));
}

void FrmHaupt::cmdAuforderung1Plus_Click() {
    imEditorOeffnen(kAufforderung1);
}

void FrmHaupt::cmdAuforderung2Plus_Click() {
    imEditorOeffnen(kAufforderung2);
}

void FrmHaupt::cmdZusazttexteVerwalten_Click() {
    imEditorOeffnen(kZusatzTexte);
}

void FrmHaupt::imEditorOeffnen(const QString& datei) {
    DateiImEditorOeffnen(m_app.plattform(), m_app.programmordner(),
                         QStringLiteral("\\KORI-Vorlage-Dateien\\") + datei);
}

void FrmHaupt::cmdSongs_Click() {
    Meldung(m_app.plattform(), 99, QStringLiteral("Funktion in Vorbereitung"));
}

void FrmHaupt::mnuNachdemVerk_Click() {
    Meldung(m_app.plattform(), 1, QString());
}

void FrmHaupt::mnuanzKommas_Click() {
    m_app.plattform().meldungsfenster(
        QStringLiteral("Anzeige der Anzahl der beim speichern gefundenen und ersätzten Kommas.\r\n") +
            QString::number(m_app.zustand().ErsetztAnzahl),
        Plattform::Symbol::Keins, Plattform::Knoepfe::Ok, QStringLiteral("Anzahl der ersetzten Kommas"));
}

// Closing the main window ends the program at once, without a question.
void FrmHaupt::closeEvent(QCloseEvent* event) {
    event->accept();
    m_app.ProgrammBeenden();
}
