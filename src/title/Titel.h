#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The designation is the marketplace listing title; the marketplace takes at most this many characters.
inline constexpr int kBezeichnungMax = 80;

inline const QString kAutorWaehlen = QStringLiteral("Autor wählen");

// What the designation's change handler shows and does.
struct BezeichnungsZaehler {
    // The designation after the cap.
    QString text;
    // Caption of lblAnzahl, "(-12 )" for 12 characters.
    QString anzahl;
    // Caption of lblAnzahlNoch, "(+68 )" for 12 characters.
    QString anzahlNoch;
    // True from 80 characters on: the field gets `text` and the caret goes to `caret`.
    bool kappen = false;
    // Caret position counted from 0, i.e. after the last character kept.
    int caret = 0;
};
BezeichnungsZaehler bezeichnungZaehlen(const QString& bezeichnung);

struct BildnameEingabe {
    // The file-name fields of picture 1 (txtEbayBildPfad) and picture 2 (txtEbayBildPfad2).
    QString bildPfad1;
    QString bildPfad2;
    QString bezeichnung;
    bool hausverkaeufer = false;
};

// Outcome of building the designation from the picture name; empty fields change nothing.
struct BildnameErgebnis {
    std::optional<QString> bezeichnung;
    // House-seller names also set the title and untick picture 3.
    std::optional<QString> titel;
    bool bild3Aus = false;
    // Why the name was not put in front (kBezeichnungZuLang or kBezeichnungUeberMax); empty otherwise.
    QString meldung;
};

inline const QString kBezeichnungZuLang = QStringLiteral(
    "Einfügen ist nicht möglich weil \r\ndie Artikelbezeichnung bereits länger als 50 Zeichen ist!.");
inline const QString kBezeichnungUeberMax = QStringLiteral(
    "Einfügen ist nicht möglich weil \r\ndie Artikelbezeichnung dann länger als 80 Zeichen wäre!");

// The picture name, decorated for house sellers, put before the designation with a blank between.
BildnameErgebnis bezeichnungAusBildname(const BildnameEingabe& eingabe);

// The picture name appended to the designation as it is; nothing when no known ending is found.
std::optional<QString> bildnameAnhaengen(const QString& bildPfad1, const QString& bildPfad2,
                                         const QString& bezeichnung);

// What "Zufügen" changes.
struct ZufuegenErgebnis {
    QString bezeichnung;
    // The author for the book window, when one was chosen.
    std::optional<QString> buchAutor;
};
// Author before, the two keyword phrases after the designation. The phrase boxes and the author box
// are reset afterwards by the caller.
ZufuegenErgebnis zusaetzeZufuegen(const QString& bezeichnung, const QString& autor, const QString& zus1,
                                  const QString& zus2, bool hausverkaeufer);

// The selection, starting at position `stelle` (from 0) of the text, wrapped in "<b>" and "</b>";
// nothing for an empty selection or one the text does not hold at that position.
std::optional<QString> fettMarkieren(const QString& text, qsizetype stelle, const QString& auswahl);

// Keyword phrases, each with the number of characters it adds (its leading blank included).
const QStringList& zusatzListe1();
const QStringList& zusatzListe2();
