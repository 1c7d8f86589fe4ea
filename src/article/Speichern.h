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

// The register text without the first line that is exactly zeile; every other line, comments
// and blank lines included, stays as it was. Nothing when the register does not hold the line.
std::optional<QString> RegisterOhneZeile(const QString& inhalt, const QString& zeile);

// What the name field shows after a save: every "+" as "*" and every "," as "/".
QString NameNachSpeichern(const QString& artikelBez);

// The message text when a file of the save could not be written.
QString SpeicherFehlertext(const QString& fehler, const QString& speichername);
