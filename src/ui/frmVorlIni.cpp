#include "ui/frmVorlIni.h"

#include "compose/Listing.h"
#include "config/Vorlage.h"
#include "core/TextDatei.h"
#include "ui/Anwendung.h"
#include "ui/ExterneProgramme.h"
#include "ui/Meldung.h"
#include "ui/Modal.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/frmHaupt.h"
#include "ui_frmVorlIni.h"

#include <QCloseEvent>
#include <QFileInfo>

#include <limits>

namespace {

// The shop part among the part files, in the order of vorlageDateien().
constexpr std::size_t kShopTeil = 10;

const QString kHtmlOrdner = QStringLiteral("KORI-Vorlage-Dateien\\HTML_Code\\");
const QString kCrLf = QStringLiteral("\r\n");
const QString kSpeicherFehler = QStringLiteral("Fehler beim Speichern der Vorlage");

} // namespace

FrmVorlIni::FrmVorlIni(Anwendung& anwendung, QWidget* parent)
    : QMainWindow(parent), m_app(anwendung), ui(std::make_unique<Ui::FrmVorlIni>()) {
    ui->setupUi(this);
    // A line edit cuts at 32767 characters by default; a long part must come back whole.
    for (QLineEdit* feld : textFelder()) {
        feld->setMaxLength(std::numeric_limits<int>::max());
    }
    const Ui::FrmVorlIni& u = *ui;
    m_teile = {{{u.htmlTeil0a, u.cmdLesen_HtmlTeil0a, u.cmdOpen0a},
                {u.htmlTeil0b, u.cmdLesen_HtmlTeil0b, u.cmdOpen0b},
                {u.htmlTeil0c, u.cmdLesen_HtmlTeil0c, u.cmdOpen0c},
                {u.htmlTeil0d, u.cmdLesen_HtmlTeil0d, u.cmdOpen0d},
                {u.htmlTeil1, u.cmdLesen_HtmlTeil1, u.cmdOpen1},
                {u.htmlTeil3b, u.cmdLesen_HtmlTeil3b, u.cmdOpen3b},
                {u.htmlTeil3c, u.cmdLesen_HtmlTeil3c, u.cmdOpen3c},
                {u.htmlTeil5, u.cmdLesen_HtmlTeil5, u.cmdOpen5},
                {u.htmlTeil6, u.cmdLesen_HtmlTeil6, u.cmdOpen6},
                {u.htmlTeil6b, u.cmdLesen_HtmlTeil6b, u.cmdOpen6b},
                {u.html_shop, u.cmdShopAktuall, u.cmdOpenShop},
                {u.htmlTeil7, u.Command1, u.cmdOpen7}}};
    for (std::size_t i = 0; i < m_teile.size(); ++i) {
        connect(m_teile.at(i).lesen, &QPushButton::clicked, this, [this, i] { teilLesen(i); });
        connect(m_teile.at(i).oeffnen, &QPushButton::clicked, this, [this, i] { teilOeffnen(i); });
    }
    // Until a template is read, the empty fields are what there is to keep.
    m_app.zustand().vorlageSignatur1 = signaturJetzt();
    connect(ui->cmdAendSpeich, &QPushButton::clicked, this, &FrmVorlIni::cmdAendSpeich_Click);
    connect(ui->mnuVorlBuch, &QAction::triggered, this, &FrmVorlIni::mnuVorlBuch_Click);
    connect(ui->mnuVorCD_lMC, &QAction::triggered, this, &FrmVorlIni::mnuVorCD_lMC_Click);
    connect(ui->mnuVorlKeidung, &QAction::triggered, this, &FrmVorlIni::mnuVorlKeidung_Click);
}

FrmVorlIni::~FrmVorlIni() = default;

RichTextFeld* FrmVorlIni::htmlFeld(std::size_t index) const {
    return m_teile.at(index).feld;
}

Vorlageteile FrmVorlIni::teile() const {
    const Ui::FrmVorlIni& u = *ui;
    Vorlageteile t;
    t.teil2 = u.txtTeil2->text();
    t.teil3 = u.txtTeil3->text();
    t.teil4 = u.txtTeil4->text();
    t.htmlTeil0a = u.htmlTeil0a->text();
    t.htmlTeil0b = u.htmlTeil0b->text();
    t.htmlTeil0c = u.htmlTeil0c->text();
    t.htmlTeil0d = u.htmlTeil0d->text();
    t.htmlTeil1 = u.htmlTeil1->text();
    t.htmlTeil3b = u.htmlTeil3b->text();
    t.htmlTeil3c = u.htmlTeil3c->text();
    t.htmlTeil5 = u.htmlTeil5->text();
    t.htmlTeil6 = u.htmlTeil6->text();
    t.htmlTeil6b = u.htmlTeil6b->text();
    t.htmlTeil7 = u.htmlTeil7->text();
    t.htmlShop = u.html_shop->text();
    t.farbverlauf = u.txtfarbverlauf->text();
    return t;
}

void FrmVorlIni::shopTeilLesen() {
    teilLesen(kShopTeil);
}

QList<QLineEdit*> FrmVorlIni::textFelder() const {
    return {ui->txtTeil1, ui->txtTeil2, ui->txtTeil3, ui->txtTeil4, ui->txtTeil5, ui->txtTeil6, ui->txtTeil7};
}

QStringList FrmVorlIni::signaturHtml() const {
    QStringList texte;
    for (std::size_t i = 0; i < vorlageDateien().size(); ++i) {
        texte.append(htmlFeld(i)->text());
    }
    return texte;
}

QStringList FrmVorlIni::signaturJetzt() const {
    QStringList teile;
    for (const QLineEdit* feld : textFelder()) {
        teile.append(feld->text());
    }
    return vorlageSignatur(teile, signaturHtml());
}

FrmVorlIni::Vorlageninhalt FrmVorlIni::vorlageLesen(Plattform& plattform, Zustand& zustand,
                                                    const Datenordner& daten, const QString& art) {
    Vorlageninhalt inhalt;
    inhalt.variante = vorlageVariante(art);
    for (std::size_t i = 0; i < vorlageDateien().size(); ++i) {
        inhalt.html.at(i) =
            teilDateiLesen(plattform, zustand, daten, kHtmlOrdner + vorlageDateien().at(i).datei);
    }
    zustand.vorlagePfad = daten.pfad(kVorlageIni);
    inhalt.texte = vorlageTeileLesen(zustand.vorlagePfad, inhalt.variante);
    zustand.artikelArt = artikelArtVonVariante(inhalt.variante);
    return inhalt;
}

void FrmVorlIni::vorlageEinsetzen(const Vorlageninhalt& inhalt) {
    for (std::size_t i = 0; i < inhalt.html.size(); ++i) {
        if (const std::optional<QString>& text = inhalt.html.at(i).text) {
            htmlFeld(i)->setText(*text);
        }
    }
    setWindowTitle(inhalt.html.back().titel);
    const QList<QLineEdit*> felder = textFelder();
    for (qsizetype n = 0; n < felder.size(); ++n) {
        felder.at(n)->setText(inhalt.texte.at(n));
    }
    // A save goes back to the section of the variant shown here.
    ui->lblArtikelArt->setText(inhalt.variante);
    // Taken from the fields as they show the parts: a part that failed keeps what its field held,
    // and a line end the field writes differently is no edit of the seller's.
    m_app.zustand().vorlageSignatur1 = signaturJetzt();
}

void FrmVorlIni::VorlageEinlesen(const QString& art) {
    vorlageEinsetzen(vorlageLesen(m_app.plattform(), m_app.zustand(), m_app.daten(), art));
}

bool FrmVorlIni::VorlageSpeichern(const QString& variante) {
    Zustand& z = m_app.zustand();
    VorlageAdieren();
    z.vorlagePfad = m_app.daten().pfad(kVorlageIni);
    QStringList teile;
    for (const QLineEdit* feld : textFelder()) {
        teile.append(feld->text());
    }
    if (!vorlageTeileSchreiben(z.vorlagePfad, variante, teile)) {
        Meldung(m_app.plattform(), 99, kSpeicherFehler);
        return false;
    }
    // Only the part files the seller changed are written; the others stay byte for byte.
    for (const std::size_t i : geaenderteHtmlTeile(z.vorlageSignatur1, z.vorlageSignatur2, teile.size())) {
        const QString pfad = m_app.daten().ausProgrammordner(QStringLiteral("\\") + kHtmlOrdner +
                                                             vorlageDateien().at(i).datei);
        const QString fehler = textSchreiben(pfad, htmlFeld(i)->text(), Textart::Html);
        if (!fehler.isEmpty()) {
            Meldung(m_app.plattform(), 99, kSpeicherFehler + kCrLf + pfad + kCrLf + fehler);
            return false;
        }
    }
    z.vorlageSignatur1 = z.vorlageSignatur2;
    return true;
}

void FrmVorlIni::VorlageAdieren() {
    m_app.zustand().vorlageSignatur2 = signaturJetzt();
}

bool FrmVorlIni::ungespeichert() {
    VorlageAdieren();
    const Zustand& z = m_app.zustand();
    return z.vorlageSignatur2 != z.vorlageSignatur1;
}

FrmVorlIni::Teildatei FrmVorlIni::teilDateiLesen(Plattform& plattform, Zustand& zustand,
                                                 const Datenordner& daten, const QString& relativ) {
    QString ohneTrenner = relativ;
    if (ohneTrenner.startsWith(QLatin1Char('\\'))) {
        ohneTrenner.remove(0, 1);
    }
    const QString vollerPfad = daten.ausProgrammordner(QStringLiteral("\\") + ohneTrenner);
    QString datei = vollerPfad;
    if (!QFileInfo(vollerPfad).isFile()) {
        const QFileInfo fehlt(vollerPfad);
        datei =
            plattform.dateiWaehlen(QStringLiteral("Vorlagenteil auswählen"), fehlt.fileName(), fehlt.path(),
                                   QStringLiteral("Text-Dateien(*.txt)|*.txt|Ale Dateien|*.*"));
        if (!datei.isEmpty()) {
            zustand.letzteBilddatei = datei;
        }
    }
    Teildatei teil{datei.isEmpty() ? std::nullopt : textLesen(datei), PfadKuerzen(datei)};
    if (!teil.text) {
        Meldung(plattform, 20, vollerPfad + kCrLf + kCrLf);
    }
    return teil;
}

QString FrmVorlIni::teilInFeldLaden(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                                    const QString& relativ, RichTextFeld* feld) {
    const Teildatei teil = teilDateiLesen(plattform, zustand, daten, relativ);
    if (teil.text) {
        feld->setText(*teil.text);
    }
    return teil.titel;
}

void FrmVorlIni::DateiInFeldLaden(const QString& relativ, RichTextFeld* feld) {
    setWindowTitle(teilInFeldLaden(m_app.plattform(), m_app.zustand(), m_app.daten(), relativ, feld));
}

void FrmVorlIni::ausMenueOeffnen() {
    modalUeber(*this, m_app.frmHaupt());
}

void FrmVorlIni::teilLesen(std::size_t index) {
    DateiInFeldLaden(kHtmlOrdner + vorlageDateien().at(index).datei, htmlFeld(index));
    // A part as its file holds it is nothing to save.
    QStringList& gemerkt = m_app.zustand().vorlageSignatur1;
    const qsizetype stelle = textFelder().size() + static_cast<qsizetype>(index);
    if (stelle < gemerkt.size()) {
        gemerkt[stelle] = htmlFeld(index)->text();
    }
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
    variantEinlesen(QStringLiteral("Buch"));
}

void FrmVorlIni::mnuVorCD_lMC_Click() {
    variantEinlesen(QStringLiteral("CD_MC"));
}

void FrmVorlIni::mnuVorlKeidung_Click() {
    variantEinlesen(QStringLiteral("Keidung"));
}

// Reading a variant replaces every field: unsaved edits are saved first or given up on purpose.
void FrmVorlIni::variantEinlesen(const QString& variante) {
    if (ungespeichert()) {
        const Plattform::Antwort antwort = speichernFragen(Plattform::Knoepfe::JaNeinAbbrechen);
        if (antwort == Plattform::Antwort::Abbrechen ||
            (antwort == Plattform::Antwort::Ja && !VorlageSpeichern(ui->lblArtikelArt->text()))) {
            return;
        }
    }
    VorlageEinlesen(variante);
}

Plattform::Antwort FrmVorlIni::speichernFragen(Plattform::Knoepfe knoepfe) {
    return m_app.plattform().meldungsfenster(
        QStringLiteral("Möchten Sie die Änderungen in der Vorlage speichern?"),
        Plattform::Symbol::Ausrufezeichen, knoepfe, QStringLiteral("ACHTUNG"));
}

void FrmVorlIni::Form_QueryUnload() {
    if (ungespeichert() && speichernFragen(Plattform::Knoepfe::JaNein) == Plattform::Antwort::Ja) {
        VorlageSpeichern(ui->lblArtikelArt->text());
    }
}

void FrmVorlIni::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    // The window is the live store of the template: closing only hides it.
    event->ignore();
    hide();
}
