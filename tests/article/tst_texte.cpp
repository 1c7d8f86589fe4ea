#include "article/Texte.h"

#include <QElapsedTimer>
#include <QTest>

class TestTexte : public QObject {
    Q_OBJECT
private slots:
    void ersetzeAlle_data();
    void ersetzeAlle();
    void ersetzeAlle_aendertTextAnOrt();
    void ersetzeAlle_leeresMuster_aendertNichts();
    void ersetzeAlle_einMegabyte_unterEinerSekunde();
    void zeichenErsetzen_data();
    void zeichenErsetzen();
    void erstesZeichenEntfernen_data();
    void erstesZeichenEntfernen();
};

void TestTexte::ersetzeAlle_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("muster");
    QTest::addColumn<QString>("ersatz");
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<int>("anzahl");
    QTest::newRow("ohneMuster") << QStringLiteral("Hallo Welt") << QStringLiteral(",") << QStringLiteral("__")
                                << QStringLiteral("Hallo Welt") << 0;
    QTest::newRow("dreiKommas") << QStringLiteral("a,b,c,") << QStringLiteral(",") << QStringLiteral("__")
                                << QStringLiteral("a__b__c__") << 3;
    QTest::newRow("zurueck") << QStringLiteral("a__b__c") << QStringLiteral("__") << QStringLiteral(",")
                             << QStringLiteral("a,b,c") << 2;
    QTest::newRow("dreiUnterstriche")
        << QStringLiteral("___") << QStringLiteral("__") << QStringLiteral(",") << QStringLiteral(",_") << 1;
    QTest::newRow("vierUnterstriche")
        << QStringLiteral("____") << QStringLiteral("__") << QStringLiteral(",") << QStringLiteral(",,") << 2;
    QTest::newRow("leererText") << QString() << QStringLiteral(",") << QStringLiteral("__") << QString() << 0;
    QTest::newRow("ersatzLeer") << QStringLiteral("a,,b") << QStringLiteral(",") << QString()
                                << QStringLiteral("ab") << 2;
}

void TestTexte::ersetzeAlle() {
    QFETCH(QString, text);
    QFETCH(QString, muster);
    QFETCH(QString, ersatz);
    QFETCH(QString, erwartet);
    QFETCH(int, anzahl);
    int gezaehlt = -1;
    QCOMPARE(ErsetzeAlle(text, muster, ersatz, gezaehlt), erwartet);
    QCOMPARE(gezaehlt, anzahl);
}

void TestTexte::ersetzeAlle_aendertTextAnOrt() {
    QString text = QStringLiteral("1,5");
    int anzahl = 0;
    ErsetzeAlle(text, QStringLiteral(","), QStringLiteral("__"), anzahl);
    QCOMPARE(text, QStringLiteral("1__5"));
}

void TestTexte::ersetzeAlle_leeresMuster_aendertNichts() {
    QString text = QStringLiteral("abc");
    int anzahl = -1;
    QCOMPARE(ErsetzeAlle(text, QString(), QStringLiteral("x"), anzahl), QStringLiteral("abc"));
    QCOMPARE(anzahl, 0);
}

void TestTexte::ersetzeAlle_einMegabyte_unterEinerSekunde() {
    QString stueck = QStringLiteral("abcdefghi,");
    QString text = stueck.repeated(100000);
    QCOMPARE(text.size(), 1000000);
    const QString original = text;
    QElapsedTimer uhr;
    uhr.start();
    int hin = 0;
    int zurueck = 0;
    ErsetzeAlle(text, QStringLiteral(","), QStringLiteral("__"), hin);
    ErsetzeAlle(text, QStringLiteral("__"), QStringLiteral(","), zurueck);
    QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
    QCOMPARE(hin, 100000);
    QCOMPARE(zurueck, 100000);
    QCOMPARE(text, original);
}

void TestTexte::zeichenErsetzen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("zeichen");
    QTest::addColumn<QString>("ersatz");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("jedes") << QStringLiteral("a#b#c") << QStringLiteral("#") << QStringLiteral("?")
                           << QStringLiteral("a?b?c");
    QTest::newRow("laengererErsatz") << QStringLiteral("1,5") << QStringLiteral(",") << QStringLiteral("__")
                                     << QStringLiteral("1__5");
    QTest::newRow("leererErsatz") << QStringLiteral("a-b") << QStringLiteral("-") << QString()
                                  << QStringLiteral("ab");
    QTest::newRow("zweiZeichen") << QStringLiteral("a__b") << QStringLiteral("__") << QStringLiteral(",")
                                 << QStringLiteral("a__b");
    QTest::newRow("leeresZeichen") << QStringLiteral("ab") << QString() << QStringLiteral("x")
                                   << QStringLiteral("ab");
    QTest::newRow("leererText") << QString() << QStringLiteral("#") << QStringLiteral("?") << QString();
}

void TestTexte::zeichenErsetzen() {
    QFETCH(QString, text);
    QFETCH(QString, zeichen);
    QFETCH(QString, ersatz);
    QFETCH(QString, erwartet);
    const QString vorher = text;
    QCOMPARE(ZeichenErsetzen(text, zeichen, ersatz), erwartet);
    QCOMPARE(text, vorher);
}

void TestTexte::erstesZeichenEntfernen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("zeichen");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("nurErstes") << QStringLiteral("4__90") << QStringLiteral("_") << QStringLiteral("4_90");
    QTest::newRow("fehlt") << QStringLiteral("490") << QStringLiteral("_") << QStringLiteral("490");
    QTest::newRow("leer") << QString() << QStringLiteral("_") << QString();
    QTest::newRow("amAnfang") << QStringLiteral("+ Buch") << QStringLiteral("+") << QStringLiteral(" Buch");
}

void TestTexte::erstesZeichenEntfernen() {
    QFETCH(QString, text);
    QFETCH(QString, zeichen);
    QFETCH(QString, erwartet);
    QCOMPARE(ErstesZeichenEntfernen(text, zeichen), erwartet);
}

QTEST_GUILESS_MAIN(TestTexte)
#include "tst_texte.moc"
