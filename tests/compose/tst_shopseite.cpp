#include "compose/ShopSeite.h"

#include <QSet>
#include <QTest>

class TestShopSeite : public QObject {
    Q_OBJECT
private slots:
    void bereiche_liegenNebeneinander_data();
    void bereiche_liegenNebeneinander();
    void koordinaten_yUnberuehrt();
    void koordinaten_dezimalUndUnsinn();
    void zahl_data();
    void zahl();
    void schrittEingabe_data();
    void schrittEingabe();
    void schrittAusText_bleibtIn16Bit();
    void seite_ausBekanntenTexten();
    void seite_ausVorlage();
    void schritte_jedesFeldGenauEinmal();
    void scrollWerte_data();
    void scrollWerte();
};

namespace {

std::array<QString, kShopPosAnzahl> positionen(const QString& x2Bereich1) {
    std::array<QString, kShopPosAnzahl> pos;
    pos.fill(QStringLiteral("7"));
    pos.at(ShopPosIndex(1, 3)) = x2Bereich1;
    return pos;
}

} // namespace

void TestShopSeite::bereiche_liegenNebeneinander_data() {
    QTest::addColumn<int>("bereich");
    QTest::addColumn<QString>("x1");
    QTest::addColumn<QString>("x2");
    QTest::newRow("Bereich 2") << 2 << QStringLiteral("61") << QStringLiteral("120");
    QTest::newRow("Bereich 3") << 3 << QStringLiteral("121") << QStringLiteral("180");
    QTest::newRow("Bereich 7") << 7 << QStringLiteral("361") << QStringLiteral("420");
    QTest::newRow("Bereich 8") << 8 << QStringLiteral("421") << QStringLiteral("480");
}

void TestShopSeite::bereiche_liegenNebeneinander() {
    QFETCH(int, bereich);
    QFETCH(QString, x1);
    QFETCH(QString, x2);
    std::array<QString, kShopPosAnzahl> pos = positionen(QStringLiteral("60"));
    KoordinatenBerechnen(pos, 60);
    QCOMPARE(pos.at(ShopPosIndex(bereich, 1)), x1);
    QCOMPARE(pos.at(ShopPosIndex(bereich, 3)), x2);
}

void TestShopSeite::koordinaten_yUnberuehrt() {
    std::array<QString, kShopPosAnzahl> pos = positionen(QStringLiteral("60"));
    KoordinatenBerechnen(pos, 25);
    for (int k = 1; k <= kShopBereiche; ++k) {
        QCOMPARE(pos.at(ShopPosIndex(k, 2)), QStringLiteral("7"));
        QCOMPARE(pos.at(ShopPosIndex(k, 4)), QStringLiteral("7"));
    }
    QCOMPARE(pos.at(0), QStringLiteral("7"));
    QCOMPARE(pos.at(ShopPosIndex(1, 1)), QStringLiteral("7"));
    QCOMPARE(pos.at(ShopPosIndex(1, 3)), QStringLiteral("60"));
    QCOMPARE(pos.at(ShopPosIndex(8, 3)), QStringLiteral("235"));
}

void TestShopSeite::koordinaten_dezimalUndUnsinn() {
    std::array<QString, kShopPosAnzahl> pos = positionen(QStringLiteral("10.5"));
    KoordinatenBerechnen(pos, 10);
    QCOMPARE(pos.at(ShopPosIndex(2, 1)), QStringLiteral("11.5"));
    QCOMPARE(pos.at(ShopPosIndex(2, 3)), QStringLiteral("20.5"));
    pos = positionen(QStringLiteral("abc"));
    KoordinatenBerechnen(pos, 5);
    QCOMPARE(pos.at(ShopPosIndex(2, 1)), QStringLiteral("1"));
    QCOMPARE(pos.at(ShopPosIndex(2, 3)), QStringLiteral("5"));
}

void TestShopSeite::zahl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("ganz") << QStringLiteral("60") << 60.0;
    QTest::newRow("Leerzeichen davor") << QStringLiteral("  42") << 42.0;
    QTest::newRow("Rest wird ignoriert") << QStringLiteral("60px") << 60.0;
    QTest::newRow("Dezimalpunkt") << QStringLiteral("1.5") << 1.5;
    QTest::newRow("negativ") << QStringLiteral("-3") << -3.0;
    QTest::newRow("leer") << QString() << 0.0;
    QTest::newRow("Text") << QStringLiteral("abc") << 0.0;
}

void TestShopSeite::zahl() {
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(ShopZahl(text), wert);
}

void TestShopSeite::schrittEingabe_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<int>("wert");
    QTest::newRow("60") << QStringLiteral("60") << true << 60;
    QTest::newRow("mit Leerzeichen") << QStringLiteral(" 45 ") << true << 45;
    QTest::newRow("abgebrochen") << QString() << false << 0;
    QTest::newRow("Text") << QStringLiteral("breit") << false << 0;
    QTest::newRow("zu gross") << QStringLiteral("40000") << false << 0;
    QTest::newRow("Bruch") << QStringLiteral("1.5") << false << 0;
}

void TestShopSeite::schrittEingabe() {
    QFETCH(QString, text);
    QFETCH(bool, gueltig);
    QFETCH(int, wert);
    const std::optional<qint16> schritt = SchrittAusEingabe(text);
    QCOMPARE(schritt.has_value(), gueltig);
    if (gueltig) {
        QCOMPARE(int(*schritt), wert);
    }
}

void TestShopSeite::schrittAusText_bleibtIn16Bit() {
    QCOMPARE(SchrittAusText(QStringLiteral("60")), qint16(60));
    QCOMPARE(SchrittAusText(QStringLiteral("99999")), qint16(32767));
    QCOMPARE(SchrittAusText(QStringLiteral("-99999")), qint16(-32768));
    QCOMPARE(SchrittAusText(QStringLiteral("x")), qint16(0));
}

void TestShopSeite::seite_ausBekanntenTexten() {
    ShopTexte t;
    for (int nummer = 1; nummer <= 6; ++nummer) {
        for (int i = 0; i < kShopSchritte; ++i) {
            t.feld(nummer, i) = QStringLiteral("[%1.%2]").arg(nummer).arg(i);
        }
    }
    t.text7 = QStringLiteral("[7]");
    for (int i = 0; i < kShopPosAnzahl; ++i) {
        t.pos.at(i) = QString::number(i);
    }
    QString erwartet = QStringLiteral("[1.0][6.0][2.0][3.0][2.1][3.1]");
    for (int i = 1; i <= 7; ++i) {
        erwartet += QStringLiteral("[4.%1]%2,%3,%4,%5 \" [6.%1][2.%1][5.%1]")
                        .arg(i)
                        .arg(4 * i - 3)
                        .arg(4 * i - 2)
                        .arg(4 * i - 1)
                        .arg(4 * i);
    }
    erwartet += QStringLiteral("[7]");
    QCOMPARE(SeiteBilden(t), erwartet);
}

void TestShopSeite::seite_ausVorlage() {
    const QString seite = SeiteBilden(ShopVorlage());
    QVERIFY(seite.startsWith(QStringLiteral("<html>\r\n<head>\r\n<title>Ebay mit Bildern</title>\r\n")));
    QVERIFY(seite.contains(
        QStringLiteral("<td><a href=\"https://www.example.com/galerie/index.html\" target=\"_blank\">"
                       "<img src=\"https://www.example.com/galerie/bild-1.jpg\" width=\"50\" "
                       "height=\"50\" border=\"0\" alt=\"Porto sparen!\"></a></td>\r\n")));
    QVERIFY(seite.contains(QStringLiteral("<map name=\"ebay\">\r\n")));
    QVERIFY(seite.contains(
        QStringLiteral("<area shape=\"rect\" coords=\"0,0,60,60 \" href=\"https://www.example.com/"
                       "galerie/bild-1.jpg\" target=\"_blank\" alt=\"Bild 1\">\r\n")));
    QVERIFY(seite.contains(
        QStringLiteral("coords=\"361,0,420,60 \" href=\"https://www.example.com/galerie/bild-7.jpg")));
    QCOMPARE(seite.count(QStringLiteral("<area ")), 7);
    QVERIFY(!seite.contains(QStringLiteral("http:")));
    QVERIFY(seite.endsWith(QStringLiteral("</map></td>\r\n</tr>\r\n</table>\r\n</body>\r\n</html>\r\n")));
}

void TestShopSeite::schritte_jedesFeldGenauEinmal() {
    QStringList felder;
    QSet<int> bereiche;
    for (const ShopSchritt& schritt : ShopSchritte()) {
        for (const ShopZeile& zeile : schritt.zeilen) {
            for (const ShopStueck& stueck : zeile.stuecke) {
                felder << ShopFeldName(stueck.nummer, stueck.index);
            }
            if (zeile.bereich != 0) {
                bereiche << zeile.bereich;
            }
        }
    }
    QCOMPARE(QSet<QString>(felder.begin(), felder.end()).size(), felder.size());
    // Every piece the page is built from can be edited.
    for (const QString& name :
         {QStringLiteral("Text1_0"), QStringLiteral("Text6_0"), QStringLiteral("Text2_0"),
          QStringLiteral("Text3_0"), QStringLiteral("Text2_1"), QStringLiteral("Text3_1"),
          QStringLiteral("Text7")}) {
        QVERIFY2(felder.contains(name), qPrintable(name));
    }
    for (int i = 1; i <= 7; ++i) {
        for (int nummer : {4, 6, 2, 5}) {
            QVERIFY2(felder.contains(ShopFeldName(nummer, i)), qPrintable(ShopFeldName(nummer, i)));
        }
    }
    QCOMPARE(bereiche.size(), kShopBereiche);
}

void TestShopSeite::scrollWerte_data() {
    QTest::addColumn<int>("eintrag");
    QTest::addColumn<int>("wert");
    const std::array<int, 8> werte{200, 2620, 4810, 7090, 200, 2620, 4810, 7090};
    for (int n = 1; n <= 8; ++n) {
        QTest::addRow("mnu%d", n) << n << werte.at(n - 1);
    }
}

void TestShopSeite::scrollWerte() {
    QFETCH(int, eintrag);
    QFETCH(int, wert);
    QCOMPARE(ShopScrollWert(eintrag), wert);
    QCOMPARE(ShopFrameOben(wert), 200 - wert);
}

QTEST_GUILESS_MAIN(TestShopSeite)
#include "tst_shopseite.moc"
