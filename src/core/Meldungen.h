#pragma once

#include <QString>

#include <optional>

inline const QString kProgrammTitel = QStringLiteral("K.O.R.I");

enum class MeldungSymbol { Keins, Ausrufezeichen, Kritisch };

// The run-time error a caller of message 999 is handling; C++ has no ambient error object.
struct Laufzeitfehler {
    int nummer = 0;
    QString beschreibung;
};

struct MeldungInhalt {
    QString text;
    MeldungSymbol symbol = MeldungSymbol::Keins;
    QString titel;
};

// The message for a number of the table; nothing for a number not in it.
std::optional<MeldungInhalt> meldungBilden(int nummer, const QString& text, const QString& text2,
                                           const Laufzeitfehler& fehler = {});
