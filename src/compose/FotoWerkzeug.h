#pragma once

#include "compose/Fotos.h"

#include <QtPlugin>

// The photo library lives in a plugin: it brings a hundred shared libraries, which the program
// loads only when a photo is prepared, not at every start.
class FotoWerkzeug {
public:
    virtual ~FotoWerkzeug() = default;
    virtual FotoErgebnis vorbereiten(const FotoAuftrag& auftrag) const = 0;
};

#define FotoWerkzeug_iid "de.kori.KORI.FotoWerkzeug/1"
Q_DECLARE_INTERFACE(FotoWerkzeug, FotoWerkzeug_iid)
