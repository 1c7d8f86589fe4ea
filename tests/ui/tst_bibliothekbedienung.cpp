#include "support/FensterTest.h"
#include "ui/Anwendung.h"
#include "ui/BibliothekBedienung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmHaupt.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kTexte = QStringLiteral("Artikeln-Txt/");
const QString kFilter = QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*");

QByteArray artikel(const QString& bezeichnung) {
    return w1252(QStringLiteral("##-------\r\n*ArtBez=") + bezeichnung +
                 QStringLiteral("\r\n##-------\r\n*ArtBeschreibung=\r\nText\r\n"));
}

} // namespace

class TstBibliothekBedienung : public FensterTest {
    Q_OBJECT
private slots:
    void ebayDateien_jederSchreibweise_werdenGelistet();
    void seiteDateiliste_fuelltNurBeimErstenMal();
    void programmordnerMitTrenner_gibtGleichenListenordner();
    void suchen_data();
    void suchen();
    void suchen_loeschtFruehereAuswahl();
    void weitereDateien_zeigtAnderenOrdner();
    void weitereDateienAbgebrochen_laesstListeUndArt();
    void andererOrdner_zweiEintraege_oeffnenJeweilsIhreDatei();
    void registerEintrag_wirdAusHauptordnerGelesen();
    void einlesenOhneAuswahl_meldet();
    void einlesenUnlesbar_laesstArtikel();
    void alsText_oeffnetImOrdnerDerListe();
    void alsText_nimmtDenSuchtreffer();
    void ordnerOeffnen_oeffnetListenordner();
    void einlesenKomplett_bietetDialogAn();
    void vorschau_geladen_einDialog();
    void vorschau_fehlgeschlagen_hoechstensZweiDialoge();
    void vorschau_abgebrochen_meldetNichts();

private:
    Zustand& z() const { return app().zustand(); }
    QListWidget* liste() const { return haupt<QListWidget>(QStringLiteral("lstDateien")); }
    // The list's buttons are on the page "Dateiliste"; showing it fills the list the first time.
    // The program is not started here, so the main window is shown by hand.
    void klick(const char* name) const {
        app().frmHaupt().show();
        seite(QStringLiteral("Dateiliste"));
        klicken(QLatin1String(name));
    }
    QString bezeichnung() const { return haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(); }
    QStringList zeilen() const { return eintraege(*liste()); }
    QList<int> gewaehlt() const;
    void waehlen(int zeile) const { zeileWaehlen(*liste(), zeile); }
    int dialoge() const { return plattform().anzahl(QStringLiteral("dateiWaehlen")); }
};

QList<int> TstBibliothekBedienung::gewaehlt() const {
    QList<int> nummern;
    for (int i = 0; i < liste()->count(); ++i) {
        if (liste()->item(i)->isSelected()) {
            nummern.append(i);
        }
    }
    return nummern;
}

void TstBibliothekBedienung::ebayDateien_jederSchreibweise_werdenGelistet() {
    ordner().schreiben(kTexte + QStringLiteral("Buch A~1,85#Hans.ebay"), artikel(QStringLiteral("A")));
    ordner().schreiben(kTexte + QStringLiteral("Buch B~1,85#Hans.EBAY"), artikel(QStringLiteral("B")));
    ordner().schreiben(kTexte + QStringLiteral("Notiz.txt"), "x");
    ordner().schreiben(kTexte + QStringLiteral("Alt.ebay.bak"), "x");
    klick("cmdHauptliste");
    QCOMPARE(zeilen(),
             (QStringList{QStringLiteral("Buch A~1,85#Hans.ebay"), QStringLiteral("Buch B~1,85#Hans.EBAY")}));
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblDateiordner"))->text(),
             QStringLiteral("Anzeige aller gespeicherten Artikel."));
    QCOMPARE(z().ListenArt, QStringLiteral("Haupt"));
    QVERIFY(z().ListeGefuellt);
    QVERIFY(!z().RegisterAngezeigt);
}

void TstBibliothekBedienung::seiteDateiliste_fuelltNurBeimErstenMal() {
    ordner().schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    auto* reiter = haupt<QTabWidget>(QStringLiteral("SSTab1"));
    reiter->setCurrentIndex(BibliothekBedienung::kDateilisteSeite);
    QCOMPARE(zeilen(), QStringList{QStringLiteral("A.ebay")});
    QVERIFY(z().ListeGefuellt);

    ordner().schreiben(kTexte + QStringLiteral("B.ebay"), artikel(QStringLiteral("B")));
    reiter->setCurrentIndex(0);
    reiter->setCurrentIndex(BibliothekBedienung::kDateilisteSeite);
    QCOMPARE(zeilen(), QStringList{QStringLiteral("A.ebay")});
}

void TstBibliothekBedienung::programmordnerMitTrenner_gibtGleichenListenordner() {
    Anwendung mit(ordner().programmordner() + QLatin1Char('/'), plattform());
    app().frmHaupt().bibliothek().ArtikelListeFuellen();
    mit.frmHaupt().bibliothek().ArtikelListeFuellen();
    QCOMPARE(mit.zustand().ListenOrdner, app().zustand().ListenOrdner);
    QVERIFY(app().zustand().ListenOrdner.endsWith(QStringLiteral("/Artikeln-Txt/")));
}

void TstBibliothekBedienung::suchen_data() {
    QTest::addColumn<QString>("begriff");
    QTest::addColumn<QList<int>>("treffer");
    QTest::newRow("klein findet gross") << QStringLiteral("krimi") << QList<int>{0, 2};
    QTest::newRow("gross findet klein") << QStringLiteral("ROMAN") << QList<int>{1};
    QTest::newRow("leer waehlt alle") << QString() << QList<int>{0, 1, 2, 3};
    QTest::newRow("nichts") << QStringLiteral("Atlas") << QList<int>{};
}

void TstBibliothekBedienung::suchen() {
    QFETCH(QString, begriff);
    QFETCH(QList<int>, treffer);
    seite(QStringLiteral("Dateiliste"));
    liste()->addItems({QStringLiteral("KRIMI Mord.ebay"), QStringLiteral("Roman.ebay"),
                       QStringLiteral("Der Krimi.ebay"), QStringLiteral("Kochbuch.ebay")});
    haupt<QLineEdit>(QStringLiteral("txtSuchen"))->setText(begriff);
    klick("cmdSuchen");
    QCOMPARE(gewaehlt(), treffer);
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblwieviel"))->text(),
             QStringLiteral("( %1 )").arg(treffer.size()));
    QCOMPARE(z().GewaehlterEintrag, 3);
}

void TstBibliothekBedienung::suchen_loeschtFruehereAuswahl() {
    ordner().schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    ordner().schreiben(kTexte + QStringLiteral("B.ebay"), artikel(QStringLiteral("B")));
    klick("cmdHauptliste");
    waehlen(0);
    haupt<QLineEdit>(QStringLiteral("txtSuchen"))->setText(QStringLiteral("b."));
    klick("cmdSuchen");
    QCOMPARE(gewaehlt(), (QList<int>{1}));
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblwieviel"))->text(), QStringLiteral("( 1 )"));
    // What is read is the match of this search, not the line marked before it.
    klick("cmdDateiEinlesen");
    QCOMPARE(bezeichnung(), QStringLiteral("B"));
}

void TstBibliothekBedienung::weitereDateien_zeigtAnderenOrdner() {
    ordner().schreiben(QStringLiteral("Archiv/X.ebay"), artikel(QStringLiteral("X")));
    ordner().schreiben(QStringLiteral("Archiv/Y.txt"), "y");
    plattform().dateien.enqueue(ordner().daten(QStringLiteral("Archiv/X.ebay")));
    klick("cmdWeitereDateienAnzeigen");
    QCOMPARE(zeilen(), QStringList{QStringLiteral("X.ebay")});
    QCOMPARE(z().AndererOrdner, ordner().daten(QStringLiteral("Archiv")));
    QCOMPARE(z().ListenArt, QStringLiteral("Andere"));
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblDateiordner"))->text(),
             QStringLiteral("Anzeige weiteren Artikel."));
    QCOMPARE(plattform().aufrufe.first().argumente.at(2), kFilter);
}

void TstBibliothekBedienung::weitereDateienAbgebrochen_laesstListeUndArt() {
    ordner().schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    klick("cmdHauptliste");
    plattform().dateien.enqueue(QString());
    klick("cmdWeitereDateienAnzeigen");
    QCOMPARE(zeilen(), QStringList{QStringLiteral("A.ebay")});
    QCOMPARE(z().ListenArt, QStringLiteral("Haupt"));
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblDateiordner"))->text(),
             QStringLiteral("Anzeige aller gespeicherten Artikel."));
}

void TstBibliothekBedienung::andererOrdner_zweiEintraege_oeffnenJeweilsIhreDatei() {
    ordner().schreiben(QStringLiteral("Archiv/Erster.ebay"), artikel(QStringLiteral("Erster Artikel")));
    ordner().schreiben(QStringLiteral("Archiv/Zweiter.ebay"), artikel(QStringLiteral("Zweiter Artikel")));
    ordner().schreiben(kTexte + QStringLiteral("Zweiter.ebay"), artikel(QStringLiteral("Falscher Ordner")));
    plattform().dateien.enqueue(ordner().daten(QStringLiteral("Archiv/Erster.ebay")));
    klick("cmdWeitereDateienAnzeigen");

    waehlen(0);
    klick("cmdDateiEinlesen");
    QCOMPARE(bezeichnung(), QStringLiteral("Erster Artikel"));
    waehlen(1);
    klick("cmdDateiEinlesen");
    QCOMPARE(bezeichnung(), QStringLiteral("Zweiter Artikel"));
    QCOMPARE(z().GewaehlterEintrag, 1);
}

void TstBibliothekBedienung::registerEintrag_wirdAusHauptordnerGelesen() {
    ordner().schreiben(QStringLiteral("vorlagen/NochNichtEingestellt.txt"),
                       w1252(QStringLiteral("# Register\r\nBuch?1.ebay\r\n")));
    ordner().schreiben(kTexte + QStringLiteral("Buch#1.ebay"), artikel(QStringLiteral("Aus dem Register")));
    klick("cmdnochnichtAnzeig");
    QCOMPARE(zeilen(), QStringList{QStringLiteral("Buch#1.ebay")});
    QVERIFY(z().RegisterAngezeigt);
    QCOMPARE(z().ListenArt, QStringLiteral("Haupt"));
    waehlen(0);
    klick("cmdDateiEinlesen");
    QCOMPARE(bezeichnung(), QStringLiteral("Aus dem Register"));
}

void TstBibliothekBedienung::einlesenOhneAuswahl_meldet() {
    seite(QStringLiteral("Dateiliste"));
    liste()->addItems({QStringLiteral("A.ebay")});
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("alt"));
    klick("cmdDateiEinlesen");
    QCOMPARE(plattform().meldungstexte(), QStringList{QStringLiteral("Sie haben keine Datei ausgewält")});
    // Nothing was read, so the article being edited stays.
    QCOMPARE(bezeichnung(), QStringLiteral("alt"));
}

void TstBibliothekBedienung::einlesenUnlesbar_laesstArtikel() {
    ordner().schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    klick("cmdHauptliste");
    QVERIFY(QFile::remove(ordner().daten(kTexte + QStringLiteral("A.ebay"))));
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("alt"));
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("alter Text"));
    z().GewaehlterEintrag = 7;
    waehlen(0);
    klick("cmdDateiEinlesen");
    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(plattform().fenster.first().text.endsWith(QStringLiteral("  wurde nicht gefunden!")));
    QCOMPARE(bezeichnung(), QStringLiteral("alt"));
    QCOMPARE(haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(), QStringLiteral("alter Text"));
    QCOMPARE(z().GewaehlterEintrag, 7);
}

void TstBibliothekBedienung::alsText_oeffnetImOrdnerDerListe() {
    ordner().schreiben(QStringLiteral("Archiv/X.ebay"), artikel(QStringLiteral("X")));
    plattform().dateien.enqueue(ordner().daten(QStringLiteral("Archiv/X.ebay")));
    klick("cmdWeitereDateienAnzeigen");
    waehlen(0);
    plattform().vergessen();
    klick("cmdDateiAlsTextOpen");
    QCOMPARE(plattform().aufrufe.size(), 1);
    QCOMPARE(plattform().aufrufe.first().argumente.last(), ordner().daten(QStringLiteral("Archiv/X.ebay")));

    ordner().schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    klick("cmdHauptliste");
    waehlen(0);
    plattform().vergessen();
    klick("cmdDateiAlsTextOpen");
    QCOMPARE(plattform().aufrufe.first().argumente.last(), ordner().daten(kTexte + QStringLiteral("A.ebay")));
}

// The search marks its match without moving the list's current line, which a click left elsewhere.
void TstBibliothekBedienung::alsText_nimmtDenSuchtreffer() {
    ordner().schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    ordner().schreiben(kTexte + QStringLiteral("B.ebay"), artikel(QStringLiteral("B")));
    klick("cmdHauptliste");
    waehlen(0);
    hineinklicken(app().frmHaupt(), QStringLiteral("txtSuchen"));
    tippen(QStringLiteral("b."));
    klick("cmdSuchen");
    plattform().vergessen();
    klick("cmdDateiAlsTextOpen");
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(plattform().aufrufe.size(), 1);
    QCOMPARE(plattform().aufrufe.first().argumente.last(), ordner().daten(kTexte + QStringLiteral("B.ebay")));
}

void TstBibliothekBedienung::ordnerOeffnen_oeffnetListenordner() {
    klick("cmdHauptliste");
    klick("cmdOrdnerDateienOpen");
    QCOMPARE(plattform().aufrufe.size(), 1);
    QCOMPARE(plattform().aufrufe.first().argumente.last(), z().ListenOrdner);
}

void TstBibliothekBedienung::einlesenKomplett_bietetDialogAn() {
    ordner().schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("Komplett gelesen")));
    plattform().dateien.enqueue(ordner().daten(kTexte + QStringLiteral("A.ebay")));
    menue(app().frmHaupt(), QStringLiteral("mnuArtEinlesenkompl"));
    QCOMPARE(dialoge(), 1);
    QCOMPARE(bezeichnung(), QStringLiteral("Komplett gelesen"));
}

void TstBibliothekBedienung::vorschau_geladen_einDialog() {
    const QString datei = QStringLiteral("Artikeln/Buch A~1,85#Hans.ebay");
    ordner().schreiben(datei, w1252(QStringLiteral("<p>Listing</p>\r\n")));
    plattform().dateien.enqueue(ordner().daten(datei));
    menue(app().frmHaupt(), QStringLiteral("mnuArtikAnschau"));
    QCOMPARE(dialoge(), 1);
    QVERIFY(!z().LadenAusstehend);
    // The preview command that follows puts its header in front of the loaded listing.
    const QString vorschau = haupt<RichTextFeld>(QStringLiteral("rtfVorschau"))->text();
    QVERIFY(vorschau.endsWith(QStringLiteral("<b>Buch A</b></div><br><p>Listing</p>\r\n")));
    QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtArtikelBezVor"))->text(), QStringLiteral("Buch A"));
}

void TstBibliothekBedienung::vorschau_fehlgeschlagen_hoechstensZweiDialoge() {
    const QString fehlt = ordner().daten(QStringLiteral("Artikeln/fehlt.ebay"));
    plattform().dateien.enqueue(fehlt);
    plattform().dateien.enqueue(fehlt);
    plattform().dateien.enqueue(fehlt);
    menue(app().frmHaupt(), QStringLiteral("mnuArtikAnschau"));
    QCOMPARE(dialoge(), 2);
    // The third answer stood ready for a third dialog that must not come.
    plattform().dateien.clear();
    QVERIFY(z().LadenAusstehend);
    QCOMPARE(plattform().fenster.size(), 2);
    QVERIFY(plattform().fenster.first().text.startsWith(QStringLiteral("Fehler beim ladender Datei")));
}

void TstBibliothekBedienung::vorschau_abgebrochen_meldetNichts() {
    haupt<QLineEdit>(QStringLiteral("txtArtikelBezVor"))->setText(QStringLiteral("bisher"));
    plattform().dateien.enqueue(QString());
    plattform().dateien.enqueue(QString());
    menue(app().frmHaupt(), QStringLiteral("mnuArtikAnschau"));
    QCOMPARE(dialoge(), 2);
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtArtikelBezVor"))->text(), QStringLiteral("bisher"));
}

QTEST_MAIN(TstBibliothekBedienung)
#include "tst_bibliothekbedienung.moc"
