#pragma once

#include <array>

// The controls of the five picture rows of the main window, by name.
struct BildzeilenNamen {
    const char* haken;
    const char* datei;
    const char* breite;
    const char* hoehe;
    const char* suchen;
    const char* umrechnen;
    const char* bild;
    const char* lblBreite;
    const char* lblHoehe;
};

inline constexpr std::array<BildzeilenNamen, 5> kBildzeilenNamen{{
    {"chkBil1JaNEin", "txtEbayBildPfad", "txtBildLaenge", "txtBildHohe", "cmdSuchenBildOben1",
     "cmdUmrechnenB1", "picFoto1", "lblBildBreite1", "lblBildHoehe1"},
    {"chkBil2JaNEin", "txtEbayBildPfad_b", "txtBildLaenge_b", "txtBildHohe_b", "cmdSuchenBildOben2",
     "cmdUmrechnenB2", "picFoto2", "lblBildBreite2", "lblBildHoehe2"},
    {"chkBil3JaNEin", "txtEbayBildPfad2", "txtBildLaenge2", "txtBildHohe2", "cmdSuchenBildUnten1",
     "cmdUmrechnenB3", "picFoto3", "lblBildBreite3", "lblBildHoehe3"},
    {"chkBil4JaNEin", "txtEbayBildPfad2_b", "txtBildLaenge2_b", "txtBildHohe2_b", "cmdSuchenBildUnten2",
     "cmdUmrechnenB4", "picFoto4", "lblBildBreite4", "lblBildHoehe4"},
    {"chkBil5JaNEin", "txtEbayBildPfad2_c", "txtBildLaenge2_c", "txtBildHohe2_c", "cmdSuchenBildUnten3",
     "cmdUmrechnenB5", "picFoto5", "lblBildBreite5", "lblBildHoehe5"},
}};
