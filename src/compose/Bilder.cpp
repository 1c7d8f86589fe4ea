#include "compose/Bilder.h"

#include <cmath>

double R(double x) {
    const double unten = std::floor(x);
    const double rest = x - unten;
    if (rest < 0.5) {
        return unten;
    }
    if (rest > 0.5) {
        return unten + 1;
    }
    return std::fmod(unten, 2.0) == 0.0 ? unten : unten + 1;
}

std::optional<double> zahlLesen(const QString& text) {
    QString zahl = text.trimmed();
    zahl.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double wert = zahl.toDouble(&ok);
    if (!ok || !std::isfinite(wert)) {
        return std::nullopt;
    }
    return wert;
}

// Adding 0 turns a negative zero into a plain "0".
QString ganzzahlText(double wert) {
    return QString::number(wert + 0.0, 'f', 0);
}

Vorschaugroesse BildgroesseAnpassen(int bildHoehe, int bildBreite, int boxHoehe) {
    if (bildHoehe <= 0 || bildBreite <= 0) {
        return {};
    }
    return {boxHoehe, static_cast<int>(R(static_cast<double>(bildBreite) * boxHoehe / bildHoehe))};
}

namespace {

// A proportional size, or nothing when it is not a usable number.
std::optional<QString> verhaeltnis(double breite, double zaehler, double nenner) {
    if (nenner == 0) {
        return std::nullopt;
    }
    const double wert = R(breite * zaehler / nenner);
    if (!std::isfinite(wert)) {
        return std::nullopt;
    }
    return ganzzahlText(wert);
}

} // namespace

std::optional<Bildmasse> MasseFuerBild(int zeile, const QString& breite, const QString& standardBreite,
                                       QSize bild) {
    if (bild.isEmpty()) {
        return std::nullopt;
    }
    const bool standardStattEins = zeile == 2 || zeile == 4 || zeile == 5;
    const QString neueBreite = standardStattEins && breite == QLatin1String("1") ? standardBreite : breite;
    const std::optional<double> wert = zahlLesen(neueBreite);
    if (!wert) {
        return std::nullopt;
    }
    const std::optional<QString> hoehe = verhaeltnis(*wert, bild.height(), bild.width());
    if (!hoehe) {
        return std::nullopt;
    }
    return Bildmasse{neueBreite, *hoehe};
}

std::optional<QString> HoeheAusVorschau(const QString& breite, int vorschauHoehe, int vorschauBreite) {
    const std::optional<double> wert = zahlLesen(breite);
    if (!wert) {
        return std::nullopt;
    }
    return verhaeltnis(*wert, vorschauHoehe, vorschauBreite);
}

namespace {

const QString kNurPositive = QStringLiteral("Nur ganze, positiven Zahlen eingeben");
const QString kNurZahlen = QStringLiteral("Bitte nur Zahlen eingeben");

// The hint for a present size that cannot be used, empty when it can.
QString istMassPruefen(const QString& text) {
    if (text.isEmpty()) {
        return kNurPositive;
    }
    const std::optional<double> wert = zahlLesen(text);
    if (!wert) {
        return kNurZahlen;
    }
    return *wert > 0 ? QString() : kNurPositive;
}

} // namespace

Umrechnung BildGrosseBerechnen(const QString& laengeIst, const QString& hoeheIst, const QString& laengeSoll) {
    const QString laengeHinweis = istMassPruefen(laengeIst);
    if (!laengeHinweis.isEmpty()) {
        return {{}, QStringLiteral("Länge ist"), laengeHinweis};
    }
    const QString hoeheHinweis = istMassPruefen(hoeheIst);
    if (!hoeheHinweis.isEmpty()) {
        return {{}, QStringLiteral("Höhe ist"), hoeheHinweis};
    }
    const std::optional<double> soll = zahlLesen(laengeSoll);
    const std::optional<QString> hoehe =
        soll ? verhaeltnis(*soll, *zahlLesen(hoeheIst), *zahlLesen(laengeIst)) : std::nullopt;
    if (!hoehe) {
        return {{}, QStringLiteral("Länge soll"), kNurZahlen};
    }
    return {*hoehe, {}, {}};
}
