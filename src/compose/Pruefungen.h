#pragma once

#include <QString>

#include <array>
#include <optional>

// One picture row of the main window as the finish command sees it.
struct PruefBildzeile {
    bool ja = false;
    QString datei;
    QString breite;
    QString hoehe;
};

struct PruefEingabe {
    std::array<PruefBildzeile, 5> bilder;
    QString artikelBez;
    QString titel;
    QString aufWasBieten;
    QString inhaltAuto;
    QString inhalt;
    // Pictures 3, 4 and 5 as the last run left them; a refusal leaves the later rows' flags alone.
    std::array<bool, 3> bildVorhanden{false, false, false};
};

// The one numbered message that refuses the input.
struct Verweigerung {
    int nummer = 0;
    QString text;
};

struct PruefErgebnis {
    std::optional<Verweigerung> verweigerung;
    std::array<bool, 3> bildVorhanden{false, false, false};
};

// Checks the input in the fixed order and stops at the first refusal.
PruefErgebnis EingabenPruefen(const PruefEingabe& e);
