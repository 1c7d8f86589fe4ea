#include "title/BuchTabelle.h"

#include "title/Tabellenzeile.h"

#include <QStringBuilder>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Marker order of the table: the language row comes third although its fields have index 8.
constexpr std::array<int, kBuchZeilen> kTabellenFolge{0, 1, 8, 2, 3, 4, 5, 6, 7};
// Check order: Art comes before Sprache here.
constexpr std::array<int, kBuchZeilen> kPruefFolge{0, 1, 2, 8, 3, 4, 5, 6, 7};

QString feldName(int i) {
    static const std::array<QString, kBuchZeilen> namen{
        QStringLiteral("Verlag"),  QStringLiteral("Autor"),     QStringLiteral("Art"),
        QStringLiteral("Abmasse"), QStringLiteral("Genre"),     QStringLiteral("Anzahl Seiten"),
        QStringLiteral("Gewicht"), QStringLiteral("Zustand 1"), QStringLiteral("Sprache")};
    return namen.at(i);
}

bool zeileFehlerhaft(int i, const QString& wert, const QString& zustand1) {
    switch (i) {
    case 3:
        return wert.contains(QLatin1Char('?'));
    case 6:
        return wert.isEmpty() || wert.contains(QLatin1Char('?'));
    case 7:
        return zustand1.contains(QLatin1String("Zustand"));
    default:
        return wert.isEmpty();
    }
}

} // namespace

QString ZustandPlatzhalter() {
    return QString(77, QLatin1Char(' ')) + QStringLiteral("Zustand wählen");
}

std::array<QString, kBuchZeilen> BuchBeschriftungen() {
    return {QStringLiteral("Verlag:"),  QStringLiteral("Autor:"),   QStringLiteral("Art:"),
            QStringLiteral("Abmasse:"), QStringLiteral("Genre:"),   QStringLiteral("Anzahl Seiten:"),
            QStringLiteral("Gewicht:"), QStringLiteral("Zustand:"), QStringLiteral("Sprache:")};
}

std::array<QString, kBuchZeilen> BuchStartwerte() {
    std::array<QString, kBuchZeilen> werte;
    werte[3] = QStringLiteral("?? cm x ?? cm x ? cm") + kCrLf;
    werte[6] = QStringLiteral("??? Gramm");
    return werte;
}

std::array<QString, kBuchZeilen> BuchUebernehmen(std::array<QString, kBuchZeilen> werte,
                                                 const BuchAuswahl& auswahl) {
    // The prompts compared here are not all the ones the lists show: "Taschenbuch" and the
    // blank-padded condition prompt count as values and are copied.
    if (auswahl.verlag != QStringLiteral("Verlag wählen")) {
        werte[0] = auswahl.verlag;
    }
    if (auswahl.autor != QStringLiteral("Autor wählen")) {
        werte[1] = auswahl.autor;
    }
    if (auswahl.sprache != QStringLiteral("Sprache wählen")) {
        werte[8] = auswahl.sprache;
    }
    if (auswahl.art != QStringLiteral("Art wählen")) {
        werte[2] = auswahl.art;
    }
    if (auswahl.abmasse != QStringLiteral("Abmasse wählen")) {
        werte[3] = auswahl.abmasse;
    }
    if (auswahl.genre != QStringLiteral("Genre wählen")) {
        werte[4] = auswahl.genre;
    }
    if (auswahl.zustand1 != QStringLiteral("Zustand-1 wählen")) {
        werte[7] = auswahl.zustand1;
    }
    if (auswahl.zustand2 != QStringLiteral("Zustand-2 wählen")) {
        werte[7] = werte[7] + kCrLf + auswahl.zustand2;
    }
    return werte;
}

std::optional<QString> BuchPruefen(const BuchEingaben& eingaben, const QString& zustand1) {
    for (const int i : kPruefFolge) {
        if (eingaben.aktiv.at(i) && zeileFehlerhaft(i, eingaben.werte.at(i), zustand1)) {
            return QStringLiteral("Bitte das Feld \"\"") + feldName(i) + QStringLiteral("\"\" korriegieren");
        }
    }
    int gefuellt = kBuchZeilen;
    for (const QString& wert : eingaben.werte) {
        if (wert.isEmpty()) {
            --gefuellt;
        }
    }
    if (gefuellt < 3) {
        return QStringLiteral("Sie müssen mind. 3 Angaben machen!");
    }
    return std::nullopt;
}

QString BuchTabelle(const BuchEingaben& eingaben) {
    const QString zelle = QStringLiteral("<td nowrap><div align=\"left\" class=\"Stil4\"><strong>");
    QString tabelle = QStringLiteral("<table width=\"50%\" border=\"0\">") + kCrLf;
    for (int zeile = 0; zeile < kBuchZeilen; ++zeile) {
        const int i = kTabellenFolge.at(zeile);
        if (eingaben.aktiv.at(i)) {
            tabelle += Tabellenzeile(zelle, zeile + 1, eingaben.beschriftungen.at(i), eingaben.werte.at(i));
        }
    }
    return tabelle + QStringLiteral("</table>") + kCrLf;
}

std::optional<QString> GenreAusTextblock(const QString& beschriftung) {
    static const std::array<std::pair<QString, QString>, 9> tabelle{{
        {QStringLiteral("Krimi"), QStringLiteral("Krimi - Thriller")},
        {QStringLiteral("Roman"), QStringLiteral("Frauenroman")},
        {QStringLiteral("Esoterik"), QStringLiteral("Esoterik Spiritualität")},
        {QStringLiteral("Sachbuc"), QStringLiteral("Ratgeber")},
        {QStringLiteral("Gesund"), QStringLiteral("Gesundheit")},
        {QStringLiteral("NLP"), QStringLiteral("Psychologie / Lebensführung")},
        {QStringLiteral("Kinder"), QStringLiteral("Kinder- & Jugendliteratur")},
        {QStringLiteral("Jugend"), QStringLiteral("Kinder- & Jugendliteratur")},
        {QStringLiteral("Fantasy"), QStringLiteral("Fantasy")},
    }};
    for (const auto& [text, genre] : tabelle) {
        if (text == beschriftung) {
            return genre;
        }
    }
    return std::nullopt;
}
