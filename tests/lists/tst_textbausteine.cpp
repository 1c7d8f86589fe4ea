#include "lists/Textbausteine.h"

#include <QTest>

class TestTextbausteine : public QObject {
    Q_OBJECT
private slots:
    void zwoelfZeichen_zeigtNeun();
    void fuenfNamen_restBleibtFrei();
    void kommentarDazwischen_verschiebtNichts();
    void mehrAls21_werdenIgnoriert();
};

void TestTextbausteine::zwoelfZeichen_zeigtNeun() {
    const TextblockNamen namen = BTNamenAuswerten(QStringLiteral("Reisefuehrer\r\n"), {});
    QCOMPARE(namen[0], QStringLiteral("Reisefueh"));
    QCOMPARE(BTBeschriftung(namen[0]), QStringLiteral("Reisefueh"));
}

void TestTextbausteine::fuenfNamen_restBleibtFrei() {
    const TextblockNamen namen =
        BTNamenAuswerten(QStringLiteral("Krimi\r\nRoman\r\n\"   \"\r\nNLP\r\nKinder\r\n"), {});
    QCOMPARE(BTBeschriftung(namen[1]), QStringLiteral("Roman"));
    QCOMPARE(BTBeschriftung(namen[2]), QStringLiteral("frei"));
    QCOMPARE(BTBeschriftung(namen[4]), QStringLiteral("Kinder"));
    for (std::size_t i = 5; i < namen.size(); ++i) {
        QCOMPARE(BTBeschriftung(namen[i]), QStringLiteral("frei"));
    }
}

void TestTextbausteine::kommentarDazwischen_verschiebtNichts() {
    const TextblockNamen namen = BTNamenAuswerten(QStringLiteral("Krimi\r\n# Kommentar\r\nRoman\r\n"), {});
    QCOMPARE(namen[0], QStringLiteral("Krimi"));
    QCOMPARE(namen[1], QStringLiteral("Roman"));
}

void TestTextbausteine::mehrAls21_werdenIgnoriert() {
    QString inhalt;
    for (int i = 1; i <= 25; ++i) {
        inhalt += QStringLiteral("N%1\r\n").arg(i);
    }
    TextblockNamen bisher;
    const TextblockNamen namen = BTNamenAuswerten(inhalt, bisher);
    QCOMPARE(namen[20], QStringLiteral("N21"));
}

QTEST_GUILESS_MAIN(TestTextbausteine)
#include "tst_textbausteine.moc"
