#include "config/Beschreibungsdatei.h"
#include "config/Ini.h"
#include "core/TextDatei.h"

#include <QTemporaryDir>
#include <QTest>

class TestIni : public QObject {
    Q_OBJECT
private slots:
    void lesen_data();
    void lesen();
    void fehlendeDatei_liefertLeer();
    void langerWert_kommtGanzZurueck_data();
    void langerWert_kommtGanzZurueck();
    void zeilenumbruch_bleibtEineZeile_data();
    void zeilenumbruch_bleibtEineZeile();
    void schreiben_behaeltAndereAbschnitteUndKommentare();
    void schreiben_fehlenderAbschnitt_wirdAngehaengt();
    void schreiben_fehlenderSchluessel_stehtAmEndeDesAbschnitts();
    void schreiben_neueDatei_wirdAngelegt();
    void schreiben_unbeschreibbar_liefertFalse();
    void abschnittVorhanden();
    void beschreibung_schreibtAchtTeile();
    void beschreibung_zeilenumbruch_bleibtEineZeile();
};

void TestIni::lesen_data() {
    QTest::addColumn<QString>("inhalt");
    QTest::addColumn<QString>("abschnitt");
    QTest::addColumn<QString>("schluessel");
    QTest::addColumn<QString>("erwartet");
    const QString datei = QStringLiteral("[A]\r\nX=1\r\n[B]\r\nX=2\r\n");
    QTest::newRow("abschnitt waehlt") << datei << "B"
                                      << "X"
                                      << "2";
    QTest::newRow("abschnitt klein") << datei << "b"
                                     << "X"
                                     << "2";
    QTest::newRow("schluessel klein") << datei << "A"
                                      << "x"
                                      << "1";
    QTest::newRow("fehlender schluessel") << datei << "A"
                                          << "Y"
                                          << "";
    QTest::newRow("fehlender abschnitt") << datei << "C"
                                         << "X"
                                         << "";
    QTest::newRow("blanks um wert") << "[A]\r\nX =  a b  \r\n"
                                    << "A"
                                    << "X"
                                    << "a b";
    QTest::newRow("anfuehrungszeichen") << "[A]\r\nX=\" a \"\r\n"
                                        << "A"
                                        << "X"
                                        << " a ";
    QTest::newRow("nur ein anfuehrungszeichen") << "[A]\r\nX=\"a\r\n"
                                                << "A"
                                                << "X"
                                                << "\"a";
    QTest::newRow("gleichheitszeichen im wert") << "[A]\r\nX=a=b\r\n"
                                                << "A"
                                                << "X"
                                                << "a=b";
    QTest::newRow("nur LF") << "[A]\nX=1\n"
                            << "A"
                            << "X"
                            << "1";
    QTest::newRow("abschnitt mit blanks") << " [ A ] \r\nX=1\r\n"
                                          << "A"
                                          << "X"
                                          << "1";
}

void TestIni::lesen() {
    QFETCH(QString, inhalt);
    QFETCH(QString, abschnitt);
    QFETCH(QString, schluessel);
    QFETCH(QString, erwartet);
    QCOMPARE(iniWertAusText(inhalt, abschnitt, schluessel), erwartet);
}

void TestIni::fehlendeDatei_liefertLeer() {
    QTemporaryDir dir;
    QCOMPARE(IniLesen(dir.filePath(QStringLiteral("keine.ini")), QStringLiteral("A"), QStringLiteral("X")),
             QString());
}

void TestIni::langerWert_kommtGanzZurueck_data() {
    QTest::addColumn<int>("laenge");
    QTest::newRow("254, the old limit") << 254;
    QTest::newRow("255") << 255;
    QTest::newRow("300") << 300;
    QTest::newRow("20000") << 20000;
}

void TestIni::langerWert_kommtGanzZurueck() {
    QFETCH(int, laenge);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("a.ini"));
    QString wert;
    for (int i = 0; i < laenge; ++i) {
        wert.append(QChar(u'a' + i % 26));
    }
    QVERIFY(IniSchreiben(pfad, QStringLiteral("A"), QStringLiteral("X"), wert));
    QCOMPARE(IniLesen(pfad, QStringLiteral("A"), QStringLiteral("X")), wert);
    QCOMPARE(IniLesen(pfad, QStringLiteral("A"), QStringList{QStringLiteral("X")}), QStringList{wert});
}

void TestIni::zeilenumbruch_bleibtEineZeile_data() {
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("gelesen");
    QTest::newRow("CR LF before a section line")
        << QStringLiteral("<b>\r\n[EINSTELL]") << QStringLiteral("<b> [EINSTELL]");
    QTest::newRow("LF before a key line") << QStringLiteral("a\nY=fremd") << QStringLiteral("a Y=fremd");
    QTest::newRow("lone CR") << QStringLiteral("a\rY=fremd") << QStringLiteral("a Y=fremd");
    QTest::newRow("several") << QStringLiteral("<p>\r\n\r\n</p>\n") << QStringLiteral("<p>  </p>");
}

void TestIni::zeilenumbruch_bleibtEineZeile() {
    QFETCH(QString, wert);
    QFETCH(QString, gelesen);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("a.ini"));
    QVERIFY(IniSchreiben(pfad, QStringLiteral("A"), QStringLiteral("X"), wert));
    QVERIFY(IniSchreiben(pfad, QStringLiteral("A"), QStringLiteral("Z"), QStringLiteral("zuletzt")));
    QCOMPARE(IniLesen(pfad, QStringLiteral("A"), QStringLiteral("X")), gelesen);
    QCOMPARE(IniLesen(pfad, QStringLiteral("A"), QStringLiteral("Y")), QString());
    QCOMPARE(IniLesen(pfad, QStringLiteral("A"), QStringLiteral("Z")), QStringLiteral("zuletzt"));
    QCOMPARE(textLesen(pfad).value_or(QString()).count(QStringLiteral("\r\n")), 3);
}

void TestIni::schreiben_behaeltAndereAbschnitteUndKommentare() {
    const QString vorher = QStringLiteral("; Kopf\r\n[A]\r\nX=1\r\n; Notiz\r\nY=2\r\n\r\n[B]\r\nX=3\r\n");
    QCOMPARE(iniTextMitWert(vorher, QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("neu")),
             QStringLiteral("; Kopf\r\n[A]\r\nx=neu\r\n; Notiz\r\nY=2\r\n\r\n[B]\r\nX=3\r\n"));
}

void TestIni::schreiben_fehlenderAbschnitt_wirdAngehaengt() {
    QCOMPARE(iniTextMitWert(QStringLiteral("[A]\r\nX=1\r\n"), QStringLiteral("B"), QStringLiteral("Y"),
                            QStringLiteral("2")),
             QStringLiteral("[A]\r\nX=1\r\n[B]\r\nY=2\r\n"));
}

void TestIni::schreiben_fehlenderSchluessel_stehtAmEndeDesAbschnitts() {
    QCOMPARE(iniTextMitWert(QStringLiteral("[A]\r\nX=1\r\n\r\n[B]\r\nX=3\r\n"), QStringLiteral("A"),
                            QStringLiteral("Y"), QStringLiteral("2")),
             QStringLiteral("[A]\r\nX=1\r\nY=2\r\n\r\n[B]\r\nX=3\r\n"));
}

void TestIni::schreiben_neueDatei_wirdAngelegt() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("neu.ini"));
    QVERIFY(
        IniSchreiben(pfad, QStringLiteral("EINSTELL"), QStringLiteral("EBAYNAME"), QStringLiteral("Müller")));
    QCOMPARE(textLesen(pfad).value_or(QString()), QStringLiteral("[EINSTELL]\r\nEBAYNAME=Müller\r\n"));
}

void TestIni::schreiben_unbeschreibbar_liefertFalse() {
    QTemporaryDir dir;
    QVERIFY(!IniSchreiben(dir.filePath(QStringLiteral("fehlt/a.ini")), QStringLiteral("A"),
                          QStringLiteral("X"), QStringLiteral("1")));
}

void TestIni::abschnittVorhanden() {
    QVERIFY(iniAbschnittImText(QStringLiteral("[VORLAGEBuch]\r\n"), QStringLiteral("vorlagebuch")));
    QVERIFY(!iniAbschnittImText(QStringLiteral("[VORLAGEBuch]\r\nX=[VORLAGECD_MC]\r\n"),
                                QStringLiteral("VORLAGECD_MC")));
    QTemporaryDir dir;
    QVERIFY(!IniAbschnittVorhanden(dir.filePath(QStringLiteral("keine.ini")), QStringLiteral("A")));
}

void TestIni::beschreibung_schreibtAchtTeile() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Jacke.ini"));
    QVERIFY(textSchreiben(pfad, QStringLiteral("[ANDERS]\r\nA=1\r\n"), Textart::Klartext).isEmpty());
    QVERIFY(KleidBeschrSpeichern(pfad, {QStringLiteral("eins"), QStringLiteral("zwei")}));
    QCOMPARE(IniLesen(pfad, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL1")), QStringLiteral("eins"));
    QCOMPARE(IniLesen(pfad, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL2")), QStringLiteral("zwei"));
    QCOMPARE(IniLesen(pfad, QStringLiteral("ANDERS"), QStringLiteral("A")), QStringLiteral("1"));
    QVERIFY(textLesen(pfad).value_or(QString()).contains(QStringLiteral("TEIL8=\r\n")));
}

void TestIni::beschreibung_zeilenumbruch_bleibtEineZeile() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Jacke.ini"));
    QVERIFY(KleidBeschrSpeichern(
        pfad, {QStringLiteral("Baumwolle\r\n[KL_BESCHR]\r\nTEIL2=fremd"), QStringLiteral("blau")}));
    QCOMPARE(IniLesen(pfad, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL1")),
             QStringLiteral("Baumwolle [KL_BESCHR] TEIL2=fremd"));
    QCOMPARE(IniLesen(pfad, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL2")), QStringLiteral("blau"));
    QCOMPARE(textLesen(pfad).value_or(QString()).count(QStringLiteral("\r\n")), 9);
}

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
