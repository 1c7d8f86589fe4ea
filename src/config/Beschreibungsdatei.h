#pragma once

#include <QString>
#include <QStringList>

// Writes the description rows as "TEIL1" to "TEIL8" of section "KL_BESCHR" of the file.
// Returns false when the write failed or a value holds characters the file cannot hold.
bool KleidBeschrSpeichern(const QString& pfad, const QStringList& werte);
