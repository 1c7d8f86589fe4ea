#include "compose/Pruefungen.h"

#include <QTest>

namespace {

PruefEingabe gueltig() {
    PruefEingabe e;
    e.bilder[0] = {true, QStringLiteral("a.jpg"), QStringLiteral("400"), QStringLiteral("300")};
    e.artikelBez = QStringLiteral("Buch");
    e.titel = QStringLiteral("Titel");
    e.aufWasBieten = QStringLiteral("ein Buch");
    e.inhalt = QStringLiteral("Beschreibung");
    return e;
}

QString zuKlein(const QString& feld, int zeile) {
    return QStringLiteral("\"") + feld + QStringLiteral("\" ist zu klein (Bild ") + QString::number(zeile) +
           QStringLiteral(")\r\nsoll mehr als 1 sein");
}

} // namespace

Q_DECLARE_METATYPE(PruefEingabe)

class TestPruefungen : public QObject {
    Q_OBJECT
private slots:
    void gueltigeEingabe_wirdNichtVerweigert();
    void verweigerung_genauEineMeldung_data();
    void verweigerung_genauEineMeldung();
    void breite_alsZahlGelesen_data();
    void breite_alsZahlGelesen();
    void bild3OhneDateiname_nichtVorhanden();
    void bilder3bis5_vorhandenNurWennAngehakt();
    void verweigerungVorBild5_laesstSeineMarkeStehen();
    void nichtAngehakteZeile_wirdNichtGeprueft();
};

void TestPruefungen::gueltigeEingabe_wirdNichtVerweigert() {
    const PruefErgebnis r = EingabenPruefen(gueltig());
    QVERIFY(!r.verweigerung);
}

void TestPruefungen::verweigerung_genauEineMeldung_data() {
    QTest::addColumn<PruefEingabe>("eingabe");
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("text");

    for (int zeile = 1; zeile <= 5; ++zeile) {
        PruefEingabe ohneName = gueltig();
        ohneName.bilder[zeile - 1] = {true, QString(), QStringLiteral("400"), QStringLiteral("300")};
        QTest::addRow("Bild %d ohne Dateiname", zeile)
            << ohneName << 99 << QStringLiteral("Dateiname vom Bild-%1 fehlt!").arg(zeile);
        PruefEingabe breiteEins = gueltig();
        breiteEins.bilder[zeile - 1] = {true, QStringLiteral("b.jpg"), QStringLiteral("1"),
                                        QStringLiteral("300")};
        QTest::addRow("Bild %d Breite 1", zeile)
            << breiteEins << 11 << zuKlein(QStringLiteral("Länge in Pixel"), zeile);
        PruefEingabe hoeheLeer = gueltig();
        hoeheLeer.bilder[zeile - 1] = {true, QStringLiteral("b.jpg"), QStringLiteral("400"), QString()};
        QTest::addRow("Bild %d Hoehe leer", zeile)
            << hoeheLeer << 11 << zuKlein(QStringLiteral("Höhe in Pixel"), zeile);
    }

    PruefEingabe e = gueltig();
    e.artikelBez.clear();
    e.titel.clear();
    QTest::newRow("Bezeichnung vor Titel") << e << 10 << QStringLiteral("Artikel Bezeichnung");
    e = gueltig();
    e.titel.clear();
    QTest::newRow("Titel") << e << 10 << QStringLiteral("Titel");
    e = gueltig();
    e.aufWasBieten.clear();
    QTest::newRow("Auf was Bieten") << e << 10 << QStringLiteral("Auf was Bieten");
    e = gueltig();
    e.inhalt.clear();
    QTest::newRow("keine Beschreibung") << e << 10 << QStringLiteral("Beschreibung");

    const QString marke = QStringLiteral("Bitte Beschreibung korriegieren\r\nsiehe die Zeichen: +*+*+*+");
    for (const QString& inhalt :
         {QStringLiteral("Text +*+*+*+ Ende"), QStringLiteral("a*+b"), QStringLiteral("a+*b")}) {
        e = gueltig();
        e.inhalt = inhalt;
        QTest::addRow("Marke in %s", qPrintable(inhalt)) << e << 99 << marke;
    }

    e = gueltig();
    e.bilder[0].breite = QStringLiteral("1");
    e.artikelBez.clear();
    QTest::newRow("Bilder vor Feldern") << e << 11 << zuKlein(QStringLiteral("Länge in Pixel"), 1);
}

void TestPruefungen::verweigerung_genauEineMeldung() {
    QFETCH(PruefEingabe, eingabe);
    QFETCH(int, nummer);
    QFETCH(QString, text);
    const PruefErgebnis r = EingabenPruefen(eingabe);
    QVERIFY(r.verweigerung);
    QCOMPARE(r.verweigerung->nummer, nummer);
    QCOMPARE(r.verweigerung->text, text);
}

void TestPruefungen::breite_alsZahlGelesen_data() {
    QTest::addColumn<QString>("breite");
    QTest::addColumn<bool>("angenommen");
    QTest::newRow("300") << QStringLiteral("300") << true;
    QTest::newRow("Komma") << QStringLiteral("1,5") << true;
    QTest::newRow("Punkt") << QStringLiteral("1.5") << true;
    QTest::newRow("Blanks") << QStringLiteral(" 400 ") << true;
    QTest::newRow("1") << QStringLiteral("1") << false;
    QTest::newRow("1,0") << QStringLiteral("1,0") << false;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("-5") << QStringLiteral("-5") << false;
    QTest::newRow("leer") << QString() << false;
    QTest::newRow("Wort") << QStringLiteral("breit") << false;
    QTest::newRow("Zahl mit Wort") << QStringLiteral("400px") << false;
    QTest::newRow("zwei Trenner") << QStringLiteral("1.000,5") << false;
    QTest::newRow("unendlich") << QStringLiteral("inf") << false;
}

void TestPruefungen::breite_alsZahlGelesen() {
    QFETCH(QString, breite);
    QFETCH(bool, angenommen);
    PruefEingabe e = gueltig();
    e.bilder[1] = {true, QStringLiteral("b.jpg"), breite, QStringLiteral("300")};
    QCOMPARE(!EingabenPruefen(e).verweigerung, angenommen);
}

void TestPruefungen::bild3OhneDateiname_nichtVorhanden() {
    PruefEingabe e = gueltig();
    e.bildVorhanden = {true, true, true};
    e.bilder[2] = {true, QString(), QStringLiteral("400"), QStringLiteral("300")};
    const PruefErgebnis r = EingabenPruefen(e);
    QCOMPARE(r.verweigerung->nummer, 99);
    QCOMPARE(r.bildVorhanden[0], false);
}

void TestPruefungen::bilder3bis5_vorhandenNurWennAngehakt() {
    PruefEingabe e = gueltig();
    e.bildVorhanden = {true, true, true};
    e.bilder[2] = {true, QStringLiteral("c.jpg"), QStringLiteral("400"), QStringLiteral("300")};
    e.bilder[3] = {false, QStringLiteral("d.jpg"), QStringLiteral("400"), QStringLiteral("300")};
    e.bilder[4] = {true, QStringLiteral("e.jpg"), QStringLiteral("400"), QStringLiteral("300")};
    const PruefErgebnis r = EingabenPruefen(e);
    QVERIFY(!r.verweigerung);
    QCOMPARE(r.bildVorhanden, (std::array<bool, 3>{true, false, true}));
}

void TestPruefungen::verweigerungVorBild5_laesstSeineMarkeStehen() {
    PruefEingabe e = gueltig();
    e.bildVorhanden = {false, false, true};
    e.bilder[3] = {true, QStringLiteral("d.jpg"), QStringLiteral("1"), QStringLiteral("300")};
    const PruefErgebnis r = EingabenPruefen(e);
    QCOMPARE(r.verweigerung->nummer, 11);
    // Row 4 got as far as its width, so it counts as present; row 5 was not reached.
    QCOMPARE(r.bildVorhanden, (std::array<bool, 3>{false, true, true}));
}

void TestPruefungen::nichtAngehakteZeile_wirdNichtGeprueft() {
    PruefEingabe e = gueltig();
    e.bilder[1] = {false, QString(), QStringLiteral("1"), QStringLiteral("x")};
    e.inhalt.clear();
    e.inhaltAuto = QStringLiteral("<table>");
    QVERIFY(!EingabenPruefen(e).verweigerung);
}

QTEST_GUILESS_MAIN(TestPruefungen)
#include "tst_pruefungen.moc"
