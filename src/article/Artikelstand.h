#pragma once

#include "article/ArtikelText.h"

#include <QString>
#include <QStringList>

// What tells whether an article has changed since it was last saved, read or started anew:
// everything its files hold, and what the detail windows keep for it besides.
struct Artikelstand {
    ArtikelFelder felder;
    QString artikelArt;
    // The book or clothing table and the extra link, which go into the listing.
    QString inhaltAuto;
    QString link;
    // The clothing window's values, which no file holds before its table is saved.
    QStringList kleidung;

    bool operator==(const Artikelstand&) const = default;
};
