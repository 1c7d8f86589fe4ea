#pragma once

#include "core/Meldungen.h"
#include "core/Speicherbar.h"

class Plattform;

// Shows the numbered message of the table through the seam; a number not in the table shows nothing.
void Meldung(Plattform& plattform, int nummer, const QString& text = {}, const QString& text2 = {},
             const Laufzeitfehler& fehler = {});

// Refuses plain values the files cannot hold before anything is written: message 12 names the
// first such field and its characters. True when every field can be saved.
bool FelderSpeicherbar(Plattform& plattform, const QList<BenanntesFeld>& felder);
