#include "article/Bibliothek.h"

#include "core/Datenordner.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

QString ListenOrdnerBilden(const Datenordner& daten) {
    return daten.pfad(QStringLiteral("Artikeln-txt\\"));
}

namespace {

// Texts of Latin-1 characters change letter case one character for one, except "ß", which
// becomes "SS"; others go through QString. Written into one buffer, so that a list of 100,000
// names needs no new string per name: allocating them cost more than the listing itself.
bool nurLatin1(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

void kleinAnhaengen(const QString& text, std::u16string& ziel) {
    if (!nurLatin1(text)) {
        const QString klein = text.toLower();
        ziel.append(reinterpret_cast<const char16_t*>(klein.utf16()), static_cast<std::size_t>(klein.size()));
        return;
    }
    for (const QChar c : text) {
        ziel.push_back(static_cast<char16_t>(QChar::toLower(c.unicode())));
    }
}

const QString& inGross(const QString& text, QString& puffer) {
    if (!nurLatin1(text)) {
        puffer = text.toUpper();
        return puffer;
    }
    puffer.resize(2 * text.size());
    QChar* ziel = puffer.data();
    for (const QChar c : text) {
        if (c.unicode() == 0xDF) {
            *ziel++ = QLatin1Char('S');
            *ziel++ = QLatin1Char('S');
        } else {
            *ziel++ = QChar(QChar::toUpper(c.unicode()));
        }
    }
    puffer.truncate(ziel - puffer.constData());
    return puffer;
}

// A name's sort key in the shared key buffer, with its start held in the entry itself: most
// comparisons end there, without reaching into memory scattered over the whole list.
struct Sortiereintrag {
    static constexpr std::size_t kAnfang = 24;
    std::array<char16_t, kAnfang> anfang{};
    std::size_t beginn = 0;
    std::size_t laenge = 0;
    qsizetype index = 0;
};

} // namespace

QStringList EbayDateienListen(const QString& ordner) {
    // Names only, sorted here: QDir's own sorted listing builds a file information per entry and
    // grew faster than the folder (17 times the time for 10 times the articles).
    QStringList gefunden;
    QDirIterator it(ordner, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.endsWith(QLatin1String(".ebay"), Qt::CaseInsensitive)) {
            gefunden.append(name);
        }
    }
    std::u16string schluessel;
    std::vector<Sortiereintrag> eintraege(static_cast<std::size_t>(gefunden.size()));
    for (qsizetype i = 0; i < gefunden.size(); ++i) {
        Sortiereintrag& e = eintraege[static_cast<std::size_t>(i)];
        e.index = i;
        e.beginn = schluessel.size();
        kleinAnhaengen(gefunden.at(i), schluessel);
        e.laenge = schluessel.size() - e.beginn;
        std::copy_n(schluessel.begin() + static_cast<std::ptrdiff_t>(e.beginn),
                    std::min(e.laenge, Sortiereintrag::kAnfang), e.anfang.begin());
    }
    const std::u16string_view alle(schluessel);
    // Letter case ignored; names equal but for letter case in their own order.
    std::sort(eintraege.begin(), eintraege.end(), [&](const Sortiereintrag& a, const Sortiereintrag& b) {
        if (a.anfang != b.anfang) {
            return a.anfang < b.anfang;
        }
        const std::u16string_view ka = alle.substr(a.beginn, a.laenge);
        const std::u16string_view kb = alle.substr(b.beginn, b.laenge);
        return ka != kb ? ka < kb : gefunden.at(a.index) < gefunden.at(b.index);
    });
    QStringList namen;
    namen.reserve(gefunden.size());
    for (const Sortiereintrag& e : eintraege) {
        // A fresh copy, so the names lie in memory in list order and a search reads them in turn.
        const QString& name = gefunden.at(e.index);
        namen.append(QString(name.constData(), name.size()));
    }
    return namen;
}

Suchergebnis EintraegeSuchen(const QStringList& eintraege, const QString& begriff) {
    Suchergebnis ergebnis;
    const QString gross = begriff.toUpper();
    QString puffer;
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        if (inGross(eintraege[i], puffer).contains(gross)) {
            ergebnis.treffer.append(static_cast<int>(i));
        }
    }
    ergebnis.anzahl = static_cast<int>(ergebnis.treffer.size());
    return ergebnis;
}

QString TrefferAnzeige(int anzahl) {
    return QStringLiteral("( %1 )").arg(anzahl);
}

QString EintragPfad(const QString& listenArt, const QString& listenOrdner, const QString& andererOrdner,
                    const QString& eintrag) {
    if (listenArt == QLatin1String("Andere")) {
        return andererOrdner + QLatin1Char('/') + eintrag;
    }
    return listenOrdner + eintrag;
}
