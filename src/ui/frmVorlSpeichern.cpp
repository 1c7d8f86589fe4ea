#include "ui/frmVorlSpeichern.h"

#include "article/Dateinamen.h"
#include "article/Speichern.h"
#include "compose/Vorschau.h"
#include "core/Hausverkaeufer.h"
#include "core/TextDatei.h"
#include "ui/Anwendung.h"
#include "ui/ArtikelBindung.h"
#include "ui/BibliothekBedienung.h"
#include "ui/ExterneProgramme.h"
#include "ui/FotoBedienung.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/frmHaupt.h"
#include "ui/frmLiveVorschau.h"
#include "ui_frmVorlSpeichern.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kFilter = QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*");

constexpr int kVersatzRechts = 2000;
constexpr int kVersatzUnten = 700;
constexpr int kBreit = 10260;
constexpr int kSchmal = 8040;

int pixelAusTwips(int twips) {
    return twips / 15;
}

QString zusatztextAmEnde() {
    return QStringLiteral("Vielen Dank für Ihren Einkauf.") + kCrLf + kCrLf +
           QStringLiteral("Nennen Sie bei der Überweisung Ihren Ebay-Namen und die ArtikelNr.") + kCrLf +
           QStringLiteral("Bitte kurze Info nachdem Sie überwiesen haben.") + kCrLf + kCrLf +
           QStringLiteral("Gruß");
}

QString schliessenFrage() {
    return QStringLiteral("Ja   = Artikel wurde bei Ebay eingestellt") + kCrLf + kCrLf +
           QStringLiteral("Nein = Artikel soll für später gespeichert werden.") + kCrLf + kCrLf +
           QStringLiteral("Abbrechen = Nicht speichern");
}

} // namespace

FrmVorlSpeichern::FrmVorlSpeichern(Anwendung& anwendung, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_app(anwendung), ui(std::make_unique<Ui::frmVorlSpeichern>()) {
    ui->setupUi(this);
    // Nothing to delete from here: the entry stays for the familiar menu but does nothing.
    ui->mnuDatLoeschen->setEnabled(false);
    // While the window is shown no other window may change the article: a save in the book window
    // would leave the "-Zus" file disagreeing with the listing shown and copied.
    setWindowModality(Qt::ApplicationModal);
    // Typing checks once, after the last keystroke, as the live preview rebuilds.
    m_pruefVerzoegerung.setSingleShot(true);
    m_pruefVerzoegerung.setInterval(FrmLiveVorschau::kVerzoegerungMs);
    connect(&m_pruefVerzoegerung, &QTimer::timeout, this, &FrmVorlSpeichern::ListingPruefen);
    verbinden();
}

FrmVorlSpeichern::~FrmVorlSpeichern() = default;

void FrmVorlSpeichern::verbinden() {
    connect(ui->cmdSpeichern, &QPushButton::clicked, this, &FrmVorlSpeichern::cmdSpeichern_Click);
    connect(ui->mnuDatSpeichern, &QAction::triggered, this, &FrmVorlSpeichern::cmdSpeichern_Click);
    connect(ui->cmdSchliesen, &QPushButton::clicked, this, &FrmVorlSpeichern::cmdSchliesen_Click);
    connect(ui->cmdDateiOpen, &QPushButton::clicked, this, &FrmVorlSpeichern::cmdDateiOpen_Click);
    connect(ui->mnuDatOpen, &QAction::triggered, this, &FrmVorlSpeichern::mnuDatOpen_Click);
    connect(ui->cmdArtBezeichnunUbernehmen, &QPushButton::clicked, this,
            &FrmVorlSpeichern::cmdArtBezeichnunUbernehmen_Click);
    connect(ui->cmdMarkiere, &QPushButton::clicked, this, &FrmVorlSpeichern::cmdMarkiere_Click);
    connect(ui->cmdTextAmEndeUbernehmen, &QPushButton::clicked, this,
            &FrmVorlSpeichern::cmdTextAmEndeUbernehmen_Click);
    connect(ui->cmdHtml_Speren, &QPushButton::clicked, this, &FrmVorlSpeichern::cmdHtml_Speren_Click);
    connect(ui->cmdHTMLBearb, &QPushButton::clicked, this, &FrmVorlSpeichern::cmdHTMLBearb_Click);
    connect(ui->cmdVorschau, &QPushButton::clicked, this, &FrmVorlSpeichern::cmdVorschau_Click);
    connect(ui->cmdVorschauGoogle, &QPushButton::clicked, this, &FrmVorlSpeichern::cmdVorschauGoogle_Click);
    connect(ui->lblmehr, &KlickLabel::geklickt, this, &FrmVorlSpeichern::lblmehr_Click);
    connect(ui->mnu_rtfTest, &QAction::triggered, this, &FrmVorlSpeichern::mnu_rtfTest_Click);
    connect(ui->rtfText, &QPlainTextEdit::textChanged, this, &FrmVorlSpeichern::rtfText_Change);
    connect(ui->txtArtikelBez, &QLineEdit::textChanged, this, &FrmVorlSpeichern::txtArtikelBez_Change);
    connect(ui->lstPruefung, &QListWidget::itemDoubleClicked, this, &FrmVorlSpeichern::lstPruefung_DblClick);
}

void FrmVorlSpeichern::anzeigen() {
    show();
    raise();
    activateWindow();
}

void FrmVorlSpeichern::nachFertigstellenZeigen(const QString& versandkosten, const QString& versandart) {
    ui->lblOk->hide();
    ui->lblVersandKosten->setText(versandkosten);
    ui->lblVersandArt->setText(versandart);
    // A finished article is saved, whatever an earlier open left behind.
    m_app.zustand().OeffnenModus = false;
    anzeigen();
}

void FrmVorlSpeichern::artikelEinlesenMenue() {
    m_app.zustand().OeffnenModus = true;
    anzeigen();
}

void FrmVorlSpeichern::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (!ereignis->spontaneous()) {
        Form_Activate();
    }
}

void FrmVorlSpeichern::Form_Activate() {
    // The window is kept between articles: nothing of the last one may carry over.
    ui->lblClip->hide();
    ui->lblok2->hide();
    ui->txtStartPreis->clear();
    cmdHTMLBearb_Click();
    m_herkunft.clear();
    m_herkunftText.clear();
    ui->rtfText->setText(QString());
    ui->lblEbajName->setText(m_app.zustand().verkaeuferName);
    const QPoint haupt = m_app.frmHaupt().pos();
    move(haupt.x() + pixelAusTwips(kVersatzRechts), haupt.y() + pixelAusTwips(kVersatzUnten));
    m_ansicht = m_app.zustand().OeffnenModus;
    m_geoeffnet.clear();
    schreibknoepfeFreigeben();
    if (m_ansicht) {
        ui->txtArtikelBez->clear();
        mnuDatOpen_Click();
    } else {
        ui->txtArtikelBez->setText(m_app.frmHaupt().bezeichnung());
        m_herkunft = m_app.zustand().listingHerkunft;
        m_herkunftText = m_app.zustand().listingText;
        ui->rtfText->setText(m_app.zustand().listingText);
    }
    ui->rtfZusatztextAmEnde->setText(zusatztextAmEnde());
}

bool FrmVorlSpeichern::cmdSpeichern_Click() {
    if (m_ansicht) {
        return listingZurueckschreiben();
    }
    Zustand& z = m_app.zustand();
    const QString speichername = SpeichernameBilden(ui->txtArtikelBez->text(), z.verkaeuferName);
    if (!speicherbar(speichername)) {
        return false;
    }
    const QString dateiname = DateinameBilden(speichername, ui->lblVersandKosten->text(), z.verkaeuferName);
    const SpeicherPfade pfade = SpeicherPfadeBilden(m_app.daten(), dateiname);
    if (AnderenArtikelErsetzen(pfade, z.ArtikelDatei) && !ersetzenBestaetigt(dateiname)) {
        return false;
    }
    z.Speichername = speichername;
    z.Registername = RegisternameBilden(dateiname);
    // The article text is built from the article shown now, never left over from an earlier one.
    ui->rtfSpeichern->setText(ArtikelTextBilden(m_app));
    const bool gespeichert = artikeldateienSchreiben(pfade);
    // From now on these files are this article's own, and saving it again replaces them unasked.
    z.ArtikelDatei = pfade.text;
    ui->txtArtikelBez->setText(NameNachSpeichern(ui->txtArtikelBez->text()));
    if (gespeichert) {
        m_app.artikelstandMerken();
    }
    return gespeichert;
}

bool FrmVorlSpeichern::speicherbar(const QString& speichername) {
    const Zustand& z = m_app.zustand();
    QList<BenanntesFeld> felder{{QStringLiteral("Speichername"), ui->txtArtikelBez->text()},
                                {QStringLiteral("Versandkosten"), ui->lblVersandKosten->text()},
                                {QStringLiteral("Verkäufername (Einstellungen)"), z.verkaeuferName}};
    felder.append(GespeicherteFelder(ArtikelFelderLesen(m_app), m_app.frmHaupt().artikelArt()));
    if (!FelderSpeicherbar(m_app.plattform(), felder)) {
        return false;
    }
    const std::optional<QString> problem = SpeichernameProblem(speichername);
    if (problem) {
        Meldung(m_app.plattform(), 12, QStringLiteral("Speichername"), *problem);
    }
    return !problem;
}

bool FrmVorlSpeichern::ersetzenBestaetigt(const QString& dateiname) {
    const Plattform::Antwort antwort = m_app.plattform().meldungsfenster(
        QStringLiteral("Unter diesem Namen ist schon ein anderer Artikel gespeichert: ") + dateiname +
            QStringLiteral(".ebay Ersetzen?"),
        Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::JaNein, QStringLiteral("ACHTUNG"));
    return antwort == Plattform::Antwort::Ja;
}

bool FrmVorlSpeichern::artikeldateienSchreiben(const SpeicherPfade& pfade) {
    bool gespeichert = TextInDateiSchreiben(pfade.html, ui->rtfText->text(), Textart::Html);
    gespeichert =
        TextInDateiSchreiben(pfade.text, ui->rtfSpeichern->text(), Textart::Klartext) && gespeichert;
    const QString zusatz = m_app.frmHaupt().inhaltAuto();
    if (zusatz.isEmpty()) {
        return alteZusatzdateiEntfernen(pfade.zusatz) && gespeichert;
    }
    return TextInDateiSchreiben(pfade.zusatz, zusatz, Textart::Html) && gespeichert;
}

bool FrmVorlSpeichern::alteZusatzdateiEntfernen(const QString& pfad) {
    // An earlier save's table beside a listing without one would be taken for part of it.
    if (!QFileInfo::exists(pfad) || QFile::remove(pfad)) {
        return true;
    }
    Meldung(m_app.plattform(), 99,
            QStringLiteral("Die Zusatz-Datei einer früheren Speicherung kann nicht entfernt werden:") +
                kCrLf + QDir::toNativeSeparators(pfad));
    return false;
}

bool FrmVorlSpeichern::listingZurueckschreiben() {
    // Written as it is shown, so a listing saved unchanged stays byte for byte the same.
    const QString fehler = textSchreiben(m_geoeffnet, ui->rtfText->text(), Textart::Html);
    if (!fehler.isEmpty()) {
        Meldung(m_app.plattform(), 99, SpeicherFehlertext(fehler, QFileInfo(m_geoeffnet).fileName()));
        return false;
    }
    return true;
}

void FrmVorlSpeichern::schreibknoepfeFreigeben() {
    // Without a loaded listing there is nothing of its own to write.
    const bool frei = !m_ansicht || !m_geoeffnet.isEmpty();
    for (QWidget* knopf : {static_cast<QWidget*>(ui->cmdSpeichern), static_cast<QWidget*>(ui->cmdVorschau),
                           static_cast<QWidget*>(ui->cmdVorschauGoogle)}) {
        knopf->setEnabled(frei);
    }
    ui->mnuDatSpeichern->setEnabled(frei);
}

bool FrmVorlSpeichern::TextInDateiSchreiben(const QString& pfad, const QString& text, Textart art) {
    // A data folder without its article folders (a copy, a first start) gets them on the first save.
    QString fehler = OrdnerFuerDateiAnlegen(pfad);
    if (fehler.isEmpty()) {
        fehler = textSchreiben(pfad, text + kCrLf, art);
    }
    if (!fehler.isEmpty()) {
        Meldung(m_app.plattform(), 99, SpeicherFehlertext(fehler, m_app.zustand().Speichername));
        return false;
    }
    return true;
}

void FrmVorlSpeichern::cmdSchliesen_Click() {
    const Plattform::Antwort antwort = m_app.plattform().meldungsfenster(
        schliessenFrage(), Plattform::Symbol::Keins, Plattform::Knoepfe::JaNeinAbbrechen,
        QStringLiteral("Artikel speichern"));
    if (m_ansicht) {
        ansichtSchliessen(antwort);
        return;
    }
    if (antwort == Plattform::Antwort::Ja || antwort == Plattform::Antwort::Nein) {
        // An article whose files were not written must not enter the register, which would
        // then list a file that is not there; the window stays open to correct the name.
        if (!cmdSpeichern_Click()) {
            return;
        }
        Zustand& z = m_app.zustand();
        if (antwort == Plattform::Antwort::Nein) {
            RegisterAnhaengen(registerPfad());
        } else if (!z.RegisterEintrag.isEmpty()) {
            // Only the entry this article was read from has been listed now.
            RegisterNeuSchreiben(Registerzeile(z.RegisterEintrag));
            z.RegisterEintrag.clear();
        }
        hide();
    }
    zuletztGespeichertZeigen();
}

void FrmVorlSpeichern::ansichtSchliessen(Plattform::Antwort antwort) {
    if (antwort == Plattform::Antwort::Abbrechen) {
        return;
    }
    // The opened listing is the saved article itself, closed as a finished one is: written as
    // shown, then struck from the register ("Ja") or kept in it ("Nein"). Nothing of the main
    // window's article is saved from here.
    if (!m_geoeffnet.isEmpty()) {
        if (!listingZurueckschreiben()) {
            return;
        }
        const QString zeile = Registerzeile(QFileInfo(m_geoeffnet).fileName());
        if (antwort == Plattform::Antwort::Ja) {
            RegisterNeuSchreiben(zeile);
        } else {
            m_app.zustand().Registername = zeile;
            RegisterAnhaengen(registerPfad());
        }
    }
    hide();
}

void FrmVorlSpeichern::zuletztGespeichertZeigen() {
    m_app.frmHaupt().zuletztGespeichertSetzen(QStringLiteral("Zuletzt gespeichert:") + kCrLf +
                                              m_app.zustand().Speichername);
}

QString FrmVorlSpeichern::registerPfad() const {
    return m_app.daten().pfad(QStringLiteral("vorlagen\\NochNichtEingestellt.txt"));
}

void FrmVorlSpeichern::RegisterAnhaengen(const QString& pfad) {
    const QString fehler = RegisterZeileAnhaengen(pfad, m_app.zustand().Registername);
    if (!fehler.isEmpty()) {
        Meldung(m_app.plattform(), 99,
                QStringLiteral("Der Artikel konnte nicht in die Liste der noch nicht eingestellten Artikel "
                               "eingetragen werden:") +
                    kCrLf + m_app.zustand().Registername + kCrLf + kCrLf + fehler);
    }
}

void FrmVorlSpeichern::RegisterNeuSchreiben(const QString& zeile) {
    // The file, not the list, is the register: it also holds lines added since the list was
    // loaded, and comments the list does not show.
    const std::optional<QString> inhalt = textLesen(registerPfad());
    const std::optional<QString> neu = inhalt ? RegisterOhneZeile(*inhalt, zeile) : std::nullopt;
    if (!neu) {
        return;
    }
    ui->rtf_nochnichteingestellte->setText(*neu);
    const QString fehler = textSchreiben(registerPfad(), *neu, Textart::Klartext);
    if (!fehler.isEmpty()) {
        Meldung(m_app.plattform(), 99,
                QStringLiteral("Die Liste der noch nicht eingestellten Artikel konnte nicht gespeichert "
                               "werden; sie bleibt, wie sie war.") +
                    kCrLf + kCrLf + fehler);
        return;
    }
    if (m_app.zustand().RegisterAngezeigt) {
        m_app.frmHaupt().bibliothek().cmdnochnichtAnzeig_Click();
    }
}

void FrmVorlSpeichern::cmdDateiOpen_Click() {
    ui->lblClip->hide();
    HtmlArtikelOeffnen();
}

void FrmVorlSpeichern::mnuDatOpen_Click() {
    cmdDateiOpen_Click();
}

void FrmVorlSpeichern::HtmlArtikelOeffnen() {
    const QString pfad =
        m_app.plattform().dateiWaehlen(QStringLiteral("Gespeicherten Artikel öffnen"), QString(),
                                       m_app.daten().pfad(QStringLiteral("Artikeln\\")), kFilter);
    // A cancelled choice leaves the window as it was.
    if (pfad.isEmpty()) {
        return;
    }
    // Nothing changes before the file is read: after a failed open the article shown is still
    // the one to save, under its own name, shipping cost and seller.
    if (!ui->rtfText->dateiLaden(pfad)) {
        Meldung(m_app.plattform(), 999, QStringLiteral("Fehler beim ladender Datei"));
        return;
    }
    ui->txtArtikelBez->setText(TitelAusDateiname(pfad));
    ui->txtStartPreis->setText(PreisAusDateiname(pfad));
    ui->lblVersandKosten->setText(PreisAusDateiname(pfad));
    ui->lblEbajName->setText(VerkaeuferAusDateiname(pfad));
    herkunftSetzen(QStringLiteral("geöffnete Datei"));
    m_app.zustand().OeffnenModus = false;
    m_ansicht = true;
    m_geoeffnet = pfad;
    schreibknoepfeFreigeben();
}

void FrmVorlSpeichern::cmdArtBezeichnunUbernehmen_Click() {
    ui->txtArtikelBez->selectAll();
    QString text = ui->txtArtikelBez->text();
    if (hausverkaeufer::istInFuenf(m_app.zustand().verkaeuferName)) {
        text = text.mid(1);
    }
    m_app.plattform().zwischenablageSetzen(text);
    ui->lblOk->show();
}

void FrmVorlSpeichern::cmdMarkiere_Click() {
    pruefungNachholen();
    const qsizetype fehler = FehlerAnzahl(m_befunde);
    if (fehler > 0) {
        const Plattform::Antwort antwort = m_app.plattform().meldungsfenster(
            QStringLiteral("Das Listing enthält %1 Fehler und würde so nicht angenommen. Trotzdem kopieren?")
                .arg(fehler),
            Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::JaNein, QStringLiteral("ACHTUNG"));
        if (antwort != Plattform::Antwort::Ja) {
            return;
        }
    }
    AuswahlKopieren(1);
    ui->lblClip->show();
}

void FrmVorlSpeichern::cmdTextAmEndeUbernehmen_Click() {
    AuswahlKopieren(2);
    ui->lblok2->show();
}

void FrmVorlSpeichern::AuswahlKopieren(int welches) {
    RichTextFeld* feld = welches == 1 ? ui->rtfText : ui->rtfZusatztextAmEnde;
    const QString text = feld->text();
    feld->setSelStart(0);
    feld->setSelLength(static_cast<int>(text.size()));
    m_app.plattform().zwischenablageSetzen(text);
}

void FrmVorlSpeichern::cmdHtml_Speren_Click() {
    ui->rtfText->setReadOnly(true);
    ui->rtfText->setHintergrund(QColor(0xE0, 0xE0, 0xE0));
}

void FrmVorlSpeichern::cmdHTMLBearb_Click() {
    ui->rtfText->setReadOnly(false);
    ui->rtfText->setHintergrund(QApplication::palette().color(QPalette::Base));
}

void FrmVorlSpeichern::cmdVorschau_Click() {
    vorschau(m_app.einstellungen().pfadIE, kFeldInternetExplorer);
}

void FrmVorlSpeichern::cmdVorschauGoogle_Click() {
    vorschau(m_app.einstellungen().pfadGoChr, kFeldLieblingsbrowser);
}

void FrmVorlSpeichern::vorschau(const QString& browser, const QString& einstellung) {
    const QString datei = m_app.daten().pfad(QStringLiteral("Vorschau.html"));
    const QString fehler = VorschauSchreiben(datei, ui->rtfText->text());
    if (!fehler.isEmpty()) {
        // A browser on the old file would show a different article than the seller asked for.
        Meldung(m_app.plattform(), 99,
                QStringLiteral("Die Vorschau-Datei kann nicht geschrieben werden:\r\n") + datei +
                    QStringLiteral("\r\n") + fehler);
        return;
    }
    // A preview saves the article; one that shows nothing must not have saved it unnoticed.
    if (!BrowserStarten(m_app.plattform(), browser, datei)) {
        KeinBrowserMelden(m_app.plattform(), browser, einstellung, datei,
                          m_ansicht ? QString() : QStringLiteral("Der Artikel wurde nicht gespeichert."));
        return;
    }
    if (!m_ansicht) {
        cmdSpeichern_Click();
    }
}

void FrmVorlSpeichern::lblmehr_Click() {
    const int breit = pixelAusTwips(kBreit);
    resize(width() < breit ? breit : pixelAusTwips(kSchmal), height());
}

void FrmVorlSpeichern::mnu_rtfTest_Click() {
    ui->rtfSpeichern->setText(ArtikelTextBilden(m_app));
    ui->rtfSpeichern->setHidden(!ui->rtfSpeichern->isHidden());
    ui->rtfText->setHidden(!ui->rtfText->isHidden());
}

void FrmVorlSpeichern::rtfText_Change() {
    if (ui->rtfText->text() != m_herkunftText) {
        herkunftMerken(QStringLiteral("bearbeitet"));
        m_pruefVerzoegerung.start();
        return;
    }
    ListingPruefen();
}

void FrmVorlSpeichern::txtArtikelBez_Change() {
    m_pruefVerzoegerung.start();
}

void FrmVorlSpeichern::herkunftSetzen(const QString& herkunft) {
    herkunftMerken(herkunft);
    ListingPruefen();
}

void FrmVorlSpeichern::herkunftMerken(const QString& herkunft) {
    m_herkunftText = ui->rtfText->text();
    m_herkunft = {{0, m_herkunftText.size(), herkunft}};
}

void FrmVorlSpeichern::pruefungNachholen() {
    if (m_pruefVerzoegerung.isActive()) {
        ListingPruefen();
    }
}

void FrmVorlSpeichern::ListingPruefen() {
    m_pruefVerzoegerung.stop();
    m_befunde =
        ::ListingPruefen({m_herkunftText, m_herkunft, ui->txtArtikelBez->text(),
                          eigeneAdressen(m_app.einstellungen()), m_app.frmHaupt().fotos().fotoAngaben()});
    ui->lstPruefung->clear();
    for (const Befund& befund : m_befunde) {
        auto* eintrag = new QListWidgetItem(BefundZeile(befund), ui->lstPruefung);
        eintrag->setToolTip(befund.text);
    }
    ui->lblPruefung->setText(PruefungZusammenfassung(m_befunde));
}

void FrmVorlSpeichern::lstPruefung_DblClick(QListWidgetItem* eintrag) {
    // A list about to be renewed may point at text that is no longer there.
    if (m_pruefVerzoegerung.isActive()) {
        return;
    }
    const int zeile = ui->lstPruefung->row(eintrag);
    if (zeile < 0 || zeile >= m_befunde.size()) {
        return;
    }
    const Befund& befund = m_befunde[zeile];
    if (befund.inBezeichnung) {
        ui->txtArtikelBez->setFocus();
        ui->txtArtikelBez->setSelection(static_cast<int>(befund.start), static_cast<int>(befund.laenge));
        return;
    }
    ui->rtfText->setFocus();
    ui->rtfText->setSelStart(static_cast<int>(befund.start));
    ui->rtfText->setSelLength(static_cast<int>(befund.laenge));
}
