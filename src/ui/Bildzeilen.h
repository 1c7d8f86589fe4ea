#pragma once

#include <array>

// The controls of the five picture rows of the main window, by name.
struct BildzeilenNamen {
    const char* haken;
    const char* datei;
    const char* breite;
    const char* hoehe;
};

inline constexpr std::array<BildzeilenNamen, 5> kBildzeilenNamen{{
    {"chkBil1JaNEin", "txtEbayBildPfad", "txtBildLaenge", "txtBildHohe"},
    {"chkBil2JaNEin", "txtEbayBildPfad_b", "txtBildLaenge_b", "txtBildHohe_b"},
    {"chkBil3JaNEin", "txtEbayBildPfad2", "txtBildLaenge2", "txtBildHohe2"},
    {"chkBil4JaNEin", "txtEbayBildPfad2_b", "txtBildLaenge2_b", "txtBildHohe2_b"},
    {"chkBil5JaNEin", "txtEbayBildPfad2_c", "txtBildLaenge2_c", "txtBildHohe2_c"},
}};
