#include "title/Beschreibungsname.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestBeschreibungsname : public QObject {
    Q_OBJECT
private slots:
    void verboteneZeichen_ersetzt_data();
    void verboteneZeichen_ersetzt();
    void punkte_abgelehnt_data();
    void punkte_abgelehnt();
    void keineBezeichnung_schreibtAusserhalb_data();
    void keineBezeichnung_schreibtAusserhalb();
};

void TestBeschreibungsname::verboteneZeichen_ersetzt_data() {
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<QString>("datei");
    QTest::newRow("schlicht") << QStringLiteral("Der Hobbit") << QStringLiteral("Der Hobbit.ini");
    QTest::newRow("leer") << QString() << QStringLiteral(".ini");
    QTest::newRow("Fragezeichen") << QStringLiteral("Wer? Wie?") << QStringLiteral("Wer- Wie-.ini");
    QTest::newRow("Raute") << QStringLiteral("Band #2") << QStringLiteral("Band -2.ini");
    QTest::newRow("Doppelpunkt") << QStringLiteral("Teil: Eins") << QStringLiteral("Teil, Eins.ini");
    QTest::newRow("Schraegstriche") << QStringLiteral("a\\b/c|d") << QStringLiteral("a,b,c,d.ini");
    QTest::newRow("Stern") << QStringLiteral("5*") << QStringLiteral("5+.ini");
    QTest::newRow("Spitzklammern") << QStringLiteral("<neu>") << QStringLiteral("(neu).ini");
    QTest::newRow("Ausrufezeichen") << QStringLiteral("Top!") << QStringLiteral("Top~.ini");
    QTest::newRow("Anfuehrung") << QStringLiteral("\"Emil\"") << QStringLiteral("'Emil'.ini");
    QTest::newRow("Punkte im Namen") << QStringLiteral("Band 2...Ende")
                                     << QStringLiteral("Band 2...Ende.ini");
}

void TestBeschreibungsname::verboteneZeichen_ersetzt() {
    QFETCH(QString, bezeichnung);
    QFETCH(QString, datei);
    QCOMPARE(Beschreibungsdateiname(bezeichnung), datei);
}

void TestBeschreibungsname::punkte_abgelehnt_data() {
    QTest::addColumn<QString>("bezeichnung");
    QTest::newRow("Elternordner") << QStringLiteral("..");
    QTest::newRow("Ordner selbst") << QStringLiteral(".");
    QTest::newRow("mit Leerzeichen") << QStringLiteral(" .. ");
}

void TestBeschreibungsname::punkte_abgelehnt() {
    QFETCH(QString, bezeichnung);
    QCOMPARE(Beschreibungsdateiname(bezeichnung), std::nullopt);
}

void TestBeschreibungsname::keineBezeichnung_schreibtAusserhalb_data() {
    QTest::addColumn<QString>("bezeichnung");
    QTest::newRow("hoch mit Schraegstrich") << QStringLiteral("../../Einstell");
    QTest::newRow("hoch mit Rueckstrich") << QStringLiteral("..\\..\\Einstell");
    QTest::newRow("absolut") << QStringLiteral("/etc/passwd");
    QTest::newRow("Laufwerk") << QStringLiteral("C:\\Windows\\win");
    QTest::newRow("Punkte am Ende") << QStringLiteral("x/..");
}

void TestBeschreibungsname::keineBezeichnung_schreibtAusserhalb() {
    QFETCH(QString, bezeichnung);
    QTemporaryDir wurzel;
    const QDir ordner(wurzel.filePath(QStringLiteral("Artikel-Beschreibung")));
    const std::optional<QString> name = Beschreibungsdateiname(bezeichnung);
    QVERIFY(name);
    const QFileInfo ziel(ordner.filePath(*name));
    QCOMPARE(QDir::cleanPath(ziel.absolutePath()), QDir::cleanPath(ordner.absolutePath()));
}

QTEST_GUILESS_MAIN(TestBeschreibungsname)
#include "tst_buchbeschreibungsname.moc"
