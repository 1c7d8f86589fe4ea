#pragma once

#include <QString>

// Resolves a path whose components may differ in letter case from the entries on disk:
// each existing component is replaced by the entry it matches; the rest is kept as given.
// Accepts "/" and "\" as separators and returns "/" separators.
QString pfadAufloesen(const QString& pfad);

// The folder that holds the data folder. A program file below /usr or /opt comes from an
// installed package, whose folder the user cannot keep data in: its data lives in the user's
// data location. Any other program keeps its data beside itself (the portable install). Decided
// by the program's place, not by write permission, so a program run as root decides alike.
QString datenBasisordner(const QString& programmordner, const QString& benutzerdatenordner);

// Copies every file and folder of `quelle` that `ziel` lacks, byte for byte; a file that exists
// is never overwritten. False when a folder or file could not be created.
bool datenordnerErgaenzen(const QString& quelle, const QString& ziel);

enum class Anlage {
    Vorhanden,
    Angelegt,
    Fehlgeschlagen,
    // A file, or a link to one, where the data folder should be.
    Datei,
    // A link to nothing, say to a drive not mounted.
    VerknuepfungOhneZiel,
};
// Creates the data folder `wurzel` from the delivered copy `quelle` when it is missing entirely;
// an existing folder is left as it is, so a file the user removed stays removed. Where a file or
// a link to nothing is in the way, nothing is written. The copy is built beside it, in a folder
// made anew each time, and renamed when complete, so a first start that was interrupted never
// leaves a half folder in use. A lock beside it lets one of several first starts at once create
// it while the others wait and find it there.
Anlage datenordnerAnlegen(const QString& quelle, const QString& wurzel);

// Every path of the program is the program folder followed by a fixed relative path.
class Datenordner {
public:
    explicit Datenordner(const QString& programmordner);

    const QString& programmordner() const { return m_programmordner; }
    // The data folder "KORI-Vorlage-Dateien" in the program folder.
    QString wurzel() const;
    // A path below the data folder, e.g. "vorlagen\\BT1.Str".
    QString pfad(const QString& relativ) const;
    // A path below the program folder in the stored form "\KORI-Vorlage-Dateien\...".
    QString ausProgrammordner(const QString& relativ) const;

private:
    QString m_programmordner;
};
