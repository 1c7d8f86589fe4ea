#include "compose/Kurzfassung.h"
#include "compose/LiveSeite.h"

#include <QTest>

class TestLiveSeite : public QObject {
    Q_OBJECT
private slots:
    void bildVorhanden_wieDerAbschluss_data();
    void bildVorhanden_wieDerAbschluss();
    void platzhalter_groesseAusDemTag_data();
    void platzhalter_groesseAusDemTag();
    void platzhalter_textUmDieBilderBleibt();
    void seite_bilderNurWennErlaubt();
    void stand_shopFehler_behaeltSeiteUndNenntGrund();
    void stand_zuGross_behaeltSeite();
    void stand_gut_seiteUndGroesse();
    void stand_nenntBefunde();
    void handy_zeigtWasDieAppZeigt();
};

void TestLiveSeite::bildVorhanden_wieDerAbschluss_data() {
    QTest::addColumn<bool>("ja");
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("breite");
    QTest::addColumn<bool>("vorhanden");
    QTest::newRow("angehakt mit Datei") << true << QStringLiteral("a.jpg") << QStringLiteral("300") << true;
    // The finish marks the row before it looks at the sizes.
    QTest::newRow("angehakt, Breite 1") << true << QStringLiteral("a.jpg") << QStringLiteral("1") << true;
    QTest::newRow("angehakt ohne Datei") << true << QString() << QStringLiteral("300") << false;
    QTest::newRow("nicht angehakt") << false << QStringLiteral("a.jpg") << QStringLiteral("300") << false;
}

void TestLiveSeite::bildVorhanden_wieDerAbschluss() {
    QFETCH(bool, ja);
    QFETCH(QString, datei);
    QFETCH(QString, breite);
    QFETCH(bool, vorhanden);
    for (std::size_t zeile = 2; zeile < 5; ++zeile) {
        std::array<PruefBildzeile, 5> bilder;
        // Rows 1 and 2, even broken, do not stop the preview as they stop the finish.
        bilder[0] = {true, QString(), QString(), QString()};
        bilder.at(zeile) = {ja, datei, breite, QStringLiteral("200")};
        std::array<bool, 3> erwartet{false, false, false};
        erwartet.at(zeile - 2) = vorhanden;
        QCOMPARE(LiveBildVorhanden(bilder), erwartet);
    }
}

void TestLiveSeite::platzhalter_groesseAusDemTag_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("stil");
    QTest::newRow("wie das Listing ihn baut")
        << QStringLiteral("<img border=\"1\" src=\"https://h/a.jpg\" width=\"300\" height=\"200\">")
        << QStringLiteral("width:300px;aspect-ratio:300/200;");
    QTest::newRow("gross geschrieben, ohne Anfuehrung")
        << QStringLiteral("<IMG SRC=x.jpg WIDTH=24 HEIGHT=19>")
        << QStringLiteral("width:24px;aspect-ratio:24/19;");
    QTest::newRow("einfache Anfuehrung, px")
        << QStringLiteral("<img width='640px' height='480px' src='b.jpg'>")
        << QStringLiteral("width:640px;aspect-ratio:640/480;");
    QTest::newRow("ohne Groesse") << QStringLiteral("<img src=\"c.jpg\">")
                                  << QStringLiteral("width:160px;aspect-ratio:160/120;");
    QTest::newRow("leere und null Groessen") << QStringLiteral("<img width=\"\" height=\"0\" src=\"c.jpg\">")
                                             << QStringLiteral("width:160px;aspect-ratio:160/120;");
    QTest::newRow("data-width zaehlt nicht")
        << QStringLiteral("<img data-width=\"999\" width=\"50\" height=\"40\">")
        << QStringLiteral("width:50px;aspect-ratio:50/40;");
    QTest::newRow("Prozent nimmt die Zahl") << QStringLiteral("<img width=\"100%\" height=\"50\">")
                                            << QStringLiteral("width:100px;aspect-ratio:100/50;");
}

void TestLiveSeite::platzhalter_groesseAusDemTag() {
    QFETCH(QString, tag);
    QFETCH(QString, stil);
    QCOMPARE(BilderAlsPlatzhalter(tag),
             QStringLiteral("<span class=\"kori-bild\" style=\"") + stil + QStringLiteral("\"></span>"));
}

void TestLiveSeite::platzhalter_textUmDieBilderBleibt() {
    const QString html = QStringLiteral("<p>vor<img src=a width=1 height=2>mitte<imgx> <Img src=b>nach</p>"
                                        "<image src=c>");
    const QString kasten1 =
        QStringLiteral("<span class=\"kori-bild\" style=\"width:1px;aspect-ratio:1/2;\"></span>");
    const QString kasten2 =
        QStringLiteral("<span class=\"kori-bild\" style=\"width:160px;aspect-ratio:160/120;\"></span>");
    QCOMPARE(BilderAlsPlatzhalter(html), QStringLiteral("<p>vor") + kasten1 + QStringLiteral("mitte<imgx> ") +
                                             kasten2 + QStringLiteral("nach</p><image src=c>"));
    QCOMPARE(BilderAlsPlatzhalter(QString()), QString());
    // A tag cut off at the end of the listing still gives no picture.
    QVERIFY(!BilderAlsPlatzhalter(QStringLiteral("text <img src=\"a.jpg\" width=\"3"))
                 .contains(QStringLiteral("<img")));
}

void TestLiveSeite::seite_bilderNurWennErlaubt() {
    const QString listing = QStringLiteral("<b>Titel</b><img src=\"https://h/a.jpg\">");
    const QString ohne = LiveSeite(listing, false);
    const QString mit = LiveSeite(listing, true);
    QVERIFY(!ohne.contains(QStringLiteral("<img")));
    QVERIFY(ohne.contains(QStringLiteral("<b>Titel</b><span class=\"kori-bild\"")));
    QVERIFY(mit.contains(listing));
    for (const QString& seite : {ohne, mit}) {
        QVERIFY(seite.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(seite.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        QVERIFY(seite.contains(QStringLiteral("<div class=\"kori-listing\">")));
    }
}

void TestLiveSeite::stand_shopFehler_behaeltSeiteUndNenntGrund() {
    ListingErgebnis r;
    r.fehler = ShopFehler::A;
    r.fehlerZeilen = {QStringLiteral("Zeile eins"), QStringLiteral("Zeile zwei")};
    const LiveStand stand = LiveStandBilden(r, false, {});
    QVERIFY(stand.seite.isEmpty());
    QCOMPARE(stand.status,
             QStringLiteral("Die Beschreibung kann nicht gebaut werden: Zeile eins Zeile zwei"));
}

void TestLiveSeite::stand_zuGross_behaeltSeite() {
    ListingErgebnis r;
    // Umlauts take two bytes each: the limit counts the bytes the engine gets.
    r.text = QStringLiteral("ä").repeated(kLiveSeiteGrenze / 2 + 1);
    const LiveStand stand = LiveStandBilden(r, false, {});
    QVERIFY(stand.seite.isEmpty());
    QVERIFY(stand.status.startsWith(QStringLiteral("Die Beschreibung ist mit 1.500,")));
    QVERIFY(
        stand.status.endsWith(QStringLiteral("zu groß für die Vorschau (höchstens 1.500,0 KB); sie zeigt den "
                                             "letzten Stand.")));
}

void TestLiveSeite::stand_gut_seiteUndGroesse() {
    ListingErgebnis r;
    r.text = QStringLiteral("x").repeated(12345);
    const LiveStand stand = LiveStandBilden(r, true, {});
    QCOMPARE(stand.seite, LiveSeite(r.text, true));
    QCOMPARE(stand.status, QStringLiteral("Beschreibung mit 12,3 KB · Prüfung: Keine Beanstandungen"));
}

void TestLiveSeite::stand_nenntBefunde() {
    ListingErgebnis r;
    r.text = QStringLiteral("<p>x</p>");
    const QList<Befund> befunde{{BefundArt::Fehler, QStringLiteral("a"), {}, {}, 0, 1, false},
                                {BefundArt::Fehler, QStringLiteral("b"), {}, {}, 0, 1, false},
                                {BefundArt::Hinweis, QStringLiteral("c"), {}, {}, 0, 1, false}};
    QVERIFY(LiveStandBilden(r, false, befunde)
                .status.endsWith(QStringLiteral(" · Prüfung: 2 Fehler, 1 Hinweis")));
}

// Above the phone view's page stands what the app keeps of the summary; the desktop view has none.
void TestLiveSeite::handy_zeigtWasDieAppZeigt() {
    ListingErgebnis r;
    r.text = KurzfassungBlock({QStringLiteral("Der stille See"), QString(800, u'x')}) +
             QStringLiteral("<p>Rest</p>");
    const LiveStand stand = LiveStandBilden(r, false, {});
    QVERIFY(!stand.seite.contains(QStringLiteral("So zeigt die App")));
    const QString kasten = KurzfassungKasten(r.text);
    QVERIFY(stand.handySeite.contains(kasten + r.text));
    QVERIFY(kasten.contains(
        QStringLiteral("So zeigt die App die Kurzfassung</div><ul><li>Der stille See</li><li>xxx")));
    // 800 characters: the list, the first line and the second's tag take 31, then 769 of its text.
    QVERIFY(kasten.endsWith(QString(769, u'x') + QStringLiteral("</div>\n")));
    QVERIFY(!kasten.contains(QString(770, u'x')));
    QCOMPARE(KurzfassungKasten(QStringLiteral("<p>ohne</p>")), QString());
}

QTEST_GUILESS_MAIN(TestLiveSeite)
#include "tst_liveseite.moc"
