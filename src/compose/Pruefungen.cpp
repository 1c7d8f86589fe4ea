#include "compose/Pruefungen.h"

#include "compose/Bilder.h"

namespace {

bool mehrAlsEins(const QString& text) {
    const std::optional<double> wert = zahlLesen(text);
    return wert && *wert > 1;
}

QString zuKlein(const QString& feld, int zeile) {
    return QStringLiteral("\"%1\" ist zu klein (Bild %2)").arg(feld).arg(zeile) +
           QStringLiteral("\r\nsoll mehr als 1 sein");
}

// A row counts as present once it has a file name, even when its sizes are then refused.
struct Zeilenbefund {
    std::optional<Verweigerung> verweigerung;
    bool vorhanden = false;
};

Zeilenbefund bildzeilePruefen(const PruefBildzeile& z, int zeile) {
    if (!z.ja) {
        return {};
    }
    if (z.datei.isEmpty()) {
        return {Verweigerung{99, QStringLiteral("Dateiname vom Bild-%1 fehlt!").arg(zeile)}, false};
    }
    if (!mehrAlsEins(z.breite)) {
        return {Verweigerung{11, zuKlein(QStringLiteral("Länge in Pixel"), zeile)}, true};
    }
    if (!mehrAlsEins(z.hoehe)) {
        return {Verweigerung{11, zuKlein(QStringLiteral("Höhe in Pixel"), zeile)}, true};
    }
    return {std::nullopt, true};
}

Verweigerung fehlt(const QString& feld) {
    return {10, feld};
}

std::optional<Verweigerung> felderPruefen(const PruefEingabe& e) {
    if (e.artikelBez.isEmpty()) {
        return fehlt(QStringLiteral("Artikel Bezeichnung"));
    }
    if (e.titel.isEmpty()) {
        return fehlt(QStringLiteral("Titel"));
    }
    if (e.aufWasBieten.isEmpty()) {
        return fehlt(QStringLiteral("Auf was Bieten"));
    }
    if (e.inhaltAuto.isEmpty() && e.inhalt.isEmpty()) {
        return fehlt(QStringLiteral("Beschreibung"));
    }
    // Marker characters are meant to be replaced by the seller before the listing is built.
    if (e.inhalt.contains(QLatin1String("+*")) || e.inhalt.contains(QLatin1String("*+"))) {
        return Verweigerung{99,
                            QStringLiteral("Bitte Beschreibung korriegieren\r\nsiehe die Zeichen: +*+*+*+")};
    }
    return std::nullopt;
}

} // namespace

PruefErgebnis EingabenPruefen(const PruefEingabe& e) {
    PruefErgebnis r;
    r.bildVorhanden = e.bildVorhanden;
    for (int zeile = 1; zeile <= 5; ++zeile) {
        const Zeilenbefund befund = bildzeilePruefen(e.bilder[zeile - 1], zeile);
        if (zeile >= 3) {
            r.bildVorhanden[zeile - 3] = befund.vorhanden;
        }
        if (befund.verweigerung) {
            r.verweigerung = befund.verweigerung;
            return r;
        }
    }
    r.verweigerung = felderPruefen(e);
    return r;
}
