#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class QLockFile;

// A lock that names no program (empty, cut short, unreadable, a folder) was left by a power cut
// or put there by a sync client, unless a start is writing it this very moment: once it is this
// old, it is taken over.
inline constexpr qint64 kNamenloseSperreMs = 30'000;

// Who holds a lock, as QLockFile writes it: process number, program, host name and machine id,
// one a line.
struct Sperrinhaber {
    qint64 prozess = 0;
    QString programm;
    QString rechner;
    QByteArray rechnerId;

    bool operator==(const Sperrinhaber&) const = default;
};

// The holder a lock file's bytes name; nothing when they name no process.
std::optional<Sperrinhaber> sperrinhaberLesen(const QByteArray& inhalt);

// What lies where a lock should be.
struct Sperrbefund {
    enum class Art { Fehlt, Datei, Ordner };
    Art art = Art::Fehlt;
    // The holder a readable lock file names.
    std::optional<Sperrinhaber> inhaber;
    // A folder with entries is no lock of this program's.
    bool ordnerMitInhalt = false;
    QDateTime geaendert;

    bool operator==(const Sperrbefund&) const = default;
};

// Looks at the lock `pfad` without following a link there.
Sperrbefund sperreUntersuchen(const QString& pfad);

enum class Sperrfall {
    // Names no program and is older than kNamenloseSperreMs.
    Uebernehmen,
    // Names no program and is younger: perhaps a start writing it right now.
    Warten,
    // Held on another machine, which QLockFile cannot ask whether its program still runs.
    Fragen,
    // Held by a running program on this machine.
    Belegt,
    // A folder with content, not this program's to delete.
    Fremd,
};

// What to do about a lock that QLockFile would not take over, for the machine named `rechner`
// with the id `rechnerId`, at `jetzt`. Machines are told apart as QLockFile does: by their ids
// where both are known, else by their names.
Sperrfall sperrfallBeurteilen(const Sperrbefund& befund, const QDateTime& jetzt, const QString& rechner,
                              const QByteArray& rechnerId);

// Removes the lock seen as `befund`, under the removal lock QLockFile itself takes, and only if it
// is still what was seen. False when it stays where it is; true when it is gone or has changed
// and must be looked at again.
bool sperreAufheben(const QString& pfad, const Sperrbefund& befund);

struct Sperrversuch {
    bool gesperrt = false;
    // Why not: the last lock found in the way.
    Sperrfall fall = Sperrfall::Belegt;
    Sperrbefund befund;
};
// Takes `sperre`, whose stale time is 0: a lock of a program gone on this machine is taken over
// at once, one that names no program once it is old, one held on another machine when `fragen`
// says yes. A lock that cannot be made at all counts as taken: a folder that cannot hold it is
// reported by the reads and saves that need it.
Sperrversuch sperreNehmen(QLockFile& sperre, const std::function<bool(const Sperrbefund&)>& fragen);

// The question before a lock held on another machine is taken over; `ordner` as the seller reads it.
QString sperrFrage(const Sperrbefund& befund, const QString& ordner, const QString& rechner);

// Why this start ends: names the lock file and says when it may be deleted. Paths as the seller
// reads them.
QString sperrAbsage(Sperrfall fall, const Sperrbefund& befund, const QString& datei, const QString& ordner,
                    const QDateTime& jetzt);
