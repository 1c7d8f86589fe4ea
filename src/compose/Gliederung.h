#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Markup that costs an HTML5 parser time growing with the square of its length: elements nested
// deeper than any listing needs (also formatting elements that a browser opens again and again
// for each later piece of text), or a tag with a flood of attributes.
enum class Grenze { Keine, Tiefe, Attribute };

// A start tag of a watched element that no end tag of its own follows.
struct OffenesElement {
    // Lower case, as in the watched list, and its place there.
    QString name;
    qsizetype beobachtet = 0;
    // The start tag in the text.
    qsizetype start = 0;
    qsizetype laenge = 0;
};

// What one quick pass over the markup learns before the parser reads it.
struct Gliederung {
    // The parser may read the text up to here: everything, or up to the tag that crosses a limit.
    qsizetype bis = 0;
    Grenze grenze = Grenze::Keine;
    // The tag or text that crossed the limit.
    qsizetype grenzeStart = 0;
    qsizetype grenzeLaenge = 0;
    // The deepest nesting of the text the parser may read.
    int tiefe = 0;
    // In the order of their start tags.
    QList<OffenesElement> offen;
};

// Far beyond any listing, and still cheap for the parser.
inline constexpr int kHoechsteTiefe = 256;
inline constexpr int kHoechsteFormatierungen = 100;
// Elements and their attributes a browser makes anew for formatting left open.
inline constexpr int kHoechsteNeueroeffnungen = 50'000;
inline constexpr int kHoechsteAttribute = 100;

// Reads the markup as a browser's tokenizer does (comments, raw text of scripts and styles,
// quoted attribute values) and follows the nesting as its tree builder does, closely enough that
// the depth it sees is never far below the parser's. `beobachtet` are lower-case element names
// whose start tags without an end tag are wanted.
Gliederung GliederungLesen(QStringView html, const QStringList& beobachtet);
