#pragma once

#include <QList>
#include <QString>

// One appended piece of the listing and where it came from: a template file, an INI part, a
// field of a window, or the program's own text.
struct ListingStueck {
    qsizetype start = 0;
    qsizetype laenge = 0;
    QString herkunft;

    friend bool operator==(const ListingStueck&, const ListingStueck&) = default;
};
using ListingHerkunft = QList<ListingStueck>;

// The origin of the piece that holds the character at `position`; empty outside every piece.
QString HerkunftAn(const ListingHerkunft& herkunft, qsizetype position);
