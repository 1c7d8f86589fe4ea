#include "compose/Css.h"

#include <algorithm>
#include <vector>

namespace {

bool istBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool istHex(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool istNamenszeichen(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

bool istBildmenge(const QString& funktion) {
    return funktion == u"image-set" || funktion == u"-webkit-image-set";
}

// Reads a CSS text piece by piece: comments vanish, escapes are decoded, and "{", "}" and ";"
// outside strings and brackets end a piece.
class Leser {
public:
    explicit Leser(QStringView css) : m_css(css) {}

    QList<CssDeklaration> lesen() {
        while (m_i < m_css.size()) {
            const QChar c = m_css[m_i];
            if (c == u'/' && m_i + 1 < m_css.size() && m_css[m_i + 1] == u'*') {
                kommentarUeberspringen();
            } else if (c == u'"' || c == u'\'') {
                zeichenketteLesen(c);
            } else if (c == u'\\') {
                const qsizetype von = m_i;
                const QString zeichen = escapeLesen();
                anhaengen(zeichen, von, m_i);
            } else if (m_funktionen.empty() && (c == u'{' || c == u'}' || c == u';')) {
                // A piece before "{" is a selector or an at-rule head, not a declaration.
                stueckBeenden(c != u'{');
                ++m_i;
            } else if (c == u'(') {
                klammerOeffnen();
            } else {
                if (c == u')' && !m_funktionen.empty()) {
                    m_funktionen.pop_back();
                }
                zeichenAnhaengen(c);
                ++m_i;
            }
        }
        stueckBeenden(true);
        return m_ergebnis;
    }

private:
    // The common case, one plain character, without building a string for it.
    void zeichenAnhaengen(QChar c) {
        if (istBlank(c)) {
            if (!m_stueck.isEmpty()) {
                m_stueck += c;
            }
            return;
        }
        if (m_stueck.isEmpty()) {
            m_start = m_i;
        }
        m_stueck += c;
        m_ende = m_i + 1;
    }

    // Text read from `von` to `ende` of the CSS.
    void anhaengen(const QString& text, qsizetype von, qsizetype ende) {
        const bool blank = text.size() == 1 && istBlank(text[0]);
        if (m_stueck.isEmpty() && (blank || text.isEmpty())) {
            return;
        }
        if (m_stueck.isEmpty()) {
            m_start = von;
        }
        m_stueck += text;
        if (!blank) {
            m_ende = ende;
        }
    }

    void kommentarUeberspringen() {
        const qsizetype ende = m_css.indexOf(u"*/", m_i + 2);
        m_i = ende < 0 ? m_css.size() : ende + 2;
    }

    // Decodes the escape at the backslash and moves behind it.
    QString escapeLesen() {
        const qsizetype j = m_i + 1;
        qsizetype hexEnde = j;
        while (hexEnde < m_css.size() && hexEnde - j < 6 && istHex(m_css[hexEnde])) {
            ++hexEnde;
        }
        if (hexEnde > j) {
            const auto code = static_cast<char32_t>(m_css.mid(j, hexEnde - j).toUInt(nullptr, 16));
            m_i = hexEnde < m_css.size() && istBlank(m_css[hexEnde]) ? hexEnde + 1 : hexEnde;
            if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
                return {QChar(QChar::ReplacementCharacter)};
            }
            return QString::fromUcs4(&code, 1);
        }
        m_i = qMin(j + 1, m_css.size());
        return j < m_css.size() ? QString(m_css[j]) : QString();
    }

    // A string keeps its quotes in the value; an escaped line break inside it continues the line.
    void zeichenketteLesen(QChar quote) {
        const qsizetype von = m_i;
        ++m_i;
        QString inhalt;
        while (m_i < m_css.size() && m_css[m_i] != quote && m_css[m_i] != u'\n') {
            if (m_css[m_i] != u'\\') {
                inhalt += m_css[m_i];
                ++m_i;
            } else if (m_i + 1 < m_css.size() && m_css[m_i + 1] == u'\n') {
                m_i += 2;
            } else {
                inhalt += escapeLesen();
            }
        }
        m_i = qMin(m_i + 1, m_css.size());
        if (istAdresse()) {
            m_adressen.append(inhalt.trimmed());
        }
        anhaengen(quote + inhalt + quote, von, m_i);
    }

    // Where a string is an address: inside url(...) or image-set(...), or after @import.
    bool istAdresse() const {
        if (m_funktionen.empty()) {
            return m_stueck.startsWith(QLatin1String("@import"), Qt::CaseInsensitive);
        }
        return m_funktionen.back() == u"url" || istBildmenge(m_funktionen.back());
    }

    void klammerOeffnen() {
        qsizetype name = m_stueck.size();
        while (name > 0 && istNamenszeichen(m_stueck[name - 1])) {
            --name;
        }
        m_funktionen.push_back(m_stueck.mid(name).toLower());
        zeichenAnhaengen(u'(');
        ++m_i;
        if (m_funktionen.back() == u"url") {
            ungequoteteAdresseLesen();
        }
    }

    // "url(" without quotes: everything up to ")" is the address.
    void ungequoteteAdresseLesen() {
        while (m_i < m_css.size() && istBlank(m_css[m_i])) {
            ++m_i;
        }
        if (m_i >= m_css.size() || m_css[m_i] == u'"' || m_css[m_i] == u'\'') {
            return;
        }
        const qsizetype von = m_i;
        QString adresse;
        while (m_i < m_css.size() && m_css[m_i] != u')') {
            if (m_css[m_i] == u'\\') {
                adresse += escapeLesen();
            } else {
                adresse += m_css[m_i];
                ++m_i;
            }
        }
        m_adressen.append(adresse.trimmed());
        anhaengen(adresse, von, m_i);
    }

    void stueckBeenden(bool deklaration) {
        if (deklaration && !m_stueck.isEmpty()) {
            deklarationAufnehmen();
        }
        m_stueck.clear();
        m_adressen.clear();
        m_funktionen.clear();
    }

    void deklarationAufnehmen() {
        const qsizetype laenge = m_ende - m_start;
        if (m_stueck.startsWith(QLatin1String("@import"), Qt::CaseInsensitive)) {
            m_ergebnis.append(
                {QStringLiteral("@import"), m_stueck.mid(7).trimmed(), m_adressen, m_start, laenge});
            return;
        }
        const qsizetype doppelpunkt = m_stueck.indexOf(u':');
        if (doppelpunkt <= 0) {
            return;
        }
        const QString name = m_stueck.left(doppelpunkt).trimmed().toLower();
        if (name.isEmpty() || !std::all_of(name.cbegin(), name.cend(), istNamenszeichen)) {
            return;
        }
        m_ergebnis.append({name, m_stueck.mid(doppelpunkt + 1).trimmed(), m_adressen, m_start, laenge});
    }

    QStringView m_css;
    qsizetype m_i = 0;
    // The functions whose brackets are open, innermost last; a bracket without a name is "".
    std::vector<QString> m_funktionen;
    QString m_stueck;
    QStringList m_adressen;
    qsizetype m_start = 0;
    qsizetype m_ende = 0;
    QList<CssDeklaration> m_ergebnis;
};

} // namespace

QList<CssDeklaration> CssDeklarationen(QStringView css) {
    return Leser(css).lesen();
}
