#include "core/Meldungen.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kAchtung = QStringLiteral("ACHTUNG") + kCrLf;
const QChar kAnf = QLatin1Char('"');

MeldungInhalt warnung(const QString& text) { return {text, MeldungSymbol::Ausrufezeichen, kProgrammTitel}; }

} // namespace

std::optional<MeldungInhalt> meldungBilden(int nummer, const QString& text, const QString& text2,
                                           const Laufzeitfehler& fehler) {
    switch (nummer) {
    case 1:
        return warnung(text + kCrLf + QStringLiteral("Funktion in Vorbereitung"));
    case 10:
        return warnung(kAchtung + QStringLiteral("Angaben im Feld ") + kAnf + text + kAnf +
                       QStringLiteral(" fehlen (s. ?\?\?)"));
    case 11:
        return warnung(kAchtung + QStringLiteral("Angaben im Feld ") + text);
    case 12:
        return warnung(kAchtung + QStringLiteral("Bitte Angaben im Feld ") + kAnf + text + kAnf +
                       QStringLiteral(" Korriegieren!") + kCrLf + text2);
    case 20:
        return warnung(kAchtung + QStringLiteral("Datei kann nicht eigelesen werden") + text +
                       QStringLiteral(" in Einstelungen der Vorlage"));
    case 99:
        return MeldungInhalt{text, MeldungSymbol::Kritisch, QStringLiteral("ACHTUNG!")};
    case 999:
        return MeldungInhalt{text + kCrLf + QString::number(fehler.nummer) + kCrLf + fehler.beschreibung,
                             MeldungSymbol::Keins, kProgrammTitel};
    default:
        return std::nullopt;
    }
}
