#include "ui/frmBild.h"

#include "compose/Bilder.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/frmHaupt.h"
#include "ui_frmBild.h"

#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int kVergroesserung = 5;

int px(int twips) {
    return twips / kTwipsJePixel;
}

} // namespace

FrmBild::FrmBild(Anwendung& anwendung)
    : QWidget(&anwendung.frmHaupt(), Qt::Window), m_app(anwendung), ui(std::make_unique<Ui::FrmBild>()) {
    ui->setupUi(this);
    connect(ui->imgVorAlle, &KlickLabel::geklickt, this, &QWidget::close);
    connect(ui->imgVorX, &KlickLabel::geklickt, this, &QWidget::close);
    ui->imgVorX->installEventFilter(this);
}

FrmBild::~FrmBild() = default;

void FrmBild::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Form_Load();
    }
    QWidget::setVisible(visible);
}

bool FrmBild::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt == ui->imgVorX && event->type() == QEvent::MouseMove) {
        imgVorX_MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return QWidget::eventFilter(objekt, event);
}

void FrmBild::Form_Load() {
    const FrmHaupt& haupt = m_app.frmHaupt();
    move(haupt.x() + px(4500), haupt.y() + px(3200));

    const BildFeld& traeger = m_app.frmHaupt().bildTraeger();
    const QSize bild = traeger.size() * kVergroesserung;
    ui->imgVorAlle->setPixmap(QPixmap::fromImage(traeger.bild()));
    const int breite = bild.width() + px(400);
    const int hoehe = bild.height() + px(400);
    ui->imgVorAlle->setGeometry(std::max((breite - bild.width()) / 2, px(15)), px(200), bild.width(),
                                bild.height());
    ui->imgVorX->setGeometry(0, 0, breite, hoehe);
    setFixedSize(breite, hoehe);
}

// Leaving the picture towards the window's edge closes the view.
void FrmBild::imgVorX_MouseMove(QPoint position) {
    const int x = position.x() * kTwipsJePixel;
    const int y = position.y() * kTwipsJePixel;
    if (x < 50 || x > 5210 || y < 20 || y > 5050) {
        close();
    }
}
