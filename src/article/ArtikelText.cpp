#include "article/ArtikelText.h"

#include "article/Texte.h"

namespace {

const QString kTrennzeile = QStringLiteral("##-------\r\n");
const QString kBeschreibungszeile = QStringLiteral("*ArtBeschreibung=");
// Not in the key table: a table key found anywhere in a line would take the summary's words.
const QString kKurzfassungSchluessel = QStringLiteral("Kurzfassung");
const QString kKurzfassungszeile = QStringLiteral("*Kurzfassung=");

QString zeile(const QString& schluessel, const QString& wert) {
    return QLatin1Char('*') + schluessel + QLatin1Char('=') + wert + QStringLiteral("\r\n");
}

QString zeile(const QString& schluessel, int wert) {
    return zeile(schluessel, QString::number(wert));
}

QString kopfBlock(const ArtikelFelder& f, const QString& verkaeuferName) {
    return kTrennzeile + zeile(QStringLiteral("EbayName"), verkaeuferName) +
           zeile(QStringLiteral("ArtBez"), f.ArtBez) + zeile(QStringLiteral("Titel"), f.Titel) +
           zeile(QStringLiteral("UntTite"), f.UntTite) + kTrennzeile;
}

QString angebotBlock(const ArtikelFelder& f) {
    QString text;
    for (std::size_t i = 0; i < f.Siebietenauf.size(); ++i) {
        text += zeile(QStringLiteral("Siebietenauf%1").arg(i + 1), f.Siebietenauf[i]);
    }
    return text + zeile(QStringLiteral("Sie bieten auf"), f.SieBietenAuf) +
           zeile(QStringLiteral("Kaufaufforderung1"), f.Kaufaufforderung1) +
           zeile(QStringLiteral("Kaufaufforderung2"), f.Kaufaufforderung2) + kTrennzeile;
}

QString buchBlock(const ArtikelFelder& f) {
    QString text =
        zeile(QStringLiteral("Verlag1"), f.Verlag1) + zeile(QStringLiteral("Verlag2"), f.Verlag2) +
        zeile(QStringLiteral("Autor1"), f.Autor1) + zeile(QStringLiteral("Autor2"), f.Autor2) +
        zeile(QStringLiteral("Sprache1"), f.Sprache1) + zeile(QStringLiteral("Sprache2"), f.Sprache2) +
        zeile(QStringLiteral("Art1"), f.Art1) + zeile(QStringLiteral("Art2"), f.Art2) +
        zeile(QStringLiteral("Genre1"), f.Genre1) + zeile(QStringLiteral("Genre2"), f.Genre2) +
        zeile(QStringLiteral("AnzSeit1"), f.AnzSeit1) + zeile(QStringLiteral("Gewicht1"), f.Gewicht1) +
        zeile(QStringLiteral("Zustand1"), f.Zustand1) + zeile(QStringLiteral("Zustand2"), f.Zustand2);
    for (std::size_t i = 0; i < f.BuchAktiv.size(); ++i) {
        text += zeile(QStringLiteral("BuchAktiv%1").arg(i + 1), f.BuchAktiv[i]);
    }
    return text + kTrennzeile;
}

QString bildBlock(const ArtikelFelder& f) {
    QString text;
    for (std::size_t i = 0; i < f.Bild.size(); ++i) {
        const BildFelder& bild = f.Bild[i];
        const int n = static_cast<int>(i) + 1;
        text += zeile(QStringLiteral("Bild%1Haken").arg(n), bild.Haken) +
                zeile(QStringLiteral("Bild%1Pfad").arg(n), bild.Pfad) +
                zeile(QStringLiteral("Bildpfad%1").arg(n), bild.Bildpfad) +
                zeile(QStringLiteral("Bild%1Breite").arg(n), bild.Breite) +
                zeile(QStringLiteral("Bild%1Hohe").arg(n), bild.Hohe);
    }
    return text + kTrennzeile;
}

QString versandBlock(const ArtikelFelder& f) {
    return zeile(QStringLiteral("VersInfJa1"), f.VersInfJa1) +
           zeile(QStringLiteral("Versandkosten"), f.Versandkosten) +
           zeile(QStringLiteral("Versandart"), f.Versandart) + kTrennzeile;
}

enum class Umwandlung { Entkommen, LeerBuch, LeerBlank, Unveraendert, Ganzzahl, Versandkosten };

struct Schluessel {
    QString name;
    Artikelfeld feld;
    int nummer;
    Umwandlung umwandlung;
    Zuweisung::Art art = Zuweisung::Art::Text;
    int bildNummer = 0;
};

void bildSchluessel(QList<Schluessel>& t) {
    using enum Artikelfeld;
    for (int n = 1; n <= 5; ++n) {
        t.append({QStringLiteral("Bild%1Pfad").arg(n), BildDatei, n, Umwandlung::Entkommen});
    }
    for (int n = 1; n <= 5; ++n) {
        t.append({QStringLiteral("Bildpfad%1").arg(n), BildVorschau, n, Umwandlung::Entkommen,
                  Zuweisung::Art::Bild, n});
    }
    for (int n = 1; n <= 5; ++n) {
        t.append({QStringLiteral("Bild%1Breite").arg(n), BildBreite, n, Umwandlung::Unveraendert});
    }
    for (int n = 1; n <= 5; ++n) {
        t.append({QStringLiteral("Bild%1Hohe").arg(n), BildHoehe, n, Umwandlung::Unveraendert});
    }
    for (int n = 1; n <= 5; ++n) {
        t.append({QStringLiteral("Bild%1Haken").arg(n), BildHaken, n, Umwandlung::Ganzzahl,
                  Zuweisung::Art::Haken});
    }
}

void buchSchluessel(QList<Schluessel>& t) {
    using enum Artikelfeld;
    // Crossed on purpose: the key ending in "1" holds the text box and goes into the pick list;
    // the book window's take-over then copies it back into the text box.
    const auto buch = [&t](const char* name, Artikelfeld feld) {
        t.append({QLatin1String(name), feld, 0, Umwandlung::Entkommen});
    };
    buch("Verlag1", BuchVerlagWahl);
    buch("Verlag2", BuchVerlag);
    buch("Autor1", BuchAutorWahl);
    buch("Autor2", BuchAutor);
    buch("Sprache1", BuchSpracheWahl);
    buch("Sprache2", BuchSprache);
    buch("Art1", BuchArtWahl);
    buch("Art2", BuchArt);
    buch("Genre1", BuchGenreWahl);
    buch("Genre2", BuchGenre);
    buch("AnzSeit1", BuchSeiten);
    buch("Gewicht1", BuchGewicht);
    buch("Zustand1", BuchZustandWahl1);
    buch("Zustand2", BuchZustandWahl2);
    buch("ZustandAlle", BuchZustand);
    for (int k = 1; k <= 9; ++k) {
        t.append({QStringLiteral("BuchAktiv%1").arg(k), BuchAktiv, k, Umwandlung::Ganzzahl,
                  Zuweisung::Art::Haken});
    }
}

// Keys in the order they are tested. "VersInfJa2" and "Kostenlos ab" are read by older files
// but set nothing, so they are not listed.
const QList<Schluessel>& schluesselTabelle() {
    static const QList<Schluessel> tabelle = [] {
        using enum Artikelfeld;
        QList<Schluessel> t;
        const auto haupt = [&t](const QString& name, Artikelfeld feld, Umwandlung umwandlung,
                                int nummer = 0) {
            t.append({name, feld, nummer, umwandlung});
        };
        haupt(QStringLiteral("ArtBez"), Bezeichnung, Umwandlung::Entkommen);
        haupt(QStringLiteral("Titel"), Titel, Umwandlung::Entkommen);
        haupt(QStringLiteral("UntTite"), Untertitel, Umwandlung::Entkommen);
        for (int n = 1; n <= 4; ++n) {
            haupt(QStringLiteral("Siebietenauf%1").arg(n), Gebotsteil, Umwandlung::Entkommen, n);
        }
        haupt(QStringLiteral("Siebietenauf5"), Gebotsteil, Umwandlung::LeerBuch, 5);
        haupt(QStringLiteral("Siebietenauf6"), Gebotsteil, Umwandlung::LeerBlank, 6);
        haupt(QStringLiteral("Siebietenauf7"), Gebotsteil, Umwandlung::LeerBlank, 7);
        haupt(QStringLiteral("Sie bieten auf"), Gebotszeile, Umwandlung::Entkommen);
        haupt(QStringLiteral("Kaufaufforderung1"), Kaufaufforderung1, Umwandlung::Entkommen);
        haupt(QStringLiteral("Kaufaufforderung2"), Kaufaufforderung2, Umwandlung::Entkommen);
        bildSchluessel(t);
        t.append({QStringLiteral("VersInfJa1"), VersandInfo, 0, Umwandlung::Ganzzahl, Zuweisung::Art::Haken});
        haupt(QStringLiteral("Versandkosten"), Versandkosten, Umwandlung::Versandkosten);
        haupt(QStringLiteral("Versandart"), Versandart, Umwandlung::Entkommen);
        buchSchluessel(t);
        return t;
    }();
    return tabelle;
}

QString entkommen(const QString& wert, FelderZuweisungen& ergebnis) {
    QString text = wert;
    int anzahl = 0;
    ErsetzeAlle(text, QStringLiteral("__"), QStringLiteral(","), anzahl);
    ergebnis.letzteErsetzungen = anzahl;
    return text;
}

// The value as the control takes it; nothing when the control is to stay as it is.
std::optional<QString> umwandeln(const QString& wert, Umwandlung umwandlung, FelderZuweisungen& ergebnis) {
    switch (umwandlung) {
    case Umwandlung::LeerBuch:
        return wert.isEmpty() ? QStringLiteral("Buch") : entkommen(wert, ergebnis);
    case Umwandlung::LeerBlank:
        return wert.isEmpty() ? QStringLiteral(" ") : entkommen(wert, ergebnis);
    case Umwandlung::Unveraendert:
        return wert;
    case Umwandlung::Versandkosten:
        return VersandkostenNormalisieren(wert);
    case Umwandlung::Ganzzahl: {
        bool ok = false;
        const int zahl = wert.trimmed().toInt(&ok);
        return ok && zahl >= 0 && zahl <= 2 ? std::optional<QString>(QString::number(zahl)) : std::nullopt;
    }
    case Umwandlung::Entkommen:
        break;
    }
    return entkommen(wert, ergebnis);
}

bool trifft(const QString& eintrag, qsizetype gleich, const QString& schluessel, Schluesselsuche suche) {
    if (suche == Schluesselsuche::Enthalten) {
        return eintrag.contains(schluessel);
    }
    return gleich >= 0 && QStringView(eintrag).left(gleich) == schluessel;
}

void eintragAuswerten(const QString& eintrag, Schluesselsuche suche, FelderZuweisungen& ergebnis) {
    const qsizetype gleich = eintrag.indexOf(QLatin1Char('='));
    const QString wert = gleich < 0 ? eintrag : eintrag.mid(gleich + 1);
    for (const Schluessel& s : schluesselTabelle()) {
        if (!trifft(eintrag, gleich, s.name, suche)) {
            continue;
        }
        const std::optional<QString> umgewandelt = umwandeln(wert, s.umwandlung, ergebnis);
        if (!umgewandelt) {
            continue;
        }
        const int zahl = s.art == Zuweisung::Art::Haken ? umgewandelt->toInt() : s.bildNummer;
        ergebnis.zuweisungen.append({s.name, s.feld, s.nummer, *umgewandelt, s.art, zahl});
    }
}

} // namespace

QString ArtikelTextBilden(const ArtikelFelder& felder, const QString& verkaeuferName,
                          const QString& artikelArt, int& ersetzt) {
    QString text = kopfBlock(felder, verkaeuferName) + angebotBlock(felder);
    if (artikelArt == QLatin1String("Buch")) {
        text += buchBlock(felder);
    }
    text += bildBlock(felder) + versandBlock(felder);
    if (!felder.Kurzfassung.isEmpty()) {
        text += zeile(kKurzfassungSchluessel, felder.Kurzfassung);
    }
    text += zeile(QStringLiteral("ArtBeschreibung"), QString()) + felder.ArtBeschreibung;
    return ErsetzeAlle(text, QStringLiteral(","), QStringLiteral("__"), ersetzt);
}

FelderZuweisungen FelderAusZeilenSetzen(const std::array<QString, 81>& zeilen, Schluesselsuche suche) {
    FelderZuweisungen ergebnis;
    for (const QString& eintrag : zeilen) {
        eintragAuswerten(eintrag, suche, ergebnis);
    }
    return ergebnis;
}

ArtikelDateiInhalt ArtikelDateiAuswerten(const QString& inhalt) {
    ArtikelDateiInhalt datei;
    QStringList zeilen = inhalt.split(QLatin1Char('\n'));
    for (QString& z : zeilen) {
        if (z.endsWith(QLatin1Char('\r'))) {
            z.chop(1);
        }
    }
    // The writer ends the file with one line end after the description; it is not part of it.
    if (!zeilen.isEmpty() && zeilen.constLast().isEmpty()) {
        zeilen.removeLast();
    }
    std::size_t naechste = 0;
    QStringList freieZeilen;
    qsizetype i = 0;
    bool markeGefunden = false;
    for (; i < zeilen.size() && !markeGefunden; ++i) {
        const QString& z = zeilen.at(i);
        if (z.startsWith(kBeschreibungszeile)) {
            markeGefunden = true;
        } else if (z.startsWith(kKurzfassungszeile)) {
            QString kurz = z.mid(kKurzfassungszeile.size());
            int ersetzt = 0;
            datei.kurzfassung = ErsetzeAlle(kurz, QStringLiteral("__"), QStringLiteral(","), ersetzt);
        } else if (!z.startsWith(QLatin1Char('*'))) {
            freieZeilen.append(z);
        } else if (naechste < datei.zeilen.size()) {
            datei.zeilen[naechste++] = z.mid(1);
        }
    }
    // A file without the marker was not written by this program; its free text, separator lines
    // aside, is what the seller wrote, so it becomes the description rather than being lost.
    if (!markeGefunden) {
        freieZeilen.removeIf([](const QString& z) { return z.startsWith(kTrennzeile.left(2)); });
    }
    QString beschreibung = (markeGefunden ? zeilen.mid(i) : freieZeilen).join(QStringLiteral("\r\n"));
    datei.beschreibung =
        ErsetzeAlle(beschreibung, QStringLiteral("__"), QStringLiteral(","), datei.letzteErsetzungen);
    return datei;
}

namespace {

void buchFelderNennen(const ArtikelFelder& f, QList<BenanntesFeld>& felder) {
    felder.append({{QStringLiteral("Verlag"), f.Verlag1},
                   {QStringLiteral("Verlag (Auswahl)"), f.Verlag2},
                   {QStringLiteral("Autor"), f.Autor1},
                   {QStringLiteral("Autor (Auswahl)"), f.Autor2},
                   {QStringLiteral("Sprache"), f.Sprache1},
                   {QStringLiteral("Sprache (Auswahl)"), f.Sprache2},
                   {QStringLiteral("Art"), f.Art1},
                   {QStringLiteral("Art (Auswahl)"), f.Art2},
                   {QStringLiteral("Genre"), f.Genre1},
                   {QStringLiteral("Genre (Auswahl)"), f.Genre2},
                   {QStringLiteral("Seitenanzahl"), f.AnzSeit1},
                   {QStringLiteral("Gewicht"), f.Gewicht1},
                   {QStringLiteral("Zustand 1"), f.Zustand1},
                   {QStringLiteral("Zustand 2"), f.Zustand2}});
}

void bildFelderNennen(const ArtikelFelder& f, QList<BenanntesFeld>& felder) {
    for (std::size_t i = 0; i < f.Bild.size(); ++i) {
        const BildFelder& b = f.Bild[i];
        const QString bild = QStringLiteral("Bild %1: ").arg(i + 1);
        felder.append({{bild + QStringLiteral("Dateiname"), b.Pfad},
                       {bild + QStringLiteral("Datei auf dem Rechner"), b.Bildpfad},
                       {bild + QStringLiteral("Länge"), b.Breite},
                       {bild + QStringLiteral("Höhe"), b.Hohe}});
    }
}

} // namespace

QList<BenanntesFeld> GespeicherteFelder(const ArtikelFelder& f, const QString& artikelArt) {
    QList<BenanntesFeld> felder{{QStringLiteral("Artikel Bezeichnung"), f.ArtBez},
                                {QStringLiteral("Titel"), f.Titel},
                                {QStringLiteral("Untertitel"), f.UntTite}};
    for (std::size_t i = 0; i < f.Siebietenauf.size(); ++i) {
        felder.append({QStringLiteral("Sie bieten auf, Teil %1").arg(i + 1), f.Siebietenauf[i]});
    }
    felder.append({{QStringLiteral("Auf was Bieten"), f.SieBietenAuf},
                   {QStringLiteral("Kaufaufforderung 1"), f.Kaufaufforderung1},
                   {QStringLiteral("Kaufaufforderung 2"), f.Kaufaufforderung2}});
    if (artikelArt == QLatin1String("Buch")) {
        buchFelderNennen(f, felder);
    }
    bildFelderNennen(f, felder);
    felder.append({{QStringLiteral("Versandkosten"), f.Versandkosten},
                   {QStringLiteral("Versandart"), f.Versandart},
                   {QStringLiteral("Kurzfassung"), f.Kurzfassung},
                   {QStringLiteral("Beschreibung"), f.ArtBeschreibung}});
    return felder;
}

QString VersandkostenNormalisieren(const QString& wert) {
    QString ergebnis = ZeichenErsetzen(wert, QStringLiteral("."), QStringLiteral(","));
    if (ergebnis.contains(QStringLiteral("__"))) {
        ergebnis = ErstesZeichenEntfernen(ergebnis, QStringLiteral("_"));
    }
    return ZeichenErsetzen(ergebnis, QStringLiteral("_"), QStringLiteral(","));
}
