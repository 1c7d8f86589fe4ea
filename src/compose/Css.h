#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One declaration "name: value" of a style attribute or a style block, or an "@import" with its
// address as the value. Positions are those of the given text.
struct CssDeklaration {
    // Lower case, escapes decoded.
    QString name;
    // Comments removed, escapes decoded, blanks at both ends removed.
    QString wert;
    qsizetype start = 0;
    qsizetype laenge = 0;
};

// The declarations of a style attribute or a style block, nested blocks included. Selectors and
// at-rule heads are skipped; broken CSS gives what can be read, never a failure.
QList<CssDeklaration> CssDeklarationen(QStringView css);

// The addresses inside "url(...)" of a declaration value, without quotes.
QStringList CssAdressen(const QString& wert);
