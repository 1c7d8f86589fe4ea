#pragma once

#include "core/Herkunft.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// One picture row as the seller filled it: web file name, display width and height.
struct ListingBild {
    QString datei;
    QString breite;
    QString hoehe;
};

// The template parts the listing is built from, as the template editor holds them.
struct Vorlageteile {
    QString teil2;
    QString teil3;
    QString teil4;
    QString htmlTeil0a;
    QString htmlTeil0b;
    QString htmlTeil0c;
    QString htmlTeil0d;
    QString htmlTeil1;
    QString htmlTeil3b;
    QString htmlTeil3c;
    QString htmlTeil5;
    QString htmlTeil6;
    QString htmlTeil6b;
    QString htmlTeil7;
    QString htmlShop;
    QString farbverlauf;
};

// Everything the listing is made of, as the windows hold it at the moment of the assembly.
struct ListingEingabe : Vorlageteile {
    // Main window
    // The summary block for the phone app; empty when the seller wants none.
    QString kurzfassung;
    bool versandInfoJa = false;
    QString versandkosten;
    QString versandArt;
    QString aufWasBieten;
    QString titel;
    QString untertitel;
    std::array<ListingBild, 5> bilder;
    QString inhaltAuto;
    // What the automatic description holds, as the seller knows it ("Buch-Tabelle").
    QString inhaltAutoHerkunft = QStringLiteral("Beschreibung");
    QString inhalt;
    bool aufforderung1Ja = false;
    QString aufforderung1;
    bool aufforderung2Ja = false;
    QString aufforderung2;

    // Settings
    QString bilderPfad;
    bool hinweisJa = false;
    QString einstellVerkaeufer;
    bool shopJa = false;
    QString shopBildPfad;
    // Web folder of the magnifier picture; without it the picture blocks have none.
    QString grafikPfad;

    // Global state
    QString verkaeuferName;
    // Pictures 3, 4 and 5, as the finish checks found them.
    std::array<bool, 3> bildVorhanden{false, false, false};

    int versionMajor = 0;
    int versionRevision = 0;
};

enum class ShopFehler { Keiner, A, B };

// The program's own fixed text in the listing.
inline const QString kHerkunftProgramm = QStringLiteral("K.O.R.I");

struct ListingErgebnis {
    // Empty when the shop part is broken.
    QString text;
    // The pieces of `text` in order, without gaps; empty with the text.
    ListingHerkunft herkunft;
    ShopFehler fehler = ShopFehler::Keiner;
    // The lines of the report for a broken shop part, to be joined by CR LF.
    QStringList fehlerZeilen;

    QString fehlerText() const { return fehlerZeilen.join(QStringLiteral("\r\n")); }
};

inline const QString kShopHost = QStringLiteral("stores.ebay.de");

// A graphic of the seller's graphics folder; empty without the folder.
QString GrafikAdresse(const QString& grafikPfad, const QString& datei);
// The separator after the shipping block; empty without a graphics folder.
QString Farbverlauf(const QString& grafikPfad);

// Joins the template parts and the article's fields into the listing HTML. Nothing is escaped:
// the seller may write HTML into any field.
ListingErgebnis Texte_Verbinden(const ListingEingabe& e);
