#include "ui/ArtikelBindung.h"

#include "article/ArtikelText.h"
#include "article/Speichern.h"
#include "core/TextDatei.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/Feldtext.h"
#include "ui/KurzfassungBedienung.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/frmBuch.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

namespace {

QWidget* feld(Anwendung& app, Artikelfeld f, int nummer = 0) {
    return istBuchfeld(f) ? app.frmBuch().artikelfeld(f, nummer) : app.frmHaupt().artikelfeld(f, nummer);
}

// The fields of one window, the main or the book window.
template <class Fenster> QString text(const Fenster& fenster, Artikelfeld f, int nummer = 0) {
    return feldText(fenster.artikelfeld(f, nummer));
}

template <class Fenster> int haken(const Fenster& fenster, Artikelfeld f, int nummer = 0) {
    return qobject_cast<const QCheckBox*>(fenster.artikelfeld(f, nummer))->isChecked() ? 1 : 0;
}

void zuweisen(Anwendung& app, const Zuweisung& z) {
    QWidget* ziel = feld(app, z.feld, z.nummer);
    switch (z.art) {
    case Zuweisung::Art::Text:
        feldTextSetzen(ziel, z.wert);
        break;
    case Zuweisung::Art::Haken:
        qobject_cast<QCheckBox*>(ziel)->setChecked(z.zahl != 0);
        break;
    case Zuweisung::Art::Bild:
        // A picture that cannot be loaded keeps the image; the path is kept all the same.
        if (!z.wert.isEmpty()) {
            qobject_cast<BildFeld*>(ziel)->bildLaden(z.wert);
        }
        app.zustand().bildPfade.at(z.zahl - 1) = z.wert;
        break;
    }
}

} // namespace

void HauptFelderLesen(Anwendung& app, ArtikelFelder& f) {
    using enum Artikelfeld;
    const FrmHaupt& haupt = app.frmHaupt();
    f.ArtBez = text(haupt, Bezeichnung);
    f.Titel = text(haupt, Titel);
    f.UntTite = text(haupt, Untertitel);
    for (std::size_t i = 0; i < f.Siebietenauf.size(); ++i) {
        f.Siebietenauf.at(i) = text(haupt, Gebotsteil, static_cast<int>(i) + 1);
    }
    f.SieBietenAuf = text(haupt, Gebotszeile);
    f.Kaufaufforderung1 = text(haupt, Kaufaufforderung1);
    f.Kaufaufforderung2 = text(haupt, Kaufaufforderung2);
    for (std::size_t i = 0; i < f.Bild.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        BildFelder& b = f.Bild.at(i);
        b.Haken = haken(haupt, BildHaken, n);
        b.Pfad = text(haupt, BildDatei, n);
        b.Bildpfad = app.zustand().bildPfade.at(i);
        b.Breite = text(haupt, BildBreite, n);
        b.Hohe = text(haupt, BildHoehe, n);
    }
    f.VersInfJa1 = haken(haupt, VersandInfo);
    f.Versandkosten = text(haupt, Versandkosten);
    f.Versandart = text(haupt, Versandart);
    f.ArtBeschreibung = haupt.beschreibung();
    f.Kurzfassung = haupt.kurzfassung().gespeichert();
}

void BuchFelderLesen(const FrmBuch& buch, ArtikelFelder& f) {
    using enum Artikelfeld;
    f.Verlag1 = text(buch, BuchVerlag);
    f.Verlag2 = text(buch, BuchVerlagWahl);
    f.Autor1 = text(buch, BuchAutor);
    f.Autor2 = text(buch, BuchAutorWahl);
    f.Sprache1 = text(buch, BuchSprache);
    f.Sprache2 = text(buch, BuchSpracheWahl);
    f.Art1 = text(buch, BuchArt);
    f.Art2 = text(buch, BuchArtWahl);
    f.Genre1 = text(buch, BuchGenre);
    f.Genre2 = text(buch, BuchGenreWahl);
    f.AnzSeit1 = text(buch, BuchSeiten);
    f.Gewicht1 = text(buch, BuchGewicht);
    f.Zustand1 = text(buch, BuchZustandWahl1);
    f.Zustand2 = text(buch, BuchZustandWahl2);
    for (std::size_t k = 0; k < f.BuchAktiv.size(); ++k) {
        f.BuchAktiv.at(k) = haken(buch, BuchAktiv, static_cast<int>(k) + 1);
    }
}

ArtikelFelder ArtikelFelderLesen(Anwendung& app) {
    ArtikelFelder felder;
    HauptFelderLesen(app, felder);
    BuchFelderLesen(app.frmBuch(), felder);
    return felder;
}

QString ArtikelTextBilden(Anwendung& app) {
    const QString artikelArt = app.frmHaupt().artikelArt();
    int ersetzt = 0;
    QString text =
        ArtikelTextBilden(ArtikelFelderLesen(app), app.zustand().verkaeuferName, artikelArt, ersetzt);
    app.zustand().ErsetztAnzahl = ersetzt;
    return text;
}

void FelderAusZeilenSetzen(Anwendung& app, Schluesselsuche suche) {
    const FelderZuweisungen ergebnis = FelderAusZeilenSetzen(app.zustand().artikelZeilen, suche);
    for (const Zuweisung& z : ergebnis.zuweisungen) {
        zuweisen(app, z);
    }
    if (ergebnis.letzteErsetzungen) {
        app.zustand().ErsetztAnzahl = *ergebnis.letzteErsetzungen;
    }
    app.zustand().pruefungUeberspringen = true;
    app.frmBuch().cmdubernehmen_Click();
}

std::optional<ArtikelDateiInhalt> ArtikelDateiLesen(Plattform& plattform, const QString& pfad) {
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        DateiNichtGefunden(plattform, pfad);
        return std::nullopt;
    }
    ArtikelDateiInhalt datei = ArtikelDateiAuswerten(*inhalt);
    const QString zusatz = ZusatzPfadZuText(pfad);
    if (QFileInfo::exists(zusatz)) {
        if (const std::optional<QString> tabelle = textLesen(zusatz)) {
            datei.tabelle = ZusatzAusDatei(*tabelle);
        } else {
            Meldung(
                plattform, 99,
                QStringLiteral("Die Buch- oder Kleidungstabelle des Artikels kann nicht gelesen werden; der "
                               "Artikel wird ohne sie eingelesen:\r\n") +
                    QDir::toNativeSeparators(zusatz));
        }
    }
    return datei;
}

void ArtikelEinsetzen(Anwendung& app, const ArtikelDateiInhalt& datei) {
    Zustand& z = app.zustand();
    z.artikelZeilen = datei.zeilen;
    z.ErsetztAnzahl = datei.letzteErsetzungen;
    app.frmHaupt().beschreibungSetzen(datei.beschreibung);
    app.frmHaupt().inhaltAutoSetzen(datei.tabelle);
    FelderAusZeilenSetzen(app, Schluesselsuche::Genau);
    app.frmHaupt().kurzfassung().einsetzen(datei.kurzfassung);
    // The article read is the one on file: nothing of it is unsaved yet.
    app.artikelstandMerken();
}

void ArtikelDateiOeffnen(Anwendung& app, const QString& pfad) {
    QString name = pfad;
    if (name.isEmpty()) {
        name = app.plattform().dateiWaehlen(QStringLiteral("Artikel einlesen"), QString(),
                                            app.daten().pfad(QStringLiteral("Artikeln-txt\\")),
                                            QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*"));
    }
    // A file that cannot be read leaves the article being edited as it is.
    if (const std::optional<ArtikelDateiInhalt> datei = ArtikelDateiLesen(app.plattform(), name)) {
        ArtikelEinsetzen(app, *datei);
        Zustand& z = app.zustand();
        z.ArtikelDatei = name;
        // An article read by its file name is no entry of the register, whatever was read before.
        z.RegisterEintrag.clear();
    }
}
