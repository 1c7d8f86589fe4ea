#include "ui/Anwendung.h"

#include "ui/frmHaupt.h"
#include "ui/frmLink.h"
#include "ui/frmShop.h"
#include "ui/frmShopSite.h"

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

FrmLink& Anwendung::frmLink() {
    if (!m_frmLink) {
        m_frmLink = std::make_unique<FrmLink>(*this);
    }
    return *m_frmLink;
}

FrmShop& Anwendung::frmShop() {
    if (!m_frmShop) {
        m_frmShop = std::make_unique<FrmShop>(*this);
    }
    return *m_frmShop;
}

FrmShopSite& Anwendung::frmShopSite() {
    if (!m_frmShopSite) {
        m_frmShopSite = std::make_unique<FrmShopSite>(*this);
    }
    return *m_frmShopSite;
}
