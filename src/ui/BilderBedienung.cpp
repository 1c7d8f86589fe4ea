#include "ui/BilderBedienung.h"

#include "compose/Bilder.h"
#include "core/Hausverkaeufer.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/Bildzeilen.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
#include "ui/TitelBedienung.h"
#include "ui/frmBild.h"
#include "ui/frmBildGrosse.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kFilter = QStringLiteral("Bild-Dateien(*.jpg;*.jpeg;*.gif)|*.jpg;*.jpeg;*.gif|Ale Dateien|*.*");
const QString kKeineDatei = QStringLiteral("Sie haben keine Datei ausgewählt");
const QColor kGrau(0xC0, 0xC0, 0xC0);

void hintergrundSetzen(QWidget* feld, const QColor& farbe) {
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, farbe);
    feld->setPalette(palette);
}

// The dialog may give either separator; the listing wants the bare name after the last one.
qsizetype letzterTrenner(const QString& pfad) {
    return std::max(pfad.lastIndexOf(QLatin1Char('\\')), pfad.lastIndexOf(QLatin1Char('/')));
}

const BildzeilenNamen& zeile(int nummer) {
    return kBildzeilenNamen.at(static_cast<std::size_t>(nummer - 1));
}

} // namespace

BilderBedienung::BilderBedienung(Anwendung& anwendung, QObject* parent) : QObject(parent), m_app(anwendung) {
    verbinden();
    titelSignaleVerbinden();
    for (int n = 2; n <= 5; ++n) {
        zeileFaerben(n);
    }
}

void BilderBedienung::verbinden() {
    const QWidget* f = &m_app.frmHaupt();
    const auto knopf = [f](const char* name) { return element<QPushButton>(f, QLatin1String(name)); };
    connect(schalter("chkBil1JaNEin"), &QCheckBox::toggled, this, &BilderBedienung::chkBil1JaNEin_Click);
    for (int n = 1; n <= 5; ++n) {
        const BildzeilenNamen& z = zeile(n);
        if (n > 1) {
            connect(schalter(z.haken), &QCheckBox::toggled, this, [this, n] { chkBilJaNEin_Click(n); });
        }
        connect(knopf(z.suchen), &QPushButton::clicked, this, [this, n] { cmdSuchenBild_Click(n); });
        connect(knopf(z.umrechnen), &QPushButton::clicked, this, [this, n] { cmdUmrechnenB_Click(n); });
        connect(bild(z.bild), &KlickLabel::geklickt, this, [this, n] { picFoto_Click(n); });
    }
    connect(text("txtBild"), &QLineEdit::textChanged, this, &BilderBedienung::txtBild_Change);
    connect(knopf("cmdUmrechnen"), &QPushButton::clicked, this, &BilderBedienung::cmdUmrechnen_Click);
    connect(knopf("cmdBuchBeschr"), &QPushButton::clicked, this, &BilderBedienung::cmdBuchBeschr_Click);
    connect(knopf("cmdKleidungBeschreibung"), &QPushButton::clicked, this,
            &BilderBedienung::cmdKleidungBeschreibung_Click);
}

// The title handlers hand values for other windows out through signals; these go where they belong.
void BilderBedienung::titelSignaleVerbinden() {
    TitelBedienung& titel = m_app.titel();
    connect(&titel, &TitelBedienung::buchAutorGesetzt, this, [this](const QString& autor) {
        element<QComboBox>(&m_app.frmBuch(), QStringLiteral("cboBuchAutor"))->setCurrentText(autor);
    });
    connect(&titel, &TitelBedienung::buchArtGesetzt, this, [this](const QString& art) {
        element<QComboBox>(&m_app.frmBuch(), QStringLiteral("cboFarbewehlen"))->setCurrentText(art);
    });
    connect(&titel, &TitelBedienung::kategorieGewechselt, this,
            [this] { m_app.zustand().letzteBilddatei = einstellText("txtPfadZuMeinenArtikel"); });
}

// Picture 1 is always part of a listing, except in the no-picture mode.
void BilderBedienung::chkBil1JaNEin_Click() {
    const bool soll = !m_app.zustand().ohneBildModus;
    QCheckBox* box = schalter("chkBil1JaNEin");
    if (box->isChecked() != soll) {
        box->setChecked(soll);
    }
}

void BilderBedienung::chkBilJaNEin_Click(int nummer) {
    const BildzeilenNamen& z = zeile(nummer);
    const bool an = schalter(z.haken)->isChecked();
    const QWidget* f = &m_app.frmHaupt();
    for (const char* name : {z.breite, z.hoehe, z.datei, z.suchen, z.lblBreite, z.lblHoehe}) {
        element<QWidget>(f, QLatin1String(name))->setEnabled(an);
    }
    if (nummer == 2) {
        schalter("chkMitGrosAnsicht2")->setEnabled(an);
    }
    if (!an) {
        text(z.datei)->clear();
    }
    zeileFaerben(nummer);
}

// A row that is switched off is grey and shows no thumbnail.
void BilderBedienung::zeileFaerben(int nummer) {
    const BildzeilenNamen& z = zeile(nummer);
    const bool an = schalter(z.haken)->isChecked();
    const QColor farbe = an ? QApplication::palette().color(QPalette::Base) : kGrau;
    for (QWidget* feld : std::initializer_list<QWidget*>{text(z.datei), box(z.breite), box(z.hoehe)}) {
        hintergrundSetzen(feld, farbe);
    }
    bild(z.bild)->setVisible(an);
}

void BilderBedienung::cmdSuchenBild_Click(int nummer) {
    Zustand& zustand = m_app.zustand();
    const BildzeilenNamen& z = zeile(nummer);
    zustand.aktuelleBildzeile = nummer;
    text("txtBild")->clear();

    const QString start =
        zustand.letzteBilddatei.isEmpty() ? einstellText("txtPfadZuMeinenArtikel") : zustand.letzteBilddatei;
    const QString pfad =
        m_app.plattform().dateiWaehlen(QStringLiteral("Bild auswählen"), QString(), start, kFilter);
    if (pfad.isEmpty()) {
        // The last picked picture may belong to another row: a cancel leaves this row as it was.
        m_app.plattform().meldungsfenster(kKeineDatei, Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok,
                                          QStringLiteral("ACHTUNG"));
        return;
    }
    zustand.letzteBilddatei = pfad;
    zustand.bildPfade.at(static_cast<std::size_t>(nummer - 1)) = pfad;
    const qsizetype trenner = letzterTrenner(pfad);
    text(z.datei)->setText(pfad.mid(trenner + 1));
    if (nummer == 1) {
        text("txtAktuellePfad")->setText(pfad.left(trenner + 1));
    }
    if (!QFileInfo(pfad).isFile()) {
        text(z.datei)->clear();
        if (nummer == 1) {
            text("txtAktuellePfad")->clear();
        }
        return;
    }
    vorschauLaden(nummer, pfad);
    text("txtBild")->setText(pfad);
    if (nummer == 1) {
        hausverkaufUndBezeichnung();
    }
}

// Shows the picture as a thumbnail as high as the box and as wide as its proportions want. A file
// that is no picture leaves the thumbnail and its size as they were.
bool BilderBedienung::vorschauLaden(int nummer, const QString& pfad) {
    BildFeld* vorschau = bild(zeile(nummer).bild);
    if (!vorschau->bildLaden(pfad)) {
        return false;
    }
    Zustand& zustand = m_app.zustand();
    const Vorschaugroesse groesse = BildgroesseAnpassen(
        vorschau->natuerlicheHoehe(), vorschau->natuerlicheBreite(), zustand.vorschauBoxHoehe);
    const auto pixel = [](int twips) {
        return static_cast<int>(R(static_cast<double>(twips) / kTwipsJePixel));
    };
    vorschau->setFixedSize(pixel(groesse.breite), pixel(groesse.hoehe));
    const auto i = static_cast<std::size_t>(nummer - 1);
    zustand.vorschauHoehe.at(i) = groesse.hoehe;
    zustand.vorschauBreite.at(i) = groesse.breite;
    return true;
}

void BilderBedienung::hausverkaufUndBezeichnung() {
    const QString verkaeufer = element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblEbayName"))->text();
    if (hausverkaeufer::istInFuenf(verkaeufer)) {
        element<RichTextFeld>(&m_app.frmHaupt(), QStringLiteral("rtfInhaltAuto"))->setText(QString());
    }
    if (schalter("chkArtBezAutom")->isChecked()) {
        m_app.titel().lblLoeschenArtBezTitelUnter_Click();
        m_app.titel().cmdArtBezBilden_Click();
    }
}

void BilderBedienung::txtBild_Change() {
    const QString pfad = text("txtBild")->text();
    BildFeld* messung = bild("imgVor");
    if (pfad.isEmpty() || !messung->bildLaden(pfad)) {
        return;
    }
    const BildzeilenNamen& z = zeile(m_app.zustand().aktuelleBildzeile);
    const std::optional<Bildmasse> masse =
        MasseFuerBild(m_app.zustand().aktuelleBildzeile, box(z.breite)->currentText(),
                      einstellText("txtBildLaengeEinstellWert"),
                      QSize(messung->natuerlicheBreite(), messung->natuerlicheHoehe()));
    if (!masse) {
        return;
    }
    box(z.breite)->setCurrentText(masse->breite);
    box(z.hoehe)->setCurrentText(masse->hoehe);
}

void BilderBedienung::cmdUmrechnenB_Click(int nummer) {
    const BildzeilenNamen& z = zeile(nummer);
    const auto i = static_cast<std::size_t>(nummer - 1);
    const Zustand& zustand = m_app.zustand();
    const std::optional<QString> hoehe = HoeheAusVorschau(
        box(z.breite)->currentText(), zustand.vorschauHoehe.at(i), zustand.vorschauBreite.at(i));
    if (hoehe) {
        box(z.hoehe)->setCurrentText(*hoehe);
    }
}

void BilderBedienung::cmdUmrechnen_Click() {
    m_app.frmBildGrosse().UmrechnenOeffnen();
}

// The viewer is built anew from the carrier every time it opens.
void BilderBedienung::picFoto_Click(int nummer) {
    const BildzeilenNamen& z = zeile(nummer);
    if (text(z.datei)->text().isEmpty()) {
        return;
    }
    BildFeld* traeger = bild("picFotoAlle");
    if (!traeger->bildLaden(m_app.zustand().bildPfade.at(static_cast<std::size_t>(nummer - 1)))) {
        return;
    }
    traeger->resize(bild(z.bild)->size());
    FrmBild& ansicht = m_app.frmBild();
    ansicht.hide();
    ansicht.show();
}

void BilderBedienung::cmdBuchBeschr_Click() {
    FrmBuch& buch = m_app.frmBuch();
    element<QLineEdit>(&buch, QStringLiteral("txtArtikelBez"))->setText(text("txtArtikelBez")->text());
    buch.show();
}

void BilderBedienung::cmdKleidungBeschreibung_Click() {
    element<RichTextFeld>(&m_app.frmHaupt(), QStringLiteral("rtfInhaltAuto"))->setText(QString());
    m_app.frmKleidung().show();
}

void BilderBedienung::BilderNeuEinrichten() {
    Zustand& zustand = m_app.zustand();
    const std::optional<double> standard = zahlLesen(einstellText("txtBildLaengeEinstellWert"));
    const int breite = standard ? static_cast<int>(R(*standard)) : 0;
    zustand.vorschauBreite.fill(breite);
    zustand.vorschauHoehe.fill(1);
    for (int n = 1; n <= 5; ++n) {
        bild(zeile(n).bild)->leeren();
    }
}

QString BilderBedienung::einstellText(const char* name) {
    return element<QLineEdit>(&m_app.frmEinstell(), QLatin1String(name))->text();
}

QLineEdit* BilderBedienung::text(const char* name) const {
    return element<QLineEdit>(&m_app.frmHaupt(), QLatin1String(name));
}

QComboBox* BilderBedienung::box(const char* name) const {
    return element<QComboBox>(&m_app.frmHaupt(), QLatin1String(name));
}

QCheckBox* BilderBedienung::schalter(const char* name) const {
    return element<QCheckBox>(&m_app.frmHaupt(), QLatin1String(name));
}

BildFeld* BilderBedienung::bild(const char* name) const {
    return element<BildFeld>(&m_app.frmHaupt(), QLatin1String(name));
}
