#include "ui/frmLink.h"

#include "ui/Anwendung.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/frmHaupt.h"
#include "ui_frmLink.h"

#include <QPainter>

namespace {

// A small drawing of what the option produces: a framed picture, and below it the link text.
QPixmap beispielBild(bool mitText) {
    QPixmap bild(72, mitText ? 64 : 46);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setPen(Qt::darkGray);
    maler.setBrush(QColor(0xDD, 0xEE, 0xFF));
    maler.drawRect(8, 2, 55, 40);
    maler.setBrush(QColor(0x66, 0x99, 0x66));
    maler.drawPolygon(
        QPolygon({QPoint(10, 40), QPoint(28, 18), QPoint(40, 30), QPoint(48, 22), QPoint(61, 40)}));
    if (mitText) {
        QFont schrift = maler.font();
        schrift.setPixelSize(10);
        schrift.setUnderline(true);
        maler.setFont(schrift);
        maler.setPen(Qt::blue);
        maler.drawText(QRect(0, 46, 72, 16), Qt::AlignCenter, kLinkTextVorgabe);
    }
    return bild;
}

} // namespace

FrmLink::FrmLink(Anwendung& anwendung, QWidget* parent)
    : QWidget(parent), m_app(anwendung), ui(std::make_unique<Ui::frmLink>()) {
    ui->setupUi(this);
    ui->txtSeitenPfad->setText(kSeitenPfadVorgabe);
    ui->txtImgPfad->setText(kImgPfadVorgabe);
    ui->txtLinkText->setText(kLinkTextVorgabe);
    ui->imgBeispiel_0->setPixmap(beispielBild(false));
    ui->imgBeispiel_1->setPixmap(beispielBild(true));
    connect(ui->cmdLinkUbername, &QPushButton::clicked, this, &FrmLink::cmdLinkUbername_Click);
    connect(ui->cmdLinkLoeschen2, &QPushButton::clicked, this, &FrmLink::cmdLinkLoeschen2_Click);
}

FrmLink::~FrmLink() = default;

void FrmLink::oeffnen(const QString& ziel) {
    m_app.zustand().linkZiel = ziel;
    show();
    raise();
    activateWindow();
}

LinkArt FrmLink::gewaehlteArt() const {
    if (ui->optLink_1->isChecked()) {
        return LinkArt::BildUndText;
    }
    return ui->optLink_2->isChecked() ? LinkArt::NurText : LinkArt::NurBild;
}

void FrmLink::cmdLinkUbername_Click() {
    const LinkErgebnis ergebnis = LinkBilden(
        {ui->txtSeitenPfad->text(), ui->txtImgPfad->text(), ui->txtLinkText->text(), gewaehlteArt()});
    for (const QString& feld : ergebnis.fehlendeFelder) {
        Meldung(m_app.plattform(), 10, feld);
    }
    if (!ergebnis.block) {
        return;
    }
    switch (LinkZielDeuten(m_app.zustand().linkZiel)) {
    case LinkZielArt::Hauptfenster:
        m_app.frmHaupt().linkSetzen(m_app.frmHaupt().link() + *ergebnis.block);
        break;
    case LinkZielArt::Keins:
        break;
    case LinkZielArt::Ungueltig:
        m_app.plattform().meldungsfenster(kLinkZielFehler, Plattform::Symbol::Keins, Plattform::Knoepfe::Ok,
                                          kProgrammTitel);
        break;
    }
    hide();
}

void FrmLink::cmdLinkLoeschen2_Click() {
    m_app.frmHaupt().linkSetzen(QString());
}
