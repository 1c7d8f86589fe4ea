#include "compose/Listing.h"

#include <QTest>

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString kLupe =
    QStringLiteral("<img src=\"https://grafik.de/kori/Lupe1.gif\" width=\"24\" "
                   "height=\"19\"  border=\"0\" hspace=\"1\" alt=\"Gr&ouml;&szlig;eres Bild\">");
const QString kFuss = QStringLiteral("<font color=\"#ffe7b5\"> Erstellt mit K.O.R.I Vers.Nr.: 4.51 </font>");

ListingEingabe mitVersion() {
    ListingEingabe e;
    e.versionMajor = 4;
    e.versionRevision = 51;
    return e;
}

// The text between the picture-1 tag and the end, for inputs that only touch the upper pictures.
QString obererTeil(const ListingEingabe& e) {
    const QString text = Texte_Verbinden(e).text;
    const QString anfang = QStringLiteral("</span></SPAN>\r\n");
    const qsizetype von = text.indexOf(anfang) + anfang.size();
    return text.mid(von, text.size() - von - 8 * CRLF.size());
}

} // namespace

class TestListing : public QObject {
    Q_OBJECT
private slots:
    void leereEingabe_liefertNurDieFestenTeile();
    void vollstaendigeEingabe_liefertTeileInFesterReihenfolge();
    void bild1Breite_bestimmtRahmen_data();
    void bild1Breite_bestimmtRahmen();
    void bild2_nurMitNamenUndNutzbarenMassen_data();
    void bild2_nurMitNamenUndNutzbarenMassen();
    void versandblock_schneidetHinterMarke_data();
    void versandblock_schneidetHinterMarke();
    void bildBlock_zeileFuerZeile_data();
    void bildBlock_zeileFuerZeile();
    void bildBloecke_nurVorhandeneInReihenfolge();
    void shop_ohneNichtloeschen_liefertFehlerA();
    void shop_bildPlatzhalterNurDavor_liefertFehlerB();
    void shop_setztGekuerztenNamenUndBildEin();
    void fusszeile_nurAmErstenAnker();
    void fusszeile_ohneAnker_teilUnveraendert();
    void aufforderungen_ohneZeilenumbruch();
    void herkunft_nenntTeilOderFeld_data();
    void herkunft_nenntTeilOderFeld();
    void herkunft_deckt_denGanzenText();
};

void TestListing::leereEingabe_liefertNurDieFestenTeile() {
    const ListingErgebnis r = Texte_Verbinden(mitVersion());
    QCOMPARE(r.fehler, ShopFehler::Keiner);
    const QString erwartet = QStringLiteral("  \r\n\r\n\r\n<!---TEST-1--> </span></SPAN>\r\n"
                                            "1\" src=\"\" width=\"\" height=\"") +
                             CRLF.repeated(8);
    QCOMPARE(r.text, erwartet);
}

void TestListing::vollstaendigeEingabe_liefertTeileInFesterReihenfolge() {
    ListingEingabe e = mitVersion();
    e.htmlTeil1 = QStringLiteral("[1]");
    e.aufWasBieten = QStringLiteral("Buch & <b>");
    e.teil2 = QStringLiteral("[T2]");
    e.titel = QStringLiteral("Titel");
    e.untertitel = QStringLiteral("Unter");
    e.teil3 = QStringLiteral("<img border=\"");
    e.bilderPfad = QStringLiteral("http://b/");
    e.bilder[0] = {QStringLiteral("a.jpg"), QStringLiteral("400"), QStringLiteral("300")};
    e.htmlTeil3b = QStringLiteral("\">[3b]");
    e.inhaltAuto = QStringLiteral("[auto]");
    e.htmlTeil3c = QStringLiteral("[3c]");
    e.inhalt = QStringLiteral("[inhalt]");
    e.teil4 = QStringLiteral("[T4]");
    e.hinweisJa = true;
    e.htmlTeil7 = QStringLiteral("[7]");
    e.htmlTeil5 = QStringLiteral("[5]");
    e.einstellVerkaeufer = QStringLiteral(" name ");
    e.htmlTeil6 = QStringLiteral("[6]");
    e.htmlTeil6b = QStringLiteral("[6b]");
    const QString erwartet =
        QStringLiteral("[1] Buch & <b> \r\n[T2]\r\nTitel\r\n<!---TEST-1--> </span></SPAN>\r\n"
                       "<br>Unter\r\n"
                       "<img border=\"1\" src=\"http://b/a.jpg\" width=\"400\" height=\"300\">[3b]\r\n"
                       "[auto]\r\n[3c]\r\n[inhalt]\r\n[T4]\r\n[7]\r\n[5]\r\n name [6]\r\n[6b]\r\n");
    QCOMPARE(Texte_Verbinden(e).text, erwartet);
}

void TestListing::bild1Breite_bestimmtRahmen_data() {
    QTest::addColumn<QString>("breite");
    QTest::addColumn<QString>("rahmen");
    QTest::newRow("eins") << QStringLiteral("1") << QStringLiteral("0\"");
    QTest::newRow("leer") << QString() << QStringLiteral("1\"");
    QTest::newRow("vierhundert") << QStringLiteral("400") << QStringLiteral("1\"");
    QTest::newRow("eins mit Blank") << QStringLiteral("1 ") << QStringLiteral("1\"");
}

void TestListing::bild1Breite_bestimmtRahmen() {
    QFETCH(QString, breite);
    QFETCH(QString, rahmen);
    ListingEingabe e = mitVersion();
    e.teil3 = QStringLiteral("<T3>");
    e.bilder[0] = {QStringLiteral("a.jpg"), breite, QStringLiteral("300")};
    QCOMPARE(obererTeil(e), QStringLiteral("<T3>") + rahmen + QStringLiteral(" src=\"a.jpg\" width=\"") +
                                breite + QStringLiteral("\" height=\"300"));
}

void TestListing::bild2_nurMitNamenUndNutzbarenMassen_data() {
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("breite");
    QTest::addColumn<QString>("hoehe");
    QTest::addColumn<bool>("geschrieben");
    QTest::newRow("alles da") << QStringLiteral("b.jpg") << QStringLiteral("400") << QStringLiteral("300")
                              << true;
    QTest::newRow("ohne Namen") << QString() << QStringLiteral("400") << QStringLiteral("300") << false;
    QTest::newRow("Breite 1") << QStringLiteral("b.jpg") << QStringLiteral("1") << QStringLiteral("300")
                              << false;
    QTest::newRow("Hoehe 1") << QStringLiteral("b.jpg") << QStringLiteral("400") << QStringLiteral("1")
                             << false;
    QTest::newRow("Breite leer") << QStringLiteral("b.jpg") << QString() << QStringLiteral("300") << false;
    QTest::newRow("Hoehe leer") << QStringLiteral("b.jpg") << QStringLiteral("400") << QString() << false;
}

void TestListing::bild2_nurMitNamenUndNutzbarenMassen() {
    QFETCH(QString, datei);
    QFETCH(QString, breite);
    QFETCH(QString, hoehe);
    QFETCH(bool, geschrieben);
    ListingEingabe e = mitVersion();
    e.teil3 = QStringLiteral("<T3>");
    e.bilderPfad = QStringLiteral("B/");
    e.bilder[0] = {QStringLiteral("a.jpg"), QStringLiteral("1"), QStringLiteral("1")};
    e.bilder[1] = {datei, breite, hoehe};
    const QString bild1 = QStringLiteral("<T3>0\" src=\"B/a.jpg\" width=\"1\" height=\"1");
    const QString bild2 = QStringLiteral("\"><T3>1\" src=\"B/") + datei + QStringLiteral("\" width=\"") +
                          breite + QStringLiteral("\" height=\"") + hoehe;
    QCOMPARE(obererTeil(e), geschrieben ? bild1 + bild2 : bild1);
}

void TestListing::versandblock_schneidetHinterMarke_data() {
    QTest::addColumn<QString>("teil1");
    QTest::addColumn<QString>("kopf");
    QTest::newRow("mit Marke") << QStringLiteral("<table><!---ZUSATZINFO_START---><tr>rest")
                               << QStringLiteral(
                                      "<table><!---ZUSATZINFO_START--->|V|<TR><TD>~</TD></TR><tr>rest");
    QTest::newRow("Marke zweimal") << QStringLiteral("<!---ZUSATZINFO_START--->x<!---ZUSATZINFO_START--->")
                                   << QStringLiteral("<!---ZUSATZINFO_START--->|V|<TR><TD>~</TD></TR>x"
                                                     "<!---ZUSATZINFO_START--->");
    QTest::newRow("ohne Marke nach 24 Zeichen")
        << QStringLiteral("abcdefghijklmnopqrstuvwxyz")
        << QStringLiteral("abcdefghijklmnopqrstuvwx|V|<TR><TD>~</TD></TR>yz");
    QTest::newRow("kurz ohne Marke") << QStringLiteral("kurz")
                                     << QStringLiteral("kurz|V|<TR><TD>~</TD></TR>");
}

void TestListing::versandblock_schneidetHinterMarke() {
    QFETCH(QString, teil1);
    QFETCH(QString, kopf);
    ListingEingabe e = mitVersion();
    e.versandInfoJa = true;
    e.htmlTeil0a = QStringLiteral("|");
    e.versandkosten = QStringLiteral("V");
    e.htmlTeil0b = QStringLiteral("|");
    e.versandArt = QString();
    e.htmlTeil0c = QString();
    e.htmlTeil0d = QString();
    e.farbverlauf = QStringLiteral("~");
    e.htmlTeil1 = teil1;
    e.aufWasBieten = QStringLiteral("X");
    const QString text = Texte_Verbinden(e).text;
    QCOMPARE(text.left(text.indexOf(QStringLiteral(" X \r\n"))), kopf);
}

void TestListing::bildBlock_zeileFuerZeile_data() {
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("grafikPfad");
    QTest::addColumn<QStringList>("zeilen");
    const QString bild =
        QStringLiteral("<IMG border=\"1\" src=\"B/p.jpg\" width=\"400\" height=\"300\"><br>");
    const QString tabelle = QStringLiteral(
        "<table align=\"center\" width=\"18%\"  border=\"0\" cellspacing=\"1\" cellpadding=\"1\">");
    const QString link = QStringLiteral("<a href=\"B/p.jpg\"target=\"_blank\">");
    QTest::newRow("Bild 3")
        << 3 << QStringLiteral("https://grafik.de/kori")
        << QStringList{QStringLiteral("<br><!-----Bild 3------>"),
                       QStringLiteral("<!-------------------->"),
                       QStringLiteral("<div align=\"center\">"),
                       bild,
                       tabelle,
                       QStringLiteral("<tr><td width=\"49\" align=\"center\"> "),
                       link + kLupe + QStringLiteral("</a>"),
                       QStringLiteral("</td>"),
                       QStringLiteral("<td nowrap width=\"84\" style=\"vertical-align:middle;\">"),
                       link + QStringLiteral("Gr&ouml;&szlig;eres Bild</a></td></tr></table></div>"),
                       QStringLiteral("<!-------------------->"),
                       QStringLiteral("<!---ENDE Bild 3------>")};
    for (int n : {4, 5}) {
        QTest::addRow("Bild %d", n)
            << n << QStringLiteral("https://grafik.de/kori/")
            << QStringList{
                   QStringLiteral("<br><!-----Bild 4------>"),
                   QStringLiteral("<!-------------------->"),
                   QStringLiteral("<div align=\"center\">"),
                   bild,
                   tabelle,
                   QStringLiteral("<tr><td width=\"49\" align=\"center\" style=\"vertical-align:middle;\"> "),
                   link + kLupe + QStringLiteral(" </a>"),
                   QStringLiteral("</td>"),
                   QStringLiteral("<td nowrap  width=\"84\">"),
                   link + QStringLiteral("Gr&ouml;&szlig;eres Bild </a></td></tr></table></div>"),
                   QStringLiteral("<!-------------------->"),
                   QStringLiteral("<!---ENDE Bild %1------>").arg(n)};
    }
    QTest::newRow("Bild 3 ohne Grafikpfad")
        << 3 << QString()
        << QStringList{QStringLiteral("<br><!-----Bild 3------>"),
                       QStringLiteral("<!-------------------->"),
                       QStringLiteral("<div align=\"center\">"),
                       bild,
                       tabelle,
                       QStringLiteral("<tr><td width=\"49\" align=\"center\"> "),
                       link + QStringLiteral("</a>"),
                       QStringLiteral("</td>"),
                       QStringLiteral("<td nowrap width=\"84\" style=\"vertical-align:middle;\">"),
                       link + QStringLiteral("Gr&ouml;&szlig;eres Bild</a></td></tr></table></div>"),
                       QStringLiteral("<!-------------------->"),
                       QStringLiteral("<!---ENDE Bild 3------>")};
}

void TestListing::bildBlock_zeileFuerZeile() {
    QFETCH(int, nummer);
    QFETCH(QString, grafikPfad);
    QFETCH(QStringList, zeilen);
    ListingEingabe e = mitVersion();
    e.grafikPfad = grafikPfad;
    e.bilderPfad = QStringLiteral("B/");
    e.teil4 = QStringLiteral("[T4]");
    e.htmlTeil5 = QStringLiteral("[5]");
    e.bilder[nummer - 1] = {QStringLiteral("p.jpg"), QStringLiteral("400"), QStringLiteral("300")};
    e.bildVorhanden[nummer - 3] = true;
    const QString text = Texte_Verbinden(e).text;
    const qsizetype von = text.indexOf(QStringLiteral("[T4]\r\n")) + 6;
    const qsizetype bis = text.indexOf(QStringLiteral("[5]\r\n"));
    QCOMPARE(text.mid(von, bis - von), zeilen.join(CRLF) + CRLF);
}

void TestListing::bildBloecke_nurVorhandeneInReihenfolge() {
    ListingEingabe e = mitVersion();
    for (int i = 2; i < 5; ++i) {
        e.bilder[i] = {QStringLiteral("p%1.jpg").arg(i + 1), QStringLiteral("400"), QStringLiteral("300")};
    }
    e.bildVorhanden = {true, false, true};
    const QString text = Texte_Verbinden(e).text;
    QCOMPARE(text.count(QStringLiteral("<!---ENDE Bild")), 2);
    const qsizetype drei = text.indexOf(QStringLiteral("<!---ENDE Bild 3------>"));
    const qsizetype fuenf = text.indexOf(QStringLiteral("<!---ENDE Bild 5------>"));
    QVERIFY(drei >= 0 && fuenf > drei);
    QVERIFY(!text.contains(QStringLiteral("p4.jpg")));
    QVERIFY(text.contains(QStringLiteral("src=\"p5.jpg\"")));
}

void TestListing::shop_ohneNichtloeschen_liefertFehlerA() {
    ListingEingabe e = mitVersion();
    e.shopJa = true;
    e.htmlShop = QStringLiteral("<a href=\"http://x/\"><img src=\"PfadZumShopBild\"></a>");
    const ListingErgebnis r = Texte_Verbinden(e);
    QCOMPARE(r.fehler, ShopFehler::A);
    QVERIFY(r.text.isEmpty());
    QCOMPARE(
        r.fehlerText(),
        QStringLiteral("Der Link bei Shopeinstellungen (unter: \"Extras / Vorlage bearbeiten / Teil 8\")\r\n"
                       "muss am Ende \"nichtloeschen\" haben!\r\n"
                       "es muss lauten: \"https://stores.ebay.de/merchant/nichtloeschen\"\r\n"
                       "und darf nicht geändert werden!"));
}

void TestListing::shop_bildPlatzhalterNurDavor_liefertFehlerB() {
    ListingEingabe e = mitVersion();
    e.shopJa = true;
    e.htmlShop = QStringLiteral("<img src=\"PfadZumShopBild\"><a href=\"http://x/nichtloeschen\">");
    const ListingErgebnis r = Texte_Verbinden(e);
    QCOMPARE(r.fehler, ShopFehler::B);
    QVERIFY(r.text.isEmpty());
    QCOMPARE(
        r.fehlerText(),
        QStringLiteral("Der Link bei Shopeinstellungen (unter: \"Extras / Vorlage bearbeiten / Teil 8\")\r\n"
                       "muss \"PfadZumShopBild\" heißen!\r\n"
                       "es muss lauten: \"https://stores.ebay.de/merchant/nichtloeschen\"\r\n"
                       "es muss lauten: \"<img src=\"\"PfadZumShopBild\"\"\r\n"
                       "und darf nicht geändert werden!"));
}

void TestListing::shop_setztGekuerztenNamenUndBildEin() {
    ListingEingabe e = mitVersion();
    e.shopJa = true;
    e.verkaeuferName = QStringLiteral("  Hausverkauf-1 ");
    e.einstellVerkaeufer = QStringLiteral("  Hausverkauf-1 ");
    e.htmlTeil6 = QStringLiteral("[6]");
    e.shopBildPfad = QStringLiteral("http://bild/shop.jpg");
    e.htmlShop = QStringLiteral("<a href=\"http://h/nichtloeschen\"><img src=\"PfadZumShopBild\"></a>");
    const ListingErgebnis r = Texte_Verbinden(e);
    QCOMPARE(r.fehler, ShopFehler::Keiner);
    QVERIFY(r.text.endsWith(
        QStringLiteral("\r\n  Hausverkauf-1 [6]\r\n"
                       "<a href=\"http://h/Hausverkauf-1\"><img src=\"http://bild/shop.jpg\"></a>\r\n"
                       "\r\n")));
}

void TestListing::fusszeile_nurAmErstenAnker() {
    ListingEingabe e = mitVersion();
    e.htmlTeil6b = QStringLiteral("a</DIV></TD>b</DIV></TD>c");
    QVERIFY(Texte_Verbinden(e).text.endsWith(QStringLiteral("\r\na</DIV>") + kFuss +
                                             QStringLiteral("</TD>b</DIV></TD>c\r\n")));
}

void TestListing::fusszeile_ohneAnker_teilUnveraendert() {
    ListingEingabe e = mitVersion();
    e.htmlTeil6b = QStringLiteral("a</div></td>b");
    const QString text = Texte_Verbinden(e).text;
    QVERIFY(text.endsWith(QStringLiteral("\r\na</div></td>b\r\n")));
    QVERIFY(!text.contains(QStringLiteral("Erstellt mit")));
}

void TestListing::aufforderungen_ohneZeilenumbruch() {
    ListingEingabe e = mitVersion();
    e.inhalt = QStringLiteral("[inhalt]");
    e.teil4 = QStringLiteral("[T4]");
    e.aufforderung1Ja = false;
    e.aufforderung1 = QStringLiteral("eins");
    e.aufforderung2Ja = true;
    e.aufforderung2 = QStringLiteral("zwei");
    QVERIFY(Texte_Verbinden(e).text.contains(QStringLiteral(
        "[inhalt]\r\n<br><br><strong style=\"color:#000066;font-size: 14px;\">zwei</strong>[T4]\r\n")));
}

namespace {

// Every part and field holds a text of its own, so a position names exactly one of them.
ListingEingabe alleTeileBenannt() {
    ListingEingabe e = mitVersion();
    e.versandInfoJa = true;
    e.htmlTeil1 = QStringLiteral("[teil1]<!---ZUSATZINFO_START--->[teil1 rest]");
    e.htmlTeil0a = QStringLiteral("[0a]");
    e.versandkosten = QStringLiteral("[kosten]");
    e.htmlTeil0b = QStringLiteral("[0b]");
    e.versandArt = QStringLiteral("[art]");
    e.htmlTeil0c = QStringLiteral("[0c]");
    e.htmlTeil0d = QStringLiteral("[0d]");
    e.farbverlauf = QStringLiteral("[farbe]");
    e.aufWasBieten = QStringLiteral("[bieten]");
    e.teil2 = QStringLiteral("[T2]");
    e.titel = QStringLiteral("[titel]");
    e.untertitel = QStringLiteral("[unter]");
    e.teil3 = QStringLiteral("[T3]<img border=\"");
    e.bilderPfad = QStringLiteral("[pfad]/");
    e.bilder[0] = {QStringLiteral("[eins].jpg"), QStringLiteral("400"), QStringLiteral("300")};
    e.bilder[1] = {QStringLiteral("[zwei].jpg"), QStringLiteral("401"), QStringLiteral("301")};
    e.bilder[3] = {QStringLiteral("[vier].jpg"), QStringLiteral("402"), QStringLiteral("302")};
    e.bildVorhanden = {false, true, false};
    e.grafikPfad = QStringLiteral("[grafik]");
    e.htmlTeil3b = QStringLiteral("[3b]");
    e.inhaltAuto = QStringLiteral("[auto]");
    e.inhaltAutoHerkunft = QStringLiteral("Buch-Tabelle");
    e.htmlTeil3c = QStringLiteral("[3c]");
    e.inhalt = QStringLiteral("[inhalt]");
    e.aufforderung2Ja = true;
    e.aufforderung2 = QStringLiteral("[kaufen]");
    e.teil4 = QStringLiteral("[T4]");
    e.hinweisJa = true;
    e.htmlTeil7 = QStringLiteral("[verst]");
    e.htmlTeil5 = QStringLiteral("[5]");
    e.einstellVerkaeufer = QStringLiteral("[name]");
    e.htmlTeil6 = QStringLiteral("[6]");
    e.shopJa = true;
    e.verkaeuferName = QStringLiteral("[shopname]");
    e.shopBildPfad = QStringLiteral("[shopbild]");
    e.htmlShop = QStringLiteral("[shop]nichtloeschen[shop mitte]PfadZumShopBild[shop ende]");
    e.htmlTeil6b = QStringLiteral("[6b]</DIV></TD>[6b ende]");
    return e;
}

} // namespace

void TestListing::herkunft_nenntTeilOderFeld_data() {
    QTest::addColumn<QString>("stelle");
    QTest::addColumn<QString>("herkunft");
    const auto zeile = [](const char* stelle, const char* herkunft) {
        QTest::newRow(stelle) << QString::fromUtf8(stelle) << QString::fromUtf8(herkunft);
    };
    zeile("[teil1]", "HTML_Code/HTML_text-1.txt");
    zeile("[teil1 rest]", "HTML_Code/HTML_text-1.txt");
    zeile("[0a]", "HTML_Code/HTML_text-0a.txt");
    zeile("[kosten]", "Versandkosten");
    zeile("[0b]", "HTML_Code/HTML_text-0b.txt");
    zeile("[art]", "Versand-Art");
    zeile("[0c]", "HTML_Code/HTML_text-0c.txt");
    zeile("[0d]", "HTML_Code/HTML_text-0d.txt");
    zeile("[farbe]", "Farbverlauf");
    zeile("<TR><TD>", "K.O.R.I");
    zeile("[bieten]", "Sie bieten auf");
    zeile("[T2]", "Vorlage.Ini TEIL2");
    zeile("[titel]", "Titel");
    zeile("<!---TEST-1-->", "K.O.R.I");
    zeile("[unter]", "Untertitel");
    zeile("[T3]", "Vorlage.Ini TEIL3");
    zeile("[pfad]/", "Internet-Pfad für Zusatzbilder");
    zeile("[eins].jpg", "Bild 1");
    zeile("400", "Bild 1");
    zeile("[zwei].jpg", "Bild 2");
    zeile("301", "Bild 2");
    zeile("[3b]", "HTML_Code/HTML_text-3b.txt");
    zeile("[auto]", "Buch-Tabelle");
    zeile("[3c]", "HTML_Code/HTML_text-3c.txt");
    zeile("[inhalt]", "Weitere Beschreibung");
    zeile("[kaufen]", "Kaufaufforderung 2");
    zeile("<br><br><strong", "K.O.R.I");
    zeile("[T4]", "Vorlage.Ini TEIL4");
    zeile("<br><!-----Bild 4", "Bild 4");
    zeile("[vier].jpg\"target", "Bild 4");
    zeile("302", "Bild 4");
    zeile("[grafik]/Lupe1.gif", "Internet-Pfad für Grafiken");
    zeile("\" width=\"24\"", "Bild 4");
    zeile("<!---ENDE Bild 4", "Bild 4");
    zeile("[verst]", "HTML_Code/HTML_text-verst.txt");
    zeile("[5]", "HTML_Code/HTML_text-5.txt");
    zeile("[name]", "Mein Ebay-Name");
    zeile("[6]", "HTML_Code/HTML_text-6.txt");
    zeile("[shop]", "HTML_Code/HTML_text-shopAktuell.txt");
    zeile("[shopname]", "Mein Ebay-Name");
    zeile("[shop mitte]", "HTML_Code/HTML_text-shopAktuell.txt");
    zeile("[shopbild]", "Internet-Pfad für Shop-Bild");
    zeile("[shop ende]", "HTML_Code/HTML_text-shopAktuell.txt");
    zeile("[6b]", "HTML_Code/HTML_text-6b.txt");
    zeile("Erstellt mit", "K.O.R.I");
    zeile("[6b ende]", "HTML_Code/HTML_text-6b.txt");
}

void TestListing::herkunft_nenntTeilOderFeld() {
    QFETCH(QString, stelle);
    QFETCH(QString, herkunft);
    const ListingErgebnis r = Texte_Verbinden(alleTeileBenannt());
    const qsizetype von = r.text.indexOf(stelle);
    QVERIFY2(von >= 0, qPrintable(stelle));
    QCOMPARE(HerkunftAn(r.herkunft, von), herkunft);
    QCOMPARE(HerkunftAn(r.herkunft, von + stelle.size() - 1), herkunft);
}

void TestListing::herkunft_deckt_denGanzenText() {
    const ListingErgebnis r = Texte_Verbinden(alleTeileBenannt());
    qsizetype weiter = 0;
    for (const ListingStueck& s : r.herkunft) {
        QCOMPARE(s.start, weiter);
        QVERIFY(s.laenge > 0);
        weiter += s.laenge;
    }
    QCOMPARE(weiter, r.text.size());
    QCOMPARE(HerkunftAn(r.herkunft, -1), QString());
    QCOMPARE(HerkunftAn(r.herkunft, r.text.size()), QString());
}

QTEST_GUILESS_MAIN(TestListing)
#include "tst_listing.moc"
