#include "ui/FertigBedienung.h"

#include "article/ArtikelText.h"
#include "compose/Listing.h"
#include "compose/Pruefungen.h"
#include "compose/Vorschau.h"
#include "core/Version.h"
#include "ui/Anwendung.h"
#include "ui/ArtikelBindung.h"
#include "ui/Bildzeilen.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlIni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace {

const QString kTestNichtMoeglich = QStringLiteral("Test ist zu Zeit nicht möglich");

// The text of a text box, combo box or rich-text field, whichever kind the named control is.
QString feldText(const QObject* fenster, const char* name) {
    const QObject* feld = element<QObject>(fenster, QLatin1String(name));
    if (const auto* zeile = qobject_cast<const QLineEdit*>(feld)) {
        return zeile->text();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(feld)) {
        return box->currentText();
    }
    const auto* rtf = qobject_cast<const RichTextFeld*>(feld);
    Q_ASSERT_X(rtf != nullptr, "feldText", name);
    return rtf->text();
}

Laufzeitfehler startFehler(const QString& programm) {
    return {53, QStringLiteral("Das Programm kann nicht gestartet werden: ") + programm};
}

} // namespace

FertigBedienung::FertigBedienung(Anwendung& anwendung, QObject* parent) : QObject(parent), m_app(anwendung) {
    const QWidget* f = &m_app.frmHaupt();
    connect(element<QPushButton>(f, QStringLiteral("cdmFertigstellen")), &QPushButton::clicked, this,
            &FertigBedienung::cdmFertigstellen_Click);
    connect(element<QPushButton>(f, QStringLiteral("cmdArtVorschauNur")), &QPushButton::clicked, this,
            &FertigBedienung::cmdArtVorschauNur_Click);
}

void FertigBedienung::Texte_Verbinden() {
    Zustand& z = m_app.zustand();
    const ListingErgebnis r =
        ::Texte_Verbinden(listingEingabe({z.bild3Vorhanden, z.bild4Vorhanden, z.bild5Vorhanden}));
    z.listingText = r.text;
    z.listingHerkunft = r.herkunft;
    if (r.fehler != ShopFehler::Keiner) {
        z.shopLinkFehler = true;
        Meldung(m_app.plattform(), 99, r.fehlerText());
    }
}

void FertigBedienung::cdmFertigstellen_Click() {
    Zustand& z = m_app.zustand();
    const PruefErgebnis pruefung = EingabenPruefen(pruefEingabe());
    z.bild3Vorhanden = pruefung.bildVorhanden[0];
    z.bild4Vorhanden = pruefung.bildVorhanden[1];
    z.bild5Vorhanden = pruefung.bildVorhanden[2];
    if (pruefung.verweigerung) {
        Meldung(m_app.plattform(), pruefung.verweigerung->nummer, pruefung.verweigerung->text);
        return;
    }
    if (!felderSpeicherbar()) {
        return;
    }
    z.shopLinkFehler = false;
    Texte_Verbinden();
    if (!z.shopLinkFehler) {
        emit speicherfensterZeigen(haupt("cboVersandkosten"), haupt("cboPostHermes2"));
    }
}

void FertigBedienung::cmdArtVorschauNur_Click() {
    const QString pfad = vorschauPfad();
    auto* vorschau = element<RichTextFeld>(&m_app.frmHaupt(), QStringLiteral("rtfVorschau"));
    vorschau->setText(VorschauText(haupt("txtArtikelBezVor"), vorschau->text()));
    const QString fehler = VorschauSchreiben(pfad, vorschau->text());
    if (!fehler.isEmpty()) {
        // A browser on the old file would show a different article than the seller asked for.
        Meldung(m_app.plattform(), 99,
                QStringLiteral("Die Vorschau-Datei kann nicht geschrieben werden:\r\n") + pfad +
                    QStringLiteral("\r\n") + fehler);
        return;
    }
    if (QFileInfo(einstellung("txtPfadGoChr")).isFile()) {
        VorschauChrome(pfad);
    } else {
        VorschauIE(pfad);
    }
}

void FertigBedienung::VorschauIE(const QString& pfad) {
    browserStarten(einstellung("txtPfadIE"), pfad);
}

void FertigBedienung::VorschauChrome(const QString& pfad) {
    browserStarten(einstellung("txtPfadGoChr"), pfad);
}

QString FertigBedienung::vorschauPfad() const {
    return m_app.daten().pfad(QStringLiteral("Vorschau.html"));
}

void FertigBedienung::browserStarten(const QString& browser, const QString& pfad) {
    Plattform& p = m_app.plattform();
    const bool gestartet = browser.isEmpty() ? p.oeffnen(pfad) : p.programmStarten(browser, {pfad});
    if (!gestartet) {
        Meldung(p, 999, kTestNichtMoeglich, {}, startFehler(browser.isEmpty() ? pfad : browser));
    }
}

bool FertigBedienung::felderSpeicherbar() {
    const QString artikelArt = element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblArtikelArt"))->text();
    QList<BenanntesFeld> felder = GespeicherteFelder(ArtikelFelderLesen(m_app), artikelArt);
    felder.append({QStringLiteral("Zusatztext"), haupt("rtfInhaltAuto")});
    felder.append({QStringLiteral("Verkäufername (Einstellungen)"), m_app.zustand().verkaeuferName});
    const std::optional<NichtSpeicherbar> fremd = NichtSpeicherbaresFeld(felder);
    if (!fremd) {
        return true;
    }
    Meldung(m_app.plattform(), 12, fremd->feld,
            QStringLiteral("Diese Zeichen können nicht gespeichert werden: ") + fremd->zeichen);
    return false;
}

ListingEingabe FertigBedienung::listingEingabe(const std::array<bool, 3>& bildVorhanden) const {
    ListingEingabe e;
    hauptfensterLesen(e);
    vorlageLesen(e);
    einstellungenLesen(e);
    e.verkaeuferName = m_app.zustand().verkaeuferName;
    e.bildVorhanden = bildVorhanden;
    e.versionMajor = version::major;
    e.versionRevision = version::revision;
    return e;
}

PruefEingabe FertigBedienung::pruefEingabe() const {
    PruefEingabe e;
    for (std::size_t i = 0; i < kBildzeilenNamen.size(); ++i) {
        const BildzeilenNamen& z = kBildzeilenNamen[i];
        e.bilder[i] = {hauptJa(z.haken), haupt(z.datei), haupt(z.breite), haupt(z.hoehe)};
    }
    e.artikelBez = haupt("txtArtikelBez");
    e.titel = haupt("txtTitel");
    e.aufWasBieten = haupt("txtAufWasBiten");
    e.inhaltAuto = haupt("rtfInhaltAuto");
    e.inhalt = haupt("rtfInhalt");
    const Zustand& z = m_app.zustand();
    e.bildVorhanden = {z.bild3Vorhanden, z.bild4Vorhanden, z.bild5Vorhanden};
    return e;
}

void FertigBedienung::hauptfensterLesen(ListingEingabe& e) const {
    e.versandInfoJa = hauptJa("chkVersadInfoJa");
    e.versandkosten = haupt("cboVersandkosten");
    e.versandArt = haupt("cboPostHermes2");
    e.aufWasBieten = haupt("txtAufWasBiten");
    e.titel = haupt("txtTitel");
    e.untertitel = haupt("txtUntertittel");
    for (std::size_t i = 0; i < kBildzeilenNamen.size(); ++i) {
        const BildzeilenNamen& z = kBildzeilenNamen[i];
        e.bilder[i] = {haupt(z.datei), haupt(z.breite), haupt(z.hoehe)};
    }
    e.inhaltAuto = haupt("rtfInhaltAuto");
    e.inhaltAutoHerkunft = inhaltAutoHerkunft(e.inhaltAuto);
    e.inhalt = haupt("rtfInhalt");
    e.aufforderung1Ja = hauptJa("chkAuforderung1");
    e.aufforderung1 = haupt("cboAuforderung1");
    e.aufforderung2Ja = hauptJa("chkAuforderung2");
    e.aufforderung2 = haupt("cboAuforderung2");
}

void FertigBedienung::vorlageLesen(ListingEingabe& e) const {
    e.teil2 = vorlage("txtTeil2");
    e.teil3 = vorlage("txtTeil3");
    e.teil4 = vorlage("txtTeil4");
    e.htmlTeil0a = vorlage("htmlTeil0a");
    e.htmlTeil0b = vorlage("htmlTeil0b");
    e.htmlTeil0c = vorlage("htmlTeil0c");
    e.htmlTeil0d = vorlage("htmlTeil0d");
    e.htmlTeil1 = vorlage("htmlTeil1");
    e.htmlTeil3b = vorlage("htmlTeil3b");
    e.htmlTeil3c = vorlage("htmlTeil3c");
    e.htmlTeil5 = vorlage("htmlTeil5");
    e.htmlTeil6 = vorlage("htmlTeil6");
    e.htmlTeil6b = vorlage("htmlTeil6b");
    e.htmlTeil7 = vorlage("htmlTeil7");
    e.htmlShop = vorlage("html_shop");
    e.farbverlauf = vorlage("txtfarbverlauf");
}

void FertigBedienung::einstellungenLesen(ListingEingabe& e) const {
    const QWidget* f = &m_app.frmEinstell();
    e.bilderPfad = einstellung("txtPfadZusatzBilder");
    e.hinweisJa = element<QCheckBox>(f, QStringLiteral("chkHinweisJa"))->isChecked();
    e.einstellVerkaeufer = einstellung("txtTeil1");
    e.shopJa = element<QCheckBox>(f, QStringLiteral("chkSchopJa"))->isChecked();
    e.shopBildPfad = einstellung("txtPfadShopBild");
    e.grafikPfad = einstellung("txtPfadGrafik");
}

QString FertigBedienung::inhaltAutoHerkunft(const QString& inhaltAuto) const {
    // The book and clothing windows mark the rows of the tables they write.
    if (inhaltAuto.contains(QLatin1String("<!---1--->"))) {
        const QString art = element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblArtikelArt"))->text();
        if (art == u"Buch") {
            return QStringLiteral("Buch-Tabelle");
        }
        if (art == u"Kleidung") {
            return QStringLiteral("Kleidung-Tabelle");
        }
    }
    return QStringLiteral("Beschreibung");
}

QString FertigBedienung::haupt(const char* name) const {
    return feldText(&m_app.frmHaupt(), name);
}

bool FertigBedienung::hauptJa(const char* name) const {
    return element<QCheckBox>(&m_app.frmHaupt(), QLatin1String(name))->isChecked();
}

QString FertigBedienung::vorlage(const char* name) const {
    return feldText(&m_app.frmVorlIni(), name);
}

QString FertigBedienung::einstellung(const char* name) const {
    return feldText(&m_app.frmEinstell(), name);
}
