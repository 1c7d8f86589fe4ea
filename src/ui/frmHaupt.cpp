#include "ui/frmHaupt.h"

#include "config/Einstellungen.h"
#include "core/Version.h"
#include "title/Gebotszeile.h"
#include "title/Titel.h"
#include "ui/Anwendung.h"
#include "ui/ArtikelBindung.h"
#include "ui/BibliothekBedienung.h"
#include "ui/BildFeld.h"
#include "ui/BilderBedienung.h"
#include "ui/Bildzeilen.h"
#include "ui/ExterneProgramme.h"
#include "ui/FensterMenue.h"
#include "ui/FertigBedienung.h"
#include "ui/FotoBedienung.h"
#include "ui/Hintergrund.h"
#include "ui/HochladenBedienung.h"
#include "ui/KurzfassungBedienung.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/TestdatenMenue.h"
#include "ui/TextbausteinBedienung.h"
#include "ui/TitelBedienung.h"
#include "ui/ZusatzBedienung.h"
#include "ui/frmVorlIni.h"
#include "ui/frmVorlSpeichern.h"
#include "ui_frmHaupt.h"

#include <QApplication>
#include <QCloseEvent>

#include <utility>

namespace {

const QString kAufforderung1 = QStringLiteral("vorlagen\\Aufforderung1.str");
const QString kAufforderung2 = QStringLiteral("vorlagen\\Aufforderung2.str");
const QString kZusatzTexte = QStringLiteral("vorlagen\\ZusatzTexte.str");
const QString kZusatzTexteAnzeige = QStringLiteral("Wähle einen fertigen Beschreibungstext");

const QStringList kBildgroessenBasis{QStringLiteral("1"),   QStringLiteral("200"), QStringLiteral("225"),
                                     QStringLiteral("250"), QStringLiteral("275"), QStringLiteral("300"),
                                     QStringLiteral("325"), QStringLiteral("350"), QStringLiteral("375"),
                                     QStringLiteral("400"), QStringLiteral("425"), QStringLiteral("450")};

} // namespace

FrmHaupt::FrmHaupt(Anwendung& anwendung, QWidget* parent)
    : QMainWindow(parent), m_app(anwendung), m_ui(std::make_unique<Ui::frmHaupt>()) {
    m_ui->setupUi(this);
    versandFarbenSetzen();
    verbinden();
    Ui::frmHaupt& u = *m_ui;
    m_titel = std::make_unique<TitelBedienung>(m_app.plattform(), m_app.zustand(), u, this);
    m_fensterMenue = std::make_unique<FensterMenue>(m_app, u, this);
    m_testdaten = std::make_unique<TestdatenMenue>(m_app.plattform(), m_app.zustand(), u, *m_titel, this);
    m_zusatz = std::make_unique<ZusatzBedienung>(u, this);
    m_bilder = std::make_unique<BilderBedienung>(
        m_app.plattform(), m_app.zustand(), [this] { return m_app.einstellungen(); }, u, *m_titel, this);
    m_fotos = std::make_unique<FotoBedienung>(m_app.plattform(), m_app.zustand(), m_app.daten(),
                                              FotoBedienung::Quellen{[this] { return m_app.einstellungen(); },
                                                                     [this] { return m_app.fotoWerkzeug(); }},
                                              u, this);
    m_hochladen = std::make_unique<HochladenBedienung>(
        m_app.plattform(), m_app.daten(), [this] { return m_app.einstellungen(); }, *m_fotos, u, this);
    m_kurzfassung = std::make_unique<KurzfassungBedienung>(u, this);
    FertigBedienung::Quellen quellen{
        [this] { return m_app.einstellungen(); }, [this] { return m_app.frmVorlIni().teile(); },
        [this] { return ArtikelFelderLesen(m_app); }, [this] { return m_kurzfassung->block(); }};
    m_fertig = std::make_unique<FertigBedienung>(m_app.plattform(), m_app.zustand(), m_app.daten(),
                                                 std::move(quellen), u, this);
    m_textbausteine =
        std::make_unique<TextbausteinBedienung>(m_app.plattform(), m_app.zustand(), m_app.daten(), u, this);
    m_bibliothek = std::make_unique<BibliothekBedienung>(
        m_app.plattform(), m_app.zustand(), m_app.daten(),
        [this] { return m_app.artikelAufgebenBestaetigt(Anwendung::Ersatz::AndererArtikel); }, u, this);
    connect(m_bibliothek.get(), &BibliothekBedienung::neuerArtikelGewuenscht, this, &FrmHaupt::cmdNeu_Click);
}

FrmHaupt::~FrmHaupt() = default;

void FrmHaupt::verbinden() {
    Ui::frmHaupt& u = *m_ui;
    connect(u.chkVersadInfoJa, &QCheckBox::toggled, this, &FrmHaupt::chkVersadInfoJa_Click);
    connect(u.cmdNeu, &QPushButton::clicked, this, &FrmHaupt::neuGewuenscht);
    connect(u.mnuDateiNeu, &QAction::triggered, this, &FrmHaupt::neuGewuenscht);
    connect(u.mnuBeenden, &QAction::triggered, this, [this] {
        if (m_app.beendenBestaetigt()) {
            m_app.ProgrammBeenden();
        }
    });
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

    m_app.einstellungenLaden();
    m_app.vorlageEinlesen(QStringLiteral("Buch"));
    const Einstellungen einstellungen = m_app.einstellungen();
    bildbreitenSetzen(einstellungen.bildLaengeEinstellWert);
    m_textbausteine->BTNamenSetzen();
    m_titel->startKategorieWaehlen(einstellungen.startenMit);

    m_ui->lblVersion->setText(QStringLiteral("Version: %1.%2").arg(version::major).arg(version::revision));

    z.startInArbeit = false;

    cdmZusatzTexteAktual_Click();
    cmdAuforderung1Aktalisieren_Click();
    cmdAuforderung2Aktalisieren_Click();
    m_app.detaillistenLesen();
}

void FrmHaupt::festeListenFuellen() {
    Ui::frmHaupt& u = *m_ui;
    u.cboBuchAutor->setCurrentText(QStringLiteral("Autor wählen"));
    ListeSetzen(u.cboZus1, zusatzListe1(), QString());
    ListeSetzen(u.cboZus2, zusatzListe2(), QString());
    ListeSetzen(u.cboEinZwei, einZweiListe(), QStringLiteral("ein"));
    ListeSetzen(u.cboEinEineEinen, einEineEinenListe(), QString());
    ListeSetzen(u.cboGutNeu, gutNeuListe(), QStringLiteral("e"));
    ListeSetzen(u.cboAufWasBiten, {QStringLiteral("Buch"), QStringLiteral("Bücher")}, QStringLiteral("Buch"));

    const QString eins = QStringLiteral("1");
    const QStringList breite1 =
        kBildgroessenBasis + QStringList{QStringLiteral("460"), QStringLiteral("562")};
    const QStringList hoehe1 = kBildgroessenBasis + QStringList{QStringLiteral("488")};
    const QStringList breite2 = kBildgroessenBasis + QStringList{QStringLiteral("460")};
    for (QComboBox* box : {u.txtBildLaenge, u.txtBildLaenge_b}) {
        ListeSetzen(box, breite1, eins);
    }
    for (QComboBox* box : {u.txtBildHohe, u.txtBildHohe_b}) {
        ListeSetzen(box, hoehe1, eins);
    }
    for (QComboBox* box : {u.txtBildLaenge2, u.txtBildLaenge2_b, u.txtBildLaenge2_c}) {
        ListeSetzen(box, breite2, eins);
    }
    for (QComboBox* box : {u.txtBildHohe2, u.txtBildHohe2_b, u.txtBildHohe2_c}) {
        ListeSetzen(box, kBildgroessenBasis, eins);
    }
}

void FrmHaupt::neuGewuenscht() {
    if (m_app.artikelAufgebenBestaetigt(Anwendung::Ersatz::NeuerArtikel)) {
        cmdNeu_Click();
    }
}

void FrmHaupt::cmdNeu_Click() {
    m_app.detailsNeu();
    FormNeuEirichten();
    m_kurzfassung->cmdKurzfassungBilden_Click();
    const Einstellungen einstellungen = m_app.einstellungen();
    bildbreitenSetzen(einstellungen.bildLaengeEinstellWert);
    Zustand& z = m_app.zustand();
    z.letzteBilddatei = einstellungen.pfadZuMeinenArtikel;
    // A book read from a file skips the book checks once; a new article must not inherit that.
    z.pruefungUeberspringen = false;
    z.RegisterEintrag.clear();
    z.ArtikelDatei.clear();
    m_app.frmVorlSpeichern().cmdHtml_Speren_Click();
    m_app.artikelstandMerken();
}

void FrmHaupt::FormNeuEirichten() {
    Ui::frmHaupt& u = *m_ui;
    kategorieErneutAnwenden();
    m_bilder->BilderNeuEinrichten();
    u.cboZus1->setCurrentText(QString());
    u.cboZus2->setCurrentText(QString());
    for (QLineEdit* feld :
         {u.txtArtikelBez, u.txtTitel, u.txtUntertittel, u.txtEbayBildPfad, u.txtEbayBildPfad_b,
          u.txtEbayBildPfad2, u.txtEbayBildPfad2_b, u.txtEbayBildPfad2_c}) {
        feld->clear();
    }
    u.rtfInhaltAuto->setText(QString());
    u.rtfLink->setText(QString());
    // Every row's height goes back to what the start gives it; the widths follow the settings.
    for (QComboBox* box : {u.txtBildLaenge_b, u.txtBildLaenge2_b, u.txtBildHohe, u.txtBildHohe_b,
                           u.txtBildHohe2, u.txtBildHohe2_b, u.txtBildHohe2_c}) {
        box->setCurrentText(QStringLiteral("1"));
    }
    for (QCheckBox* schalter : {u.chkBil2JaNEin, u.chkBil4JaNEin, u.chkBil5JaNEin}) {
        schalter->setChecked(false);
    }
}

void FrmHaupt::kategorieErneutAnwenden() {
    TitelBedienung& titel = *m_titel;
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
    const bool grau = !m_ui->Label30->isEnabled();
    GrauSetzen(m_ui->cboVersandkosten, grau);
    GrauSetzen(m_ui->cboPostHermes2, grau);
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

QWidget* FrmHaupt::artikelfeld(Artikelfeld feld, int nummer) const {
    const Ui::frmHaupt& u = *m_ui;
    const auto n = static_cast<std::size_t>(nummer - 1);
    switch (feld) {
    case Artikelfeld::Bezeichnung:
        return u.txtArtikelBez;
    case Artikelfeld::Titel:
        return u.txtTitel;
    case Artikelfeld::Untertitel:
        return u.txtUntertittel;
    case Artikelfeld::Gebotsteil:
        return std::array<QWidget*, 7>{u.cboEinZwei,     u.cboEinEineEinen, u.cboGutErhalten, u.cboGutNeu,
                                       u.cboAufWasBiten, u.cboAufWasBiten2, u.cboAufWasBiten3}
            .at(n);
    case Artikelfeld::Gebotszeile:
        return u.txtAufWasBiten;
    case Artikelfeld::Kaufaufforderung1:
        return u.cboAuforderung1;
    case Artikelfeld::Kaufaufforderung2:
        return u.cboAuforderung2;
    case Artikelfeld::BildDatei:
        return Bildzeilen(u).at(n).datei;
    case Artikelfeld::BildVorschau:
        return Bildzeilen(u).at(n).bild;
    case Artikelfeld::BildBreite:
        return Bildzeilen(u).at(n).breite;
    case Artikelfeld::BildHoehe:
        return Bildzeilen(u).at(n).hoehe;
    case Artikelfeld::BildHaken:
        return Bildzeilen(u).at(n).haken;
    case Artikelfeld::VersandInfo:
        return u.chkVersadInfoJa;
    case Artikelfeld::Versandkosten:
        return u.cboVersandkosten;
    case Artikelfeld::Versandart:
        return u.cboPostHermes2;
    default:
        break;
    }
    // The book fields are the book window's.
    Q_ASSERT_X(false, "artikelfeld", "Buchfeld im Hauptfenster");
    return nullptr;
}

QString FrmHaupt::artikelArt() const {
    return m_ui->lblArtikelArt->text();
}

QString FrmHaupt::bezeichnung() const {
    return m_ui->txtArtikelBez->text();
}

QString FrmHaupt::beschreibung() const {
    return m_ui->rtfInhalt->text();
}

void FrmHaupt::beschreibungSetzen(const QString& text) {
    m_ui->rtfInhalt->setText(text);
}

QString FrmHaupt::inhaltAuto() const {
    return m_ui->rtfInhaltAuto->text();
}

void FrmHaupt::inhaltAutoSetzen(const QString& text) {
    m_ui->rtfInhaltAuto->setText(text);
}

QString FrmHaupt::link() const {
    return m_ui->rtfLink->text();
}

void FrmHaupt::linkSetzen(const QString& text) {
    m_ui->rtfLink->setText(text);
}

std::array<QString, 4> FrmHaupt::bildDateien() const {
    const std::array<Bildzeile, 5> zeilen = Bildzeilen(*m_ui);
    std::array<QString, 4> dateien;
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        dateien.at(i) = zeilen.at(i).datei->text();
    }
    return dateien;
}

void FrmHaupt::bildgroesseSetzen(int zeile, const QString& breite, const QString& hoehe) {
    const Bildzeile z = Bildzeilen(*m_ui).at(static_cast<std::size_t>(zeile - 1));
    z.breite->setCurrentText(breite);
    z.hoehe->setCurrentText(hoehe);
}

QString FrmHaupt::bildOrdner() const {
    return m_ui->txtAktuellePfad->text();
}

const BildFeld& FrmHaupt::bildTraeger() const {
    return *m_ui->picFotoAlle;
}

void FrmHaupt::einstellungenZeigen(const Hauptfensterwerte& werte) {
    Ui::frmHaupt& u = *m_ui;
    u.lblEbayName->setText(werte.ebayName);
    if (werte.versandInfoJa) {
        u.chkVersadInfoJa->setChecked(*werte.versandInfoJa);
    }
    if (werte.kurzfassungJa) {
        u.chkKurzfassung->setChecked(*werte.kurzfassungJa);
    }
    if (werte.versandkosten) {
        u.cboVersandkosten->setCurrentText(*werte.versandkosten);
    }
    if (werte.versandart) {
        u.cboPostHermes2->setCurrentText(*werte.versandart);
    }
}

void FrmHaupt::bildbreitenSetzen(const QString& breite) {
    for (const Bildzeile& z : Bildzeilen(*m_ui)) {
        z.breite->setCurrentText(breite);
    }
}

void FrmHaupt::standardbreiteAendern(const QString& alt, const QString& neu) {
    for (const Bildzeile& z : Bildzeilen(*m_ui)) {
        // A row with a picture has its width from the picture, another width from the seller.
        if (!z.bild->hatBild() && z.datei->text().isEmpty() && z.breite->currentText() == alt) {
            z.breite->setCurrentText(neu);
        }
    }
}

void FrmHaupt::buchAutorenLaden(const QString& pfad) {
    ListeLaden(m_app.plattform(), m_app.zustand(), pfad, m_ui->cboBuchAutor, QStringLiteral("Autor wählen"));
}

void FrmHaupt::zuletztGespeichertSetzen(const QString& text) {
    m_ui->lblZuletztGespeichert->setText(text);
}

QAction* FrmHaupt::artikelEinlesenMenue() const {
    return m_ui->mnuArtEinlesen;
}

// An unsaved article is asked about before the program ends; the seller may keep it open.
void FrmHaupt::closeEvent(QCloseEvent* event) {
    if (!m_app.beendenBestaetigt()) {
        event->ignore();
        return;
    }
    event->accept();
    m_app.ProgrammBeenden();
}
