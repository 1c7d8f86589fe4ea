#include "ui/BildFeld.h"
#include "ui/RichTextFeld.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class TestPlattformFelder : public QObject {
    Q_OBJECT
private slots:
    void text_liefertCrLf();
    void auswahl_zaehltCrLfDoppelt();
    void auswahlSetzen_inCrLf();
    void dateiLaden_fehlendeDatei();
    void bildFeld_behaeltBildBeiFehler();
};

void TestPlattformFelder::text_liefertCrLf() {
    RichTextFeld feld;
    feld.setText(QStringLiteral("eins\r\nzwei\r\n"));
    QCOMPARE(feld.toPlainText(), QStringLiteral("eins\nzwei\n"));
    QCOMPARE(feld.text(), QStringLiteral("eins\r\nzwei\r\n"));
}

void TestPlattformFelder::auswahl_zaehltCrLfDoppelt() {
    RichTextFeld feld;
    feld.setText(QStringLiteral("ab\r\ncd\r\nef"));
    QTextCursor cursor = feld.textCursor();
    cursor.setPosition(4); // "d" in plain terms
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    feld.setTextCursor(cursor);
    QCOMPARE(feld.selStart(), 5);
    QCOMPARE(feld.selLength(), 4);
    QCOMPARE(feld.selText(), QStringLiteral("d\r\ne"));
}

void TestPlattformFelder::auswahlSetzen_inCrLf() {
    RichTextFeld feld;
    feld.setText(QStringLiteral("ab\r\ncd\r\nef"));
    feld.setSelStart(4);
    feld.setSelLength(2);
    QCOMPARE(feld.selText(), QStringLiteral("cd"));
    feld.setSelText(QStringLiteral("X\r\nY"));
    QCOMPARE(feld.text(), QStringLiteral("ab\r\nX\r\nY\r\nef"));
    feld.setReadOnly(true);
    feld.setHintergrund(QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(feld.hintergrund(), QColor(0xE0, 0xE0, 0xE0));
}

void TestPlattformFelder::dateiLaden_fehlendeDatei() {
    RichTextFeld feld;
    feld.setText(QStringLiteral("bleibt"));
    QVERIFY(!feld.dateiLaden(QStringLiteral("/gibt/es/nicht.txt")));
    QCOMPARE(feld.text(), QStringLiteral("bleibt"));
}

void TestPlattformFelder::bildFeld_behaeltBildBeiFehler() {
    QTemporaryDir dir;
    const QString jpg = dir.filePath(QStringLiteral("a.jpg"));
    const QString gif = dir.filePath(QStringLiteral("b.gif"));
    QImage(160, 120, QImage::Format_RGB32).save(jpg, "JPG");
    QFile kaputt(dir.filePath(QStringLiteral("kaputt.jpg")));
    QVERIFY(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("kein Bild");
    kaputt.close();
    BildFeld feld;
    QVERIFY(feld.bildLaden(jpg));
    QCOMPARE(feld.natuerlicheBreite(), 160);
    QVERIFY(!feld.bildLaden(kaputt.fileName()));
    QCOMPARE(feld.natuerlicheHoehe(), 120);
    // Qt reads GIF but cannot write it, so the test writes a 3 x 2 GIF by hand.
    const QByteArray gifBytes = QByteArray::fromHex(
        "47494638396103000200f00000ff000000000021f90400000000002c0000000003000200000202845f003b");
    QFile gifDatei(gif);
    QVERIFY(gifDatei.open(QIODevice::WriteOnly));
    gifDatei.write(gifBytes);
    gifDatei.close();
    QVERIFY(feld.bildLaden(gif));
    QCOMPARE(feld.natuerlicheBreite(), 3);
    QCOMPARE(feld.natuerlicheHoehe(), 2);
}

QTEST_MAIN(TestPlattformFelder)
#include "tst_plattformfelder.moc"
