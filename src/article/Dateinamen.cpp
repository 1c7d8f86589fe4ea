#include "article/Dateinamen.h"

#include "article/Pfade.h"
#include "article/Texte.h"

#include <QList>

#include <algorithm>

namespace {

struct Ersetzung {
    QString zeichen;
    QString ersatz;
};

// The order matters only for the reverse table, where "#" and "'" both become a double quote.
const QList<Ersetzung>& verboteneZeichen() {
    static const QList<Ersetzung> tabelle{
        {QStringLiteral("?"), QStringLiteral("-")},  {QStringLiteral("#"), QStringLiteral("-")},
        {QStringLiteral(":"), QStringLiteral(",")},  {QStringLiteral("\\"), QStringLiteral(",")},
        {QStringLiteral("/"), QStringLiteral(",")},  {QStringLiteral("|"), QStringLiteral(",")},
        {QStringLiteral("*"), QStringLiteral("+")},  {QStringLiteral("<"), QStringLiteral("(")},
        {QStringLiteral(">"), QStringLiteral(")")},  {QStringLiteral("!"), QStringLiteral("~")},
        {QStringLiteral("\""), QStringLiteral("'")},
    };
    return tabelle;
}

const QList<Ersetzung>& rueckwaerts() {
    static const QList<Ersetzung> tabelle{
        {QStringLiteral("+"), QStringLiteral("*")},  {QStringLiteral(","), QStringLiteral("/")},
        {QStringLiteral("("), QStringLiteral("<")},  {QStringLiteral(")"), QStringLiteral(">")},
        {QStringLiteral("#"), QStringLiteral("\"")}, {QStringLiteral("'"), QStringLiteral("\"")},
    };
    return tabelle;
}

QString anwenden(const QList<Ersetzung>& tabelle, const QString& text) {
    QString ergebnis = text;
    for (const Ersetzung& schritt : tabelle) {
        ergebnis = ZeichenErsetzen(ergebnis, schritt.zeichen, schritt.ersatz);
    }
    return ergebnis;
}

QString ohneEndung(const QString& pfad) {
    return pfad.left(std::max<qsizetype>(pfad.size() - 5, 0));
}

// Where the file name starts; "~" and "#" are looked for there so that a folder holding them
// (a short name such as "PROGRA~1", a "#" in a folder name) cannot shift the parts.
qsizetype nameBeginn(const QString& pfad) {
    return pfad.size() - DateinameAusPfad(pfad).size();
}

// The "#" before the seller: the first one in the file name, since the save name never holds one.
qsizetype rauteVorVerkaeufer(const QString& rest) {
    return rest.indexOf(QLatin1Char('#'), nameBeginn(rest));
}

// The "~" before the shipping cost: the last one before the seller's "#", since the shipping cost
// never holds one while the save name may ("!" becomes "~").
qsizetype tildeVorPreis(const QString& rest) {
    const qsizetype raute = rauteVorVerkaeufer(rest);
    const qsizetype bis = raute < 0 ? rest.size() : raute;
    const qsizetype tilde = bis > 0 ? rest.lastIndexOf(QLatin1Char('~'), bis - 1) : -1;
    return tilde < nameBeginn(rest) ? -1 : tilde;
}

} // namespace

QString VerboteneZeichenErsetzen(const QString& name) {
    return anwenden(verboteneZeichen(), name);
}

QString VerboteneZeichenZurueck(const QString& speichername) {
    return anwenden(rueckwaerts(), speichername);
}

QString TitelAusDateiname(const QString& pfad) {
    const QString name = DateinameAusPfad(pfad);
    if (name.isEmpty()) {
        return {};
    }
    const QString rest = ohneEndung(name);
    const qsizetype tilde = tildeVorPreis(rest);
    return VerboteneZeichenZurueck(tilde < 0 ? rest : rest.left(tilde));
}

QString PreisAusDateiname(const QString& pfad) {
    if (pfad.isEmpty()) {
        return {};
    }
    const QString rest = ohneEndung(pfad);
    const qsizetype tilde = tildeVorPreis(rest);
    const qsizetype anfang = tilde < 0 ? 0 : tilde + 1;
    const qsizetype raute = rauteVorVerkaeufer(rest);
    return raute < 0 ? rest.mid(anfang) : rest.mid(anfang, raute - anfang);
}

QString VerkaeuferAusDateiname(const QString& pfad) {
    if (pfad.isEmpty()) {
        return {};
    }
    const QString rest = ohneEndung(pfad);
    const qsizetype raute = rauteVorVerkaeufer(rest);
    return raute < 0 ? rest : rest.mid(raute + 1);
}
