#pragma once

#include "compose/Fotos.h"
#include "compose/Listing.h"

#include <QList>
#include <QString>
#include <QStringList>

// The marketplace refuses, strips or removes a description with active or insecure content
// ("Fehler"); other things it allows but shows badly or may remove later ("Hinweis").
enum class BefundArt { Fehler, Hinweis };

struct Befund {
    BefundArt art = BefundArt::Hinweis;
    // The rule in plain German.
    QString regel;
    // The offending text, shortened.
    QString text;
    QString herkunft;
    // Where the offending text stands: in the listing, or in the designation.
    qsizetype start = 0;
    qsizetype laenge = 0;
    bool inBezeichnung = false;
};

struct ListingPruefEingabe {
    QString listing;
    ListingHerkunft herkunft;
    QString bezeichnung;
    // The seller's own web addresses from the settings; links to their hosts are no one else's.
    QStringList eigeneAdressen;
    QList<FotoAngabe> fotos;
};

inline constexpr qsizetype kListingHoechstlaenge = 500000;
inline constexpr int kBezeichnungHoechstlaenge = 80;
inline const QString kHerkunftBezeichnung = QStringLiteral("Artikel Bezeichnung");

// Errors first, then hints, each in the order of the text; the designation's findings close
// each group.
QList<Befund> ListingPruefen(const ListingPruefEingabe& eingabe);
// The findings of the designation alone.
QList<Befund> BezeichnungPruefen(const QString& bezeichnung);

// "Fehler: <rule> – <origin>".
QString BefundZeile(const Befund& befund);
// "Keine Beanstandungen", or the counts such as "2 Fehler, 1 Hinweis".
QString PruefungZusammenfassung(const QList<Befund>& befunde);
qsizetype FehlerAnzahl(const QList<Befund>& befunde);
