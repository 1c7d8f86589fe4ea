#pragma once

#include "core/Speicherbar.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// One picture row as the article text stores it.
struct BildFelder {
    int Haken = 0;
    // The picture's name on the web.
    QString Pfad;
    // The local file the picture was loaded from.
    QString Bildpfad;
    QString Breite;
    QString Hohe;

    bool operator==(const BildFelder&) const = default;
};

// The values the article text is written from, named by their keys. The book pairs hold what
// the key holds: `Verlag1` the publisher text box, `Verlag2` the publisher combo box, and so on.
struct ArtikelFelder {
    QString ArtBez;
    QString Titel;
    QString UntTite;
    std::array<QString, 7> Siebietenauf;
    QString SieBietenAuf;
    QString Kaufaufforderung1;
    QString Kaufaufforderung2;

    QString Verlag1;
    QString Verlag2;
    QString Autor1;
    QString Autor2;
    QString Sprache1;
    QString Sprache2;
    QString Art1;
    QString Art2;
    QString Genre1;
    QString Genre2;
    QString AnzSeit1;
    QString Gewicht1;
    QString Zustand1;
    QString Zustand2;
    std::array<int, 9> BuchAktiv{};

    std::array<BildFelder, 5> Bild;

    int VersInfJa1 = 0;
    QString Versandkosten;
    QString Versandart;

    // The summary for the phone app as the seller edited it, its lines joined by "<br>"; empty
    // while it follows the article.
    QString Kurzfassung;
    // The description field's text with its CR LF line ends.
    QString ArtBeschreibung;

    bool operator==(const ArtikelFelder&) const = default;
};

// The article text: keyed lines, separator lines and the description, every comma written as
// "__" so that the entry reader cannot split it. The book block is written only for the
// article kind "Buch". ersetzt receives the number of commas replaced.
QString ArtikelTextBilden(const ArtikelFelder& felder, const QString& verkaeuferName,
                          const QString& artikelArt, int& ersetzt);

// The fields an article line can set, in the main window up to the shipping method and in the
// book window after it. The numbered ones carry their number (1 up) beside them.
enum class Artikelfeld {
    Bezeichnung,
    Titel,
    Untertitel,
    // The seven pick lists of the "Sie bieten auf" line, 1 to 7.
    Gebotsteil,
    Gebotszeile,
    Kaufaufforderung1,
    Kaufaufforderung2,
    // Picture rows 1 to 5: web file name, thumbnail, width, height, yes/no box.
    BildDatei,
    BildVorschau,
    BildBreite,
    BildHoehe,
    BildHaken,
    VersandInfo,
    Versandkosten,
    Versandart,
    // Pick lists and text boxes of the book window.
    BuchVerlagWahl,
    BuchVerlag,
    BuchAutorWahl,
    BuchAutor,
    BuchSpracheWahl,
    BuchSprache,
    BuchArtWahl,
    BuchArt,
    BuchGenreWahl,
    BuchGenre,
    BuchSeiten,
    BuchGewicht,
    BuchZustandWahl1,
    BuchZustandWahl2,
    BuchZustand,
    // The book rows' check boxes, 1 to 9.
    BuchAktiv,
};

inline bool istBuchfeld(Artikelfeld feld) {
    return feld >= Artikelfeld::BuchVerlagWahl;
}

// One control to set from an article line.
struct Zuweisung {
    enum class Art {
        // Text of a text or combo box.
        Text,
        // Check value of a check box, in `zahl`.
        Haken,
        // Local picture path of picture row `zahl` (1 to 5): load the picture into the thumbnail
        // (a picture that cannot be loaded leaves the image) and keep the path all the same.
        Bild,
    };
    QString schluessel;
    Artikelfeld feld = Artikelfeld::Bezeichnung;
    // The number of a numbered field, else 0.
    int nummer = 0;
    QString wert;
    Art art = Art::Text;
    int zahl = 0;
};

struct FelderZuweisungen {
    QList<Zuweisung> zuweisungen;
    // Replacements of the last "__" to "," run, none when no value was decoded.
    std::optional<int> letzteErsetzungen;
};

// How a line's key is found in the key table.
enum class Schluesselsuche {
    // The stored texts are written by hand: every key that occurs anywhere in the line fires.
    Enthalten,
    // An article file as the writer leaves it: the text before the first "=" is the key.
    Genau,
};

// What the article lines set, in the order it has to be set: entry by entry, and within an entry
// every key that matches, in the fixed key order. A check value that is not a whole number from
// 0 to 2 sets nothing. The caller runs the book window's take-over afterwards.
FelderZuweisungen FelderAusZeilenSetzen(const std::array<QString, 81>& zeilen, Schluesselsuche suche);

// An article file read back as it was written: the key lines ("*" at the start of the line)
// without their "*", values untouched, and the description after "*ArtBeschreibung=" line for
// line, without the line end the writer closes the file with. A file without that line gives its
// other lines, separator lines aside, as the description.
struct ArtikelDateiInhalt {
    std::array<QString, 81> zeilen;
    QString beschreibung;
    // The edited summary; none in a file that holds the built one.
    std::optional<QString> kurzfassung;
    // Replacements of "__" by "," in the description.
    int letzteErsetzungen = 0;
    // The book or clothing table saved beside the article text; empty without one.
    QString tabelle;
};
ArtikelDateiInhalt ArtikelDateiAuswerten(const QString& inhalt);

// Every field the article text holds (the book fields only for a book), for the check that the
// files can hold them.
QList<BenanntesFeld> GespeicherteFelder(const ArtikelFelder& felder, const QString& artikelArt);

// "4.90", "4__90" and "4,90" all give "4,90".
QString VersandkostenNormalisieren(const QString& wert);
