#include "compose/Bilder.h"

#include <QTest>

class TestBilder : public QObject {
    Q_OBJECT
private slots:
    void R_rundetHalbeZurGeradenZahl_data();
    void R_rundetHalbeZurGeradenZahl();
    void vorschau_975HochUndProportionalBreit_data();
    void vorschau_975HochUndProportionalBreit();
    void hoehe_ausBreiteUndBild_data();
    void hoehe_ausBreiteUndBild();
    void breiteEins_nurInZeilen245Ersetzt_data();
    void breiteEins_nurInZeilen245Ersetzt();
    void unbrauchbareEingabe_laesstFelderStehen_data();
    void unbrauchbareEingabe_laesstFelderStehen();
    void umrechnen_ausVorschau();
    void umrechnen_vorErsterSuche_nichts();
    void bildGrosse_berechnet();
    void bildGrosse_meldetFeld_data();
    void bildGrosse_meldetFeld();
};

void TestBilder::R_rundetHalbeZurGeradenZahl_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("erwartet");
    QTest::newRow("0,5") << 0.5 << 0.0;
    QTest::newRow("1,5") << 1.5 << 2.0;
    QTest::newRow("2,5") << 2.5 << 2.0;
    QTest::newRow("249,5") << 249.5 << 250.0;
    QTest::newRow("250,5") << 250.5 << 250.0;
    QTest::newRow("249,75") << 249.75 << 250.0;
    QTest::newRow("249,25") << 249.25 << 249.0;
    QTest::newRow("-0,5") << -0.5 << 0.0;
    QTest::newRow("-1,5") << -1.5 << -2.0;
    QTest::newRow("-2,5") << -2.5 << -2.0;
}

void TestBilder::R_rundetHalbeZurGeradenZahl() {
    QFETCH(double, x);
    QFETCH(double, erwartet);
    QCOMPARE(R(x), erwartet);
}

void TestBilder::vorschau_975HochUndProportionalBreit_data() {
    QTest::addColumn<QSize>("bild");
    QTest::addColumn<int>("breite");
    QTest::newRow("1600x1200") << QSize(1600, 1200) << 1300;
    QTest::newRow("1024x768") << QSize(1024, 768) << 1300;
    QTest::newRow("hochkant") << QSize(600, 800) << 731;
}

void TestBilder::vorschau_975HochUndProportionalBreit() {
    QFETCH(QSize, bild);
    QFETCH(int, breite);
    const Vorschaugroesse g = BildgroesseAnpassen(bild.height(), bild.width(), 975);
    QCOMPARE(g.hoehe, 975);
    QCOMPARE(g.breite, breite);
}

void TestBilder::hoehe_ausBreiteUndBild_data() {
    QTest::addColumn<QSize>("bild");
    QTest::addColumn<QString>("breite");
    QTest::addColumn<QString>("hoehe");
    QTest::newRow("1600x1200 bei 400") << QSize(1600, 1200) << QStringLiteral("400") << QStringLiteral("300");
    QTest::newRow("1024x768 bei 500") << QSize(1024, 768) << QStringLiteral("500") << QStringLiteral("375");
    QTest::newRow("1024x768 bei 333") << QSize(1024, 768) << QStringLiteral("333") << QStringLiteral("250");
    QTest::newRow("800x600 bei 400") << QSize(800, 600) << QStringLiteral("400") << QStringLiteral("300");
    QTest::newRow("halb zur geraden") << QSize(4, 1) << QStringLiteral("10") << QStringLiteral("2");
    QTest::newRow("Dezimalkomma") << QSize(800, 600) << QStringLiteral("400,0") << QStringLiteral("300");
}

void TestBilder::hoehe_ausBreiteUndBild() {
    QFETCH(QSize, bild);
    QFETCH(QString, breite);
    QFETCH(QString, hoehe);
    const std::optional<Bildmasse> m = MasseFuerBild(1, breite, QStringLiteral("700"), bild);
    QVERIFY(m);
    QCOMPARE(m->breite, breite);
    QCOMPARE(m->hoehe, hoehe);
}

void TestBilder::breiteEins_nurInZeilen245Ersetzt_data() {
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("breite");
    QTest::addColumn<QString>("hoehe");
    QTest::newRow("Zeile 1") << 1 << QStringLiteral("1") << QStringLiteral("1");
    QTest::newRow("Zeile 2") << 2 << QStringLiteral("400") << QStringLiteral("300");
    QTest::newRow("Zeile 3") << 3 << QStringLiteral("1") << QStringLiteral("1");
    QTest::newRow("Zeile 4") << 4 << QStringLiteral("400") << QStringLiteral("300");
    QTest::newRow("Zeile 5") << 5 << QStringLiteral("400") << QStringLiteral("300");
}

void TestBilder::breiteEins_nurInZeilen245Ersetzt() {
    QFETCH(int, zeile);
    QFETCH(QString, breite);
    QFETCH(QString, hoehe);
    const std::optional<Bildmasse> m =
        MasseFuerBild(zeile, QStringLiteral("1"), QStringLiteral("400"), {1600, 1200});
    QVERIFY(m);
    QCOMPARE(m->breite, breite);
    QCOMPARE(m->hoehe, hoehe);
}

void TestBilder::unbrauchbareEingabe_laesstFelderStehen_data() {
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("breite");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QSize>("bild");
    QTest::newRow("kein Bild") << 1 << QStringLiteral("400") << QString() << QSize();
    QTest::newRow("Breite kein Zahl") << 1 << QStringLiteral("breit") << QString() << QSize(800, 600);
    QTest::newRow("Breite leer") << 3 << QString() << QStringLiteral("400") << QSize(800, 600);
    QTest::newRow("Standardbreite keine Zahl")
        << 2 << QStringLiteral("1") << QStringLiteral("x") << QSize(800, 600);
}

void TestBilder::unbrauchbareEingabe_laesstFelderStehen() {
    QFETCH(int, zeile);
    QFETCH(QString, breite);
    QFETCH(QString, standard);
    QFETCH(QSize, bild);
    QVERIFY(!MasseFuerBild(zeile, breite, standard, bild));
}

void TestBilder::umrechnen_ausVorschau() {
    QCOMPARE(HoeheAusVorschau(QStringLiteral("400"), 975, 1300),
             std::optional<QString>(QStringLiteral("300")));
    QCOMPARE(HoeheAusVorschau(QStringLiteral("333"), 975, 1300),
             std::optional<QString>(QStringLiteral("250")));
    QVERIFY(!HoeheAusVorschau(QStringLiteral("abc"), 975, 1300));
}

void TestBilder::umrechnen_vorErsterSuche_nichts() {
    QVERIFY(!HoeheAusVorschau(QStringLiteral("400"), 0, 0));
}

void TestBilder::bildGrosse_berechnet() {
    const Umrechnung u =
        BildGrosseBerechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("400"));
    QVERIFY(u.ok());
    QCOMPARE(u.hoeheSoll, QStringLiteral("300"));
}

void TestBilder::bildGrosse_meldetFeld_data() {
    QTest::addColumn<QString>("laengeIst");
    QTest::addColumn<QString>("hoeheIst");
    QTest::addColumn<QString>("laengeSoll");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("hinweis");
    const QString positiv = QStringLiteral("Nur ganze, positiven Zahlen eingeben");
    const QString zahlen = QStringLiteral("Bitte nur Zahlen eingeben");
    const QString laenge = QStringLiteral("Länge ist");
    const QString hoehe = QStringLiteral("Höhe ist");
    const QString v800 = QStringLiteral("800");
    const QString v600 = QStringLiteral("600");
    const QString v400 = QStringLiteral("400");
    QTest::newRow("Länge leer") << QString() << QString() << v400 << laenge << positiv;
    QTest::newRow("Länge 0") << QStringLiteral("0") << v600 << v400 << laenge << positiv;
    QTest::newRow("Länge negativ") << QStringLiteral("-8") << v600 << v400 << laenge << positiv;
    QTest::newRow("Länge Wort") << QStringLiteral("acht") << v600 << v400 << laenge << zahlen;
    QTest::newRow("Höhe leer") << v800 << QString() << v400 << hoehe << positiv;
    QTest::newRow("Höhe 0") << v800 << QStringLiteral("0") << v400 << hoehe << positiv;
    QTest::newRow("Höhe Wort") << v800 << QStringLiteral("x6") << v400 << hoehe << zahlen;
    QTest::newRow("Soll Wort") << v800 << v600 << QStringLiteral("vier") << QStringLiteral("Länge soll")
                               << zahlen;
    QTest::newRow("Soll leer") << v800 << v600 << QString() << QStringLiteral("Länge soll") << zahlen;
}

void TestBilder::bildGrosse_meldetFeld() {
    QFETCH(QString, laengeIst);
    QFETCH(QString, hoeheIst);
    QFETCH(QString, laengeSoll);
    QFETCH(QString, feld);
    QFETCH(QString, hinweis);
    const Umrechnung u = BildGrosseBerechnen(laengeIst, hoeheIst, laengeSoll);
    QVERIFY(!u.ok());
    QCOMPARE(u.feld, feld);
    QCOMPARE(u.hinweis, hinweis);
    QVERIFY(u.hoeheSoll.isEmpty());
}

QTEST_GUILESS_MAIN(TestBilder)
#include "tst_bilder.moc"
