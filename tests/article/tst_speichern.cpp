#include "article/Dateinamen.h"
#include "article/Speichern.h"
#include "core/Datenordner.h"
#include "support/TestOrdner.h"

#include <QTest>

class TestSpeichern : public QObject {
    Q_OBJECT
private slots:
    void speichername_data();
    void speichername();
    void jedesVerboteneZeichen_ergibtDateiname();
    void registername_fragezeichenUndUnterstriche();
    void registerzeile_zurueckgelesenIstDateiname();
    void pfade_inDenDreiOrdnern();
    void registerOhneZeile_data();
    void registerOhneZeile();
    void registerMitZeile_data();
    void registerMitZeile();
    void speichernameProblem_data();
    void speichernameProblem();
    void nameNachSpeichern();
    void fehlertext();
};

void TestSpeichern::speichername_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("verkaeufer");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Hausverkaeufer") << QStringLiteral("+ Buch") << QStringLiteral("Hausverkauf-1")
                                    << QStringLiteral("Buch");
    QTest::newRow("fuenfter") << QStringLiteral("+ Buch") << QStringLiteral("Hausverkauf-5")
                              << QStringLiteral("Buch");
    QTest::newRow("sechsterNicht") << QStringLiteral("+ Buch") << QStringLiteral("Hausverkauf-6")
                                   << QStringLiteral("+ Buch");
    QTest::newRow("andererNicht") << QStringLiteral("+ Buch") << QStringLiteral("Hans")
                                  << QStringLiteral("+ Buch");
    QTest::newRow("ohneLeerzeichen") << QStringLiteral("+Buch") << QStringLiteral("Hausverkauf-1")
                                     << QStringLiteral("+Buch");
    QTest::newRow("sternWirdPlus") << QStringLiteral("* Buch") << QStringLiteral("Hausverkauf-1")
                                   << QStringLiteral("Buch");
    QTest::newRow("nurVerbotene") << QStringLiteral("???") << QStringLiteral("Hans") << QStringLiteral("---");
}

void TestSpeichern::speichername() {
    QFETCH(QString, name);
    QFETCH(QString, verkaeufer);
    QFETCH(QString, erwartet);
    QCOMPARE(SpeichernameBilden(name, verkaeufer), erwartet);
}

void TestSpeichern::jedesVerboteneZeichen_ergibtDateiname() {
    const QString name = QStringLiteral("A?B#C:D\\E/F|G*H<I>J!K\"L");
    const QString n = DateinameBilden(SpeichernameBilden(name, QStringLiteral("Hans")),
                                      QStringLiteral("4,90"), QStringLiteral("Hans"));
    QCOMPARE(n, QStringLiteral("A-B-C,D,E,F,G+H(I)J~K'L~4,90#Hans"));
}

void TestSpeichern::registername_fragezeichenUndUnterstriche() {
    QCOMPARE(RegisternameBilden(QStringLiteral("Buch, alt~4,90#Hans")),
             QStringLiteral("Buch__ alt~4__90?Hans.ebay"));
}

void TestSpeichern::registerzeile_zurueckgelesenIstDateiname() {
    const QString n =
        DateinameBilden(QStringLiteral("CD 1,2"), QStringLiteral("1,85"), QStringLiteral("Hans"));
    QString zurueck = RegisternameBilden(n);
    zurueck.replace(QLatin1Char('?'), QLatin1Char('#')).replace(QStringLiteral("__"), QStringLiteral(","));
    QCOMPARE(zurueck, n + QStringLiteral(".ebay"));
    QCOMPARE(PreisAusDateiname(zurueck), QStringLiteral("1,85"));
}

void TestSpeichern::pfade_inDenDreiOrdnern() {
    TestOrdner ordner;
    const Datenordner daten(ordner.programmordner());
    const SpeicherPfade pfade = SpeicherPfadeBilden(daten, QStringLiteral("Buch~4,90#Hans"));
    QCOMPARE(pfade.html, ordner.daten(QStringLiteral("Artikeln/Buch~4,90#Hans.ebay")));
    QCOMPARE(pfade.text, ordner.daten(QStringLiteral("Artikeln-Txt/Buch~4,90#Hans.ebay")));
    QCOMPARE(pfade.zusatz, ordner.daten(QStringLiteral("Artikeln-Zusatz-html/Buch~4,90#Hans-Zus.ebay")));
}

void TestSpeichern::registerOhneZeile_data() {
    QTest::addColumn<QString>("inhalt");
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<std::optional<QString>>("erwartet");
    const QString drei = QStringLiteral("A~1?X.ebay\r\nB~2?X.ebay\r\nC~3__5?X.ebay\r\n");
    QTest::newRow("mitte") << drei << QStringLiteral("B~2?X.ebay")
                           << std::optional<QString>(QStringLiteral("A~1?X.ebay\r\nC~3__5?X.ebay\r\n"));
    QTest::newRow("letzte") << drei << QStringLiteral("C~3__5?X.ebay")
                            << std::optional<QString>(QStringLiteral("A~1?X.ebay\r\nB~2?X.ebay\r\n"));
    QTest::newRow("fehlt") << drei << QStringLiteral("D~4?X.ebay") << std::optional<QString>();
    QTest::newRow("nur Teil einer Zeile") << drei << QStringLiteral("B~2") << std::optional<QString>();
    QTest::newRow("leer") << drei << QString() << std::optional<QString>();
    QTest::newRow("doppelt nur erste")
        << QStringLiteral("A.ebay\r\nB.ebay\r\nA.ebay\r\n") << QStringLiteral("A.ebay")
        << std::optional<QString>(QStringLiteral("B.ebay\r\nA.ebay\r\n"));
    QTest::newRow("kommentare und leerzeilen bleiben")
        << QStringLiteral("# Register\r\n\r\nA.ebay\r\n// alt\r\nB.ebay") << QStringLiteral("A.ebay")
        << std::optional<QString>(QStringLiteral("# Register\r\n\r\n// alt\r\nB.ebay"));
    QTest::newRow("LF") << QStringLiteral("A.ebay\nB.ebay\nC.ebay\n") << QStringLiteral("B.ebay")
                        << std::optional<QString>(QStringLiteral("A.ebay\nC.ebay\n"));
    QTest::newRow("einzelnes CR") << QStringLiteral("A.ebay\rB.ebay\rC.ebay") << QStringLiteral("B.ebay")
                                  << std::optional<QString>(QStringLiteral("A.ebay\rC.ebay"));
    QTest::newRow("gemischt, letzte ohne Zeilenende")
        << QStringLiteral("A.ebay\r\nB.ebay\nC.ebay") << QStringLiteral("C.ebay")
        << std::optional<QString>(QStringLiteral("A.ebay\r\nB.ebay\n"));
}

void TestSpeichern::registerOhneZeile() {
    QFETCH(QString, inhalt);
    QFETCH(QString, zeile);
    QFETCH(std::optional<QString>, erwartet);
    QCOMPARE(RegisterOhneZeile(inhalt, zeile), erwartet);
}

void TestSpeichern::registerMitZeile_data() {
    QTest::addColumn<QString>("inhalt");
    QTest::addColumn<std::optional<QString>>("erwartet");
    const QString z = QStringLiteral("N~1__85?X.ebay");
    QTest::newRow("CR LF") << QStringLiteral("# R\r\nA.ebay\r\n")
                           << std::optional<QString>(QStringLiteral("# R\r\nA.ebay\r\n") + z +
                                                     QStringLiteral("\r\n"));
    QTest::newRow("LF") << QStringLiteral("A.ebay\n")
                        << std::optional<QString>(QStringLiteral("A.ebay\n") + z + QStringLiteral("\r\n"));
    QTest::newRow("einzelnes CR") << QStringLiteral("A.ebay\r")
                                  << std::optional<QString>(QStringLiteral("A.ebay\r") + z +
                                                            QStringLiteral("\r\n"));
    QTest::newRow("letzte Zeile ohne Zeilenende")
        << QStringLiteral("A.ebay")
        << std::optional<QString>(QStringLiteral("A.ebay\r\n") + z + QStringLiteral("\r\n"));
    QTest::newRow("leer") << QString() << std::optional<QString>(z + QStringLiteral("\r\n"));
    QTest::newRow("schon da mit LF") << QStringLiteral("A.ebay\n") + z + QStringLiteral("\nB.ebay\n")
                                     << std::optional<QString>();
    QTest::newRow("schon da als letzte ohne Zeilenende")
        << QStringLiteral("A.ebay\r\n") + z << std::optional<QString>();
    QTest::newRow("nur als Teil einer Zeile")
        << QStringLiteral("x") + z + QStringLiteral("\r\n")
        << std::optional<QString>(QStringLiteral("x") + z + QStringLiteral("\r\n") + z +
                                  QStringLiteral("\r\n"));
}

void TestSpeichern::registerMitZeile() {
    QFETCH(QString, inhalt);
    QFETCH(std::optional<QString>, erwartet);
    QCOMPARE(RegisterMitZeile(inhalt, QStringLiteral("N~1__85?X.ebay")), erwartet);
}

void TestSpeichern::speichernameProblem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("problem");
    QTest::newRow("gut") << QStringLiteral("Tasse, alt 1_2") << false;
    QTest::newRow("Blank vorn") << QStringLiteral(" Tasse") << true;
    QTest::newRow("Tab hinten") << QStringLiteral("Tasse\t") << true;
    QTest::newRow("zwei Unterstriche") << QStringLiteral("Tasse__alt") << true;
}

void TestSpeichern::speichernameProblem() {
    QFETCH(QString, name);
    QFETCH(bool, problem);
    QCOMPARE(SpeichernameProblem(name).has_value(), problem);
}

void TestSpeichern::nameNachSpeichern() {
    QCOMPARE(NameNachSpeichern(QStringLiteral("+ Buch, neu + alt")), QStringLiteral("* Buch/ neu * alt"));
}

void TestSpeichern::fehlertext() {
    QCOMPARE(
        SpeicherFehlertext(QStringLiteral("Zugriff verweigert"), QStringLiteral("Buch")),
        QStringLiteral(
            "Bitte folgende Zeichen ( ?,:,\\,! )im Speichername durch \" - oder leerzeichen \" ersetzten "
            "\r\nFehler 11 - beim Speichern Zugriff verweigert\r\n\r\nBuch"));
}

QTEST_GUILESS_MAIN(TestSpeichern)
#include "tst_speichern.moc"
