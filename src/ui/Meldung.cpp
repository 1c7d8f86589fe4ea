#include "ui/Meldung.h"

#include "core/TextDatei.h"
#include "ui/Plattform.h"

namespace {

Plattform::Symbol symbolFuer(MeldungSymbol symbol) {
    switch (symbol) {
    case MeldungSymbol::Ausrufezeichen:
        return Plattform::Symbol::Ausrufezeichen;
    case MeldungSymbol::Kritisch:
        return Plattform::Symbol::Kritisch;
    case MeldungSymbol::Keins:
        break;
    }
    return Plattform::Symbol::Keins;
}

} // namespace

void Meldung(Plattform& plattform, int nummer, const QString& text, const QString& text2,
             const Laufzeitfehler& fehler) {
    const std::optional<MeldungInhalt> inhalt = meldungBilden(nummer, text, text2, fehler);
    if (!inhalt) {
        return;
    }
    plattform.meldungsfenster(inhalt->text, symbolFuer(inhalt->symbol), Plattform::Knoepfe::Ok,
                              inhalt->titel);
}

bool FelderSpeicherbar(Plattform& plattform, const QList<BenanntesFeld>& felder) {
    const std::optional<NichtSpeicherbar> fremd = NichtSpeicherbaresFeld(felder);
    if (fremd) {
        Meldung(plattform, 12, fremd->feld, NichtSpeicherbarText(fremd->zeichen));
    }
    return !fremd;
}
