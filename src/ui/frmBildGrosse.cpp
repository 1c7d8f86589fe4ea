#include "ui/frmBildGrosse.h"

#include "compose/Bilder.h"
#include "ui/Anwendung.h"
#include "ui/ExterneProgramme.h"
#include "ui/Meldung.h"
#include "ui/frmHaupt.h"
#include "ui_frmBildGrosse.h"

#include <QComboBox>

FrmBildGrosse::FrmBildGrosse(Anwendung& anwendung)
    : QWidget(&anwendung.frmHaupt(), Qt::Window), m_app(anwendung),
      ui(std::make_unique<Ui::FrmBildGrosse>()) {
    ui->setupUi(this);
    connect(ui->cmdBerechnen, &QPushButton::clicked, this, &FrmBildGrosse::cmdBerechnen_Click);
    connect(ui->cmdMarkiereAlle, &QPushButton::clicked, this, &FrmBildGrosse::cmdMarkiereAlle_Click);
    connect(ui->cmdEinfugen, &QPushButton::clicked, this, &FrmBildGrosse::cmdEinfugen_Click);
    connect(ui->cmdSuchenBildOben1, &QPushButton::clicked, this, &FrmBildGrosse::cmdSuchenBildOben1_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &QWidget::hide);
    for (QCheckBox* box : boxen()) {
        connect(box, &QCheckBox::toggled, this, &FrmBildGrosse::Check_Click);
    }
    Form_Load();
}

FrmBildGrosse::~FrmBildGrosse() = default;

void FrmBildGrosse::UmrechnenOeffnen() {
    const std::array<QString, 4> dateien = m_app.frmHaupt().bildDateien();
    std::array<bool, 4> mitBild{};
    for (std::size_t i = 0; i < mitBild.size(); ++i) {
        mitBild.at(i) = !dateien.at(i).isEmpty();
    }
    if (mitBild == std::array<bool, 4>{}) {
        Meldung(m_app.plattform(), 99, QStringLiteral("Sie haben noch kein Bild eingefügt!"));
        return;
    }
    for (std::size_t i = 0; i < mitBild.size(); ++i) {
        boxen()[i]->setChecked(false);
        boxen()[i]->setVisible(mitBild[i]);
    }
    ui->cmdEinfugen->setEnabled(false);
    setWindowModality(Qt::WindowModal);
    show();
}

void FrmBildGrosse::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Form_Activate();
    }
    QWidget::setVisible(visible);
}

void FrmBildGrosse::Form_Load() {
    for (QCheckBox* box : boxen()) {
        box->setChecked(false);
    }
    ui->cmdEinfugen->setEnabled(false);
}

void FrmBildGrosse::Form_Activate() {
    const FrmHaupt& haupt = m_app.frmHaupt();
    move(haupt.x() + 2900 / kTwipsJePixel, haupt.y() - 520 / kTwipsJePixel);
    boxenFreigeben(false);
}

void FrmBildGrosse::cmdBerechnen_Click() {
    const Umrechnung u = BildGrosseBerechnen(ui->txtLaengeIst->text(), ui->txtHoheIst->text(),
                                             ui->txtBildLaengeSoll->currentText());
    if (!u.ok()) {
        Meldung(m_app.plattform(), 12, u.feld, u.hinweis);
        return;
    }
    ui->txtHoheSoll->setText(u.hoeheSoll);
    ui->txtHoheSoll->setStyleSheet(QStringLiteral("background-color: #FFFF00;"));
    boxenFreigeben(true);
}

void FrmBildGrosse::Check_Click(bool angehakt) {
    if (angehakt) {
        ui->cmdEinfugen->setEnabled(true);
    }
}

void FrmBildGrosse::cmdMarkiereAlle_Click() {
    for (QCheckBox* box : boxen()) {
        box->setChecked(true);
    }
    ui->cmdEinfugen->setEnabled(true);
}

void FrmBildGrosse::cmdEinfugen_Click() {
    // Without a calculated height the rows would lose their heights.
    if (ui->txtHoheSoll->text().isEmpty()) {
        Meldung(m_app.plattform(), 12, QStringLiteral("Höhe soll"), QStringLiteral("Bitte zuerst berechnen"));
        return;
    }
    for (std::size_t i = 0; i < boxen().size(); ++i) {
        if (boxen()[i]->isChecked()) {
            m_app.frmHaupt().bildgroesseSetzen(static_cast<int>(i) + 1, ui->txtBildLaengeSoll->currentText(),
                                               ui->txtHoheSoll->text());
        }
    }
    for (QCheckBox* box : boxen()) {
        box->setChecked(false);
    }
    boxenFreigeben(false);
    ui->txtHoheSoll->clear();
    ui->cmdEinfugen->setEnabled(false);
}

void FrmBildGrosse::cmdSuchenBildOben1_Click() {
    const QString aktuell = m_app.frmHaupt().bildOrdner();
    // The stored window showed the field's name as its text until a picture was picked.
    const bool hatPfad = !aktuell.isEmpty() && aktuell != QLatin1String("txtAktuellePfad");
    const QString fotos = m_app.einstellungen().pfadZuMeinenArtikel;
    OrdnerOeffnen(m_app.plattform(), hatPfad ? aktuell : fotos);
}

std::array<QCheckBox*, 4> FrmBildGrosse::boxen() const {
    return {ui->Check1, ui->Check2, ui->Check3, ui->Check4};
}

void FrmBildGrosse::boxenFreigeben(bool frei) {
    for (QCheckBox* box : boxen()) {
        box->setEnabled(frei);
    }
}
