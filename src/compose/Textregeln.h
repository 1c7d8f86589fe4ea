#pragma once

#include <QList>
#include <QStringView>

// Where a rule matched in a piece of shown text.
struct TextStelle {
    qsizetype start = 0;
    qsizetype laenge = 0;

    friend bool operator==(const TextStelle&, const TextStelle&) = default;
};

// E-mail addresses and phone numbers in German ("0171 1234567", "(030) 12 34 56") and
// international form ("+49 171 1234567", "0049 30 123456"). Numbers after "ISBN", "EAN" or a
// "Nr." are article numbers, not phone numbers.
QList<TextStelle> KontaktdatenSuchen(QStringView text);

// What the detail windows leave when nothing was chosen: "???" ("Die drei ???" is a book
// series), "?? cm", and a prompt such as "Verlag wählen" standing at the end of its line.
QList<TextStelle> PlatzhalterSuchen(QStringView text);
