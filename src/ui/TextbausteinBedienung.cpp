#include "ui/TextbausteinBedienung.h"

#include "core/Datenordner.h"
#include "core/TextDatei.h"
#include "lists/Textbausteine.h"
#include "ui/Anwendung.h"
#include "ui/ArtikelBindung.h"
#include "ui/ExterneProgramme.h"
#include "ui/ListeLaden.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
#include "ui/frmBuch.h"
#include "ui/frmHaupt.h"

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

TextbausteinBedienung::TextbausteinBedienung(Anwendung& anwendung, QObject* parent)
    : QObject(parent), m_app(anwendung) {
    verbinden();
}

void TextbausteinBedienung::verbinden() {
    const QWidget* f = &m_app.frmHaupt();
    for (int n = 1; n <= kAnzahl; ++n) {
        connect(textKnopf(n), &QPushButton::clicked, this, [this, n] { cmdBeschrTextVor_Click(n); });
        connect(element<QPushButton>(f, QStringLiteral("cmdBeshchrTextPlus%1").arg(n)), &QPushButton::clicked,
                this, [this, n] { cmdBeshchrTextPlus_Click(n); });
    }
    connect(element<QPushButton>(f, QStringLiteral("cmdNamenforBT")), &QPushButton::clicked, this,
            &TextbausteinBedienung::cmdNamenforBT_Click);
    connect(element<QPushButton>(f, QStringLiteral("cmdBTAktuali")), &QPushButton::clicked, this,
            &TextbausteinBedienung::cmdBTAktuali_Click);
    // The switch is a plain label in the window, so its clicks are caught here.
    mehrLabel()->installEventFilter(this);
}

bool TextbausteinBedienung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == mehrLabel() && ereignis->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        lblMehrFertigeTexteAnzeigen_Click();
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}

void TextbausteinBedienung::BTNamenLesen(const QString& pfad) {
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        DateiNichtGefunden(m_app.plattform(), pfad);
        return;
    }
    m_app.zustand().textblockNamen = BTNamenAuswerten(*inhalt, m_app.zustand().textblockNamen);
}

void TextbausteinBedienung::BTNamenSetzen() {
    BTNamenLesen(m_app.daten().pfad(QStringLiteral("vorlagen\\BT-Namen.str")));
    for (int n = 1; n <= kAnzahl; ++n) {
        textKnopf(n)->setText(BTBeschriftung(m_app.zustand().textblockNamen.at(n - 1)));
    }
}

void TextbausteinBedienung::cmdBeschrTextVor_Click(int n) {
    TextDateiLesen(m_app.plattform(), m_app.zustand(), m_app.daten().ausProgrammordner(textDatei(n)),
                   rtfInhalt());
    FelderAusZeilenSetzen(m_app, Schluesselsuche::Enthalten);
    const QString beschriftung = textKnopf(n)->text();
    if (n == 1 && beschriftung == QLatin1String("Merian")) {
        element<QCheckBox>(&m_app.frmHaupt(), QStringLiteral("chkBil3JaNEin"))->setChecked(false);
    }
    if (n < kOhneGenreAb) {
        m_app.frmBuch().GenreAusTextblockSetzen(beschriftung);
    }
}

void TextbausteinBedienung::cmdBeshchrTextPlus_Click(int n) {
    DateiImEditorOeffnen(m_app.plattform(), m_app.programmordner(), textDatei(n));
}

void TextbausteinBedienung::cmdNamenforBT_Click() {
    DateiImEditorOeffnen(m_app.plattform(), m_app.programmordner(),
                         QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\BT-Namen.Str"));
}

void TextbausteinBedienung::cmdBTAktuali_Click() {
    BTNamenSetzen();
}

void TextbausteinBedienung::lblMehrFertigeTexteAnzeigen_Click() {
    const bool mehr = mehrLabel()->text() == kMehr;
    element<QGroupBox>(&m_app.frmHaupt(), QStringLiteral("fraFertigeTexte2"))->setVisible(mehr);
    element<QGroupBox>(&m_app.frmHaupt(), QStringLiteral("fraFertigeTexte3"))->setVisible(mehr);
    mehrLabel()->setText(mehr ? kWenig : kMehr);
    if (mehr) {
        beschreibungsGroesseSetzen(7980, 1815);
    } else {
        beschreibungsGroesseSetzen(9380, 2175);
    }
}

void TextbausteinBedienung::beschreibungsGroesseSetzen(int breiteTwips, int hoeheTwips) {
    // The field sits in a layout: the size is its least size, the layout gives it the rest.
    rtfInhalt()->setMinimumSize(breiteTwips / kTwipsProPixel, hoeheTwips / kTwipsProPixel);
}

QPushButton* TextbausteinBedienung::textKnopf(int n) const {
    return element<QPushButton>(&m_app.frmHaupt(), QStringLiteral("cmdBeschrTextVor%1").arg(n));
}

QLabel* TextbausteinBedienung::mehrLabel() const {
    return element<QLabel>(&m_app.frmHaupt(), QStringLiteral("lblMehrFertigeTexteAnzeigen"));
}

RichTextFeld* TextbausteinBedienung::rtfInhalt() const {
    return element<RichTextFeld>(&m_app.frmHaupt(), QStringLiteral("rtfInhalt"));
}
