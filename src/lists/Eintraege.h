#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The comma-delimited entry reader of list and key-value files: an entry ends at a comma or
// the end of a line; blanks before it are skipped and blanks after it dropped; an entry that
// starts with a double quote runs to the next one and may hold commas (text after the closing
// quote up to the next comma or line end is ignored).
QStringList eintraegeLesen(const QString& inhalt);

// What a list file gives a box: the decoded entries.
struct ListenInhalt {
    QStringList eintraege;
    // Replacements of "__" by "," in the last entry decoded.
    int letzteErsetzungen = 0;
};
ListenInhalt listeAuswerten(const QString& inhalt);

// What a key-value text file gives: up to 81 key lines and the description text (CR LF per line).
struct TextDateiInhalt {
    std::array<QString, 81> zeilen;
    QString text;
    int letzteErsetzungen = 0;
};
TextDateiInhalt textDateiAuswerten(const QString& inhalt);
