#pragma once

#include <QString>
#include <QStringList>

#include <optional>

inline const QString kZusatztextWaehlen = QStringLiteral("Wähle einen fertigen Beschreibungstext");

// The texts of the boxes the "Sie bieten auf " line is composed from, in their order in the line.
struct GebotszeilenTeile {
    QString einZwei;
    QString einEineEinen;
    QString gutErhalten;
    QString gutNeu;
    QString aufWasBiten;
    QString aufWasBiten2;
    QString aufWasBiten3;
};
QString gebotszeileBilden(const GebotszeilenTeile& teile);

// The book kind of the book window that the third part of the line implies; empty for any other part.
QString buchartAusZusatz(const QString& aufWasBiten3);

struct ZusatztextErgebnis {
    QString inhalt;
    // Caret for the user to type on, counted from 0 with a line end as two characters.
    std::optional<int> caret;
};
// The chosen stored text appended to the description; nothing while the box shows its prompt.
std::optional<ZusatztextErgebnis> zusatztextAnhaengen(const QString& inhalt, const QString& zusatztext);

// The lists of the line that are the same for every article kind.
const QStringList& einZweiListe();
const QStringList& einEineEinenListe();
const QStringList& gutNeuListe();
const QStringList& gutErhaltenListe();
inline const QString kEinZweiVorgabe = QStringLiteral("ein");
inline const QString kGutErhaltenVorgabe = QStringLiteral("gebrauchtes und gut erhalten");
