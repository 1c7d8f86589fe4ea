#include "support/FensterTest.h"
#include "ui/RichTextFeld.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmLink.h"
#include "ui/frmVorlIni.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kMarke = QStringLiteral("____ OHNE Bild____");

QString zelle(const QString& label, const QString& wert) {
    return QStringLiteral("<td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>"
                          "<td><div align=\"left\" class=\"Stil4\"><strong>") +
           label + QStringLiteral("</strong></div></td><td align=\"left\">") + wert;
}

QString erwarteteTabelle() {
    const QString trenner = QStringLiteral("</td>\r\n</tr><tr>");
    return QStringLiteral("<table width=\"70%\" border=\"0\">\r\n<tr>") +
           zelle(QStringLiteral("Verlag:"), QStringLiteral("Markt+Technik")) + trenner +
           zelle(QStringLiteral("Autor:"), QStringLiteral("Martina Mustermann")) + trenner +
           zelle(QStringLiteral("Art:"), QStringLiteral("Gebundene Ausgabe")) + trenner +
           zelle(QStringLiteral("Abmasse:"), QStringLiteral("22 cm x 17 cm x 3 cm")) + trenner +
           zelle(QStringLiteral("Genre:"), QStringLiteral("Informatik Programmierung")) + trenner +
           zelle(QStringLiteral("Anzahl Seiten:"), QStringLiteral("365")) + trenner +
           zelle(QStringLiteral("Gewicht:"), QStringLiteral("800 Gram")) + trenner +
           zelle(QStringLiteral("Zustand:"),
                 QStringLiteral("wie neu, weil ungelesen, ohne Gebrauchsspuren")) +
           QStringLiteral("</td></tr></table>\r\n");
}

const QString kBeschreibung = QStringLiteral("           Die Beschreibung ist sehr wichtig\r\n"
                                             "                 Der Inhalt wird \r\n"
                                             "              genauso bei Ebay erscheinen\r\n"
                                             "         wie Sie es hier eingegeben haben\r\n"
                                             "Beschreibung: siehe die CD-Hülle weiter unten.\r\n");

const QString kLinkBlock = QStringLiteral(
    "<!-------- LINK START --------->\r\n"
    "<div align=\"center\">\r\n"
    "<a href=\"https://www.example.com/t-w/ebay_tw/zusatzbilder/test-vorschau.JPG\" target=\"_blank\">\r\n"
    "<img src=\"https://www.example.com/t-w/ebay_tw/zusatzbilder/ZurVorschau.jpg\" alt=\"zur Vorschau\" "
    "border=\"0\"></a>\r\n"
    "<a href=\"https://www.example.com/t-w/ebay_tw/zusatzbilder/test-vorschau.JPG\" target=\"_blank\">\r\n"
    "zur Vorschau</a></div><!-------- LINK ENDE ---------><br>\r\n");

// Fields the samples never touch, with a value set before the menu runs.
const QStringList kFremdeTexte{QStringLiteral("txtEbayBildPfad_b"), QStringLiteral("txtEbayBildPfad2_b"),
                               QStringLiteral("txtEbayBildPfad2_c"), QStringLiteral("txtArtikelBezVor")};

} // namespace

class TestMenueBedienung : public FensterTest {
    Q_OBJECT
public:
    TestMenueBedienung() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void datenTest_fuelltFeld_data();
    void datenTest_fuelltFeld();
    void datenOhne_fuelltFeld_data();
    void datenOhne_fuelltFeld();
    void datenOhne_laesstUntertitelBilderUndLinkStehen();
    void beispiele_lassenAndereFelderStehen_data();
    void beispiele_lassenAndereFelderStehen();
    void datenTest_liestShopteilNeuUndUebernimmtGebotszeile();
    void ohneBild_zweimal_stelltTitelGenauWiederHer();
    void ohneBild_titelOhneMarke_bleibtBeimAusschalten();
    void variablen_zeigtFuenfBildpfade();
    void htmlLoeschen_leertUndSperrt();
    void htmlEinfuegen_machtEditierbarUndBehaeltText();
    void link1_oeffnetLinkfensterMitZiel1();
    void einstellungen_ausMenue_merktHerkunftUndZeigt();
    void vorlagenBearbeiten_zeigtEditor();
    void koriOrdner_oeffnetDatenordner();
    void eintraegeOhneAktion_tunNichts_data();
    void eintraegeOhneAktion_tunNichts();

private:
    template <class T> T* el(const QString& name) const { return haupt<T>(name); }
    QString feldText(const QString& name) const;
    // A menu entry or a button of the main window, chosen as the seller does: a button from its page.
    void ausloesen(const QString& name) const;
};

QString TestMenueBedienung::feldText(const QString& name) const {
    QObject* o = el<QObject>(name);
    if (auto* t = qobject_cast<QLineEdit*>(o)) {
        return t->text();
    }
    if (auto* c = qobject_cast<QComboBox*>(o)) {
        return c->currentText();
    }
    return qobject_cast<RichTextFeld*>(o)->text();
}

void TestMenueBedienung::ausloesen(const QString& name) const {
    if (qobject_cast<QAction*>(el<QObject>(name)) != nullptr) {
        menue(app().frmHaupt(), name);
    } else {
        seiteMit(name);
        klicken(name);
    }
}

void TestMenueBedienung::datenTest_fuelltFeld_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Bezeichnung") << "txtArtikelBez"
                                 << "Dream Dance Vol. 7 Original + mp3 TOP! anschauen!";
    QTest::newRow("Titel mit zwei Blanks") << "txtTitel"
                                           << "Test Dream Dance Vol. 7  Test";
    QTest::newRow("Untertitel") << "txtUntertittel"
                                << "Musik die begeistert!";
    QTest::newRow("Bild 1") << "txtEbayBildPfad"
                            << "test-V.JPG";
    QTest::newRow("Bild 3") << "txtEbayBildPfad2"
                            << "test-H.JPG";
    QTest::newRow("Bildhöhe") << "txtBildHohe"
                              << "400";
    QTest::newRow("Buchtabelle") << "rtfInhaltAuto" << erwarteteTabelle();
    QTest::newRow("Beschreibung") << "rtfInhalt" << kBeschreibung;
    QTest::newRow("Link") << "rtfLink" << kLinkBlock;
}

void TestMenueBedienung::datenTest_fuelltFeld() {
    QFETCH(QString, feld);
    QFETCH(QString, erwartet);
    el<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(QStringLiteral("alt"));
    el<RichTextFeld>(QStringLiteral("rtfLink"))->setText(QStringLiteral("alter Link"));
    ausloesen(QStringLiteral("mnuDatenTest"));
    QCOMPARE(feldText(feld), erwartet);
}

void TestMenueBedienung::datenOhne_fuelltFeld_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Bezeichnung") << "txtArtikelBez"
                                 << "Power für die Jugend Motivation Selbstvertrauen TOP!";
    QTest::newRow("Titel") << "txtTitel"
                           << "Test Power für die Jugend Test";
    QTest::newRow("Automatisch leer") << "rtfInhaltAuto"
                                      << "";
    QTest::newRow("Beschreibung leer") << "rtfInhalt"
                                       << "";
}

void TestMenueBedienung::datenOhne_fuelltFeld() {
    QFETCH(QString, feld);
    QFETCH(QString, erwartet);
    ausloesen(QStringLiteral("mnuDatenTest"));
    ausloesen(QStringLiteral("mnutestDatenohne"));
    QCOMPARE(feldText(feld), erwartet);
}

void TestMenueBedienung::datenOhne_laesstUntertitelBilderUndLinkStehen() {
    ausloesen(QStringLiteral("mnuDatenTest"));
    ausloesen(QStringLiteral("mnutestDatenohne"));
    QCOMPARE(feldText(QStringLiteral("txtUntertittel")), QStringLiteral("Musik die begeistert!"));
    QCOMPARE(feldText(QStringLiteral("txtEbayBildPfad")), QStringLiteral("test-V.JPG"));
    QCOMPARE(feldText(QStringLiteral("txtBildHohe")), QStringLiteral("400"));
    QCOMPARE(feldText(QStringLiteral("rtfLink")), kLinkBlock);
}

void TestMenueBedienung::beispiele_lassenAndereFelderStehen_data() {
    QTest::addColumn<QString>("menue");
    QTest::newRow("mit allen Zusätzen") << "mnuDatenTest";
    QTest::newRow("ohne Beschreibung") << "mnutestDatenohne";
}

void TestMenueBedienung::beispiele_lassenAndereFelderStehen() {
    QFETCH(QString, menue);
    for (const QString& name : kFremdeTexte) {
        el<QLineEdit>(name)->setText(QStringLiteral("bleibt ") + name);
    }
    el<QComboBox>(QStringLiteral("txtBildLaenge"))->setCurrentText(QStringLiteral("325"));
    el<QComboBox>(QStringLiteral("cboVersandkosten"))->setCurrentText(QStringLiteral("4,70"));
    ausloesen(menue);
    for (const QString& name : kFremdeTexte) {
        QCOMPARE(feldText(name), QStringLiteral("bleibt ") + name);
    }
    QCOMPARE(feldText(QStringLiteral("txtBildLaenge")), QStringLiteral("325"));
    QCOMPARE(feldText(QStringLiteral("cboVersandkosten")), QStringLiteral("4,70"));
    QCOMPARE(app().zustand().artikelArt, QStringLiteral("Buch"));
}

void TestMenueBedienung::datenTest_liestShopteilNeuUndUebernimmtGebotszeile() {
    auto* shop = element<RichTextFeld>(app().frmVorlIni(), QStringLiteral("html_shop"));
    ordner().schreiben(QStringLiteral("HTML_Code/HTML_text-shopAktuell.txt"),
                       w1252(QStringLiteral("<p>Shop für Bücher</p>\r\n")));
    shop->setText(QStringLiteral("verändert"));
    el<QLineEdit>(QStringLiteral("txtAufWasBiten"))->setText(QStringLiteral("alt"));
    ausloesen(QStringLiteral("mnuDatenTest"));
    QVERIFY2(shop->text().startsWith(QStringLiteral("<p>Shop für Bücher</p>")), qPrintable(shop->text()));
    const QString gebot = feldText(QStringLiteral("txtAufWasBiten"));
    QVERIFY(gebot != QStringLiteral("alt"));
    QVERIFY2(gebot.contains(QStringLiteral("Buch")), qPrintable(gebot));
}

void TestMenueBedienung::ohneBild_zweimal_stelltTitelGenauWiederHer() {
    FrmHaupt& haupt = app().frmHaupt();
    auto* eintrag = el<QAction>(QStringLiteral("mnuOhneBild"));
    auto* bild1 = el<QCheckBox>(QStringLiteral("chkBil1JaNEin"));
    const QString vorher = haupt.windowTitle();
    QCOMPARE(eintrag->text(), QStringLiteral("Expres ohne Bild"));
    bild1->setChecked(true);

    menue(haupt, QStringLiteral("mnuOhneBild"));
    QVERIFY(app().zustand().ohneBildModus);
    QCOMPARE(haupt.windowTitle(), vorher + kMarke);
    QCOMPARE(eintrag->text(), QStringLiteral("mit Bild"));
    QVERIFY(eintrag->isChecked());
    QVERIFY(!bild1->isChecked());

    menue(haupt, QStringLiteral("mnuOhneBild"));
    QVERIFY(!app().zustand().ohneBildModus);
    QCOMPARE(haupt.windowTitle(), vorher);
    QCOMPARE(eintrag->text(), QStringLiteral("ohne Bild"));
    QVERIFY(!eintrag->isChecked());
    QVERIFY(bild1->isChecked());
}

void TestMenueBedienung::ohneBild_titelOhneMarke_bleibtBeimAusschalten() {
    FrmHaupt& haupt = app().frmHaupt();
    menue(haupt, QStringLiteral("mnuOhneBild"));
    haupt.setWindowTitle(QStringLiteral("Ein Titel ohne die Marke, lang genug"));
    menue(haupt, QStringLiteral("mnuOhneBild"));
    QCOMPARE(haupt.windowTitle(), QStringLiteral("Ein Titel ohne die Marke, lang genug"));
}

void TestMenueBedienung::variablen_zeigtFuenfBildpfade() {
    app().zustand().bildPfade = {QStringLiteral("C:\\a.jpg"), QString(), QStringLiteral("/b/c.gif"),
                                 QString(), QStringLiteral("e f.jpg")};
    ausloesen(QStringLiteral("mnuVariblen"));
    QCOMPARE(plattform().fenster.size(), 1);
    const SkriptPlattform::Fenster& f = plattform().fenster.constFirst();
    QCOMPARE(f.text, QStringLiteral("Bildpfad1: C:\\a.jpg\r\nBildpfad2: \r\nBildpfad3: /b/c.gif\r\n"
                                    "Bildpfad4: \r\nBildpfad5: e f.jpg"));
    QCOMPARE(f.symbol, Plattform::Symbol::Keins);
    QCOMPARE(f.knoepfe, Plattform::Knoepfe::Ok);
    QCOMPARE(f.titel, QStringLiteral("K.O.R.I"));
}

void TestMenueBedienung::htmlLoeschen_leertUndSperrt() {
    auto* feld = el<RichTextFeld>(QStringLiteral("rtfInhaltAuto"));
    feld->setReadOnly(false);
    feld->setText(QStringLiteral("<b>Tabelle</b>\r\n"));
    ausloesen(QStringLiteral("cmdHtmlLoschen"));
    QCOMPARE(feld->text(), QString());
    QVERIFY(feld->isReadOnly());
    QCOMPARE(feld->hintergrund(), QColor(0xFF, 0xE0, 0xC0));
}

void TestMenueBedienung::htmlEinfuegen_machtEditierbarUndBehaeltText() {
    auto* feld = el<RichTextFeld>(QStringLiteral("rtfInhaltAuto"));
    ausloesen(QStringLiteral("cmdHtmlLoschen"));
    feld->setText(QStringLiteral("bleibt\r\n"));
    ausloesen(QStringLiteral("cmdHtmlEinfugen"));
    QCOMPARE(feld->text(), QStringLiteral("bleibt\r\n"));
    QVERIFY(!feld->isReadOnly());
    QCOMPARE(feld->hintergrund(), QApplication::palette().color(QPalette::Base));
}

void TestMenueBedienung::link1_oeffnetLinkfensterMitZiel1() {
    app().zustand().linkZiel = QStringLiteral("2");
    ausloesen(QStringLiteral("cmdLink1"));
    QCOMPARE(app().zustand().linkZiel, QStringLiteral("1"));
    QVERIFY(app().frmLink().isVisible());
}

void TestMenueBedienung::einstellungen_ausMenue_merktHerkunftUndZeigt() {
    app().zustand().einstellVomMenue = false;
    ausloesen(QStringLiteral("mnuEinstBearb"));
    QVERIFY(app().zustand().einstellVomMenue);
    QVERIFY(app().frmEinstell().isVisible());
}

void TestMenueBedienung::vorlagenBearbeiten_zeigtEditor() {
    ausloesen(QStringLiteral("mnuVorlBearb"));
    QVERIFY(app().frmVorlIni().isVisible());
    QCOMPARE(app().frmVorlIni().windowModality(), Qt::WindowModal);
}

void TestMenueBedienung::koriOrdner_oeffnetDatenordner() {
    ausloesen(QStringLiteral("mnuKoriOrdnerOpen"));
    QCOMPARE(plattform().aufrufe.size(), 1);
    const QString geoeffnet = plattform().aufrufe.constFirst().argumente.constLast();
    QCOMPARE(QDir::cleanPath(QDir::fromNativeSeparators(geoeffnet)), QDir::cleanPath(ordner().daten()));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestMenueBedienung::eintraegeOhneAktion_tunNichts_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Verkauf vorbereiten") << "mnuVerkVorbe";
    QTest::newRow("1-Blau") << "mnuVorlBlau";
    QTest::newRow("2-Grün") << "mnuVorlGruen";
    QTest::newRow("Artikellink 1") << "Command7";
    QTest::newRow("Artikellink 2") << "Command8";
    QTest::newRow("Html-Code generiren") << "cmdZusatzlinksCode";
}

void TestMenueBedienung::eintraegeOhneAktion_tunNichts() {
    QFETCH(QString, name);
    const QString titel = app().frmHaupt().windowTitle();
    ausloesen(name);
    QVERIFY(plattform().aufrufe.isEmpty());
    QCOMPARE(app().frmHaupt().windowTitle(), titel);
    QVERIFY(!app().frmLink().isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(TestMenueBedienung)
#include "tst_menuebedienung.moc"
