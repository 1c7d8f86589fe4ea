#include "compose/FotoPruefung.h"

namespace {

const QString kZuKlein = QStringLiteral("Foto zu klein für den Marktplatz (unter 500 Pixel)");
const QString kKlein = QStringLiteral("Foto kleiner als empfohlen (unter 1000 Pixel)");
const QString kZuGross = QStringLiteral("Foto zu groß für den Marktplatz (über 7 MB)");

} // namespace

QList<Befund> FotosPruefen(const QList<FotoAngabe>& fotos, const QString& listing) {
    QList<Befund> befunde;
    for (const FotoAngabe& foto : fotos) {
        const auto melden = [&](BefundArt art, const QString& regel) {
            const qsizetype stelle = foto.name.isEmpty() ? -1 : listing.indexOf(foto.name);
            befunde.append({art, regel, foto.name, QStringLiteral("Bild %1").arg(foto.zeile),
                            std::max<qsizetype>(stelle, 0), stelle < 0 ? 0 : foto.name.size(), false});
        };
        if (foto.laengsteSeite < kFotoMindestKante) {
            melden(BefundArt::Fehler, kZuKlein);
        } else if (foto.laengsteSeite < kFotoEmpfohleneKante) {
            melden(BefundArt::Hinweis, kKlein);
        }
        if (foto.kopieZuGross) {
            melden(BefundArt::Fehler, kZuGross);
        }
    }
    return befunde;
}
