#include "ui/BibliothekBedienung.h"

#include "article/Bibliothek.h"
#include "article/Dateinamen.h"
#include "article/Pfade.h"
#include "core/Datenordner.h"
#include "core/TextDatei.h"
#include "core/Zustand.h"
#include "ui/ArtikelBindung.h"
#include "ui/ExterneProgramme.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui_frmHaupt.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <utility>

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

BibliothekBedienung::BibliothekBedienung(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                                         Einlesefrage einlesenBestaetigt, Ui::frmHaupt& ui, QObject* parent)
    : QObject(parent), m_plattform(plattform), m_zustand(zustand), m_daten(daten),
      m_einlesenBestaetigt(std::move(einlesenBestaetigt)), m_ui(ui) {
    verbinden();
}

void BibliothekBedienung::verbinden() {
    connect(m_ui.SSTab1, &QTabWidget::currentChanged, this, &BibliothekBedienung::SSTab1_Click);
    connect(m_ui.cmdHauptliste, &QPushButton::clicked, this, &BibliothekBedienung::cmdHauptliste_Click);
    connect(m_ui.cmdnochnichtAnzeig, &QPushButton::clicked, this,
            &BibliothekBedienung::cmdnochnichtAnzeig_Click);
    connect(m_ui.cmdWeitereDateienAnzeigen, &QPushButton::clicked, this,
            &BibliothekBedienung::cmdWeitereDateienAnzeigen_Click);
    connect(m_ui.cmdOrdnerDateienOpen, &QPushButton::clicked, this,
            &BibliothekBedienung::cmdOrdnerDateienOpen_Click);
    connect(m_ui.cmdSuchen, &QPushButton::clicked, this, &BibliothekBedienung::cmdSuchen_Click);
    connect(m_ui.cmdDateiEinlesen, &QPushButton::clicked, this, &BibliothekBedienung::cmdDateiEinlesen_Click);
    connect(m_ui.cmdDateiAlsTextOpen, &QPushButton::clicked, this,
            &BibliothekBedienung::cmdDateiAlsTextOpen_Click);
    connect(m_ui.mnuArtEinlesenkompl, &QAction::triggered, this,
            &BibliothekBedienung::mnuArtEinlesenkompl_Click);
    connect(m_ui.mnuArtikAnschau, &QAction::triggered, this, &BibliothekBedienung::mnuArtikAnschau_Click);
}

void BibliothekBedienung::ArtikelListeFuellen() {
    m_zustand.ListenOrdner = ListenOrdnerBilden(m_daten);
    dateienZeigen(m_zustand.ListenOrdner);
}

bool BibliothekBedienung::WeitereDateienListen() {
    const QString datei = m_plattform.dateiWaehlen(QStringLiteral("Ordner mit Artikeln wählen"), QString(),
                                                   m_daten.pfad(QStringLiteral("Artikeln-Txt\\")), kFilter);
    const QString ordner = OrdnerAusPfad(datei);
    if (ordner.isEmpty()) {
        return false;
    }
    m_zustand.AndererOrdner = ordner;
    dateienZeigen(ordner);
    return true;
}

void BibliothekBedienung::dateienZeigen(const QString& ordner) {
    m_ui.lstDateien->clear();
    m_ui.lstDateien->addItems(EbayDateienListen(ordner));
}

void BibliothekBedienung::SSTab1_Click(int seite) {
    Zustand& z = m_zustand;
    if (seite != kDateilisteSeite || z.ListeGefuellt) {
        return;
    }
    ArtikelListeFuellen();
    m_ui.lblDateiordner->setText(kAlleArtikel);
    z.ListeGefuellt = true;
    z.RegisterAngezeigt = false;
}

void BibliothekBedienung::cmdHauptliste_Click() {
    ArtikelListeFuellen();
    m_ui.lblDateiordner->setText(kAlleArtikel);
    Zustand& z = m_zustand;
    z.ListeGefuellt = true;
    z.ListenArt = kHaupt;
    z.RegisterAngezeigt = false;
}

void BibliothekBedienung::cmdnochnichtAnzeig_Click() {
    Zustand& z = m_zustand;
    if (!ListeLaden(m_plattform, z, m_daten.pfad(QStringLiteral("vorlagen\\NochNichtEingestellt.txt")),
                    m_ui.lstDateien, QStringLiteral("-"))) {
        return;
    }
    // The register names files of the main folder, which may not have been listed yet.
    z.ListenOrdner = ListenOrdnerBilden(m_daten);
    z.ListeGefuellt = true;
    z.ListenArt = kHaupt;
    z.RegisterAngezeigt = true;
}

void BibliothekBedienung::cmdWeitereDateienAnzeigen_Click() {
    // A cancelled choice keeps the list, so it must keep describing what the list shows.
    if (!WeitereDateienListen()) {
        return;
    }
    m_ui.lblDateiordner->setText(kWeitereArtikel);
    Zustand& z = m_zustand;
    z.ListeGefuellt = true;
    z.ListenArt = kAndere;
    z.RegisterAngezeigt = false;
}

void BibliothekBedienung::cmdOrdnerDateienOpen_Click() {
    OrdnerOeffnen(m_plattform, m_zustand.ListenOrdner);
}

void BibliothekBedienung::cmdSuchen_Click() {
    QListWidget* l = m_ui.lstDateien;
    const Suchergebnis ergebnis = EintraegeSuchen(texte(l), m_ui.txtSuchen->text());
    // Only the matches of this search are to be read, not what an earlier one marked.
    l->clearSelection();
    for (const int i : ergebnis.treffer) {
        l->item(i)->setSelected(true);
    }
    // The search visits every entry and leaves the last one as the chosen entry.
    if (l->count() > 0) {
        m_zustand.GewaehlterEintrag = l->count() - 1;
    }
    m_ui.lblwieviel->setText(TrefferAnzeige(ergebnis.anzahl));
}

void BibliothekBedienung::cmdDateiEinlesen_Click() {
    const int index = ersterGewaehlter();
    if (index < 0) {
        keineDateiGewaehlt();
        return;
    }
    Zustand& z = m_zustand;
    const QString pfad =
        EintragPfad(z.ListenArt, z.ListenOrdner, z.AndererOrdner, m_ui.lstDateien->item(index)->text());
    // The article being edited is given up only for one that could really be read.
    const std::optional<ArtikelDateiInhalt> datei = ArtikelDateiLesen(m_plattform, pfad);
    if (!datei || !m_einlesenBestaetigt()) {
        return;
    }
    emit neuerArtikelGewuenscht();
    z.GewaehlterEintrag = index;
    emit artikelGelesen(*datei);
    z.RegisterEintrag = z.RegisterAngezeigt ? m_ui.lstDateien->item(index)->text() : QString();
    z.ArtikelDatei = pfad;
}

void BibliothekBedienung::cmdDateiAlsTextOpen_Click() {
    // The entry the search or a click marked, as "Artikel einlesen" takes it.
    const int index = ersterGewaehlter();
    if (index < 0) {
        keineDateiGewaehlt();
        return;
    }
    const QListWidgetItem* eintrag = m_ui.lstDateien->item(index);
    const Zustand& z = m_zustand;
    // The entry is opened where the list found it, so another folder's file is not looked for
    // among the main articles.
    if (z.ListenArt == kAndere) {
        DateiImEditorOeffnen(m_plattform, z.AndererOrdner, QStringLiteral("\\") + eintrag->text());
    } else {
        DateiImEditorOeffnen(m_plattform, m_daten.programmordner(),
                             QStringLiteral("\\KORI-Vorlage-Dateien\\Artikeln-txt\\") + eintrag->text());
    }
}

void BibliothekBedienung::mnuArtEinlesenkompl_Click() {
    if (m_einlesenBestaetigt()) {
        emit artikelWaehlenGewuenscht();
    }
}

void BibliothekBedienung::mnuArtikAnschau_Click() {
    Zustand& z = m_zustand;
    z.LadenAusstehend = true;
    m_ui.rtfVorschau->setText(QString());
    HtmlArtikelAnzeigen();
    if (z.LadenAusstehend) {
        HtmlArtikelAnzeigen();
    }
    // Without a loaded listing there is nothing to show in the browser.
    if (!z.LadenAusstehend) {
        m_ui.cmdArtVorschauNur->click();
    }
}

void BibliothekBedienung::HtmlArtikelAnzeigen() {
    const QString pfad = m_plattform.dateiWaehlen(QStringLiteral("Artikel zum Anschauen wählen"), QString(),
                                                  m_daten.pfad(QStringLiteral("Artikeln\\")), kFilter);
    if (pfad.isEmpty()) {
        return;
    }
    m_ui.txtArtikelBezVor->setText(TitelAusDateiname(pfad));
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        Meldung(m_plattform, 999, QStringLiteral("Fehler beim ladender Datei"), {},
                {53, QStringLiteral("Datei nicht gefunden: ") + pfad});
        return;
    }
    m_ui.rtfVorschau->setText(*inhalt);
    m_zustand.LadenAusstehend = false;
}

int BibliothekBedienung::ersterGewaehlter() const {
    const QListWidget* l = m_ui.lstDateien;
    for (int i = 0; i < l->count(); ++i) {
        if (l->item(i)->isSelected()) {
            return i;
        }
    }
    return -1;
}

void BibliothekBedienung::keineDateiGewaehlt() {
    Meldung(m_plattform, 99, kKeineDatei);
}
