// The CSS reader over any style text, and every address it finds, and the input itself, read as
// a browser reads an address.
#include "FuzzHilfe.h"
#include "compose/Adresse.h"
#include "compose/Css.h"

#include <algorithm>

namespace {

bool istSchemaZeichen(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

void adressePruefen(const QString& text) {
    const Adresse a = AdresseLesen(text);
    KORI_PRUEFEN(std::all_of(a.schema.cbegin(), a.schema.cend(), istSchemaZeichen));
    KORI_PRUEFEN(a.host == a.host.toLower());
    KORI_PRUEFEN(!a.host.endsWith(u'.'));
    if (a.host.isEmpty() || a.host.startsWith(u'[') ||
        !(a.schema.isEmpty() || a.schema == u"http" || a.schema == u"https" || a.schema == u"ftp")) {
        return;
    }
    // A web host read once more is the same host, whichever way the address was written.
    KORI_PRUEFEN(!a.host.contains(u'/') && !a.host.contains(u'\\') && !a.host.contains(u'@'));
    const QString nochmal = QStringLiteral("https://") + a.host + u'/';
    KORI_PRUEFEN(AdresseLesen(nochmal).host == a.host);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QString text = alsText(daten, groesse);
    adressePruefen(text);
    for (const CssDeklaration& d : CssDeklarationen(text)) {
        KORI_PRUEFEN(d.start >= 0 && d.laenge > 0 && d.start + d.laenge <= text.size());
        KORI_PRUEFEN(!d.name.isEmpty() && d.name == d.name.toLower());
        KORI_PRUEFEN(d.wert == d.wert.trimmed());
        for (const QString& adresse : d.adressen) {
            adressePruefen(adresse);
        }
    }
    return 0;
}
