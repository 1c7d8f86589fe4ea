#pragma once

#include <QSize>
#include <QString>

#include <optional>

// Window coordinates are given in twips; 15 of them make one pixel at 96 dpi.
inline constexpr int kTwipsJePixel = 15;

// x rounded to the nearest whole number, an exact half going to the even neighbour.
double R(double x);

// A width or height as the seller typed it: a decimal number with comma or point, blanks
// around it allowed. Nothing for anything else.
std::optional<double> zahlLesen(const QString& text);

// A whole number for a size field.
QString ganzzahlText(double wert);

struct Vorschaugroesse {
    int hoehe = 0;
    int breite = 0;
};

// Thumbnail of a picture: as high as the box, as wide as the picture's proportions want.
Vorschaugroesse BildgroesseAnpassen(int bildHoehe, int bildBreite, int boxHoehe);

struct Bildmasse {
    QString breite;
    QString hoehe;
};

// Width and height of picture row `zeile` (1 to 5) after a picture of natural size `bild` was
// picked. Rows 2, 4 and 5 take the standard width in place of a width of "1". Nothing when
// the picture has no size or the width is not a number: the fields then stay as they are.
std::optional<Bildmasse> MasseFuerBild(int zeile, const QString& breite, const QString& standardBreite,
                                       QSize bild);

// Height for the row's own width from the stored thumbnail; nothing before the row's first
// search (thumbnail width 0) or when the width is not a number.
std::optional<QString> HoeheAusVorschau(const QString& breite, int vorschauHoehe, int vorschauBreite);

// What the size window's calculation gives: the target height, or the field to correct and why.
struct Umrechnung {
    QString hoeheSoll;
    QString feld;
    QString hinweis;

    bool ok() const { return feld.isEmpty(); }
};

Umrechnung BildGrosseBerechnen(const QString& laengeIst, const QString& hoeheIst, const QString& laengeSoll);
