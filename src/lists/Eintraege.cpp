#include "lists/Eintraege.h"

#include "article/Texte.h"

namespace {

const QString kKomma = QStringLiteral(",");
const QString kUnterstriche = QStringLiteral("__");

bool istLeer(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool istZeilenende(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Reads one entry starting at pos; pos ends after the delimiter.
QString eintragAb(const QString& inhalt, qsizetype& pos) {
    const qsizetype ende = inhalt.size();
    while (pos < ende && istLeer(inhalt.at(pos))) {
        ++pos;
    }
    QString eintrag;
    if (pos < ende && inhalt.at(pos) == QLatin1Char('"')) {
        const qsizetype schluss = inhalt.indexOf(QLatin1Char('"'), pos + 1);
        const qsizetype bis = schluss < 0 ? ende : schluss;
        eintrag = inhalt.mid(pos + 1, bis - pos - 1);
        pos = schluss < 0 ? ende : schluss + 1;
        while (pos < ende && inhalt.at(pos) != QLatin1Char(',') && !istZeilenende(inhalt.at(pos))) {
            ++pos;
        }
    } else {
        const qsizetype anfang = pos;
        while (pos < ende && inhalt.at(pos) != QLatin1Char(',') && !istZeilenende(inhalt.at(pos))) {
            ++pos;
        }
        eintrag = inhalt.mid(anfang, pos - anfang);
        while (!eintrag.isEmpty() && istLeer(eintrag.back())) {
            eintrag.chop(1);
        }
    }
    if (pos < ende && inhalt.at(pos) == QLatin1Char('\r') && pos + 1 < ende &&
        inhalt.at(pos + 1) == QLatin1Char('\n')) {
        ++pos;
    }
    ++pos;
    return eintrag;
}

} // namespace

QStringList eintraegeLesen(const QString& inhalt) {
    QStringList eintraege;
    qsizetype pos = 0;
    while (pos < inhalt.size()) {
        eintraege.append(eintragAb(inhalt, pos));
    }
    return eintraege;
}

ListenInhalt listeAuswerten(const QString& inhalt) {
    ListenInhalt liste;
    for (const QString& roh : eintraegeLesen(inhalt)) {
        if (roh.isEmpty() || roh.contains(QLatin1Char('#'))) {
            continue;
        }
        QString eintrag = roh;
        eintrag.replace(QLatin1Char('?'), QLatin1Char('#'));
        ErsetzeAlle(eintrag, kUnterstriche, kKomma, liste.letzteErsetzungen);
        liste.eintraege.append(eintrag);
    }
    return liste;
}

TextDateiInhalt textDateiAuswerten(const QString& inhalt) {
    TextDateiInhalt datei;
    std::size_t naechste = 0;
    for (QString eintrag : eintraegeLesen(inhalt)) {
        if (eintrag.contains(QLatin1Char('#'))) {
            continue;
        }
        if (eintrag.contains(QLatin1Char('*'))) {
            if (naechste < datei.zeilen.size()) {
                const qsizetype kommentar = eintrag.indexOf(QStringLiteral("//"));
                // A remark at the very start leaves an empty key line, not the rest of the entry.
                const qsizetype bis = kommentar < 0 ? eintrag.size() : std::max<qsizetype>(kommentar, 1);
                datei.zeilen[naechste++] = eintrag.mid(1, bis - 1).trimmed();
            }
            continue;
        }
        ErsetzeAlle(eintrag, kUnterstriche, kKomma, datei.letzteErsetzungen);
        datei.text += eintrag + QStringLiteral("\r\n");
    }
    return datei;
}
