#pragma once

#include "core/Speicherbar.h"

#include <QString>

#include <functional>

class Anwendung;

// Writes a book's or a garment's description into its file in the data folder, named after the
// article designation, and keeps the path for the finish command. A missing or unusable name, or a
// name or row the file cannot hold, is reported and nothing is written; so is a failed write. True
// when the file was written.
bool BeschreibungsdateiSchreiben(Anwendung& app, const QString& bezeichnung,
                                 const QList<BenanntesFeld>& zeilen,
                                 const std::function<bool(const QString& pfad)>& schreiben);
