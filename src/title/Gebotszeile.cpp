#include "title/Gebotszeile.h"

namespace {

// The ISBN line ends in the publisher group; the user types the rest of the number right after it.
const QString kIsbnZeile = QStringLiteral("Sonnstiges: ISBN:  3-");
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString gebotszeileBilden(const GebotszeilenTeile& t) {
    return t.einZwei + t.einEineEinen + QLatin1Char(' ') + t.gutErhalten + t.gutNeu + QLatin1Char(' ') +
           t.aufWasBiten + t.aufWasBiten2 + t.aufWasBiten3;
}

QString buchartAusZusatz(const QString& aufWasBiten3) {
    if (aufWasBiten3 == QStringLiteral(" ")) {
        return QStringLiteral("Taschenbuch");
    }
    if (aufWasBiten3 == QStringLiteral("<b>-gebundene Ausgabe</b>")) {
        return QStringLiteral("gebundene Ausgabe");
    }
    if (aufWasBiten3 == QStringLiteral("<b>-gebundene Ausgabe mit Umschlag</b>")) {
        return QStringLiteral("gebundene Ausgabe mit Umschlag");
    }
    return {};
}

std::optional<ZusatztextErgebnis> zusatztextAnhaengen(const QString& inhalt, const QString& zusatztext) {
    if (zusatztext == kZusatztextWaehlen) {
        return std::nullopt;
    }
    ZusatztextErgebnis ergebnis{inhalt + zusatztext + kCrLf, std::nullopt};
    if (zusatztext == kIsbnZeile) {
        ergebnis.caret = static_cast<int>(ergebnis.inhalt.size() - kCrLf.size());
    }
    return ergebnis;
}

const QStringList& einZweiListe() {
    static const QStringList liste{QStringLiteral("ein"),    QStringLiteral("zwei"), QStringLiteral("drei"),
                                   QStringLiteral("vier"),   QStringLiteral("fünf"), QStringLiteral("sechs"),
                                   QStringLiteral("sieben"), QStringLiteral("acht"), QStringLiteral("neun"),
                                   QStringLiteral("zehn"),   QStringLiteral("elf"),  QStringLiteral("zwölf")};
    return liste;
}

const QStringList& einEineEinenListe() {
    static const QStringList liste{QString(), QStringLiteral("e"), QStringLiteral("en")};
    return liste;
}

const QStringList& gutNeuListe() {
    static const QStringList liste{QStringLiteral("e"), QStringLiteral("en"), QStringLiteral("es")};
    return liste;
}

const QStringList& gutErhaltenListe() {
    static const QStringList liste{QStringLiteral("sehr gut erhalten"),
                                   QStringLiteral("gut erhalten"),
                                   QStringLiteral("gebraucht"),
                                   QStringLiteral("gebrauchte und gut erhalten"),
                                   QStringLiteral("gebrauchtes und gut erhalten"),
                                   QStringLiteral("gebrauchten und gut erhalten"),
                                   QStringLiteral("neu")};
    return liste;
}
