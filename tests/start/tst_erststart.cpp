#include "core/Datenordner.h"
#include "core/Sperre.h"
#include "support/FensterTest.h"
#include "ui/Anwendung.h"
#include "ui/QtPlattform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

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

// Every entry below a folder, hidden ones and links included, by relative path.
QStringList eintraegeUnter(const QString& ordner) {
    QStringList eintraege;
    QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        eintraege.append(QDir(ordner).relativeFilePath(it.next()));
    }
    eintraege.sort();
    return eintraege;
}

// Sets a file's or a folder's time of change `sekunden` into the past.
bool altern(const QString& pfad, int sekunden) {
    const timespec zeit{QDateTime::currentSecsSinceEpoch() - sekunden, 0};
    const timespec zeiten[2] = {zeit, zeit};
    return utimensat(AT_FDCWD, QFile::encodeName(pfad).constData(), zeiten, 0) == 0;
}

// Run in a process of its own, started by this test program: waits for the file `.los` beside
// the data folder, so that several of them act at the same moment, then creates the data folder
// and prints what came of it.
const char* const kAnlegenZiel = "KORI_TEST_ANLEGEN";

int anlegenHelfer(const QString& ziel) {
    while (!QFileInfo::exists(ziel + QStringLiteral(".los"))) {
        QThread::usleep(500);
    }
    std::printf("%d\n", static_cast<int>(datenordnerAnlegen(kVorlage, ziel)));
    return 0;
}

// What `anzahl` first starts at the same moment report, sorted.
QStringList gleichzeitigAnlegen(const QString& ziel, int anzahl) {
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < anzahl; ++i) {
        auto prozess = std::make_unique<QProcess>();
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QString::fromLatin1(kAnlegenZiel), ziel);
        prozess->setProcessEnvironment(umgebung);
        prozess->start(QCoreApplication::applicationFilePath(), {});
        starts.push_back(std::move(prozess));
    }
    // Time for all of them to reach their wait.
    QTest::qWait(300);
    QFile los(ziel + QStringLiteral(".los"));
    los.open(QIODevice::WriteOnly);
    QStringList ausgaben;
    for (const auto& prozess : starts) {
        prozess->waitForFinished();
        ausgaben.append(QString::fromLatin1(prozess->readAllStandardOutput().trimmed()));
    }
    los.remove();
    ausgaben.sort();
    return ausgaben;
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
    void abgebrochenerErststart_wirdVerworfenUndNeuAngelegt();
    void gleichzeitigeErststarts_legenEinmalAnOhneFehler();
    void keinOrdnerAmPlatz_meldetUndSchreibtNichts_data();
    void keinOrdnerAmPlatz_meldetUndSchreibtNichts();
    void zweiterStart_endetMitMeldungUndAendertNichts();
    void verwaisteSperre_wirdUebernommen();
    void namenloseSperre_nachDreissigSekundenUebernommen_data();
    void namenloseSperre_nachDreissigSekundenUebernommen();
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

void TestErststart::abgebrochenerErststart_wirdVerworfenUndNeuAngelegt() {
    TestOrdner ordner(false);
    const QString zwischen = ordner.daten() + QStringLiteral(".neu");
    QVERIFY(QDir().mkpath(zwischen + QStringLiteral("/vorlagen")));
    // A file cut short by the interruption, and one the delivered folder does not have.
    for (const QString& datei : {QStringLiteral("/vorlagen/BT1.Str"), QStringLiteral("/alt.txt")}) {
        QFile halb(zwischen + datei);
        QVERIFY(halb.open(QIODevice::WriteOnly));
        halb.write("Ha");
    }
    QCOMPARE(datenordnerAnlegen(kVorlage, ordner.daten()), Anlage::Angelegt);
    QCOMPARE(inhalt(ordner.daten()), inhalt(kVorlage));
    QVERIFY(!QFileInfo::exists(zwischen));
}

void TestErststart::gleichzeitigeErststarts_legenEinmalAnOhneFehler() {
    TestOrdner ordner(false);
    const QString angelegt = QString::number(static_cast<int>(Anlage::Angelegt));
    const QString vorhanden = QString::number(static_cast<int>(Anlage::Vorhanden));
    // One creates it, the others find it; in the order the answers are sorted.
    QStringList erwartet{angelegt, vorhanden, vorhanden, vorhanden};
    erwartet.sort();
    QCOMPARE(gleichzeitigAnlegen(ordner.daten(), 4), erwartet);
    QCOMPARE(inhalt(ordner.daten()), inhalt(kVorlage));
    // Neither the copy in the making nor the lock that guarded it stays behind.
    QCOMPARE(QDir(ordner.programmordner()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("KORI-Vorlage-Dateien")});
}

void TestErststart::keinOrdnerAmPlatz_meldetUndSchreibtNichts_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<bool>("gestartet");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Datei") << QStringLiteral("datei") << false
                           << QStringLiteral("An der Stelle des Datenordners liegt eine Datei:");
    QTest::newRow("Verknüpfung auf eine Datei")
        << QStringLiteral("verknuepfung-datei") << false
        << QStringLiteral("An der Stelle des Datenordners liegt eine Datei:");
    QTest::newRow("Verknüpfung ins Leere")
        << QStringLiteral("verknuepfung-leer") << false
        << QStringLiteral("Der Datenordner ist eine Verknüpfung auf einen Ordner, den es nicht gibt:");
    QTest::newRow("Verknüpfung auf einen Ordner")
        << QStringLiteral("verknuepfung-ordner") << true << QString();
}

void TestErststart::keinOrdnerAmPlatz_meldetUndSchreibtNichts() {
    QFETCH(QString, art);
    QFETCH(bool, gestartet);
    QFETCH(QString, meldung);
    const QString platz = ordner().daten();
    const QString ziel = ordner().programmordner() + QStringLiteral("/Stick/Daten");
    QVERIFY(QDir().mkpath(QFileInfo(ziel).path()));
    if (art == QLatin1String("verknuepfung-ordner")) {
        QVERIFY(QDir().rename(platz, ziel));
    } else {
        QVERIFY(QDir(platz).removeRecursively());
    }
    if (art == QLatin1String("datei") || art == QLatin1String("verknuepfung-datei")) {
        QFile datei(art == QLatin1String("datei") ? platz : ziel);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("Notizen");
    }
    if (art.startsWith(QLatin1String("verknuepfung"))) {
        QVERIFY(QFile::link(ziel, platz));
    }
    const QStringList vorher = eintraegeUnter(ordner().programmordner());
    QCOMPARE(app().starten(), gestartet);
    if (gestartet) {
        QVERIFY(!plattform().meldungstexte().join(QString()).contains(QStringLiteral("Datenordner")));
        return;
    }
    QCOMPARE(plattform().meldungstexte().size(), 1);
    QVERIFY(plattform().meldungstexte().first().startsWith(meldung + QStringLiteral("\r\n") +
                                                           QDir::toNativeSeparators(platz)));
    QCOMPARE(eintraegeUnter(ordner().programmordner()), vorher);
    QVERIFY(!app().frmHaupt().isVisible());
}

void TestErststart::zweiterStart_endetMitMeldungUndAendertNichts() {
    QVERIFY(app().starten());
    const auto vorher = inhalt(ordner().daten());
    const auto stand = zeiten(ordner().daten());

    SkriptPlattform zweiter;
    Anwendung doppelt(ordner().programmordner(), zweiter);
    QVERIFY(!doppelt.starten());
    QCOMPARE(zweiter.meldungstexte().size(), 1);
    const QString meldung = zweiter.meldungstexte().first();
    QVERIFY(meldung.startsWith(QStringLiteral("K.O.R.I ist mit diesem Datenordner schon geöffnet:")));
    QVERIFY(meldung.contains(QDir::toNativeSeparators(ordner().daten(kSperre))));
    QVERIFY(meldung.contains(
        QStringLiteral("(Prozess ") + QString::number(QCoreApplication::applicationPid()) +
        QStringLiteral("). Sie darf nur gelöscht werden, wenn dieses Programm beendet ist.")));
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

void TestErststart::namenloseSperre_nachDreissigSekundenUebernommen_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("alter");
    QTest::addColumn<QString>("absage");
    const QString wartet = QStringLiteral("Sekunden übernimmt K.O.R.I sie beim nächsten Start von selbst.");
    const QString fremd = QStringLiteral("An der Stelle der Sperrdatei liegt ein Ordner mit Inhalt:");
    const QByteArray nullen(64, '\0');
    QTest::newRow("leer, alt") << QStringLiteral("datei") << QByteArray() << 31 << QString();
    QTest::newRow("leer, eben geschrieben") << QStringLiteral("datei") << QByteArray() << 0 << wartet;
    QTest::newRow("Nullbytes nach Stromausfall") << QStringLiteral("datei") << nullen << 3600 << QString();
    QTest::newRow("nur ein Programmname")
        << QStringLiteral("datei") << QByteArray("kori\n") << 60 << QString();
    QTest::newRow("unlesbar, alt") << QStringLiteral("unlesbar") << QByteArray() << 60 << QString();
    QTest::newRow("leerer Ordner, alt") << QStringLiteral("ordner") << QByteArray() << 60 << QString();
    QTest::newRow("leerer Ordner, eben angelegt") << QStringLiteral("ordner") << QByteArray() << 0 << wartet;
    QTest::newRow("Ordner mit Inhalt") << QStringLiteral("ordner") << QByteArray("Notiz") << 3600 << fremd;
}

void TestErststart::namenloseSperre_nachDreissigSekundenUebernommen() {
    QFETCH(QString, art);
    QFETCH(QByteArray, bytes);
    QFETCH(int, alter);
    QFETCH(QString, absage);
    const QString sperre = ordner().daten(kSperre);
    if (art == QLatin1String("ordner")) {
        QVERIFY(QDir().mkpath(sperre));
        if (!bytes.isEmpty()) {
            ordner().schreiben(kSperre + QStringLiteral("/notiz.txt"), bytes);
        }
    } else {
        ordner().schreiben(kSperre, bytes);
    }
    if (art == QLatin1String("unlesbar")) {
        // Root reads it all the same, and finds it empty.
        QVERIFY(QFile::setPermissions(sperre, {}));
    }
    QVERIFY(altern(sperre, alter));
    const QStringList vorher = eintraegeUnter(ordner().daten());

    QCOMPARE(app().starten(), absage.isEmpty());
    if (absage.isEmpty()) {
        QCOMPARE(plattform().meldungstexte(), QStringList());
        QCOMPARE(sperrinhaberLesen(ordner().lesen(kSperre))->prozess, QCoreApplication::applicationPid());
        return;
    }
    QCOMPARE(plattform().meldungstexte().size(), 1);
    const QString meldung = plattform().meldungstexte().first();
    QVERIFY2(meldung.contains(absage), qPrintable(meldung));
    QVERIFY(meldung.contains(QDir::toNativeSeparators(sperre)));
    QVERIFY(meldung.contains(QStringLiteral("gelöscht")));
    QCOMPARE(eintraegeUnter(ordner().daten()), vorher);
    QCOMPARE(QFileInfo(sperre).isDir(), art == QLatin1String("ordner"));
}

void TestErststart::fremderRechner_fragtErst_data() {
    QTest::addColumn<bool>("gleicherName");
    QTest::addColumn<int>("antwort");
    QTest::addColumn<bool>("gestartet");
    QTest::newRow("anderer Name, ja") << false << int(Plattform::Antwort::Ja) << true;
    QTest::newRow("anderer Name, nein") << false << int(Plattform::Antwort::Nein) << false;
    QTest::newRow("gleicher Name, andere Kennung, ja") << true << int(Plattform::Antwort::Ja) << true;
    QTest::newRow("gleicher Name, andere Kennung, nein") << true << int(Plattform::Antwort::Nein) << false;
}

void TestErststart::fremderRechner_fragtErst() {
    QFETCH(bool, gleicherName);
    QFETCH(int, antwort);
    QFETCH(bool, gestartet);
    const QString hier = QSysInfo::machineHostName();
    if (gleicherName && QSysInfo::machineUniqueId().isEmpty()) {
        QSKIP("Dieser Rechner hat keine Kennung, die ihn von einem gleichnamigen unterscheidet");
    }
    const QString rechner = gleicherName ? hier : QStringLiteral("anderer-rechner");
    // A process number that runs here: only the machine tells the lock apart.
    ordner().schreiben(kSperre, QByteArray::number(QCoreApplication::applicationPid()) + "\nkori\n" +
                                    rechner.toUtf8() + "\nandere-kennung\n");
    plattform().antworten.enqueue(static_cast<Plattform::Antwort>(antwort));
    QCOMPARE(app().starten(), gestartet);
    const QString frage = plattform().fenster.first().text;
    QVERIFY2(frage.contains(gleicherName ? QStringLiteral("der auch \"") + hier + QStringLiteral("\" heißt")
                                         : QStringLiteral("auf dem Rechner \"anderer-rechner\"")),
             qPrintable(frage));
    QCOMPARE(plattform().fenster.first().knoepfe, Plattform::Knoepfe::JaNein);
    QCOMPARE(ordner().lesen(kSperre).contains("andere-kennung"), !gestartet);
    if (!gestartet) {
        QCOMPARE(plattform().fenster.size(), 2);
        QVERIFY(plattform().fenster.at(1).text.contains(QDir::toNativeSeparators(ordner().daten(kSperre))));
        QVERIFY(plattform().fenster.at(1).text.endsWith(
            QStringLiteral("darf gelöscht werden, sobald K.O.R.I dort beendet ist.")));
    }
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

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(kAnlegenZiel)) {
        const QCoreApplication helfer(argc, argv);
        return anlegenHelfer(qEnvironmentVariable(kAnlegenZiel));
    }
    QApplication anwendung(argc, argv);
    TestErststart test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_erststart.moc"
