#include "ui/ArtikelBindung.h"

#include "article/ArtikelText.h"
#include "core/TextDatei.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/Bildzeilen.h"
#include "ui/ListeLaden.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
#include "ui/frmBuch.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QString text(const QObject* fenster, const char* name) {
    const QString n = QLatin1String(name);
    if (const auto* zeile = fenster->findChild<QLineEdit*>(n)) {
        return zeile->text();
    }
    return element<QComboBox>(fenster, n)->currentText();
}

int haken(const QObject* fenster, const QString& name) {
    return element<QCheckBox>(fenster, name)->isChecked() ? 1 : 0;
}

void hauptFelderLesen(Anwendung& app, ArtikelFelder& f) {
    const FrmHaupt* h = &app.frmHaupt();
    f.ArtBez = text(h, "txtArtikelBez");
    f.Titel = text(h, "txtTitel");
    f.UntTite = text(h, "txtUntertittel");
    const std::array<const char*, 7> aufWas{"cboEinZwei",     "cboEinEineEinen", "cboGutErhalten",
                                            "cboGutNeu",      "cboAufWasBiten",  "cboAufWasBiten2",
                                            "cboAufWasBiten3"};
    for (std::size_t i = 0; i < aufWas.size(); ++i) {
        f.Siebietenauf[i] = text(h, aufWas[i]);
    }
    f.SieBietenAuf = text(h, "txtAufWasBiten");
    f.Kaufaufforderung1 = text(h, "cboAuforderung1");
    f.Kaufaufforderung2 = text(h, "cboAuforderung2");
    for (std::size_t n = 0; n < kBildzeilenNamen.size(); ++n) {
        const BildzeilenNamen& e = kBildzeilenNamen[n];
        BildFelder& b = f.Bild[n];
        b.Haken = haken(h, QLatin1String(e.haken));
        b.Pfad = text(h, e.datei);
        b.Bildpfad = app.zustand().bildPfade[n];
        b.Breite = text(h, e.breite);
        b.Hohe = text(h, e.hoehe);
    }
    f.VersInfJa1 = haken(h, QStringLiteral("chkVersadInfoJa"));
    f.Versandkosten = text(h, "cboVersandkosten");
    f.Versandart = text(h, "cboPostHermes2");
    f.ArtBeschreibung = element<RichTextFeld>(h, QStringLiteral("rtfInhalt"))->text();
}

void buchFelderLesen(Anwendung& app, ArtikelFelder& f) {
    const FrmBuch* b = &app.frmBuch();
    f.Verlag1 = text(b, "Text2_0");
    f.Verlag2 = text(b, "cboFirmawehlen");
    f.Autor1 = text(b, "Text2_1");
    f.Autor2 = text(b, "cboBuchAutor");
    f.Sprache1 = text(b, "Text2_8");
    f.Sprache2 = text(b, "cboSprache");
    f.Art1 = text(b, "Text2_2");
    f.Art2 = text(b, "cboFarbewehlen");
    f.Genre1 = text(b, "Text2_4");
    f.Genre2 = text(b, "cboArtWehlen");
    f.AnzSeit1 = text(b, "Text2_5");
    f.Gewicht1 = text(b, "Text2_6");
    f.Zustand1 = text(b, "cboZustandWehlen1");
    f.Zustand2 = text(b, "cboZustandWehlen2");
    for (std::size_t k = 0; k < f.BuchAktiv.size(); ++k) {
        f.BuchAktiv[k] = haken(b, QStringLiteral("Chk%1").arg(k + 1));
    }
}

void textSetzen(QObject* fenster, const QString& name, const QString& wert) {
    if (auto* zeile = fenster->findChild<QLineEdit*>(name)) {
        zeile->setText(wert);
        return;
    }
    auto* box = element<QComboBox>(fenster, name);
    if (box->isEditable()) {
        box->setEditText(wert);
    } else {
        box->setCurrentText(wert);
    }
}

void zuweisen(Anwendung& app, const Zuweisung& z) {
    QObject* fenster = z.fenster == QLatin1String("frmBuch") ? static_cast<QObject*>(&app.frmBuch())
                                                             : static_cast<QObject*>(&app.frmHaupt());
    switch (z.art) {
    case Zuweisung::Art::Text:
        textSetzen(fenster, z.element, z.wert);
        break;
    case Zuweisung::Art::Haken:
        element<QCheckBox>(fenster, z.element)->setChecked(z.zahl != 0);
        break;
    case Zuweisung::Art::Bild:
        // A picture that cannot be loaded keeps the image; the path is kept all the same.
        if (!z.wert.isEmpty()) {
            element<BildFeld>(fenster, z.element)->bildLaden(z.wert);
        }
        app.zustand().bildPfade.at(z.zahl - 1) = z.wert;
        break;
    }
}

} // namespace

ArtikelFelder ArtikelFelderLesen(Anwendung& app) {
    ArtikelFelder felder;
    hauptFelderLesen(app, felder);
    buchFelderLesen(app, felder);
    return felder;
}

QString ArtikelTextBilden(Anwendung& app) {
    const QString artikelArt = element<QLabel>(&app.frmHaupt(), QStringLiteral("lblArtikelArt"))->text();
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

std::optional<ArtikelDateiInhalt> ArtikelDateiLesen(Anwendung& app, const QString& pfad) {
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        DateiNichtGefunden(app.plattform(), pfad);
        return std::nullopt;
    }
    return ArtikelDateiAuswerten(*inhalt);
}

void ArtikelEinsetzen(Anwendung& app, const ArtikelDateiInhalt& datei) {
    Zustand& z = app.zustand();
    z.artikelZeilen = datei.zeilen;
    z.ErsetztAnzahl = datei.letzteErsetzungen;
    element<RichTextFeld>(&app.frmHaupt(), QStringLiteral("rtfInhalt"))->setText(datei.beschreibung);
    FelderAusZeilenSetzen(app, Schluesselsuche::Genau);
}

void ArtikelDateiOeffnen(Anwendung& app, const QString& pfad) {
    QString name = pfad;
    if (name.isEmpty()) {
        name = app.plattform().dateiWaehlen(QStringLiteral("Artikel einlesen"), QString(),
                                            app.daten().pfad(QStringLiteral("Artikeln-txt\\")),
                                            QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*"));
    }
    // A file that cannot be read leaves the article being edited as it is.
    if (const std::optional<ArtikelDateiInhalt> datei = ArtikelDateiLesen(app, name)) {
        ArtikelEinsetzen(app, *datei);
    }
}
