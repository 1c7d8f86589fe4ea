#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/FertigBedienung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlIni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

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

// Sets the text of a text box, combo box or rich-text field of a window.
void setzen(QWidget* fenster, const QString& name, const QString& wert) {
    QObject* feld = fenster->findChild<QObject*>(name);
    QVERIFY2(feld != nullptr, qPrintable(name));
    if (auto* zeile = qobject_cast<QLineEdit*>(feld)) {
        zeile->setText(wert);
    } else if (auto* box = qobject_cast<QComboBox*>(feld)) {
        box->setCurrentText(wert);
    } else {
        auto* rtf = qobject_cast<RichTextFeld*>(feld);
        QVERIFY2(rtf != nullptr, qPrintable(name));
        rtf->setText(wert);
    }
}

// A started program over a temporary folder, with an article that passes every check.
struct Programm {
    Programm() {
        ordner.schreiben(QStringLiteral("HTML_Code/HTML_text-1.txt"),
                         w1252(QStringLiteral("<html>Kopfteil\r\n")));
        app->starten();
        // Start-up creates the settings window, which applies the settings to the main window.
        app->frmEinstell();
        app->frmVorlIni().VorlageEinlesen(QStringLiteral("Buch"));
        // Picture 1 stays ticked unless the no-picture mode is on; each case ticks the rows it needs.
        app->zustand().ohneBildModus = true;
        for (const QString& ja : kBildzeilenJa) {
            haken(ja, false);
        }
        haupt(QStringLiteral("txtArtikelBez"), QStringLiteral("Der Zauberberg Roman"));
        haupt(QStringLiteral("txtTitel"), QStringLiteral("Der Zauberberg"));
        haupt(QStringLiteral("txtAufWasBiten"), QStringLiteral("ein Buch"));
        haupt(QStringLiteral("rtfInhaltAuto"), QString());
        haupt(QStringLiteral("rtfInhalt"), QStringLiteral("Gut erhalten."));
        p.vergessen();
    }

    TestOrdner ordner;
    SkriptPlattform p;
    std::unique_ptr<Anwendung> app = std::make_unique<Anwendung>(ordner.programmordner(), p);

    FertigBedienung& fertig() { return app->fertig(); }
    Zustand& z() { return app->zustand(); }
    void haupt(const QString& name, const QString& wert) { setzen(&app->frmHaupt(), name, wert); }
    void einstell(const QString& name, const QString& wert) { setzen(&app->frmEinstell(), name, wert); }
    void vorlage(const QString& name, const QString& wert) { setzen(&app->frmVorlIni(), name, wert); }
    void haken(const QString& name, bool ja) { app->frmHaupt().findChild<QCheckBox*>(name)->setChecked(ja); }
    void bildzeile(int zeile, const QString& datei, const QString& breite = QStringLiteral("300"),
                   const QString& hoehe = QStringLiteral("225")) {
        app->zustand().ohneBildModus = false;
        haken(kBildzeilenJa[zeile - 1], true);
        haupt(kBildfelder[zeile - 1].datei, datei);
        haupt(kBildfelder[zeile - 1].breite, breite);
        haupt(kBildfelder[zeile - 1].hoehe, hoehe);
    }
    void fertigstellen() {
        app->frmHaupt().findChild<QPushButton*>(QStringLiteral("cdmFertigstellen"))->click();
    }
    void vorschau() { app->frmHaupt().findChild<QPushButton*>(QStringLiteral("cmdArtVorschauNur"))->click(); }
    RichTextFeld* rtfVorschau() {
        return app->frmHaupt().findChild<RichTextFeld*>(QStringLiteral("rtfVorschau"));
    }
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

class TestFertigBedienung : public QObject {
    Q_OBJECT
private slots:
    void pruefung_verweigertMitGenauEinerMeldung_data();
    void pruefung_verweigertMitGenauEinerMeldung();
    void fremdeZeichen_verweigertMitFeldUndZeichen_data();
    void fremdeZeichen_verweigertMitFeldUndZeichen();
    void zeichenDerCodeseite_werdenAngenommen();
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
    void vorschau_browserStartetNicht_meldung999();
    void vorschau_fehlendeDatei_wirdAngelegt();
    void vorschau_dateiNichtSchreibbar_meldungOhneBrowser();
};

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
void verweigertOhneListing(Programm& pr, const QString& meldung) {
    pr.z().listingText = QStringLiteral("vorher");
    QSignalSpy spy(&pr.fertig(), &FertigBedienung::speicherfensterZeigen);

    pr.fertigstellen();

    QCOMPARE(pr.p.meldungstexte(), QStringList{meldung});
    QCOMPARE(spy.count(), 0);
    QCOMPARE(pr.z().listingText, QStringLiteral("vorher"));
}

void TestFertigBedienung::pruefung_verweigertMitGenauEinerMeldung() {
    QFETCH(int, zeile);
    QFETCH(QString, feld);
    QFETCH(QString, wert);
    QFETCH(QString, feld2);
    QFETCH(QString, wert2);
    QFETCH(QString, meldung);
    Programm pr;
    if (zeile > 0) {
        pr.bildzeile(zeile, QStringLiteral("foto.jpg"));
    }
    pr.haupt(feld, wert);
    if (!feld2.isEmpty()) {
        pr.haupt(feld2, wert2);
    }
    verweigertOhneListing(pr, meldung);
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
    QTest::newRow("Zusatztext") << QStringLiteral("rtfInhaltAuto") << QStringLiteral("Ω")
                                << nichtSpeicherbar(QStringLiteral("Zusatztext"), QStringLiteral("Ω"));
    QTest::newRow("Kaufaufforderung")
        << QStringLiteral("cboAuforderung1") << QStringLiteral("Jetzt → bieten")
        << nichtSpeicherbar(QStringLiteral("Kaufaufforderung 1"), QStringLiteral("→"));
}

void TestFertigBedienung::fremdeZeichen_verweigertMitFeldUndZeichen() {
    QFETCH(QString, feld);
    QFETCH(QString, wert);
    QFETCH(QString, meldung);
    Programm pr;
    pr.haupt(feld, wert);
    verweigertOhneListing(pr, meldung);
}

void TestFertigBedienung::zeichenDerCodeseite_werdenAngenommen() {
    Programm pr;
    pr.haupt(QStringLiteral("txtArtikelBez"), QStringLiteral("Dvorák – „Aus der Neuen Welt“ für 5 € … ?"));
    QSignalSpy spy(&pr.fertig(), &FertigBedienung::speicherfensterZeigen);

    pr.fertigstellen();

    QCOMPARE(pr.p.meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
}

void TestFertigBedienung::nichtGespeicherteBuchfelder_werdenNichtGeprueft() {
    Programm pr;
    pr.app->frmBuch().findChild<QLineEdit*>(QStringLiteral("Text2_1"))->setText(QStringLiteral("Dvořák"));
    pr.app->frmHaupt().findChild<QLabel*>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("CD_MC"));
    QSignalSpy spy(&pr.fertig(), &FertigBedienung::speicherfensterZeigen);
    pr.fertigstellen();
    QCOMPARE(spy.count(), 1);

    pr.app->frmHaupt().findChild<QLabel*>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("Buch"));
    pr.fertigstellen();
    QCOMPARE(pr.p.meldungstexte(),
             QStringList{nichtSpeicherbar(QStringLiteral("Autor"), QStringLiteral("ř"))});
    QCOMPARE(spy.count(), 1);
}

void TestFertigBedienung::nichtAngehakteZeile_wirdNichtGeprueft() {
    Programm pr;
    pr.bildzeile(4, QString(), QStringLiteral("1"), QString());
    pr.haken(QStringLiteral("chkBil4JaNEin"), false);
    QSignalSpy spy(&pr.fertig(), &FertigBedienung::speicherfensterZeigen);

    pr.fertigstellen();

    QCOMPARE(pr.p.meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
    QVERIFY(!pr.z().bild4Vorhanden);
}

void TestFertigBedienung::zeile3OhneDateiname_giltNichtAlsVorhanden() {
    Programm pr;
    pr.z().bild3Vorhanden = true;
    pr.bildzeile(3, QString());

    pr.fertigstellen();

    QCOMPARE(pr.p.meldungstexte(), QStringList{QStringLiteral("Dateiname vom Bild-3 fehlt!")});
    QVERIFY(!pr.z().bild3Vorhanden);
}

void TestFertigBedienung::angehakteUntereZeilen_kommenInsListing() {
    Programm pr;
    pr.z().bild4Vorhanden = true;
    pr.bildzeile(3, QStringLiteral("drei.jpg"));
    pr.bildzeile(5, QStringLiteral("fuenf.jpg"), QStringLiteral("400"), QStringLiteral("300"));

    pr.fertigstellen();

    QVERIFY(pr.z().bild3Vorhanden);
    QVERIFY(!pr.z().bild4Vorhanden);
    QVERIFY(pr.z().bild5Vorhanden);
    const QString& l = pr.z().listingText;
    QVERIFY(l.contains(QStringLiteral("<!---ENDE Bild 3------>")));
    QVERIFY(!l.contains(QStringLiteral("<!---ENDE Bild 4------>")));
    QVERIFY(
        l.contains(QStringLiteral("<IMG border=\"1\" src=\"fuenf.jpg\" width=\"400\" height=\"300\"><br>")));
}

void TestFertigBedienung::nurAutomatischeBeschreibung_genuegt() {
    Programm pr;
    pr.haupt(QStringLiteral("rtfInhalt"), QString());
    pr.haupt(QStringLiteral("rtfInhaltAuto"), QStringLiteral("<table><!---1---></table>"));
    QSignalSpy spy(&pr.fertig(), &FertigBedienung::speicherfensterZeigen);

    pr.fertigstellen();

    QCOMPARE(pr.p.meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
    QVERIFY(pr.z().listingText.contains(QStringLiteral("<table><!---1---></table>\r\n")));
}

void TestFertigBedienung::gueltigerArtikel_zeigtSpeicherfensterMitVersand() {
    Programm pr;
    pr.haupt(QStringLiteral("cboVersandkosten"), QStringLiteral("1,85"));
    pr.haupt(QStringLiteral("cboPostHermes2"), QStringLiteral("Büchersendung"));
    QSignalSpy spy(&pr.fertig(), &FertigBedienung::speicherfensterZeigen);

    pr.fertigstellen();

    QCOMPARE(pr.p.meldungstexte(), QStringList{});
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("1,85"));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("Büchersendung"));
    QVERIFY(pr.z().listingText.startsWith(QStringLiteral("<html>Kopfteil")));
    QVERIFY(pr.z().listingText.contains(QStringLiteral(" ein Buch \r\n")));
    QVERIFY(!pr.z().shopLinkFehler);
}

void TestFertigBedienung::listing_liestVorlageUndEinstellungen() {
    Programm pr;
    pr.haken(QStringLiteral("chkVersadInfoJa"), true);
    pr.haupt(QStringLiteral("cboVersandkosten"), QStringLiteral("2,20"));
    pr.haupt(QStringLiteral("cboPostHermes2"), QStringLiteral("Hermes"));
    pr.bildzeile(1, QStringLiteral("eins.jpg"));
    pr.vorlage(QStringLiteral("htmlTeil1"), QStringLiteral("<!---ZUSATZINFO_START--->Rest"));
    pr.vorlage(QStringLiteral("htmlTeil0a"), QStringLiteral("Versand: "));
    for (const char* teil : {"htmlTeil0b", "htmlTeil0c", "htmlTeil0d"}) {
        pr.vorlage(QString::fromLatin1(teil), QString());
    }
    pr.vorlage(QStringLiteral("txtfarbverlauf"), QStringLiteral("<hr>"));
    pr.vorlage(QStringLiteral("txtTeil3"), QStringLiteral("<img border=\""));
    pr.vorlage(QStringLiteral("htmlTeil7"), QStringLiteral("Hinweis"));
    pr.vorlage(QStringLiteral("htmlTeil6b"), QStringLiteral("<DIV>x</DIV></TD>"));
    pr.einstell(QStringLiteral("txtPfadZusatzBilder"), QStringLiteral("https://www.example.com/bilder/"));
    pr.einstell(QStringLiteral("txtTeil1"), QStringLiteral(" Verkäufer-Name"));
    pr.app->frmEinstell().findChild<QCheckBox*>(QStringLiteral("chkHinweisJa"))->setChecked(true);

    pr.fertigstellen();

    const QString& l = pr.z().listingText;
    QVERIFY(l.startsWith(
        QStringLiteral("<!---ZUSATZINFO_START--->Versand: 2,20Hermes<TR><TD><hr></TD></TR>Rest")));
    QVERIFY(l.contains(QStringLiteral(
        "<img border=\"1\" src=\"https://www.example.com/bilder/eins.jpg\" width=\"300\" height=\"225")));
    QVERIFY(l.contains(QStringLiteral("Hinweis\r\n")));
    QVERIFY(l.contains(QStringLiteral(" Verkäufer-Name")));
    QVERIFY(l.contains(QStringLiteral("Vers.Nr.: 4.51 </font></TD>")));
}

void TestFertigBedienung::kaputterShopTeil_meldung99OhneSpeicherfenster() {
    Programm pr;
    pr.app->frmEinstell().findChild<QCheckBox*>(QStringLiteral("chkSchopJa"))->setChecked(true);
    pr.vorlage(QStringLiteral("html_shop"), QStringLiteral("<a href=\"http://stores.ebay.de/merchant/\">"));
    pr.z().listingText = QStringLiteral("vorher");
    QSignalSpy spy(&pr.fertig(), &FertigBedienung::speicherfensterZeigen);

    pr.fertigstellen();

    QCOMPARE(pr.p.meldungstexte(),
             QStringList{QStringLiteral(
                 "Der Link bei Shopeinstellungen (unter: \"Extras / Vorlage bearbeiten / Teil 8\")\r\n"
                 "muss am Ende \"nichtloeschen\" haben!\r\n"
                 "es muss lauten: \"https://stores.ebay.de/merchant/nichtloeschen\"\r\n"
                 "und darf nicht geändert werden!")});
    QCOMPARE(pr.p.fenster.at(0).titel, QStringLiteral("ACHTUNG!"));
    QCOMPARE(spy.count(), 0);
    QVERIFY(pr.z().shopLinkFehler);
    QCOMPARE(pr.z().listingText, QString());
}

void TestFertigBedienung::alterShopFehler_wirdVorDemLaufGeloescht() {
    Programm pr;
    pr.z().shopLinkFehler = true;
    QSignalSpy spy(&pr.fertig(), &FertigBedienung::speicherfensterZeigen);

    pr.fertigstellen();

    QCOMPARE(spy.count(), 1);
    QVERIFY(!pr.z().shopLinkFehler);
}

void TestFertigBedienung::vorschau_zweimalGedrueckt_zweiKoepfe() {
    Programm pr;
    pr.haupt(QStringLiteral("txtArtikelBezVor"), QStringLiteral("Der Zauberberg"));

    pr.vorschau();
    pr.vorschau();

    const QString erwartet = kopf(QStringLiteral("Der Zauberberg")) + kopf(QStringLiteral("Der Zauberberg")) +
                             QStringLiteral("Vorschau");
    QCOMPARE(pr.rtfVorschau()->text(), erwartet);
    QCOMPARE(pr.ordner.lesen(QStringLiteral("Vorschau.html")), w1252(erwartet + QStringLiteral("\r\n")));
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
    Programm pr;
    pr.haupt(QStringLiteral("txtArtikelBezVor"), bezeichnung);

    pr.vorschau();

    QCOMPARE(pr.rtfVorschau()->text(), kopf(gezeigt) + QStringLiteral("Vorschau"));
}

void TestFertigBedienung::vorschau_ohneBrowserpfad_oeffnetDatei() {
    Programm pr;
    pr.einstell(QStringLiteral("txtPfadIE"), QString());
    pr.einstell(QStringLiteral("txtPfadGoChr"), QString());

    pr.vorschau();

    QCOMPARE(pr.p.aufrufe.size(), 1);
    QCOMPARE(pr.p.aufrufe.at(0).art, QStringLiteral("oeffnen"));
    QCOMPARE(QFileInfo(pr.p.aufrufe.at(0).argumente.at(0)),
             QFileInfo(pr.ordner.daten(QStringLiteral("Vorschau.html"))));
}

void TestFertigBedienung::vorschau_vorhandenerLieblingsbrowser_wirdGestartet() {
    Programm pr;
    pr.ordner.schreiben(QStringLiteral("chrome.exe"), QByteArray("x"));
    const QString chrome = pr.ordner.daten(QStringLiteral("chrome.exe"));
    pr.einstell(QStringLiteral("txtPfadGoChr"), chrome);
    pr.einstell(QStringLiteral("txtPfadIE"), QStringLiteral("iexplore.exe"));

    pr.vorschau();

    QCOMPARE(pr.p.aufrufe.size(), 1);
    QCOMPARE(pr.p.aufrufe.at(0).art, QStringLiteral("programmStarten"));
    QCOMPARE(pr.p.aufrufe.at(0).argumente.at(0), chrome);
    QCOMPARE(QFileInfo(pr.p.aufrufe.at(0).argumente.at(1)),
             QFileInfo(pr.ordner.daten(QStringLiteral("Vorschau.html"))));
}

void TestFertigBedienung::vorschau_fehlenderLieblingsbrowser_startetInternetExplorer() {
    Programm pr;
    pr.einstell(QStringLiteral("txtPfadGoChr"), pr.ordner.daten(QStringLiteral("gibtsnicht.exe")));
    pr.einstell(QStringLiteral("txtPfadIE"), QStringLiteral("iexplore.exe"));

    pr.vorschau();

    QCOMPARE(pr.p.aufrufe.size(), 1);
    QCOMPARE(pr.p.aufrufe.at(0).art, QStringLiteral("programmStarten"));
    QCOMPARE(pr.p.aufrufe.at(0).argumente.at(0), QStringLiteral("iexplore.exe"));
}

void TestFertigBedienung::vorschau_browserStartetNicht_meldung999() {
    Programm pr;
    pr.einstell(QStringLiteral("txtPfadGoChr"), QString());
    pr.einstell(QStringLiteral("txtPfadIE"), QStringLiteral("iexplore.exe"));
    pr.p.startErgebnisse.enqueue(false);
    pr.haupt(QStringLiteral("txtArtikelBezVor"), QStringLiteral("Zauberberg"));

    pr.vorschau();

    QCOMPARE(pr.p.fenster.size(), 1);
    QVERIFY(pr.p.fenster.at(0).text.startsWith(QStringLiteral("Test ist zu Zeit nicht möglich\r\n")));
    QCOMPARE(pr.p.fenster.at(0).titel, QStringLiteral("K.O.R.I"));
    QCOMPARE(pr.rtfVorschau()->text(), kopf(QStringLiteral("Zauberberg")) + QStringLiteral("Vorschau"));
}

void TestFertigBedienung::vorschau_fehlendeDatei_wirdAngelegt() {
    Programm pr;
    pr.ordner.entfernen(QStringLiteral("Vorschau.html"));
    pr.haupt(QStringLiteral("txtArtikelBezVor"), QStringLiteral("Zauberberg"));

    pr.vorschau();

    QCOMPARE(pr.ordner.lesen(QStringLiteral("Vorschau.html")),
             w1252(kopf(QStringLiteral("Zauberberg")) + QStringLiteral("Vorschau\r\n")));
}

void TestFertigBedienung::vorschau_dateiNichtSchreibbar_meldungOhneBrowser() {
    Programm pr;
    pr.ordner.entfernen(QStringLiteral("Vorschau.html"));
    QVERIFY(QDir().mkpath(pr.ordner.daten(QStringLiteral("Vorschau.html"))));

    pr.vorschau();

    QCOMPARE(pr.p.fenster.size(), 1);
    QVERIFY(pr.p.fenster.at(0).text.startsWith(
        QStringLiteral("Die Vorschau-Datei kann nicht geschrieben werden:\r\n")));
    QCOMPARE(pr.p.aufrufe.size(), 1);
}

QTEST_MAIN(TestFertigBedienung)
#include "tst_fertigbedienung.moc"
