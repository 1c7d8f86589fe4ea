#include "compose/ListingPruefung.h"

#include "compose/Adresse.h"
#include "compose/Css.h"
#include "compose/FotoPruefung.h"
#include "compose/Gliederung.h"
#include "compose/Kurzfassung.h"
#include "compose/Textregeln.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <gumbo.h>
#include <memory>
#include <optional>
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
const QString kZuTief =
    QStringLiteral("Die Beschreibung ist zu tief verschachtelt; der Teil ab hier ist nicht geprüft");
const QString kZuVieleAttribute =
    QStringLiteral("Ein Tag mit mehr als 100 Attributen; der Teil ab hier ist nicht geprüft");
const QString kNichtGeschlossen = QStringLiteral("Nicht geschlossenes Element: <%1>");
const QString kKontakt = QStringLiteral("Kontaktdaten im Angebot");
const QString kNichtAusgefuellt = QStringLiteral("Platzhalter nicht ausgefüllt");
const QString kBreite = QStringLiteral("Feste Breite über 700 Pixel: auf kleinen Bildschirmen zu breit");
const QString kBildBreite = QStringLiteral("Bild breiter als 700 Pixel: auf kleinen Bildschirmen zu breit");
const QString kSchrift = QStringLiteral("Schrift kleiner als 12 Pixel ist schwer lesbar");
const QString kFremderLink = QStringLiteral("Link zu einer fremden Seite (%1)");
const QString kOhneHost = QStringLiteral("Bild ohne Internet-Adresse (kein Host)");
const QString kOhneHostZeile = QStringLiteral(
    "%1 ohne Internet-Adresse (kein Host): in den Einstellungen „Internet-Pfad für Zusatzbilder“ ausfüllen");
const QString kPlatzhalter = QStringLiteral("Bild vom Platzhalter-Host example.com");
const QString kKurzfassungLang =
    QStringLiteral("Kurzfassung länger als 800 Zeichen: der Rest fehlt in der App");
const QString kKurzfassungTag =
    QStringLiteral("In der Kurzfassung erlaubt die App nur <ul>, <ol>, <li> und <br>");
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

template <std::size_t N> bool einerVon(const char* name, const std::array<const char*, N>& namen) {
    return std::any_of(namen.begin(), namen.end(), [name](const char* n) { return gleich(name, n); });
}

// Attributes whose value the browser follows, loads or runs as an address (SVG animations set
// an address through values, from and to).
bool istAdressAttribut(const char* name) {
    static constexpr std::array namen{"href",     "src",        "background", "poster",   "srcset",
                                      "action",   "formaction", "data",       "codebase", "cite",
                                      "longdesc", "lowsrc",     "dynsrc",     "usemap",   "xlink:href",
                                      "ping",     "manifest",   "values",     "from",     "to"};
    return einerVon(name, namen);
}

// Attributes whose address the marketplace wants secure.
bool istLadeAttribut(const char* name) {
    static constexpr std::array namen{"src",    "href", "background", "poster",   "srcset",   "lowsrc",
                                      "dynsrc", "ping", "data",       "codebase", "manifest", "xlink:href"};
    return einerVon(name, namen);
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
    return AdresseLesen(adresse).schema == u"http";
}

bool gleichOderUnter(const QString& host, const QString& domain) {
    return !domain.isEmpty() && (host == domain || host.endsWith(u'.' + domain));
}

bool istMarktplatz(const QString& host) {
    return gleichOderUnter(host, QStringLiteral("ebay.de")) ||
           gleichOderUnter(host, QStringLiteral("ebay.com"));
}

QString ohneWww(const QString& host) {
    return host.startsWith(QLatin1String("www.")) ? host.mid(4) : host;
}

// The addresses one attribute value holds: a list for srcset, ping and SVG values.
QStringList adressenIn(const char* name, const QString& wert) {
    QStringList adressen;
    if (gleich(name, "srcset")) {
        for (const QString& kandidat : wert.split(u',', Qt::SkipEmptyParts)) {
            adressen.append(kandidat.trimmed().section(u' ', 0, 0));
        }
    } else if (gleich(name, "ping")) {
        adressen = wert.simplified().split(u' ', Qt::SkipEmptyParts);
    } else if (gleich(name, "values")) {
        adressen = wert.split(u';');
    } else {
        adressen.append(wert);
    }
    return adressen;
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

// Elements whose missing end tag spreads over everything after them.
const QStringList& beobachteteElemente() {
    static const QStringList namen{QStringLiteral("b"),   QStringLiteral("strong"), QStringLiteral("i"),
                                   QStringLiteral("u"),   QStringLiteral("font"),   QStringLiteral("span"),
                                   QStringLiteral("div"), QStringLiteral("table"),  QStringLiteral("a")};
    return namen;
}

// "Bild 3" for the pieces of a picture row; empty for anything else.
QString bildzeile(const QString& herkunft) {
    static const QString bild = QStringLiteral("Bild ");
    const bool zeile = herkunft.size() == bild.size() + 1 && herkunft.startsWith(bild) &&
                       herkunft.back() >= u'1' && herkunft.back() <= u'5';
    return zeile ? herkunft : QString();
}

// Byte offsets of gumbo's UTF-8 back to positions in the listing text. Most questions come in
// the order of the text and walk on from the last answer; the attributes that the parser copies
// onto elements of its own point back, and start from the nearest stored position instead.
class Positionen {
public:
    Positionen(const QByteArray& utf8, qsizetype laenge) : m_utf8(utf8), m_ascii(utf8.size() == laenge) {
        if (m_ascii) {
            return;
        }
        m_punkte.reserve(static_cast<std::size_t>(utf8.size() / kSchritt + 1));
        qsizetype pos = 0;
        for (qsizetype byte = 0; byte < utf8.size(); ++byte) {
            if (byte % kSchritt == 0) {
                m_punkte.push_back(pos);
            }
            pos += zeichen(byte);
        }
        if (utf8.size() % kSchritt == 0) {
            m_punkte.push_back(pos);
        }
    }

    qsizetype an(qsizetype byte) {
        if (m_ascii) {
            return byte;
        }
        if (byte < m_byte || byte - m_byte > kSchritt) {
            m_byte = byte / kSchritt * kSchritt;
            m_pos = m_punkte[static_cast<std::size_t>(byte / kSchritt)];
        }
        for (; m_byte < byte; ++m_byte) {
            m_pos += zeichen(m_byte);
        }
        return m_pos;
    }

private:
    static constexpr qsizetype kSchritt = 256;

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
    std::vector<qsizetype> m_punkte;
    qsizetype m_byte = 0;
    qsizetype m_pos = 0;
};

// The parser allocates every node, attribute and string on its own; from large blocks that is
// a pointer bump, and the whole tree goes at once with the blocks, without a walk to free it.
class Arena {
public:
    static void* holen(void* arena, size_t groesse) { return static_cast<Arena*>(arena)->holen(groesse); }
    static void freigeben(void* /*arena*/, void* /*speicher*/) {}

private:
    static constexpr size_t kBlock = 1 << 20;
    static constexpr size_t kAusrichtung = alignof(std::max_align_t);

    void* holen(size_t groesse) {
        groesse = (groesse + kAusrichtung - 1) / kAusrichtung * kAusrichtung;
        if (groesse > kBlock / 4) {
            return m_bloecke.emplace_back(std::make_unique_for_overwrite<std::byte[]>(groesse)).get();
        }
        if (groesse > m_rest) {
            m_frei = m_bloecke.emplace_back(std::make_unique_for_overwrite<std::byte[]>(kBlock)).get();
            m_rest = kBlock;
        }
        void* speicher = m_frei;
        m_frei += groesse;
        m_rest -= groesse;
        return speicher;
    }

    std::vector<std::unique_ptr<std::byte[]>> m_bloecke;
    std::byte* m_frei = nullptr;
    size_t m_rest = 0;
};

QString text(const GumboStringPiece& stueck) {
    return QString::fromUtf8(stueck.data, static_cast<qsizetype>(stueck.length));
}

// The value without its quotes.
GumboStringPiece ohneQuotes(GumboStringPiece roh) {
    if (roh.length >= 2 && (roh.data[0] == '"' || roh.data[0] == '\'')) {
        ++roh.data;
        roh.length -= 2;
    }
    return roh;
}

using Spanne = std::pair<qsizetype, qsizetype>;

// One node of the walk and what holds for everything below it.
struct Stand {
    const GumboNode* knoten = nullptr;
    // Inside a link to the marketplace, whose addresses are the marketplace's own.
    bool imMarktplatzLink = false;
    // Inside a script or style, whose text is not shown.
    bool unsichtbar = false;
};

class Pruefer {
public:
    explicit Pruefer(const ListingPruefEingabe& e) : m_e(e) {
        for (const QString& adresse : e.eigeneAdressen) {
            const QString host = ohneWww(AdresseLesen(adresse).host);
            if (!host.isEmpty()) {
                m_eigeneHosts.append(host);
            }
        }
    }

    QList<Befund> pruefen() {
        const bool zuLang = m_e.listing.size() > kListingHoechstlaenge;
        if (zuLang) {
            melden(BefundArt::Fehler, kZuLang, kListingHoechstlaenge,
                   m_e.listing.size() - kListingHoechstlaenge);
        }
        const QStringView geprueft = QStringView(m_e.listing).left(kListingHoechstlaenge);
        const Gliederung gliederung = GliederungLesen(geprueft, beobachteteElemente());
        if (gliederung.grenze != Grenze::Keine) {
            melden(BefundArt::Fehler, gliederung.grenze == Grenze::Tiefe ? kZuTief : kZuVieleAttribute,
                   gliederung.grenzeStart, gliederung.grenzeLaenge);
        }
        // Past the checked part an element may still be closed.
        if (!zuLang) {
            offeneElemente(gliederung.offen);
        }
        parsen(geprueft.left(gliederung.bis));
        return std::move(m_befunde);
    }

private:
    void parsen(QStringView html) {
        m_utf8 = html.toUtf8();
        m_pos.emplace(m_utf8, html.size());
        Arena arena;
        GumboOptions optionen = kGumboDefaultOptions;
        optionen.allocator = &Arena::holen;
        optionen.deallocator = &Arena::freigeben;
        optionen.userdata = &arena;
        // Only the tree is read; collecting the parse errors of broken markup costs time.
        optionen.max_errors = 0;
        const GumboOutput* ausgabe =
            gumbo_parse_with_options(&optionen, m_utf8.constData(), static_cast<size_t>(m_utf8.size()));
        durchlaufen(ausgabe->document);
    }

    // A piece of gumbo's input as a span of the listing text; none for a piece the parser made
    // up itself.
    std::optional<Spanne> spanne(const GumboStringPiece& stueck) {
        const char* anfang = m_utf8.constData();
        if (stueck.data < anfang || stueck.data + stueck.length > anfang + m_utf8.size() ||
            (stueck.length == 0 && stueck.data == anfang)) {
            return std::nullopt;
        }
        const qsizetype byte = stueck.data - anfang;
        const qsizetype von = m_pos->an(byte);
        return Spanne{von, m_pos->an(byte + static_cast<qsizetype>(stueck.length)) - von};
    }

    void melden(BefundArt art, const QString& regel, qsizetype start, qsizetype laenge) {
        // Elements the parser makes again carry the same attributes: one finding each.
        const QString schluessel =
            regel + u'\x1f' + QString::number(start) + u'\x1f' + QString::number(laenge);
        if (m_gemeldet.contains(schluessel)) {
            return;
        }
        m_gemeldet.insert(schluessel);
        m_befunde.append({art, regel, gekuerzt(QStringView(m_e.listing).mid(start, laenge)),
                          HerkunftAn(m_e.herkunft, start), start, laenge, false});
    }

    // One finding for each element and part: the first start tag left open. Both lists are in
    // the order of the text.
    void offeneElemente(const QList<OffenesElement>& offen) {
        const ListingHerkunft& stuecke = m_e.herkunft;
        const auto namen = static_cast<std::size_t>(beobachteteElemente().size());
        std::vector<bool> gemeldet((static_cast<std::size_t>(stuecke.size()) + 1) * namen, false);
        qsizetype stueck = 0;
        for (const OffenesElement& element : offen) {
            while (stueck < stuecke.size() &&
                   stuecke[stueck].start + stuecke[stueck].laenge <= element.start) {
                ++stueck;
            }
            const bool drin = stueck < stuecke.size() && stuecke[stueck].start <= element.start;
            const auto platz = static_cast<std::size_t>(drin ? stueck : stuecke.size()) * namen +
                               static_cast<std::size_t>(element.beobachtet);
            if (!gemeldet[platz]) {
                gemeldet[platz] = true;
                melden(BefundArt::Hinweis, kNichtGeschlossen.arg(element.name), element.start,
                       element.laenge);
            }
        }
    }

    // Without recursion: deeply nested markup must not exhaust the stack.
    void durchlaufen(const GumboNode* wurzel) {
        std::vector<Stand> offen{{wurzel, false, false}};
        while (!offen.empty()) {
            const Stand stand = offen.back();
            offen.pop_back();
            const GumboNode* knoten = stand.knoten;
            const GumboVector* kinder = nullptr;
            Stand fuerKinder = stand;
            if (knoten->type == GUMBO_NODE_DOCUMENT) {
                kinder = &knoten->v.document.children;
            } else if (knoten->type == GUMBO_NODE_ELEMENT || knoten->type == GUMBO_NODE_TEMPLATE) {
                const GumboElement& el = knoten->v.element;
                element(el, stand);
                kinder = &el.children;
                fuerKinder.imMarktplatzLink = stand.imMarktplatzLink || m_marktplatzLink;
                fuerKinder.unsichtbar =
                    stand.unsichtbar || istEines(el.tag, {GUMBO_TAG_SCRIPT, GUMBO_TAG_STYLE});
            } else if (knoten->type == GUMBO_NODE_TEXT && !stand.unsichtbar) {
                textKnoten(knoten->v.text, stand);
            }
            if (kinder == nullptr) {
                continue;
            }
            for (unsigned int i = kinder->length; i > 0; --i) {
                fuerKinder.knoten = static_cast<const GumboNode*>(kinder->data[i - 1]);
                offen.push_back(fuerKinder);
            }
        }
    }

    // The attributes of every element count, also of those the parser made itself (it copies
    // the attributes of a later <body> onto its own); the element's own rules need its tag.
    void element(const GumboElement& el, const Stand& stand) {
        m_marktplatzLink = false;
        if (const auto tag = spanne(el.original_tag); tag && el.original_tag.length > 0) {
            const auto [start, laenge] = *tag;
            if (istAktivesElement(el.tag)) {
                melden(BefundArt::Fehler, kAktiverInhalt, start, laenge);
            } else if (el.tag == GUMBO_TAG_BASE || (el.tag == GUMBO_TAG_META && istWeiterleitung(el))) {
                melden(BefundArt::Fehler, kWeiterleitung, start, laenge);
            } else if (el.tag == GUMBO_TAG_STYLE) {
                styleBlock(el);
            }
        }
        for (unsigned int i = 0; i < el.attributes.length; ++i) {
            attribut(el, *static_cast<const GumboAttribute*>(el.attributes.data[i]), stand);
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
                if (const auto stelle = spanne(roh)) {
                    const qsizetype basis = stelle->first;
                    css(text(roh), [basis](qsizetype von, qsizetype laenge) {
                        return Spanne{basis + von, laenge};
                    });
                }
            }
        }
    }

    void textKnoten(const GumboText& t, const Stand& stand) {
        const auto stelle = spanne(t.original_text);
        if (!stelle || t.original_text.length == 0) {
            return;
        }
        const QString gezeigt = QString::fromUtf8(t.text);
        // With entities in the text the decoded text no longer matches the listing's positions:
        // then a finding points at the whole text.
        const bool genau = std::strlen(t.text) == t.original_text.length &&
                           std::memcmp(t.text, t.original_text.data, t.original_text.length) == 0;
        const auto an = [&](const TextStelle& s) {
            return genau ? Spanne{stelle->first + s.start, s.laenge} : *stelle;
        };
        if (!stand.imMarktplatzLink) {
            for (const TextStelle& s : KontaktdatenSuchen(gezeigt)) {
                const auto [start, laenge] = an(s);
                melden(BefundArt::Hinweis, kKontakt, start, laenge);
            }
        }
        for (const TextStelle& s : PlatzhalterSuchen(gezeigt)) {
            const auto [start, laenge] = an(s);
            melden(BefundArt::Hinweis, kNichtAusgefuellt, start, laenge);
        }
    }

    void attribut(const GumboElement& el, const GumboAttribute& a, const Stand& stand) {
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
        const auto namensStelle = spanne(a.original_name);
        if (!namensStelle) {
            return;
        }
        const QString wert = QString::fromUtf8(a.value);
        const auto [nameStart, nameLaenge] = *namensStelle;
        const Spanne roh = spanne(a.original_value).value_or(Spanne{nameStart + nameLaenge, 0});
        const auto [wertStart, wertLaenge] = spanne(ohneQuotes(a.original_value)).value_or(roh);
        const qsizetype ganz = qMax(nameLaenge, roh.first + roh.second - nameStart);
        if (ereignis) {
            melden(BefundArt::Fehler, kEreignis, nameStart, ganz);
        }
        if (adressAttribut) {
            adresse(el, name, wert, {nameStart, ganz}, stand);
        }
        if (breiteAttribut) {
            breite(el, wert, wertStart, wertLaenge);
        } else if (stilAttribut) {
            styleAttribut(a, wert, wertStart, wertLaenge);
        } else if (fontSize && zuKleinerFontSize(wert)) {
            melden(BefundArt::Hinweis, kSchrift, nameStart, ganz);
        }
    }

    void adresse(const GumboElement& el, const char* name, const QString& wert, Spanne stelle,
                 const Stand& stand) {
        const auto [start, laenge] = stelle;
        const QStringList adressen = adressenIn(name, wert);
        for (const QString& a : adressen) {
            if (istSkriptAdresse(a)) {
                melden(BefundArt::Fehler, kSkriptAdresse, start, laenge);
            } else if (istLadeAttribut(name) && istUnsicher(a)) {
                melden(BefundArt::Fehler, kUnsicher, start, laenge);
            }
        }
        const bool verweis = gleich(name, "href") && (el.tag == GUMBO_TAG_A || el.tag == GUMBO_TAG_AREA);
        const bool bildquelle = gleich(name, "src") && el.tag == GUMBO_TAG_IMG && !istSkriptAdresse(wert);
        if (!verweis && !bildquelle) {
            return;
        }
        // A single address: the one just read.
        const Adresse gelesen = adressen.size() == 1 ? AdresseLesen(adressen[0]) : AdresseLesen(wert);
        if (verweis) {
            m_marktplatzLink = el.tag == GUMBO_TAG_A && istMarktplatz(gelesen.host);
            link(gelesen, stelle, stand);
        } else {
            bild(gelesen.host, start, laenge);
        }
    }

    void link(const Adresse& adresse, Spanne stelle, const Stand& stand) {
        if ((adresse.schema == u"mailto" || adresse.schema == u"tel") && !stand.imMarktplatzLink) {
            melden(BefundArt::Hinweis, kKontakt, stelle.first, stelle.second);
            return;
        }
        const QString& host = adresse.host;
        if (host.isEmpty() || istMarktplatz(host) || m_linkHosts.contains(host)) {
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
        melden(BefundArt::Hinweis, kFremderLink.arg(host), stelle.first, stelle.second);
    }

    void bild(const QString& host, qsizetype start, qsizetype laenge) {
        if (host.isEmpty()) {
            // A picture row's address is the setting's folder and the file name.
            const QString zeile = bildzeile(HerkunftAn(m_e.herkunft, start));
            melden(BefundArt::Hinweis, zeile.isEmpty() ? kOhneHost : kOhneHostZeile.arg(zeile), start,
                   laenge);
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
        const bool genau = text(ohneQuotes(a.original_value)) == wert;
        css(wert, [=](qsizetype von, qsizetype l) {
            return genau ? Spanne{start + von, l} : Spanne{start, laenge};
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
        for (const QString& a : d.adressen) {
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
    std::optional<Positionen> m_pos;
    QStringList m_eigeneHosts;
    QSet<QString> m_linkHosts;
    QSet<QString> m_gemeldet;
    QList<Befund> m_befunde;
    // The element just read is a link to the marketplace.
    bool m_marktplatzLink = false;
};

// Findings alike in rule, text and origin are one; the first place stands for all.
QList<Befund> zusammengefasst(const QList<Befund>& befunde) {
    QList<Befund> ergebnis;
    QHash<QString, qsizetype> gesehen;
    for (const Befund& b : befunde) {
        const QString schluessel = b.regel + u'\x1f' + b.text + u'\x1f' + b.herkunft +
                                   (b.inBezeichnung ? QStringLiteral("\x1f"
                                                                     "B")
                                                    : QString());
        const auto stelle = gesehen.constFind(schluessel);
        if (stelle == gesehen.cend()) {
            gesehen.insert(schluessel, ergebnis.size());
            ergebnis.append(b);
        } else if (b.start < ergebnis[*stelle].start) {
            ergebnis[*stelle] = b;
        }
    }
    return ergebnis;
}

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
    // The marketplace counts characters, not UTF-16 units: an emoji is one.
    qsizetype zeichen = 0;
    qsizetype ab = -1;
    for (qsizetype i = 0; i < bezeichnung.size(); ++i) {
        if (bezeichnung[i].isLowSurrogate() && i > 0 && bezeichnung[i - 1].isHighSurrogate()) {
            continue;
        }
        if (++zeichen == kBezeichnungHoechstlaenge + 1) {
            ab = i;
        }
    }
    if (ab >= 0) {
        befunde.append(bezeichnungsBefund(kBezLang, bezeichnung.mid(ab), ab, bezeichnung.size() - ab));
    }
    symbole(bezeichnung, befunde);
    grossWorte(bezeichnung, befunde);
    return befunde;
}

namespace {

// What the phone app drops or refuses of a summary, wherever in the listing it stands.
QList<Befund> KurzfassungenPruefen(const ListingPruefEingabe& e) {
    QList<Befund> befunde;
    const QStringView geprueft = QStringView(e.listing).left(kListingHoechstlaenge);
    const auto befund = [&](const QString& regel, qsizetype start, qsizetype laenge) {
        befunde.append({BefundArt::Hinweis, regel, gekuerzt(geprueft.mid(start, laenge)),
                        HerkunftAn(e.herkunft, start), start, laenge, false});
    };
    for (const KurzfassungStelle& s : KurzfassungenFinden(geprueft)) {
        if (s.laenge > kKurzfassungGrenze) {
            befund(kKurzfassungLang, s.start + kKurzfassungGrenze, s.laenge - kKurzfassungGrenze);
        }
        if (s.fremderTagLaenge > 0) {
            befund(kKurzfassungTag, s.fremderTagStart, s.fremderTagLaenge);
        }
    }
    return befunde;
}

} // namespace

QList<Befund> ListingPruefen(const ListingPruefEingabe& eingabe) {
    QList<Befund> befunde = Pruefer(eingabe).pruefen();
    befunde.append(KurzfassungenPruefen(eingabe));
    befunde.append(BezeichnungPruefen(eingabe.bezeichnung));
    befunde.append(FotosPruefen(eingabe.fotos, eingabe.listing));
    befunde = zusammengefasst(befunde);
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
