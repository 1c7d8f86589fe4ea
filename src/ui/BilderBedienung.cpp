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
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

#include <utility>

namespace {

const QString kFilter = QStringLiteral("Bild-Dateien(*.jpg;*.jpeg;*.gif)|*.jpg;*.jpeg;*.gif|Ale Dateien|*.*");
const QString kKeineDatei = QStringLiteral("Sie haben keine Datei ausgewählt");
const QString kOhneBildMarke = QStringLiteral("____ OHNE Bild____");
// The picture row a control belongs to, for a drop onto it.
const char* const kZeileEigenschaft = "koriBildzeile";
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
        ablageEinrichten(n);
    }
    for (QWidget* rahmen : std::initializer_list<QWidget*>{m_ui.Frame4, m_ui.Frame10}) {
        rahmen->setAcceptDrops(true);
        rahmen->installEventFilter(this);
    }
    connect(m_ui.txtBild, &QLineEdit::textChanged, this, &BilderBedienung::txtBild_Change);
    connect(m_ui.cmdUmrechnen, &QPushButton::clicked, this, &BilderBedienung::cmdUmrechnen_Click);
    connect(m_ui.cmdBuchBeschr, &QPushButton::clicked, this, &BilderBedienung::cmdBuchBeschr_Click);
    connect(m_ui.cmdKleidungBeschreibung, &QPushButton::clicked, this,
            &BilderBedienung::cmdKleidungBeschreibung_Click);
}

// Photos dropped anywhere on a row, its thumbnail or any of its fields, fill that row.
void BilderBedienung::ablageEinrichten(int nummer) {
    const Bildzeile& z = zeile(nummer);
    for (QWidget* teil : std::initializer_list<QWidget*>{z.haken, z.datei, z.breite, z.hoehe, z.suchen,
                                                         z.umrechnen, z.bild, z.lblBreite, z.lblHoehe}) {
        QList<QWidget*> alle = teil->findChildren<QWidget*>();
        alle.prepend(teil);
        for (QWidget* w : alle) {
            w->setAcceptDrops(true);
            w->setProperty(kZeileEigenschaft, nummer);
            w->installEventFilter(this);
        }
    }
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
    dateiEintragen(nummer, pfad);
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

void BilderBedienung::dateiEintragen(int nummer, const QString& pfad) {
    m_zustand.letzteBilddatei = pfad;
    m_zustand.bildPfade.at(static_cast<std::size_t>(nummer - 1)) = pfad;
    const qsizetype trenner = letzterTrenner(pfad);
    zeile(nummer).datei->setText(pfad.mid(trenner + 1));
    if (nummer == 1) {
        m_ui.txtAktuellePfad->setText(pfad.left(trenner + 1));
    }
}

bool BilderBedienung::fotoAblegen(int nummer, const QString& pfad) {
    // The thumbnail goes first: a file that is no picture then leaves the row as it was.
    if (!vorschauLaden(nummer, pfad)) {
        return false;
    }
    m_zustand.aktuelleBildzeile = nummer;
    m_ui.txtBild->clear();
    zeile(nummer).haken->setChecked(true);
    dateiEintragen(nummer, pfad);
    m_ui.txtBild->setText(pfad);
    if (nummer == 1) {
        hausverkaufUndBezeichnung();
    }
    return true;
}

void BilderBedienung::fotosAblegen(int nummer, const QList<QUrl>& adressen) {
    QStringList unlesbar;
    QStringList ohnePlatz;
    int naechste = nummer;
    for (const QUrl& adresse : adressen) {
        const QString pfad = adresse.toLocalFile();
        const QString anzeige = pfad.isEmpty() ? adresse.toDisplayString() : QDir::toNativeSeparators(pfad);
        if (naechste > 5) {
            ohnePlatz.append(anzeige);
        } else if (pfad.isEmpty() || !fotoAblegen(naechste, pfad)) {
            unlesbar.append(anzeige);
        } else {
            naechste = naechsteFreieZeile(naechste + 1);
        }
    }
    QStringList teile;
    if (!unlesbar.isEmpty()) {
        teile.append(
            QStringLiteral("Diese Dateien sind keine lesbaren Bilder und wurden nicht übernommen:\r\n") +
            unlesbar.join(QStringLiteral("\r\n")));
    }
    if (!ohnePlatz.isEmpty()) {
        teile.append(QStringLiteral("Für diese Fotos ist keine Bildzeile mehr frei:\r\n") +
                     ohnePlatz.join(QStringLiteral("\r\n")));
    }
    if (!teile.isEmpty()) {
        m_plattform.meldungsfenster(teile.join(QStringLiteral("\r\n\r\n")), Plattform::Symbol::Ausrufezeichen,
                                    Plattform::Knoepfe::Ok, QStringLiteral("ACHTUNG"));
    }
}

// Rows without a file name, from `ab` on; 6 when none is left.
int BilderBedienung::naechsteFreieZeile(int ab) const {
    int n = ab;
    while (n <= 5 && !zeile(n).datei->text().isEmpty()) {
        ++n;
    }
    return n;
}

bool BilderBedienung::eventFilter(QObject* ziel, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::DragEnter && art != QEvent::DragMove && art != QEvent::Drop) {
        return QObject::eventFilter(ziel, ereignis);
    }
    auto* ablage = static_cast<QDropEvent*>(ereignis);
    // Text dragged into a field is the field's own business.
    if (!ablage->mimeData()->hasUrls()) {
        return QObject::eventFilter(ziel, ereignis);
    }
    const int nummer = zeileUnter(ziel, ablage->position().toPoint());
    if (nummer == 0) {
        ablage->ignore();
        return true;
    }
    ablage->acceptProposedAction();
    if (art == QEvent::Drop) {
        fotosAblegen(nummer, ablage->mimeData()->urls());
    }
    return true;
}

// A drop on a switched-off row reaches its frame, since disabled controls take none: there the
// control under the mouse tells the row. 0 between the rows.
int BilderBedienung::zeileUnter(QObject* ziel, QPoint stelle) {
    if (const QVariant zeile = ziel->property(kZeileEigenschaft); zeile.isValid()) {
        return zeile.toInt();
    }
    const QWidget* darunter = static_cast<QWidget*>(ziel)->childAt(stelle);
    return darunter == nullptr ? 0 : darunter->property(kZeileEigenschaft).toInt();
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
