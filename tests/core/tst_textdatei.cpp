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
    void zeichenAusserhalb_htmlVerweisKlartextNie_data();
    void zeichenAusserhalb_htmlVerweisKlartextNie();
    void undefinierteBytes_ueberlebenRundreise();
    void fehlgeschlagenesSchreiben_laesstAlteDateiStehen();
    void fehlendeDatei_liefertNichts();
    void pfadAufloesen_findetAndereSchreibweise_data();
    void pfadAufloesen_findetAndereSchreibweise();
    void datenordner_mitTrennzeichenAmEnde();
};

void TestTextDatei::umlauteUndEuro_rundreise() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(textSchreiben(pfad, QStringLiteral("äöüß€\r\nzwei\r\n"), Textart::Klartext).isEmpty());
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.readAll(), QByteArray("\xE4\xF6\xFC\xDF\x80\r\nzwei\r\n"));
    QCOMPARE(textLesen(pfad).value(), QStringLiteral("äöüß€\r\nzwei\r\n"));
}

void TestTextDatei::zeichenAusserhalb_htmlVerweisKlartextNie_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QString>("fremde");
    QTest::newRow("Code-Seite") << QStringLiteral("€ „x“ ?") << QByteArray("\x80 \x84x\x93 ?") << QString();
    QTest::newRow("Haken") << QStringLiteral("a✓b") << QByteArray("a&#10003;b") << QStringLiteral("✓");
    QTest::newRow("jedes Zeichen einmal genannt") << QStringLiteral("Łódź Ł")
                                                  << QByteArray("&#321;\xF3"
                                                                "d&#378; &#321;")
                                                  << QStringLiteral("Łź");
    QTest::newRow("ein Verweis je Codepunkt")
        << QStringLiteral("\U0001F600!") << QByteArray("&#128512;!") << QStringLiteral("\U0001F600");
    QTest::newRow("einzelnes Ersatzzeichen")
        << QString(QChar(0xD83D)) << QByteArray("&#65533;") << QString(QChar(0xD83D));
    QTest::newRow("Steuerzeichen C1 ohne Platz")
        << QString(QChar(0x85)) << QByteArray("&#133;") << QString(QChar(0x85));
}

void TestTextDatei::zeichenAusserhalb_htmlVerweisKlartextNie() {
    QFETCH(QString, text);
    QFETCH(QByteArray, html);
    QFETCH(QString, fremde);
    QCOMPARE(ZeichenAusserhalbWindows1252(text), fremde);
    QCOMPARE(nachWindows1252(text, Textart::Html), std::optional<QByteArray>(html));
    QCOMPARE(nachWindows1252(text, Textart::Klartext).has_value(), fremde.isEmpty());
}

void TestTextDatei::undefinierteBytes_ueberlebenRundreise() {
    const QByteArray bytes("\x81\x8D\x8F\x90\x9D", 5);
    QCOMPARE(nachWindows1252(ausWindows1252(bytes), Textart::Klartext), std::optional<QByteArray>(bytes));
}

void TestTextDatei::fehlgeschlagenesSchreiben_laesstAlteDateiStehen() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("alt.txt"));
    QVERIFY(textSchreiben(pfad, QStringLiteral("alt"), Textart::Klartext).isEmpty());
    // Read-only does not stop root; an immutable folder does.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool unveraenderlich =
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir.path()}) == 0;
    const QString fehler = textSchreiben(pfad, QStringLiteral("neu"), Textart::Klartext);
    if (unveraenderlich) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.path()});
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (fehler.isEmpty()) {
        QSKIP("this file system lets the write through");
    }
    QCOMPARE(textLesen(pfad).value(), QStringLiteral("alt"));
}

void TestTextDatei::fehlendeDatei_liefertNichts() {
    QTemporaryDir dir;
    QVERIFY(!textLesen(dir.filePath(QStringLiteral("fehlt"))).has_value());
    QVERIFY(!textSchreiben(dir.filePath(QStringLiteral("kein/ordner.txt")), QStringLiteral("x"),
                           Textart::Klartext)
                 .isEmpty());
}

void TestTextDatei::pfadAufloesen_findetAndereSchreibweise_data() {
    QTest::addColumn<QString>("vorhanden");
    QTest::addColumn<QString>("gefragt");
    QTest::newRow("Ordner") << QStringLiteral("D/Artikeln-Txt/x.ebay")
                            << QStringLiteral("D/Artikeln-txt/x.ebay");
    QTest::newRow("Datei") << QStringLiteral("D/vorlagen/BT-Namen.Str")
                           << QStringLiteral("D/vorlagen/BT-Namen.str");
    QTest::newRow("Teil") << QStringLiteral("D/HTML_Code/HTML_text-1.txt")
                          << QStringLiteral("D/HTML_Code/HTML_Text-1.txt");
    QTest::newRow("Rueckstrich") << QStringLiteral("D/vorlagen/a.txt")
                                 << QStringLiteral("d\\VORLAGEN\\A.TXT");
}

void TestTextDatei::pfadAufloesen_findetAndereSchreibweise() {
    QFETCH(QString, vorhanden);
    QFETCH(QString, gefragt);
    QTemporaryDir dir;
    const QString echt = dir.filePath(vorhanden);
    QDir().mkpath(QFileInfo(echt).path());
    QVERIFY(textSchreiben(echt, QStringLiteral("x"), Textart::Klartext).isEmpty());
    QCOMPARE(pfadAufloesen(dir.path() + QLatin1Char('/') + gefragt), echt);
}

void TestTextDatei::datenordner_mitTrennzeichenAmEnde() {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("KORI-Vorlage-Dateien/Artikeln-Txt")));
    const QString erwartet = dir.filePath(QStringLiteral("KORI-Vorlage-Dateien/Artikeln-Txt/neu.ebay"));
    QCOMPARE(Datenordner(dir.path()).pfad(QStringLiteral("Artikeln-txt\\neu.ebay")), erwartet);
    QCOMPARE(Datenordner(dir.path() + QLatin1Char('/')).pfad(QStringLiteral("Artikeln-txt\\neu.ebay")),
             erwartet);
}

QTEST_GUILESS_MAIN(TestTextDatei)
#include "tst_textdatei.moc"
