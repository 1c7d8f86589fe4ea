#include "title/KleidungTabelle.h"

#include "title/BuchTabelle.h"
#include "title/Tabellenzeile.h"

#include <QStringBuilder>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kKeinMaterial = QStringLiteral("Material wählen");
const QString kKeineProzente = QStringLiteral("%");

void zeileUebernehmen(KleidungWerte& werte, const KleidungAuswahl& auswahl, int i) {
    if (auswahl.listen.at(i) != KleidungPlatzhalter(i)) {
        werte.werte[i] = auswahl.listen.at(i);
    }
}

// The material row K (0-based); false when a material was chosen without a percentage.
bool materialUebernehmen(KleidungWerte& werte, const KleidungAuswahl& auswahl, int k) {
    const QString& material = auswahl.material.at(k);
    if (material == kKeinMaterial) {
        return true;
    }
    const QString& prozent = auswahl.prozent.at(k);
    if (prozent == kKeineProzente) {
        return false;
    }
    if (k == 0) {
        werte.werte[kMaterialZeile] = prozent == QLatin1String(" ")
                                          ? material
                                          : material % QStringLiteral(" - ") % prozent % kKeineProzente;
    } else {
        werte.weitereMaterialien[k - 1] = material % QStringLiteral(" - ") % prozent % kKeineProzente;
    }
    return true;
}

int angabenZaehlen(const KleidungWerte& werte) {
    int n = kKleidungZeilen;
    for (int i = 0; i < kKleidungZeilen; ++i) {
        if (werte.werte.at(i).isEmpty()) {
            // Without a material the count can never reach three.
            n -= i == kMaterialZeile ? 10 : 1;
        }
    }
    return n;
}

} // namespace

std::array<QString, kKleidungZeilen> KleidungBeschriftungen() {
    return {QStringLiteral("Hersteller:"), QStringLiteral("Größe:"),  QStringLiteral("Farbe:"),
            QStringLiteral("Optik:"),      QStringLiteral("Art:"),    QStringLiteral("Material:"),
            QStringLiteral("Geschlecht:"), QStringLiteral("Zustand:")};
}

std::array<QString, kKleidungZeilen> KleidungStartwerte() {
    std::array<QString, kKleidungZeilen> werte;
    werte[kMaterialZeile] = QStringLiteral("ohne Angaben");
    return werte;
}

QString KleidungPlatzhalter(int zeile) {
    static const std::array<QString, kKleidungZeilen> platzhalter{
        QStringLiteral("Hersteller wählen"), QStringLiteral("Größe wählen"),
        QStringLiteral("Farbe wählen"),      QStringLiteral("Optik wählen"),
        QStringLiteral("Art wählen"),        kKeinMaterial,
        QStringLiteral("Geschlecht wählen"), ZustandPlatzhalter()};
    return platzhalter.at(zeile);
}

QStringList KleidungEintraege(int zeile) {
    switch (zeile) {
    case 0:
        return {KleidungPlatzhalter(0),         QStringLiteral("Adidas"),       QStringLiteral("BabyButt"),
                QStringLiteral("Baby Phat"),    QStringLiteral("BAPE"),         QStringLiteral("BOB der Bär"),
                QStringLiteral("Bonito"),       QStringLiteral("Borti"),        QStringLiteral("C&A "),
                QStringLiteral("C&A Babyclub"), QStringLiteral("ESPRIT"),       QStringLiteral("H&M"),
                QStringLiteral("KANZ"),         QStringLiteral("Mexx"),         QStringLiteral("Palomino"),
                QStringLiteral("Phat Baby"),    QStringLiteral("Schiesser"),    QStringLiteral("TCM"),
                QStringLiteral("Topolino"),     QStringLiteral("Tutti Paletti")};
    case 1:
        return {
            KleidungPlatzhalter(1), QStringLiteral("50"),      QStringLiteral("56"),  QStringLiteral("62"),
            QStringLiteral("68"),   QStringLiteral("74"),      QStringLiteral("80"),  QStringLiteral("86"),
            QStringLiteral("92"),   QStringLiteral("98"),      QStringLiteral("104"), QStringLiteral("110"),
            QStringLiteral("116"),  QStringLiteral("116/122"), QStringLiteral("122"), QStringLiteral("128"),
            QStringLiteral("140"),  QStringLiteral("36/38"),   QStringLiteral("S"),   QStringLiteral("M"),
            QStringLiteral("L"),    QStringLiteral("XL"),      QStringLiteral("XXL"), QStringLiteral("XXXL")};
    case 2:
        return {KleidungPlatzhalter(2),    QStringLiteral("beige"),      QStringLiteral("blau"),
                QStringLiteral("braun"),   QStringLiteral("dunkelblau"), QStringLiteral("gelb"),
                QStringLiteral("grau"),    QStringLiteral("grün"),       QStringLiteral("khaki"),
                QStringLiteral("lila"),    QStringLiteral("orange"),     QStringLiteral("rosa"),
                QStringLiteral("rot"),     QStringLiteral("schwarz"),    QStringLiteral("türkis"),
                QStringLiteral("violett"), QStringLiteral("weiß"),       QStringLiteral("Unifarben"),
                QStringLiteral("bunt")};
    case 3:
        return {KleidungPlatzhalter(3),
                QStringLiteral("Aufschrift"),
                QStringLiteral("Blümchen -Motiv"),
                QStringLiteral("Chinesische Zeichen"),
                QStringLiteral("Cord"),
                QStringLiteral("Esel-Motiv"),
                QStringLiteral("Gemustert"),
                QStringLiteral("Gestreift"),
                QStringLiteral("Herz-Motiv"),
                QStringLiteral("Hunde-Motiv"),
                QStringLiteral("Jeans mit Herzchen"),
                QStringLiteral("kariert"),
                QStringLiteral("Pinguin-Motiv"),
                QStringLiteral("Schäfchen-Motive"),
                QStringLiteral("Schmetterling-Motiv"),
                QStringLiteral("Stoff"),
                QStringLiteral("Stoff + Aufschrift"),
                QStringLiteral("Strick"),
                QStringLiteral("Strick mit Motiv"),
                QStringLiteral("Tarnmuster"),
                QStringLiteral("Teddy-Motiv"),
                QStringLiteral("Tier -Motiv"),
                QStringLiteral("Unifarben")};
    case 4:
        return {KleidungPlatzhalter(4),
                QStringLiteral("Bluse"),
                QStringLiteral("Hemd"),
                QStringLiteral("Hose"),
                QStringLiteral("Hut"),
                QStringLiteral("Jacke"),
                QStringLiteral("Kleid"),
                QStringLiteral("Latzhose"),
                QStringLiteral("Pullover"),
                QStringLiteral("Pullover mit Klettverschlüssen hinten"),
                QStringLiteral("Rock"),
                QStringLiteral("Shirt"),
                QStringLiteral("T-Shirt"),
                QStringLiteral("Longshirt"),
                QStringLiteral("Shorts"),
                QStringLiteral("Strampler"),
                QStringLiteral("Strampler mit Kapuze"),
                QStringLiteral("Ärmelloser Strampler mit Füßen"),
                QStringLiteral("Sweatshirt"),
                QStringLiteral("Sweatshirt mit Kapuze"),
                QStringLiteral("Weste")};
    case 6:
        return {KleidungPlatzhalter(6),  QStringLiteral("unisex"), QStringLiteral("Mädchen"),
                QStringLiteral("Damen"), QStringLiteral("Junge"),  QStringLiteral("Männer")};
    case 7:
        return {KleidungPlatzhalter(7),
                QStringLiteral("NEU!! und ungetragen!!"),
                QStringLiteral("gebraucht und gut erhalten, da selten getragen"),
                QStringLiteral("gebraucht und gut erhalten, übliche Gebrauchsspuren"),
                QStringLiteral(
                    "gebraucht und gut erhalten, übliche Gebrauchsspuren, für den Spielplatz gut geeignet"),
                QString()};
    default:
        return {};
    }
}

QStringList ProzentEintraege() {
    QStringList eintraege;
    for (int p = 1; p <= 100; ++p) {
        eintraege.append(QString::number(p));
    }
    return eintraege;
}

KleidungErgebnis KleidungUebernehmen(KleidungWerte& werte, const KleidungAuswahl& auswahl) {
    for (int i = 0; i < kMaterialZeile; ++i) {
        zeileUebernehmen(werte, auswahl, i);
    }
    for (int k = 0; k < kMaterialien; ++k) {
        if (!materialUebernehmen(werte, auswahl, k)) {
            return KleidungErgebnis::FalscheProzente;
        }
    }
    for (int i = kMaterialZeile + 1; i < kKleidungZeilen; ++i) {
        zeileUebernehmen(werte, auswahl, i);
    }
    return angabenZaehlen(werte) < 3 ? KleidungErgebnis::ZuWenigAngaben : KleidungErgebnis::SpeichernMoeglich;
}

QString KleidungTabelle(const std::array<QString, kKleidungZeilen>& beschriftungen,
                        const KleidungWerte& werte, const std::array<bool, kMaterialien - 1>& weitereAktiv) {
    const QString zelle = QStringLiteral("<td valign=\"TOP\"><div align=\"left\"  class=\"Stil4\"><strong>");
    QString tabelle = QStringLiteral("<table width=\"70%\" border=\"0\">") + kCrLf;
    for (int i = 0; i < kKleidungZeilen; ++i) {
        QString wert = werte.werte.at(i);
        if (i == kMaterialZeile) {
            wert += QStringLiteral("<br>");
            for (int k = 0; k < kMaterialien - 1; ++k) {
                if (weitereAktiv.at(k)) {
                    wert += werte.weitereMaterialien.at(k) + QStringLiteral("<br>");
                }
            }
        }
        tabelle += Tabellenzeile(zelle, i + 1, beschriftungen.at(i), wert);
    }
    return tabelle + QStringLiteral("</table>") + kCrLf;
}
