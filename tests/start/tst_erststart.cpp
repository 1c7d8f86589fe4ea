#include "core/Datenordner.h"
#include "support/FensterTest.h"
#include "ui/Anwendung.h"
#include "ui/QtPlattform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QSysInfo>
#include <QTest>

namespace {

// The delivered data folder as the program carries it.
const QString kVorlage = QStringLiteral(":/KORI-Vorlage-Dateien");
const QString kSperre = QStringLiteral(".kori-sperre");

// Every file below a folder with its bytes, by relative path.
QMap<QString, QByteArray> inhalt(const QString& ordner) {
    QMap<QString, QByteArray> dateien;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        QFile f(pfad);
        if (f.open(QIODevice::ReadOnly)) {
            dateien.insert(QDir(ordner).relativeFilePath(pfad), f.readAll());
        }
    }
    return dateien;
}

QMap<QString, QDateTime> zeiten(const QString& ordner) {
    QMap<QString, QDateTime> stand;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        stand.insert(it.filePath(), it.fileInfo().lastModified());
    }
    return stand;
}

} // namespace

class TestErststart : public FensterTest {
    Q_OBJECT
private slots:
    void basisordner_data();
    void basisordner();
    void fehlenderOrdner_wirdVollstaendigAngelegtUndGemeldet();
    void vorhandenerOrdner_bleibtUnberuehrt();
    void unvollstaendigerOrdner_wirdErgaenztOhneUeberschreiben();
    void abgebrochenerErststart_wirdVollendet();
    void zweiterStart_endetMitMeldungUndAendertNichts();
    void verwaisteSperre_wirdUebernommen();
    void fremderRechner_fragtErst_data();
    void fremderRechner_fragtErst();
    void qtSprichtDeutsch();
    void filter_zeigtMusterEinmal_data();
    void filter_zeigtMusterEinmal();
};

void TestErststart::basisordner_data() {
    QTest::addColumn<QString>("programm");
    QTest::addColumn<QString>("erwartet");
    const QString benutzer = QStringLiteral("/home/berta/.local/share/KORI");
    QTest::newRow("paket in /usr/bin") << QStringLiteral("/usr/bin") << benutzer;
    QTest::newRow("paket in /usr/local") << QStringLiteral("/usr/local/bin") << benutzer;
    QTest::newRow("paket in /opt") << QStringLiteral("/opt/kori") << benutzer;
    QTest::newRow("portabel im Heimordner")
        << QStringLiteral("/home/berta/KORI") << QStringLiteral("/home/berta/KORI");
    QTest::newRow("nur ähnlicher Name")
        << QStringLiteral("/usrdaten/kori") << QStringLiteral("/usrdaten/kori");
    QTest::newRow("optisch") << QStringLiteral("/optisch") << QStringLiteral("/optisch");
}

void TestErststart::basisordner() {
    QFETCH(QString, programm);
    QFETCH(QString, erwartet);
    QCOMPARE(datenBasisordner(programm, QStringLiteral("/home/berta/.local/share/KORI")), erwartet);
}

void TestErststart::fehlenderOrdner_wirdVollstaendigAngelegtUndGemeldet() {
    QVERIFY(QDir(ordner().daten()).removeRecursively());
    QVERIFY(app().starten());
    auto angelegt = inhalt(ordner().daten());
    angelegt.remove(kSperre);
    const TestOrdner geliefert;
    QCOMPARE(angelegt, inhalt(geliefert.daten()));
    QVERIFY(!QFileInfo::exists(ordner().daten() + QStringLiteral(".neu")));
    // The message comes before anything else is asked.
    QVERIFY(!plattform().fenster.isEmpty());
    QVERIFY(plattform().fenster.first().text.startsWith(QStringLiteral("Der Datenordner fehlte.")));
    QVERIFY(plattform().fenster.first().text.contains(ordner().daten()));
}

void TestErststart::vorhandenerOrdner_bleibtUnberuehrt() {
    ordner().entfernen(QStringLiteral("vorlagen/BuchVerlag.txt"));
    app().starten();
    QVERIFY(!QFileInfo::exists(ordner().daten(QStringLiteral("vorlagen/BuchVerlag.txt"))));
    QVERIFY(!plattform().meldungstexte().join(QString()).contains(QStringLiteral("Datenordner")));
}

void TestErststart::unvollstaendigerOrdner_wirdErgaenztOhneUeberschreiben() {
    TestOrdner ordner(false);
    const QByteArray eigene = w1252(QStringLiteral("EBAYNAME=Berta\r\n"));
    ordner.schreiben(QStringLiteral("Einstell.Ini"), eigene);
    QVERIFY(datenordnerErgaenzen(kVorlage, ordner.daten()));
    QCOMPARE(ordner.lesen(QStringLiteral("Einstell.Ini")), eigene);
    auto erwartet = inhalt(kVorlage);
    erwartet.insert(QStringLiteral("Einstell.Ini"), eigene);
    QCOMPARE(inhalt(ordner.daten()), erwartet);
}

void TestErststart::abgebrochenerErststart_wirdVollendet() {
    TestOrdner ordner(false);
    const QString zwischen = ordner.daten() + QStringLiteral(".neu");
    QVERIFY(QDir().mkpath(zwischen + QStringLiteral("/vorlagen")));
    QFile halb(zwischen + QStringLiteral("/vorlagen/BT1.Str"));
    QVERIFY(halb.open(QIODevice::WriteOnly));
    halb.close();
    QCOMPARE(datenordnerAnlegen(kVorlage, ordner.daten()), Anlage::Angelegt);
    QCOMPARE(inhalt(ordner.daten()).keys(), inhalt(kVorlage).keys());
    QVERIFY(!QFileInfo::exists(zwischen));
}

void TestErststart::zweiterStart_endetMitMeldungUndAendertNichts() {
    QVERIFY(app().starten());
    const auto vorher = inhalt(ordner().daten());
    const auto stand = zeiten(ordner().daten());

    SkriptPlattform zweiter;
    Anwendung doppelt(ordner().programmordner(), zweiter);
    QVERIFY(!doppelt.starten());
    QCOMPARE(zweiter.meldungstexte().size(), 1);
    QVERIFY(zweiter.meldungstexte().first().startsWith(
        QStringLiteral("K.O.R.I ist mit diesem Datenordner schon geöffnet:")));
    QVERIFY(zweiter.unerwartet.isEmpty());
    QCOMPARE(inhalt(ordner().daten()), vorher);
    QCOMPARE(zeiten(ordner().daten()), stand);
}

void TestErststart::verwaisteSperre_wirdUebernommen() {
    // A process number that cannot be running; written as the program's lock would be.
    ordner().schreiben(kSperre, "2147483600\nkori\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QVERIFY(app().starten());
    QVERIFY(!plattform().meldungstexte().join(QString()).contains(QStringLiteral("geöffnet")));
}

void TestErststart::fremderRechner_fragtErst_data() {
    QTest::addColumn<int>("antwort");
    QTest::addColumn<bool>("gestartet");
    QTest::newRow("ja") << int(Plattform::Antwort::Ja) << true;
    QTest::newRow("nein") << int(Plattform::Antwort::Nein) << false;
}

void TestErststart::fremderRechner_fragtErst() {
    QFETCH(int, antwort);
    QFETCH(bool, gestartet);
    ordner().schreiben(kSperre, "4242\nkori\nanderer-rechner\n");
    plattform().antworten.enqueue(static_cast<Plattform::Antwort>(antwort));
    QCOMPARE(app().starten(), gestartet);
    QVERIFY(plattform().fenster.first().text.contains(QStringLiteral("\"anderer-rechner\"")));
    QCOMPARE(plattform().fenster.first().knoepfe, Plattform::Knoepfe::JaNein);
    QCOMPARE(ordner().lesen(kSperre).contains("anderer-rechner"), !gestartet);
}

void TestErststart::qtSprichtDeutsch() {
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_de.qm"))) {
        QSKIP("Qt's German translations are not installed");
    }
    app().starten();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
}

void TestErststart::filter_zeigtMusterEinmal_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Muster schon im Namen") << QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*")
                                           << QStringLiteral("K.O.R.I-Dateien (*.ebay);;Ale Dateien (*.*)");
    QTest::newRow("mehrere Muster") << QStringLiteral("Bild-Dateien(*.jpg;*.jpeg;*.gif)|*.jpg;*.jpeg;*.gif")
                                    << QStringLiteral("Bild-Dateien (*.jpg *.jpeg *.gif)");
    QTest::newRow("kein Filter") << QString() << QString();
}

void TestErststart::filter_zeigtMusterEinmal() {
    QFETCH(QString, filter);
    QFETCH(QString, erwartet);
    QCOMPARE(filterNachQt(filter), erwartet);
}

QTEST_MAIN(TestErststart)
#include "tst_erststart.moc"
