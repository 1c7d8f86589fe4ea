#include "article/Bibliothek.h"
#include "core/Datenordner.h"
#include "support/TestOrdner.h"

#include <QTest>

#include <algorithm>

class TestBibliothek : public QObject {
    Q_OBJECT
private slots:
    void listenOrdner_mitUndOhneTrenner();
    void ebayDateien_grossGeschriebenJaAndereNein();
    void fehlenderOrdner_liefertNichts();
    void ebayDateien_sortiertWieKleingeschrieben();
    void suchen_data();
    void suchen();
    void suchen_wieGrossgeschriebenBeiJedemLatin1Zeichen();
    void trefferAnzeige();
    void eintragPfad_data();
    void eintragPfad();
};

void TestBibliothek::listenOrdner_mitUndOhneTrenner() {
    TestOrdner ordner;
    const QString ohne = ListenOrdnerBilden(Datenordner(ordner.programmordner()));
    const QString mit = ListenOrdnerBilden(Datenordner(ordner.programmordner() + QLatin1Char('/')));
    QCOMPARE(mit, ohne);
    QCOMPARE(ohne, ordner.daten(QStringLiteral("Artikeln-Txt/")));
}

void TestBibliothek::ebayDateien_grossGeschriebenJaAndereNein() {
    TestOrdner ordner(false);
    for (const char* name :
         {"b~1#X.ebay", "A~2#X.EBAY", "c.Ebay", "d.txt", "e.ebay.bak", "ebay", "f.ebayx"}) {
        ordner.schreiben(QStringLiteral("L/") + QLatin1String(name), "x");
    }
    ordner.schreiben(QStringLiteral("L/unter.ebay/g.ebay"), "x");
    QCOMPARE(
        EbayDateienListen(ordner.daten(QStringLiteral("L"))),
        (QStringList{QStringLiteral("A~2#X.EBAY"), QStringLiteral("b~1#X.ebay"), QStringLiteral("c.Ebay")}));
}

void TestBibliothek::fehlenderOrdner_liefertNichts() {
    TestOrdner ordner(false);
    QVERIFY(EbayDateienListen(ordner.daten(QStringLiteral("fehlt"))).isEmpty());
}

void TestBibliothek::ebayDateien_sortiertWieKleingeschrieben() {
    // Long common starts, letter case, umlauts, "ß" and a Greek letter, which is lowered by Qt.
    const QString lang = QStringLiteral("Krimi Taschenbuch gut erhalten Nr ");
    const QStringList namen{lang + QStringLiteral("2.ebay"),
                            lang + QStringLiteral("10.ebay"),
                            lang.toUpper() + QStringLiteral("1.ebay"),
                            QStringLiteral("Äpfel.ebay"),
                            QStringLiteral("apfel.ebay"),
                            QStringLiteral("Zange.ebay"),
                            QStringLiteral("Straße.ebay"),
                            QStringLiteral("STRASSE.ebay"),
                            QStringLiteral("Ωmega.ebay"),
                            QStringLiteral("ωmega.ebay"),
                            QStringLiteral("a.ebay"),
                            QStringLiteral("A.ebay")};
    TestOrdner ordner(false);
    for (const QString& name : namen) {
        ordner.schreiben(QStringLiteral("L/") + name, "x");
    }
    QStringList erwartet = namen;
    std::sort(erwartet.begin(), erwartet.end(), [](const QString& a, const QString& b) {
        return a.toLower() != b.toLower() ? a.toLower() < b.toLower() : a < b;
    });
    QCOMPARE(EbayDateienListen(ordner.daten(QStringLiteral("L"))), erwartet);
}

void TestBibliothek::suchen_data() {
    QTest::addColumn<QString>("begriff");
    QTest::addColumn<QList<int>>("treffer");
    QTest::newRow("grossKlein") << QStringLiteral("fAuSt") << QList<int>{0, 2};
    QTest::newRow("leer") << QString() << QList<int>{0, 1, 2};
    QTest::newRow("keiner") << QStringLiteral("Schiller") << QList<int>{};
    QTest::newRow("Umlaut") << QStringLiteral("göthe") << QList<int>{1};
}

void TestBibliothek::suchen() {
    QFETCH(QString, begriff);
    QFETCH(QList<int>, treffer);
    const QStringList eintraege{QStringLiteral("Faust I~4,90#X.ebay"), QStringLiteral("GÖTHE~1#X.ebay"),
                                QStringLiteral("Urfaust~2#X.ebay")};
    const Suchergebnis ergebnis = EintraegeSuchen(eintraege, begriff);
    QCOMPARE(ergebnis.treffer, treffer);
    QCOMPARE(ergebnis.anzahl, treffer.size());
}

void TestBibliothek::suchen_wieGrossgeschriebenBeiJedemLatin1Zeichen() {
    // The search must find what upper-casing both texts finds, "ß" against "SS" included.
    for (char16_t zeichen = 1; zeichen <= 0xFF; ++zeichen) {
        const QString eintrag = QStringLiteral("x") + QChar(zeichen) + QStringLiteral("s~1#X.ebay");
        for (const QString& begriff :
             {QString(QChar(zeichen)), QString(QChar(zeichen)).toUpper(), QStringLiteral("SS")}) {
            const bool erwartet = eintrag.toUpper().contains(begriff.toUpper());
            QVERIFY2(EintraegeSuchen({eintrag}, begriff).anzahl == (erwartet ? 1 : 0),
                     qPrintable(eintrag + QLatin1Char('/') + begriff));
        }
    }
}

void TestBibliothek::trefferAnzeige() {
    QCOMPARE(TrefferAnzeige(3), QStringLiteral("( 3 )"));
}

void TestBibliothek::eintragPfad_data() {
    QTest::addColumn<QString>("listenArt");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Haupt") << QStringLiteral("Haupt") << QStringLiteral("/p/K/Artikeln-Txt/a.ebay");
    QTest::newRow("leer") << QString() << QStringLiteral("/p/K/Artikeln-Txt/a.ebay");
    QTest::newRow("Andere") << QStringLiteral("Andere") << QStringLiteral("/x/y/a.ebay");
}

void TestBibliothek::eintragPfad() {
    QFETCH(QString, listenArt);
    QFETCH(QString, erwartet);
    QCOMPARE(EintragPfad(listenArt, QStringLiteral("/p/K/Artikeln-Txt/"), QStringLiteral("/x/y"),
                         QStringLiteral("a.ebay")),
             erwartet);
}

QTEST_GUILESS_MAIN(TestBibliothek)
#include "tst_bibliothek.moc"
