#include "compose/Hochladen.h"
#include "support/SshServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray zufall(qsizetype groesse, quint32 saat) {
    QByteArray daten(groesse, Qt::Uninitialized);
    QRandomGenerator zahlen(saat);
    for (char& b : daten) {
        b = static_cast<char>(zahlen.bounded(256));
    }
    return daten;
}

} // namespace

// Uploads against a real OpenSSH server on this machine.
class TestHochladen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void neueDateien_kommenGanzAn();
    void nochmal_gleicheGroesseUebersprungen_andereErsetzt();
    void anmeldung_data();
    void anmeldung();
    void unbekannterServer_zeigtSeinenSchluessel();
    void geaenderterSchluessel_sendetNichts();
    void abbrechen_laesstNichtsZurueck();
    void verbindungVerloren_zweiterVersuchGelingt();
    void fehler_data();
    void fehler();

private:
    QString lokal(const QString& name, const QByteArray& inhalt) const;
    HochladenAuftrag auftrag(const QStringList& dateien) const;
    HochladenErgebnis senden(const HochladenAuftrag& a, const Fortschritt& f = {}) const;
    // The names in the server folder, hidden ones too.
    QStringList dort() const;

    std::unique_ptr<SshServer> m_server;
    std::unique_ptr<QTemporaryDir> m_lokal;
    QString m_ordner;
    mutable std::atomic_bool m_abbrechen{false};
};

void TestHochladen::initTestCase() {
    if (!SshServer::vorhanden()) {
        QSKIP("OpenSSH's server (openssh-server) is not installed");
    }
    // An agent of the machine's user must not answer for the test's keys.
    qunsetenv("SSH_AUTH_SOCK");
    m_server = std::make_unique<SshServer>();
    const QString fehler = m_server->starten();
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void TestHochladen::init() {
    m_lokal = std::make_unique<QTemporaryDir>();
    m_ordner = m_server->ordner(QString::fromLatin1(QTest::currentTestFunction()) +
                                QString::fromLatin1(QTest::currentDataTag()).remove(QLatin1Char(' ')));
    m_abbrechen = false;
}

QString TestHochladen::lokal(const QString& name, const QByteArray& inhalt) const {
    const QString pfad = m_lokal->filePath(name);
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly | QIODevice::Truncate);
    datei.write(inhalt);
    return pfad;
}

HochladenAuftrag TestHochladen::auftrag(const QStringList& dateien) const {
    HochladenAuftrag a;
    a.ziel = hochladenZielLesen(m_server->ziel(m_ordner)).ziel;
    a.dateien = dateien;
    a.schluesseldateien = {m_server->clientSchluessel()};
    a.serverSchluessel = m_server->hostSchluessel();
    return a;
}

HochladenErgebnis TestHochladen::senden(const HochladenAuftrag& a, const Fortschritt& f) const {
    return dateienHochladen(a, m_abbrechen, f);
}

QStringList TestHochladen::dort() const {
    return QDir(m_ordner).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void TestHochladen::neueDateien_kommenGanzAn() {
    const QByteArray gross = zufall(3'000'000, 1);
    const QStringList dateien{lokal(QStringLiteral("effi-briest-1.jpg"), gross),
                              lokal(QStringLiteral("mit blank ä.jpg"), zufall(1000, 2)),
                              lokal(QStringLiteral("leer.jpg"), QByteArray())};
    QList<qint64> stand;
    const HochladenErgebnis e = senden(auftrag(dateien), [&stand](qint64 gesendet, qint64 gesamt) {
        QCOMPARE(gesamt, 3'001'000);
        stand.append(gesendet);
    });
    QCOMPARE(e.fehler, HochladenFehler::Keiner);
    QCOMPARE(e.hochgeladen, (QStringList{QStringLiteral("effi-briest-1.jpg"),
                                         QStringLiteral("mit blank ä.jpg"), QStringLiteral("leer.jpg")}));
    QCOMPARE(dort(), (QStringList{QStringLiteral("effi-briest-1.jpg"), QStringLiteral("leer.jpg"),
                                  QStringLiteral("mit blank ä.jpg")}));
    QFile angekommen(m_ordner + QStringLiteral("effi-briest-1.jpg"));
    QVERIFY(angekommen.open(QIODevice::ReadOnly));
    QVERIFY(angekommen.readAll() == gross);
    QVERIFY(std::is_sorted(stand.cbegin(), stand.cend()));
    QCOMPARE(stand.last(), 3'001'000);
}

void TestHochladen::nochmal_gleicheGroesseUebersprungen_andereErsetzt() {
    const QString a = lokal(QStringLiteral("a.jpg"), zufall(5000, 3));
    const QString b = lokal(QStringLiteral("b.jpg"), zufall(5000, 4));
    QCOMPARE(senden(auftrag({a, b})).fehler, HochladenFehler::Keiner);
    const QByteArray neu = zufall(7000, 5);
    lokal(QStringLiteral("b.jpg"), neu);
    const HochladenErgebnis e = senden(auftrag({a, b}));
    QCOMPARE(e.fehler, HochladenFehler::Keiner);
    QCOMPARE(e.uebersprungen, QStringList{QStringLiteral("a.jpg")});
    QCOMPARE(e.hochgeladen, QStringList{QStringLiteral("b.jpg")});
    QFile ersetzt(m_ordner + QStringLiteral("b.jpg"));
    QVERIFY(ersetzt.open(QIODevice::ReadOnly));
    QVERIFY(ersetzt.readAll() == neu);
    QCOMPARE(dort(), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}));
}

void TestHochladen::anmeldung_data() {
    QTest::addColumn<bool>("fremderZuerst");
    QTest::addColumn<bool>("ueberAgent");
    QTest::newRow("schlüsseldatei") << false << false;
    QTest::newRow("erst ein fremder schlüssel") << true << false;
    QTest::newRow("agent") << false << true;
}

void TestHochladen::anmeldung() {
    QFETCH(bool, fremderZuerst);
    QFETCH(bool, ueberAgent);
    HochladenAuftrag a = auftrag({lokal(QStringLiteral("a.jpg"), zufall(100, 6))});
    QProcess agent;
    if (fremderZuerst) {
        QProcess::execute(QStringLiteral("ssh-keygen"),
                          {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                           QStringLiteral("-N"), QString(), QStringLiteral("-f"),
                           m_lokal->filePath(QStringLiteral("fremd"))});
        a.schluesseldateien.prepend(m_lokal->filePath(QStringLiteral("fremd")));
    }
    if (ueberAgent) {
        const QString sockel = m_lokal->filePath(QStringLiteral("agent"));
        agent.start(QStringLiteral("ssh-agent"), {QStringLiteral("-D"), QStringLiteral("-a"), sockel});
        QTRY_VERIFY(QFile::exists(sockel));
        qputenv("SSH_AUTH_SOCK", QFile::encodeName(sockel));
        QProcess hinzu;
        hinzu.start(QStringLiteral("ssh-add"), {QStringLiteral("-q"), m_server->clientSchluessel()});
        QVERIFY(hinzu.waitForFinished() && hinzu.exitCode() == 0);
        a.schluesseldateien.clear();
    }
    const HochladenErgebnis e = senden(a);
    qunsetenv("SSH_AUTH_SOCK");
    agent.kill();
    agent.waitForFinished();
    QCOMPARE(e.fehler, HochladenFehler::Keiner);
    QCOMPARE(dort(), QStringList{QStringLiteral("a.jpg")});
}

void TestHochladen::unbekannterServer_zeigtSeinenSchluessel() {
    HochladenAuftrag a = auftrag({lokal(QStringLiteral("a.jpg"), zufall(100, 7))});
    a.serverSchluessel.reset();
    const HochladenErgebnis e = senden(a);
    QCOMPARE(e.fehler, HochladenFehler::ServerSchluesselNeu);
    QVERIFY(e.angebotenerSchluessel == m_server->hostSchluessel());
    QVERIFY(dort().isEmpty());
}

// A replaced server key is never taken on trust, and the server is told nothing.
void TestHochladen::geaenderterSchluessel_sendetNichts() {
    const HochladenAuftrag a = auftrag({lokal(QStringLiteral("a.jpg"), zufall(100, 8))});
    m_server->hostSchluesselWechseln();
    QVERIFY(m_server->starten().isEmpty());
    const HochladenErgebnis e = senden(a);
    QCOMPARE(e.fehler, HochladenFehler::ServerSchluesselGeaendert);
    QVERIFY(e.angebotenerSchluessel == m_server->hostSchluessel());
    QVERIFY(dort().isEmpty());
    QVERIFY(
        hochladenMeldung(e, a.ziel).contains(QStringLiteral("„[127.0.0.1]:") + QString::number(a.ziel.port)));
}

void TestHochladen::abbrechen_laesstNichtsZurueck() {
    const QStringList dateien{lokal(QStringLiteral("a.jpg"), zufall(100, 9)),
                              lokal(QStringLiteral("b.jpg"), zufall(8'000'000, 10))};
    const HochladenErgebnis e = senden(auftrag(dateien), [this](qint64 gesendet, qint64) {
        if (gesendet > 1'000'000) {
            m_abbrechen = true;
        }
    });
    QCOMPARE(e.fehler, HochladenFehler::Abgebrochen);
    QCOMPARE(e.hochgeladen, QStringList{QStringLiteral("a.jpg")});
    QCOMPARE(dort(), QStringList{QStringLiteral("a.jpg")});
}

void TestHochladen::verbindungVerloren_zweiterVersuchGelingt() {
    const QByteArray inhalt = zufall(6'000'000, 11);
    bool getrennt = false;
    const HochladenErgebnis e =
        senden(auftrag({lokal(QStringLiteral("a.jpg"), inhalt)}), [this, &getrennt](qint64 gesendet, qint64) {
            if (gesendet > 1'000'000 && !getrennt) {
                getrennt = true;
                m_server->verbindungenTrennen();
            }
        });
    QVERIFY(getrennt);
    QCOMPARE(e.fehler, HochladenFehler::Keiner);
    QCOMPARE(dort(), QStringList{QStringLiteral("a.jpg")});
    QFile angekommen(m_ordner + QStringLiteral("a.jpg"));
    QVERIFY(angekommen.open(QIODevice::ReadOnly));
    QVERIFY(angekommen.readAll() == inhalt);
}

void TestHochladen::fehler_data() {
    QTest::addColumn<QString>("fall");
    QTest::addColumn<HochladenFehler>("art");
    QTest::addColumn<QString>("ursache");
    QTest::newRow("ordner gesperrt") << "gesperrt" << HochladenFehler::OrdnerVerweigert << "in den Ordner";
    QTest::newRow("platte voll") << "voll" << HochladenFehler::PlatteVoll << "kein Platz";
    QTest::newRow("falsches passwort") << "passwort" << HochladenFehler::Anmeldung << "Passwort ist falsch";
    QTest::newRow("kein schlüssel") << "ohne" << HochladenFehler::Anmeldung << "Passwort ist falsch";
    QTest::newRow("port zu") << "port" << HochladenFehler::VerbindungAbgelehnt << "Verbindung auf Port";
    QTest::newRow("server gibt es nicht") << "name" << HochladenFehler::ServerUnbekannt << "gibt es nicht";
    QTest::newRow("datei unlesbar") << "unlesbar" << HochladenFehler::DateiUnlesbar << "kann nicht gelesen";
}

// Every failure names the picture and its cause, and leaves nothing under a real name.
void TestHochladen::fehler() {
    QFETCH(QString, fall);
    QFETCH(HochladenFehler, art);
    QFETCH(QString, ursache);
    const QString foto = lokal(QStringLiteral("foto.jpg"), zufall(200'000, 12));
    HochladenAuftrag a = auftrag({lokal(QStringLiteral("erst.jpg"), zufall(100, 13)), foto});
    if (fall == QLatin1String("gesperrt")) {
        m_ordner = m_server->ordner(QStringLiteral("gesperrt"), true);
        a.ziel = hochladenZielLesen(m_server->ziel(m_ordner)).ziel;
    } else if (fall == QLatin1String("voll")) {
        // The server's file system refuses every byte, as a full one does.
        QVERIFY(
            QFile::link(QStringLiteral("/dev/full"), m_ordner + temporaererName(QStringLiteral("foto.jpg"))));
    } else if (fall == QLatin1String("passwort") || fall == QLatin1String("ohne")) {
        a.schluesseldateien.clear();
        a.passwort = fall == QLatin1String("passwort") ? QStringLiteral("falsch") : QString();
    } else if (fall == QLatin1String("port")) {
        QTcpServer frei;
        frei.listen(QHostAddress::LocalHost, 0);
        a.ziel.port = frei.serverPort();
        frei.close();
    } else if (fall == QLatin1String("name")) {
        a.ziel.server = QStringLiteral("gibt-es-nicht.invalid");
    } else {
        a.dateien.append(m_lokal->filePath(QStringLiteral("fehlt.jpg")));
        a.dateien.removeAll(foto);
    }
    const HochladenErgebnis e = senden(a);
    QCOMPARE(e.fehler, art);
    const QString meldung = hochladenMeldung(e, a.ziel);
    QVERIFY2(meldung.contains(ursache), qPrintable(meldung));
    QVERIFY2(meldung.startsWith(QStringLiteral("Das Foto „") + QFileInfo(e.datei).fileName() +
                                QStringLiteral("“")),
             qPrintable(meldung));
    for (const QString& name : dort()) {
        QVERIFY2(name == QLatin1String("erst.jpg"), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestHochladen)
#include "tst_hochladen.moc"
