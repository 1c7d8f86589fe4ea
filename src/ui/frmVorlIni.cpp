#include "ui/frmVorlIni.h"

#include "compose/Listing.h"
#include "config/Vorlage.h"
#include "ui/Anwendung.h"
#include "ui/ExterneProgramme.h"
#include "ui/Meldung.h"
#include "ui/Modal.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
#include "ui/frmHaupt.h"
#include "ui_frmVorlIni.h"

#include <QCloseEvent>
#include <QFileInfo>

#include <limits>

namespace {

// Field, read button and open button of each part file, in the order of vorlageDateien().
struct TeilFelder {
    const char* feld;
    const char* lesen;
    const char* oeffnen;
};
constexpr std::array<TeilFelder, 12> kTeilFelder{{{"htmlTeil0a", "cmdLesen_HtmlTeil0a", "cmdOpen0a"},
                                                  {"htmlTeil0b", "cmdLesen_HtmlTeil0b", "cmdOpen0b"},
                                                  {"htmlTeil0c", "cmdLesen_HtmlTeil0c", "cmdOpen0c"},
                                                  {"htmlTeil0d", "cmdLesen_HtmlTeil0d", "cmdOpen0d"},
                                                  {"htmlTeil1", "cmdLesen_HtmlTeil1", "cmdOpen1"},
                                                  {"htmlTeil3b", "cmdLesen_HtmlTeil3b", "cmdOpen3b"},
                                                  {"htmlTeil3c", "cmdLesen_HtmlTeil3c", "cmdOpen3c"},
                                                  {"htmlTeil5", "cmdLesen_HtmlTeil5", "cmdOpen5"},
                                                  {"htmlTeil6", "cmdLesen_HtmlTeil6", "cmdOpen6"},
                                                  {"htmlTeil6b", "cmdLesen_HtmlTeil6b", "cmdOpen6b"},
                                                  {"html_shop", "cmdShopAktuall", "cmdOpenShop"},
                                                  {"htmlTeil7", "Command1", "cmdOpen7"}}};

const QString kHtmlOrdner = QStringLiteral("KORI-Vorlage-Dateien\\HTML_Code\\");
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

FrmVorlIni::FrmVorlIni(Anwendung& anwendung, QWidget* parent)
    : QMainWindow(parent), m_app(anwendung), ui(std::make_unique<Ui::FrmVorlIni>()) {
    ui->setupUi(this);
    // A line edit cuts at 32767 characters by default; a long part must come back whole.
    for (QLineEdit* feld : textFelder()) {
        feld->setMaxLength(std::numeric_limits<int>::max());
    }
    for (std::size_t i = 0; i < kTeilFelder.size(); ++i) {
        connect(element<QPushButton>(this, QLatin1String(kTeilFelder.at(i).lesen)), &QPushButton::clicked,
                this, [this, i] { teilLesen(i); });
        connect(element<QPushButton>(this, QLatin1String(kTeilFelder.at(i).oeffnen)), &QPushButton::clicked,
                this, [this, i] { teilOeffnen(i); });
    }
    connect(ui->cmdAendSpeich, &QPushButton::clicked, this, &FrmVorlIni::cmdAendSpeich_Click);
    connect(ui->mnuVorlBuch, &QAction::triggered, this, &FrmVorlIni::mnuVorlBuch_Click);
    connect(ui->mnuVorCD_lMC, &QAction::triggered, this, &FrmVorlIni::mnuVorCD_lMC_Click);
    connect(ui->mnuVorlKeidung, &QAction::triggered, this, &FrmVorlIni::mnuVorlKeidung_Click);
}

FrmVorlIni::~FrmVorlIni() = default;

RichTextFeld* FrmVorlIni::htmlFeld(std::size_t index) const {
    return element<RichTextFeld>(this, QLatin1String(kTeilFelder.at(index).feld));
}

QList<QLineEdit*> FrmVorlIni::textFelder() const {
    return {ui->txtTeil1, ui->txtTeil2, ui->txtTeil3, ui->txtTeil4, ui->txtTeil5, ui->txtTeil6, ui->txtTeil7};
}

QStringList FrmVorlIni::signaturHtml() const {
    QStringList texte;
    for (std::size_t i = 0; i < vorlageDateien().size(); ++i) {
        if (vorlageDateien().at(i).inSignatur) {
            texte.append(htmlFeld(i)->text());
        }
    }
    return texte;
}

QString FrmVorlIni::vorlagePfad() const {
    return m_app.daten().pfad(kVorlageIni);
}

void FrmVorlIni::VorlageEinlesen(const QString& art) {
    const QString variante = vorlageVariante(art);
    for (std::size_t i = 0; i < vorlageDateien().size(); ++i) {
        DateiInFeldLaden(kHtmlOrdner + vorlageDateien().at(i).datei, htmlFeld(i));
    }
    Zustand& z = m_app.zustand();
    z.vorlagePfad = vorlagePfad();
    const std::array<QString, 8> teile = vorlageTeileLesen(z.vorlagePfad, variante);
    const QList<QLineEdit*> felder = textFelder();
    QStringList signatur;
    for (qsizetype n = 0; n < felder.size(); ++n) {
        felder.at(n)->setText(teile.at(n));
        signatur.append(teile.at(n));
    }
    z.vorlageSignatur1 = vorlageSignatur(signatur, signaturHtml());
    z.artikelArt = artikelArtVonVariante(variante);
    // A save goes back to the section of the variant shown here.
    ui->lblArtikelArt->setText(variante);
}

bool FrmVorlIni::VorlageSpeichern(const QString& variante) {
    Zustand& z = m_app.zustand();
    z.vorlagePfad = vorlagePfad();
    QStringList teile;
    for (const QLineEdit* feld : textFelder()) {
        teile.append(feld->text());
    }
    if (!vorlageTeileSchreiben(z.vorlagePfad, variante, teile)) {
        Meldung(m_app.plattform(), 99, QStringLiteral("Fehler beim Speichern der Vorlage"));
        return false;
    }
    return true;
}

void FrmVorlIni::VorlageAdieren() {
    QStringList teile;
    for (const QLineEdit* feld : textFelder()) {
        teile.append(feld->text());
    }
    m_app.zustand().vorlageSignatur2 = vorlageSignatur(teile, signaturHtml());
}

bool FrmVorlIni::DateiInFeldLaden(const QString& relativ, RichTextFeld* feld) {
    QString ohneTrenner = relativ;
    if (ohneTrenner.startsWith(QLatin1Char('\\'))) {
        ohneTrenner.remove(0, 1);
    }
    const QString vollerPfad = m_app.daten().ausProgrammordner(QStringLiteral("\\") + ohneTrenner);
    QString datei = vollerPfad;
    if (!QFileInfo(vollerPfad).isFile()) {
        const QFileInfo fehlt(vollerPfad);
        datei = m_app.plattform().dateiWaehlen(QStringLiteral("Vorlagenteil auswählen"), fehlt.fileName(),
                                               fehlt.path(),
                                               QStringLiteral("Text-Dateien(*.txt)|*.txt|Ale Dateien|*.*"));
        if (!datei.isEmpty()) {
            m_app.zustand().letzteBilddatei = datei;
        }
    }
    const bool geladen = !datei.isEmpty() && feld->dateiLaden(datei);
    setWindowTitle(PfadKuerzen(datei));
    if (!geladen) {
        Meldung(m_app.plattform(), 20, vollerPfad + kCrLf + kCrLf);
    }
    return geladen;
}

void FrmVorlIni::ausMenueOeffnen() {
    modalUeber(*this, m_app.frmHaupt());
}

void FrmVorlIni::teilLesen(std::size_t index) {
    DateiInFeldLaden(kHtmlOrdner + vorlageDateien().at(index).datei, htmlFeld(index));
}

void FrmVorlIni::teilOeffnen(std::size_t index) {
    DateiImEditorOeffnen(m_app.plattform(), m_app.programmordner(),
                         QStringLiteral("\\") + kHtmlOrdner + vorlageDateien().at(index).editorDatei);
}

void FrmVorlIni::farbverlaufSetzen(const QString& grafikPfad) {
    ui->txtfarbverlauf->setText(Farbverlauf(grafikPfad));
}

void FrmVorlIni::cmdAendSpeich_Click() {
    VorlageSpeichern(ui->lblArtikelArt->text());
}

void FrmVorlIni::mnuVorlBuch_Click() {
    VorlageEinlesen(QStringLiteral("Buch"));
}

void FrmVorlIni::mnuVorCD_lMC_Click() {
    VorlageEinlesen(QStringLiteral("CD_MC"));
}

void FrmVorlIni::mnuVorlKeidung_Click() {
    VorlageEinlesen(QStringLiteral("Keidung"));
}

void FrmVorlIni::Form_QueryUnload() {
    VorlageAdieren();
    const Zustand& z = m_app.zustand();
    if (z.vorlageSignatur2 == z.vorlageSignatur1) {
        return;
    }
    const Plattform::Antwort antwort = m_app.plattform().meldungsfenster(
        QStringLiteral("Möchten Sie die Änderungen in der Vorlage speichern?"),
        Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::JaNein, QStringLiteral("ACHTUNG"));
    if (antwort == Plattform::Antwort::Ja) {
        VorlageSpeichern(ui->lblArtikelArt->text());
    }
}

void FrmVorlIni::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    // The window is the live store of the template: closing only hides it.
    event->ignore();
    hide();
}
