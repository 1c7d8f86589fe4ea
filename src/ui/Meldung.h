#pragma once

#include "core/Meldungen.h"

class Plattform;

// Shows the numbered message of the table through the seam; a number not in the table shows nothing.
void Meldung(Plattform& plattform, int nummer, const QString& text = {}, const QString& text2 = {},
             const Laufzeitfehler& fehler = {});
