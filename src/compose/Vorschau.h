#pragma once

#include <QString>

// The heading put in front of a viewed article: its designation, a leading "-" (articles kept
// for later) dropped with the blanks around the rest.
QString VorschauKopf(const QString& bezeichnung);

// The viewed article's text with one more heading in front.
QString VorschauText(const QString& bezeichnung, const QString& bisher);

// Writes the preview file, creating it when it is missing; a character the file cannot hold goes in
// as a character reference. Returns an error text, empty on success.
QString VorschauSchreiben(const QString& pfad, const QString& text);
