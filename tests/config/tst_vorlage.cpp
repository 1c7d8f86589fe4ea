#include "config/Ini.h"
#include "config/Vorlage.h"
#include "core/TextDatei.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestVorlage : public QObject {
    Q_OBJECT
private slots:
    void pfadKuerzen_data();
    void pfadKuerzen();
    void dateien_inLadefolge();
    void variante_data();
    void variante();
    void eigenerAbschnitt_wirdGelesen();
    void fehlenderAbschnitt_liestBuch();
    void dateiOhneAbschnitt_liefertLeereTeile();
    void speichern_schreibtSiebenTeile();
    void langerTeil_kommtGanzZurueck();
    void mehrzeiligerTeil_bleibtEineZeile();
    void signatur_vergleichtTexte();
};

void TestVorlage::pfadKuerzen_data() {
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("kurz");
    QTest::newRow("laufwerk") << "C:\\Programme\\X\\KORI-Vorlage-Dateien\\HTML_Code\\HTML_text-0a.txt"
                              << "C:\\Programme\\.....\\HTML_Code\\HTML_text-0a.txt";
    QTest::newRow("ohne trenner") << "HTML_text-0a.txt"
                                  << ".....";
    QTest::newRow("leer") << ""
                          << ".....";
    QTest::newRow("laufwerk ohne zweiten trenner") << "C:\\datei.txt"
                                                   << ".....\\datei.txt";
    QTest::newRow("schraegstriche") << "/home/nutzer/KORI-Vorlage-Dateien/HTML_Code/HTML_text-5.txt"
                                    << "...../HTML_Code/HTML_text-5.txt";
}

void TestVorlage::pfadKuerzen() {
    QFETCH(QString, pfad);
    QFETCH(QString, kurz);
    QCOMPARE(PfadKuerzen(pfad), kurz);
}

void TestVorlage::dateien_inLadefolge() {
    const auto& d = vorlageDateien();
    QCOMPARE(d.at(0).datei, QStringLiteral("HTML_text-0a.txt"));
    QCOMPARE(d.at(0).editorDatei, QStringLiteral("HTML_Text-0a.txt"));
    QCOMPARE(d.at(9).datei, QStringLiteral("HTML_text-6b.txt"));
    QCOMPARE(d.at(10).editorDatei, QStringLiteral("HTML_text-shopAktuell.txt"));
    QCOMPARE(d.at(11).datei, QStringLiteral("HTML_text-verst.txt"));
}

void TestVorlage::variante_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("variante");
    QTest::addColumn<QString>("zurueck");
    QTest::newRow("buch") << "Buch"
                          << "Buch"
                          << "Buch";
    QTest::newRow("cd") << "CD_MC"
                        << "CD_MC"
                        << "CD_MC";
    QTest::newRow("kleidung") << "Kleidung"
                              << "Keidung"
                              << "Kleidung";
    QTest::newRow("menuewort kleidung") << "Keidung"
                                        << "Keidung"
                                        << "Kleidung";
    QTest::newRow("leer") << ""
                          << "Buch"
                          << "Buch";
}

void TestVorlage::variante() {
    QFETCH(QString, art);
    QFETCH(QString, variante);
    QFETCH(QString, zurueck);
    QCOMPARE(vorlageVariante(art), variante);
    QCOMPARE(artikelArtVonVariante(vorlageVariante(art)), zurueck);
}

void TestVorlage::eigenerAbschnitt_wirdGelesen() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Vorlage.Ini"));
    QVERIFY(textSchreiben(
                pfad,
                QStringLiteral("[VORLAGEBuch]\r\nTEIL2=Buchtext\r\n[VORLAGECD_MC]\r\nTEIL2=CD-Text\r\n"),
                Textart::Klartext)
                .isEmpty());
    QCOMPARE(vorlageTeileLesen(pfad, QStringLiteral("CD_MC")).at(1), QStringLiteral("CD-Text"));
    QCOMPARE(vorlageTeileLesen(pfad, QStringLiteral("Buch")).at(1), QStringLiteral("Buchtext"));
}

void TestVorlage::fehlenderAbschnitt_liestBuch() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Vorlage.Ini"));
    QVERIFY(textSchreiben(pfad, QStringLiteral("[VORLAGEBuch]\r\nTEIL2=Buchtext\r\nTEIL8=acht\r\n"),
                          Textart::Klartext)
                .isEmpty());
    const auto teile = vorlageTeileLesen(pfad, QStringLiteral("Keidung"));
    QCOMPARE(teile.at(1), QStringLiteral("Buchtext"));
    QCOMPARE(teile.at(7), QStringLiteral("acht"));
}

void TestVorlage::dateiOhneAbschnitt_liefertLeereTeile() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Vorlage.Ini"));
    QVERIFY(textSchreiben(pfad, QStringLiteral("[ANDERES]\r\nTEIL1=x\r\n"), Textart::Klartext).isEmpty());
    for (const QString& teil : vorlageTeileLesen(pfad, QStringLiteral("Buch"))) {
        QCOMPARE(teil, QString());
    }
}

void TestVorlage::speichern_schreibtSiebenTeile() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Vorlage.Ini"));
    QVERIFY(textSchreiben(pfad, QStringLiteral("[VORLAGEBuch]\r\nTEIL1=bleibt\r\nTEIL8=acht\r\n"),
                          Textart::Klartext)
                .isEmpty());
    QVERIFY(vorlageTeileSchreiben(pfad, QStringLiteral("CD_MC"),
                                  {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s}));
    QCOMPARE(IniLesen(pfad, QStringLiteral("VORLAGECD_MC"), QStringLiteral("TEIL7")), QStringLiteral("7"));
    QCOMPARE(IniLesen(pfad, QStringLiteral("VORLAGECD_MC"), QStringLiteral("TEIL8")), QString());
    QCOMPARE(IniLesen(pfad, QStringLiteral("VORLAGEBuch"), QStringLiteral("TEIL1")),
             QStringLiteral("bleibt"));
    QVERIFY(!vorlageTeileSchreiben(dir.filePath(QStringLiteral("fehlt/Vorlage.Ini")), QStringLiteral("Buch"),
                                   {}));
}

void TestVorlage::langerTeil_kommtGanzZurueck() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Vorlage.Ini"));
    const QString lang = QString(300, QLatin1Char('a')) + QStringLiteral("</table>");
    QVERIFY(vorlageTeileSchreiben(pfad, QStringLiteral("Buch"), {lang}));
    QCOMPARE(vorlageTeileLesen(pfad, QStringLiteral("Buch")).at(0), lang);
}

void TestVorlage::mehrzeiligerTeil_bleibtEineZeile() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Vorlage.Ini"));
    const QStringList teile{
        u"1"_s, u"<div>\r\n[VORLAGEBuch]\r\nTEIL3=fremd\r\n</div>"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s};
    QVERIFY(vorlageTeileSchreiben(pfad, QStringLiteral("Buch"), teile));
    const std::array<QString, 8> gelesen = vorlageTeileLesen(pfad, QStringLiteral("Buch"));
    QCOMPARE(gelesen.at(1), QStringLiteral("<div> [VORLAGEBuch] TEIL3=fremd </div>"));
    QCOMPARE(gelesen.at(2), QStringLiteral("3"));
    QCOMPARE(gelesen.at(6), QStringLiteral("7"));
}

void TestVorlage::signatur_vergleichtTexte() {
    QVERIFY(vorlageSignatur({u"ab"_s, u"c"_s}, {u"\r\n"_s}) !=
            vorlageSignatur({u"xy"_s, u"c"_s}, {u"\r\n"_s}));
    QVERIFY(vorlageSignatur({u"ab"_s, u"c"_s}, {u"d"_s}) != vorlageSignatur({u"a"_s, u"bc"_s}, {u"d"_s}));
    QCOMPARE(vorlageSignatur({u"ab"_s, u"c"_s}, {u"d"_s}), vorlageSignatur({u"ab"_s, u"c"_s}, {u"d"_s}));
}

QTEST_GUILESS_MAIN(TestVorlage)
#include "tst_vorlage.moc"
