#include "ui/BibliothekBedienung.h"

#include "article/Bibliothek.h"
#include "article/Dateinamen.h"
#include "article/Pfade.h"
#include "core/Datenordner.h"
#include "core/TextDatei.h"
#include "ui/Anwendung.h"
#include "ui/ArtikelBindung.h"
#include "ui/ExterneProgramme.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
#include "ui/frmHaupt.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString kFilter = QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*");
const QString kAlleArtikel = QStringLiteral("Anzeige aller gespeicherten Artikel.");
const QString kWeitereArtikel = QStringLiteral("Anzeige weiteren Artikel.");
const QString kHaupt = QStringLiteral("Haupt");
const QString kAndere = QStringLiteral("Andere");
const QString kKeineDatei = QStringLiteral("Sie haben keine Datei ausgewält");

QStringList texte(const QListWidget* liste) {
    QStringList eintraege;
    for (int i = 0; i < liste->count(); ++i) {
        eintraege.append(liste->item(i)->text());
    }
    return eintraege;
}

} // namespace

BibliothekBedienung::BibliothekBedienung(Anwendung& anwendung, QObject* parent)
    : QObject(parent), m_app(anwendung) {
    verbinden();
}

void BibliothekBedienung::verbinden() {
    const QWidget* f = &m_app.frmHaupt();
    const auto knopf = [this, f](const char* name, void (BibliothekBedienung::*handler)()) {
        connect(element<QPushButton>(f, QLatin1String(name)), &QPushButton::clicked, this, handler);
    };
    const auto menue = [this, f](const char* name, void (BibliothekBedienung::*handler)()) {
        connect(element<QAction>(f, QLatin1String(name)), &QAction::triggered, this, handler);
    };
    connect(element<QTabWidget>(f, QStringLiteral("SSTab1")), &QTabWidget::currentChanged, this,
            &BibliothekBedienung::SSTab1_Click);
    knopf("cmdHauptliste", &BibliothekBedienung::cmdHauptliste_Click);
    knopf("cmdnochnichtAnzeig", &BibliothekBedienung::cmdnochnichtAnzeig_Click);
    knopf("cmdWeitereDateienAnzeigen", &BibliothekBedienung::cmdWeitereDateienAnzeigen_Click);
    knopf("cmdOrdnerDateienOpen", &BibliothekBedienung::cmdOrdnerDateienOpen_Click);
    knopf("cmdSuchen", &BibliothekBedienung::cmdSuchen_Click);
    knopf("cmdDateiEinlesen", &BibliothekBedienung::cmdDateiEinlesen_Click);
    knopf("cmdDateiAlsTextOpen", &BibliothekBedienung::cmdDateiAlsTextOpen_Click);
    menue("mnuArtEinlesenkompl", &BibliothekBedienung::mnuArtEinlesenkompl_Click);
    menue("mnuArtikAnschau", &BibliothekBedienung::mnuArtikAnschau_Click);
}

void BibliothekBedienung::ArtikelListeFuellen() {
    m_app.zustand().ListenOrdner = ListenOrdnerBilden(m_app.daten());
    dateienZeigen(m_app.zustand().ListenOrdner);
}

bool BibliothekBedienung::WeitereDateienListen() {
    const QString datei =
        m_app.plattform().dateiWaehlen(QStringLiteral("Ordner mit Artikeln wählen"), QString(),
                                       m_app.daten().pfad(QStringLiteral("Artikeln-Txt\\")), kFilter);
    const QString ordner = OrdnerAusPfad(datei);
    if (ordner.isEmpty()) {
        return false;
    }
    m_app.zustand().AndererOrdner = ordner;
    dateienZeigen(ordner);
    return true;
}

void BibliothekBedienung::dateienZeigen(const QString& ordner) {
    liste()->clear();
    liste()->addItems(EbayDateienListen(ordner));
}

void BibliothekBedienung::SSTab1_Click(int seite) {
    Zustand& z = m_app.zustand();
    if (seite != kDateilisteSeite || z.ListeGefuellt) {
        return;
    }
    ArtikelListeFuellen();
    ordnerLabel()->setText(kAlleArtikel);
    z.ListeGefuellt = true;
    z.RegisterAngezeigt = false;
}

void BibliothekBedienung::cmdHauptliste_Click() {
    ArtikelListeFuellen();
    ordnerLabel()->setText(kAlleArtikel);
    Zustand& z = m_app.zustand();
    z.ListeGefuellt = true;
    z.ListenArt = kHaupt;
    z.RegisterAngezeigt = false;
}

void BibliothekBedienung::cmdnochnichtAnzeig_Click() {
    Zustand& z = m_app.zustand();
    if (!ListeLaden(m_app.plattform(), z,
                    m_app.daten().pfad(QStringLiteral("vorlagen\\NochNichtEingestellt.txt")), liste(),
                    QStringLiteral("-"))) {
        return;
    }
    // The register names files of the main folder, which may not have been listed yet.
    z.ListenOrdner = ListenOrdnerBilden(m_app.daten());
    z.ListeGefuellt = true;
    z.ListenArt = kHaupt;
    z.RegisterAngezeigt = true;
}

void BibliothekBedienung::cmdWeitereDateienAnzeigen_Click() {
    // A cancelled choice keeps the list, so it must keep describing what the list shows.
    if (!WeitereDateienListen()) {
        return;
    }
    ordnerLabel()->setText(kWeitereArtikel);
    Zustand& z = m_app.zustand();
    z.ListeGefuellt = true;
    z.ListenArt = kAndere;
    z.RegisterAngezeigt = false;
}

void BibliothekBedienung::cmdOrdnerDateienOpen_Click() {
    OrdnerOeffnen(m_app.plattform(), m_app.zustand().ListenOrdner);
}

void BibliothekBedienung::cmdSuchen_Click() {
    QListWidget* l = liste();
    const Suchergebnis ergebnis =
        EintraegeSuchen(texte(l), element<QLineEdit>(&m_app.frmHaupt(), QStringLiteral("txtSuchen"))->text());
    // Only the matches of this search are to be read, not what an earlier one marked.
    l->clearSelection();
    for (const int i : ergebnis.treffer) {
        l->item(i)->setSelected(true);
    }
    // The search visits every entry and leaves the last one as the chosen entry.
    if (l->count() > 0) {
        m_app.zustand().GewaehlterEintrag = l->count() - 1;
    }
    element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblwieviel"))
        ->setText(TrefferAnzeige(ergebnis.anzahl));
}

void BibliothekBedienung::cmdDateiEinlesen_Click() {
    const int index = ersterGewaehlter();
    if (index < 0) {
        keineDateiGewaehlt();
        return;
    }
    Zustand& z = m_app.zustand();
    const QString pfad =
        EintragPfad(z.ListenArt, z.ListenOrdner, z.AndererOrdner, liste()->item(index)->text());
    // The article being edited is given up only for one that could really be read.
    const std::optional<ArtikelDateiInhalt> datei = ArtikelDateiLesen(m_app, pfad);
    if (!datei) {
        return;
    }
    m_app.frmHaupt().cmdNeu_Click();
    z.GewaehlterEintrag = index;
    ArtikelEinsetzen(m_app, *datei);
    z.RegisterEintrag = z.RegisterAngezeigt ? liste()->item(index)->text() : QString();
}

void BibliothekBedienung::cmdDateiAlsTextOpen_Click() {
    const QListWidgetItem* eintrag = liste()->currentItem();
    if (eintrag == nullptr) {
        keineDateiGewaehlt();
        return;
    }
    const Zustand& z = m_app.zustand();
    // The entry is opened where the list found it, so another folder's file is not looked for
    // among the main articles.
    if (z.ListenArt == kAndere) {
        DateiImEditorOeffnen(m_app.plattform(), z.AndererOrdner, QStringLiteral("\\") + eintrag->text());
    } else {
        DateiImEditorOeffnen(m_app.plattform(), m_app.programmordner(),
                             QStringLiteral("\\KORI-Vorlage-Dateien\\Artikeln-txt\\") + eintrag->text());
    }
}

void BibliothekBedienung::mnuArtEinlesenkompl_Click() {
    m_app.zustand().RegisterEintrag.clear();
    ArtikelDateiOeffnen(m_app, QString());
}

void BibliothekBedienung::mnuArtikAnschau_Click() {
    Zustand& z = m_app.zustand();
    z.LadenAusstehend = true;
    element<RichTextFeld>(&m_app.frmHaupt(), QStringLiteral("rtfVorschau"))->setText(QString());
    HtmlArtikelAnzeigen();
    if (z.LadenAusstehend) {
        HtmlArtikelAnzeigen();
    }
    // Without a loaded listing there is nothing to show in the browser.
    if (!z.LadenAusstehend) {
        element<QPushButton>(&m_app.frmHaupt(), QStringLiteral("cmdArtVorschauNur"))->click();
    }
}

void BibliothekBedienung::HtmlArtikelAnzeigen() {
    const QString pfad =
        m_app.plattform().dateiWaehlen(QStringLiteral("Artikel zum Anschauen wählen"), QString(),
                                       m_app.daten().pfad(QStringLiteral("Artikeln\\")), kFilter);
    if (pfad.isEmpty()) {
        return;
    }
    element<QLineEdit>(&m_app.frmHaupt(), QStringLiteral("txtArtikelBezVor"))
        ->setText(TitelAusDateiname(pfad));
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        Meldung(m_app.plattform(), 999, QStringLiteral("Fehler beim ladender Datei"), {},
                {53, QStringLiteral("Datei nicht gefunden: ") + pfad});
        return;
    }
    element<RichTextFeld>(&m_app.frmHaupt(), QStringLiteral("rtfVorschau"))->setText(*inhalt);
    m_app.zustand().LadenAusstehend = false;
}

int BibliothekBedienung::ersterGewaehlter() const {
    const QListWidget* l = liste();
    for (int i = 0; i < l->count(); ++i) {
        if (l->item(i)->isSelected()) {
            return i;
        }
    }
    return -1;
}

void BibliothekBedienung::keineDateiGewaehlt() {
    Meldung(m_app.plattform(), 99, kKeineDatei);
}

QListWidget* BibliothekBedienung::liste() const {
    return element<QListWidget>(&m_app.frmHaupt(), QStringLiteral("lstDateien"));
}

QLabel* BibliothekBedienung::ordnerLabel() const {
    return element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblDateiordner"));
}
