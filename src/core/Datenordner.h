#pragma once

#include <QString>

// Resolves a path whose components may differ in letter case from the entries on disk:
// each existing component is replaced by the entry it matches; the rest is kept as given.
// Accepts "/" and "\" as separators and returns "/" separators.
QString pfadAufloesen(const QString& pfad);

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
