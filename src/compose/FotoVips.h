#pragma once

#include "compose/Fotos.h"

// The upload copy of one photo, made with libvips: decoded shrunk on load, turned upright by its
// orientation tag, scaled down with a Lanczos kernel to fit the longest side, flattened and
// converted to sRGB, and encoded as a JPEG without any metadata, at quality 90 lowered step by
// step while it is larger than allowed. Nothing is written. Safe on several threads at once.
FotoErgebnis FotoVorbereiten(const FotoAuftrag& auftrag);
