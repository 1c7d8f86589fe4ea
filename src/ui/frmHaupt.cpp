#include "ui/frmHaupt.h"

#include "core/Version.h"
#include "ui/Anwendung.h"

#include <QCloseEvent>
#include <QLabel>

FrmHaupt::FrmHaupt(Anwendung& anwendung, QWidget* parent) : QMainWindow(parent), m_app(anwendung) {
    setObjectName(QStringLiteral("frmHaupt"));
    setWindowTitle(QStringLiteral("K.O.R.I    PlainPage-PlainSale"));
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    setCentralWidget(lblVersion);
    resize(1280, 720);
}

void FrmHaupt::Form_Load() {
    Zustand& z = m_app.zustand();
    z.startInArbeit = true;
    z.vorschauBoxBreite = 975;
    z.vorschauBoxHoehe = 975;
    z.OeffnenModus = false;

    lblVersion->setText(QStringLiteral("Version: %1.%2").arg(version::major).arg(version::revision));

    z.startInArbeit = false;
}

void FrmHaupt::closeEvent(QCloseEvent* event) {
    event->accept();
    m_app.ProgrammBeenden();
}
