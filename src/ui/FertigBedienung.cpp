#include "ui/FertigBedienung.h"

#include "article/ArtikelText.h"
#include "compose/Listing.h"
#include "compose/Pruefungen.h"
#include "compose/Vorschau.h"
#include "core/Datenordner.h"
#include "core/Version.h"
#include "core/Zustand.h"
#include "ui/Bildzeilen.h"
#include "ui/ExterneProgramme.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui_frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <utility>

FertigBedienung::FertigBedienung(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                                 Quellen quellen, const Ui::frmHaupt& ui, QObject* parent)
    : QObject(parent), m_plattform(plattform), m_zustand(zustand), m_daten(daten),
      m_quellen(std::move(quellen)), m_ui(ui) {
    connect(m_ui.cdmFertigstellen, &QPushButton::clicked, this, &FertigBedienung::cdmFertigstellen_Click);
    connect(m_ui.cmdArtVorschauNur, &QPushButton::clicked, this, &FertigBedienung::cmdArtVorschauNur_Click);
}

void FertigBedienung::Texte_Verbinden() {
    Zustand& z = m_zustand;
    const ListingErgebnis r =
        ::Texte_Verbinden(listingEingabe({z.bild3Vorhanden, z.bild4Vorhanden, z.bild5Vorhanden}));
    z.listingText = r.text;
    z.listingHerkunft = r.herkunft;
    if (r.fehler != ShopFehler::Keiner) {
        z.shopLinkFehler = true;
        Meldung(m_plattform, 99, r.fehlerText());
    }
}

void FertigBedienung::cdmFertigstellen_Click() {
    Zustand& z = m_zustand;
    const PruefErgebnis pruefung = EingabenPruefen(pruefEingabe());
    z.bild3Vorhanden = pruefung.bildVorhanden[0];
    z.bild4Vorhanden = pruefung.bildVorhanden[1];
    z.bild5Vorhanden = pruefung.bildVorhanden[2];
    if (pruefung.verweigerung) {
        Meldung(m_plattform, pruefung.verweigerung->nummer, pruefung.verweigerung->text);
        return;
    }
    if (!felderSpeicherbar()) {
        return;
    }
    z.shopLinkFehler = false;
    Texte_Verbinden();
    if (!z.shopLinkFehler) {
        emit speicherfensterZeigen(m_ui.cboVersandkosten->currentText(), m_ui.cboPostHermes2->currentText());
    }
}

void FertigBedienung::cmdArtVorschauNur_Click() {
    const QString pfad = vorschauPfad();
    RichTextFeld* vorschau = m_ui.rtfVorschau;
    vorschau->setText(VorschauText(m_ui.txtArtikelBezVor->text(), vorschau->text()));
    const QString fehler = VorschauSchreiben(pfad, vorschau->text());
    if (!fehler.isEmpty()) {
        // A browser on the old file would show a different article than the seller asked for.
        Meldung(m_plattform, 99,
                QStringLiteral("Die Vorschau-Datei kann nicht geschrieben werden:\r\n") + pfad +
                    QStringLiteral("\r\n") + fehler);
        return;
    }
    const Einstellungen einstellungen = m_quellen.einstellungen();
    const QString browser =
        QFileInfo(einstellungen.pfadGoChr).isFile() ? einstellungen.pfadGoChr : einstellungen.pfadIE;
    // The favourite browser is the one the seller is asked to fill: it is tried first.
    if (!BrowserStarten(m_plattform, browser, pfad)) {
        KeinBrowserMelden(m_plattform, browser, kFeldLieblingsbrowser, pfad);
    }
}

QString FertigBedienung::vorschauPfad() const {
    return m_daten.pfad(QStringLiteral("Vorschau.html"));
}

bool FertigBedienung::felderSpeicherbar() {
    // The table of the book or clothing window goes into HTML files only, which keep any character.
    QList<BenanntesFeld> felder = GespeicherteFelder(m_quellen.artikel(), m_ui.lblArtikelArt->text());
    felder.append({QStringLiteral("Verkäufername (Einstellungen)"), m_zustand.verkaeuferName});
    return FelderSpeicherbar(m_plattform, felder);
}

ListingEingabe FertigBedienung::listingEingabe(const std::array<bool, 3>& bildVorhanden) const {
    ListingEingabe e;
    hauptfensterLesen(e);
    static_cast<Vorlageteile&>(e) = m_quellen.vorlage();
    einstellungenLesen(e);
    e.verkaeuferName = m_zustand.verkaeuferName;
    e.bildVorhanden = bildVorhanden;
    e.versionMajor = version::major;
    e.versionRevision = version::revision;
    return e;
}

PruefEingabe FertigBedienung::pruefEingabe() const {
    PruefEingabe e;
    const std::array<Bildzeile, 5> zeilen = Bildzeilen(m_ui);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Bildzeile& z = zeilen.at(i);
        e.bilder.at(i) = {z.haken->isChecked(), z.datei->text(), z.breite->currentText(),
                          z.hoehe->currentText()};
    }
    e.artikelBez = m_ui.txtArtikelBez->text();
    e.titel = m_ui.txtTitel->text();
    e.aufWasBieten = m_ui.txtAufWasBiten->text();
    e.inhaltAuto = m_ui.rtfInhaltAuto->text();
    e.inhalt = m_ui.rtfInhalt->text();
    const Zustand& z = m_zustand;
    e.bildVorhanden = {z.bild3Vorhanden, z.bild4Vorhanden, z.bild5Vorhanden};
    return e;
}

void FertigBedienung::hauptfensterLesen(ListingEingabe& e) const {
    e.kurzfassung = m_quellen.kurzfassung();
    e.versandInfoJa = m_ui.chkVersadInfoJa->isChecked();
    e.versandkosten = m_ui.cboVersandkosten->currentText();
    e.versandArt = m_ui.cboPostHermes2->currentText();
    e.aufWasBieten = m_ui.txtAufWasBiten->text();
    e.titel = m_ui.txtTitel->text();
    e.untertitel = m_ui.txtUntertittel->text();
    const std::array<Bildzeile, 5> zeilen = Bildzeilen(m_ui);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Bildzeile& z = zeilen.at(i);
        e.bilder.at(i) = {z.datei->text(), z.breite->currentText(), z.hoehe->currentText()};
    }
    e.inhaltAuto = m_ui.rtfInhaltAuto->text();
    e.inhaltAutoHerkunft = inhaltAutoHerkunft(e.inhaltAuto);
    e.inhalt = m_ui.rtfInhalt->text();
    e.aufforderung1Ja = m_ui.chkAuforderung1->isChecked();
    e.aufforderung1 = m_ui.cboAuforderung1->currentText();
    e.aufforderung2Ja = m_ui.chkAuforderung2->isChecked();
    e.aufforderung2 = m_ui.cboAuforderung2->currentText();
}

void FertigBedienung::einstellungenLesen(ListingEingabe& e) const {
    const Einstellungen werte = m_quellen.einstellungen();
    e.bilderPfad = werte.pfadZusatzBilder;
    e.hinweisJa = werte.hinweisJa;
    e.einstellVerkaeufer = werte.ebayName;
    e.shopJa = werte.schopJa;
    e.shopBildPfad = werte.pfadShopBild;
    e.grafikPfad = werte.pfadGrafik;
}

QString FertigBedienung::inhaltAutoHerkunft(const QString& inhaltAuto) const {
    // The book and clothing windows mark the rows of the tables they write.
    if (inhaltAuto.contains(QLatin1String("<!---1--->"))) {
        const QString art = m_ui.lblArtikelArt->text();
        if (art == u"Buch") {
            return QStringLiteral("Buch-Tabelle");
        }
        if (art == u"Kleidung") {
            return QStringLiteral("Kleidung-Tabelle");
        }
    }
    return QStringLiteral("Beschreibung");
}
