#include "compose/Nachpruefung.h"

#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

// A web server of the test's own over https, answering each path as a web host would.
class TestNachpruefung : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void antworten_data();
    void antworten();
    void meldung_nenntJedeFehlendeAdresse();
    void meldung_alleDa_leer();

private:
    void antworten(QSslSocket* verbindung);
    QString https(const QString& pfad) const;

    QTemporaryDir m_dir;
    QSslServer m_server;
};

void TestNachpruefung::initTestCase() {
    const QString schluessel = m_dir.filePath(QStringLiteral("schluessel.pem"));
    const QString zertifikat = m_dir.filePath(QStringLiteral("zertifikat.pem"));
    QCOMPARE(QProcess::execute(QStringLiteral("openssl"),
                               {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                                QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                                QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                                QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                                QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                                QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"),
                                schluessel, QStringLiteral("-out"), zertifikat}),
             0);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate::fromPath(zertifikat).value(0));
    QFile datei(schluessel);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    tls.setPrivateKey(QSslKey(&datei, QSsl::Ec));
    m_server.setSslConfiguration(tls);
    connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this]() {
        auto* verbindung = static_cast<QSslSocket*>(m_server.nextPendingConnection());
        connect(verbindung, &QIODevice::readyRead, this, [this, verbindung]() { antworten(verbindung); });
        connect(verbindung, &QAbstractSocket::disconnected, verbindung, &QObject::deleteLater);
    });
    QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
}

void TestNachpruefung::antworten(QSslSocket* verbindung) {
    const QByteArray anfrage = verbindung->readAll();
    const QByteArray pfad = anfrage.split(' ').value(1);
    QByteArray status = "404 Not Found";
    QByteArray kopf;
    if (pfad == "/da.jpg" || pfad == "/mit%20blank.jpg") {
        status = "200 OK";
    } else if (pfad == "/verboten.jpg") {
        status = "403 Forbidden";
    } else if (pfad == "/umgezogen.jpg") {
        status = "301 Moved Permanently";
        kopf = "Location: http://127.0.0.1:" + QByteArray::number(m_server.serverPort()) + "/da.jpg\r\n";
    }
    verbindung->write("HTTP/1.1 " + status + "\r\n" + kopf + "Content-Length: 0\r\n\r\n");
}

QString TestNachpruefung::https(const QString& pfad) const {
    return QStringLiteral("https://127.0.0.1:") + QString::number(m_server.serverPort()) + pfad;
}

void TestNachpruefung::antworten_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<AdressAntwort::Art>("art");
    QTest::addColumn<int>("status");
    QTest::newRow("da") << https(QStringLiteral("/da.jpg")) << AdressAntwort::Art::Da << 200;
    QTest::newRow("blank im namen") << https(QStringLiteral("/mit blank.jpg")) << AdressAntwort::Art::Da
                                    << 200;
    QTest::newRow("http wird als https gefragt")
        << https(QStringLiteral("/da.jpg")).replace(QStringLiteral("https"), QStringLiteral("http"))
        << AdressAntwort::Art::Da << 200;
    QTest::newRow("fehlt") << https(QStringLiteral("/weg.jpg")) << AdressAntwort::Art::Fehlt << 404;
    QTest::newRow("verboten") << https(QStringLiteral("/verboten.jpg")) << AdressAntwort::Art::Fehler << 403;
    QTest::newRow("umleitung auf http")
        << https(QStringLiteral("/umgezogen.jpg")) << AdressAntwort::Art::KeinHttps << 0;
    QTcpServer zu;
    zu.listen(QHostAddress::LocalHost, 0);
    QTest::newRow("keine antwort") << QStringLiteral("https://127.0.0.1:%1/da.jpg").arg(zu.serverPort())
                                   << AdressAntwort::Art::KeinHttps << 0;
}

void TestNachpruefung::antworten() {
    QFETCH(QString, adresse);
    QFETCH(AdressAntwort::Art, art);
    QFETCH(int, status);
    // The check blocks; the server answers on this thread meanwhile.
    QList<AdressAntwort> ergebnis;
    const std::atomic_bool abbrechen{false};
    const QString zertifikate = m_dir.filePath(QStringLiteral("zertifikat.pem"));
    std::unique_ptr<QThread> faden(
        QThread::create([&]() { ergebnis = adressenPruefen({adresse}, abbrechen, zertifikate); }));
    faden->start();
    QTRY_VERIFY_WITH_TIMEOUT(faden->isFinished(), 20000);
    QCOMPARE(ergebnis.size(), 1);
    QCOMPARE(ergebnis.at(0).adresse, adresse);
    QCOMPARE(ergebnis.at(0).art, art);
    QCOMPARE(ergebnis.at(0).status, status);
}

void TestNachpruefung::meldung_nenntJedeFehlendeAdresse() {
    using Art = AdressAntwort::Art;
    const QString meldung = pruefungsMeldung({{QStringLiteral("https://w/a.jpg"), Art::Da, 200},
                                              {QStringLiteral("https://w/b.jpg"), Art::Fehlt, 404},
                                              {QStringLiteral("http://w/c.jpg"), Art::KeinHttps, 0},
                                              {QStringLiteral("https://w/d.jpg"), Art::Fehler, 500},
                                              {QStringLiteral("https://w/e.jpg"), Art::Fehlt, 410}});
    QCOMPARE(meldung, QStringLiteral("Nicht jedes Foto ist im Internet zu sehen:\r\n"
                                     "Nicht gefunden:\r\nhttps://w/b.jpg\r\nhttps://w/e.jpg\r\n"
                                     "Nicht über https erreichbar:\r\nhttp://w/c.jpg\r\n"
                                     "Nicht abrufbar:\r\nhttps://w/d.jpg (Antwort 500)"));
}

void TestNachpruefung::meldung_alleDa_leer() {
    QCOMPARE(pruefungsMeldung({{QStringLiteral("https://w/a.jpg"), AdressAntwort::Art::Da, 200}}), QString());
    QCOMPARE(pruefungsMeldung({}), QString());
}

QTEST_GUILESS_MAIN(TestNachpruefung)
#include "tst_nachpruefung.moc"
