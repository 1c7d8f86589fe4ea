#pragma once

#include "compose/Listing.h"
#include "compose/ListingPruefung.h"
#include "compose/Pruefungen.h"

#include <QString>

#include <array>

// What the live preview's views show and what its status line says.
struct LiveStand {
    // The whole page; empty when the views keep the page they show.
    QString seite;
    // The phone view's page: the same, below what the app shows of the summary.
    QString handySeite;
    QString status;
};

// The views take a page of at most this many bytes of UTF-8: three times what the marketplace
// takes, and every pause in typing hands the whole page to the engine's process.
inline constexpr qsizetype kLiveSeiteGrenze = 1'500'000;

// Pictures 3, 4 and 5 as the finish marks them present: ticked with a file name. The later checks
// of a row (its sizes) and the refusals of earlier rows do not matter for the preview.
std::array<bool, 3> LiveBildVorhanden(const std::array<PruefBildzeile, 5>& bilder);

// Every <img> tag replaced by a grey box of the size its width and height attributes give, so
// that the page keeps its layout without fetching a picture.
QString BilderAlsPlatzhalter(const QString& html);

// The page of the listing as both views show it: centred, pictures or their grey boxes.
QString LiveSeite(const QString& listing, bool bilderLaden);

// The box above the phone view's page with what the app shows of the listing's summary; empty
// without one.
QString KurzfassungKasten(const QString& listing);

// The page and status line for one assembly result and the findings of the listing check over it.
// A broken shop part or a page too large for the engine keeps the page shown and says why.
LiveStand LiveStandBilden(const ListingErgebnis& ergebnis, bool bilderLaden, const QList<Befund>& befunde);
