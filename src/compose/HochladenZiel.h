#pragma once

#include <QByteArray>
#include <QString>

// Where the photos go: "sftp://benutzer@server[:port]/ordner".
struct HochladenZiel {
    QString benutzer;
    QString server;
    int port = 22;
    // Ends in "/"; a path from the server's root, or from the login folder after "/~/".
    QString ordner;
};

// The target, or in `fehler` why the text is none (in German, for the seller); the target is
// only valid while `fehler` is empty.
struct ZielAuswertung {
    HochladenZiel ziel;
    QString fehler;
};
ZielAuswertung hochladenZielLesen(const QString& text);
// Why no upload can start with this target, as a tooltip says it; empty when one can.
QString hochladenSperrgrund(const QString& text);

// The address of a file in the target folder, without the user, for the transfer library.
QByteArray zielAdresse(const HochladenZiel& ziel, const QString& dateiname);
// The server as the seller reads it and as the known-servers file names it: "server" on the
// standard port, "[server]:port" on any other.
QString serverName(const HochladenZiel& ziel);
// The keyring's name for the login.
QString kontoName(const HochladenZiel& ziel);
