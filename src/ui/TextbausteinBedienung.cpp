#include "ui/TextbausteinBedienung.h"

#include "core/Datenordner.h"
#include "core/TextDatei.h"
#include "core/Zustand.h"
#include "lists/Textbausteine.h"
#include "ui/ExterneProgramme.h"
#include "ui/ListeLaden.h"
#include "ui/RichTextFeld.h"
#include "ui_frmHaupt.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString kMehr = QStringLiteral("mehr");
const QString kWenig = QStringLiteral("wenig");
// The window layout is kept in twips; the screen has 15 twips to the pixel.
constexpr int kTwipsProPixel = 15;
// Stored texts from this number on do not stand for a genre.
constexpr int kOhneGenreAb = 20;

QString textDatei(int n) {
    return QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\BT%1.Str").arg(n);
}

} // namespace

TextbausteinBedienung::TextbausteinBedienung(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                                             Ui::frmHaupt& ui, QObject* parent)
    : QObject(parent), m_plattform(plattform), m_zustand(zustand), m_daten(daten),
      m_ui(ui), m_textKnoepfe{ui.cmdBeschrTextVor1,  ui.cmdBeschrTextVor2,  ui.cmdBeschrTextVor3,
                              ui.cmdBeschrTextVor4,  ui.cmdBeschrTextVor5,  ui.cmdBeschrTextVor6,
                              ui.cmdBeschrTextVor7,  ui.cmdBeschrTextVor8,  ui.cmdBeschrTextVor9,
                              ui.cmdBeschrTextVor10, ui.cmdBeschrTextVor11, ui.cmdBeschrTextVor12,
                              ui.cmdBeschrTextVor13, ui.cmdBeschrTextVor14, ui.cmdBeschrTextVor15,
                              ui.cmdBeschrTextVor16, ui.cmdBeschrTextVor17, ui.cmdBeschrTextVor18,
                              ui.cmdBeschrTextVor19, ui.cmdBeschrTextVor20, ui.cmdBeschrTextVor21},
      m_bearbeitenKnoepfe{ui.cmdBeshchrTextPlus1,  ui.cmdBeshchrTextPlus2,  ui.cmdBeshchrTextPlus3,
                          ui.cmdBeshchrTextPlus4,  ui.cmdBeshchrTextPlus5,  ui.cmdBeshchrTextPlus6,
                          ui.cmdBeshchrTextPlus7,  ui.cmdBeshchrTextPlus8,  ui.cmdBeshchrTextPlus9,
                          ui.cmdBeshchrTextPlus10, ui.cmdBeshchrTextPlus11, ui.cmdBeshchrTextPlus12,
                          ui.cmdBeshchrTextPlus13, ui.cmdBeshchrTextPlus14, ui.cmdBeshchrTextPlus15,
                          ui.cmdBeshchrTextPlus16, ui.cmdBeshchrTextPlus17, ui.cmdBeshchrTextPlus18,
                          ui.cmdBeshchrTextPlus19, ui.cmdBeshchrTextPlus20, ui.cmdBeshchrTextPlus21} {
    verbinden();
}

void TextbausteinBedienung::verbinden() {
    for (int n = 1; n <= kAnzahl; ++n) {
        connect(textKnopf(n), &QPushButton::clicked, this, [this, n] { cmdBeschrTextVor_Click(n); });
        connect(m_bearbeitenKnoepfe.at(static_cast<std::size_t>(n - 1)), &QPushButton::clicked, this,
                [this, n] { cmdBeshchrTextPlus_Click(n); });
    }
    connect(m_ui.cmdNamenforBT, &QPushButton::clicked, this, &TextbausteinBedienung::cmdNamenforBT_Click);
    connect(m_ui.cmdBTAktuali, &QPushButton::clicked, this, &TextbausteinBedienung::cmdBTAktuali_Click);
    // The switch is a plain label in the window, so its clicks are caught here.
    m_ui.lblMehrFertigeTexteAnzeigen->installEventFilter(this);
}

bool TextbausteinBedienung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == m_ui.lblMehrFertigeTexteAnzeigen && ereignis->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        lblMehrFertigeTexteAnzeigen_Click();
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}

void TextbausteinBedienung::BTNamenLesen(const QString& pfad) {
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        DateiNichtGefunden(m_plattform, pfad);
        return;
    }
    m_zustand.textblockNamen = BTNamenAuswerten(*inhalt, m_zustand.textblockNamen);
}

void TextbausteinBedienung::BTNamenSetzen() {
    BTNamenLesen(m_daten.pfad(QStringLiteral("vorlagen\\BT-Namen.str")));
    for (int n = 1; n <= kAnzahl; ++n) {
        textKnopf(n)->setText(BTBeschriftung(m_zustand.textblockNamen.at(n - 1)));
    }
}

void TextbausteinBedienung::cmdBeschrTextVor_Click(int n) {
    TextDateiLesen(m_plattform, m_zustand, m_daten.ausProgrammordner(textDatei(n)), m_ui.rtfInhalt);
    emit zeilenGelesen();
    const QString beschriftung = textKnopf(n)->text();
    if (n == 1 && beschriftung == QLatin1String("Merian")) {
        m_ui.chkBil3JaNEin->setChecked(false);
    }
    if (n < kOhneGenreAb) {
        emit genreGewaehlt(beschriftung);
    }
}

void TextbausteinBedienung::cmdBeshchrTextPlus_Click(int n) {
    DateiImEditorOeffnen(m_plattform, m_daten.programmordner(), textDatei(n));
}

void TextbausteinBedienung::cmdNamenforBT_Click() {
    DateiImEditorOeffnen(m_plattform, m_daten.programmordner(),
                         QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\BT-Namen.Str"));
}

void TextbausteinBedienung::cmdBTAktuali_Click() {
    BTNamenSetzen();
}

void TextbausteinBedienung::lblMehrFertigeTexteAnzeigen_Click() {
    const bool mehr = m_ui.lblMehrFertigeTexteAnzeigen->text() == kMehr;
    m_ui.fraFertigeTexte2->setVisible(mehr);
    m_ui.fraFertigeTexte3->setVisible(mehr);
    m_ui.lblMehrFertigeTexteAnzeigen->setText(mehr ? kWenig : kMehr);
    if (mehr) {
        beschreibungsGroesseSetzen(7980, 1815);
    } else {
        beschreibungsGroesseSetzen(9380, 2175);
    }
}

void TextbausteinBedienung::beschreibungsGroesseSetzen(int breiteTwips, int hoeheTwips) {
    // The field sits in a layout: the size is its least size, the layout gives it the rest.
    m_ui.rtfInhalt->setMinimumSize(breiteTwips / kTwipsProPixel, hoeheTwips / kTwipsProPixel);
}

QPushButton* TextbausteinBedienung::textKnopf(int n) const {
    return m_textKnoepfe.at(static_cast<std::size_t>(n - 1));
}
