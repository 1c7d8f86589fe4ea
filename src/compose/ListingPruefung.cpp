#include "compose/ListingPruefung.h"

#include "compose/Css.h"
#include "compose/FotoPruefung.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <cstring>
#include <gumbo.h>
#include <memory>
#include <vector>

namespace {

const QString kAktiverInhalt =
    QStringLiteral("Aktive Inhalte (Skripte, Rahmen, Objekte, Formulare) sind nicht erlaubt");
const QString kWeiterleitung =
    QStringLiteral("Weiterleitungen und Basisadressen (<meta refresh>, <base>) sind nicht erlaubt");
const QString kEreignis = QStringLiteral("Ereignis-Attribute (onclick, onload …) sind nicht erlaubt");
const QString kSkriptAdresse =
    QStringLiteral("Adressen mit javascript:, vbscript: oder data: sind nicht erlaubt");
const QString kAktivesCss =
    QStringLiteral("Aktives CSS (expression, behavior, -moz-binding) ist nicht erlaubt");
const QString kUnsicher = QStringLiteral("Unsichere Adresse: Bilder und Links müssen mit https:// beginnen");
const QString kZuLang = QStringLiteral("Die Beschreibung ist länger als 500.000 Zeichen");
const QString kBreite = QStringLiteral("Feste Breite über 700 Pixel: auf kleinen Bildschirmen zu breit");
const QString kBildBreite = QStringLiteral("Bild breiter als 700 Pixel: auf kleinen Bildschirmen zu breit");
const QString kSchrift = QStringLiteral("Schrift kleiner als 12 Pixel ist schwer lesbar");
const QString kFremderLink = QStringLiteral("Link zu einer fremden Seite (%1)");
const QString kOhneHost = QStringLiteral("Bild ohne Internet-Adresse (kein Host)");
const QString kPlatzhalter = QStringLiteral("Bild vom Platzhalter-Host example.com");
const QString kBezLang = QStringLiteral("Artikelbezeichnung länger als 80 Zeichen");
const QString kBezSymbol =
    QStringLiteral("Artikelbezeichnung enthält Symbole, die im Titel nicht erscheinen");
const QString kBezGross = QStringLiteral("Artikelbezeichnung enthält ein Wort ganz in Großbuchstaben");

constexpr qsizetype kTextKuerze = 60;
constexpr double kBreiteGrenze = 700;
constexpr double kSchriftGrenze = 12;
constexpr double kPxJePt = 4.0 / 3.0;
constexpr int kGrossWortLaenge = 4;

QString gekuerzt(QStringView text) {
    // Blanks collapse, so a little more than the kept length is enough to look at.
    const qsizetype gelesen = kTextKuerze * 4;
    QString einfach = text.left(gelesen).toString().simplified();
    if (einfach.size() <= kTextKuerze && text.size() <= gelesen) {
        return einfach;
    }
    return einfach.left(kTextKuerze - 1) + QStringLiteral("…");
}

bool istEines(GumboTag tag, std::initializer_list<GumboTag> tags) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

bool istAktivesElement(GumboTag tag) {
    return istEines(tag, {GUMBO_TAG_SCRIPT, GUMBO_TAG_NOSCRIPT, GUMBO_TAG_IFRAME, GUMBO_TAG_FRAME,
                          GUMBO_TAG_FRAMESET, GUMBO_TAG_OBJECT, GUMBO_TAG_EMBED, GUMBO_TAG_APPLET,
                          GUMBO_TAG_FORM, GUMBO_TAG_INPUT, GUMBO_TAG_BUTTON, GUMBO_TAG_SELECT,
                          GUMBO_TAG_TEXTAREA, GUMBO_TAG_KEYGEN, GUMBO_TAG_DATALIST, GUMBO_TAG_OUTPUT});
}

bool gleich(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

// Attributes whose value the browser follows or loads as an address.
bool istAdressAttribut(const char* name) {
    static constexpr std::array namen{"href",     "src",        "background", "poster",   "srcset",
                                      "action",   "formaction", "data",       "codebase", "cite",
                                      "longdesc", "lowsrc",     "dynsrc",     "usemap",   "xlink:href"};
    return std::any_of(namen.begin(), namen.end(), [name](const char* n) { return gleich(name, n); });
}

// Attributes whose address the marketplace wants secure.
bool istLadeAttribut(const char* name) {
    static constexpr std::array namen{"src", "href", "background", "poster", "srcset", "lowsrc", "dynsrc"};
    return std::any_of(namen.begin(), namen.end(), [name](const char* n) { return gleich(name, n); });
}

// Browsers ignore blanks and control characters inside a scheme ("java\nscript:").
QString schemaForm(const QString& adresse) {
    QString form;
    form.reserve(adresse.size());
    for (const QChar c : adresse) {
        if (c.unicode() > 0x20) {
            form += c.toLower();
        }
    }
    return form;
}

bool istSkriptAdresse(const QString& adresse) {
    const QString form = schemaForm(adresse);
    return form.startsWith(QLatin1String("javascript:")) || form.startsWith(QLatin1String("vbscript:")) ||
           form.startsWith(QLatin1String("data:"));
}

bool istUnsicher(const QString& adresse) {
    return schemaForm(adresse).startsWith(QLatin1String("http://"));
}

// The host of an absolute or scheme-relative address, lower case; empty for a relative one.
QString hostVon(const QString& adresse) {
    const QString a = adresse.trimmed();
    qsizetype von = -1;
    if (a.startsWith(QLatin1String("//"))) {
        von = 2;
    } else {
        const qsizetype schema = a.indexOf(QLatin1String("://"));
        const bool schemaGueltig = schema > 0 && std::all_of(a.cbegin(), a.cbegin() + schema, [](QChar c) {
                                       return c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.';
                                   });
        if (schemaGueltig) {
            von = schema + 3;
        }
    }
    if (von < 0) {
        return {};
    }
    qsizetype bis = von;
    while (bis < a.size() && a[bis] != u'/' && a[bis] != u'?' && a[bis] != u'#' && a[bis] != u'\\') {
        ++bis;
    }
    QString host = a.mid(von, bis - von);
    host = host.mid(host.lastIndexOf(u'@') + 1);
    const qsizetype port = host.lastIndexOf(u':');
    if (port >= 0 && !host.endsWith(u']')) {
        host.truncate(port);
    }
    while (host.endsWith(u'.')) {
        host.chop(1);
    }
    return host.toLower();
}

bool gleichOderUnter(const QString& host, const QString& domain) {
    return !domain.isEmpty() && (host == domain || host.endsWith(u'.' + domain));
}

QString ohneWww(const QString& host) {
    return host.startsWith(QLatin1String("www.")) ? host.mid(4) : host;
}

// A leading number with its unit, lower case ("800px" → 800, "px"); nothing without a number.
struct Mass {
    double wert = 0;
    QString einheit;
    bool gueltig = false;
};

Mass massLesen(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    while (i < t.size() && (t[i].isDigit() || t[i] == u'.') && t[i].unicode() < 128) {
        ++i;
    }
    bool ok = false;
    const double wert = t.left(i).toDouble(&ok);
    if (!ok) {
        return {};
    }
    qsizetype e = i;
    while (e < t.size() && (t[e].isLetter() || t[e] == u'%')) {
        ++e;
    }
    return {wert, t.mid(i, e - i).toString().toLower(), true};
}

// Pixels of a CSS length in px, pt or without a unit; negative for anything relative.
double pixel(const Mass& mass) {
    if (!mass.gueltig) {
        return -1;
    }
    if (mass.einheit.isEmpty() || mass.einheit == u"px") {
        return mass.wert;
    }
    if (mass.einheit == u"pt") {
        return mass.wert * kPxJePt;
    }
    return -1;
}

bool zuKleineSchrift(const QString& wert) {
    const QString w = wert.toLower();
    if (w == u"xx-small" || w == u"x-small") {
        return true;
    }
    const Mass mass = massLesen(w);
    return (mass.einheit == u"px" || mass.einheit == u"pt") && pixel(mass) < kSchriftGrenze;
}

// The size in the shorthand "font: italic 10px/1.2 Arial".
bool zuKleineSchriftKurz(const QString& wert) {
    for (const QString& teil : wert.split(u' ', Qt::SkipEmptyParts)) {
        if (!teil.isEmpty() && teil[0].isDigit()) {
            const QString groesse = teil.section(u'/', 0, 0);
            const Mass mass = massLesen(groesse);
            if (mass.einheit == u"px" || mass.einheit == u"pt") {
                return pixel(mass) < kSchriftGrenze;
            }
        }
    }
    return false;
}

// IE ran "expression(...)" in any value, with blanks before the bracket.
bool istExpression(const QString& wert) {
    const qsizetype stelle = wert.indexOf(QLatin1String("expression"), 0, Qt::CaseInsensitive);
    if (stelle < 0) {
        return false;
    }
    QString kompakt = wert.mid(stelle).toLower();
    kompakt.remove(u' ');
    return kompakt.contains(QLatin1String("expression("));
}

// "<font size>": 1 to 7, or relative to the default 3.
bool zuKleinerFontSize(const QString& wert) {
    const QString w = wert.trimmed();
    bool ok = false;
    int groesse = w.toInt(&ok);
    if (!ok) {
        return false;
    }
    if (w.startsWith(u'+') || w.startsWith(u'-')) {
        groesse += 3;
    }
    return groesse <= 1;
}

// Byte offsets of gumbo's UTF-8 back to positions in the listing text. The tree is read in
// the order of the text, so each question walks from where the last one ended.
class Positionen {
public:
    Positionen(const QByteArray& utf8, qsizetype zeichen) : m_utf8(utf8), m_ascii(utf8.size() == zeichen) {}

    qsizetype an(qsizetype byte) {
        if (m_ascii) {
            return byte;
        }
        for (; m_byte < byte; ++m_byte) {
            m_pos += zeichen(m_byte);
        }
        for (; m_byte > byte; --m_byte) {
            m_pos -= zeichen(m_byte - 1);
        }
        return m_pos;
    }

private:
    // What the byte adds to the text: a lead byte one character, a four-byte lead a surrogate
    // pair, a continuation byte nothing.
    qsizetype zeichen(qsizetype byte) const {
        const auto b = static_cast<unsigned char>(m_utf8[byte]);
        if ((b & 0xC0) == 0x80) {
            return 0;
        }
        return b >= 0xF0 ? 2 : 1;
    }

    const QByteArray& m_utf8;
    bool m_ascii;
    qsizetype m_byte = 0;
    qsizetype m_pos = 0;
};

struct GumboFreigabe {
    void operator()(GumboOutput* ausgabe) const { gumbo_destroy_output(&kGumboDefaultOptions, ausgabe); }
};

QString text(const GumboStringPiece& stueck) {
    return QString::fromUtf8(stueck.data, static_cast<qsizetype>(stueck.length));
}

class Pruefer {
public:
    explicit Pruefer(const ListingPruefEingabe& e)
        : m_e(e), m_utf8(e.listing.toUtf8()), m_pos(m_utf8, e.listing.size()) {
        for (const QString& adresse : e.eigeneAdressen) {
            const QString host = ohneWww(hostVon(adresse));
            if (!host.isEmpty()) {
                m_eigeneHosts.append(host);
            }
        }
    }

    QList<Befund> pruefen() {
        if (m_e.listing.size() > kListingHoechstlaenge) {
            melden(BefundArt::Fehler, kZuLang, kListingHoechstlaenge,
                   m_e.listing.size() - kListingHoechstlaenge);
        }
        GumboOptions optionen = kGumboDefaultOptions;
        // Only the tree is read; collecting the parse errors of broken markup costs time.
        optionen.max_errors = 0;
        const std::unique_ptr<GumboOutput, GumboFreigabe> ausgabe(
            gumbo_parse_with_options(&optionen, m_utf8.constData(), static_cast<size_t>(m_utf8.size())));
        durchlaufen(ausgabe->document);
        return std::move(m_befunde);
    }

private:
    qsizetype byteVon(const char* zeiger) const { return zeiger - m_utf8.constData(); }

    // A piece of gumbo's input as a span of the listing text.
    std::pair<qsizetype, qsizetype> spanne(const GumboStringPiece& stueck) {
        const qsizetype von = m_pos.an(byteVon(stueck.data));
        return {von, m_pos.an(byteVon(stueck.data) + static_cast<qsizetype>(stueck.length)) - von};
    }

    void melden(BefundArt art, const QString& regel, qsizetype start, qsizetype laenge) {
        m_befunde.append({art, regel, gekuerzt(QStringView(m_e.listing).mid(start, laenge)),
                          HerkunftAn(m_e.herkunft, start), start, laenge, false});
    }

    // Without recursion: deeply nested markup must not exhaust the stack.
    void durchlaufen(const GumboNode* wurzel) {
        std::vector<const GumboNode*> offen{wurzel};
        while (!offen.empty()) {
            const GumboNode* knoten = offen.back();
            offen.pop_back();
            const GumboVector* kinder = nullptr;
            if (knoten->type == GUMBO_NODE_DOCUMENT) {
                kinder = &knoten->v.document.children;
            } else if (knoten->type == GUMBO_NODE_ELEMENT || knoten->type == GUMBO_NODE_TEMPLATE) {
                element(knoten->v.element);
                kinder = &knoten->v.element.children;
            }
            if (kinder == nullptr) {
                continue;
            }
            for (unsigned int i = kinder->length; i > 0; --i) {
                offen.push_back(static_cast<const GumboNode*>(kinder->data[i - 1]));
            }
        }
    }

    void element(const GumboElement& el) {
        // Elements the parser added itself stand nowhere in the text.
        if (el.original_tag.length == 0) {
            return;
        }
        const auto [start, laenge] = spanne(el.original_tag);
        if (istAktivesElement(el.tag)) {
            melden(BefundArt::Fehler, kAktiverInhalt, start, laenge);
        } else if (el.tag == GUMBO_TAG_BASE || (el.tag == GUMBO_TAG_META && istWeiterleitung(el))) {
            melden(BefundArt::Fehler, kWeiterleitung, start, laenge);
        } else if (el.tag == GUMBO_TAG_STYLE) {
            styleBlock(el);
        }
        for (unsigned int i = 0; i < el.attributes.length; ++i) {
            attribut(el, *static_cast<const GumboAttribute*>(el.attributes.data[i]));
        }
    }

    static bool istWeiterleitung(const GumboElement& el) {
        const GumboAttribute* a = gumbo_get_attribute(&el.attributes, "http-equiv");
        return a != nullptr &&
               QString::fromUtf8(a->value).trimmed().compare(u"refresh", Qt::CaseInsensitive) == 0;
    }

    void styleBlock(const GumboElement& el) {
        for (unsigned int i = 0; i < el.children.length; ++i) {
            const auto* kind = static_cast<const GumboNode*>(el.children.data[i]);
            if (kind->type == GUMBO_NODE_TEXT || kind->type == GUMBO_NODE_WHITESPACE) {
                const GumboStringPiece& roh = kind->v.text.original_text;
                const qsizetype basis = m_pos.an(byteVon(roh.data));
                css(text(roh), [basis](qsizetype von, qsizetype laenge) {
                    return std::pair{basis + von, laenge};
                });
            }
        }
    }

    void attribut(const GumboElement& el, const GumboAttribute& a) {
        const char* name = a.name;
        const bool ereignis = name[0] == 'o' && name[1] == 'n' && name[2] != '\0';
        const bool adressAttribut = istAdressAttribut(name);
        const bool breiteAttribut = gleich(name, "width");
        const bool stilAttribut = gleich(name, "style");
        const bool fontSize = el.tag == GUMBO_TAG_FONT && gleich(name, "size");
        // Most attributes concern no rule; only those are read further that do.
        if (!ereignis && !adressAttribut && !breiteAttribut && !stilAttribut && !fontSize) {
            return;
        }
        const QString wert = QString::fromUtf8(a.value);
        const auto [nameStart, nameLaenge] = spanne(a.original_name);
        const auto [wertStart, wertLaenge] = wertSpanne(a);
        const auto [rohStart, rohLaenge] = spanne(a.original_value);
        const qsizetype ganz = qMax(nameLaenge, rohStart + rohLaenge - nameStart);
        if (ereignis) {
            melden(BefundArt::Fehler, kEreignis, nameStart, ganz);
        }
        if (adressAttribut) {
            adresse(el, name, wert, nameStart, ganz);
        }
        if (breiteAttribut) {
            breite(el, wert, wertStart, wertLaenge);
        } else if (stilAttribut) {
            styleAttribut(a, wert, wertStart, wertLaenge);
        } else if (fontSize && zuKleinerFontSize(wert)) {
            melden(BefundArt::Hinweis, kSchrift, nameStart, ganz);
        }
    }

    // The value without its quotes.
    std::pair<qsizetype, qsizetype> wertSpanne(const GumboAttribute& a) {
        GumboStringPiece roh = a.original_value;
        if (roh.length >= 2 && (roh.data[0] == '"' || roh.data[0] == '\'')) {
            ++roh.data;
            roh.length -= 2;
        }
        return spanne(roh);
    }

    void adresse(const GumboElement& el, const char* name, const QString& wert, qsizetype start,
                 qsizetype laenge) {
        const QStringList adressen = gleich(name, "srcset") ? srcsetAdressen(wert) : QStringList{wert};
        for (const QString& a : adressen) {
            if (istSkriptAdresse(a)) {
                melden(BefundArt::Fehler, kSkriptAdresse, start, laenge);
            } else if (istLadeAttribut(name) && istUnsicher(a)) {
                melden(BefundArt::Fehler, kUnsicher, start, laenge);
            }
        }
        if (gleich(name, "href") && (el.tag == GUMBO_TAG_A || el.tag == GUMBO_TAG_AREA)) {
            link(wert, start, laenge);
        } else if (gleich(name, "src") && el.tag == GUMBO_TAG_IMG && !istSkriptAdresse(wert)) {
            bild(wert, start, laenge);
        }
    }

    static QStringList srcsetAdressen(const QString& wert) {
        QStringList adressen;
        for (const QString& kandidat : wert.split(u',', Qt::SkipEmptyParts)) {
            adressen.append(kandidat.trimmed().section(u' ', 0, 0));
        }
        return adressen;
    }

    void link(const QString& wert, qsizetype start, qsizetype laenge) {
        const QString host = hostVon(wert);
        if (host.isEmpty() || gleichOderUnter(host, QStringLiteral("ebay.de")) ||
            gleichOderUnter(host, QStringLiteral("ebay.com")) || m_linkHosts.contains(host)) {
            return;
        }
        const QString kurz = ohneWww(host);
        const bool eigen = std::any_of(m_eigeneHosts.cbegin(), m_eigeneHosts.cend(), [&](const QString& h) {
            return gleichOderUnter(kurz, h) || gleichOderUnter(h, kurz);
        });
        if (eigen) {
            return;
        }
        m_linkHosts.insert(host);
        melden(BefundArt::Hinweis, kFremderLink.arg(host), start, laenge);
    }

    void bild(const QString& wert, qsizetype start, qsizetype laenge) {
        const QString host = hostVon(wert);
        if (host.isEmpty()) {
            melden(BefundArt::Hinweis, kOhneHost, start, laenge);
        } else if (gleichOderUnter(host, QStringLiteral("example.com"))) {
            melden(BefundArt::Hinweis, kPlatzhalter, start, laenge);
        }
    }

    void breite(const GumboElement& el, const QString& wert, qsizetype start, qsizetype laenge) {
        const Mass mass = massLesen(wert);
        if (mass.gueltig && mass.einheit != u"%" && mass.wert > kBreiteGrenze) {
            melden(BefundArt::Hinweis, el.tag == GUMBO_TAG_IMG ? kBildBreite : kBreite, start, laenge);
        }
    }

    void styleAttribut(const GumboAttribute& a, const QString& wert, qsizetype start, qsizetype laenge) {
        // With entities in the value the decoded text no longer matches the listing's positions:
        // then a finding points at the whole value.
        GumboStringPiece roh = a.original_value;
        if (roh.length >= 2 && (roh.data[0] == '"' || roh.data[0] == '\'')) {
            ++roh.data;
            roh.length -= 2;
        }
        const bool genau = text(roh) == wert;
        css(wert, [=](qsizetype von, qsizetype l) {
            return genau ? std::pair{start + von, l} : std::pair{start, laenge};
        });
    }

    template <typename Abbildung> void css(const QString& css, Abbildung stelle) {
        for (const CssDeklaration& d : CssDeklarationen(css)) {
            const auto [start, laenge] = stelle(d.start, d.laenge);
            deklaration(d, start, laenge);
        }
    }

    void deklaration(const CssDeklaration& d, qsizetype start, qsizetype laenge) {
        if (d.name == u"behavior" || d.name == u"-moz-binding" || istExpression(d.wert)) {
            melden(BefundArt::Fehler, kAktivesCss, start, laenge);
        }
        QStringList adressen = CssAdressen(d.wert);
        if (d.name == u"@import" && (d.wert.startsWith(u'"') || d.wert.startsWith(u'\''))) {
            adressen.append(d.wert.mid(1).section(d.wert[0], 0, 0));
        }
        for (const QString& a : adressen) {
            if (istSkriptAdresse(a)) {
                melden(BefundArt::Fehler, kSkriptAdresse, start, laenge);
            } else if (istUnsicher(a)) {
                melden(BefundArt::Fehler, kUnsicher, start, laenge);
            }
        }
        if (d.name == u"width" || d.name == u"min-width") {
            if (pixel(massLesen(d.wert)) > kBreiteGrenze) {
                melden(BefundArt::Hinweis, kBreite, start, laenge);
            }
        } else if ((d.name == u"font-size" && zuKleineSchrift(d.wert)) ||
                   (d.name == u"font" && zuKleineSchriftKurz(d.wert.toLower()))) {
            melden(BefundArt::Hinweis, kSchrift, start, laenge);
        }
    }

    const ListingPruefEingabe& m_e;
    QByteArray m_utf8;
    Positionen m_pos;
    QStringList m_eigeneHosts;
    QSet<QString> m_linkHosts;
    QList<Befund> m_befunde;
};

Befund bezeichnungsBefund(const QString& regel, const QString& text, qsizetype start, qsizetype laenge) {
    return {BefundArt::Hinweis, regel, gekuerzt(text), kHerkunftBezeichnung, start, laenge, true};
}

// Words are runs of letters and digits ("MP3PLAYER"); only their letters count.
void grossWorte(const QString& bezeichnung, QList<Befund>& befunde) {
    QStringList worte;
    qsizetype erstes = -1;
    qsizetype erstesEnde = 0;
    qsizetype i = 0;
    while (i < bezeichnung.size()) {
        if (!bezeichnung[i].isLetter()) {
            ++i;
            continue;
        }
        const qsizetype von = i;
        bool gross = true;
        int buchstaben = 0;
        while (i < bezeichnung.size() && bezeichnung[i].isLetterOrNumber()) {
            if (bezeichnung[i].isLetter()) {
                gross = gross && bezeichnung[i].isUpper();
                ++buchstaben;
            }
            ++i;
        }
        if (gross && buchstaben > kGrossWortLaenge) {
            worte.append(bezeichnung.mid(von, i - von));
            if (erstes < 0) {
                erstes = von;
                erstesEnde = i;
            }
        }
    }
    if (erstes >= 0) {
        befunde.append(bezeichnungsBefund(kBezGross, worte.join(u' '), erstes, erstesEnde - erstes));
    }
}

void symbole(const QString& bezeichnung, QList<Befund>& befunde) {
    QString gefunden;
    qsizetype erstes = -1;
    qsizetype erstesLaenge = 0;
    for (qsizetype i = 0; i < bezeichnung.size();) {
        const char32_t code = QStringView(bezeichnung).mid(i).toUcs4().value(0);
        const qsizetype laenge = QChar::requiresSurrogates(code) ? 2 : 1;
        const QChar::Category kategorie = QChar::category(code);
        if (kategorie == QChar::Symbol_Other || kategorie == QChar::Number_Other) {
            gefunden += bezeichnung.mid(i, laenge);
            if (erstes < 0) {
                erstes = i;
                erstesLaenge = laenge;
            }
        }
        i += laenge;
    }
    if (erstes >= 0) {
        befunde.append(bezeichnungsBefund(kBezSymbol, gefunden, erstes, erstesLaenge));
    }
}

} // namespace

QList<Befund> BezeichnungPruefen(const QString& bezeichnung) {
    QList<Befund> befunde;
    if (bezeichnung.size() > kBezeichnungHoechstlaenge) {
        befunde.append(bezeichnungsBefund(kBezLang, bezeichnung.mid(kBezeichnungHoechstlaenge),
                                          kBezeichnungHoechstlaenge,
                                          bezeichnung.size() - kBezeichnungHoechstlaenge));
    }
    symbole(bezeichnung, befunde);
    grossWorte(bezeichnung, befunde);
    return befunde;
}

QList<Befund> ListingPruefen(const ListingPruefEingabe& eingabe) {
    QList<Befund> befunde = Pruefer(eingabe).pruefen();
    befunde.append(BezeichnungPruefen(eingabe.bezeichnung));
    befunde.append(FotosPruefen(eingabe.fotos, eingabe.listing));
    std::stable_sort(befunde.begin(), befunde.end(), [](const Befund& a, const Befund& b) {
        if (a.art != b.art) {
            return a.art == BefundArt::Fehler;
        }
        if (a.inBezeichnung != b.inBezeichnung) {
            return b.inBezeichnung;
        }
        return a.start < b.start;
    });
    return befunde;
}

QString BefundZeile(const Befund& befund) {
    const QString art =
        befund.art == BefundArt::Fehler ? QStringLiteral("Fehler: ") : QStringLiteral("Hinweis: ");
    return art + befund.regel + QStringLiteral(" – ") + befund.herkunft;
}

qsizetype FehlerAnzahl(const QList<Befund>& befunde) {
    return std::count_if(befunde.cbegin(), befunde.cend(),
                         [](const Befund& b) { return b.art == BefundArt::Fehler; });
}

QString PruefungZusammenfassung(const QList<Befund>& befunde) {
    const qsizetype fehler = FehlerAnzahl(befunde);
    const qsizetype hinweise = befunde.size() - fehler;
    QStringList teile;
    if (fehler > 0) {
        teile.append(QStringLiteral("%1 Fehler").arg(fehler));
    }
    if (hinweise > 0) {
        teile.append(hinweise == 1 ? QStringLiteral("1 Hinweis")
                                   : QStringLiteral("%1 Hinweise").arg(hinweise));
    }
    return teile.isEmpty() ? QStringLiteral("Keine Beanstandungen") : teile.join(QStringLiteral(", "));
}
