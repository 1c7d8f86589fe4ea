#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The servers whose key the seller has accepted, one line each in the form of OpenSSH's
// known_hosts ("server key-type base64-key"), so the seller can compare them with the ones an
// SSH client keeps.
inline const QString kBekannteServerDatei = QStringLiteral("bekannte_server");

// The accepted key of the server (named as serverName() names it), or nothing.
std::optional<QByteArray> serverSchluesselLesen(const QString& pfad, const QString& server);
// Notes the key as the one of the server, replacing one noted before. An error text, empty on
// success; the file stays as it was on failure.
QString serverSchluesselMerken(const QString& pfad, const QString& server, const QByteArray& schluessel);

// "SHA256:" and the key's digest in base64 without padding, as ssh-keygen -l and ssh show it.
QString fingerabdruck(const QByteArray& schluessel);
