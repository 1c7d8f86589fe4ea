#include "core/Herkunft.h"

#include <algorithm>
#include <iterator>

QString HerkunftAn(const ListingHerkunft& herkunft, qsizetype position) {
    const auto nach = std::upper_bound(herkunft.cbegin(), herkunft.cend(), position,
                                       [](qsizetype p, const ListingStueck& s) { return p < s.start; });
    if (nach == herkunft.cbegin()) {
        return {};
    }
    const ListingStueck& stueck = *std::prev(nach);
    return position < stueck.start + stueck.laenge ? stueck.herkunft : QString();
}
