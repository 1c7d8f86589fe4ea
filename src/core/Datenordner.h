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

enum class Anlage { Vorhanden, Angelegt, Fehlgeschlagen };
// Creates the data folder `wurzel` from the delivered copy `quelle` when it is missing entirely;
// an existing folder is left as it is, so a file the user removed stays removed. The copy is
// built beside it and renamed when complete, so an interrupted first start is completed by the
// next one and never leaves a half folder in use.
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
