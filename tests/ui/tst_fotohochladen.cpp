#include "compose/BekannteServer.h"
#include "support/SkriptPlattform.h"
#include "support/SshServer.h"
#include "support/TestOrdner.h"
#include "ui/FotoHochladen.h"

#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The upload as the pictures tab will run it, against a real OpenSSH server: the questions and
// messages go through the scripted platform, the transfer runs beside the event loop.
class TestFotoHochladen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ersterKontakt_fragtNachFingerabdruck_danachNichtMehr();
    void fingerabdruckAbgelehnt_sendetNichts();
    void geaenderterSchluessel_warntMitServer();
    void passwort_nachSchluesseln_nirgendsInEinerDatei();
    void abbrechen_endetOhneMeldung();
    void nichtStartbar_data();
    void nichtStartbar();
    void pruefung_nenntAdresseOhneHttps();

private:
    Einstellungen einstellungen() const;
    QString foto(const QString& name, qsizetype groesse) const;
    // Waits for the end of the upload; its result.
    bool ende(FotoHochladen& hochladen, QSignalSpy& fertig) const;
    void serverAkzeptiert() const;
    QStringList dort() const { return QDir(m_ordner).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir m_heim;
    std::unique_ptr<SshServer> m_server;
    std::unique_ptr<TestOrdner> m_daten;
    std::unique_ptr<SkriptPlattform> m_plattform;
    std::unique_ptr<FotoHochladen> m_hochladen;
    QString m_ordner;
};

void TestFotoHochladen::initTestCase() {
    if (!SshServer::vorhanden()) {
        QSKIP("OpenSSH's server (openssh-server) is not installed");
    }
    // The test's own home, so that every file the program could write there is looked at.
    const QString fehler = sshMitHeimStarten(m_server, m_heim);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void TestFotoHochladen::init() {
    m_daten = std::make_unique<TestOrdner>(false);
    QDir().mkpath(m_daten->daten());
    m_plattform = std::make_unique<SkriptPlattform>();
    m_hochladen = std::make_unique<FotoHochladen>(*m_plattform, m_daten->daten(), m_heim.path());
    m_ordner = m_server->ordner(QString::fromLatin1(QTest::currentTestFunction()) +
                                QString::fromLatin1(QTest::currentDataTag()).remove(QLatin1Char(' ')));
}

void TestFotoHochladen::cleanup() {
    m_hochladen.reset();
    QVERIFY2(m_plattform->unerwartet.isEmpty(), qPrintable(m_plattform->unerwartet.join(QLatin1Char('\n'))));
}

Einstellungen TestFotoHochladen::einstellungen() const {
    Einstellungen e;
    e.hochladenZiel = m_server->ziel(m_ordner);
    return e;
}

QString TestFotoHochladen::foto(const QString& name, qsizetype groesse) const {
    m_daten->schreiben(name, QByteArray(groesse, 'j'));
    return m_daten->daten(name);
}

bool TestFotoHochladen::ende(FotoHochladen& hochladen, QSignalSpy& fertig) const {
    [&]() { QTRY_COMPARE_WITH_TIMEOUT(fertig.count(), 1, 30000); }();
    return !fertig.isEmpty() && !hochladen.laeuft() && fertig.at(0).at(0).toBool();
}

void TestFotoHochladen::serverAkzeptiert() const {
    QVERIFY(serverSchluesselMerken(m_daten->daten(kBekannteServerDatei),
                                   serverName(hochladenZielLesen(einstellungen().hochladenZiel).ziel),
                                   m_server->hostSchluessel())
                .isEmpty());
}

void TestFotoHochladen::ersterKontakt_fragtNachFingerabdruck_danachNichtMehr() {
    const QStringList fotos{foto(QStringLiteral("a.jpg"), 300'000), foto(QStringLiteral("b.jpg"), 1000)};
    QSignalSpy fertig(m_hochladen.get(), &FotoHochladen::fertig);
    QSignalSpy stand(m_hochladen.get(), &FotoHochladen::fortschritt);
    m_plattform->antworten.enqueue(Plattform::Antwort::Ja);
    QVERIFY(m_hochladen->starten(fotos, einstellungen()));
    QVERIFY(m_hochladen->laeuft());
    QVERIFY(!m_hochladen->starten(fotos, einstellungen()));
    QVERIFY(ende(*m_hochladen, fertig));
    QCOMPARE(m_plattform->fenster.size(), 2);
    const SkriptPlattform::Fenster& frage = m_plattform->fenster.at(0);
    QCOMPARE(frage.knoepfe, Plattform::Knoepfe::JaNein);
    QVERIFY(frage.text.contains(QStringLiteral("„[127.0.0.1]:") + QString::number(m_server->port()) +
                                QStringLiteral("“ ist noch nicht bekannt")));
    QVERIFY(frage.text.contains(fingerabdruck(m_server->hostSchluessel())));
    QCOMPARE(m_plattform->fenster.at(1).text, QStringLiteral("2 Fotos hochgeladen."));
    QCOMPARE(dort(), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}));
    QCOMPARE(stand.last().at(0).toLongLong(), 301'000);
    QCOMPARE(stand.last().at(1).toLongLong(), 301'000);

    m_plattform->vergessen();
    fertig.clear();
    QVERIFY(m_hochladen->starten(fotos, einstellungen()));
    QVERIFY(ende(*m_hochladen, fertig));
    QCOMPARE(m_plattform->meldungstexte(),
             QStringList{QStringLiteral(
                 "0 Fotos hochgeladen.\r\n2 lagen schon gleich groß auf dem Server: a.jpg, b.jpg")});
}

void TestFotoHochladen::fingerabdruckAbgelehnt_sendetNichts() {
    QSignalSpy fertig(m_hochladen.get(), &FotoHochladen::fertig);
    m_plattform->antworten.enqueue(Plattform::Antwort::Nein);
    QVERIFY(m_hochladen->starten({foto(QStringLiteral("a.jpg"), 100)}, einstellungen()));
    QVERIFY(!ende(*m_hochladen, fertig));
    QCOMPARE(m_plattform->fenster.size(), 1);
    QVERIFY(dort().isEmpty());
    QVERIFY(!QFile::exists(m_daten->daten(kBekannteServerDatei)));
}

void TestFotoHochladen::geaenderterSchluessel_warntMitServer() {
    const HochladenZiel ziel = hochladenZielLesen(einstellungen().hochladenZiel).ziel;
    QVERIFY(serverSchluesselMerken(m_daten->daten(kBekannteServerDatei), serverName(ziel),
                                   QByteArray("\x00\x00\x00\x0bssh-ed25519frueher", 21))
                .isEmpty());
    const QByteArray vorher = m_daten->lesen(kBekannteServerDatei);
    QSignalSpy fertig(m_hochladen.get(), &FotoHochladen::fertig);
    QVERIFY(m_hochladen->starten({foto(QStringLiteral("a.jpg"), 100)}, einstellungen()));
    QVERIFY(!ende(*m_hochladen, fertig));
    QCOMPARE(m_plattform->fenster.size(), 1);
    const SkriptPlattform::Fenster& warnung = m_plattform->fenster.at(0);
    QCOMPARE(warnung.knoepfe, Plattform::Knoepfe::Ok);
    QCOMPARE(warnung.symbol, Plattform::Symbol::Kritisch);
    QVERIFY(warnung.text.contains(QStringLiteral("„") + serverName(ziel) +
                                  QStringLiteral("“ zeigt einen anderen Schlüssel")));
    QVERIFY(dort().isEmpty());
    QCOMPARE(m_daten->lesen(kBekannteServerDatei), vorher);
}

// The test server takes no password at all: the one from the keyring is refused, the seller is
// asked once, and the refused typed one is reported. Neither may reach a file.
void TestFotoHochladen::passwort_nachSchluesseln_nirgendsInEinerDatei() {
    QTemporaryDir ohneSchluessel;
    m_hochladen = std::make_unique<FotoHochladen>(*m_plattform, m_daten->daten(), ohneSchluessel.path());
    serverAkzeptiert();
    Einstellungen e = einstellungen();
    e.passwortMerken = true;
    const QString konto = kontoName(hochladenZielLesen(e.hochladenZiel).ziel);
    m_plattform->schluesselbund.insert(konto, QStringLiteral("AltesGeheimnis1"));
    m_plattform->passwoerter.enqueue(QStringLiteral("NeuesGeheimnis2"));
    QSignalSpy fertig(m_hochladen.get(), &FotoHochladen::fertig);
    QVERIFY(m_hochladen->starten({foto(QStringLiteral("a.jpg"), 100)}, e));
    QVERIFY(!ende(*m_hochladen, fertig));
    QCOMPARE(m_plattform->anzahl(QStringLiteral("passwortSuchen")), 1);
    QCOMPARE(m_plattform->anzahl(QStringLiteral("passwortEingabe")), 1);
    QCOMPARE(m_plattform->anzahl(QStringLiteral("passwortMerken")), 0);
    QCOMPARE(m_plattform->aufrufe.at(1).argumente.at(0),
             QStringLiteral("Passwort für „") + konto + QStringLiteral("“:"));
    QCOMPARE(m_plattform->meldungstexte().size(), 1);
    QVERIFY(m_plattform->meldungstexte().at(0).contains(QStringLiteral("Passwort ist falsch")));
    QVERIFY(dort().isEmpty());
    for (const QString& ordner : {m_daten->programmordner(), m_heim.path(), ohneSchluessel.path()}) {
        QDirIterator dateien(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (dateien.hasNext()) {
            QFile datei(dateien.next());
            QVERIFY(datei.open(QIODevice::ReadOnly));
            const QByteArray inhalt = datei.readAll();
            for (const QString& geheim :
                 {QStringLiteral("AltesGeheimnis1"), QStringLiteral("NeuesGeheimnis2")}) {
                const QByteArray utf16(reinterpret_cast<const char*>(geheim.utf16()), geheim.size() * 2);
                QVERIFY2(!inhalt.contains(geheim.toUtf8()) && !inhalt.contains(utf16),
                         qPrintable(datei.fileName()));
            }
        }
    }
}

void TestFotoHochladen::abbrechen_endetOhneMeldung() {
    serverAkzeptiert();
    QSignalSpy fertig(m_hochladen.get(), &FotoHochladen::fertig);
    connect(m_hochladen.get(), &FotoHochladen::fortschritt, this, [this](qint64 gesendet, qint64 gesamt) {
        if (gesendet > 0 && gesendet < gesamt) {
            m_hochladen->abbrechen();
        }
    });
    QVERIFY(m_hochladen->starten({foto(QStringLiteral("gross.jpg"), 30'000'000)}, einstellungen()));
    QVERIFY(!ende(*m_hochladen, fertig));
    QVERIFY(m_plattform->fenster.isEmpty());
    QVERIFY(dort().isEmpty());
}

void TestFotoHochladen::nichtStartbar_data() {
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("kein ziel") << ""
                               << "Es ist noch kein Ziel eingetragen";
    QTest::newRow("kein sftp") << "https://web.example/bilder"
                               << "Das Ziel muss mit „sftp://“ beginnen";
}

void TestFotoHochladen::nichtStartbar() {
    QFETCH(QString, ziel);
    QFETCH(QString, meldung);
    Einstellungen e;
    e.hochladenZiel = ziel;
    QSignalSpy fertig(m_hochladen.get(), &FotoHochladen::fertig);
    QVERIFY(!m_hochladen->starten({foto(QStringLiteral("a.jpg"), 10)}, e));
    QVERIFY(!m_hochladen->laeuft());
    QCOMPARE(m_plattform->meldungstexte().size(), 1);
    QVERIFY(m_plattform->meldungstexte().at(0).startsWith(meldung));
    QCOMPARE(fertig.count(), 0);
}

void TestFotoHochladen::pruefung_nenntAdresseOhneHttps() {
    serverAkzeptiert();
    QTcpServer zu;
    zu.listen(QHostAddress::LocalHost, 0);
    const QString web = QStringLiteral("https://127.0.0.1:%1/bilder/").arg(zu.serverPort());
    zu.close();
    Einstellungen e = einstellungen();
    e.hochladenPruefen = true;
    e.pfadZusatzBilder = web;
    QSignalSpy fertig(m_hochladen.get(), &FotoHochladen::fertig);
    QVERIFY(m_hochladen->starten({foto(QStringLiteral("a.jpg"), 10)}, e));
    QVERIFY(ende(*m_hochladen, fertig));
    QCOMPARE(
        m_plattform->meldungstexte(),
        QStringList{QStringLiteral("1 Foto hochgeladen.\r\n\r\nNicht jedes Foto ist im Internet zu sehen:\r\n"
                                   "Nicht über https erreichbar:\r\n") +
                    web + QStringLiteral("a.jpg")});
    QCOMPARE(m_plattform->fenster.at(0).symbol, Plattform::Symbol::Ausrufezeichen);
}

QTEST_MAIN(TestFotoHochladen)
#include "tst_fotohochladen.moc"
