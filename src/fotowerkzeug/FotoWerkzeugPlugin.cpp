#include "fotowerkzeug/FotoWerkzeugPlugin.h"

#include "compose/FotoVips.h"

FotoErgebnis FotoWerkzeugPlugin::vorbereiten(const FotoAuftrag& auftrag) const {
    return FotoVorbereiten(auftrag);
}
