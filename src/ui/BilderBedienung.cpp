#include "ui/BilderBedienung.h"

#include "compose/Bilder.h"
#include "core/Hausverkaeufer.h"
#include "core/Zustand.h"
#include "ui/BildFeld.h"
#include "ui/Bildzeilen.h"
#include "ui/Hintergrund.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/TitelBedienung.h"
#include "ui_frmHaupt.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace {

const QString kFilter = QStringLiteral("Bild-Dateien(*.jpg;*.jpeg;*.gif)|*.jpg;*.jpeg;*.gif|Ale Dateien|*.*");
const QString kKeineDatei = QStringLiteral("Sie haben keine Datei ausgewählt");
const QString kOhneBildMarke = QStringLiteral("____ OHNE Bild____");
// The dialog may give either separator; the listing wants the bare name after the last one.
qsizetype letzterTrenner(const QString& pfad) {
    return std::max(pfad.lastIndexOf(QLatin1Char('\\')), pfad.lastIndexOf(QLatin1Char('/')));
}

} // namespace

BilderBedienung::BilderBedienung(Plattform& plattform, Zustand& zustand, Einstellungsquelle einstellungen,
                                 Ui::frmHaupt& ui, TitelBedienung& titel, QObject* parent)
    : QObject(parent), m_plattform(plattform), m_zustand(zustand), m_einstellungen(std::move(einstellungen)),
      m_ui(ui), m_titel(titel), m_zeilen(Bildzeilen(ui)) {
    verbinden();
    for (int n = 2; n <= 5; ++n) {
        zeileFaerben(n);
    }
}

void BilderBedienung::verbinden() {
    connect(m_ui.chkBil1JaNEin, &QCheckBox::toggled, this, &BilderBedienung::chkBil1JaNEin_Click);
    // The entry shows a tick while the mode is on.
    m_ui.mnuOhneBild->setCheckable(true);
    connect(m_ui.mnuOhneBild, &QAction::triggered, this, &BilderBedienung::mnuOhneBild_Click);
    for (int n = 1; n <= 5; ++n) {
        const Bildzeile& z = zeile(n);
        if (n > 1) {
            connect(z.haken, &QCheckBox::toggled, this, [this, n] { chkBilJaNEin_Click(n); });
        }
        connect(z.suchen, &QPushButton::clicked, this, [this, n] { cmdSuchenBild_Click(n); });
        connect(z.umrechnen, &QPushButton::clicked, this, [this, n] { cmdUmrechnenB_Click(n); });
        connect(z.bild, &KlickLabel::geklickt, this, [this, n] { picFoto_Click(n); });
    }
    connect(m_ui.txtBild, &QLineEdit::textChanged, this, &BilderBedienung::txtBild_Change);
    connect(m_ui.cmdUmrechnen, &QPushButton::clicked, this, &BilderBedienung::cmdUmrechnen_Click);
    connect(m_ui.cmdBuchBeschr, &QPushButton::clicked, this, &BilderBedienung::cmdBuchBeschr_Click);
    connect(m_ui.cmdKleidungBeschreibung, &QPushButton::clicked, this,
            &BilderBedienung::cmdKleidungBeschreibung_Click);
}

// Picture 1 is always part of a listing, except in the no-picture mode.
void BilderBedienung::chkBil1JaNEin_Click() {
    const bool soll = !m_zustand.ohneBildModus;
    QCheckBox* box = m_ui.chkBil1JaNEin;
    if (box->isChecked() != soll) {
        box->setChecked(soll);
    }
}

// The mode is set before the picture switch changes, so the switch's own handler sees it.
void BilderBedienung::mnuOhneBild_Click() {
    Zustand& z = m_zustand;
    QAction* eintrag = m_ui.mnuOhneBild;
    QWidget* haupt = m_ui.chkBil1JaNEin->window();
    z.ohneBildModus = !z.ohneBildModus;
    eintrag->setChecked(z.ohneBildModus);
    QString titel = haupt->windowTitle();
    if (z.ohneBildModus) {
        eintrag->setText(QStringLiteral("mit Bild"));
        titel += kOhneBildMarke;
    } else {
        eintrag->setText(QStringLiteral("ohne Bild"));
        if (titel.contains(kOhneBildMarke)) {
            titel.chop(kOhneBildMarke.size());
        }
    }
    haupt->setWindowTitle(titel);
    m_ui.chkBil1JaNEin->setChecked(!z.ohneBildModus);
}

void BilderBedienung::chkBilJaNEin_Click(int nummer) {
    const Bildzeile& z = zeile(nummer);
    const bool an = z.haken->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{z.breite, z.hoehe, z.datei, z.suchen, z.lblBreite, z.lblHoehe}) {
        w->setEnabled(an);
    }
    if (nummer == 2) {
        m_ui.chkMitGrosAnsicht2->setEnabled(an);
    }
    if (!an) {
        z.datei->clear();
    }
    zeileFaerben(nummer);
}

// A row that is switched off is grey and shows no thumbnail.
void BilderBedienung::zeileFaerben(int nummer) {
    const Bildzeile& z = zeile(nummer);
    const bool an = z.haken->isChecked();
    for (QWidget* feld : std::initializer_list<QWidget*>{z.datei, z.breite, z.hoehe}) {
        GrauSetzen(feld, !an);
    }
    z.bild->setVisible(an);
}

void BilderBedienung::cmdSuchenBild_Click(int nummer) {
    Zustand& zustand = m_zustand;
    const Bildzeile& z = zeile(nummer);
    zustand.aktuelleBildzeile = nummer;
    m_ui.txtBild->clear();

    const QString start =
        zustand.letzteBilddatei.isEmpty() ? m_einstellungen().pfadZuMeinenArtikel : zustand.letzteBilddatei;
    const QString pfad =
        m_plattform.dateiWaehlen(QStringLiteral("Bild auswählen"), QString(), start, kFilter);
    if (pfad.isEmpty()) {
        // The last picked picture may belong to another row: a cancel leaves this row as it was.
        m_plattform.meldungsfenster(kKeineDatei, Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok,
                                    QStringLiteral("ACHTUNG"));
        return;
    }
    zustand.letzteBilddatei = pfad;
    zustand.bildPfade.at(static_cast<std::size_t>(nummer - 1)) = pfad;
    const qsizetype trenner = letzterTrenner(pfad);
    z.datei->setText(pfad.mid(trenner + 1));
    if (nummer == 1) {
        m_ui.txtAktuellePfad->setText(pfad.left(trenner + 1));
    }
    if (!QFileInfo(pfad).isFile()) {
        z.datei->clear();
        if (nummer == 1) {
            m_ui.txtAktuellePfad->clear();
        }
        return;
    }
    vorschauLaden(nummer, pfad);
    m_ui.txtBild->setText(pfad);
    if (nummer == 1) {
        hausverkaufUndBezeichnung();
    }
}

// Shows the picture as a thumbnail as high as the box and as wide as its proportions want. A file
// that is no picture leaves the thumbnail and its size as they were.
bool BilderBedienung::vorschauLaden(int nummer, const QString& pfad) {
    BildFeld* vorschau = zeile(nummer).bild;
    if (!vorschau->bildLaden(pfad)) {
        return false;
    }
    Zustand& zustand = m_zustand;
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
    const QString verkaeufer = m_ui.lblEbayName->text();
    if (hausverkaeufer::istInFuenf(verkaeufer)) {
        m_ui.rtfInhaltAuto->setText(QString());
    }
    if (m_ui.chkArtBezAutom->isChecked()) {
        m_titel.lblLoeschenArtBezTitelUnter_Click();
        m_titel.cmdArtBezBilden_Click();
    }
}

void BilderBedienung::txtBild_Change() {
    const QString pfad = m_ui.txtBild->text();
    BildFeld* messung = m_ui.imgVor;
    if (pfad.isEmpty() || !messung->bildLaden(pfad)) {
        return;
    }
    const Bildzeile& z = zeile(m_zustand.aktuelleBildzeile);
    const std::optional<Bildmasse> masse = MasseFuerBild(
        m_zustand.aktuelleBildzeile, z.breite->currentText(), m_einstellungen().bildLaengeEinstellWert,
        QSize(messung->natuerlicheBreite(), messung->natuerlicheHoehe()));
    if (!masse) {
        return;
    }
    z.breite->setCurrentText(masse->breite);
    z.hoehe->setCurrentText(masse->hoehe);
}

void BilderBedienung::cmdUmrechnenB_Click(int nummer) {
    const Bildzeile& z = zeile(nummer);
    const auto i = static_cast<std::size_t>(nummer - 1);
    const Zustand& zustand = m_zustand;
    const std::optional<QString> hoehe =
        HoeheAusVorschau(z.breite->currentText(), zustand.vorschauHoehe.at(i), zustand.vorschauBreite.at(i));
    if (hoehe) {
        z.hoehe->setCurrentText(*hoehe);
    }
}

void BilderBedienung::cmdUmrechnen_Click() {
    emit umrechnenGewuenscht();
}

// The viewer is built anew from the carrier every time it opens.
void BilderBedienung::picFoto_Click(int nummer) {
    const Bildzeile& z = zeile(nummer);
    if (z.datei->text().isEmpty()) {
        return;
    }
    BildFeld* traeger = m_ui.picFotoAlle;
    if (!traeger->bildLaden(m_zustand.bildPfade.at(static_cast<std::size_t>(nummer - 1)))) {
        return;
    }
    traeger->resize(z.bild->size());
    emit bildAnsichtGewuenscht();
}

void BilderBedienung::cmdBuchBeschr_Click() {
    emit buchFensterGewuenscht(m_ui.txtArtikelBez->text());
}

// The table saved before stays until the window saves a new one in its place.
void BilderBedienung::cmdKleidungBeschreibung_Click() {
    emit kleidungFensterGewuenscht();
}

void BilderBedienung::BilderNeuEinrichten() {
    Zustand& zustand = m_zustand;
    const std::optional<double> standard = zahlLesen(m_einstellungen().bildLaengeEinstellWert);
    const int breite = standard ? static_cast<int>(R(*standard)) : 0;
    zustand.vorschauBreite.fill(breite);
    zustand.vorschauHoehe.fill(1);
    // The next article's file must not name the photos of this one.
    zustand.bildPfade.fill(QString());
    for (int n = 1; n <= 5; ++n) {
        zeile(n).bild->leeren();
    }
}

const Bildzeile& BilderBedienung::zeile(int nummer) const {
    return m_zeilen.at(static_cast<std::size_t>(nummer - 1));
}
