#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
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

#include <memory>

namespace {

const QString kTexte = QStringLiteral("Artikeln-Txt/");
const QString kFilter = QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*");

QByteArray artikel(const QString& bezeichnung) {
    return w1252(QStringLiteral("##-------\r\n*ArtBez=") + bezeichnung +
                 QStringLiteral("\r\n##-------\r\n*ArtBeschreibung=\r\nText\r\n"));
}

struct Programm {
    TestOrdner ordner;
    SkriptPlattform p;
    std::unique_ptr<Anwendung> app = std::make_unique<Anwendung>(ordner.programmordner(), p);

    BibliothekBedienung& bib() { return app->bibliothek(); }
    Zustand& z() { return app->zustand(); }
    template <class T> T* el(const QString& name) { return app->frmHaupt().findChild<T*>(name); }
    QListWidget* liste() { return el<QListWidget>(QStringLiteral("lstDateien")); }
    void klick(const char* name) { el<QPushButton>(QLatin1String(name))->click(); }
    QString bezeichnung() { return el<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(); }

    QStringList eintraege() {
        QStringList texte;
        for (int i = 0; i < liste()->count(); ++i) {
            texte.append(liste()->item(i)->text());
        }
        return texte;
    }
    QList<int> gewaehlt() {
        QList<int> zeilen;
        for (int i = 0; i < liste()->count(); ++i) {
            if (liste()->item(i)->isSelected()) {
                zeilen.append(i);
            }
        }
        return zeilen;
    }
    void waehlen(int zeile) {
        liste()->clearSelection();
        liste()->item(zeile)->setSelected(true);
        liste()->setCurrentRow(zeile, QItemSelectionModel::NoUpdate);
    }
    int dialoge() const {
        int anzahl = 0;
        for (const SkriptPlattform::Aufruf& a : p.aufrufe) {
            anzahl += a.art == QLatin1String("dateiWaehlen") ? 1 : 0;
        }
        return anzahl;
    }
};

} // namespace

class TstBibliothekBedienung : public QObject {
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
    void ordnerOeffnen_oeffnetListenordner();
    void einlesenKomplett_bietetDialogAn();
    void vorschau_geladen_einDialog();
    void vorschau_fehlgeschlagen_hoechstensZweiDialoge();
    void vorschau_abgebrochen_meldetNichts();
};

void TstBibliothekBedienung::ebayDateien_jederSchreibweise_werdenGelistet() {
    Programm pr;
    pr.ordner.schreiben(kTexte + QStringLiteral("Buch A~1,85#Hans.ebay"), artikel(QStringLiteral("A")));
    pr.ordner.schreiben(kTexte + QStringLiteral("Buch B~1,85#Hans.EBAY"), artikel(QStringLiteral("B")));
    pr.ordner.schreiben(kTexte + QStringLiteral("Notiz.txt"), "x");
    pr.ordner.schreiben(kTexte + QStringLiteral("Alt.ebay.bak"), "x");
    pr.klick("cmdHauptliste");
    QCOMPARE(pr.eintraege(),
             (QStringList{QStringLiteral("Buch A~1,85#Hans.ebay"), QStringLiteral("Buch B~1,85#Hans.EBAY")}));
    QCOMPARE(pr.el<QLabel>(QStringLiteral("lblDateiordner"))->text(),
             QStringLiteral("Anzeige aller gespeicherten Artikel."));
    QCOMPARE(pr.z().ListenArt, QStringLiteral("Haupt"));
    QVERIFY(pr.z().ListeGefuellt);
    QVERIFY(!pr.z().RegisterAngezeigt);
}

void TstBibliothekBedienung::seiteDateiliste_fuelltNurBeimErstenMal() {
    Programm pr;
    pr.ordner.schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    auto* reiter = pr.el<QTabWidget>(QStringLiteral("SSTab1"));
    reiter->setCurrentIndex(BibliothekBedienung::kDateilisteSeite);
    QCOMPARE(pr.eintraege(), QStringList{QStringLiteral("A.ebay")});
    QVERIFY(pr.z().ListeGefuellt);

    pr.ordner.schreiben(kTexte + QStringLiteral("B.ebay"), artikel(QStringLiteral("B")));
    reiter->setCurrentIndex(0);
    reiter->setCurrentIndex(BibliothekBedienung::kDateilisteSeite);
    QCOMPARE(pr.eintraege(), QStringList{QStringLiteral("A.ebay")});
}

void TstBibliothekBedienung::programmordnerMitTrenner_gibtGleichenListenordner() {
    TestOrdner ordner;
    SkriptPlattform p;
    Anwendung ohne(ordner.programmordner(), p);
    Anwendung mit(ordner.programmordner() + QLatin1Char('/'), p);
    ohne.bibliothek().ArtikelListeFuellen();
    mit.bibliothek().ArtikelListeFuellen();
    QCOMPARE(mit.zustand().ListenOrdner, ohne.zustand().ListenOrdner);
    QVERIFY(ohne.zustand().ListenOrdner.endsWith(QStringLiteral("/Artikeln-Txt/")));
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
    Programm pr;
    pr.liste()->addItems({QStringLiteral("KRIMI Mord.ebay"), QStringLiteral("Roman.ebay"),
                          QStringLiteral("Der Krimi.ebay"), QStringLiteral("Kochbuch.ebay")});
    pr.el<QLineEdit>(QStringLiteral("txtSuchen"))->setText(begriff);
    pr.klick("cmdSuchen");
    QCOMPARE(pr.gewaehlt(), treffer);
    QCOMPARE(pr.el<QLabel>(QStringLiteral("lblwieviel"))->text(),
             QStringLiteral("( %1 )").arg(treffer.size()));
    QCOMPARE(pr.z().GewaehlterEintrag, 3);
}

void TstBibliothekBedienung::suchen_loeschtFruehereAuswahl() {
    Programm pr;
    pr.ordner.schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    pr.ordner.schreiben(kTexte + QStringLiteral("B.ebay"), artikel(QStringLiteral("B")));
    pr.klick("cmdHauptliste");
    pr.waehlen(0);
    pr.el<QLineEdit>(QStringLiteral("txtSuchen"))->setText(QStringLiteral("b."));
    pr.klick("cmdSuchen");
    QCOMPARE(pr.gewaehlt(), (QList<int>{1}));
    QCOMPARE(pr.el<QLabel>(QStringLiteral("lblwieviel"))->text(), QStringLiteral("( 1 )"));
    // What is read is the match of this search, not the line marked before it.
    pr.klick("cmdDateiEinlesen");
    QCOMPARE(pr.bezeichnung(), QStringLiteral("B"));
}

void TstBibliothekBedienung::weitereDateien_zeigtAnderenOrdner() {
    Programm pr;
    pr.ordner.schreiben(QStringLiteral("Archiv/X.ebay"), artikel(QStringLiteral("X")));
    pr.ordner.schreiben(QStringLiteral("Archiv/Y.txt"), "y");
    pr.p.dateien.enqueue(pr.ordner.daten(QStringLiteral("Archiv/X.ebay")));
    pr.klick("cmdWeitereDateienAnzeigen");
    QCOMPARE(pr.eintraege(), QStringList{QStringLiteral("X.ebay")});
    QCOMPARE(pr.z().AndererOrdner, pr.ordner.daten(QStringLiteral("Archiv")));
    QCOMPARE(pr.z().ListenArt, QStringLiteral("Andere"));
    QCOMPARE(pr.el<QLabel>(QStringLiteral("lblDateiordner"))->text(),
             QStringLiteral("Anzeige weiteren Artikel."));
    QCOMPARE(pr.p.aufrufe.first().argumente.at(2), kFilter);
}

void TstBibliothekBedienung::weitereDateienAbgebrochen_laesstListeUndArt() {
    Programm pr;
    pr.ordner.schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    pr.klick("cmdHauptliste");
    pr.p.dateien.enqueue(QString());
    pr.klick("cmdWeitereDateienAnzeigen");
    QCOMPARE(pr.eintraege(), QStringList{QStringLiteral("A.ebay")});
    QCOMPARE(pr.z().ListenArt, QStringLiteral("Haupt"));
    QCOMPARE(pr.el<QLabel>(QStringLiteral("lblDateiordner"))->text(),
             QStringLiteral("Anzeige aller gespeicherten Artikel."));
}

void TstBibliothekBedienung::andererOrdner_zweiEintraege_oeffnenJeweilsIhreDatei() {
    Programm pr;
    pr.ordner.schreiben(QStringLiteral("Archiv/Erster.ebay"), artikel(QStringLiteral("Erster Artikel")));
    pr.ordner.schreiben(QStringLiteral("Archiv/Zweiter.ebay"), artikel(QStringLiteral("Zweiter Artikel")));
    pr.ordner.schreiben(kTexte + QStringLiteral("Zweiter.ebay"), artikel(QStringLiteral("Falscher Ordner")));
    pr.p.dateien.enqueue(pr.ordner.daten(QStringLiteral("Archiv/Erster.ebay")));
    pr.klick("cmdWeitereDateienAnzeigen");

    pr.waehlen(0);
    pr.klick("cmdDateiEinlesen");
    QCOMPARE(pr.bezeichnung(), QStringLiteral("Erster Artikel"));
    pr.waehlen(1);
    pr.klick("cmdDateiEinlesen");
    QCOMPARE(pr.bezeichnung(), QStringLiteral("Zweiter Artikel"));
    QCOMPARE(pr.z().GewaehlterEintrag, 1);
}

void TstBibliothekBedienung::registerEintrag_wirdAusHauptordnerGelesen() {
    Programm pr;
    pr.ordner.schreiben(QStringLiteral("vorlagen/NochNichtEingestellt.txt"),
                        w1252(QStringLiteral("# Register\r\nBuch?1.ebay\r\n")));
    pr.ordner.schreiben(kTexte + QStringLiteral("Buch#1.ebay"), artikel(QStringLiteral("Aus dem Register")));
    pr.klick("cmdnochnichtAnzeig");
    QCOMPARE(pr.eintraege(), QStringList{QStringLiteral("Buch#1.ebay")});
    QVERIFY(pr.z().RegisterAngezeigt);
    QCOMPARE(pr.z().ListenArt, QStringLiteral("Haupt"));
    pr.waehlen(0);
    pr.klick("cmdDateiEinlesen");
    QCOMPARE(pr.bezeichnung(), QStringLiteral("Aus dem Register"));
}

void TstBibliothekBedienung::einlesenOhneAuswahl_meldet() {
    Programm pr;
    pr.liste()->addItems({QStringLiteral("A.ebay")});
    pr.el<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("alt"));
    pr.klick("cmdDateiEinlesen");
    QCOMPARE(pr.p.meldungstexte(), QStringList{QStringLiteral("Sie haben keine Datei ausgewält")});
    // Nothing was read, so the article being edited stays.
    QCOMPARE(pr.bezeichnung(), QStringLiteral("alt"));
}

void TstBibliothekBedienung::einlesenUnlesbar_laesstArtikel() {
    Programm pr;
    pr.ordner.schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    pr.klick("cmdHauptliste");
    QVERIFY(QFile::remove(pr.ordner.daten(kTexte + QStringLiteral("A.ebay"))));
    pr.el<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("alt"));
    pr.el<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("alter Text"));
    pr.z().GewaehlterEintrag = 7;
    pr.waehlen(0);
    pr.klick("cmdDateiEinlesen");
    QCOMPARE(pr.p.fenster.size(), 1);
    QVERIFY(pr.p.fenster.first().text.endsWith(QStringLiteral("  wurde nicht gefunden!")));
    QCOMPARE(pr.bezeichnung(), QStringLiteral("alt"));
    QCOMPARE(pr.el<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(), QStringLiteral("alter Text"));
    QCOMPARE(pr.z().GewaehlterEintrag, 7);
}

void TstBibliothekBedienung::alsText_oeffnetImOrdnerDerListe() {
    Programm pr;
    pr.ordner.schreiben(QStringLiteral("Archiv/X.ebay"), artikel(QStringLiteral("X")));
    pr.p.dateien.enqueue(pr.ordner.daten(QStringLiteral("Archiv/X.ebay")));
    pr.klick("cmdWeitereDateienAnzeigen");
    pr.waehlen(0);
    pr.p.vergessen();
    pr.klick("cmdDateiAlsTextOpen");
    QCOMPARE(pr.p.aufrufe.size(), 1);
    QCOMPARE(pr.p.aufrufe.first().argumente.last(), pr.ordner.daten(QStringLiteral("Archiv/X.ebay")));

    pr.ordner.schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("A")));
    pr.klick("cmdHauptliste");
    pr.waehlen(0);
    pr.p.vergessen();
    pr.klick("cmdDateiAlsTextOpen");
    QCOMPARE(pr.p.aufrufe.first().argumente.last(), pr.ordner.daten(kTexte + QStringLiteral("A.ebay")));
}

void TstBibliothekBedienung::ordnerOeffnen_oeffnetListenordner() {
    Programm pr;
    pr.klick("cmdHauptliste");
    pr.klick("cmdOrdnerDateienOpen");
    QCOMPARE(pr.p.aufrufe.size(), 1);
    QCOMPARE(pr.p.aufrufe.first().argumente.last(), pr.z().ListenOrdner);
}

void TstBibliothekBedienung::einlesenKomplett_bietetDialogAn() {
    Programm pr;
    pr.ordner.schreiben(kTexte + QStringLiteral("A.ebay"), artikel(QStringLiteral("Komplett gelesen")));
    pr.p.dateien.enqueue(pr.ordner.daten(kTexte + QStringLiteral("A.ebay")));
    pr.el<QAction>(QStringLiteral("mnuArtEinlesenkompl"))->trigger();
    QCOMPARE(pr.dialoge(), 1);
    QCOMPARE(pr.bezeichnung(), QStringLiteral("Komplett gelesen"));
}

void TstBibliothekBedienung::vorschau_geladen_einDialog() {
    Programm pr;
    const QString datei = QStringLiteral("Artikeln/Buch A~1,85#Hans.ebay");
    pr.ordner.schreiben(datei, w1252(QStringLiteral("<p>Listing</p>\r\n")));
    pr.p.dateien.enqueue(pr.ordner.daten(datei));
    pr.el<QAction>(QStringLiteral("mnuArtikAnschau"))->trigger();
    QCOMPARE(pr.dialoge(), 1);
    QVERIFY(!pr.z().LadenAusstehend);
    // The preview command that follows puts its header in front of the loaded listing.
    const QString vorschau = pr.el<RichTextFeld>(QStringLiteral("rtfVorschau"))->text();
    QVERIFY(vorschau.endsWith(QStringLiteral("<b>Buch A</b></div><br><p>Listing</p>\r\n")));
    QCOMPARE(pr.el<QLineEdit>(QStringLiteral("txtArtikelBezVor"))->text(), QStringLiteral("Buch A"));
}

void TstBibliothekBedienung::vorschau_fehlgeschlagen_hoechstensZweiDialoge() {
    Programm pr;
    const QString fehlt = pr.ordner.daten(QStringLiteral("Artikeln/fehlt.ebay"));
    pr.p.dateien.enqueue(fehlt);
    pr.p.dateien.enqueue(fehlt);
    pr.p.dateien.enqueue(fehlt);
    pr.el<QAction>(QStringLiteral("mnuArtikAnschau"))->trigger();
    QCOMPARE(pr.dialoge(), 2);
    QVERIFY(pr.z().LadenAusstehend);
    QCOMPARE(pr.p.fenster.size(), 2);
    QVERIFY(pr.p.fenster.first().text.startsWith(QStringLiteral("Fehler beim ladender Datei")));
}

void TstBibliothekBedienung::vorschau_abgebrochen_meldetNichts() {
    Programm pr;
    pr.el<QLineEdit>(QStringLiteral("txtArtikelBezVor"))->setText(QStringLiteral("bisher"));
    pr.p.dateien.enqueue(QString());
    pr.p.dateien.enqueue(QString());
    pr.el<QAction>(QStringLiteral("mnuArtikAnschau"))->trigger();
    QCOMPARE(pr.dialoge(), 2);
    QVERIFY(pr.p.fenster.isEmpty());
    QCOMPARE(pr.el<QLineEdit>(QStringLiteral("txtArtikelBezVor"))->text(), QStringLiteral("bisher"));
}

QTEST_MAIN(TstBibliothekBedienung)
#include "tst_bibliothekbedienung.moc"
