#pragma once

#include <QString>

#include <array>
#include <optional>

// The book rows by index i of the label and value fields: 0 Verlag, 1 Autor, 2 Art, 3 Abmasse,
// 4 Genre, 5 Anzahl Seiten, 6 Gewicht, 7 Zustand, 8 Sprache. Check box Chk(i+1) belongs to row i.
inline constexpr int kBuchZeilen = 9;

// The condition box's prompt: "Zustand wählen" after 77 blanks.
QString ZustandPlatzhalter();

// The labels and values a new book window starts with.
std::array<QString, kBuchZeilen> BuchBeschriftungen();
std::array<QString, kBuchZeilen> BuchStartwerte();

// The texts of the book window's pick lists, as "Übernehmen" reads them.
struct BuchAuswahl {
    QString verlag;
    QString autor;
    QString sprache;
    QString art;
    QString abmasse;
    QString genre;
    QString zustand1;
    QString zustand2;
};

// Copies every chosen list text into its value field; a list still at its prompt leaves the field.
std::array<QString, kBuchZeilen> BuchUebernehmen(std::array<QString, kBuchZeilen> werte,
                                                 const BuchAuswahl& auswahl);

struct BuchEingaben {
    std::array<QString, kBuchZeilen> beschriftungen;
    std::array<QString, kBuchZeilen> werte;
    std::array<bool, kBuchZeilen> aktiv{};
};

// The message for the first ticked row that is not filled in, or for fewer than three values.
// The condition row is judged by the text of the first condition list.
std::optional<QString> BuchPruefen(const BuchEingaben& eingaben, const QString& zustand1);

// The HTML table of the ticked rows, in the order of their markers.
QString BuchTabelle(const BuchEingaben& eingaben);

// The genre that a stored text's button caption stands for; nothing for other captions.
std::optional<QString> GenreAusTextblock(const QString& beschriftung);
