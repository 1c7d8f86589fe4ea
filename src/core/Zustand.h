#pragma once

#include "core/Herkunft.h"

#include <QString>
#include <QStringList>

#include <array>

// The program-wide values every window shares. One object, owned by the application.
struct Zustand {
    QString verkaeuferName;

    bool einstellGespeichert = false;
    bool einstellVomMenue = false;

    bool startInArbeit = false;
    bool standardTexteGewuenscht = false;

    QString letzteBilddatei;
    int aktuelleBildzeile = 1;
    std::array<QString, 5> bildPfade;
    bool ohneBildModus = false;

    std::array<QString, 21> textblockNamen;
    std::array<QString, 81> artikelZeilen;

    bool OeffnenModus = false;

    int vorschauBoxBreite = 975;
    int vorschauBoxHoehe = 975;

    // Article library
    QString ListenOrdner;
    QString AndererOrdner;
    QString ListenArt;
    bool ListeGefuellt = false;
    bool RegisterAngezeigt = false;
    int GewaehlterEintrag = 0;
    // The register entry the article in the main window was read from; empty for any other article.
    QString RegisterEintrag;
    // The article text file the article in the main window was read from or last saved to; empty
    // for a new article. Saving over any other article's files asks first.
    QString ArtikelDatei;
    bool LadenAusstehend = false;

    // Save state
    QString Speichername;
    QString Registername;
    int ErsetztAnzahl = 0;

    QString artikelArt = QStringLiteral("Buch");
    QString vorlagePfad;
    // The template's text parts and counted HTML parts at load and now, compared on close.
    QStringList vorlageSignatur1;
    QStringList vorlageSignatur2;

    QString listingText;
    ListingHerkunft listingHerkunft;
    bool shopLinkFehler = false;
    bool bild3Vorhanden = false;
    bool bild4Vorhanden = false;
    bool bild5Vorhanden = false;

    bool pruefungUeberspringen = false;
    QString beschreibungsDateiPfad;
    QString linkZiel = QStringLiteral("1");

    // No thumbnail is known before a row's first search, so its size button has nothing to go by.
    std::array<int, 5> vorschauHoehe{};
    std::array<int, 5> vorschauBreite{};
};
