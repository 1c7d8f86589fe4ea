#pragma once

#include "compose/HochladenZiel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

enum class HochladenFehler {
    Keiner,
    Abgebrochen,
    // The server showed a key the seller has not accepted yet; it is in angebotenerSchluessel.
    ServerSchluesselNeu,
    // The server showed another key than the accepted one: someone may sit in between.
    ServerSchluesselGeaendert,
    Anmeldung,
    ServerUnbekannt,
    VerbindungAbgelehnt,
    VerbindungVerloren,
    PlatteVoll,
    OrdnerVerweigert,
    DateiUnlesbar,
    Sonstiges
};

struct HochladenAuftrag {
    HochladenZiel ziel;
    // Local files; each goes to the target folder under its own file name.
    QStringList dateien;
    // Private key files tried in turn, each together with the SSH agent and the password.
    QStringList schluesseldateien;
    QString passwort;
    // The server's key the seller accepted; without it every key counts as new.
    std::optional<QByteArray> serverSchluessel;
};

struct HochladenErgebnis {
    HochladenFehler fehler = HochladenFehler::Keiner;
    // The local file the upload stopped at.
    QString datei;
    // The transfer library's own words, when it had any.
    QString detail;
    QByteArray angebotenerSchluessel;
    // File names, in the order of the files.
    QStringList hochgeladen;
    // Already on the server with the same size.
    QStringList uebersprungen;
};

// Bytes sent of all files together; files already on the server count as sent.
using Fortschritt = std::function<void(qint64 gesendet, qint64 gesamt)>;

// Sends the files to the target, over one connection. Each file goes to a temporary name first
// and is renamed when complete, so no incomplete file ever stands under a real name; a file of
// the same name and size already there is skipped. A connection lost during a file is tried once
// more. Stops at the first failure, or when `abbrechen` is set, and removes the temporary file.
// Blocks until done: run it off the user-interface thread.
HochladenErgebnis dateienHochladen(const HochladenAuftrag& auftrag, const std::atomic_bool& abbrechen,
                                   const Fortschritt& fortschritt);

// The seller's own private keys in the home folder's ".ssh", as an SSH client would try them.
QStringList eigeneSchluessel(const QString& heimordner);

// The name a file has on the server while it is being sent.
QString temporaererName(const QString& dateiname);

// The bytes sent so far and in all, as the progress bar reads them: "0,4 von 2,5 MB", or in kB
// for less than a megabyte in all.
QString fortschrittText(qint64 gesendet, qint64 gesamt);

// What an upload that went through did: how many were sent and how many were there already.
QString erfolgsMeldung(const HochladenErgebnis& ergebnis);

// The one message of a failed upload: the picture and the cause, in German.
QString hochladenMeldung(const HochladenErgebnis& ergebnis, const HochladenZiel& ziel);
