// The listing check over a listing and a designation of any content, and the quick pass before
// the parser against the parser itself: what the pass lets through never nests much deeper than
// the pass saw, or the parse could take time growing with the square of the input.
#include "FuzzHilfe.h"
#include "compose/Gliederung.h"
#include "compose/ListingPruefung.h"

#include <gumbo.h>
#include <utility>
#include <vector>

namespace {

int baumtiefe(const GumboNode* wurzel) {
    int tiefste = 0;
    std::vector<std::pair<const GumboNode*, int>> offen{{wurzel, 0}};
    while (!offen.empty()) {
        const auto [knoten, tiefe] = offen.back();
        offen.pop_back();
        tiefste = std::max(tiefste, tiefe);
        const GumboVector* kinder =
            knoten->type == GUMBO_NODE_DOCUMENT ? &knoten->v.document.children
            : knoten->type == GUMBO_NODE_ELEMENT || knoten->type == GUMBO_NODE_TEMPLATE
                ? &knoten->v.element.children
                : nullptr;
        for (unsigned int i = 0; kinder != nullptr && i < kinder->length; ++i) {
            offen.emplace_back(static_cast<const GumboNode*>(kinder->data[i]), tiefe + 1);
        }
    }
    return tiefste;
}

void gliederungPruefen(const QString& listing) {
    const Gliederung g = GliederungLesen(listing, {});
    KORI_PRUEFEN(g.bis >= 0 && g.bis <= listing.size());
    KORI_PRUEFEN(g.tiefe >= 0 && g.tiefe <= kHoechsteTiefe);
    const QByteArray utf8 = QStringView(listing).left(g.bis).toUtf8();
    GumboOutput* ausgabe =
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), static_cast<size_t>(utf8.size()));
    // Cells and rows the parser adds itself, and the document's own elements, are not counted.
    KORI_PRUEFEN(baumtiefe(ausgabe->document) <= 3 * g.tiefe + 8);
    gumbo_destroy_output(&kGumboDefaultOptions, ausgabe);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    ListingPruefEingabe e;
    e.bezeichnung = naechsterText(eingabe, 128);
    e.eigeneAdressen = {naechsterText(eingabe, 64)};
    // The listing comes last: it is the outside file, and the longest text.
    e.listing = restText(eingabe);
    e.herkunft = {{0, e.listing.size(), QStringLiteral("Feld")}};
    for (const Befund& b : ListingPruefen(e)) {
        const qsizetype laenge = b.inBezeichnung ? e.bezeichnung.size() : e.listing.size();
        KORI_PRUEFEN(b.start >= 0 && b.laenge >= 0 && b.start + b.laenge <= laenge);
        KORI_PRUEFEN(!b.regel.isEmpty());
        KORI_PRUEFEN(b.herkunft == (b.inBezeichnung ? kHerkunftBezeichnung : QStringLiteral("Feld")));
        KORI_PRUEFEN(!BefundZeile(b).isEmpty());
    }
    gliederungPruefen(e.listing);
    return 0;
}
