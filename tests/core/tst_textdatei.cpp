#include "core/Datenordner.h"
#include "core/TextDatei.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestTextDatei : public QObject {
    Q_OBJECT
private slots:
    void umlauteUndEuro_rundreise();
    void zeichenAusserhalb_wirdFragezeichen();
    void undefinierteBytes_ueberlebenRundreise();
    void fehlgeschlagenesSchreiben_laesstAlteDateiStehen();
    void anhaengen_legtAnUndHaengtAn();
    void fehlendeDatei_liefertNichts();
    void pfadAufloesen_findetAndereSchreibweise_data();
    void pfadAufloesen_findetAndereSchreibweise();
    void datenordner_mitTrennzeichenAmEnde();
};

void TestTextDatei::umlauteUndEuro_rundreise() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(textSchreiben(pfad, QStringLiteral("äöüß€\r\nzwei\r\n")).isEmpty());
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.readAll(), QByteArray("\xE4\xF6\xFC\xDF\x80\r\nzwei\r\n"));
    QCOMPARE(textLesen(pfad).value(), QStringLiteral("äöüß€\r\nzwei\r\n"));
}

void TestTextDatei::zeichenAusserhalb_wirdFragezeichen() {
    QCOMPARE(nachWindows1252(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
}

void TestTextDatei::undefinierteBytes_ueberlebenRundreise() {
    const QByteArray bytes("\x81\x8D\x8F\x90\x9D", 5);
    QCOMPARE(nachWindows1252(ausWindows1252(bytes)), bytes);
}

void TestTextDatei::fehlgeschlagenesSchreiben_laesstAlteDateiStehen() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("alt.txt"));
    QVERIFY(textSchreiben(pfad, QStringLiteral("alt")).isEmpty());
    // Read-only does not stop root; an immutable folder does.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool unveraenderlich = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir.path()}) == 0;
    const QString fehler = textSchreiben(pfad, QStringLiteral("neu"));
    if (unveraenderlich) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.path()});
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (fehler.isEmpty()) {
        QSKIP("this file system lets the write through");
    }
    QCOMPARE(textLesen(pfad).value(), QStringLiteral("alt"));
}

void TestTextDatei::anhaengen_legtAnUndHaengtAn() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("reg.txt"));
    QVERIFY(textAnhaengen(pfad, QStringLiteral("eins\r\n")).isEmpty());
    QVERIFY(textAnhaengen(pfad, QStringLiteral("zwei\r\n")).isEmpty());
    QCOMPARE(textLesen(pfad).value(), QStringLiteral("eins\r\nzwei\r\n"));
}

void TestTextDatei::fehlendeDatei_liefertNichts() {
    QTemporaryDir dir;
    QVERIFY(!textLesen(dir.filePath(QStringLiteral("fehlt"))).has_value());
    QVERIFY(!textSchreiben(dir.filePath(QStringLiteral("kein/ordner.txt")), QStringLiteral("x")).isEmpty());
}

void TestTextDatei::pfadAufloesen_findetAndereSchreibweise_data() {
    QTest::addColumn<QString>("vorhanden");
    QTest::addColumn<QString>("gefragt");
    QTest::newRow("Ordner") << QStringLiteral("D/Artikeln-Txt/x.ebay") << QStringLiteral("D/Artikeln-txt/x.ebay");
    QTest::newRow("Datei") << QStringLiteral("D/vorlagen/BT-Namen.Str") << QStringLiteral("D/vorlagen/BT-Namen.str");
    QTest::newRow("Teil") << QStringLiteral("D/HTML_Code/HTML_text-1.txt")
                          << QStringLiteral("D/HTML_Code/HTML_Text-1.txt");
    QTest::newRow("Rueckstrich") << QStringLiteral("D/vorlagen/a.txt") << QStringLiteral("d\\VORLAGEN\\A.TXT");
}

void TestTextDatei::pfadAufloesen_findetAndereSchreibweise() {
    QFETCH(QString, vorhanden);
    QFETCH(QString, gefragt);
    QTemporaryDir dir;
    const QString echt = dir.filePath(vorhanden);
    QDir().mkpath(QFileInfo(echt).path());
    QVERIFY(textSchreiben(echt, QStringLiteral("x")).isEmpty());
    QCOMPARE(pfadAufloesen(dir.path() + QLatin1Char('/') + gefragt), echt);
}

void TestTextDatei::datenordner_mitTrennzeichenAmEnde() {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("KORI-Vorlage-Dateien/Artikeln-Txt")));
    const QString erwartet = dir.filePath(QStringLiteral("KORI-Vorlage-Dateien/Artikeln-Txt/neu.ebay"));
    QCOMPARE(Datenordner(dir.path()).pfad(QStringLiteral("Artikeln-txt\\neu.ebay")), erwartet);
    QCOMPARE(Datenordner(dir.path() + QLatin1Char('/')).pfad(QStringLiteral("Artikeln-txt\\neu.ebay")), erwartet);
}

QTEST_GUILESS_MAIN(TestTextDatei)
#include "tst_textdatei.moc"
