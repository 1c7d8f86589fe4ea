#include "compose/Textregeln.h"

#include <QString>

#include <array>

namespace {

bool istZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool istMailZeichen(QChar c) {
    return c.isLetterOrNumber() || c == u'.' || c == u'_' || c == u'%' || c == u'+' || c == u'-';
}

bool istDomainZeichen(QChar c) {
    return c.isLetterOrNumber() || c == u'.' || c == u'-';
}

QChar an(QStringView text, qsizetype i) {
    return i >= 0 && i < text.size() ? text[i] : QChar();
}

// The address around the "@" at `at`; empty when the two sides do not make one.
TextStelle mailAdresse(QStringView text, qsizetype at) {
    qsizetype von = at;
    while (von > 0 && istMailZeichen(text[von - 1])) {
        --von;
    }
    qsizetype bis = at + 1;
    while (bis < text.size() && istDomainZeichen(text[bis])) {
        ++bis;
    }
    while (bis > at + 1 && (text[bis - 1] == u'.' || text[bis - 1] == u'-')) {
        --bis;
    }
    const QStringView domain = text.mid(at + 1, bis - at - 1);
    const qsizetype punkt = domain.lastIndexOf(u'.');
    const QStringView endung = punkt < 0 ? QStringView() : domain.mid(punkt + 1);
    const bool endungGut =
        endung.size() >= 2 && std::all_of(endung.begin(), endung.end(), [](QChar c) { return c.isLetter(); });
    if (von == at || punkt <= 0 || !endungGut) {
        return {};
    }
    return {von, bis - von};
}

void mailAdressen(QStringView text, QList<TextStelle>& stellen) {
    qsizetype i = 0;
    while ((i = text.indexOf(u'@', i)) >= 0) {
        const TextStelle stelle = mailAdresse(text, i);
        if (stelle.laenge > 0) {
            stellen.append(stelle);
            i = stelle.start + stelle.laenge;
        } else {
            ++i;
        }
    }
}

// Whether `wort` begins a word of `text` ("Tel." and "Telefon", not "Bestellung").
bool wortAnfang(const QString& text, QLatin1String wort) {
    for (qsizetype i = text.indexOf(wort); i >= 0; i = text.indexOf(wort, i + 1)) {
        if (!an(text, i - 1).isLetter()) {
            return true;
        }
    }
    return false;
}

// Whether `wort` ends a word of `text` ("Art.-Nr.", "Bestellnummer", not "Anrufen").
bool wortEnde(const QString& text, QLatin1String wort) {
    for (qsizetype i = text.indexOf(wort); i >= 0; i = text.indexOf(wort, i + 1)) {
        if (!an(text, i + wort.size()).isLetter()) {
            return true;
        }
    }
    return false;
}

// Words before a number that make it an article number ("ISBN", "Art.-Nr.", "Bestellnummer");
// those that make it a phone number win ("Telefonnummer").
bool istArtikelnummer(QStringView davor) {
    const QString klein = davor.toString().toLower();
    static const std::array<const char*, 6> telefon{"tel", "fon", "handy", "mobil", "fax", "whatsapp"};
    static const std::array<const char*, 3> kennungen{"isbn", "ean", "gtin"};
    static const std::array<const char*, 2> nummern{"nr", "nummer"};
    const auto anfang = [&klein](const char* wort) { return wortAnfang(klein, QLatin1String(wort)); };
    const auto ende = [&klein](const char* wort) { return wortEnde(klein, QLatin1String(wort)); };
    if (std::any_of(telefon.begin(), telefon.end(), anfang)) {
        return false;
    }
    return std::any_of(kennungen.begin(), kennungen.end(), anfang) ||
           std::any_of(nummern.begin(), nummern.end(), ende);
}

// The end of a phone number beginning at `von`, or -1. International numbers begin with "+" or
// "00" and a country code, German ones with "0" and an area code.
qsizetype telefonEnde(QStringView text, qsizetype von) {
    const QChar c = text[von];
    qsizetype i = von;
    bool international = false;
    if (c == u'+' && istZiffer(an(text, i + 1)) && an(text, i + 1) != u'0') {
        international = true;
        ++i;
    } else if (c == u'0' && an(text, i + 1) == u'0' && istZiffer(an(text, i + 2)) &&
               an(text, i + 2) != u'0') {
        international = true;
        i += 2;
    } else if (c == u'(' && an(text, i + 1) == u'0' && istZiffer(an(text, i + 2)) &&
               an(text, i + 2) != u'0') {
        ++i;
    } else if (!(c == u'0' && istZiffer(an(text, i + 1)) && an(text, i + 1) != u'0')) {
        return -1;
    }
    int ziffern = 0;
    int gruppen = 1;
    qsizetype ende = -1;
    while (i < text.size()) {
        const QChar z = text[i];
        if (istZiffer(z)) {
            ++ziffern;
            ++i;
            ende = i;
        } else if (z == u'(' || z == u')') {
            ++i;
        } else if ((z == u' ' || z == u'-' || z == u'/' || z == u'\u2013') &&
                   (istZiffer(an(text, i + 1)) || an(text, i + 1) == u'(')) {
            ++gruppen;
            ++i;
        } else {
            break;
        }
    }
    const bool laengeGut = international ? ziffern >= 9 && ziffern <= 15 : ziffern >= 8 && ziffern <= 13;
    if (!laengeGut || gruppen > 6 || ende < 0 || an(text, ende).isLetterOrNumber()) {
        return -1;
    }
    return ende;
}

void telefonnummern(QStringView text, QList<TextStelle>& stellen) {
    constexpr qsizetype kDavor = 16;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c != u'+' && c != u'0' && c != u'(') {
            ++i;
            continue;
        }
        const QChar davor = an(text, i - 1);
        const bool anfang = !davor.isLetterOrNumber() && davor != u'+' && davor != u'-' && davor != u'/' &&
                            davor != u'.' && davor != u',';
        const qsizetype ende = anfang ? telefonEnde(text, i) : -1;
        if (ende < 0) {
            ++i;
            continue;
        }
        const qsizetype von = qMax<qsizetype>(0, i - kDavor);
        if (!istArtikelnummer(text.mid(von, i - von))) {
            stellen.append({i, ende - i});
        }
        i = ende;
    }
}

bool istEinheit(QStringView wort) {
    static const std::array<const char*, 9> einheiten{"cm",    "mm",     "m",  "g", "kg",
                                                      "gramm", "seiten", "ml", "l"};
    const QString klein = wort.toString().toLower();
    return std::any_of(einheiten.begin(), einheiten.end(),
                       [&klein](const char* e) { return klein == QLatin1String(e); });
}

void fragezeichen(QStringView text, QList<TextStelle>& stellen) {
    qsizetype i = 0;
    while ((i = text.indexOf(u"??", i)) >= 0) {
        qsizetype bis = i;
        while (bis < text.size() && text[bis] == u'?') {
            ++bis;
        }
        qsizetype wort = bis;
        while (wort < text.size() && text[wort] == u' ') {
            ++wort;
        }
        qsizetype wortEnde = wort;
        while (wortEnde < text.size() && text[wortEnde].isLetter()) {
            ++wortEnde;
        }
        const bool serie = text.left(i).trimmed().endsWith(QLatin1String("drei"), Qt::CaseInsensitive);
        const bool platzhalter = (bis - i >= 3 && !serie) || istEinheit(text.mid(wort, wortEnde - wort));
        if (platzhalter) {
            stellen.append({i, bis - i});
        }
        i = bis;
    }
}

// "Verlag wählen", "Zustand-1 wählen": a prompt is a noun and "wählen" ending its line.
void auswahlAufforderungen(QStringView text, QList<TextStelle>& stellen) {
    const QString waehlen = QStringLiteral(" wählen");
    qsizetype i = 0;
    while ((i = text.indexOf(waehlen, i)) >= 0) {
        const qsizetype ende = i + waehlen.size();
        qsizetype danach = ende;
        while (danach < text.size() && (text[danach] == u' ' || text[danach] == u'\t')) {
            ++danach;
        }
        const bool zeilenende = danach >= text.size() || text[danach] == u'\r' || text[danach] == u'\n';
        qsizetype wort = i;
        while (wort > 0 && (text[wort - 1].isLetterOrNumber() || text[wort - 1] == u'-')) {
            --wort;
        }
        if (zeilenende && wort < i && text[wort].isUpper()) {
            stellen.append({wort, ende - wort});
        }
        i = ende;
    }
}

} // namespace

QList<TextStelle> KontaktdatenSuchen(QStringView text) {
    QList<TextStelle> stellen;
    mailAdressen(text, stellen);
    telefonnummern(text, stellen);
    return stellen;
}

QList<TextStelle> PlatzhalterSuchen(QStringView text) {
    QList<TextStelle> stellen;
    fragezeichen(text, stellen);
    auswahlAufforderungen(text, stellen);
    return stellen;
}
