#include "article/Dateinamen.h"
#include "article/Pfade.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDateinamen : public QObject {
    Q_OBJECT
private slots:
    void verboteneZeichen_data();
    void verboteneZeichen();
    void rueckwaerts_data();
    void rueckwaerts();
    void rundreise_data();
    void rundreise();
    void dateiname_zerlegt_data();
    void dateiname_zerlegt();
    void ordnerMitTildeUndRaute_verschiebtNichts();
    void leererPfad_liefertLeer();
    void dateinameAusPfad_data();
    void dateinameAusPfad();
    void ordnerAusPfad_data();
    void ordnerAusPfad();
    void pfadVorhanden_dateiUndOrdner();
};

void TestDateinamen::verboteneZeichen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("?") << QStringLiteral("a?b") << QStringLiteral("a-b");
    QTest::newRow("#") << QStringLiteral("a#b") << QStringLiteral("a-b");
    QTest::newRow(":") << QStringLiteral("a:b") << QStringLiteral("a,b");
    QTest::newRow("\\") << QStringLiteral("a\\b") << QStringLiteral("a,b");
    QTest::newRow("/") << QStringLiteral("a/b") << QStringLiteral("a,b");
    QTest::newRow("|") << QStringLiteral("a|b") << QStringLiteral("a,b");
    QTest::newRow("*") << QStringLiteral("a*b") << QStringLiteral("a+b");
    QTest::newRow("<") << QStringLiteral("a<b") << QStringLiteral("a(b");
    QTest::newRow(">") << QStringLiteral("a>b") << QStringLiteral("a)b");
    QTest::newRow("!") << QStringLiteral("a!b") << QStringLiteral("a~b");
    QTest::newRow("Anfuehrungszeichen") << QStringLiteral("a\"b") << QStringLiteral("a'b");
    QTest::newRow("jedesVorkommen") << QStringLiteral("1/2/3") << QStringLiteral("1,2,3");
    QTest::newRow("alle") << QStringLiteral("?#:\\/|*<>!\"") << QStringLiteral("--,,,,+()~'");
    QTest::newRow("erlaubt") << QStringLiteral("Buch (alt), +1") << QStringLiteral("Buch (alt), +1");
}

void TestDateinamen::verboteneZeichen() {
    QFETCH(QString, name);
    QFETCH(QString, erwartet);
    QCOMPARE(VerboteneZeichenErsetzen(name), erwartet);
}

void TestDateinamen::rueckwaerts_data() {
    QTest::addColumn<QString>("speichername");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("+") << QStringLiteral("a+b") << QStringLiteral("a*b");
    QTest::newRow(",") << QStringLiteral("a,b") << QStringLiteral("a/b");
    QTest::newRow("(") << QStringLiteral("a(b") << QStringLiteral("a<b");
    QTest::newRow(")") << QStringLiteral("a)b") << QStringLiteral("a>b");
    QTest::newRow("#") << QStringLiteral("a#b") << QStringLiteral("a\"b");
    QTest::newRow("'") << QStringLiteral("a'b") << QStringLiteral("a\"b");
    QTest::newRow("-bleibt") << QStringLiteral("a-b") << QStringLiteral("a-b");
}

void TestDateinamen::rueckwaerts() {
    QFETCH(QString, speichername);
    QFETCH(QString, erwartet);
    QCOMPARE(VerboteneZeichenZurueck(speichername), erwartet);
}

void TestDateinamen::rundreise_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("zurueck");
    QTest::newRow("Schraegstrich") << QStringLiteral("CD 1/2") << QStringLiteral("CD 1/2");
    QTest::newRow("Doppelpunkt") << QStringLiteral("Band: Eins") << QStringLiteral("Band/ Eins");
    QTest::newRow("Rueckstrich") << QStringLiteral("a\\b|c") << QStringLiteral("a/b/c");
    QTest::newRow("spitzeKlammern") << QStringLiteral("<neu>") << QStringLiteral("<neu>");
    QTest::newRow("rundeKlammer") << QStringLiteral("Buch (alt)") << QStringLiteral("Buch <alt>");
    QTest::newRow("Frage") << QStringLiteral("Was?") << QStringLiteral("Was-");
    QTest::newRow("Stern") << QStringLiteral("5*") << QStringLiteral("5*");
    QTest::newRow("Anfuehrung") << QStringLiteral("\"Titel\"") << QStringLiteral("\"Titel\"");
    // "!" becomes "~" one way; the shipping cost's "~" is the last one, so the name stays whole.
    QTest::newRow("Ausrufezeichen") << QStringLiteral("Neu! Top") << QStringLiteral("Neu~ Top");
    QTest::newRow("Ausrufezeichen am Schluss") << QStringLiteral("Top!!") << QStringLiteral("Top~~");
}

void TestDateinamen::rundreise() {
    QFETCH(QString, name);
    QFETCH(QString, zurueck);
    const QString pfad = QStringLiteral("/k/Artikeln-Txt/") + VerboteneZeichenErsetzen(name) +
                         QStringLiteral("~4,90#Verkaeufer.ebay");
    QCOMPARE(TitelAusDateiname(pfad), zurueck);
}

void TestDateinamen::dateiname_zerlegt_data() {
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("preis");
    QTest::addColumn<QString>("verkaeufer");
    QTest::newRow("vollstaendig") << QStringLiteral("/a/Buch~4,90#Hans.ebay") << QStringLiteral("Buch")
                                  << QStringLiteral("4,90") << QStringLiteral("Hans");
    QTest::newRow("ohneRaute") << QStringLiteral("/a/Buch~4,90.ebay") << QStringLiteral("Buch")
                               << QStringLiteral("4,90") << QStringLiteral("/a/Buch~4,90");
    QTest::newRow("ohneTilde") << QStringLiteral("/a/Buch#Hans.ebay") << QStringLiteral("Buch\"Hans")
                               << QStringLiteral("/a/Buch") << QStringLiteral("Hans");
    QTest::newRow("ohneBeides") << QStringLiteral("/a/Buch.ebay") << QStringLiteral("Buch")
                                << QStringLiteral("/a/Buch") << QStringLiteral("/a/Buch");
    QTest::newRow("nurName") << QStringLiteral("Buch~3#X.ebay") << QStringLiteral("Buch")
                             << QStringLiteral("3") << QStringLiteral("X");
    QTest::newRow("Tilde im Namen") << QStringLiteral("/a/Neu~ Top~4,90#Hans.ebay")
                                    << QStringLiteral("Neu~ Top") << QStringLiteral("4,90")
                                    << QStringLiteral("Hans");
    QTest::newRow("Tilden im Namen ohneRaute")
        << QStringLiteral("/a/A~B~C~1,85.ebay") << QStringLiteral("A~B~C") << QStringLiteral("1,85")
        << QStringLiteral("/a/A~B~C~1,85");
    QTest::newRow("Raute und Tilde im Verkaeufer")
        << QStringLiteral("/a/Neu~~2#Ha#n~s.ebay") << QStringLiteral("Neu~") << QStringLiteral("2")
        << QStringLiteral("Ha#n~s");
    QTest::newRow("Name nur Tilde") << QStringLiteral("~~4,90#H.ebay") << QStringLiteral("~")
                                    << QStringLiteral("4,90") << QStringLiteral("H");
}

void TestDateinamen::dateiname_zerlegt() {
    QFETCH(QString, pfad);
    QFETCH(QString, titel);
    QFETCH(QString, preis);
    QFETCH(QString, verkaeufer);
    QCOMPARE(TitelAusDateiname(pfad), titel);
    QCOMPARE(PreisAusDateiname(pfad), preis);
    QCOMPARE(VerkaeuferAusDateiname(pfad), verkaeufer);
}

void TestDateinamen::ordnerMitTildeUndRaute_verschiebtNichts() {
    const QString pfad = QStringLiteral("/PROGRA~1/Nr#1/Buch~4,90#Hans.ebay");
    QCOMPARE(TitelAusDateiname(pfad), QStringLiteral("Buch"));
    QCOMPARE(PreisAusDateiname(pfad), QStringLiteral("4,90"));
    QCOMPARE(VerkaeuferAusDateiname(pfad), QStringLiteral("Hans"));
}

void TestDateinamen::leererPfad_liefertLeer() {
    QVERIFY(TitelAusDateiname(QString()).isEmpty());
    QVERIFY(TitelAusDateiname(QStringLiteral("/ordner/")).isEmpty());
    QVERIFY(TitelAusDateiname(QStringLiteral("/a/b.e")).isEmpty());
    QVERIFY(PreisAusDateiname(QString()).isEmpty());
    QVERIFY(VerkaeuferAusDateiname(QString()).isEmpty());
}

void TestDateinamen::dateinameAusPfad_data() {
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("leer") << QString() << QString();
    QTest::newRow("ohneTrenner") << QStringLiteral("a.ebay") << QStringLiteral("a.ebay");
    QTest::newRow("tief") << QStringLiteral("/x/y/a.ebay") << QStringLiteral("a.ebay");
    QTest::newRow("Ordner") << QStringLiteral("/x/y/") << QString();
}

void TestDateinamen::dateinameAusPfad() {
    QFETCH(QString, pfad);
    QFETCH(QString, erwartet);
    QCOMPARE(DateinameAusPfad(pfad), erwartet);
}

void TestDateinamen::ordnerAusPfad_data() {
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("leer") << QString() << QString();
    QTest::newRow("ohneTrenner") << QStringLiteral("a.ebay") << QString();
    QTest::newRow("tief") << QStringLiteral("/x/y/a.ebay") << QStringLiteral("/x/y");
    QTest::newRow("Wurzel") << QStringLiteral("/a.ebay") << QStringLiteral("/");
}

void TestDateinamen::ordnerAusPfad() {
    QFETCH(QString, pfad);
    QFETCH(QString, erwartet);
    QCOMPARE(OrdnerAusPfad(pfad), erwartet);
}

void TestDateinamen::pfadVorhanden_dateiUndOrdner() {
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("x.ebay"));
    QFile f(datei);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(PfadVorhanden(datei));
    QVERIFY(PfadVorhanden(dir.path()));
    QVERIFY(!PfadVorhanden(dir.filePath(QStringLiteral("fehlt"))));
    QVERIFY(!PfadVorhanden(QString()));
}

QTEST_GUILESS_MAIN(TestDateinamen)
#include "tst_dateinamen.moc"
