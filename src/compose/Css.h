#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// One declaration "name: value" of a style attribute or a style block, or an "@import" with its
// address as the value. Positions are those of the given text.
struct CssDeklaration {
    // Lower case, escapes decoded.
    QString name;
    // Comments removed, escapes decoded (inside strings too), blanks at both ends removed.
    QString wert;
    // What the declaration makes the browser load: the address of each "url(...)", the strings
    // of "image-set(...)" and "-webkit-image-set(...)", and the string of an "@import"; escapes
    // decoded, quotes and blanks at the ends removed.
    QStringList adressen;
    qsizetype start = 0;
    qsizetype laenge = 0;
};

// The declarations of a style attribute or a style block, nested blocks included. Selectors and
// at-rule heads are skipped; broken CSS gives what can be read, never a failure.
QList<CssDeklaration> CssDeklarationen(QStringView css);
