#pragma once

#include <QString>

#include <array>

using TextblockNamen = std::array<QString, 21>;

// The names of the stored texts from the names file: the k-th entry without "#" names text k,
// cut to 9 characters; names beyond those the file gives keep their previous values.
TextblockNamen BTNamenAuswerten(const QString& inhalt, const TextblockNamen& bisher);

// The caption of a stored-text button: "frei" for an empty or blank name, else the name as stored.
QString BTBeschriftung(const QString& name);
