#include "support/SshServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMultiMap>
#include <QTcpServer>

#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSshd = QStringLiteral("/usr/sbin/sshd");

// Folders and files the server reads as the login user must be open to it.
void oeffnen(const QString& pfad, mode_t modus) {
    ::chmod(QFile::encodeName(pfad).constData(), modus);
}

const passwd* anmeldeKonto() {
    return ::geteuid() == 0 ? ::getpwnam("nobody") : ::getpwuid(::geteuid());
}

int freierPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

SshServer::SshServer() : m_benutzer(QString::fromLocal8Bit(anmeldeKonto()->pw_name)) {
    oeffnen(m_dir.path(), 0755);
    schluesselMachen(QStringLiteral("host"));
    schluesselMachen(QStringLiteral("client"));
    QFile::copy(pfad(QStringLiteral("client.pub")), pfad(QStringLiteral("authorized_keys")));
    oeffnen(pfad(QStringLiteral("authorized_keys")), 0644);
    QDir(m_dir.path()).mkdir(QStringLiteral("daten"));
    oeffnen(pfad(QStringLiteral("daten")), 0755);
}

SshServer::~SshServer() {
    anhalten();
}

bool SshServer::vorhanden() {
    return QFile::exists(kSshd);
}

void SshServer::schluesselMachen(const QString& name) const {
    QFile::remove(pfad(name));
    QFile::remove(pfad(name + QStringLiteral(".pub")));
    QProcess::execute(QStringLiteral("ssh-keygen"),
                      {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                       QStringLiteral("-N"), QString(), QStringLiteral("-f"), pfad(name)});
}

void SshServer::konfigurationSchreiben() const {
    const QString text =
        QStringLiteral("Port %1\nListenAddress 127.0.0.1\nHostKey %2\nPidFile none\nUsePAM no\n"
                       "StrictModes no\nAuthorizedKeysFile %3\nPasswordAuthentication yes\n"
                       "KbdInteractiveAuthentication no\nAllowUsers %4\nMaxStartups 50\n"
                       "Subsystem sftp internal-sftp\nForceCommand internal-sftp\n")
            .arg(m_port)
            .arg(pfad(QStringLiteral("host")), pfad(QStringLiteral("authorized_keys")), m_benutzer);
    QFile datei(pfad(QStringLiteral("sshd_config")));
    datei.open(QIODevice::WriteOnly | QIODevice::Truncate);
    datei.write(text.toUtf8());
}

QString SshServer::starten() {
    anhalten();
    // The server separates privileges into this folder when it runs as root.
    if (::geteuid() == 0 && !QDir(QStringLiteral("/run/sshd")).exists()) {
        QDir().mkpath(QStringLiteral("/run/sshd"));
    }
    // A restarted server keeps its address, as a replaced one does.
    if (m_port == 0) {
        m_port = freierPort();
    }
    konfigurationSchreiben();
    m_prozess.setProcessChannelMode(QProcess::MergedChannels);
    m_prozess.start(kSshd, {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"),
                            pfad(QStringLiteral("sshd_config"))});
    QByteArray ausgabe;
    const QDeadlineTimer frist(10000);
    while (!frist.hasExpired() && m_prozess.state() != QProcess::NotRunning) {
        m_prozess.waitForReadyRead(100);
        ausgabe += m_prozess.readAll();
        if (ausgabe.contains("Server listening")) {
            return {};
        }
    }
    anhalten();
    return QStringLiteral("sshd startete nicht: ") + QString::fromLocal8Bit(ausgabe);
}

void SshServer::anhalten() {
    if (m_prozess.state() == QProcess::NotRunning) {
        return;
    }
    verbindungenTrennen();
    m_prozess.kill();
    m_prozess.waitForFinished(5000);
}

void SshServer::hostSchluesselWechseln() {
    schluesselMachen(QStringLiteral("host"));
}

void SshServer::verbindungenTrennen() {
    // Each connection is a child of the listening server with a child of its own that holds the
    // socket as well; only these descendants are ended.
    QMultiMap<QString, QString> kinder;
    const QStringList prozesse = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : prozesse) {
        QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
        if (stat.open(QIODevice::ReadOnly)) {
            const QString zeile = QString::fromLocal8Bit(stat.readAll());
            kinder.insert(zeile.mid(zeile.lastIndexOf(QLatin1Char(')')) + 2).section(QLatin1Char(' '), 1, 1),
                          pid);
        }
    }
    QStringList offen = kinder.values(QString::number(m_prozess.processId()));
    while (!offen.isEmpty()) {
        const QString pid = offen.takeLast();
        offen += kinder.values(pid);
        ::kill(pid.toInt(), SIGKILL);
    }
}

QString SshServer::ziel(const QString& ordner) const {
    return QStringLiteral("sftp://") + m_benutzer + QStringLiteral("@127.0.0.1:") + QString::number(m_port) +
           ordner;
}

QString SshServer::clientSchluessel() const {
    return pfad(QStringLiteral("client"));
}

QByteArray SshServer::hostSchluessel() const {
    QFile datei(pfad(QStringLiteral("host.pub")));
    datei.open(QIODevice::ReadOnly);
    return QByteArray::fromBase64(datei.readAll().split(' ').value(1));
}

QString SshServer::ordner(const QString& name, bool gesperrt) const {
    const QString weg = pfad(QStringLiteral("daten/") + name);
    QDir().mkpath(weg);
    const passwd* konto = anmeldeKonto();
    if (::chown(QFile::encodeName(weg).constData(), konto->pw_uid, konto->pw_gid) != 0) {
        qWarning("chown %s fehlgeschlagen", qPrintable(weg));
    }
    oeffnen(weg, gesperrt ? 0555 : 0755);
    return weg + QLatin1Char('/');
}

QString sshMitHeimStarten(std::unique_ptr<SshServer>& server, const QTemporaryDir& heim) {
    qunsetenv("SSH_AUTH_SOCK");
    qputenv("HOME", QFile::encodeName(heim.path()));
    server = std::make_unique<SshServer>();
    const QString fehler = server->starten();
    if (!fehler.isEmpty()) {
        return fehler;
    }
    if (!QDir(heim.path()).mkpath(QStringLiteral(".ssh")) ||
        !QFile::copy(server->clientSchluessel(), heim.filePath(QStringLiteral(".ssh/id_ed25519")))) {
        return QStringLiteral("Der Schlüssel kommt nicht in den Heimordner ") + heim.path();
    }
    return {};
}
