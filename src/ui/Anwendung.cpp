#include "ui/Anwendung.h"

#include "compose/FotoWerkzeug.h"
#include "core/Sperre.h"
#include "ui/ArtikelBindung.h"
#include "ui/BibliothekBedienung.h"
#include "ui/BilderBedienung.h"
#include "ui/FertigBedienung.h"
#include "ui/HochladenBedienung.h"
#include "ui/ListeLaden.h"
#include "ui/LiveVorschau.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/TestdatenMenue.h"
#include "ui/TextbausteinBedienung.h"
#include "ui/TitelBedienung.h"
#include "ui/ZusatzBedienung.h"
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
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLockFile>
#include <QPluginLoader>
#include <QSysInfo>
#include <QTranslator>

#include <memory>
#include <utility>

namespace {

const QString kTitel = QStringLiteral("K.O.R.I");
// The delivered data folder as the program carries it.
const QString kVorlage = QStringLiteral(":/KORI-Vorlage-Dateien");

// The plugins: beside the program in its own folder and in a build, below lib/kori/plugins in
// the package; then wherever Qt looks for libraries.
QStringList pluginOrte() {
    const QString programm = QCoreApplication::applicationDirPath();
    QStringList orte{programm, programm + QStringLiteral("/../lib/kori/plugins")};
    orte.append(QCoreApplication::libraryPaths());
    return orte;
}

// The root object of the plugin `name` from the first place that has one; otherwise null, and
// `gesucht` holds why each place that had a file could not load it.
QObject* pluginLaden(QPluginLoader& lader, const QString& name, QStringList& gesucht) {
    for (const QString& ort : pluginOrte()) {
        lader.setFileName(ort + u'/' + name);
        if (QObject* wurzel = lader.instance()) {
            return wurzel;
        }
        if (!lader.fileName().isEmpty()) {
            gesucht.append(lader.errorString());
        }
    }
    return nullptr;
}

// Counts the layout requests Qt delivers while it watches.
class Auslegungszaehler : public QObject {
public:
    Auslegungszaehler() { QCoreApplication::instance()->installEventFilter(this); }
    int abholen() { return std::exchange(m_anzahl, 0); }

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        m_anzahl += ereignis->type() == QEvent::LayoutRequest ? 1 : 0;
        return QObject::eventFilter(ziel, ereignis);
    }

private:
    int m_anzahl = 0;
};

// Shows a freshly built window with its layout settled. Qt settles nested layouts by posted
// requests, one level of nesting per pass of the event loop, and a tab widget repaints itself whole
// on each; left to the event loop, they arrive after the first paint and the window is painted twice.
void ausgelegtZeigen(QWidget& fenster) {
    // Every new control asks to be polished by a posted request, and a button asks its window to
    // lay out again when it gets it; before the window shows, that costs no layout at all.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    fenster.show();
    // The bound only guards against layouts that never settle.
    constexpr int kHoechstens = 16;
    Auslegungszaehler zaehler;
    for (int runde = 0; runde < kHoechstens; ++runde) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (zaehler.abholen() == 0) {
            break;
        }
    }
}

} // namespace

Anwendung::Anwendung(const QString& programmordner, Plattform& plattform)
    : m_plattform(plattform), m_daten(programmordner) {}

Anwendung::~Anwendung() = default;

bool Anwendung::starten() {
    qtDeutschLaden();
    if (!datenordnerBereitstellen() || !datenordnerSperren()) {
        return false;
    }
    frmHaupt().Form_Load();
    artikelstandMerken();
    ausgelegtZeigen(frmHaupt());
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

bool Anwendung::datenordnerBereitstellen() {
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
    case Anlage::Datei:
        m_plattform.meldungsfenster(
            QStringLiteral("An der Stelle des Datenordners liegt eine Datei:\r\n") + ordner +
                QStringLiteral("\r\nK.O.R.I ändert nichts und endet. Wird die Datei umbenannt oder "
                               "verschoben, legt K.O.R.I den Datenordner beim nächsten Start neu an."),
            Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, kTitel);
        return false;
    case Anlage::VerknuepfungOhneZiel:
        m_plattform.meldungsfenster(
            QStringLiteral("Der Datenordner ist eine Verknüpfung auf einen Ordner, den es nicht gibt:\r\n") +
                ordner + QStringLiteral("\r\nzeigt auf\r\n") +
                QDir::toNativeSeparators(QFileInfo(m_daten.wurzel()).symLinkTarget()) +
                QStringLiteral("\r\nIst das Laufwerk angeschlossen? K.O.R.I ändert nichts und endet."),
            Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, kTitel);
        return false;
    }
    return true;
}

bool Anwendung::datenordnerSperren() {
    const QString ordner = QDir::cleanPath(m_daten.wurzel());
    const QString datei = ordner + QStringLiteral("/.kori-sperre");
    m_sperre = std::make_unique<QLockFile>(datei);
    m_sperre->setStaleLockTime(0);
    const Sperrversuch versuch = sperreNehmen(*m_sperre, [this, &ordner](const Sperrbefund& befund) {
        return m_plattform.meldungsfenster(
                   sperrFrage(befund, QDir::toNativeSeparators(ordner), QSysInfo::machineHostName()),
                   Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::JaNein,
                   kTitel) == Plattform::Antwort::Ja;
    });
    if (!versuch.gesperrt) {
        m_plattform.meldungsfenster(sperrAbsage(versuch.fall, versuch.befund, QDir::toNativeSeparators(datei),
                                                QDir::toNativeSeparators(ordner),
                                                QDateTime::currentDateTimeUtc()),
                                    Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::Ok, kTitel);
    }
    return versuch.gesperrt;
}

void Anwendung::ProgrammBeenden() {
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (QWidget* w : fenster) {
        w->hide();
    }
    QCoreApplication::quit();
}

bool Anwendung::beendenBestaetigt() {
    if (!artikelUngespeichert()) {
        return true;
    }
    switch (m_plattform.meldungsfenster(
        QStringLiteral("Der Artikel ist noch nicht gespeichert. Vor dem Beenden speichern?"),
        Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::JaNeinAbbrechen, kTitel)) {
    case Plattform::Antwort::Ja:
        // The seller saves in the save window the finish opens, or mends what its checks report.
        frmHaupt().fertig().cdmFertigstellen_Click();
        return false;
    case Plattform::Antwort::Nein:
        return true;
    case Plattform::Antwort::Ok:
    case Plattform::Antwort::Abbrechen:
        break;
    }
    return false;
}

Artikelstand Anwendung::artikelstand() {
    Artikelstand stand;
    if (m_gemerkt) {
        stand = *m_gemerkt;
    }
    HauptFelderLesen(*this, stand.felder);
    if (m_frmBuch) {
        BuchFelderLesen(*m_frmBuch, stand.felder);
    }
    if (m_frmKleidung) {
        stand.kleidung = m_frmKleidung->artikelwerte();
    }
    const FrmHaupt& haupt = frmHaupt();
    stand.artikelArt = haupt.artikelArt();
    stand.inhaltAuto = haupt.inhaltAuto();
    stand.link = haupt.link();
    return stand;
}

void Anwendung::artikelstandMerken() {
    m_gemerkt = artikelstand();
}

bool Anwendung::artikelUngespeichert() {
    return m_gemerkt && artikelstand() != *m_gemerkt;
}

bool Anwendung::artikelAufgebenBestaetigt(Ersatz ersatz) {
    if (!artikelUngespeichert()) {
        return true;
    }
    const QString frage =
        ersatz == Ersatz::NeuerArtikel
            ? QStringLiteral("Der Artikel ist noch nicht gespeichert. Trotzdem einen neuen "
                             "Artikel beginnen?")
            : QStringLiteral("Der Artikel ist noch nicht gespeichert. Trotzdem einen anderen "
                             "Artikel einlesen?");
    return m_plattform.meldungsfenster(frage, Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::JaNein,
                                       kTitel) == Plattform::Antwort::Ja;
}

void Anwendung::detailsNeu() {
    m_buchNachholen.tun(m_frmBuch.get(), [](FrmBuch& buch) { buch.neuerArtikel(); });
    m_kleidungNachholen.tun(m_frmKleidung.get(), [](FrmKleidung& kleidung) { kleidung.neuerArtikel(); });
}

FrmHaupt& Anwendung::frmHaupt() {
    if (!m_frmHaupt) {
        m_frmHaupt = std::make_unique<FrmHaupt>(*this);
        verbinden(*m_frmHaupt);
    }
    return *m_frmHaupt;
}

// A window is made when it is first asked for: most sessions never open most of them.
template <class Fenster, class... Argumente>
Fenster& Anwendung::beiBedarf(std::unique_ptr<Fenster>& fenster, Argumente&&... argumente) {
    if (!fenster) {
        fenster = std::make_unique<Fenster>(*this, std::forward<Argumente>(argumente)...);
        if constexpr (requires { verbinden(*fenster); }) {
            verbinden(*fenster);
        }
    }
    return *fenster;
}

// The other windows are made on first use, so the main window's news reaches them only when it fires.
void Anwendung::verbinden(FrmHaupt& haupt) {
    titelVerbinden(haupt.titel(), haupt);
    bilderVerbinden(haupt.bilder(), haupt);
    QObject::connect(&haupt.bibliothek(), &BibliothekBedienung::artikelGelesen, &haupt,
                     [this](const ArtikelDateiInhalt& datei) { ArtikelEinsetzen(*this, datei); });
    QObject::connect(&haupt.bibliothek(), &BibliothekBedienung::artikelWaehlenGewuenscht, &haupt,
                     [this] { ArtikelDateiOeffnen(*this, QString()); });
    QObject::connect(&haupt.textbausteine(), &TextbausteinBedienung::zeilenGelesen, &haupt,
                     [this] { FelderAusZeilenSetzen(*this, Schluesselsuche::Enthalten); });
    QObject::connect(&haupt.textbausteine(), &TextbausteinBedienung::genreGewaehlt, &haupt,
                     [this](const QString& beschriftung) {
                         m_buchNachholen.tun(m_frmBuch.get(), [beschriftung](FrmBuch& buch) {
                             buch.GenreAusTextblockSetzen(beschriftung);
                         });
                     });
    QObject::connect(&haupt.zusatz(), &ZusatzBedienung::linkFensterGewuenscht, &haupt,
                     [this] { frmLink().oeffnen(QStringLiteral("1")); });
    QObject::connect(&haupt.testdaten(), &TestdatenMenue::shopTeilGewuenscht, &haupt,
                     [this] { frmVorlIni().shopTeilLesen(); });
    QObject::connect(&haupt.fertig(), &FertigBedienung::speicherfensterZeigen, &haupt,
                     [this](const QString& versandkosten, const QString& versandart) {
                         frmVorlSpeichern().nachFertigstellenZeigen(versandkosten, versandart);
                     });
    QObject::connect(haupt.artikelEinlesenMenue(), &QAction::triggered, &haupt,
                     [this] { frmVorlSpeichern().artikelEinlesenMenue(); });
}

void Anwendung::titelVerbinden(const TitelBedienung& titel, const FrmHaupt& haupt) {
    QObject::connect(&titel, &TitelBedienung::buchAutorGesetzt, &haupt, [this](const QString& autor) {
        m_buchNachholen.tun(m_frmBuch.get(), [autor](FrmBuch& buch) { buch.autorSetzen(autor); });
    });
    QObject::connect(&titel, &TitelBedienung::buchArtGesetzt, &haupt, [this](const QString& art) {
        m_buchNachholen.tun(m_frmBuch.get(), [art](FrmBuch& buch) { buch.artSetzen(art); });
    });
    QObject::connect(&titel, &TitelBedienung::beschreibungsvorlageGewuenscht, &haupt,
                     [this](const QString& datei, RichTextFeld* feld) {
                         const QString titel =
                             FrmVorlIni::teilInFeldLaden(m_plattform, m_zustand, m_daten, datei, feld);
                         // The editor's title names the part file read last, for whichever field.
                         m_vorlageNachholen.tun(m_frmVorlIni.get(), [titel](FrmVorlIni& vorlage) {
                             vorlage.setWindowTitle(titel);
                         });
                     });
    QObject::connect(&titel, &TitelBedienung::kategorieGewechselt, &haupt,
                     [this] { m_zustand.letzteBilddatei = einstellungen().pfadZuMeinenArtikel; });
}

void Anwendung::bilderVerbinden(const BilderBedienung& bilder, const FrmHaupt& haupt) {
    QObject::connect(&bilder, &BilderBedienung::bildAnsichtGewuenscht, &haupt, [this] {
        frmBild().hide();
        frmBild().show();
    });
    QObject::connect(&bilder, &BilderBedienung::umrechnenGewuenscht, &haupt,
                     [this] { frmBildGrosse().UmrechnenOeffnen(); });
    QObject::connect(&bilder, &BilderBedienung::buchFensterGewuenscht, &haupt,
                     [this](const QString& bezeichnung) {
                         frmBuch().bezeichnungSetzen(bezeichnung);
                         frmBuch().show();
                     });
    QObject::connect(&bilder, &BilderBedienung::kleidungFensterGewuenscht, &haupt,
                     [this] { frmKleidung().show(); });
}

// Before a detail window is made, nobody can change its values: the article remembered holds
// them as the window, now made, shows them.
void Anwendung::verbinden(FrmBuch& buch) {
    QObject::connect(&buch, &FrmBuch::tabelleGespeichert, &buch,
                     [this](const QString& tabelle) { frmHaupt().inhaltAutoSetzen(tabelle); });
    m_buchNachholen.nachholen(buch);
    // The language list put in just now shows its prompt; the article in hand starts in German.
    buch.spracheVorgeben();
    if (m_gemerkt) {
        BuchFelderLesen(buch, m_gemerkt->felder);
    }
}

void Anwendung::verbinden(FrmKleidung& kleidung) {
    // A new table replaces the one saved before, as the book window's does.
    QObject::connect(&kleidung, &FrmKleidung::tabelleGespeichert, &kleidung,
                     [this](const QString& tabelle) { frmHaupt().inhaltAutoSetzen(tabelle); });
    m_kleidungNachholen.nachholen(kleidung);
    if (m_gemerkt) {
        m_gemerkt->kleidung = kleidung.artikelwerte();
    }
}

void Anwendung::verbinden(FrmVorlIni& vorlage) {
    m_vorlageNachholen.nachholen(vorlage);
}

void Anwendung::vorlageEinlesen(const QString& art) {
    // An editor that is there reads into its fields, where a part that fails keeps its text.
    if (m_frmVorlIni) {
        m_frmVorlIni->VorlageEinlesen(art);
        return;
    }
    FrmVorlIni::Vorlageninhalt inhalt = FrmVorlIni::vorlageLesen(m_plattform, m_zustand, m_daten, art);
    m_vorlageNachholen.tun(
        nullptr, [inhalt = std::move(inhalt)](FrmVorlIni& vorlage) { vorlage.vorlageEinsetzen(inhalt); });
}

void Anwendung::farbverlaufSetzen(const QString& grafikPfad) {
    m_vorlageNachholen.tun(m_frmVorlIni.get(),
                           [grafikPfad](FrmVorlIni& vorlage) { vorlage.farbverlaufSetzen(grafikPfad); });
}

Einstellungen Anwendung::einstellungen() {
    if (m_frmEinstell) {
        return m_frmEinstell->werte();
    }
    if (!m_einstellungen) {
        m_einstellungen = einstellungenLesen(m_daten.pfad(kEinstellDatei));
    }
    return *m_einstellungen;
}

void Anwendung::einstellungenLaden() {
    if (m_frmEinstell) {
        m_frmEinstell->EinstellungenLesen();
        m_frmEinstell->EinstellungenUebernehmen();
        return;
    }
    m_einstellungen = einstellungenLesen(m_daten.pfad(kEinstellDatei));
    einstellungenGelesen(*m_einstellungen);
    einstellungenUebernehmen(*m_einstellungen);
}

void Anwendung::einstellungenGelesen(const Einstellungen& e) {
    m_zustand.verkaeuferName = e.ebayName;
    m_zustand.standardTexteGewuenscht = e.satndardTexte;
    // The name the articles are filed under, and shown, is the one read; nothing of the article.
    Hauptfensterwerte name;
    name.ebayName = e.ebayName;
    frmHaupt().einstellungenZeigen(name);
    frmHaupt().hochladen().zielZeigen(e.hochladenZiel);
    // A save counts for the values read with it, not for edits made after a later read.
    m_zustand.einstellGespeichert = false;
}

void Anwendung::einstellungenUebernehmen(const Einstellungen& e) {
    m_zustand.verkaeuferName = e.ebayName;
    m_zustand.standardTexteGewuenscht = e.satndardTexte;
    frmHaupt().einstellungenZeigen(hauptfensterwerte(e, m_zustand.einstellVomMenue));
    frmHaupt().bildbreitenSetzen(e.bildLaengeEinstellWert);
    frmHaupt().hochladen().zielZeigen(e.hochladenZiel);
    farbverlaufSetzen(e.pfadGrafik);
}

void Anwendung::einstellungenGespeichert(const Einstellungen& vorher, const Einstellungen& neu) {
    m_zustand.verkaeuferName = neu.ebayName;
    m_zustand.standardTexteGewuenscht = neu.satndardTexte;
    frmHaupt().einstellungenZeigen(hauptfensterwerteGeaendert(vorher, neu, m_zustand.einstellVomMenue));
    frmHaupt().standardbreiteAendern(vorher.bildLaengeEinstellWert, neu.bildLaengeEinstellWert);
    frmHaupt().hochladen().zielZeigen(neu.hochladenZiel);
    farbverlaufSetzen(neu.pfadGrafik);
}

void Anwendung::detaillistenLesen() {
    const FrmKleidung::Materiallisten materialien =
        FrmKleidung::materialListenLesen(m_plattform, m_zustand, m_daten);
    m_kleidungNachholen.tun(m_frmKleidung.get(), [materialien](FrmKleidung& kleidung) {
        kleidung.materialListenEinsetzen(materialien);
    });
    for (const FrmBuch::Buchliste liste : FrmBuch::kBuchlisten) {
        const QString pfad = FrmBuch::listenPfad(m_daten, liste);
        if (std::optional<QStringList> eintraege = ListeVorlesen(m_plattform, m_zustand, pfad)) {
            m_buchNachholen.tun(m_frmBuch.get(), [liste, e = std::move(*eintraege)](FrmBuch& buch) {
                buch.listeEinsetzen(liste, e);
            });
        }
        // The main window's author box follows the book window's, as its update button does.
        if (liste == FrmBuch::Buchliste::Autor) {
            frmHaupt().buchAutorenLaden(pfad);
        }
    }
}

FrmBild& Anwendung::frmBild() {
    return beiBedarf(m_frmBild);
}

FrmBildGrosse& Anwendung::frmBildGrosse() {
    return beiBedarf(m_frmBildGrosse);
}

FrmBuch& Anwendung::frmBuch() {
    return beiBedarf(m_frmBuch);
}

FrmKleidung& Anwendung::frmKleidung() {
    return beiBedarf(m_frmKleidung);
}

FrmLink& Anwendung::frmLink() {
    return beiBedarf(m_frmLink);
}

FrmShop& Anwendung::frmShop() {
    return beiBedarf(m_frmShop);
}

FrmShopSite& Anwendung::frmShopSite() {
    return beiBedarf(m_frmShopSite);
}

FrmEinstell& Anwendung::frmEinstell() {
    return beiBedarf(m_frmEinstell);
}

FrmVorlIni& Anwendung::frmVorlIni() {
    return beiBedarf(m_frmVorlIni);
}

FrmVorlSpeichern& Anwendung::frmVorlSpeichern() {
    return beiBedarf(m_frmVorlSpeichern, &frmHaupt());
}

FrmLiveVorschau* Anwendung::frmLiveVorschau() {
    if (m_frmLiveVorschau) {
        return m_frmLiveVorschau.get();
    }
    if (!m_liveVorschauPlugin) {
        m_liveVorschauPlugin = std::make_unique<QPluginLoader>();
    }
    QStringList gesucht;
    if (auto* fabrik = qobject_cast<LiveVorschauFabrik*>(
            pluginLaden(*m_liveVorschauPlugin, QStringLiteral("livevorschau"), gesucht))) {
        m_frmLiveVorschau = std::make_unique<FrmLiveVorschau>(*this, *fabrik);
        return m_frmLiveVorschau.get();
    }
    m_plattform.meldungsfenster(
        QStringLiteral("Die Live-Vorschau kann nicht geöffnet werden: ihr Browser-Baustein fehlt "
                       "oder lässt sich nicht laden.\r\n") +
            (gesucht.isEmpty() ? QStringLiteral("Die Datei livevorschau.so wurde nicht gefunden.")
                               : gesucht.join(QStringLiteral("\r\n"))),
        Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, kTitel);
    return nullptr;
}

const FotoWerkzeug* Anwendung::fotoWerkzeug() {
    if (m_fotoWerkzeug != nullptr) {
        return m_fotoWerkzeug;
    }
    if (!m_fotoPlugin) {
        m_fotoPlugin = std::make_unique<QPluginLoader>();
    }
    QStringList gesucht;
    m_fotoWerkzeug =
        qobject_cast<FotoWerkzeug*>(pluginLaden(*m_fotoPlugin, QStringLiteral("fotowerkzeug"), gesucht));
    if (m_fotoWerkzeug == nullptr) {
        m_plattform.meldungsfenster(
            QStringLiteral("Die Fotos können nicht vorbereitet werden: ihr Baustein fehlt oder lässt sich "
                           "nicht laden.\r\n") +
                (gesucht.isEmpty() ? QStringLiteral("Die Datei fotowerkzeug.so wurde nicht gefunden.")
                                   : gesucht.join(QStringLiteral("\r\n"))),
            Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, kTitel);
    }
    return m_fotoWerkzeug;
}
