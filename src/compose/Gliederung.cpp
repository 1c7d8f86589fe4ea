#include "compose/Gliederung.h"

#include <QHash>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// What the tree builder does with an element, by name.
enum Art : unsigned {
    kLeer = 1U << 0,
    kFormatierung = 1U << 1,
    kSpeziell = 1U << 2,
    kSchliesstP = 1U << 3,
    // Ends the scope in which end tags and implied ends look for their element.
    kGrenze = 1U << 4,
    kTabellengrenze = 1U << 5,
    // Formatting opened inside it ends with it.
    kMarke = 1U << 6,
    kRohtext = 1U << 7,
    // Special, yet formatting left open is opened again before it.
    kWiederherstellen = 1U << 8,
    // li, dd, dt: close one of their kind before them.
    kListenpunkt = 1U << 9,
    kUeberschrift = 1U << 10,
    // address, div and p do not stop a list item from closing the one before.
    kAdp = 1U << 11,
};

// The elements whose start or end tag the tree builder treats by a rule of their own.
enum class Rolle {
    Andere,
    P,
    Listenpunkt,
    Definition,
    Zelle,
    Zeile,
    Tabellenteil,
    Tabelle,
    Option,
    Knopf,
    Verweis,
    Nobr,
    Dokument,
};

void eintragen(QHash<QString, unsigned>& arten, std::initializer_list<const char*> namen, unsigned art) {
    for (const char* name : namen) {
        arten[QLatin1String(name)] |= art;
    }
}

const QHash<QString, unsigned>& artenTabelle() {
    static const QHash<QString, unsigned> arten = [] {
        QHash<QString, unsigned> a;
        eintragen(a, {"area",     "base", "basefont", "bgsound", "br",    "col",    "embed",
                      "frame",    "hr",   "image",    "img",     "input", "keygen", "link",
                      "menuitem", "meta", "param",    "source",  "track", "wbr"},
                  kLeer);
        eintragen(
            a,
            {"a", "b", "big", "code", "em", "font", "i", "nobr", "s", "small", "strike", "strong", "tt", "u"},
            kFormatierung);
        eintragen(a, {"address", "applet",     "area",     "article",    "aside",     "base",     "basefont",
                      "bgsound", "blockquote", "body",     "br",         "button",    "caption",  "center",
                      "col",     "colgroup",   "dd",       "details",    "dir",       "div",      "dl",
                      "dt",      "embed",      "fieldset", "figcaption", "figure",    "footer",   "form",
                      "frame",   "frameset",   "h1",       "h2",         "h3",        "h4",       "h5",
                      "h6",      "head",       "header",   "hgroup",     "hr",        "html",     "iframe",
                      "img",     "input",      "keygen",   "li",         "link",      "listing",  "main",
                      "marquee", "menu",       "meta",     "nav",        "noembed",   "noframes", "noscript",
                      "object",  "ol",         "p",        "param",      "plaintext", "pre",      "script",
                      "section", "select",     "source",   "style",      "summary",   "table",    "tbody",
                      "td",      "template",   "textarea", "tfoot",      "th",        "thead",    "title",
                      "tr",      "track",      "ul",       "wbr",        "xmp"},
                  kSpeziell);
        eintragen(a, {"address", "article",   "aside",    "blockquote", "center",  "details", "dialog", "dir",
                      "div",     "dl",        "fieldset", "figcaption", "figure",  "footer",  "form",   "h1",
                      "h2",      "h3",        "h4",       "h5",         "h6",      "header",  "hgroup", "hr",
                      "li",      "dd",        "dt",       "listing",    "main",    "menu",    "nav",    "ol",
                      "p",       "plaintext", "pre",      "section",    "summary", "ul",      "xmp"},
                  kSchliesstP);
        eintragen(a, {"applet", "caption", "html", "marquee", "object", "table", "td", "template", "th"},
                  kGrenze);
        eintragen(a, {"html", "table", "template"}, kTabellengrenze);
        eintragen(a, {"applet", "caption", "marquee", "object", "td", "template", "th"}, kMarke);
        eintragen(
            a, {"iframe", "noembed", "noframes", "plaintext", "script", "style", "textarea", "title", "xmp"},
            kRohtext);
        eintragen(a, {"applet", "area", "br", "embed", "img", "input", "keygen", "marquee", "object", "wbr"},
                  kWiederherstellen);
        eintragen(a, {"dd", "dt", "li"}, kListenpunkt);
        eintragen(a, {"h1", "h2", "h3", "h4", "h5", "h6"}, kUeberschrift);
        eintragen(a, {"address", "div", "p"}, kAdp);
        return a;
    }();
    return arten;
}

Rolle rolleVon(const QString& name) {
    static const QHash<QString, Rolle> rollen{
        {QStringLiteral("p"), Rolle::P},
        {QStringLiteral("li"), Rolle::Listenpunkt},
        {QStringLiteral("dd"), Rolle::Definition},
        {QStringLiteral("dt"), Rolle::Definition},
        {QStringLiteral("td"), Rolle::Zelle},
        {QStringLiteral("th"), Rolle::Zelle},
        {QStringLiteral("tr"), Rolle::Zeile},
        {QStringLiteral("tbody"), Rolle::Tabellenteil},
        {QStringLiteral("thead"), Rolle::Tabellenteil},
        {QStringLiteral("tfoot"), Rolle::Tabellenteil},
        {QStringLiteral("caption"), Rolle::Tabellenteil},
        {QStringLiteral("table"), Rolle::Tabelle},
        {QStringLiteral("option"), Rolle::Option},
        {QStringLiteral("optgroup"), Rolle::Option},
        {QStringLiteral("button"), Rolle::Knopf},
        {QStringLiteral("a"), Rolle::Verweis},
        {QStringLiteral("nobr"), Rolle::Nobr},
        {QStringLiteral("body"), Rolle::Dokument},
        {QStringLiteral("html"), Rolle::Dokument},
        {QStringLiteral("head"), Rolle::Dokument},
    };
    return rollen.value(name, Rolle::Andere);
}

// Element names as numbers, looked up by a hash the tokenizer computes while it reads the name.
class Namen {
public:
    static std::size_t hashVon(QStringView name) {
        std::size_t hash = 14695981039346656037ULL;
        for (const QChar c : name) {
            hash = (hash ^ c.unicode()) * 1099511628211ULL;
        }
        return hash;
    }

    int id(QStringView name) { return id(name, hashVon(name)); }

    int id(QStringView name, std::size_t hash) {
        std::size_t platz = hash & (m_plaetze.size() - 1);
        for (; m_plaetze[platz] >= 0; platz = (platz + 1) & (m_plaetze.size() - 1)) {
            const auto id = static_cast<std::size_t>(m_plaetze[platz]);
            if (m_hashes[id] == hash && m_namen[id] == name) {
                return m_plaetze[platz];
            }
        }
        const int neu = static_cast<int>(m_namen.size());
        m_namen.push_back(name.toString());
        m_hashes.push_back(hash);
        m_arten.push_back(artenTabelle().value(m_namen.back(), 0));
        m_rollen.push_back(rolleVon(m_namen.back()));
        m_plaetze[platz] = neu;
        if (m_namen.size() * 2 > m_plaetze.size()) {
            vergroessern();
        }
        return neu;
    }

    std::size_t anzahl() const { return m_namen.size(); }
    const QString& name(int id) const { return m_namen[static_cast<std::size_t>(id)]; }
    unsigned art(int id) const { return m_arten[static_cast<std::size_t>(id)]; }
    Rolle rolle(int id) const { return m_rollen[static_cast<std::size_t>(id)]; }

private:
    void vergroessern() {
        m_plaetze.assign(m_plaetze.size() * 2, -1);
        for (std::size_t id = 0; id < m_namen.size(); ++id) {
            std::size_t platz = m_hashes[id] & (m_plaetze.size() - 1);
            while (m_plaetze[platz] >= 0) {
                platz = (platz + 1) & (m_plaetze.size() - 1);
            }
            m_plaetze[platz] = static_cast<int>(id);
        }
    }

    std::vector<int> m_plaetze = std::vector<int>(64, -1);
    std::vector<std::size_t> m_hashes;
    std::vector<QString> m_namen;
    std::vector<unsigned> m_arten;
    std::vector<Rolle> m_rollen;
};

bool istLeer(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool istAsciiBuchstabe(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

QChar kleinAscii(QChar c) {
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? QChar(static_cast<char16_t>(u + 32)) : c;
}

// The innermost index of a stack of indices; -1 when it is empty.
int oben(const std::vector<int>& indizes) {
    return indizes.empty() ? -1 : indizes.back();
}

void streichen(std::vector<int>& indizes, int index) {
    const auto stelle = std::find(indizes.rbegin(), indizes.rend(), index);
    if (stelle != indizes.rend()) {
        indizes.erase(std::next(stelle).base());
    }
}

// The tree builder's stack of open elements and its list of active formatting elements, as far
// as the depth they reach depends on them.
class Baum {
public:
    struct Tag {
        int id = 0;
        unsigned art = 0;
        // The attributes as written, which tell formatting elements of one name apart.
        QStringView attribute;
        int attributAnzahl = 0;
    };

    // Each returns false once a limit is crossed; the builder then takes nothing more.
    bool start(const Tag& tag);
    bool ende(const Tag& tag);
    bool text() { return wiederherstellen(); }

    Grenze grenze() const { return m_grenze; }
    int hoechsteTiefe() const { return m_hoechsteTiefe; }
    Namen& namen() { return m_namen; }

private:
    struct Offen {
        int id = 0;
        bool lebt = true;
        // The formatting list's entry of this element; -1 for none.
        int serie = -1;
    };
    struct Formatierung {
        int id = 0;
        int serie = 0;
        QStringView attribute;
        int attributAnzahl = 0;
        bool aufStapel = true;
        bool marke = false;
    };

    void oeffnen(int id, int serie);
    void entfernen(int index);
    void schliessenBis(int index);
    int innerstes(int id) const {
        return static_cast<std::size_t>(id) < m_jeName.size() ? oben(m_jeName[static_cast<std::size_t>(id)])
                                                              : -1;
    }
    unsigned art(int id) const { return m_namen.art(id); }
    bool imBereich(int index, std::initializer_list<int> grenzen) const;
    void pSchliessen();
    void listenpunktSchliessen(std::initializer_list<int> arten);
    void tabellenteileSchliessen(std::initializer_list<int> teile);
    void vorStart(const Tag& tag);
    bool formatierungEnde(const Tag& tag, bool erzwingen);
    void andererEnde(const Tag& tag);
    bool formatierungAufnehmen(const Tag& tag);
    bool wiederherstellen();
    qsizetype letzteMarke() const;
    Formatierung* eintrag(int serie);
    bool begrenzen(Grenze grenze) {
        m_grenze = grenze;
        return false;
    }

    Namen m_namen;
    std::vector<std::vector<int>> m_jeName;
    std::vector<Offen> m_stapel;
    int m_tiefe = 0;
    int m_hoechsteTiefe = 0;
    std::vector<int> m_grenzen;
    std::vector<int> m_tabellengrenzen;
    std::vector<int> m_spezielle;
    std::vector<int> m_spezielleOhneAdp;
    std::vector<Formatierung> m_liste;
    int m_naechsteSerie = 0;
    int m_neueroeffnungen = 0;
    Grenze m_grenze = Grenze::Keine;

    // Names the rules below ask for.
    int m_p = m_namen.id(u"p");
    int m_button = m_namen.id(u"button");
    int m_li = m_namen.id(u"li");
    int m_dd = m_namen.id(u"dd");
    int m_dt = m_namen.id(u"dt");
    int m_ol = m_namen.id(u"ol");
    int m_ul = m_namen.id(u"ul");
    int m_nobr = m_namen.id(u"nobr");
    int m_table = m_namen.id(u"table");
    int m_td = m_namen.id(u"td");
    int m_th = m_namen.id(u"th");
    int m_tr = m_namen.id(u"tr");
    int m_caption = m_namen.id(u"caption");
    int m_tbody = m_namen.id(u"tbody");
    int m_thead = m_namen.id(u"thead");
    int m_tfoot = m_namen.id(u"tfoot");
    int m_option = m_namen.id(u"option");
};

void Baum::oeffnen(int id, int serie) {
    if (m_jeName.size() < m_namen.anzahl()) {
        m_jeName.resize(m_namen.anzahl());
    }
    const int index = static_cast<int>(m_stapel.size());
    m_stapel.push_back({id, true, serie});
    m_jeName[static_cast<std::size_t>(id)].push_back(index);
    const unsigned a = art(id);
    if ((a & kGrenze) != 0) {
        m_grenzen.push_back(index);
    }
    if ((a & kTabellengrenze) != 0) {
        m_tabellengrenzen.push_back(index);
    }
    if ((a & kSpeziell) != 0) {
        m_spezielle.push_back(index);
        if ((a & kAdp) == 0) {
            m_spezielleOhneAdp.push_back(index);
        }
    }
    if ((a & kMarke) != 0) {
        m_liste.push_back({id, -1, {}, 0, false, true});
    }
    // The element that crosses the limit is not part of what the parser reads.
    if (++m_tiefe <= kHoechsteTiefe) {
        m_hoechsteTiefe = std::max(m_hoechsteTiefe, m_tiefe);
    }
}

// Takes the element off the stack; formatting stays in the list, to be opened again.
void Baum::entfernen(int index) {
    Offen& offen = m_stapel[static_cast<std::size_t>(index)];
    if (!offen.lebt) {
        return;
    }
    offen.lebt = false;
    --m_tiefe;
    streichen(m_jeName[static_cast<std::size_t>(offen.id)], index);
    const unsigned a = art(offen.id);
    if ((a & kGrenze) != 0) {
        streichen(m_grenzen, index);
    }
    if ((a & kTabellengrenze) != 0) {
        streichen(m_tabellengrenzen, index);
    }
    if ((a & kSpeziell) != 0) {
        streichen(m_spezielle, index);
        if ((a & kAdp) == 0) {
            streichen(m_spezielleOhneAdp, index);
        }
    }
    if ((a & kMarke) != 0) {
        const qsizetype marke = letzteMarke();
        if (marke >= 0) {
            m_liste.erase(m_liste.begin() + marke, m_liste.end());
        }
    }
    if (Formatierung* f = eintrag(offen.serie)) {
        f->aufStapel = false;
    }
}

void Baum::schliessenBis(int index) {
    while (static_cast<int>(m_stapel.size()) > index) {
        entfernen(static_cast<int>(m_stapel.size()) - 1);
        m_stapel.pop_back();
    }
}

// Whether the element at `index` is in scope: no boundary of the given kinds above it.
bool Baum::imBereich(int index, std::initializer_list<int> grenzen) const {
    if (index < 0) {
        return false;
    }
    int grenze = oben(m_grenzen);
    for (const int name : grenzen) {
        grenze = std::max(grenze, innerstes(name));
    }
    return grenze <= index;
}

void Baum::pSchliessen() {
    const int p = innerstes(m_p);
    if (imBereich(p, {m_button})) {
        schliessenBis(p);
    }
}

// Another list item closes the open one, unless a special element other than address, div and
// p stands between them.
void Baum::listenpunktSchliessen(std::initializer_list<int> arten) {
    int punkt = -1;
    for (const int a : arten) {
        punkt = std::max(punkt, innerstes(a));
    }
    if (punkt >= 0 && oben(m_spezielleOhneAdp) <= punkt) {
        schliessenBis(punkt);
    }
}

qsizetype Baum::letzteMarke() const {
    for (auto i = static_cast<qsizetype>(m_liste.size()); i > 0; --i) {
        if (m_liste[static_cast<std::size_t>(i - 1)].marke) {
            return i - 1;
        }
    }
    return -1;
}

Baum::Formatierung* Baum::eintrag(int serie) {
    if (serie < 0) {
        return nullptr;
    }
    const auto stelle = std::find_if(m_liste.rbegin(), m_liste.rend(),
                                     [serie](const Formatierung& f) { return f.serie == serie; });
    return stelle == m_liste.rend() ? nullptr : &*stelle;
}

// Formatting left off the stack is made anew before text and most elements, each time.
bool Baum::wiederherstellen() {
    if (m_liste.empty() || m_liste.back().marke || m_liste.back().aufStapel) {
        return true;
    }
    std::size_t von = m_liste.size() - 1;
    while (von > 0 && !m_liste[von - 1].marke && !m_liste[von - 1].aufStapel) {
        --von;
    }
    for (std::size_t i = von; i < m_liste.size(); ++i) {
        Formatierung& f = m_liste[i];
        oeffnen(f.id, f.serie);
        f.aufStapel = true;
        m_neueroeffnungen += 1 + f.attributAnzahl;
    }
    if (m_neueroeffnungen > kHoechsteNeueroeffnungen || m_tiefe > kHoechsteTiefe) {
        return begrenzen(Grenze::Tiefe);
    }
    return true;
}

// At most three alike formatting elements count; the oldest goes.
bool Baum::formatierungAufnehmen(const Tag& tag) {
    const qsizetype marke = letzteMarke();
    qsizetype gleiche = 0;
    qsizetype aeltestes = -1;
    for (auto i = static_cast<qsizetype>(m_liste.size()); i > marke + 1; --i) {
        const Formatierung& f = m_liste[static_cast<std::size_t>(i - 1)];
        if (f.id == tag.id && f.attribute == tag.attribute) {
            ++gleiche;
            aeltestes = i - 1;
        }
    }
    if (gleiche >= 3) {
        m_liste.erase(m_liste.begin() + aeltestes);
    }
    if (static_cast<qsizetype>(m_liste.size()) - marke - 1 >= kHoechsteFormatierungen) {
        return begrenzen(Grenze::Tiefe);
    }
    const int serie = m_naechsteSerie++;
    m_liste.push_back({tag.id, serie, tag.attribute, tag.attributAnzahl, true, false});
    oeffnen(tag.id, serie);
    return true;
}

void Baum::tabellenteileSchliessen(std::initializer_list<int> teile) {
    for (const int teil : teile) {
        const int offen = innerstes(teil);
        if (offen >= 0 && oben(m_tabellengrenzen) <= offen) {
            schliessenBis(offen);
        }
    }
}

// The ends a start tag implies: an open p before a block, a list item before the next, a cell
// before the next cell, a link before a link.
void Baum::vorStart(const Tag& tag) {
    if ((tag.art & kSchliesstP) != 0) {
        pSchliessen();
    }
    switch (m_namen.rolle(tag.id)) {
    case Rolle::Listenpunkt:
        listenpunktSchliessen({m_li});
        break;
    case Rolle::Definition:
        listenpunktSchliessen({m_dd, m_dt});
        break;
    case Rolle::Zelle:
        tabellenteileSchliessen({m_td, m_th});
        break;
    case Rolle::Zeile:
        tabellenteileSchliessen({m_td, m_th, m_tr});
        break;
    case Rolle::Tabellenteil:
        tabellenteileSchliessen({m_td, m_th, m_tr, m_tbody, m_thead, m_tfoot, m_caption});
        break;
    case Rolle::Tabelle: {
        // A table straight inside a table ends it; inside a cell it nests.
        const int tabelle = innerstes(m_table);
        if (tabelle >= 0 && oben(m_grenzen) == tabelle) {
            schliessenBis(tabelle);
        }
        break;
    }
    case Rolle::Option:
        if (!m_stapel.empty() && m_stapel.back().lebt && m_stapel.back().id == m_option) {
            schliessenBis(static_cast<int>(m_stapel.size()) - 1);
        }
        break;
    case Rolle::Knopf:
        if (imBereich(innerstes(m_button), {})) {
            schliessenBis(innerstes(m_button));
        }
        break;
    case Rolle::Verweis:
        formatierungEnde(tag, true);
        break;
    case Rolle::Nobr:
        if (imBereich(innerstes(m_nobr), {})) {
            formatierungEnde(tag, true);
        }
        break;
    default:
        if ((tag.art & kUeberschrift) != 0 && !m_stapel.empty() && m_stapel.back().lebt &&
            (art(m_stapel.back().id) & kUeberschrift) != 0) {
            schliessenBis(static_cast<int>(m_stapel.size()) - 1);
        }
        break;
    }
}

bool Baum::start(const Tag& tag) {
    if (m_grenze != Grenze::Keine) {
        return false;
    }
    if (tag.attributAnzahl > kHoechsteAttribute) {
        return begrenzen(Grenze::Attribute);
    }
    vorStart(tag);
    const unsigned a = tag.art;
    if (((a & kSpeziell) == 0 || (a & kWiederherstellen) != 0) && !wiederherstellen()) {
        return false;
    }
    // Elements a browser never opens in the body: void ones, and the document's own.
    if ((a & kLeer) != 0 || m_namen.rolle(tag.id) == Rolle::Dokument) {
        return true;
    }
    if ((a & kFormatierung) != 0) {
        if (!formatierungAufnehmen(tag)) {
            return false;
        }
    } else {
        oeffnen(tag.id, -1);
    }
    return m_tiefe <= kHoechsteTiefe || begrenzen(Grenze::Tiefe);
}

// The adoption of misnested formatting, as far as the stack goes: with a special element above
// it, only the formatting element leaves the stack; without, everything above it closes too.
// A link before a link goes in any case (`erzwingen`). False when the list does not hold it.
bool Baum::formatierungEnde(const Tag& tag, bool erzwingen) {
    const qsizetype marke = letzteMarke();
    qsizetype stelle = -1;
    for (auto i = static_cast<qsizetype>(m_liste.size()); i > marke + 1; --i) {
        if (m_liste[static_cast<std::size_t>(i - 1)].id == tag.id) {
            stelle = i - 1;
            break;
        }
    }
    if (stelle < 0) {
        return false;
    }
    const Formatierung f = m_liste[static_cast<std::size_t>(stelle)];
    const int index = innerstes(tag.id);
    const bool offen = f.aufStapel && index >= 0;
    if (offen && !erzwingen && !imBereich(index, {})) {
        return true;
    }
    m_liste.erase(m_liste.begin() + stelle);
    if (!offen) {
        return true;
    }
    m_stapel[static_cast<std::size_t>(index)].serie = -1;
    if (erzwingen || oben(m_spezielle) > index) {
        entfernen(index);
    } else {
        schliessenBis(index);
    }
    return true;
}

void Baum::andererEnde(const Tag& tag) {
    const int index = innerstes(tag.id);
    if (index < 0) {
        return;
    }
    const unsigned a = tag.art;
    const Rolle rolle = m_namen.rolle(tag.id);
    bool schliesst = false;
    if (rolle == Rolle::Listenpunkt || rolle == Rolle::Definition) {
        schliesst = imBereich(index, {m_ol, m_ul});
    } else if ((a & kTabellengrenze) != 0 || rolle == Rolle::Zeile || rolle == Rolle::Tabellenteil) {
        schliesst = oben(m_tabellengrenzen) <= index;
    } else if (rolle == Rolle::P) {
        schliesst = imBereich(index, {m_button});
    } else if ((a & kSpeziell) != 0) {
        schliesst = imBereich(index, {});
    } else {
        // Any other element closes only when no special element stands above it.
        schliesst = oben(m_spezielle) < index;
    }
    if (schliesst) {
        schliessenBis(index);
    }
}

bool Baum::ende(const Tag& tag) {
    if (m_grenze != Grenze::Keine) {
        return false;
    }
    if (tag.attributAnzahl > kHoechsteAttribute) {
        return begrenzen(Grenze::Attribute);
    }
    if (m_namen.rolle(tag.id) == Rolle::Dokument) {
        return true;
    }
    if ((tag.art & kFormatierung) == 0 || !formatierungEnde(tag, false)) {
        andererEnde(tag);
    }
    return true;
}

// The tokenizer's part: tags, attributes, comments and raw text, and the watched elements.
class Leser {
public:
    Leser(QStringView html, const QStringList& beobachtet)
        : m_html(html), m_beobachtet(beobachtet), m_offen(static_cast<std::size_t>(beobachtet.size())) {
        m_name.reserve(16);
    }

    Gliederung lesen() {
        const qsizetype n = m_html.size();
        while (m_i < n) {
            const qsizetype lt = m_html.indexOf(u'<', m_i);
            const qsizetype textEnde = lt < 0 ? n : lt;
            if (textEnde > m_i) {
                text(m_i, textEnde);
            }
            if (lt < 0) {
                break;
            }
            m_i = lt;
            markup();
        }
        return ergebnis();
    }

private:
    QChar an(qsizetype i) const { return i < m_html.size() ? m_html[i] : QChar(); }

    void text(qsizetype von, qsizetype bis) {
        if (m_baum.grenze() == Grenze::Keine && !m_baum.text()) {
            grenzeMerken(von, bis - von);
        }
    }

    void markup() {
        const qsizetype von = m_i;
        const QChar c = an(von + 1);
        if (c == u'!') {
            if (m_html.mid(von).startsWith(u"<!--")) {
                kommentar(von + 4);
            } else if (m_fremd > 0 && m_html.mid(von).startsWith(u"<![CDATA[")) {
                const qsizetype ende = m_html.indexOf(u"]]>", von + 9);
                m_i = ende < 0 ? m_html.size() : ende + 3;
            } else {
                bisSpitzeKlammer(von + 2);
            }
        } else if (c == u'?') {
            bisSpitzeKlammer(von + 1);
        } else if (c == u'/') {
            const QChar d = an(von + 2);
            if (istAsciiBuchstabe(d)) {
                tag(von, true);
            } else if (d == u'>') {
                m_i = von + 3;
            } else {
                // "</ strong>" is a comment to a browser, not an end tag.
                bisSpitzeKlammer(von + 2);
            }
        } else if (istAsciiBuchstabe(c)) {
            tag(von, false);
        } else {
            text(von, von + 1);
            m_i = von + 1;
        }
    }

    void bisSpitzeKlammer(qsizetype von) {
        const qsizetype ende = m_html.indexOf(u'>', von);
        m_i = ende < 0 ? m_html.size() : ende + 1;
    }

    void kommentar(qsizetype von) {
        if (an(von) == u'>') {
            m_i = von + 1;
            return;
        }
        if (an(von) == u'-' && an(von + 1) == u'>') {
            m_i = von + 2;
            return;
        }
        qsizetype k = von;
        while (true) {
            const qsizetype j = m_html.indexOf(u"--", k);
            if (j < 0) {
                m_i = m_html.size();
                return;
            }
            if (an(j + 2) == u'>') {
                m_i = j + 3;
                return;
            }
            if (an(j + 2) == u'!' && an(j + 3) == u'>') {
                m_i = j + 4;
                return;
            }
            k = j + 1;
        }
    }

    void tag(qsizetype von, bool ende) {
        const qsizetype n = m_html.size();
        const qsizetype nameVon = von + (ende ? 2 : 1);
        qsizetype k = nameVon;
        bool gross = false;
        std::size_t hash = 14695981039346656037ULL;
        while (k < n && !istLeer(m_html[k]) && m_html[k] != u'/' && m_html[k] != u'>') {
            const QChar c = kleinAscii(m_html[k]);
            gross = gross || c != m_html[k];
            hash = (hash ^ c.unicode()) * 1099511628211ULL;
            ++k;
        }
        QStringView name = m_html.mid(nameVon, k - nameVon);
        if (gross) {
            m_name.resize(0);
            for (const QChar c : name) {
                m_name += kleinAscii(c);
            }
            name = m_name;
        }
        const qsizetype attributeVon = k;
        int anzahl = 0;
        bool selbstschliessend = false;
        while (k < n && m_html[k] != u'>') {
            const QChar c = m_html[k];
            if (istLeer(c)) {
                ++k;
            } else if (c == u'/') {
                selbstschliessend = an(k + 1) == u'>';
                ++k;
            } else {
                k = attributUeberspringen(k);
                ++anzahl;
            }
        }
        if (k >= n) {
            // A tag cut off by the end of the text is no tag to a browser.
            m_i = n;
            return;
        }
        m_i = k + 1;
        Baum::Tag t;
        t.id = m_baum.namen().id(name, hash);
        t.art = m_baum.namen().art(t.id);
        t.attribute = m_html.mid(attributeVon, k - attributeVon);
        t.attributAnzahl = anzahl;
        if (ende) {
            endTag(t, von);
        } else {
            startTag(t, von, selbstschliessend);
        }
    }

    // Which watched element the name is; -1 for none.
    qsizetype beobachtet(int id) {
        while (m_beobachtetJeId.size() <= static_cast<std::size_t>(id)) {
            m_beobachtetJeId.push_back(
                m_beobachtet.indexOf(m_baum.namen().name(static_cast<int>(m_beobachtetJeId.size()))));
        }
        return m_beobachtetJeId[static_cast<std::size_t>(id)];
    }

    // Name, "=" and value of one attribute; returns where the next one may begin.
    qsizetype attributUeberspringen(qsizetype k) const {
        const qsizetype n = m_html.size();
        ++k;
        while (k < n && !istLeer(m_html[k]) && m_html[k] != u'/' && m_html[k] != u'>' && m_html[k] != u'=') {
            ++k;
        }
        while (k < n && istLeer(m_html[k])) {
            ++k;
        }
        if (k >= n || m_html[k] != u'=') {
            return k;
        }
        ++k;
        while (k < n && istLeer(m_html[k])) {
            ++k;
        }
        if (k < n && (m_html[k] == u'"' || m_html[k] == u'\'')) {
            const qsizetype ende = m_html.indexOf(m_html[k], k + 1);
            return ende < 0 ? n : ende + 1;
        }
        while (k < n && !istLeer(m_html[k]) && m_html[k] != u'>') {
            ++k;
        }
        return k;
    }

    void startTag(const Baum::Tag& t, qsizetype von, bool selbstschliessend) {
        const bool fremd = m_fremd > 0;
        const qsizetype watched = beobachtet(t.id);
        if (watched >= 0 && !(fremd && selbstschliessend)) {
            m_offen[static_cast<std::size_t>(watched)].push_back(m_beobachtetStarts.size());
            m_beobachtetStarts.push_back({von, m_i - von, watched, false});
        }
        const QString& name = m_baum.namen().name(t.id);
        if (m_baum.grenze() == Grenze::Keine) {
            // Foreign content closes what ends in "/>"; the rest nests as in HTML.
            if (!(fremd && selbstschliessend) && !m_baum.start(t)) {
                grenzeMerken(von, m_i - von);
            }
        }
        if ((name == u"svg" || name == u"math") && !selbstschliessend) {
            ++m_fremd;
        } else if (!fremd && (t.art & kRohtext) != 0) {
            rohtextUeberspringen(name);
        }
    }

    void endTag(const Baum::Tag& t, qsizetype von) {
        const qsizetype watched = beobachtet(t.id);
        if (watched >= 0 && !m_offen[static_cast<std::size_t>(watched)].empty()) {
            m_beobachtetStarts[m_offen[static_cast<std::size_t>(watched)].back()].geschlossen = true;
            m_offen[static_cast<std::size_t>(watched)].pop_back();
        }
        const QString& name = m_baum.namen().name(t.id);
        if ((name == u"svg" || name == u"math") && m_fremd > 0) {
            --m_fremd;
        }
        if (m_baum.grenze() == Grenze::Keine && !m_baum.ende(t)) {
            grenzeMerken(von, m_i - von);
        }
    }

    // Up to the element's own end tag: no markup inside scripts, styles and their kin.
    void rohtextUeberspringen(const QString& name) {
        if (name == u"plaintext") {
            m_i = m_html.size();
            return;
        }
        qsizetype k = m_i;
        while (true) {
            const qsizetype j = m_html.indexOf(u"</", k);
            if (j < 0) {
                m_i = m_html.size();
                return;
            }
            const qsizetype nach = j + 2 + name.size();
            if (m_html.mid(j + 2, name.size()).compare(name, Qt::CaseInsensitive) == 0 &&
                (nach >= m_html.size() || istLeer(m_html[nach]) || m_html[nach] == u'/' ||
                 m_html[nach] == u'>')) {
                m_i = j;
                return;
            }
            k = j + 2;
        }
    }

    void grenzeMerken(qsizetype von, qsizetype laenge) {
        m_grenzeStart = von;
        m_grenzeLaenge = laenge;
    }

    Gliederung ergebnis() const {
        Gliederung g;
        g.grenze = m_baum.grenze();
        g.bis = g.grenze == Grenze::Keine ? m_html.size() : m_grenzeStart;
        g.grenzeStart = m_grenzeStart;
        g.grenzeLaenge = m_grenzeLaenge;
        g.tiefe = m_baum.hoechsteTiefe();
        for (const Start& s : m_beobachtetStarts) {
            if (!s.geschlossen) {
                g.offen.append({m_beobachtet[s.beobachtet], s.beobachtet, s.start, s.laenge});
            }
        }
        return g;
    }

    // A start tag of a watched element, in the order of the text.
    struct Start {
        qsizetype start = 0;
        qsizetype laenge = 0;
        qsizetype beobachtet = 0;
        bool geschlossen = false;
    };

    QStringView m_html;
    const QStringList& m_beobachtet;
    std::vector<Start> m_beobachtetStarts;
    // For each watched element, its start tags still open, innermost last.
    std::vector<std::vector<std::size_t>> m_offen;
    std::vector<qsizetype> m_beobachtetJeId;
    Baum m_baum;
    qsizetype m_i = 0;
    // Open svg and math elements, inside which "/>" closes and CDATA sections exist.
    int m_fremd = 0;
    QString m_name;
    qsizetype m_grenzeStart = 0;
    qsizetype m_grenzeLaenge = 0;
};

} // namespace

Gliederung GliederungLesen(QStringView html, const QStringList& beobachtet) {
    return Leser(html, beobachtet).lesen();
}
