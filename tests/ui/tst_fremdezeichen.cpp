#include "article/ArtikelText.h"
#include "article/Dateinamen.h"
#include "config/Ini.h"
#include "config/Vorlage.h"
#include "core/TextDatei.h"
#include "lists/Eintraege.h"
#include "support/FensterTest.h"
#include "support/Maus.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmVorlIni.h"
#include "ui/frmVorlSpeichern.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Everything the program writes, each through its own window.
enum class Schreiber {
    Listing,
    GeoeffnetesListing,
    Vorschau,
    Zusatz,
    Vorlagenteil,
    Einstellung,
    Speichername,
    Artikeltext,
    Beschreibungsdatei,
};

struct Art {
    Schreiber schreiber;
    const char* name;
    // The field a plain value is refused for; empty for HTML, which keeps every character.
    const char* feld;
};

const Art kArten[] = {
    {Schreiber::Listing, "Listing", ""},
    {Schreiber::GeoeffnetesListing, "geöffnetes Listing", ""},
    {Schreiber::Vorschau, "Vorschau", ""},
    {Schreiber::Zusatz, "Zusatz-Datei", ""},
    {Schreiber::Vorlagenteil, "Vorlagenteil", ""},
    {Schreiber::Einstellung, "Einstellung", "Pfad zur Hörproben, Demos, weiteren Fotos oder www"},
    {Schreiber::Speichername, "Speichername und Register", "Speichername"},
    {Schreiber::Artikeltext, "Artikeltext", "Titel"},
    {Schreiber::Beschreibungsdatei, "Beschreibungsdatei", "Verlag"},
};

const QString kListing = QStringLiteral("<p>Listing</p>");
const QString kGeoeffnet = QStringLiteral("Artikeln/Alt~1,00#Kori.ebay");

} // namespace

// Characters pasted from the web reach every file: HTML keeps those outside the code page as
// character references, a plain value holding them is refused with the field named, and what
// was written reads back as it was.
class TestFremdeZeichen : public FensterTest {
    Q_OBJECT
public:
    TestFremdeZeichen() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void schreibenUndLesen_data();
    void schreibenUndLesen();

private:
    void schreiben(Schreiber schreiber, const QString& wert);
    // What the file written by `schreiber` gives back, read as the program reads it.
    QString zurueckgelesen(Schreiber schreiber) const;
    QWidget& fenster(Schreiber schreiber) const;
    void speicherfensterZeigen(const QString& titel = QStringLiteral("Titel"), const QString& zusatz = {});
    FrmVorlSpeichern& speicherfenster() const { return app().frmVorlSpeichern(); }
    template <class T> T& in(Schreiber schreiber, const char* name) const {
        return *element<T>(fenster(schreiber), QLatin1String(name));
    }
    QString lesen(const QString& relativ) const {
        return textLesen(ordner().daten(relativ)).value_or(QString());
    }
};

namespace {

const QString kArtikel = QStringLiteral("Tasse~1,85#Kori.ebay");

QString meldung12(const QString& feld, const QString& zeichen) {
    return QStringLiteral("ACHTUNG\r\nBitte Angaben im Feld \"") + feld +
           QStringLiteral("\" Korriegieren!\r\n") + NichtSpeicherbarText(zeichen);
}

QString schliessenFrage() {
    return QStringLiteral("Ja   = Artikel wurde bei Ebay eingestellt\r\n\r\nNein = Artikel soll für später "
                          "gespeichert werden.\r\n\r\nAbbrechen = Nicht speichern");
}

// What an HTML writer's file holds for the value: the listing shown with the value pasted at its
// end, or the value alone, each as it is written.
QString htmlDatei(Schreiber schreiber, const QString& wert) {
    switch (schreiber) {
    case Schreiber::Listing:
    case Schreiber::Vorschau:
        return kListing + wert + QStringLiteral("\r\n");
    case Schreiber::GeoeffnetesListing:
        return kListing + wert;
    case Schreiber::Zusatz:
        return wert + QStringLiteral("\r\n");
    default:
        return wert;
    }
}

} // namespace

void TestFremdeZeichen::speicherfensterZeigen(const QString& titel, const QString& zusatz) {
    app().zustand().verkaeuferName = QStringLiteral("Kori");
    app().zustand().listingText = kListing;
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Tasse"));
    haupt<QLineEdit>(QStringLiteral("txtTitel"))->setText(titel);
    haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(zusatz);
    speicherfenster().nachFertigstellenZeigen(QStringLiteral("1,85"), QStringLiteral("Post"));
}

QWidget& TestFremdeZeichen::fenster(Schreiber schreiber) const {
    switch (schreiber) {
    case Schreiber::Vorlagenteil:
        return app().frmVorlIni();
    case Schreiber::Einstellung:
        return app().frmEinstell();
    case Schreiber::Beschreibungsdatei:
        return app().frmBuch();
    default:
        return speicherfenster();
    }
}

void TestFremdeZeichen::schreiben(Schreiber schreiber, const QString& wert) {
    const auto druecken = [this, schreiber](const char* knopf) {
        return mausKlick(in<QPushButton>(schreiber, knopf));
    };
    switch (schreiber) {
    case Schreiber::Listing:
    case Schreiber::Vorschau:
        speicherfensterZeigen();
        QVERIFY(einfuegen(in<RichTextFeld>(schreiber, "rtfText"), wert));
        QVERIFY(druecken(schreiber == Schreiber::Listing ? "cmdSpeichern" : "cmdVorschau"));
        return;
    case Schreiber::GeoeffnetesListing:
        ordner().schreiben(kGeoeffnet, w1252(kListing));
        plattform().dateien.enqueue(ordner().daten(kGeoeffnet));
        speicherfenster().artikelEinlesenMenue();
        QVERIFY(einfuegen(in<RichTextFeld>(schreiber, "rtfText"), wert));
        QVERIFY(druecken("cmdSpeichern"));
        return;
    case Schreiber::Zusatz:
        speicherfensterZeigen(QStringLiteral("Titel"), wert);
        QVERIFY(druecken("cmdSpeichern"));
        return;
    case Schreiber::Artikeltext:
        speicherfensterZeigen(wert);
        QVERIFY(druecken("cmdSpeichern"));
        return;
    case Schreiber::Speichername:
        speicherfensterZeigen();
        QVERIFY(ersetzen(in<QLineEdit>(schreiber, "txtArtikelBez"), wert));
        plattform().antworten.enqueue(Plattform::Antwort::Nein);
        QVERIFY(druecken("cmdSchliesen"));
        return;
    case Schreiber::Vorlagenteil:
    case Schreiber::Einstellung:
        fenster(schreiber).show();
        QVERIFY(einfuegen(
            in<QLineEdit>(schreiber, schreiber == Schreiber::Vorlagenteil ? "txtTeil2" : "txtPfadHoerproben"),
            wert));
        QVERIFY(druecken(schreiber == Schreiber::Vorlagenteil ? "cmdAendSpeich" : "cmdEinstelSpeichern"));
        return;
    case Schreiber::Beschreibungsdatei:
        fenster(schreiber).show();
        in<QLineEdit>(schreiber, "txtArtikelBez").setText(QStringLiteral("Tasse"));
        in<QComboBox>(schreiber, "cboZustandWehlen1").setCurrentText(QStringLiteral("sehr gut"));
        QVERIFY(druecken("cmdubernehmen"));
        QVERIFY(einfuegen(in<QLineEdit>(schreiber, "Text2_0"), wert));
        QVERIFY(druecken("cmdSpeichKleidBeschr"));
        return;
    }
}

QString TestFremdeZeichen::zurueckgelesen(Schreiber schreiber) const {
    switch (schreiber) {
    case Schreiber::Listing:
        return lesen(QStringLiteral("Artikeln/") + kArtikel);
    case Schreiber::GeoeffnetesListing:
        return lesen(kGeoeffnet);
    case Schreiber::Vorschau:
        return lesen(QStringLiteral("Vorschau.html"));
    case Schreiber::Zusatz:
        return lesen(QStringLiteral("Artikeln-Zusatz-html/Tasse~1,85#Kori-Zus.ebay"));
    case Schreiber::Vorlagenteil:
        return vorlageTeileLesen(ordner().daten(QStringLiteral("HTML_Code/Vorlage.Ini")),
                                 QStringLiteral("Buch"))
            .at(1);
    case Schreiber::Einstellung:
        return IniLesen(ordner().daten(QStringLiteral("Einstell.Ini")), QStringLiteral("EINSTELL"),
                        QStringLiteral("PFAD_ZUS_HOER"));
    case Schreiber::Speichername: {
        // The name as the library finds it again: the register entry names the article's file.
        const QStringList eintraege =
            listeAuswerten(lesen(QStringLiteral("vorlagen/NochNichtEingestellt.txt"))).eintraege;
        const QString eintrag = eintraege.isEmpty() ? QString() : eintraege.last();
        const bool datei = ordner().dateien(QStringLiteral("Artikeln-Txt")).contains(eintrag);
        return datei ? TitelAusDateiname(eintrag) : QString();
    }
    case Schreiber::Artikeltext: {
        const ArtikelDateiInhalt datei =
            ArtikelDateiAuswerten(lesen(QStringLiteral("Artikeln-Txt/") + kArtikel));
        for (const Zuweisung& z : FelderAusZeilenSetzen(datei.zeilen, Schluesselsuche::Genau).zuweisungen) {
            if (z.feld == Artikelfeld::Titel) {
                return z.wert;
            }
        }
        return {};
    }
    case Schreiber::Beschreibungsdatei:
        return IniLesen(ordner().daten(QStringLiteral("Artikel-Beschreibung/Tasse.ini")),
                        QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL1"));
    }
    return {};
}

void TestFremdeZeichen::schreibenUndLesen_data() {
    QTest::addColumn<Schreiber>("schreiber");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("zeichen");
    QTest::addColumn<QString>("verweis");
    const struct {
        const char* name;
        QString zeichen;
        QString verweis;
    } zeichen[] = {
        {"Haken", QStringLiteral("✓"), QStringLiteral("&#10003;")},
        {"Euro", QStringLiteral("€"), QStringLiteral("€")},
        {"L mit Strich", QStringLiteral("Ł"), QStringLiteral("&#321;")},
        {"Emoji", QStringLiteral("\U0001F600"), QStringLiteral("&#128512;")},
        {"Steuerzeichen", QStringLiteral("\u0007"), QStringLiteral("\u0007")},
    };
    for (const Art& art : kArten) {
        for (const auto& z : zeichen) {
            QTest::addRow("%s, %s", art.name, z.name)
                << art.schreiber << QString::fromUtf8(art.feld) << z.zeichen << z.verweis;
        }
    }
}

void TestFremdeZeichen::schreibenUndLesen() {
    QFETCH(Schreiber, schreiber);
    QFETCH(QString, feld);
    QFETCH(QString, zeichen);
    QFETCH(QString, verweis);
    const QString wert = QStringLiteral("A") + zeichen + QStringLiteral("B");
    const QString vorher = zurueckgelesen(schreiber);

    schreiben(schreiber, wert);
    if (QTest::currentTestFailed()) {
        return;
    }

    QStringList meldungen = plattform().meldungstexte();
    meldungen.removeAll(schliessenFrage());
    const bool verweigert = !feld.isEmpty() && !ZeichenAusserhalbWindows1252(zeichen).isEmpty();
    if (feld.isEmpty()) {
        const QString html = QStringLiteral("A") + verweis + QStringLiteral("B");
        // The template part was pasted at the end of the delivered one.
        QCOMPARE(zurueckgelesen(schreiber),
                 schreiber == Schreiber::Vorlagenteil ? vorher + html : htmlDatei(schreiber, html));
    } else if (verweigert) {
        QCOMPARE(meldungen, QStringList{meldung12(feld, zeichen)});
        QCOMPARE(zurueckgelesen(schreiber), vorher);
        QVERIFY(fenster(schreiber).isVisible());
        if (schreiber == Schreiber::Einstellung) {
            QCOMPARE(in<QLabel>(schreiber, "lblgespeichert").text(), QString());
        }
        return;
    } else {
        QCOMPARE(zurueckgelesen(schreiber), wert);
    }
    QCOMPARE(meldungen, QStringList{});
}

QTEST_MAIN(TestFremdeZeichen)
#include "tst_fremdezeichen.moc"
