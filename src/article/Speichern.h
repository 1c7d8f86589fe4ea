#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Datenordner;

// The save name: the designation with the forbidden file-name characters replaced; for a house
// seller of the five-name subset without a leading "+ ".
QString SpeichernameBilden(const QString& artikelBez, const QString& verkaeuferName);

// The article's file name without extension: save name, "~", shipping cost, "#", seller name.
QString DateinameBilden(const QString& speichername, const QString& versandkosten,
                        const QString& verkaeuferName);

// A list entry as the register stores it: "#" as "?" and "," as "__".
QString Registerzeile(const QString& eintrag);

// The register line of a save: the file name with ".ebay", written as the register stores it.
QString RegisternameBilden(const QString& dateiname);

// The files one save writes. The additional HTML is written only when there is any.
struct SpeicherPfade {
    QString html;
    QString text;
    QString zusatz;
};
SpeicherPfade SpeicherPfadeBilden(const Datenordner& daten, const QString& dateiname);

// The additional HTML a save wrote with the article text `textPfad`: in "Artikeln-Zusatz-html"
// beside the text's folder, so that a copied data folder keeps its articles whole, named as the
// text with "-Zus" before ".ebay".
QString ZusatzPfadZuText(const QString& textPfad);
// The table the additional HTML holds, without the line end the save closed the file with.
QString ZusatzAusDatei(const QString& inhalt);

// The register is a text file the seller also edits: its lines may end in CR LF, LF or a lone CR,
// and the last one may have no line end at all.

// The register text without the first line that is exactly zeile, together with its line end;
// every other character, comments and blank lines included, stays as it was. Nothing when the
// register does not hold the line.
std::optional<QString> RegisterOhneZeile(const QString& inhalt, const QString& zeile);

// The register text with zeile appended as a line of its own: a last line without its line end
// gets one first. Nothing when the register holds the line already.
std::optional<QString> RegisterMitZeile(const QString& inhalt, const QString& zeile);

// Appends the line to the register file, creating the file and its folder when missing; a line
// the register holds already is not added again. Returns an error text, empty on success.
QString RegisterZeileAnhaengen(const QString& pfad, const QString& zeile);

// What keeps a save name from reading back from the register as it was written: the reader drops
// blanks around an entry and turns "__" into ",". Nothing when the name is sound.
std::optional<QString> SpeichernameProblem(const QString& speichername);

// Whether the save would replace the files of another article: one of them is there already and
// its article text is not `eigene`, the file the article was read from or last saved to.
bool AnderenArtikelErsetzen(const SpeicherPfade& pfade, const QString& eigene);

// What the name field shows after a save: every "+" as "*" and every "," as "/".
QString NameNachSpeichern(const QString& artikelBez);

// The message text when a file of the save could not be written.
QString SpeicherFehlertext(const QString& fehler, const QString& speichername);
