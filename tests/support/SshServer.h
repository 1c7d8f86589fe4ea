#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// An OpenSSH server of the test's own on a free port of 127.0.0.1 that serves SFTP only, with a
// host key and a client key made for it. Run as root (as CI runs) it lets in the user "nobody",
// whom folder permissions bind as they bind a seller at a web host; run as anyone else, that user.
class SshServer {
public:
    SshServer();
    ~SshServer();
    SshServer(const SshServer&) = delete;
    SshServer& operator=(const SshServer&) = delete;

    // Whether OpenSSH's server is installed at all.
    static bool vorhanden();
    // Starts it and waits until it listens; an error text, empty on success.
    QString starten();
    void anhalten();
    // A new host key for the next start, as when a server is replaced.
    void hostSchluesselWechseln();
    // Cuts every open connection, as a network failure does; the server goes on listening.
    void verbindungenTrennen();

    QString benutzer() const { return m_benutzer; }
    int port() const { return m_port; }
    // "sftp://benutzer@127.0.0.1:port" and the folder.
    QString ziel(const QString& ordner) const;
    // The private key the server accepts.
    QString clientSchluessel() const;
    // The server's public key as the SSH protocol carries it.
    QByteArray hostSchluessel() const;
    // A new folder below the server's own that the login user may write in; "gesperrt" makes it
    // one the user may read but not write.
    QString ordner(const QString& name, bool gesperrt = false) const;

private:
    QString pfad(const QString& name) const { return m_dir.filePath(name); }
    void schluesselMachen(const QString& name) const;
    void konfigurationSchreiben() const;

    QTemporaryDir m_dir;
    QProcess m_prozess;
    QString m_benutzer;
    int m_port = 0;
};

// Starts a server of the test's own and makes the home folder the test's, holding the key the server
// accepts where the program looks for it; SSH's agent is kept out. An error text, empty on success.
QString sshMitHeimStarten(std::unique_ptr<SshServer>& server, const QTemporaryDir& heim);
