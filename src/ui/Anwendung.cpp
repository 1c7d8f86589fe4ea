#include "ui/Anwendung.h"

#include "ui/BibliothekBedienung.h"
#include "ui/BilderBedienung.h"
#include "ui/FertigBedienung.h"
#include "ui/MenueBedienung.h"
#include "ui/Steuerelemente.h"
#include "ui/TextbausteinBedienung.h"
#include "ui/TitelBedienung.h"
#include "ui/frmBild.h"
#include "ui/frmBildGrosse.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"
#include "ui/frmLink.h"
#include "ui/frmShop.h"
#include "ui/frmShopSite.h"
#include "ui/frmVorlIni.h"
#include "ui/frmVorlSpeichern.h"

#include <QAction>
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
        bedienungenAnlegen();
    }
    return *m_frmHaupt;
}

void Anwendung::bedienungenAnlegen() {
    m_titel = std::make_unique<TitelBedienung>(*this);
    m_menues = std::make_unique<MenueBedienung>(*this);
    m_bilder = std::make_unique<BilderBedienung>(*this);
    m_fertig = std::make_unique<FertigBedienung>(*this);
    m_textbausteine = std::make_unique<TextbausteinBedienung>(*this);
    m_bibliothek = std::make_unique<BibliothekBedienung>(*this);
    fensterVerbinden();
}

void Anwendung::fensterVerbinden() {
    // The save window is created on first use, so these reach it only when they fire.
    QObject::connect(m_fertig.get(), &FertigBedienung::speicherfensterZeigen, m_fertig.get(),
                     [this](const QString& versandkosten, const QString& versandart) {
                         frmVorlSpeichern().nachFertigstellenZeigen(versandkosten, versandart);
                     });
    QObject::connect(element<QAction>(m_frmHaupt.get(), QStringLiteral("mnuArtEinlesen")),
                     &QAction::triggered, m_fertig.get(),
                     [this] { frmVorlSpeichern().artikelEinlesenMenue(); });
}

TitelBedienung& Anwendung::titel() {
    frmHaupt();
    return *m_titel;
}

MenueBedienung& Anwendung::menues() {
    frmHaupt();
    return *m_menues;
}

BilderBedienung& Anwendung::bilder() {
    frmHaupt();
    return *m_bilder;
}

FertigBedienung& Anwendung::fertig() {
    frmHaupt();
    return *m_fertig;
}

TextbausteinBedienung& Anwendung::textbausteine() {
    frmHaupt();
    return *m_textbausteine;
}

BibliothekBedienung& Anwendung::bibliothek() {
    frmHaupt();
    return *m_bibliothek;
}

FrmBild& Anwendung::frmBild() {
    if (!m_frmBild) {
        m_frmBild = std::make_unique<FrmBild>(*this);
    }
    return *m_frmBild;
}

FrmBildGrosse& Anwendung::frmBildGrosse() {
    if (!m_frmBildGrosse) {
        m_frmBildGrosse = std::make_unique<FrmBildGrosse>(*this);
    }
    return *m_frmBildGrosse;
}

FrmBuch& Anwendung::frmBuch() {
    if (!m_frmBuch) {
        m_frmBuch = std::make_unique<FrmBuch>(*this);
    }
    return *m_frmBuch;
}

FrmKleidung& Anwendung::frmKleidung() {
    if (!m_frmKleidung) {
        m_frmKleidung = std::make_unique<FrmKleidung>(*this);
    }
    return *m_frmKleidung;
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

FrmVorlSpeichern& Anwendung::frmVorlSpeichern() {
    if (!m_frmVorlSpeichern) {
        m_frmVorlSpeichern = std::make_unique<FrmVorlSpeichern>(*this, &frmHaupt());
    }
    return *m_frmVorlSpeichern;
}
