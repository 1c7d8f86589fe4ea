#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The template: seven short text parts "TEIL1" to "TEIL7" (plus an unused "TEIL8") in
// "HTML_Code\Vorlage.Ini", section "VORLAGE" + variant word, and twelve HTML part files.

// Below the data folder.
inline const QString kVorlageIni = QStringLiteral("HTML_Code\\Vorlage.Ini");
inline const QString kVorlageStandard = QStringLiteral("Buch");

// One HTML part file. `datei` is the name the load uses, `editorDatei` the name the editor gets
// (same file, other letter case for some).
struct VorlageDatei {
    QString teil;
    QString datei;
    QString editorDatei;
};
// The twelve part files in load order.
const std::array<VorlageDatei, 12>& vorlageDateien();

// The variant word of an article kind: clothing templates are stored under "Keidung".
QString vorlageVariante(const QString& art);
// The article kind a variant word stands for.
QString artikelArtVonVariante(const QString& variante);
QString vorlageAbschnitt(const QString& variante);

// The section a load reads: the variant's own when the file has it, else the "Buch" one.
QString vorlageLeseAbschnitt(const QString& pfad, const QString& variante);
// "TEIL1" to "TEIL8" of that section; missing keys read as "".
std::array<QString, 8> vorlageTeileLesen(const QString& pfad, const QString& variante);
// Writes the texts as "TEIL1" to "TEIL7" of the variant's section, all at once. They are HTML, so
// a character the file cannot hold goes in as a character reference.
bool vorlageTeileSchreiben(const QString& pfad, const QString& variante, const QStringList& teile);

// The text parts followed by the HTML parts, in the order of vorlageDateien(), for the change
// check. The texts themselves are compared, so an edit that keeps the length (a colour "#003366"
// to "#003399") still counts.
QStringList vorlageSignatur(const QStringList& teile, const QStringList& htmlTeile);
// The HTML parts that differ between two such signatures of `textTeile` text parts, as indexes
// into vorlageDateien().
QList<std::size_t> geaenderteHtmlTeile(const QStringList& vorher, const QStringList& jetzt,
                                       qsizetype textTeile);

// Short display form of a path: the drive head, "....." and the tail from the first separator
// within its last 28 characters.
QString PfadKuerzen(const QString& pfad);
