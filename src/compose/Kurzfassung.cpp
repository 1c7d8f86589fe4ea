#include "compose/Kurzfassung.h"

#include "core/TextDatei.h"

#include <QRegularExpression>

#include <algorithm>
#include <gumbo.h>
#include <memory>
#include <vector>

namespace {

const QString kZeilenTrenner = QStringLiteral("<br>");
const QString kAuslassung = QStringLiteral("…");
// "<ul>" and "</ul>" around the list, "<li>" and "</li>" around every line.
constexpr qsizetype kListenRahmen = 9;
constexpr qsizetype kZeilenRahmen = 9;

struct GumboFrei {
    void operator()(GumboOutput* ausgabe) const { gumbo_destroy_output(&kGumboDefaultOptions, ausgabe); }
};
using Baum = std::unique_ptr<GumboOutput, GumboFrei>;

Baum parsen(const QByteArray& utf8) {
    GumboOptions optionen = kGumboDefaultOptions;
    optionen.max_errors = 0;
    return Baum(gumbo_parse_with_options(&optionen, utf8.constData(), static_cast<size_t>(utf8.size())));
}

const GumboVector* kinder(const GumboNode* knoten) {
    if (knoten->type == GUMBO_NODE_DOCUMENT) {
        return &knoten->v.document.children;
    }
    if (knoten->type == GUMBO_NODE_ELEMENT || knoten->type == GUMBO_NODE_TEMPLATE) {
        return &knoten->v.element.children;
    }
    return nullptr;
}

// Pushes the children so that they come off the stack in the order of the text.
template <typename Eintrag, typename Machen>
void kinderAuflegen(std::vector<Eintrag>& stapel, const GumboNode* knoten, Machen machen) {
    if (const GumboVector* k = kinder(knoten)) {
        for (unsigned int i = k->length; i > 0; --i) {
            stapel.push_back(machen(static_cast<const GumboNode*>(k->data[i - 1])));
        }
    }
}

bool trenntWoerter(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_BR:
    case GUMBO_TAG_P:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
        return true;
    default:
        return false;
    }
}

// The shown text below a node; without recursion, for deeply nested markup.
QString textUnter(const GumboNode* wurzel) {
    QString text;
    std::vector<const GumboNode*> stapel{wurzel};
    while (!stapel.empty()) {
        const GumboNode* knoten = stapel.back();
        stapel.pop_back();
        if (knoten->type == GUMBO_NODE_TEXT || knoten->type == GUMBO_NODE_WHITESPACE ||
            knoten->type == GUMBO_NODE_CDATA) {
            text += QString::fromUtf8(knoten->v.text.text);
            continue;
        }
        if (knoten->type == GUMBO_NODE_ELEMENT) {
            const GumboTag tag = knoten->v.element.tag;
            if (tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE) {
                continue;
            }
            if (trenntWoerter(tag)) {
                text += QLatin1Char(' ');
            }
        }
        kinderAuflegen(stapel, knoten, [](const GumboNode* k) { return k; });
    }
    return text;
}

template <typename Besuch> void elementeBesuchen(const GumboNode* wurzel, Besuch besuch) {
    std::vector<const GumboNode*> stapel{wurzel};
    while (!stapel.empty()) {
        const GumboNode* knoten = stapel.back();
        stapel.pop_back();
        if (knoten->type == GUMBO_NODE_ELEMENT && besuch(knoten->v.element)) {
            continue;
        }
        kinderAuflegen(stapel, knoten, [](const GumboNode* k) { return k; });
    }
}

QString escaped(const QString& text) {
    return MitZeichenverweisen(text.toHtmlEscaped());
}

// The text when it fits into `platz` characters once escaped; else its first words and "…";
// empty when not even one word fits.
QString passend(const QString& text, qsizetype platz) {
    if (escaped(text).size() <= platz) {
        return text;
    }
    const qsizetype rest = platz - kAuslassung.size();
    QString ergebnis;
    qsizetype laenge = 0;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype dazu = escaped(wort).size() + (ergebnis.isEmpty() ? 0 : 1);
        if (laenge + dazu > rest) {
            break;
        }
        ergebnis += (ergebnis.isEmpty() ? QString() : QStringLiteral(" ")) + wort;
        laenge += dazu;
    }
    return ergebnis.isEmpty() ? QString() : ergebnis + kAuslassung;
}

// Whole sentences while they fit; a first sentence too long for the room is cut at a word.
QString ersteSaetze(const QString& text, qsizetype platz) {
    static const QRegularExpression satzende(QStringLiteral("(?<=[.!?])\\s+"));
    QString ergebnis;
    for (const QString& satz : text.split(satzende, Qt::SkipEmptyParts)) {
        const QString laenger = ergebnis.isEmpty() ? satz : ergebnis + QLatin1Char(' ') + satz;
        if (escaped(laenger).size() > platz) {
            break;
        }
        ergebnis = laenger;
    }
    return ergebnis.isEmpty() ? passend(text, platz) : ergebnis;
}

QStringList tabellenBeschriftungen(const QString& artikelArt) {
    if (artikelArt == u"Buch") {
        return {QStringLiteral("Autor"),         QStringLiteral("Verlag"), QStringLiteral("Sprache"),
                QStringLiteral("Anzahl Seiten"), QStringLiteral("Art"),    QStringLiteral("Zustand")};
    }
    if (artikelArt == u"Kleidung") {
        return {QStringLiteral("Größe"), QStringLiteral("Material"), QStringLiteral("Farbe"),
                QStringLiteral("Zustand")};
    }
    return {};
}

// A value the book or clothing window leaves as its prompt or placeholder says nothing.
bool ausgefuellt(const QString& wert) {
    return !wert.isEmpty() && !wert.contains(QLatin1String("??")) && !wert.endsWith(u"wählen");
}

QString versandZeile(const QString& kosten, const QString& art) {
    const QString k = KlarText(kosten);
    if (k.isEmpty()) {
        return {};
    }
    const QString betrag = k.contains(u'€') ? k : k + QStringLiteral(" €");
    const QString a = KlarText(art);
    return QStringLiteral("Versand: ") + betrag + (a.isEmpty() ? QString() : QStringLiteral(" (") + a + u')');
}

QStringList festeZeilen(const KurzfassungAngaben& a) {
    QStringList zeilen;
    const QString titel = KlarText(a.titel);
    zeilen.append(titel.isEmpty() ? KlarText(a.bezeichnung) : titel);
    const QString gebot = KlarText(a.aufWasBieten);
    if (!gebot.isEmpty()) {
        zeilen.append(QStringLiteral("Sie bieten auf ") + gebot);
    }
    const QList<TabellenZeile> tabelle = TabellenZeilen(a.tabelle);
    for (const QString& name : tabellenBeschriftungen(a.artikelArt)) {
        for (const TabellenZeile& z : tabelle) {
            if (z.beschriftung == name && ausgefuellt(z.wert)) {
                zeilen.append(name + QStringLiteral(": ") + z.wert);
                break;
            }
        }
    }
    zeilen.append(versandZeile(a.versandkosten, a.versandArt));
    zeilen.removeAll(QString());
    return zeilen;
}

// Byte offsets of gumbo's input as positions in the text, all in one pass.
void inPositionen(const QByteArray& utf8, std::vector<qsizetype*>& offsets) {
    std::sort(offsets.begin(), offsets.end(), [](const qsizetype* a, const qsizetype* b) { return *a < *b; });
    qsizetype byte = 0;
    qsizetype zeichen = 0;
    for (qsizetype* o : offsets) {
        zeichen += QString::fromUtf8(utf8.constData() + byte, *o - byte).size();
        byte = *o;
        *o = zeichen;
    }
}

bool istKurzfassungsSpanne(const GumboElement& el) {
    if (el.tag != GUMBO_TAG_SPAN) {
        return false;
    }
    const GumboAttribute* property = gumbo_get_attribute(&el.attributes, "property");
    static const QRegularExpression leer(QStringLiteral("\\s+"));
    return property != nullptr && QString::fromUtf8(property->value)
                                      .split(leer, Qt::SkipEmptyParts)
                                      .contains(QStringLiteral("description"), Qt::CaseInsensitive);
}

bool erlaubt(GumboTag tag) {
    return tag == GUMBO_TAG_UL || tag == GUMBO_TAG_OL || tag == GUMBO_TAG_LI || tag == GUMBO_TAG_BR;
}

} // namespace

QString KlarText(const QString& html) {
    if (!html.contains(u'<') && !html.contains(u'&')) {
        return html.simplified();
    }
    const QByteArray utf8 = html.toUtf8();
    const Baum baum = parsen(utf8);
    return textUnter(baum->root).simplified();
}

QList<TabellenZeile> TabellenZeilen(const QString& html) {
    QList<TabellenZeile> zeilen;
    if (!html.contains(QLatin1String("<t"), Qt::CaseInsensitive)) {
        return zeilen;
    }
    const QByteArray utf8 = html.toUtf8();
    const Baum baum = parsen(utf8);
    elementeBesuchen(baum->root, [&zeilen](const GumboElement& el) {
        if (el.tag != GUMBO_TAG_TR) {
            return false;
        }
        QStringList zellen;
        for (unsigned int i = 0; i < el.children.length; ++i) {
            const auto* kind = static_cast<const GumboNode*>(el.children.data[i]);
            if (kind->type == GUMBO_NODE_ELEMENT &&
                (kind->v.element.tag == GUMBO_TAG_TD || kind->v.element.tag == GUMBO_TAG_TH)) {
                const QString zelle = textUnter(kind).simplified();
                if (!zelle.isEmpty()) {
                    zellen.append(zelle);
                }
            }
        }
        if (zellen.size() >= 2) {
            QString beschriftung = zellen.takeFirst();
            if (beschriftung.endsWith(u':')) {
                beschriftung.chop(1);
            }
            zeilen.append({beschriftung.trimmed(), zellen.join(QLatin1Char(' '))});
        }
        return true;
    });
    return zeilen;
}

QStringList KurzfassungBilden(const KurzfassungAngaben& angaben) {
    QStringList zeilen;
    qsizetype platz = kKurzfassungGrenze - kListenRahmen;
    for (const QString& zeile : festeZeilen(angaben)) {
        const QString teil = passend(zeile, platz - kZeilenRahmen);
        if (!teil.isEmpty()) {
            zeilen.append(teil);
            platz -= kZeilenRahmen + escaped(teil).size();
        }
    }
    const QString beschreibung = ersteSaetze(KlarText(angaben.beschreibung), platz - kZeilenRahmen);
    if (!beschreibung.isEmpty()) {
        zeilen.append(beschreibung);
    }
    return zeilen;
}

QString KurzfassungInhalt(const QStringList& zeilen) {
    QString inhalt = QStringLiteral("<ul>");
    for (const QString& zeile : zeilen) {
        inhalt += QStringLiteral("<li>") + escaped(zeile) + QStringLiteral("</li>");
    }
    return inhalt + QStringLiteral("</ul>");
}

qsizetype KurzfassungZeichen(const QStringList& zeilen) {
    return zeilen.isEmpty() ? 0 : KurzfassungInhalt(zeilen).size();
}

QString KurzfassungBlock(const QStringList& zeilen) {
    if (zeilen.isEmpty()) {
        return {};
    }
    // The block stands before the template, whose style reaches only its own part.
    return QStringLiteral("<div vocab=\"https://schema.org/\" typeof=\"Product\" "
                          "style=\"box-sizing:border-box;max-width:700px;margin:0 auto 12px auto;padding:2px "
                          "12px;border:1px solid #c8d4e0;"
                          "background:#f4f7fa;color:#222222;font-family:Verdana,Arial,Helvetica,sans-serif;"
                          "font-size:15px;line-height:1.5;\">"
                          "<span property=\"description\">") +
           KurzfassungInhalt(zeilen) + QStringLiteral("</span></div>\r\n");
}

QString KurzfassungAlsZeile(const QStringList& zeilen) {
    return zeilen.join(kZeilenTrenner);
}

QStringList KurzfassungAusZeile(const QString& zeile) {
    return zeile.split(kZeilenTrenner, Qt::SkipEmptyParts);
}

QList<KurzfassungStelle> KurzfassungenFinden(QStringView listing) {
    QList<KurzfassungStelle> stellen;
    if (!listing.contains(QLatin1String("description"), Qt::CaseInsensitive)) {
        return stellen;
    }
    const QByteArray utf8 = listing.toUtf8();
    const Baum baum = parsen(utf8);
    const auto byte = [&utf8](const char* zeiger) {
        return static_cast<qsizetype>(zeiger - utf8.constData());
    };
    // The places are byte offsets until the walk is done.
    std::vector<KurzfassungStelle> roh;
    // Each node with the summary it stands in, or -1.
    struct Eintrag {
        const GumboNode* knoten;
        qsizetype stelle;
    };
    std::vector<Eintrag> stapel{{baum->root, -1}};
    while (!stapel.empty()) {
        const GumboNode* knoten = stapel.back().knoten;
        qsizetype stelle = stapel.back().stelle;
        stapel.pop_back();
        if (knoten->type == GUMBO_NODE_ELEMENT) {
            const GumboElement& el = knoten->v.element;
            const GumboStringPiece& tag = el.original_tag;
            const qsizetype tagEnde = byte(tag.data) + static_cast<qsizetype>(tag.length);
            if (stelle < 0 && istKurzfassungsSpanne(el) && tag.length > 0) {
                const qsizetype ende =
                    el.original_end_tag.length > 0 ? byte(el.original_end_tag.data) : utf8.size();
                roh.push_back({tagEnde, ende, 0, 0});
                stelle = static_cast<qsizetype>(roh.size()) - 1;
            } else if (stelle >= 0 && !erlaubt(el.tag) && tag.length > 0) {
                KurzfassungStelle& s = roh[static_cast<std::size_t>(stelle)];
                if (s.fremderTagLaenge == 0) {
                    s.fremderTagStart = byte(tag.data);
                    s.fremderTagLaenge = tagEnde;
                }
            }
        }
        kinderAuflegen(stapel, knoten, [stelle](const GumboNode* k) { return Eintrag{k, stelle}; });
    }
    std::vector<qsizetype*> offsets;
    for (KurzfassungStelle& s : roh) {
        offsets.insert(offsets.end(), {&s.start, &s.laenge});
        if (s.fremderTagLaenge > 0) {
            offsets.insert(offsets.end(), {&s.fremderTagStart, &s.fremderTagLaenge});
        }
    }
    inPositionen(utf8, offsets);
    // Start and end are positions now; the lengths follow from them.
    for (KurzfassungStelle& s : roh) {
        s.laenge -= s.start;
        if (s.fremderTagLaenge > 0) {
            s.fremderTagLaenge -= s.fremderTagStart;
        }
        stellen.append(s);
    }
    return stellen;
}

QString KurzfassungSichtbar(QStringView inhalt) {
    QStringView teil = inhalt.left(kKurzfassungGrenze);
    const qsizetype tag = teil.lastIndexOf(u'<');
    if (tag >= 0 && teil.indexOf(u'>', tag) < 0) {
        teil = teil.left(tag);
    }
    const qsizetype entity = teil.lastIndexOf(u'&');
    if (entity >= 0 && teil.indexOf(u';', entity) < 0) {
        teil = teil.left(entity);
    }
    return teil.toString();
}
