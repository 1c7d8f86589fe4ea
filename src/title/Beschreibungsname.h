#pragma once

#include <QString>

#include <optional>

// The file name "<name>.ini" of a description file in "Artikel-Beschreibung", named after the
// designation with the characters a file name cannot hold replaced as in the article file names.
// Nothing when the designation would name the folder itself or its parent.
std::optional<QString> Beschreibungsdateiname(const QString& bezeichnung);

inline const QString kBeschreibungsnameFehlt = QStringLiteral(
    "Bitte zuerst eine Artikelbezeichnung eingeben: unter ihr wird die Beschreibung gespeichert.");

// The report of a description file that could not be written.
QString BeschreibungNichtGespeichert(const QString& pfad);

inline const QString kBeschreibungsnameUngueltig =
    QStringLiteral("Unter dieser Artikelbezeichnung kann keine Beschreibungsdatei gespeichert werden.");
