#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

inline constexpr int kShopSchritte = 8;
inline constexpr int kShopBereiche = 8;
// Four coordinates per area at 4k - 3 .. 4k; element 0 belongs to no area.
inline constexpr int kShopPosAnzahl = 4 * kShopBereiche + 1;

// The pieces of the shop page as the editor's fields hold them: Text1 .. Text6 one per step,
// Text7 once, and the image-map coordinates.
struct ShopTexte {
    std::array<std::array<QString, kShopSchritte>, 6> text;
    QString text7;
    std::array<QString, kShopPosAnzahl> pos;

    QString& feld(int nummer, int index) { return nummer == 7 ? text7 : text.at(nummer - 1).at(index); }
    const QString& feld(int nummer, int index) const {
        return nummer == 7 ? text7 : text.at(nummer - 1).at(index);
    }
};

// One field of a step: Text<nummer>(index), or Text7 when nummer is 7.
struct ShopStueck {
    int nummer = 1;
    int index = 0;
    QString beschriftung;
};

// One row of a step: its caption and the fields side by side in it.
struct ShopZeile {
    QString beschriftung;
    QList<ShopStueck> stuecke;
    // The area whose four coordinates the row shows instead of text pieces; 0 for none.
    int bereich = 0;
};

struct ShopSchritt {
    QString titel;
    QList<ShopZeile> zeilen;
};

// The editor's eight steps in page order.
const std::array<ShopSchritt, kShopSchritte>& ShopSchritte();

// Object name of a piece's field: "Text2_3", "Text7".
QString ShopFeldName(int nummer, int index);
// Object name of a coordinate field: "txtPos_5".
QString ShopPosName(int index);
// Index of coordinate `nr` (1 = x1, 2 = y1, 3 = x2, 4 = y2) of area k.
constexpr int ShopPosIndex(int bereich, int nr) {
    return 4 * bereich - 4 + nr;
}

// The page template the editor starts with.
ShopTexte ShopVorlage();

// A number as the editor reads it: the leading decimal number of the text, 0 when there is none.
double ShopZahl(const QString& text);
// The step width from a coordinate text, kept within 16 bits.
qint16 SchrittAusText(const QString& text);
// The step width typed by the user; none when it is no whole number of 16 bits.
std::optional<qint16> SchrittAusEingabe(const QString& text);

// Places the areas side by side, `schritt` wide and one apart, right of area 1.
// The y coordinates are left alone.
void KoordinatenBerechnen(std::array<QString, kShopPosAnzahl>& pos, qint16 schritt);

// The whole page: head, first cell, map picture, one area tag per area 1 .. 7, end.
QString SeiteBilden(const ShopTexte& t);

// The editor's scroll position (in twips) for "GO TO" entry n = 1 .. 8.
int ShopScrollWert(int n);
// Top of the step frame in twips for a scroll position.
constexpr int ShopFrameOben(int scrollWert) {
    return 200 - scrollWert;
}
