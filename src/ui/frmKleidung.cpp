#include "ui/frmKleidung.h"

#include "config/Beschreibungsdatei.h"
#include "core/Meldungen.h"
#include "ui/Anwendung.h"
#include "ui/BeschreibungSpeichern.h"
#include "ui/ExterneProgramme.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/frmHaupt.h"
#include "ui_frmKleidung.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QShowEvent>

namespace {

constexpr int kSchmal = 8625;
constexpr int kBreit = 10635;
const QString kMaterialListe = QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\MaterialKleidung.str");
const QString kKeinMaterial = QStringLiteral("Material wählen");
const QString kKeineProzente = QStringLiteral("%");

int pixelAusTwips(int twips) {
    return twips / 15;
}

// Material K (1 to 5) keeps its composed line in value field 5 or 8+K.
int materialFeld(int k) {
    return k == 1 ? kMaterialZeile : 8 + k;
}

} // namespace

FrmKleidung::FrmKleidung(Anwendung& anwendung, QWidget* parent)
    : QWidget(parent, Qt::Window), m_app(anwendung), ui(std::make_unique<Ui::frmKleidung>()) {
    ui->setupUi(this);
    const Ui::frmKleidung& u = *ui;
    m_text1 = {u.Text1_0, u.Text1_1, u.Text1_2, u.Text1_3, u.Text1_4, u.Text1_5, u.Text1_6, u.Text1_7};
    // Rows 8 and 9 have no field; the further materials have 10 to 13.
    m_text2 = {u.Text2_0, u.Text2_1, u.Text2_2, u.Text2_3,  u.Text2_4,  u.Text2_5,  u.Text2_6,
               u.Text2_7, nullptr,   nullptr,   u.Text2_10, u.Text2_11, u.Text2_12, u.Text2_13};
    m_listen = {u.cboFirmawehlen, u.cboGrosseWehlen,    u.cboFarbewehlen,      u.cboOptikWehlen,
                u.cboArtWehlen,   u.cboMaterialWehlen1, u.cboGeschlechtWehlen, u.cboZustandWehlen};
    m_material = {u.cboMaterialWehlen1, u.cboMaterialWehlen2, u.cboMaterialWehlen3, u.cboMaterialWehlen4,
                  u.cboMaterialWehlen5};
    m_prozent = {u.cboProz1, u.cboProz2, u.cboProz3, u.cboProz4, u.cboProz5};
    m_materialKaestchen = {u.chkMaterial2, u.chkMaterial3, u.chkMaterial4, u.chkMaterial5};
    materialZeilenSperren();
    ui->cmdSpeichKleidBeschr->setEnabled(false);
    verbinden();
    Form_Load();
}

FrmKleidung::~FrmKleidung() = default;

void FrmKleidung::verbinden() {
    connect(ui->cmdMaterialKleidungAktuall, &QPushButton::clicked, this,
            &FrmKleidung::cmdMaterialKleidungAktuall_Click);
    connect(ui->cmdMaterialTextOpen, &QPushButton::clicked, this, &FrmKleidung::cmdMaterialTextOpen_Click);
    for (int k = 2; k <= kMaterialien; ++k) {
        connect(materialKaestchen(k), &QCheckBox::toggled, this, [this, k] { chkMaterial_Click(k); });
    }
    connect(ui->cmdLoschen, &QPushButton::clicked, this, &FrmKleidung::cmdLoschen_Click);
    connect(ui->cmdubernehmen, &QPushButton::clicked, this, &FrmKleidung::cmdubernehmen_Click);
    connect(ui->cmdSpeichKleidBeschr, &QPushButton::clicked, this, &FrmKleidung::cmdSpeichKleidBeschr_Click);
    connect(ui->Label2, &KlickLabel::geklickt, this, [this] { breiteSetzen(kBreit); });
    connect(ui->Label3, &KlickLabel::geklickt, this, [this] { breiteSetzen(kSchmal); });
    // These buttons of the frame have no operation; disabled, they do not pretend to have one.
    for (QPushButton* knopf :
         {ui->Command1, ui->Command2, ui->Command3, ui->Command4, ui->Command5, ui->Command6, ui->Command7,
          ui->Command8, ui->Command9, ui->Command10, ui->cmdOpen5, ui->cmdLesen_HtmlTeil5}) {
        knopf->setEnabled(false);
    }
}

void FrmKleidung::materialZeilenSperren() {
    // The switch inverts these states, so the rows of materials 2 to 5 start cleared and
    // disabled, with only the first switch usable.
    for (int k = 2; k <= kMaterialien; ++k) {
        materialKaestchen(k)->setChecked(false);
        materialKaestchen(k)->setEnabled(k == 2);
        text2(materialFeld(k))->setEnabled(false);
        material(k)->setEnabled(false);
        prozent(k)->setEnabled(false);
    }
}

void FrmKleidung::Form_Load() {
    ui->txtArtikelBez->setText(m_app.frmHaupt().bezeichnung());
    for (int zeile = 0; zeile < kKleidungZeilen; ++zeile) {
        if (zeile != kMaterialZeile) {
            liste(zeile)->addItems(KleidungEintraege(zeile));
        }
    }
    startwerteSetzen();
    breiteSetzen(kSchmal);
}

void FrmKleidung::startwerteSetzen() {
    const std::array<QString, kKleidungZeilen> beschriftungen = KleidungBeschriftungen();
    const std::array<QString, kKleidungZeilen> startwerte = KleidungStartwerte();
    for (int i = 0; i < kKleidungZeilen; ++i) {
        text1(i)->setText(beschriftungen.at(i));
        text2(i)->setText(startwerte.at(i));
    }
    for (int zeile = 0; zeile < kKleidungZeilen; ++zeile) {
        if (zeile != kMaterialZeile) {
            liste(zeile)->setCurrentIndex(0);
        }
    }
    for (int k = 1; k <= kMaterialien; ++k) {
        material(k)->setCurrentText(kKeinMaterial);
        prozent(k)->setCurrentText(kKeineProzente);
    }
}

void FrmKleidung::neuerArtikel() {
    startwerteSetzen();
    for (int k = 2; k <= kMaterialien; ++k) {
        text2(materialFeld(k))->clear();
    }
    materialZeilenSperren();
    ui->cmdSpeichKleidBeschr->setEnabled(false);
}

QStringList FrmKleidung::artikelwerte() const {
    const KleidungWerte w = werte();
    QStringList liste(w.werte.begin(), w.werte.end());
    liste.append(QStringList(w.weitereMaterialien.begin(), w.weitereMaterialien.end()));
    return liste;
}

void FrmKleidung::Form_Activate() {
    ui->cmdSpeichKleidBeschr->setEnabled(false);
}

// Bound to showing: Qt also activates the window on the return from a message box or another
// program, which must not take back an "Übernehmen" of this showing.
void FrmKleidung::showEvent(QShowEvent* ereignis) {
    // The description file is named after this field, so it follows the article being edited.
    ui->txtArtikelBez->setText(m_app.frmHaupt().bezeichnung());
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous()) {
        Form_Activate();
    }
}

void FrmKleidung::closeEvent(QCloseEvent* ereignis) {
    ereignis->ignore();
    hide();
}

void FrmKleidung::breiteSetzen(int twips) {
    resize(pixelAusTwips(twips), height());
}

void FrmKleidung::cmdMaterialKleidungAktuall_Click() {
    materialListenEinsetzen(materialListenLesen(m_app.plattform(), m_app.zustand(), m_app.daten()));
}

FrmKleidung::Materiallisten FrmKleidung::materialListenLesen(Plattform& plattform, Zustand& zustand,
                                                             const Datenordner& daten) {
    const QString pfad = daten.ausProgrammordner(kMaterialListe);
    Materiallisten listen;
    for (std::optional<QStringList>& liste : listen) {
        liste = ListeVorlesen(plattform, zustand, pfad);
    }
    return listen;
}

void FrmKleidung::materialListenEinsetzen(const Materiallisten& listen) {
    for (int k = 1; k <= kMaterialien; ++k) {
        if (const std::optional<QStringList>& liste = listen.at(k - 1)) {
            ListeEinsetzen(material(k), *liste, kKeinMaterial);
        }
    }
    // The percentage lists are not emptied first, and keep showing what they showed.
    for (int k = 1; k <= kMaterialien; ++k) {
        QComboBox* box = prozent(k);
        const QString angezeigt = box->currentText();
        if (k == 1) {
            box->addItem(QStringLiteral(" "));
        }
        box->addItems(ProzentEintraege());
        box->setCurrentText(angezeigt);
    }
}

void FrmKleidung::cmdMaterialTextOpen_Click() {
    DateiImEditorOeffnen(m_app.plattform(), m_app.programmordner(), kMaterialListe);
}

void FrmKleidung::chkMaterial_Click(int k) {
    for (QWidget* feld : std::initializer_list<QWidget*>{text2(materialFeld(k)), material(k), prozent(k)}) {
        feld->setEnabled(!feld->isEnabled());
    }
    if (k < kMaterialien && materialKaestchen(k)->isChecked()) {
        materialKaestchen(k + 1)->setEnabled(true);
    }
}

void FrmKleidung::cmdLoschen_Click() {
    for (int i = 0; i < kKleidungZeilen; ++i) {
        text2(i)->clear();
    }
    ui->cmdSpeichKleidBeschr->setEnabled(false);
}

void FrmKleidung::cmdubernehmen_Click() {
    KleidungAuswahl auswahl;
    for (int zeile = 0; zeile < kKleidungZeilen; ++zeile) {
        if (zeile != kMaterialZeile) {
            auswahl.listen[zeile] = liste(zeile)->currentText();
        }
    }
    for (int k = 1; k <= kMaterialien; ++k) {
        auswahl.material[k - 1] = material(k)->currentText();
        auswahl.prozent[k - 1] = prozent(k)->currentText();
    }
    KleidungWerte neu = werte();
    const KleidungErgebnis ergebnis = KleidungUebernehmen(neu, auswahl);
    werteSetzen(neu);
    switch (ergebnis) {
    case KleidungErgebnis::SpeichernMoeglich:
        ui->cmdSpeichKleidBeschr->setEnabled(true);
        break;
    case KleidungErgebnis::ZuWenigAngaben:
        Meldung(m_app.plattform(), 99, kZuWenigKleidungAngaben);
        break;
    case KleidungErgebnis::FalscheProzente:
        m_app.plattform().meldungsfenster(kFalscheProzente, Plattform::Symbol::Kritisch,
                                          Plattform::Knoepfe::Ok, kProgrammTitel);
        break;
    }
}

void FrmKleidung::cmdSpeichKleidBeschr_Click() {
    const QString neu = tabelle();
    // A description that was not saved keeps the window open; the table is appended only once.
    if (!beschreibungSpeichern()) {
        return;
    }
    emit tabelleGespeichert(neu);
    hide();
}

QString FrmKleidung::tabelle() const {
    std::array<QString, kKleidungZeilen> beschriftungen;
    for (int i = 0; i < kKleidungZeilen; ++i) {
        beschriftungen[i] = text1(i)->text();
    }
    std::array<bool, kMaterialien - 1> weitereAktiv{};
    for (int k = 2; k <= kMaterialien; ++k) {
        weitereAktiv[k - 2] = materialKaestchen(k)->isChecked();
    }
    return KleidungTabelle(beschriftungen, werte(), weitereAktiv);
}

KleidungWerte FrmKleidung::werte() const {
    KleidungWerte w;
    for (int i = 0; i < kKleidungZeilen; ++i) {
        w.werte[i] = text2(i)->text();
    }
    for (int k = 2; k <= kMaterialien; ++k) {
        w.weitereMaterialien[k - 2] = text2(materialFeld(k))->text();
    }
    return w;
}

void FrmKleidung::werteSetzen(const KleidungWerte& w) {
    for (int i = 0; i < kKleidungZeilen; ++i) {
        text2(i)->setText(w.werte.at(i));
    }
    for (int k = 2; k <= kMaterialien; ++k) {
        text2(materialFeld(k))->setText(w.weitereMaterialien.at(k - 2));
    }
}

bool FrmKleidung::beschreibungSpeichern() {
    QStringList werte;
    QList<BenanntesFeld> zeilen;
    for (int i = 0; i < kKleidungZeilen; ++i) {
        werte.append(text2(i)->text());
        zeilen.append({text1(i)->text(), werte.constLast()});
    }
    return BeschreibungsdateiSchreiben(
        m_app, ui->txtArtikelBez->text(), zeilen,
        [&werte](const QString& pfad) { return KleidBeschrSpeichern(pfad, werte); });
}

QLineEdit* FrmKleidung::text1(int i) const {
    return m_text1.at(static_cast<std::size_t>(i));
}

QLineEdit* FrmKleidung::text2(int i) const {
    QLineEdit* feld = m_text2.at(static_cast<std::size_t>(i));
    Q_ASSERT(feld != nullptr);
    return feld;
}

QComboBox* FrmKleidung::liste(int zeile) const {
    return m_listen.at(static_cast<std::size_t>(zeile));
}

QComboBox* FrmKleidung::material(int k) const {
    return m_material.at(static_cast<std::size_t>(k - 1));
}

QComboBox* FrmKleidung::prozent(int k) const {
    return m_prozent.at(static_cast<std::size_t>(k - 1));
}

QCheckBox* FrmKleidung::materialKaestchen(int k) const {
    return m_materialKaestchen.at(static_cast<std::size_t>(k - 2));
}
