#include "compose/Adresse.h"

#include <QByteArray>
#include <QUrl>

#include <algorithm>

namespace {

// The marketplace serves the listing over https, so that is the scheme of its own page.
const QString kSeitenSchema = QStringLiteral("https");

bool istSpeziell(const QString& schema) {
    return schema == u"http" || schema == u"https" || schema == u"ftp" || schema == u"ws" ||
           schema == u"wss" || schema == u"file";
}

bool istAsciiBuchstabe(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool istSchemaZeichen(QChar c) {
    const char16_t u = c.unicode();
    return istAsciiBuchstabe(c) || (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
}

bool istSchraeg(QChar c) {
    return c == u'/' || c == u'\\';
}

QString bereinigt(QStringView text) {
    const bool sauber = std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0x20; });
    if (sauber) {
        return text.toString();
    }
    qsizetype von = 0;
    qsizetype bis = text.size();
    while (von < bis && text[von].unicode() <= 0x20) {
        ++von;
    }
    while (bis > von && text[bis - 1].unicode() <= 0x20) {
        --bis;
    }
    QString ergebnis;
    ergebnis.reserve(bis - von);
    for (const QChar c : text.mid(von, bis - von)) {
        if (c != u'\t' && c != u'\n' && c != u'\r') {
            ergebnis += c;
        }
    }
    return ergebnis;
}

// Where the scheme's colon stands; -1 when the text does not begin with a scheme.
qsizetype schemaEnde(const QString& text) {
    if (text.isEmpty() || !istAsciiBuchstabe(text[0])) {
        return -1;
    }
    qsizetype i = 1;
    while (i < text.size() && istSchemaZeichen(text[i])) {
        ++i;
    }
    return i < text.size() && text[i] == u':' ? i : -1;
}

// Characters no host may hold once its percent escapes are decoded; a browser refuses the address.
bool istVerbotenImHost(QChar c) {
    static const QString verboten = QStringLiteral(" #%/:<>?@[\\]^|");
    return c.unicode() < 0x20 || c.unicode() == 0x7F || verboten.contains(c);
}

QString hostLesen(QStringView autoritaet, bool speziell) {
    QStringView host = autoritaet.mid(autoritaet.lastIndexOf(u'@') + 1);
    bool inKlammern = false;
    for (qsizetype i = 0; i < host.size(); ++i) {
        if (host[i] == u'[') {
            inKlammern = true;
        } else if (host[i] == u']') {
            inKlammern = false;
        } else if (host[i] == u':' && !inKlammern) {
            host = host.left(i);
            break;
        }
    }
    QString name = host.toString();
    if (speziell && !name.startsWith(u'[')) {
        if (name.contains(u'%')) {
            name = QString::fromUtf8(QByteArray::fromPercentEncoding(name.toUtf8()));
        }
        if (std::any_of(name.cbegin(), name.cend(), istVerbotenImHost)) {
            return {};
        }
    }
    while (name.endsWith(u'.')) {
        name.chop(1);
    }
    // Plain ASCII has no international form; it only needs the lower case. A name that has
    // none is refused by a browser.
    const bool ascii = std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (speziell && !ascii && !name.startsWith(u'[')) {
        name = QString::fromLatin1(QUrl::toAce(name));
        while (name.endsWith(u'.')) {
            name.chop(1);
        }
    }
    name = name.toLower();
    return name;
}

} // namespace

Adresse AdresseLesen(QStringView text) {
    const QString adresse = bereinigt(text);
    const qsizetype ende = schemaEnde(adresse);
    const QString schema = ende < 0 ? QString() : adresse.left(ende).toLower();
    const QStringView rest = QStringView(adresse).mid(ende + 1);
    const bool speziell = schema.isEmpty() || istSpeziell(schema);
    bool mitHost = false;
    if (schema.isEmpty() || schema == kSeitenSchema) {
        // On the page's own scheme only two slashes, of either kind, lead to another host.
        mitHost = rest.size() >= 2 && istSchraeg(rest[0]) && istSchraeg(rest[1]);
    } else if (schema == u"file") {
        return {schema, {}};
    } else {
        // Another web scheme always names a host, with or without slashes.
        mitHost = speziell || rest.startsWith(u"//");
    }
    if (!mitHost) {
        return {schema, {}};
    }
    qsizetype von = 2;
    if (speziell) {
        von = 0;
        while (von < rest.size() && istSchraeg(rest[von])) {
            ++von;
        }
    }
    qsizetype bis = von;
    while (bis < rest.size() && rest[bis] != u'/' && rest[bis] != u'?' && rest[bis] != u'#' &&
           !(speziell && rest[bis] == u'\\')) {
        ++bis;
    }
    return {schema, hostLesen(rest.mid(von, bis - von), speziell)};
}
