#include "ui/Anwendung.h"

#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlIni.h"

#include <QApplication>

Anwendung::Anwendung(const QString& programmordner, Plattform& plattform)
    : m_plattform(plattform), m_daten(programmordner) {}

Anwendung::~Anwendung() = default;

void Anwendung::starten() {
    frmHaupt().Form_Load();
    frmHaupt().show();
}

void Anwendung::ProgrammBeenden() {
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (QWidget* w : fenster) {
        w->hide();
    }
    QCoreApplication::quit();
}

FrmHaupt& Anwendung::frmHaupt() {
    if (!m_frmHaupt) {
        m_frmHaupt = std::make_unique<FrmHaupt>(*this);
    }
    return *m_frmHaupt;
}

FrmEinstell& Anwendung::frmEinstell() {
    if (!m_frmEinstell) {
        m_frmEinstell = std::make_unique<FrmEinstell>(*this);
    }
    return *m_frmEinstell;
}

FrmVorlIni& Anwendung::frmVorlIni() {
    if (!m_frmVorlIni) {
        m_frmVorlIni = std::make_unique<FrmVorlIni>(*this);
    }
    return *m_frmVorlIni;
}
