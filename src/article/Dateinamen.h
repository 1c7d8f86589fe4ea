#pragma once

#include <QString>

// An article file is named save name + "~" + shipping cost + "#" + seller name + ".ebay". The
// save name is the designation with the characters a file name cannot hold replaced.

// The designation with every forbidden file-name character replaced.
QString VerboteneZeichenErsetzen(const QString& name);

// The partial reverse for a save name read from a file name: ":", "\", "/" and "|" all come back
// as "/", "?" and "#" stay "-".
QString VerboteneZeichenZurueck(const QString& speichername);

// The parts are found from the end: the seller follows the file name's first "#" (a save name
// holds none), the shipping cost the last "~" before it (a save name may hold "~").

// The designation encoded in the file path: the name before the shipping cost's "~" (the whole
// name without ".ebay" when there is none), reversed; its own "~" stay. Empty for a path without
// a file name.
QString TitelAusDateiname(const QString& pfad);

// The shipping cost between the "~" and the "#" of the path.
QString PreisAusDateiname(const QString& pfad);

// The seller after the "#"; the whole path without ".ebay" when there is no "#".
QString VerkaeuferAusDateiname(const QString& pfad);
