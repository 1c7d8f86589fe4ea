#include "ui/frmEinstell.h"

#include "core/Hausverkaeufer.h"
#include "ui/Anwendung.h"
#include "ui/ExterneProgramme.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/Modal.h"
#include "ui/Plattform.h"
#include "ui/frmHaupt.h"
#include "ui_frmEinstell.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {

const QString kExeFilter = QStringLiteral("Exe-Dateien(*.exe)|*.exe|Ale Dateien|*.*");

} // namespace

FrmEinstell::FrmEinstell(Anwendung& anwendung, QWidget* parent)
    : QWidget(parent), m_app(anwendung), ui(std::make_unique<Ui::FrmEinstell>()) {
    ui->setupUi(this);
    // The form file cannot hold an entry of a single blank; it stands for "no start category".
    ui->cboStartenMit->addItem(QStringLiteral(" "));
    connect(ui->cmdEinstelSpeichern, &QPushButton::clicked, this, &FrmEinstell::cmdEinstelSpeichern_Click);
    connect(ui->cmdStandarts, &QPushButton::clicked, this, &FrmEinstell::cmdStandarts_Click);
    connect(ui->cmdNamenAktuell, &QPushButton::clicked, this, &FrmEinstell::cmdNamenAktuell_Click);
    connect(ui->cmdOpenAutor, &QPushButton::clicked, this, &FrmEinstell::cmdOpenAutor_Click);
    connect(ui->cmdPfadIE, &QPushButton::clicked, this, &FrmEinstell::cmdPfadIE_Click);
    connect(ui->cmdPfadGoChr, &QPushButton::clicked, this, &FrmEinstell::cmdPfadGoChr_Click);
    connect(ui->cmdPfadArtikeln, &QPushButton::clicked, this, &FrmEinstell::cmdPfadArtikeln_Click);
    connect(ui->txtTeil1->lineEdit(), &QLineEdit::editingFinished, this, &FrmEinstell::txtTeil1_Validate);
    datenordnerZeigen();
    Form_Load();
}

FrmEinstell::~FrmEinstell() = default;

void FrmEinstell::datenordnerZeigen() {
    // Where the settings, templates and articles live differs between a portable and a packaged
    // install; the seller finds it here.
    auto* ordner = new QLabel(QStringLiteral("Datenordner: ") +
                                  QDir::toNativeSeparators(QDir::cleanPath(m_app.daten().wurzel())),
                              this);
    ordner->setObjectName(QStringLiteral("lblDatenordner"));
    ordner->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui->layEinstell->addWidget(ordner, ui->layEinstell->rowCount(), 0, 1, ui->layEinstell->columnCount());
}

QString FrmEinstell::einstellPfad() const {
    return m_app.daten().pfad(kEinstellDatei);
}

Einstellungen FrmEinstell::werte() const {
    return ohneAufforderungen(feldwerte(), m_gelesen);
}

Einstellungen FrmEinstell::feldwerte() const {
    Einstellungen e;
    e.ebayName = ui->txtTeil1->currentText();
    e.startenMit = ui->cboStartenMit->currentText();
    e.pfadIE = ui->txtPfadIE->text();
    e.pfadGoChr = ui->txtPfadGoChr->text();
    e.pfadZusatzBilder = ui->txtPfadZusatzBilder->text();
    e.pfadHoerproben = ui->txtPfadHoerproben->text();
    e.pfadZuMeinenArtikel = ui->txtPfadZuMeinenArtikel->text();
    e.pfadShopBild = ui->txtPfadShopBild->text();
    e.bildLaengeEinstellWert = ui->txtBildLaengeEinstellWert->text();
    e.schopJa = ui->chkSchopJa->isChecked();
    e.hinweisJa = ui->chkHinweisJa->isChecked();
    e.satndardTexte = ui->chkSatndardTexte->isChecked();
    e.verandInfoVorne = ui->chkVerandInfoVorne->isChecked();
    e.verandInfoNach = ui->chkVerandInfoNach->isChecked();
    e.versandStandard = ui->txtVersandStandard->currentText();
    e.kostenlosAb = ui->txtKostenlosAb->currentText();
    e.postHermes = ui->cboPostHermes->currentText();
    e.pfadGrafik = ui->txtPfadGrafik->text();
    e.hochladenZiel = ui->txtHochladenZiel->text();
    e.passwortMerken = ui->chkPasswortMerken->isChecked();
    e.hochladenPruefen = ui->chkHochladenPruefen->isChecked();
    e.fotoKante = ui->txtFotoKante->text();
    e.kurzfassungJa = ui->chkKurzfassungJa->isChecked();
    return e;
}

void FrmEinstell::werteSetzen(const Einstellungen& e) {
    ui->cboPostHermes->setCurrentText(e.postHermes);
    ui->txtKostenlosAb->setCurrentText(e.kostenlosAb);
    ui->txtVersandStandard->setCurrentText(e.versandStandard);
    ui->txtTeil1->setCurrentText(e.ebayName);
    ui->cboStartenMit->setCurrentText(e.startenMit);
    ui->txtPfadIE->setText(e.pfadIE);
    ui->txtPfadGoChr->setText(e.pfadGoChr);
    ui->txtPfadZusatzBilder->setText(e.pfadZusatzBilder);
    ui->txtPfadHoerproben->setText(e.pfadHoerproben);
    ui->txtPfadZuMeinenArtikel->setText(e.pfadZuMeinenArtikel);
    ui->txtPfadShopBild->setText(e.pfadShopBild);
    ui->txtBildLaengeEinstellWert->setText(e.bildLaengeEinstellWert);
    ui->chkSchopJa->setChecked(e.schopJa);
    ui->chkHinweisJa->setChecked(e.hinweisJa);
    ui->chkSatndardTexte->setChecked(e.satndardTexte);
    ui->chkVerandInfoVorne->setChecked(e.verandInfoVorne);
    ui->chkVerandInfoNach->setChecked(e.verandInfoNach);
    ui->txtPfadGrafik->setText(e.pfadGrafik);
    ui->txtHochladenZiel->setText(e.hochladenZiel);
    ui->chkPasswortMerken->setChecked(e.passwortMerken);
    ui->chkHochladenPruefen->setChecked(e.hochladenPruefen);
    ui->txtFotoKante->setText(e.fotoKante);
    ui->chkKurzfassungJa->setChecked(e.kurzfassungJa);
}

void FrmEinstell::EinstellungenLesen() {
    const Einstellungen e = einstellungenLesen(einstellPfad());
    werteSetzen(e);
    // What the window shows, which a combo box may have changed from the file's value: only
    // the user's edits after this count.
    m_gelesen = feldwerte();
    m_app.einstellungenGelesen(e);
}

bool FrmEinstell::EinstellungenSpeichern() {
    const QString ziel = ui->txtHochladenZiel->text();
    if (zielOhnePasswort(ziel) != ziel) {
        ui->txtHochladenZiel->setText(zielOhnePasswort(ziel));
        m_app.plattform().meldungsfenster(
            QStringLiteral(
                "Das Passwort wurde aus dem Ziel „Hochladen nach“ entfernt: es wird in keiner Datei "
                "gespeichert. Beim Hochladen fragt das Programm danach."),
            Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::Ok, QStringLiteral("Einstellungen"));
    }
    const Einstellungen neu = werte();
    // A setting the file cannot hold would come back as another one: nothing is written then.
    if (!FelderSpeicherbar(m_app.plattform(), einstellFelder(neu))) {
        m_app.zustand().einstellGespeichert = false;
        return false;
    }
    const bool ok = einstellungenSchreiben(einstellPfad(), neu);
    m_app.zustand().einstellGespeichert = ok;
    if (!ok) {
        Meldung(m_app.plattform(), 99, QStringLiteral("Fehler beim Speichern der Einstellungen"));
        return false;
    }
    // What is saved is in effect at once, and edits after it count as unsaved again.
    const Einstellungen vorher = std::exchange(m_gelesen, neu);
    werteSetzen(neu);
    m_app.einstellungenGespeichert(vorher, neu);
    return true;
}

void FrmEinstell::EinstellungenUebernehmen() {
    m_app.einstellungenUebernehmen(werte());
}

void FrmEinstell::EinstellungenAdieren() {
    m_jetzt = werte();
}

// Showing reads the file; only a save changes the main window.
void FrmEinstell::ausMenueOeffnen() {
    m_app.zustand().einstellVomMenue = true;
    modalUeber(*this, m_app.frmHaupt());
}

// The window is made when it is first needed, long after the start read and applied the
// settings: it shows them as the program has them, and changes nothing else.
void FrmEinstell::Form_Load() {
    ui->lblgespeichert->clear();
    werteSetzen(m_app.einstellungen());
    m_gelesen = feldwerte();
}

void FrmEinstell::Form_Activate() {
    ui->lblgespeichert->clear();
    cmdNamenAktuell_Click();
    EinstellungenLesen();
}

bool FrmEinstell::Form_QueryUnload() {
    EinstellungenAdieren();
    if (m_jetzt == m_gelesen) {
        return true;
    }
    const Plattform::Antwort antwort = m_app.plattform().meldungsfenster(
        QStringLiteral("Möchten Sie die Einstellungen speichern?"), Plattform::Symbol::Ausrufezeichen,
        Plattform::Knoepfe::JaNein, QStringLiteral("ACHTUNG"));
    if (antwort == Plattform::Antwort::Ja) {
        // A save that failed has been reported; the window stays open with the seller's values.
        return EinstellungenSpeichern();
    }
    // Declined values must not go on building listings from the closed window.
    werteSetzen(m_gelesen);
    return true;
}

void FrmEinstell::cmdEinstelSpeichern_Click() {
    // A failed write has been reported; saying "saved" now would hide it.
    if (EinstellungenSpeichern()) {
        ui->lblgespeichert->setText(QStringLiteral("Änderungen wurden gespeichert"));
    }
}

void FrmEinstell::cmdStandarts_Click() {
    werteSetzen(musterEinstellungen(werte()));
}

void FrmEinstell::cmdNamenAktuell_Click() {
    ListeLaden(m_app.plattform(), m_app.zustand(),
               m_app.daten().pfad(QStringLiteral("vorlagen\\Ebay_Namen.txt")), ui->txtTeil1,
               QStringLiteral("Name wählen"));
}

void FrmEinstell::cmdOpenAutor_Click() {
    DateiImEditorOeffnen(m_app.plattform(), m_app.programmordner(),
                         QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\Ebay_Namen.txt"));
}

void FrmEinstell::pfadWaehlen(const QString& titel, QLineEdit* feld, const QString& filter) {
    const QString gewaehlt = m_app.plattform().dateiWaehlen(titel, QString(), feld->text(), filter);
    // Cancelling the dialog must not wipe the path the user had.
    if (!gewaehlt.isEmpty()) {
        feld->setText(gewaehlt);
    }
}

void FrmEinstell::cmdPfadIE_Click() {
    pfadWaehlen(QStringLiteral("Internet Explorer auswählen"), ui->txtPfadIE, kExeFilter);
}

void FrmEinstell::cmdPfadGoChr_Click() {
    pfadWaehlen(QStringLiteral("Google Chrome auswählen"), ui->txtPfadGoChr, kExeFilter);
}

void FrmEinstell::cmdPfadArtikeln_Click() {
    pfadWaehlen(QStringLiteral("Datei im Ordner meiner Artikel auswählen"), ui->txtPfadZuMeinenArtikel,
                QString());
}

void FrmEinstell::txtTeil1_Validate() {
    const QString adresse = hausverkaeufer::shopBildAdresse(ui->txtTeil1->currentText());
    if (!adresse.isEmpty()) {
        ui->txtPfadShopBild->setText(adresse);
    }
}

void FrmEinstell::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Form_Activate();
    }
}

void FrmEinstell::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload()) {
        event->accept();
    } else {
        event->ignore();
    }
}
