#pragma once

#include <QString>

// Replaces every occurrence of muster by ersatz in text, in place, and returns the new text;
// anzahl receives the number of replacements. Callers never let ersatz form a new occurrence,
// so one left-to-right pass gives the result of rescanning from the start after each step.
QString ErsetzeAlle(QString& text, const QString& muster, const QString& ersatz, int& anzahl);

// Every character equal to zeichen replaced by ersatz; a zeichen of more than one character never matches.
QString ZeichenErsetzen(const QString& text, const QString& zeichen, const QString& ersatz);

// text without the first occurrence of the single character zeichen.
QString ErstesZeichenEntfernen(const QString& text, const QString& zeichen);
