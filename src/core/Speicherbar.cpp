#include "core/Speicherbar.h"

#include "core/TextDatei.h"

std::optional<NichtSpeicherbar> NichtSpeicherbaresFeld(const QList<BenanntesFeld>& felder) {
    for (const BenanntesFeld& f : felder) {
        const QString fremde = ZeichenAusserhalbWindows1252(f.text);
        if (!fremde.isEmpty()) {
            return NichtSpeicherbar{f.name, fremde};
        }
    }
    return std::nullopt;
}
