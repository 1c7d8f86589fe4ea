#include "compose/Css.h"

#include <QStringList>

#include <algorithm>

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
                escapeLesen();
            } else if (m_klammern == 0 && (c == u'{' || c == u'}' || c == u';')) {
                // A piece before "{" is a selector or an at-rule head, not a declaration.
                stueckBeenden(c != u'{');
                ++m_i;
            } else {
                if (c == u'(') {
                    ++m_klammern;
                } else if (c == u')' && m_klammern > 0) {
                    --m_klammern;
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

    void anhaengen(const QString& text, qsizetype ende) {
        if (m_stueck.isEmpty() && text.size() == 1 && istBlank(text[0])) {
            return;
        }
        if (m_stueck.isEmpty()) {
            m_start = m_i;
        }
        m_stueck += text;
        if (!(text.size() == 1 && istBlank(text[0]))) {
            m_ende = ende;
        }
    }

    void kommentarUeberspringen() {
        const qsizetype ende = m_css.indexOf(u"*/", m_i + 2);
        m_i = ende < 0 ? m_css.size() : ende + 2;
    }

    void zeichenketteLesen(QChar quote) {
        const qsizetype von = m_i;
        ++m_i;
        while (m_i < m_css.size() && m_css[m_i] != quote && m_css[m_i] != u'\n') {
            m_i += m_css[m_i] == u'\\' && m_i + 1 < m_css.size() ? 2 : 1;
        }
        m_i = qMin(m_i + 1, m_css.size());
        const qsizetype merken = m_i;
        m_i = von;
        anhaengen(m_css.mid(von, merken - von).toString(), merken);
        m_i = merken;
    }

    void escapeLesen() {
        const qsizetype von = m_i;
        qsizetype j = m_i + 1;
        qsizetype hexEnde = j;
        while (hexEnde < m_css.size() && hexEnde - j < 6 && istHex(m_css[hexEnde])) {
            ++hexEnde;
        }
        QString zeichen;
        if (hexEnde > j) {
            const uint code = m_css.mid(j, hexEnde - j).toUInt(nullptr, 16);
            zeichen = code == 0 || code > 0x10FFFF
                          ? QString(QChar::ReplacementCharacter)
                          : QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
            j = hexEnde < m_css.size() && istBlank(m_css[hexEnde]) ? hexEnde + 1 : hexEnde;
        } else if (j < m_css.size()) {
            zeichen = m_css[j];
            ++j;
        }
        m_i = von;
        anhaengen(zeichen, j);
        m_i = j;
    }

    void stueckBeenden(bool deklaration) {
        if (deklaration && !m_stueck.isEmpty()) {
            deklarationAufnehmen();
        }
        m_stueck.clear();
        m_klammern = 0;
    }

    void deklarationAufnehmen() {
        const qsizetype laenge = m_ende - m_start;
        if (m_stueck.startsWith(QLatin1String("@import"), Qt::CaseInsensitive)) {
            m_ergebnis.append({QStringLiteral("@import"), m_stueck.mid(7).trimmed(), m_start, laenge});
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
        m_ergebnis.append({name, m_stueck.mid(doppelpunkt + 1).trimmed(), m_start, laenge});
    }

    QStringView m_css;
    qsizetype m_i = 0;
    int m_klammern = 0;
    QString m_stueck;
    qsizetype m_start = 0;
    qsizetype m_ende = 0;
    QList<CssDeklaration> m_ergebnis;
};

} // namespace

QList<CssDeklaration> CssDeklarationen(QStringView css) {
    return Leser(css).lesen();
}

QStringList CssAdressen(const QString& wert) {
    QStringList adressen;
    qsizetype i = 0;
    while ((i = wert.indexOf(QLatin1String("url("), i, Qt::CaseInsensitive)) >= 0) {
        i += 4;
        while (i < wert.size() && istBlank(wert[i])) {
            ++i;
        }
        if (i < wert.size() && (wert[i] == u'"' || wert[i] == u'\'')) {
            const qsizetype ende = wert.indexOf(wert[i], i + 1);
            const qsizetype bis = ende < 0 ? wert.size() : ende;
            adressen.append(wert.mid(i + 1, bis - i - 1).trimmed());
            i = bis;
        } else {
            const qsizetype ende = wert.indexOf(u')', i);
            const qsizetype bis = ende < 0 ? wert.size() : ende;
            adressen.append(wert.mid(i, bis - i).trimmed());
            i = bis;
        }
    }
    return adressen;
}
