#include "title/Titel.h"

#include <array>

namespace {

// Longest base that still takes a suffix; the designation must stay readable beside the shop's own text.
constexpr qsizetype kMerianMax = 55;
constexpr qsizetype kEinfuegenMax = 50;

struct Fundstelle {
    QString bildname;
    // Characters before the ending, i.e. the bare name.
    qsizetype stelle = 0;
};

std::optional<Fundstelle> erstesMuster(const QString& bildname, const QStringList& muster,
                                       Qt::CaseSensitivity gross) {
    for (const QString& m : muster) {
        const qsizetype stelle = bildname.indexOf(m, 0, gross);
        if (stelle >= 0) {
            return Fundstelle{bildname, stelle};
        }
    }
    return std::nullopt;
}

// The back picture's name ends in "-H"; it stands in when the front picture has no known ending.
std::optional<Fundstelle> rueckseite(const QString& bildPfad2) {
    return erstesMuster(bildPfad2, {QStringLiteral("-H")}, Qt::CaseSensitive);
}

// Matching without regard to case equals matching the upper-cased name for these ASCII endings, but
// keeps the positions: upper-casing "ß" gives two characters.
std::optional<Fundstelle> bildnameFinden(const QString& bildPfad1, const QString& bildPfad2) {
    const auto vorne =
        erstesMuster(bildPfad1, {QStringLiteral("-V.JPG"), QStringLiteral(".JPG"), QStringLiteral(".GIF")},
                     Qt::CaseInsensitive);
    return vorne ? vorne : rueckseite(bildPfad2);
}

QString trennerErsetzen(QString name) {
    name.replace(QLatin1Char('-'), QLatin1Char(' '));
    name.replace(QLatin1Char(','), QLatin1Char('/'));
    return name;
}

QString merianBezeichnung(const QString& name) {
    static const std::array<QString, 6> endungen{QStringLiteral(" * GEO"),
                                                 QStringLiteral(" * GEO Rar"),
                                                 QStringLiteral(" * Reiseführer"),
                                                 QStringLiteral(" * Reiseführer GEO"),
                                                 QStringLiteral(" * Reiseführer GEO Rar"),
                                                 QStringLiteral(" * Reiseführer Reisemagazin")};
    const QString basis = QStringLiteral("* Merian * ") + name;
    QString gewaehlt;
    for (const QString& endung : endungen) {
        if (basis.size() + endung.size() <= kMerianMax) {
            gewaehlt = basis + endung;
        }
    }
    // A base too long for any suffix falls back to the short form, so the designation is never emptied.
    return gewaehlt.isEmpty() ? QStringLiteral("* Merian ") + name : gewaehlt;
}

QString wolkBezeichnung(const QString& name) {
    QString basis = QStringLiteral("* Ede WOLK * ") + name;
    for (const QString& endung : {QStringLiteral(" * nur 1€"), QStringLiteral(" nur 1€")}) {
        if (basis.size() + endung.size() <= kMerianMax) {
            return basis + endung;
        }
    }
    return basis;
}

QString titelVorHeft(const QString& name) {
    const qsizetype heft = name.indexOf(QStringLiteral("Heft"));
    return heft >= 0 ? name.left(heft) : QString();
}

BildnameErgebnis hausverkaeuferName(const QString& bezeichnung, BildnameErgebnis ergebnis) {
    ergebnis.titel = titelVorHeft(bezeichnung);
    ergebnis.bild3Aus = true;
    return ergebnis;
}

// The picture name and the designation as separate words: one blank between them, unless the
// designation brings its own or one of them is empty.
QString voranstellen(const QString& name, const QString& bezeichnung) {
    if (name.isEmpty() || bezeichnung.isEmpty() || bezeichnung.startsWith(QLatin1Char(' '))) {
        return name + bezeichnung;
    }
    return name + QLatin1Char(' ') + bezeichnung;
}

QString phrase(const QString& eintrag) {
    const qsizetype blank = eintrag.indexOf(QLatin1Char(' '));
    return eintrag.mid(blank < 0 ? 0 : blank);
}

} // namespace

BezeichnungsZaehler bezeichnungZaehlen(const QString& bezeichnung) {
    BezeichnungsZaehler z;
    z.kappen = bezeichnung.size() >= kBezeichnungMax;
    z.text = z.kappen ? bezeichnung.left(kBezeichnungMax) : bezeichnung;
    z.caret = z.kappen ? kBezeichnungMax : 0;
    z.anzahl = QStringLiteral("(-%1 )").arg(z.text.size());
    z.anzahlNoch = QStringLiteral("(+%1 )").arg(kBezeichnungMax - z.text.size());
    return z;
}

BildnameErgebnis bezeichnungAusBildname(const BildnameEingabe& eingabe) {
    const auto fund = bildnameFinden(eingabe.bildPfad1, eingabe.bildPfad2);
    if (!fund) {
        return {};
    }
    QString name = fund->bildname.left(fund->stelle);
    if (eingabe.hausverkaeufer && name.contains(QStringLiteral("Merian"))) {
        name = trennerErsetzen(name.mid(7));
        BildnameErgebnis ergebnis;
        ergebnis.bezeichnung = merianBezeichnung(name);
        return hausverkaeuferName(name, ergebnis);
    }
    if (eingabe.hausverkaeufer && name.contains(QStringLiteral("EW_"))) {
        // The decorated designation already holds the name; putting it in front once more would double it.
        name = trennerErsetzen(name.mid(3));
        BildnameErgebnis ergebnis;
        ergebnis.bezeichnung = wolkBezeichnung(name);
        return hausverkaeuferName(name, ergebnis);
    }
    if (eingabe.hausverkaeufer) {
        name = QStringLiteral("* ") + name + QStringLiteral(" *");
    }
    BildnameErgebnis ergebnis;
    if (fund->bildname.contains(QStringLiteral("Merian"))) {
        return ergebnis;
    }
    const QString neu = voranstellen(name, eingabe.bezeichnung);
    if (eingabe.bezeichnung.size() > kEinfuegenMax) {
        ergebnis.meldung = kBezeichnungZuLang;
    } else if (neu.size() > kBezeichnungMax) {
        // The cap would cut the seller's own words from the end.
        ergebnis.meldung = kBezeichnungUeberMax;
    } else {
        ergebnis.bezeichnung = neu;
    }
    return ergebnis;
}

std::optional<QString> bildnameAnhaengen(const QString& bildPfad1, const QString& bildPfad2,
                                         const QString& bezeichnung) {
    auto fund = erstesMuster(bildPfad1,
                             {QStringLiteral("-V"), QStringLiteral(".JPG"), QStringLiteral(".jpg"),
                              QStringLiteral(".GIF"), QStringLiteral(".gif")},
                             Qt::CaseSensitive);
    if (!fund) {
        fund = rueckseite(bildPfad2);
    }
    if (!fund) {
        return std::nullopt;
    }
    return bezeichnung + fund->bildname.left(fund->stelle);
}

ZufuegenErgebnis zusaetzeZufuegen(const QString& bezeichnung, const QString& autor, const QString& zus1,
                                  const QString& zus2, bool hausverkaeufer) {
    ZufuegenErgebnis ergebnis;
    QString vorne;
    // An emptied author box counts as no choice: a leading blank would open the listing title.
    if (autor != kAutorWaehlen && !autor.trimmed().isEmpty()) {
        vorne = (hausverkaeufer ? QStringLiteral("* ") : QString()) + autor + QLatin1Char(' ');
        ergebnis.buchAutor = autor;
    }
    ergebnis.bezeichnung = vorne + bezeichnung + phrase(zus1) + phrase(zus2);
    return ergebnis;
}

std::optional<QString> fettMarkieren(const QString& text, qsizetype stelle, const QString& auswahl) {
    if (auswahl.isEmpty() || stelle < 0 || QStringView(text).mid(stelle, auswahl.size()) != auswahl) {
        return std::nullopt;
    }
    return text.left(stelle) + QStringLiteral("<b>") + auswahl + QStringLiteral("</b>") +
           text.mid(stelle + auswahl.size());
}

const QStringList& zusatzListe1() {
    static const QStringList liste{QString(),
                                   QStringLiteral("5 süße"),
                                   QStringLiteral("6 süßer"),
                                   QStringLiteral("6 süßes"),
                                   QStringLiteral("4 TOP"),
                                   QStringLiteral("5 TOP!"),
                                   QStringLiteral("5 + CD"),
                                   QStringLiteral("6 m. CD"),
                                   QStringLiteral("7 mit CD"),
                                   QStringLiteral("9 Inkl. CD"),
                                   QStringLiteral("6 + mp3"),
                                   QStringLiteral("8 mit mp3"),
                                   QStringLiteral("8 +mp3 CD"),
                                   QStringLiteral("7 w. NEU"),
                                   QStringLiteral("4 RAR"),
                                   QStringLiteral("8 RARITÄT")};
    return liste;
}

const QStringList& zusatzListe2() {
    static const QStringList liste{QString(),
                                   QStringLiteral("12 Liebesroman"),
                                   QStringLiteral("12 Frauenroman"),
                                   QStringLiteral("24 Liebesroman Frauenroman"),
                                   QStringLiteral("09 Thriller"),
                                   QStringLiteral("15 Krimi Thriller"),
                                   QStringLiteral("12 Reiseführer"),
                                   QStringLiteral("07 Erotik"),
                                   QStringLiteral("12 Erotikroman"),
                                   QStringLiteral(" -------- "),
                                   QStringLiteral("10 Abenteuer"),
                                   QStringLiteral("09 Esoterik"),
                                   QStringLiteral("08 Fantasy"),
                                   QStringLiteral("11 Gesundheit"),
                                   QStringLiteral("08 Heilung"),
                                   QStringLiteral("19 Historischer Roman"),
                                   QStringLiteral("11 Informatik"),
                                   QStringLiteral("12 Liebe Quell"),
                                   QStringLiteral("16 Liebe NLP Quell"),
                                   QStringLiteral("11 Mathematik"),
                                   QStringLiteral("04 NLP"),
                                   QStringLiteral("12 Philosophie"),
                                   QStringLiteral("12 Psychologie"),
                                   QStringLiteral("07 Schule"),
                                   QStringLiteral("10 Studenten"),
                                   QStringLiteral(" -------- "),
                                   QStringLiteral("09 gebunden"),
                                   QStringLiteral("10 ungelesen"),
                                   QStringLiteral("11 1x gelesen"),
                                   QStringLiteral("10 Anschauen"),
                                   QStringLiteral("11 mit mp3 CD"),
                                   QStringLiteral("11 mit CD-ROM"),
                                   QStringLiteral("13 Inkl. CD-ROM")};
    return liste;
}
