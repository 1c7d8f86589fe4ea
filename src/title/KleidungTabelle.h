#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The clothing rows by index i of the label and value fields: 0 Hersteller, 1 Größe, 2 Farbe,
// 3 Optik, 4 Art, 5 Material, 6 Geschlecht, 7 Zustand. Materials 2 to 5 have value fields of
// their own (index 10 to 13 in the window).
inline constexpr int kKleidungZeilen = 8;
inline constexpr int kMaterialien = 5;
inline constexpr int kMaterialZeile = 5;

std::array<QString, kKleidungZeilen> KleidungBeschriftungen();
std::array<QString, kKleidungZeilen> KleidungStartwerte();

// The prompt each row's list shows until a value is chosen; the material row has none of its own.
QString KleidungPlatzhalter(int zeile);
// The fixed entries of a row's list, prompt first; empty for the material row.
QStringList KleidungEintraege(int zeile);
// "1" to "100".
QStringList ProzentEintraege();

struct KleidungAuswahl {
    std::array<QString, kKleidungZeilen> listen; // text of each row's list; index 5 unused
    std::array<QString, kMaterialien> material;
    std::array<QString, kMaterialien> prozent;
};

struct KleidungWerte {
    std::array<QString, kKleidungZeilen> werte;
    // The composed lines of materials 2 to 5.
    std::array<QString, kMaterialien - 1> weitereMaterialien;
};

enum class KleidungErgebnis { SpeichernMoeglich, ZuWenigAngaben, FalscheProzente };

inline const QString kZuWenigKleidungAngaben =
    QStringLiteral("Sie müssen mind. 3 Angaben machen!\r\nMaterialangaben sind Pflicht!");
inline const QString kFalscheProzente = QStringLiteral("Falsche Prozentangaben im Material");

// Copies the chosen list texts, composes the material lines and counts the values. A material
// without a percentage stops at once; what was copied before stays copied.
KleidungErgebnis KleidungUebernehmen(KleidungWerte& werte, const KleidungAuswahl& auswahl);

// The eight-row HTML table; the lines of materials 2 to 5 go in only when their box is ticked.
QString KleidungTabelle(const std::array<QString, kKleidungZeilen>& beschriftungen,
                        const KleidungWerte& werte, const std::array<bool, kMaterialien - 1>& weitereAktiv);
