#include "compose/BekannteServer.h"
#include "compose/HochladenZiel.h"
#include "core/TextDatei.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestHochladenZiel : public QObject {
    Q_OBJECT
private slots:
    void zielLesen_data();
    void zielLesen();
    void adresse_kodiertNamen();
    void bekannteServer_ersetztNurDenEigenen();
    void bekannteServer_unlesbar_bleibtStehen();
    void fingerabdruck_wieSshKeygen();
};

void TestHochladenZiel::zielLesen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fehler");
    QTest::addColumn<QString>("benutzer");
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("ordner");
    QTest::newRow("einfach") << "sftp://anna@web.example.org/htdocs/bilder"
                             << ""
                             << "anna"
                             << "web.example.org" << 22 << "/htdocs/bilder/";
    QTest::newRow("port und blanks") << "  SFTP://anna@web.example.org:2222/bilder/  "
                                     << ""
                                     << "anna"
                                     << "web.example.org" << 2222 << "/bilder/";
    QTest::newRow("blank und umlaut im ordner") << "sftp://anna@h/meine Bilder/ä"
                                                << ""
                                                << "anna"
                                                << "h" << 22 << "/meine Bilder/ä/";
    QTest::newRow("anmeldeordner") << "sftp://anna@h/~/bilder"
                                   << ""
                                   << "anna"
                                   << "h" << 22 << "/~/bilder/";
    QTest::newRow("ohne ordner") << "sftp://anna@h"
                                 << ""
                                 << "anna"
                                 << "h" << 22 << "/";
    QTest::newRow("ipv6") << "sftp://anna@[::1]:2200/b"
                          << ""
                          << "anna"
                          << "::1" << 2200 << "/b/";
    QTest::newRow("leer") << ""
                          << "noch kein Ziel"
                          << ""
                          << "" << 0 << "";
    QTest::newRow("anderes protokoll") << "ftp://anna@h/b"
                                       << "sftp://"
                                       << ""
                                       << "" << 0 << "";
    QTest::newRow("ohne benutzer") << "sftp://h/b"
                                   << "Benutzername"
                                   << ""
                                   << "" << 0 << "";
    QTest::newRow("ohne server") << "sftp://anna@/b"
                                 << "Server"
                                 << ""
                                 << "" << 0 << "";
    QTest::newRow("mit passwort") << "sftp://anna:geheim@h/b"
                                  << "Passwort"
                                  << ""
                                  << "" << 0 << "";
    QTest::newRow("port null") << "sftp://anna@h:0/b"
                               << "Portnummer"
                               << ""
                               << "" << 0 << "";
    QTest::newRow("port zu gross") << "sftp://anna@h:70000/b"
                                   << "Portnummer"
                                   << ""
                                   << "" << 0 << "";
    QTest::newRow("port kein wert") << "sftp://anna@h:zwei/b"
                                    << "Portnummer"
                                    << ""
                                    << "" << 0 << "";
}

void TestHochladenZiel::zielLesen() {
    QFETCH(QString, text);
    QFETCH(QString, fehler);
    QFETCH(QString, benutzer);
    QFETCH(QString, server);
    QFETCH(int, port);
    QFETCH(QString, ordner);
    const ZielAuswertung a = hochladenZielLesen(text);
    if (!fehler.isEmpty()) {
        QVERIFY2(a.fehler.contains(fehler), qPrintable(a.fehler));
        return;
    }
    QCOMPARE(a.fehler, QString());
    QCOMPARE(a.ziel.benutzer, benutzer);
    QCOMPARE(a.ziel.server, server);
    QCOMPARE(a.ziel.port, port);
    QCOMPARE(a.ziel.ordner, ordner);
}

void TestHochladenZiel::adresse_kodiertNamen() {
    const HochladenZiel ziel = hochladenZielLesen(QStringLiteral("sftp://anna@h:2222/mein ordner")).ziel;
    QCOMPARE(zielAdresse(ziel, QStringLiteral("bär #1.jpg")),
             QByteArray("sftp://h:2222/mein%20ordner/b%C3%A4r%20%231.jpg"));
    QCOMPARE(serverName(ziel), QStringLiteral("[h]:2222"));
    QCOMPARE(kontoName(ziel), QStringLiteral("anna@[h]:2222"));
}

void TestHochladenZiel::bekannteServer_ersetztNurDenEigenen() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(kBekannteServerDatei);
    const QByteArray alt("\x00\x00\x00\x0bssh-ed25519alt", 18);
    const QByteArray neu("\x00\x00\x00\x0bssh-ed25519neu", 18);
    QVERIFY(textSchreiben(pfad, QStringLiteral("# Kommentar\r\nandere.example ssh-rsa QUFBQQ==\r\n"),
                          Textart::Klartext)
                .isEmpty());
    QVERIFY(serverSchluesselMerken(pfad, QStringLiteral("[h]:2222"), alt).isEmpty());
    QVERIFY(serverSchluesselMerken(pfad, QStringLiteral("[H]:2222"), neu).isEmpty());
    QCOMPARE(serverSchluesselLesen(pfad, QStringLiteral("[h]:2222")), neu);
    QCOMPARE(serverSchluesselLesen(pfad, QStringLiteral("andere.example")), QByteArray("AAAA"));
    QCOMPARE(serverSchluesselLesen(pfad, QStringLiteral("h")), std::nullopt);
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.readAll(), "# Kommentar\r\nandere.example ssh-rsa QUFBQQ==\r\n[H]:2222 ssh-ed25519 " +
                                  neu.toBase64() + "\r\n");
}

void TestHochladenZiel::bekannteServer_unlesbar_bleibtStehen() {
    QTemporaryDir dir;
    QVERIFY(serverSchluesselLesen(dir.filePath(kBekannteServerDatei), QStringLiteral("h")) == std::nullopt);
    // A folder in the file's place cannot be read, and must not be replaced by a file.
    QVERIFY(QDir(dir.path()).mkdir(kBekannteServerDatei));
    QVERIFY(!serverSchluesselMerken(dir.filePath(kBekannteServerDatei), QStringLiteral("h"), "x").isEmpty());
    QVERIFY(QFileInfo(dir.filePath(kBekannteServerDatei)).isDir());
}

void TestHochladenZiel::fingerabdruck_wieSshKeygen() {
    QTemporaryDir dir;
    const QString schluessel = dir.filePath(QStringLiteral("k"));
    QCOMPARE(QProcess::execute(QStringLiteral("ssh-keygen"),
                               {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ecdsa"),
                                QStringLiteral("-N"), QString(), QStringLiteral("-f"), schluessel}),
             0);
    QFile oeffentlich(schluessel + QStringLiteral(".pub"));
    QVERIFY(oeffentlich.open(QIODevice::ReadOnly));
    const QByteArray roh = QByteArray::fromBase64(oeffentlich.readAll().split(' ').value(1));
    QProcess keygen;
    keygen.start(QStringLiteral("ssh-keygen"), {QStringLiteral("-l"), QStringLiteral("-f"), schluessel});
    QVERIFY(keygen.waitForFinished());
    QCOMPARE(fingerabdruck(roh), QString::fromLatin1(keygen.readAllStandardOutput().split(' ').value(1)));
}

QTEST_GUILESS_MAIN(TestHochladenZiel)
#include "tst_hochladenziel.moc"
