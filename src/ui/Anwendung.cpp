#include "ui/Anwendung.h"

#include "ui/BibliothekBedienung.h"
#include "ui/BilderBedienung.h"
#include "ui/FertigBedienung.h"
#include "ui/LiveVorschau.h"
#include "ui/MenueBedienung.h"
#include "ui/Plattform.h"
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
#include "ui/frmLiveVorschau.h"
#include "ui/frmShop.h"
#include "ui/frmShopSite.h"
#include "ui/frmVorlIni.h"
#include "ui/frmVorlSpeichern.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLockFile>
#include <QPluginLoader>
#include <QSysInfo>
#include <QTranslator>

#include <memory>
#include <utility>

namespace {

// A window is made when it is first asked for: most sessions never open most of them.
template <class Fenster, class... Argumente>
Fenster& beiBedarf(std::unique_ptr<Fenster>& fenster, Argumente&&... argumente) {
    if (!fenster) {
        fenster = std::make_unique<Fenster>(std::forward<Argumente>(argumente)...);
    }
    return *fenster;
}

const QString kTitel = QStringLiteral("K.O.R.I");
// The delivered data folder as the program carries it.
const QString kVorlage = QStringLiteral(":/KORI-Vorlage-Dateien");

// The browser engine's plugin: beside the program in its own folder and in a build, below
// lib/kori/plugins in the package; then wherever Qt looks for libraries.
QStringList liveVorschauOrte() {
    const QString programm = QCoreApplication::applicationDirPath();
    QStringList orte{programm, programm + QStringLiteral("/../lib/kori/plugins")};
    orte.append(QCoreApplication::libraryPaths());
    return orte;
}

} // namespace

Anwendung::Anwendung(const QString& programmordner, Plattform& plattform)
    : m_plattform(plattform), m_daten(programmordner) {}

Anwendung::~Anwendung() = default;

bool Anwendung::starten() {
    qtDeutschLaden();
    datenordnerBereitstellen();
    if (!datenordnerSperren()) {
        return false;
    }
    frmHaupt().Form_Load();
    frmHaupt().show();
    return true;
}

void Anwendung::qtDeutschLaden() {
    if (m_qtDeutsch) {
        return;
    }
    // Qt's dialogs, buttons and context menus; without the translations they stay English.
    auto uebersetzung = std::make_unique<QTranslator>();
    if (uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(uebersetzung.get());
        m_qtDeutsch = std::move(uebersetzung);
    }
}

void Anwendung::datenordnerBereitstellen() {
    const QString ordner = QDir::toNativeSeparators(QDir::cleanPath(m_daten.wurzel()));
    switch (datenordnerAnlegen(kVorlage, m_daten.wurzel())) {
    case Anlage::Angelegt:
        m_plattform.meldungsfenster(
            QStringLiteral("Der Datenordner fehlte. K.O.R.I hat ihn mit den "
                           "mitgelieferten Vorlagen und Einstellungen neu angelegt:\r\n") +
                ordner,
            Plattform::Symbol::Keins, Plattform::Knoepfe::Ok, kTitel);
        break;
    case Anlage::Fehlgeschlagen:
        m_plattform.meldungsfenster(
            QStringLiteral("Der Datenordner fehlt und konnte nicht angelegt werden:\r\n") + ordner,
            Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, kTitel);
        break;
    case Anlage::Vorhanden:
        break;
    }
}

bool Anwendung::datenordnerSperren() {
    const QString ordner = QDir::cleanPath(m_daten.wurzel());
    m_sperre = std::make_unique<QLockFile>(ordner + QStringLiteral("/.kori-sperre"));
    // A lock whose process on this machine is gone is taken over at once, however young.
    m_sperre->setStaleLockTime(0);
    if (m_sperre->tryLock(0) || m_sperre->error() != QLockFile::LockFailedError) {
        // A folder that cannot hold the lock cannot hold the register either; the reads and
        // saves report that on their own.
        return true;
    }
    qint64 prozess = 0;
    QString rechner;
    QString programm;
    const bool fremd =
        m_sperre->getLockInfo(&prozess, &rechner, &programm) && rechner != QSysInfo::machineHostName();
    if (fremd && m_plattform.meldungsfenster(
                     QStringLiteral("Der Datenordner ist auf dem Rechner \"") + rechner +
                         QStringLiteral("\" geöffnet:\r\n") + QDir::toNativeSeparators(ordner) +
                         QStringLiteral("\r\nIst K.O.R.I dort beendet? Nur dann mit \"Ja\" hier öffnen."),
                     Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::JaNein,
                     kTitel) == Plattform::Antwort::Ja) {
        if (m_sperre->removeStaleLockFile() && m_sperre->tryLock(0)) {
            return true;
        }
    }
    m_plattform.meldungsfenster(QStringLiteral("K.O.R.I ist mit diesem Datenordner schon geöffnet:\r\n") +
                                    QDir::toNativeSeparators(ordner) +
                                    QStringLiteral("\r\nDieser zweite Start endet, ohne etwas zu ändern."),
                                Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::Ok, kTitel);
    return false;
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
    return beiBedarf(m_frmBild, *this);
}

FrmBildGrosse& Anwendung::frmBildGrosse() {
    return beiBedarf(m_frmBildGrosse, *this);
}

FrmBuch& Anwendung::frmBuch() {
    return beiBedarf(m_frmBuch, *this);
}

FrmKleidung& Anwendung::frmKleidung() {
    return beiBedarf(m_frmKleidung, *this);
}

FrmLink& Anwendung::frmLink() {
    return beiBedarf(m_frmLink, *this);
}

FrmShop& Anwendung::frmShop() {
    return beiBedarf(m_frmShop, *this);
}

FrmShopSite& Anwendung::frmShopSite() {
    return beiBedarf(m_frmShopSite, *this);
}

FrmEinstell& Anwendung::frmEinstell() {
    return beiBedarf(m_frmEinstell, *this);
}

FrmVorlIni& Anwendung::frmVorlIni() {
    return beiBedarf(m_frmVorlIni, *this);
}

FrmVorlSpeichern& Anwendung::frmVorlSpeichern() {
    return beiBedarf(m_frmVorlSpeichern, *this, &frmHaupt());
}

FrmLiveVorschau* Anwendung::frmLiveVorschau() {
    if (m_frmLiveVorschau) {
        return m_frmLiveVorschau.get();
    }
    if (!m_liveVorschauPlugin) {
        m_liveVorschauPlugin = std::make_unique<QPluginLoader>();
    }
    QStringList gesucht;
    for (const QString& ort : liveVorschauOrte()) {
        m_liveVorschauPlugin->setFileName(ort + QStringLiteral("/livevorschau"));
        if (auto* fabrik = qobject_cast<LiveVorschauFabrik*>(m_liveVorschauPlugin->instance())) {
            m_frmLiveVorschau = std::make_unique<FrmLiveVorschau>(*this, *fabrik);
            return m_frmLiveVorschau.get();
        }
        if (!m_liveVorschauPlugin->fileName().isEmpty()) {
            gesucht.append(m_liveVorschauPlugin->errorString());
        }
    }
    m_plattform.meldungsfenster(
        QStringLiteral("Die Live-Vorschau kann nicht geöffnet werden: ihr Browser-Baustein fehlt "
                       "oder lässt sich nicht laden.\r\n") +
            (gesucht.isEmpty() ? QStringLiteral("Die Datei livevorschau.so wurde nicht gefunden.")
                               : gesucht.join(QStringLiteral("\r\n"))),
        Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, kTitel);
    return nullptr;
}
