#pragma once

#include "compose/Fotos.h"
#include "compose/ListingPruefung.h"

#include <QList>
#include <QString>

// The marketplace's rules for the photos of the ticked rows: at least 500 pixels on the longest
// side (it advises 1000) and at most 7 MB. A finding points at the photo's name in the listing.
QList<Befund> FotosPruefen(const QList<FotoAngabe>& fotos, const QString& listing);
