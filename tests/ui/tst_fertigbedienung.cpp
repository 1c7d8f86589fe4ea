#include "support/FensterTest.h"
#include "ui/FertigBedienung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlIni.h"
#include "ui/frmVorlSpeichern.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kBildzeilenJa[] = {QStringLiteral("chkBil1JaNEin"), QStringLiteral("chkBil2JaNEin"),
                                 QStringLiteral("chkBil3JaNEin"), QStringLiteral("chkBil4JaNEin"),
                                 QStringLiteral("chkBil5JaNEin")};

struct Bildfelder {
    QString datei;
    QString breite;
    QString hoehe;
};

const Bildfelder kBildfelder[] = {
    {QStringLiteral("txtEbayBildPfad"), QStringLiteral("txtBildLaenge"), QStringLiteral("txtBildHohe")},
    {QStringLiteral("txtEbayBildPfad_b"), QStringLiteral("txtBildLaenge_b"), QStringLiteral("txtBildHohe_b")},
    {QStringLiteral("txtEbayBildPfad2"), QStringLiteral("txtBildLaenge2"), QStringLiteral("txtBildHohe2")},
    {QStringLiteral("txtEbayBildPfad2_b"), QStringLiteral("txtBildLaenge2_b"),
     QStringLiteral("txtBildHohe2_b")},
    {QStringLiteral("txtEbayBildPfad2_c"), QStringLiteral("txtBildLaenge2_c"),
     QStringLiteral("txtBildHohe2_c")},
};

QString fehlt(const QString& feld) {
    return QStringLiteral("ACHTUNG\r\nAngaben im Feld \"") + feld + QStringLiteral("\" fehlen (s. ?\?\?)");
}

QString zuKlein(const QString& mass, int zeile) {
    return QStringLiteral("ACHTUNG\r\nAngaben im Feld \"%1\" ist zu klein (Bild %2)\r\nsoll mehr als 1 sein")
        .arg(mass)
        .arg(zeile);
}

QString kopf(const QString& d) {
    return QStringLiteral("<br><br><div align=\"center\">Artikel Bezeichnung:<br><b>") + d +
           QStringLiteral("</b></div><br>");
}

} // namespace

// A started program over a temporary folder, with an article that passes every check.
class TestFertigBedienung : public FensterTest {
    Q_OBJECT
private slots:
    void init();

    void pruefung_verweigertMitGenauEinerMeldung_data();
    void pruefung_verweigertMitGenauEinerMeldung();
    void fremdeZeichen_verweigertMitFeldUndZeichen_data();
    void fremdeZeichen_verweigertMitFeldUndZeichen();
    void zeichenDerCodeseite_werdenAngenommen();
    void zusatztext_gehtNurInsHtml_wirdAngenommen();
    void nichtGespeicherteBuchfelder_werdenNichtGeprueft();
    void nichtAngehakteZeile_wirdNichtGeprueft();
    void zeile3OhneDateiname_giltNichtAlsVorhanden();
    void angehakteUntereZeilen_kommenInsListing();
    void nurAutomatischeBeschreibung_genuegt();
    void gueltigerArtikel_zeigtSpeicherfensterMitVersand();
    void listing_liestVorlageUndEinstellungen();
    void kaputterShopTeil_meldung99OhneSpeicherfenster();
    void alterShopFehler_wirdVorDemLaufGeloescht();

    void vorschau_zweimalGedrueckt_zweiKoepfe();
    void vorschau_kopfOhneFuehrendenBindestrich_data();
    void vorschau_kopfOhneFuehrendenBindestrich();
    void vorschau_ohneBrowserpfad_oeffnetDatei();
    void vorschau_vorhandenerLieblingsbrowser_wirdGestartet();
    void vorschau_fehlenderLieblingsbrowser_startetInternetExplorer();
    void vorschau_browserStartetNicht_standardbrowserOderHinweis_data();
    void vorschau_browserStartetNicht_standardbrowserOderHinweis();
    void vorschau_fehlendeDatei_wirdAngelegt();
    void vorschau_dateiNichtSchreibbar_meldungOhneBrowser();

private:
    FertigBedienung& fertig() const { return app().frmHaupt().fertig(); }
    Zustand& z() const { return app().zustand(); }
    void setzen(const QWidget& fenster, const QString& name, const QString& wert) const;
    void imHaupt(const QString& name, const QString& wert) const { setzen(app().frmHaupt(), name, wert); }
    void einstell(const QString& name, const QString& wert) const { setzen(app().frmEinstell(), name, wert); }
    void vorlage(const QString& name, const QString& wert) const { setzen(app().frmVorlIni(), name, wert); }
    void haken(const QString& name, bool ja) const { haupt<QCheckBox>(name)->setChecked(ja); }
    void bildzeile(int zeile, const QString& datei, const QString& breite = QStringLiteral("300"),
                   const QString& hoehe = QStringLiteral("225")) const;
    void fertigstellen() const { klicken(QStringLiteral("cdmFertigstellen")); }
    void vorschau() const { klicken(QStringLiteral("cmdArtVorschauNur")); }
    RichTextFeld* rtfVorschau() const { return haupt<RichTextFeld>(QStringLiteral("rtfVorschau")); }
    void verweigertOhneListing(const QString& meldung) const;
};

void TestFertigBedienung::init() {
    FensterTest::init();
    ordner().schreiben(QStringLiteral("HTML_Code/HTML_text-1.txt"),
                       w1252(QStringLiteral("<html>Kopfteil\r\n")));
    app().starten();
    // Start-up creates the settings window, which applies the settings to the main window.
    app().frmEinstell();
    app().frmVorlIni().VorlageEinlesen(QStringLiteral("Buch"));
    // Picture 1 stays ticked unless the no-picture mode is on; each case ticks the rows it needs.
    z().ohneBildModus = true;
    for (const QString& ja : kBildzeilenJa) {
        haken(ja, false);
    }
    imHaupt(QStringLiteral("txtArtikelBez"), QStringLiteral("Der Zauberberg Roman"));
    imHaupt(QStringLiteral("txtTitel"), QStringLiteral("Der Zauberberg"));
    imHaupt(QStringLiteral("txtAufWasBiten"), QStringLiteral("ein Buch"));
    imHaupt(QStringLiteral("rtfInhaltAuto"), QString());
    imHaupt(QStringLiteral("rtfInhalt"), QStringLiteral("Gut erhalten."));
    plattform().vergessen();
}

// Sets the text of a text box, combo box or rich-text field of a window.
void TestFertigBedienung::setzen(const QWidget& fenster, const QString& name, const QString& wert) const {
    QObject* feld = element<QObject>(fenster, name);
    if (auto* zeile = qobject_cast<QLineEdit*>(feld)) {
        zeile->setText(wert);
    } else if (auto* box = qobject_cast<QComboBox*>(feld)) {
        box->setCurrentText(wert);
    } else {
        element<RichTextFeld>(fenster, name)->setText(wert);
    }
}

void TestFertigBedienung::bildzeile(int zeile, const QString& datei, const QString& breite,
                                    const QString& hoehe) const {
    z().ohneBildModus = false;
    haken(kBildzeilenJa[zeile - 1], true);
    imHaupt(kBildfelder[zeile - 1].datei, datei);
    imHaupt(kBildfelder[zeile - 1].breite, breite);
    imHaupt(kBildfelder[zeile - 1].hoehe, hoehe);
}

void TestFertigBedienung::pruefung_verweigertMitGenauEinerMeldung_data() {
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("feld2");
    QTest::addColumn<QString>("wert2");
    QTest::addColumn<QString>("meldung");

    const QString leer;
    QTest::newRow("bild1 ohne Dateiname")
        << 1 << "txtEbayBildPfad" << leer << leer << leer << "Dateiname vom Bild-1 fehlt!";
    QTest::newRow("bild5 ohne Dateiname")
        << 5 << "txtEbayBildPfad2_c" << leer << leer << leer << "Dateiname vom Bild-5 fehlt!";
    QTest::newRow("bild2 Breite 1") << 2 << "txtBildLaenge_b"
                                    << "1" << leer << leer << zuKlein(QStringLiteral("Länge in Pixel"), 2);
    QTest::newRow("bild3 Breite leer")
        << 3 << "txtBildLaenge2" << leer << leer << leer << zuKlein(QStringLiteral("Länge in Pixel"), 3);
    QTest::newRow("bild4 Breite 0") << 4 << "txtBildLaenge2_b"
                                    << "0" << leer << leer << zuKlein(QStringLiteral("Länge in Pixel"), 4);
    QTest::newRow("bild5 Breite -5") << 5 << "txtBildLaenge2_c"
                                     << "-5" << leer << leer << zuKlein(QStringLiteral("Länge in Pixel"), 5);
    QTest::newRow("bild1 Breite keine Zahl")
        << 1 << "txtBildLaenge"
        << "breit" << leer << leer << zuKlein(QStringLiteral("Länge in Pixel"), 1);
    QTest::newRow("bild3 Hoehe 1") << 3 << "txtBildHohe2"
                                   << "1" << leer << leer << zuKlein(QStringLiteral("Höhe in Pixel"), 3);
    QTest::newRow("Breite vor Hoehe") << 2 << "txtBildLaenge_b"
                                      << "1"
                                      << "txtBildHohe_b"
                                      << "1" << zuKlein(QStringLiteral("Länge in Pixel"), 2);
    QTest::newRow("Bild vor Bezeichnung")
        << 1 << "txtEbayBildPfad" << leer << "txtArtikelBez" << leer << "Dateiname vom Bild-1 fehlt!";
    QTest::newRow("Bezeichnung leer")
        << 0 << "txtArtikelBez" << leer << leer << leer << fehlt(QStringLiteral("Artikel Bezeichnung"));
    QTest::newRow("Bezeichnung vor Titel")
        << 0 << "txtArtikelBez" << leer << "txtTitel" << leer << fehlt(QStringLiteral("Artikel Bezeichnung"));
    QTest::newRow("Titel leer") << 0 << "txtTitel" << leer << leer << leer << fehlt(QStringLiteral("Titel"));
    QTest::newRow("Sie bieten auf leer")
        << 0 << "txtAufWasBiten" << leer << leer << leer << fehlt(QStringLiteral("Auf was Bieten"));
    QTest::newRow("keine Beschreibung")
        << 0 << "rtfInhalt" << leer << leer << leer << fehlt(QStringLiteral("Beschreibung"));
    const QString marke = QStringLiteral("Bitte Beschreibung korriegieren\r\nsiehe die Zeichen: +*+*+*+");
    QTest::newRow("Marke +* mitten im Text") << 0 << "rtfInhalt"
                                             << "Gut +* erhalten" << leer << leer << marke;
    QTest::newRow("Marke *+ am Ende") << 0 << "rtfInhalt"
                                      << "Gut erhalten*+" << leer << leer << marke;
    QTest::newRow("ganze Marke in zweiter Zeile") << 0 << "rtfInhalt"
                                                  << "Gut\r\n+*+*+*+" << leer << leer << marke;
}

// A refused finish shows its one message, opens no save window and leaves the listing as it was.
void TestFertigBedienung::verweigertOhneListing(const QString& meldung) const {
    z().listingText = QStringLiteral("vorher");
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);

    fertigstellen();

    QCOMPARE(plattform().meldungstexte(), QStringList{meldung});
    QCOMPARE(spy.count(), 0);
    QCOMPARE(z().listingText, QStringLiteral("vorher"));
}

void TestFertigBedienung::pruefung_verweigertMitGenauEinerMeldung() {
    QFETCH(int, zeile);
    QFETCH(QString, feld);
    QFETCH(QString, wert);
    QFETCH(QString, feld2);
    QFETCH(QString, wert2);
    QFETCH(QString, meldung);
    if (zeile > 0) {
        bildzeile(zeile, QStringLiteral("foto.jpg"));
    }
    imHaupt(feld, wert);
    if (!feld2.isEmpty()) {
        imHaupt(feld2, wert2);
    }
    verweigertOhneListing(meldung);
}

QString nichtSpeicherbar(const QString& feld, const QString& zeichen) {
    return QStringLiteral("ACHTUNG\r\nBitte Angaben im Feld \"") + feld +
           QStringLiteral("\" Korriegieren!\r\nDiese Zeichen können nicht gespeichert werden: ") + zeichen;
}

void TestFertigBedienung::fremdeZeichen_verweigertMitFeldUndZeichen_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Bezeichnung") << QStringLiteral("txtArtikelBez") << QStringLiteral("Dvořák Sinfonie")
                                 << nichtSpeicherbar(QStringLiteral("Artikel Bezeichnung"),
                                                     QStringLiteral("ř"));
    QTest::newRow("jedes Zeichen einmal")
        << QStringLiteral("txtTitel") << QStringLiteral("Dvořák, Łódź – Dvořák")
        << nichtSpeicherbar(QStringLiteral("Titel"), QStringLiteral("řŁź"));
    QTest::newRow("Zeichen ausserhalb der Grundebene")
        << QStringLiteral("rtfInhalt") << QStringLiteral("Toll \U0001F600!")
        << nichtSpeicherbar(QStringLiteral("Beschreibung"), QStringLiteral("\U0001F600"));
    QTest::newRow("Kaufaufforderung")
        << QStringLiteral("cboAuforderung1") << QStringLiteral("Jetzt → bieten")
        << nichtSpeicherbar(QStringLiteral("Kaufaufforderung 1"), QStringLiteral("→"));
}

void TestFertigBedienung::fremdeZeichen_verweigertMitFeldUndZeichen() {
    QFETCH(QString, feld);
    QFETCH(QString, wert);
    QFETCH(QString, meldung);
    imHaupt(feld, wert);
    verweigertOhneListing(meldung);
}

void TestFertigBedienung::zeichenDerCodeseite_werdenAngenommen() {
    imHaupt(QStringLiteral("txtArtikelBez"), QStringLiteral("Dvorák – „Aus der Neuen Welt“ für 5 € … ?"));
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);

    fertigstellen();

    QCOMPARE(plattform().meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
}

// The table of the book or clothing window goes into the listing and the "-Zus" file only, which
// keep such a character as a character reference.
void TestFertigBedienung::zusatztext_gehtNurInsHtml_wirdAngenommen() {
    imHaupt(QStringLiteral("rtfInhaltAuto"), QStringLiteral("<td>Ω</td>"));
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);

    fertigstellen();

    QCOMPARE(plattform().meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
}

void TestFertigBedienung::nichtGespeicherteBuchfelder_werdenNichtGeprueft() {
    element<QLineEdit>(app().frmBuch(), QStringLiteral("Text2_1"))->setText(QStringLiteral("Dvořák"));
    haupt<QLabel>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("CD_MC"));
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);
    fertigstellen();
    QCOMPARE(spy.count(), 1);
    // The save window blocks the main window; the seller leaves it by its frame.
    app().frmVorlSpeichern().close();

    haupt<QLabel>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("Buch"));
    fertigstellen();
    QCOMPARE(plattform().meldungstexte(),
             QStringList{nichtSpeicherbar(QStringLiteral("Autor"), QStringLiteral("ř"))});
    QCOMPARE(spy.count(), 1);
}

void TestFertigBedienung::nichtAngehakteZeile_wirdNichtGeprueft() {
    bildzeile(4, QString(), QStringLiteral("1"), QString());
    haken(QStringLiteral("chkBil4JaNEin"), false);
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);

    fertigstellen();

    QCOMPARE(plattform().meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
    QVERIFY(!z().bild4Vorhanden);
}

void TestFertigBedienung::zeile3OhneDateiname_giltNichtAlsVorhanden() {
    z().bild3Vorhanden = true;
    bildzeile(3, QString());

    fertigstellen();

    QCOMPARE(plattform().meldungstexte(), QStringList{QStringLiteral("Dateiname vom Bild-3 fehlt!")});
    QVERIFY(!z().bild3Vorhanden);
}

void TestFertigBedienung::angehakteUntereZeilen_kommenInsListing() {
    z().bild4Vorhanden = true;
    bildzeile(3, QStringLiteral("drei.jpg"));
    bildzeile(5, QStringLiteral("fuenf.jpg"), QStringLiteral("400"), QStringLiteral("300"));

    fertigstellen();

    QVERIFY(z().bild3Vorhanden);
    QVERIFY(!z().bild4Vorhanden);
    QVERIFY(z().bild5Vorhanden);
    const QString& l = z().listingText;
    QVERIFY(l.contains(QStringLiteral("<!---ENDE Bild 3------>")));
    QVERIFY(!l.contains(QStringLiteral("<!---ENDE Bild 4------>")));
    QVERIFY(
        l.contains(QStringLiteral("<IMG border=\"1\" src=\"fuenf.jpg\" width=\"400\" height=\"300\"><br>")));
}

void TestFertigBedienung::nurAutomatischeBeschreibung_genuegt() {
    imHaupt(QStringLiteral("rtfInhalt"), QString());
    imHaupt(QStringLiteral("rtfInhaltAuto"), QStringLiteral("<table><!---1---></table>"));
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);

    fertigstellen();

    QCOMPARE(plattform().meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
    QVERIFY(z().listingText.contains(QStringLiteral("<table><!---1---></table>\r\n")));
}

void TestFertigBedienung::gueltigerArtikel_zeigtSpeicherfensterMitVersand() {
    imHaupt(QStringLiteral("cboVersandkosten"), QStringLiteral("1,85"));
    imHaupt(QStringLiteral("cboPostHermes2"), QStringLiteral("Büchersendung"));
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);

    fertigstellen();

    QCOMPARE(plattform().meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("1,85"));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("Büchersendung"));
    // The summary for the phone app comes first, the template's first part after it.
    const QString& l = z().listingText;
    QVERIFY(l.startsWith(QStringLiteral("<div vocab=\"https://schema.org/\" typeof=\"Product\"")));
    QVERIFY(l.contains(QStringLiteral("<li>Versand: 1,85 € (Büchersendung)</li><li>Gut "
                                      "erhalten.</li></ul></span></div>\r\n<html>Kopfteil")));
    QVERIFY(l.contains(QStringLiteral(" ein Buch \r\n")));
    QVERIFY(!z().shopLinkFehler);
}

void TestFertigBedienung::listing_liestVorlageUndEinstellungen() {
    haken(QStringLiteral("chkKurzfassung"), false);
    haken(QStringLiteral("chkVersadInfoJa"), true);
    imHaupt(QStringLiteral("cboVersandkosten"), QStringLiteral("2,20"));
    imHaupt(QStringLiteral("cboPostHermes2"), QStringLiteral("Hermes"));
    bildzeile(1, QStringLiteral("eins.jpg"));
    vorlage(QStringLiteral("htmlTeil1"), QStringLiteral("<!---ZUSATZINFO_START--->Rest"));
    vorlage(QStringLiteral("htmlTeil0a"), QStringLiteral("Versand: "));
    for (const char* teil : {"htmlTeil0b", "htmlTeil0c", "htmlTeil0d"}) {
        vorlage(QString::fromLatin1(teil), QString());
    }
    vorlage(QStringLiteral("txtfarbverlauf"), QStringLiteral("<hr>"));
    vorlage(QStringLiteral("txtTeil3"), QStringLiteral("<img border=\""));
    vorlage(QStringLiteral("htmlTeil7"), QStringLiteral("Hinweis"));
    vorlage(QStringLiteral("htmlTeil6b"), QStringLiteral("<DIV>x</DIV></TD>"));
    einstell(QStringLiteral("txtPfadZusatzBilder"), QStringLiteral("https://www.example.com/bilder/"));
    einstell(QStringLiteral("txtTeil1"), QStringLiteral(" Verkäufer-Name"));
    element<QCheckBox>(app().frmEinstell(), QStringLiteral("chkHinweisJa"))->setChecked(true);

    fertigstellen();

    const QString& l = z().listingText;
    QVERIFY(l.startsWith(
        QStringLiteral("<!---ZUSATZINFO_START--->Versand: 2,20Hermes<TR><TD><hr></TD></TR>Rest")));
    QVERIFY(l.contains(QStringLiteral(
        "<img border=\"1\" src=\"https://www.example.com/bilder/eins.jpg\" width=\"300\" height=\"225")));
    QVERIFY(l.contains(QStringLiteral("Hinweis\r\n")));
    QVERIFY(l.contains(QStringLiteral(" Verkäufer-Name")));
    QVERIFY(l.contains(QStringLiteral("Vers.Nr.: 4.51 </font></TD>")));
}

void TestFertigBedienung::kaputterShopTeil_meldung99OhneSpeicherfenster() {
    element<QCheckBox>(app().frmEinstell(), QStringLiteral("chkSchopJa"))->setChecked(true);
    vorlage(QStringLiteral("html_shop"), QStringLiteral("<a href=\"http://stores.ebay.de/merchant/\">"));
    z().listingText = QStringLiteral("vorher");
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);

    fertigstellen();

    QCOMPARE(plattform().meldungstexte(),
             QStringList{QStringLiteral(
                 "Der Link bei Shopeinstellungen (unter: \"Extras / Vorlage bearbeiten / Teil 8\")\r\n"
                 "muss am Ende \"nichtloeschen\" haben!\r\n"
                 "es muss lauten: \"https://stores.ebay.de/merchant/nichtloeschen\"\r\n"
                 "und darf nicht geändert werden!")});
    QCOMPARE(plattform().fenster.at(0).titel, QStringLiteral("ACHTUNG!"));
    QCOMPARE(spy.count(), 0);
    QVERIFY(z().shopLinkFehler);
    QCOMPARE(z().listingText, QString());
}

void TestFertigBedienung::alterShopFehler_wirdVorDemLaufGeloescht() {
    z().shopLinkFehler = true;
    QSignalSpy spy(&fertig(), &FertigBedienung::speicherfensterZeigen);

    fertigstellen();

    QCOMPARE(spy.count(), 1);
    QVERIFY(!z().shopLinkFehler);
}

void TestFertigBedienung::vorschau_zweimalGedrueckt_zweiKoepfe() {
    imHaupt(QStringLiteral("txtArtikelBezVor"), QStringLiteral("Der Zauberberg"));

    vorschau();
    vorschau();

    const QString erwartet = kopf(QStringLiteral("Der Zauberberg")) + kopf(QStringLiteral("Der Zauberberg")) +
                             QStringLiteral("Vorschau");
    QCOMPARE(rtfVorschau()->text(), erwartet);
    QCOMPARE(ordner().lesen(QStringLiteral("Vorschau.html")), w1252(erwartet + QStringLiteral("\r\n")));
}

void TestFertigBedienung::vorschau_kopfOhneFuehrendenBindestrich_data() {
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<QString>("gezeigt");
    QTest::newRow("Bindestrich Blank Titel") << "- Der Zauberberg"
                                             << "Der Zauberberg";
    QTest::newRow("Bindestrich und Blanke um den Rest") << "-  Zauberberg  "
                                                        << "Zauberberg";
    QTest::newRow("Bindestrich spaeter bleibt") << "Mann - Zauberberg"
                                                << "Mann - Zauberberg";
    QTest::newRow("ohne Bindestrich bleiben Blanke") << " Zauberberg "
                                                     << " Zauberberg ";
}

void TestFertigBedienung::vorschau_kopfOhneFuehrendenBindestrich() {
    QFETCH(QString, bezeichnung);
    QFETCH(QString, gezeigt);
    imHaupt(QStringLiteral("txtArtikelBezVor"), bezeichnung);

    vorschau();

    QCOMPARE(rtfVorschau()->text(), kopf(gezeigt) + QStringLiteral("Vorschau"));
}

void TestFertigBedienung::vorschau_ohneBrowserpfad_oeffnetDatei() {
    einstell(QStringLiteral("txtPfadIE"), QString());
    einstell(QStringLiteral("txtPfadGoChr"), QString());

    vorschau();

    QCOMPARE(plattform().aufrufe.size(), 1);
    QCOMPARE(plattform().aufrufe.at(0).art, QStringLiteral("imBrowserOeffnen"));
    QCOMPARE(QFileInfo(plattform().aufrufe.at(0).argumente.at(0)),
             QFileInfo(ordner().daten(QStringLiteral("Vorschau.html"))));
}

void TestFertigBedienung::vorschau_vorhandenerLieblingsbrowser_wirdGestartet() {
    ordner().schreiben(QStringLiteral("chrome.exe"), QByteArray("x"));
    const QString chrome = ordner().daten(QStringLiteral("chrome.exe"));
    einstell(QStringLiteral("txtPfadGoChr"), chrome);
    einstell(QStringLiteral("txtPfadIE"), QStringLiteral("iexplore.exe"));

    vorschau();

    QCOMPARE(plattform().aufrufe.size(), 1);
    QCOMPARE(plattform().aufrufe.at(0).art, QStringLiteral("programmStarten"));
    QCOMPARE(plattform().aufrufe.at(0).argumente.at(0), chrome);
    QCOMPARE(QFileInfo(plattform().aufrufe.at(0).argumente.at(1)),
             QFileInfo(ordner().daten(QStringLiteral("Vorschau.html"))));
}

void TestFertigBedienung::vorschau_fehlenderLieblingsbrowser_startetInternetExplorer() {
    einstell(QStringLiteral("txtPfadGoChr"), ordner().daten(QStringLiteral("gibtsnicht.exe")));
    einstell(QStringLiteral("txtPfadIE"), QStringLiteral("iexplore.exe"));

    vorschau();

    QCOMPARE(plattform().aufrufe.size(), 1);
    QCOMPARE(plattform().aufrufe.at(0).art, QStringLiteral("programmStarten"));
    QCOMPARE(plattform().aufrufe.at(0).argumente.at(0), QStringLiteral("iexplore.exe"));
}

void TestFertigBedienung::vorschau_browserStartetNicht_standardbrowserOderHinweis_data() {
    QTest::addColumn<bool>("standardOeffnet");
    QTest::newRow("Standardbrowser zeigt") << true;
    QTest::newRow("Standardbrowser auch nicht") << false;
}

void TestFertigBedienung::vorschau_browserStartetNicht_standardbrowserOderHinweis() {
    QFETCH(bool, standardOeffnet);
    einstell(QStringLiteral("txtPfadGoChr"), QString());
    einstell(QStringLiteral("txtPfadIE"), QStringLiteral("iexplore.exe"));
    plattform().startErgebnisse.enqueue(false);
    plattform().browserErgebnisse.enqueue(standardOeffnet);

    vorschau();

    QCOMPARE(plattform().anzahl(QStringLiteral("imBrowserOeffnen")), 1);
    QCOMPARE(plattform().fenster.size(), standardOeffnet ? 0 : 1);
    if (!standardOeffnet) {
        // The seller learns which field of the settings to fill, by its label there, and sees no
        // bare error number on a line of its own.
        const QString text = plattform().fenster.at(0).text;
        const QString feld = element<QLabel>(app().frmEinstell(), QStringLiteral("lblPfadGoChr"))->text();
        QVERIFY2(text.contains(QStringLiteral("„") + feld + QStringLiteral("“")), qPrintable(text));
        QVERIFY2(!QRegularExpression(QStringLiteral("(^|\n)\\d+\r?(\n|$)")).match(text).hasMatch(),
                 qPrintable(text));
    }
}

void TestFertigBedienung::vorschau_fehlendeDatei_wirdAngelegt() {
    ordner().entfernen(QStringLiteral("Vorschau.html"));
    imHaupt(QStringLiteral("txtArtikelBezVor"), QStringLiteral("Zauberberg"));

    vorschau();

    QCOMPARE(ordner().lesen(QStringLiteral("Vorschau.html")),
             w1252(kopf(QStringLiteral("Zauberberg")) + QStringLiteral("Vorschau\r\n")));
}

void TestFertigBedienung::vorschau_dateiNichtSchreibbar_meldungOhneBrowser() {
    ordner().entfernen(QStringLiteral("Vorschau.html"));
    QVERIFY(QDir().mkpath(ordner().daten(QStringLiteral("Vorschau.html"))));

    vorschau();

    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(plattform().fenster.at(0).text.startsWith(
        QStringLiteral("Die Vorschau-Datei kann nicht geschrieben werden:\r\n")));
    QCOMPARE(plattform().aufrufe.size(), 1);
}

QTEST_MAIN(TestFertigBedienung)
#include "tst_fertigbedienung.moc"
