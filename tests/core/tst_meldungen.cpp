#include "support/SkriptPlattform.h"
#include "ui/Meldung.h"

#include <QTest>

class TestMeldungen : public QObject {
    Q_OBJECT
private slots:
    void jedeNummer_data();
    void jedeNummer();
    void nummerNichtInTabelle_zeigtNichts();
    void meldung999_zeigtFehlerNummerUndBeschreibung();
};

void TestMeldungen::jedeNummer_data() {
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<int>("symbol");
    QTest::addColumn<QString>("titel");
    const int warnung = static_cast<int>(Plattform::Symbol::Ausrufezeichen);
    const QString kori = QStringLiteral("K.O.R.I");
    QTest::newRow("1 leer") << 1 << QString() << QString() << QStringLiteral("\r\nFunktion in Vorbereitung")
                            << warnung << kori;
    QTest::newRow("10") << 10 << QStringLiteral("Auf was Bieten") << QString()
                        << QStringLiteral("ACHTUNG\r\nAngaben im Feld \"Auf was Bieten\" fehlen (s. ?\?\?)") << warnung
                        << kori;
    QTest::newRow("11") << 11 << QStringLiteral("Titel zu lang") << QStringLiteral("ignoriert")
                        << QStringLiteral("ACHTUNG\r\nAngaben im Feld Titel zu lang") << warnung << kori;
    QTest::newRow("12") << 12 << QStringLiteral("Länge ist") << QStringLiteral("keine Zahl")
                        << QStringLiteral("ACHTUNG\r\nBitte Angaben im Feld \"Länge ist\" Korriegieren!\r\nkeine Zahl")
                        << warnung << kori;
    QTest::newRow("12 ohne text2") << 12 << QStringLiteral("Höhe ist") << QString()
                                   << QStringLiteral("ACHTUNG\r\nBitte Angaben im Feld \"Höhe ist\" Korriegieren!\r\n")
                                   << warnung << kori;
    QTest::newRow("20") << 20 << QStringLiteral("/x/HTML_text-1.txt") << QString()
                        << QStringLiteral("ACHTUNG\r\nDatei kann nicht eigelesen werden/x/HTML_text-1.txt in "
                                          "Einstelungen der Vorlage")
                        << warnung << kori;
    QTest::newRow("99") << 99 << QStringLiteral(" Freier Text ") << QString() << QStringLiteral(" Freier Text ")
                        << static_cast<int>(Plattform::Symbol::Kritisch) << QStringLiteral("ACHTUNG!");
    QTest::newRow("999 ohne Fehler") << 999 << QStringLiteral("Fehler Nr 500/ ") << QString()
                                     << QStringLiteral("Fehler Nr 500/ \r\n0\r\n")
                                     << static_cast<int>(Plattform::Symbol::Keins) << kori;
}

void TestMeldungen::jedeNummer() {
    QFETCH(int, nummer);
    QFETCH(QString, text);
    QFETCH(QString, text2);
    QFETCH(QString, erwartet);
    QFETCH(int, symbol);
    QFETCH(QString, titel);
    SkriptPlattform p;
    Meldung(p, nummer, text, text2);
    QCOMPARE(p.fenster.size(), 1);
    QCOMPARE(p.fenster[0].text, erwartet);
    QCOMPARE(static_cast<int>(p.fenster[0].symbol), symbol);
    QCOMPARE(p.fenster[0].knoepfe, Plattform::Knoepfe::Ok);
    QCOMPARE(p.fenster[0].titel, titel);
}

void TestMeldungen::nummerNichtInTabelle_zeigtNichts() {
    SkriptPlattform p;
    Meldung(p, 5, QStringLiteral("x"));
    QVERIFY(p.aufrufe.isEmpty());
}

void TestMeldungen::meldung999_zeigtFehlerNummerUndBeschreibung() {
    SkriptPlattform p;
    Meldung(p, 999, QStringLiteral("Fehler Nr 505/ "), {}, {76, QStringLiteral("Pfad nicht gefunden")});
    QCOMPARE(p.fenster.at(0).text, QStringLiteral("Fehler Nr 505/ \r\n76\r\nPfad nicht gefunden"));
}

QTEST_GUILESS_MAIN(TestMeldungen)
#include "tst_meldungen.moc"
