// The main road of one article, driven through the windows as a seller does it: compose a book,
// finish, save for later, start anew, read the article back from the register and finish it again.

#include "support/FensterTest.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlSpeichern.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QString kVerkaeufer = QStringLiteral("Leseratte");
// Letters of the code page beyond ASCII, so file name, article text and register line must agree on them.
const QString kBezeichnung = QStringLiteral("Anna Beispiel Der stille See Roman über Café");
const QString kTitel = QStringLiteral("Der stille See");
const QString kVerlag = QStringLiteral("Diogenes");
const QString kAutor = QStringLiteral("Anna Beispiel");
const QString kZustand = QStringLiteral("Sehr gut erhalten - wie neu");
const QString kSeiten = QStringLiteral("312");
// Article file name: designation, "~", shipping cost, "#", seller.
const QString kDateiname = kBezeichnung + QStringLiteral("~1,85#") + kVerkaeufer + QStringLiteral(".ebay");
const QString kRegisterzeile =
    kBezeichnung + QStringLiteral("~1__85?") + kVerkaeufer + QStringLiteral(".ebay");
const QString kFrage =
    QStringLiteral("Ja   = Artikel wurde bei Ebay eingestellt\r\n\r\nNein = Artikel soll für später "
                   "gespeichert werden.\r\n\r\nAbbrechen = Nicht speichern");
const QString kEinlesenFrage =
    QStringLiteral("Der Artikel ist noch nicht gespeichert. Trotzdem einen anderen Artikel einlesen?");

// What the composed article showed before it was saved, to compare after reading it back.
struct Artikelbild {
    QString bezeichnung;
    QString titel;
    QString gebotszeile;
    QString beschreibung;
    QString bilddatei;
    QString bildbreite;
    QString bildhoehe;
    QStringList buchwerte;
    QString tabelle;
};

} // namespace

class TestHauptweg : public FensterTest {
    Q_OBJECT
public:
    TestHauptweg() : FensterTest({.mitDaten = true, .starten = false, .einWeg = true}) {}

private slots:
    void einstellungen_verkaeufernameGespeichert();
    void buchartikel_zusammenstellen();
    void buchfenster_tabelleInsHauptfenster();
    void fertigstellen_zeigtListingImSpeicherfenster();
    void schliessenMitNein_dreiDateienUndRegisterzeile();
    void neu_leertDenArtikel();
    void register_einlesen_bringtDieFelderZurueck();
    void fertigstellen_wieGespeichert_gleichesListing();
    void cleanupTestCase();

private:
    template <class T> T* buch(const QString& name) const { return element<T>(app().frmBuch(), name); }
    template <class T> T* speichern(const QString& name) const {
        return element<T>(app().frmVorlSpeichern(), name);
    }
    QStringList buchwerte() const;
    Artikelbild artikelbild() const;
    QStringList dateienIn(const char* ordnerName) const {
        return ordner().dateien(QLatin1String(ordnerName));
    }

    Artikelbild m_vorher;
    QString m_listing;
};

// The values of the rows that go into the table (size and weight stay at their unticked defaults).
QStringList TestHauptweg::buchwerte() const {
    QStringList werte;
    for (int i : {0, 1, 2, 4, 5, 7, 8}) {
        werte << buch<QLineEdit>(QStringLiteral("Text2_%1").arg(i))->text();
    }
    return werte;
}

Artikelbild TestHauptweg::artikelbild() const {
    return {haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(),
            haupt<QLineEdit>(QStringLiteral("txtTitel"))->text(),
            haupt<QLineEdit>(QStringLiteral("txtAufWasBiten"))->text(),
            haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(),
            haupt<QLineEdit>(QStringLiteral("txtEbayBildPfad"))->text(),
            haupt<QComboBox>(QStringLiteral("txtBildLaenge"))->currentText(),
            haupt<QComboBox>(QStringLiteral("txtBildHohe"))->currentText(),
            buchwerte(),
            haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text()};
}

void TestHauptweg::einstellungen_verkaeufernameGespeichert() {
    QVERIFY(app().starten());
    QVERIFY(app().frmHaupt().isVisible());
    menue(app().frmHaupt(), QStringLiteral("mnuEinstBearb"));
    FrmEinstell& einstell = app().frmEinstell();
    element<QComboBox>(einstell, QStringLiteral("txtTeil1"))->setCurrentText(kVerkaeufer);
    klicken(einstell, QStringLiteral("cmdEinstelSpeichern"));
    einstell.close();
    QVERIFY(QString::fromLatin1(ordner().lesen(QStringLiteral("Einstell.Ini")))
                .contains(QStringLiteral("EBAYNAME=") + kVerkaeufer));
    QCOMPARE(app().zustand().verkaeuferName, kVerkaeufer);
}

void TestHauptweg::buchartikel_zusammenstellen() {
    menue(app().frmHaupt(), QStringLiteral("mnuVorlBuch"));

    // The picture first: with "automatisch" ticked, picking picture 1 rebuilds the designation.
    seite(QStringLiteral("Bilder"));
    haupt<QCheckBox>(QStringLiteral("chkArtBezAutom"))->setChecked(false);
    QVERIFY(haupt<QCheckBox>(QStringLiteral("chkBil1JaNEin"))->isChecked());
    plattform().dateien.enqueue(foto(ordner(), QStringLiteral("stiller-see.jpg"), 1600, 1200));
    klicken(app().frmHaupt(), QStringLiteral("cmdSuchenBildOben1"));
    QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtEbayBildPfad"))->text(), QStringLiteral("stiller-see.jpg"));
    QCOMPARE(haupt<QComboBox>(QStringLiteral("txtBildLaenge"))->currentText(), QStringLiteral("400"));
    QCOMPARE(haupt<QComboBox>(QStringLiteral("txtBildHohe"))->currentText(), QStringLiteral("300"));
    // Row 3 starts ticked, rows 2, 4 and 5 unticked: an article with one picture unticks row 3.
    QVERIFY(haupt<QCheckBox>(QStringLiteral("chkBil3JaNEin"))->isChecked());
    haupt<QCheckBox>(QStringLiteral("chkBil3JaNEin"))->setChecked(false);

    seite(QStringLiteral("Beschreibung"));
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(kBezeichnung);
    haupt<QLineEdit>(QStringLiteral("txtTitel"))->setText(kTitel);
    klicken(app().frmHaupt(), QStringLiteral("cmdAufWasUbername"));
    QVERIFY2(!haupt<QLineEdit>(QStringLiteral("txtAufWasBiten"))->text().isEmpty(), "keine Gebotszeile");

    const QString knopfText = haupt<QPushButton>(QStringLiteral("cmdBeschrTextVor1"))->text();
    QCOMPARE(knopfText, QStringLiteral("Krimi"));
    klicken(app().frmHaupt(), QStringLiteral("cmdBeschrTextVor1"));
    QVERIFY2(!haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text().isEmpty(), "kein gespeicherter Text");
}

void TestHauptweg::buchfenster_tabelleInsHauptfenster() {
    klicken(app().frmHaupt(), QStringLiteral("cmdBuchBeschr"));
    FrmBuch& buchfenster = app().frmBuch();
    QVERIFY(buchfenster.isVisible());
    QCOMPARE(buch<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), kBezeichnung);

    buch<QComboBox>(QStringLiteral("cboFirmawehlen"))->setCurrentText(kVerlag);
    buch<QComboBox>(QStringLiteral("cboBuchAutor"))->setCurrentText(kAutor);
    buch<QComboBox>(QStringLiteral("cboZustandWehlen1"))->setCurrentText(kZustand);
    buch<QLineEdit>(QStringLiteral("Text2_5"))->setText(kSeiten);
    klicken(buchfenster, QStringLiteral("cmdubernehmen"));
    QCOMPARE(buch<QLineEdit>(QStringLiteral("Text2_0"))->text(), kVerlag);
    QCOMPARE(buch<QLineEdit>(QStringLiteral("Text2_1"))->text(), kAutor);
    QCOMPARE(buch<QLineEdit>(QStringLiteral("Text2_8"))->text(), QStringLiteral("Deutsch"));
    // The stored text "Krimi" chose the genre.
    QCOMPARE(buch<QLineEdit>(QStringLiteral("Text2_4"))->text(), QStringLiteral("Krimi - Thriller"));
    QVERIFY(buch<QLineEdit>(QStringLiteral("Text2_7"))->text().startsWith(kZustand));

    // Only the rows with a value go into the table; the defaults of size and weight would fail.
    for (const char* box : {"Chk1", "Chk2", "Chk3", "Chk5", "Chk6", "Chk8", "Chk9"}) {
        buch<QCheckBox>(QString::fromLatin1(box))->setChecked(true);
    }
    buch<QCheckBox>(QStringLiteral("Chk4"))->setChecked(false);
    buch<QCheckBox>(QStringLiteral("Chk7"))->setChecked(false);
    klicken(buchfenster, QStringLiteral("cmdSpeichKleidBeschr"));
    QVERIFY2(plattform().meldungstexte().isEmpty(),
             qPrintable(plattform().meldungstexte().join(QLatin1Char('|'))));
    QVERIFY(!buchfenster.isVisible());

    const QString tabelle = haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text();
    QVERIFY(tabelle.startsWith(QStringLiteral("<table width=\"50%\" border=\"0\">")));
    QVERIFY(tabelle.contains(kVerlag));
    QVERIFY(tabelle.contains(QStringLiteral("<!---7--->\r\nAnzahl Seiten:")));
    QVERIFY(!tabelle.contains(QStringLiteral("<!---5--->")));
    QVERIFY(QFileInfo::exists(
        ordner().daten(QStringLiteral("Artikel-Beschreibung/") + kBezeichnung + QStringLiteral(".ini"))));
}

void TestHauptweg::fertigstellen_zeigtListingImSpeicherfenster() {
    QVERIFY(app().artikelUngespeichert());
    m_vorher = artikelbild();
    klicken(app().frmHaupt(), QStringLiteral("cdmFertigstellen"));
    QVERIFY2(plattform().meldungstexte().isEmpty(),
             qPrintable(plattform().meldungstexte().join(QLatin1Char('|'))));

    FrmVorlSpeichern& fenster = app().frmVorlSpeichern();
    QVERIFY(fenster.isVisible());
    m_listing = speichern<RichTextFeld>(QStringLiteral("rtfText"))->text();
    QCOMPARE(m_listing, app().zustand().listingText);
    for (const QString& teil : {kTitel, m_vorher.gebotszeile, kVerlag, QStringLiteral("stiller-see.jpg")}) {
        QVERIFY2(m_listing.contains(teil), qPrintable(teil));
    }
    QCOMPARE(speichern<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), kBezeichnung);
    QCOMPARE(speichern<QLabel>(QStringLiteral("lblEbajName"))->text(), kVerkaeufer);
    QCOMPARE(speichern<QLabel>(QStringLiteral("lblVersandKosten"))->text(), QStringLiteral("1,85"));
}

void TestHauptweg::schliessenMitNein_dreiDateienUndRegisterzeile() {
    plattform().antworten.enqueue(Plattform::Antwort::Nein);
    klicken(app().frmVorlSpeichern(), QStringLiteral("cmdSchliesen"));

    // The close question is the one message box of the whole road.
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(plattform().fenster.first().text, kFrage);
    QCOMPARE(plattform().fenster.first().titel, QStringLiteral("Artikel speichern"));
    QVERIFY(plattform().antworten.isEmpty());
    QVERIFY(!app().frmVorlSpeichern().isVisible());

    QCOMPARE(dateienIn("Artikeln"), QStringList{kDateiname});
    QCOMPARE(dateienIn("Artikeln-Txt"), QStringList{kDateiname});
    QCOMPARE(dateienIn("Artikeln-Zusatz-html"), QStringList{kBezeichnung + QStringLiteral("~1,85#") +
                                                            kVerkaeufer + QStringLiteral("-Zus.ebay")});
    QCOMPARE(ordner().lesen(QStringLiteral("Artikeln/") + kDateiname),
             w1252(m_listing + QStringLiteral("\r\n")));
    const QByteArray artikeltext = ordner().lesen(QStringLiteral("Artikeln-Txt/") + kDateiname);
    QVERIFY(artikeltext.contains(w1252(QStringLiteral("*ArtBeschreibung="))));

    const QByteArray register_ = ordner().lesen(QStringLiteral("vorlagen/NochNichtEingestellt.txt"));
    QVERIFY2(register_.endsWith(w1252(kRegisterzeile + QStringLiteral("\r\n"))), register_.constData());
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblZuletztGespeichert"))->text(),
             QStringLiteral("Zuletzt gespeichert:\r\n") + kBezeichnung);
    QVERIFY(!app().artikelUngespeichert());
}

void TestHauptweg::neu_leertDenArtikel() {
    klicken(app().frmHaupt(), QStringLiteral("cmdNeu"));
    QVERIFY(haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->text().isEmpty());
    QVERIFY(haupt<QLineEdit>(QStringLiteral("txtTitel"))->text().isEmpty());
    QVERIFY(haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text().isEmpty());
    QVERIFY(haupt<QLineEdit>(QStringLiteral("txtEbayBildPfad"))->text().isEmpty());

    // Nothing of the saved article is left for the next one: its picture height, its photo and its
    // book values are gone, so reading back must bring each of them again.
    QCOMPARE(haupt<QComboBox>(QStringLiteral("txtBildHohe"))->currentText(), QStringLiteral("1"));
    QVERIFY(app().zustand().bildPfade.at(0).isEmpty());
    for (int i : {0, 1, 2, 4, 5, 7, 8}) {
        QVERIFY2(buch<QLineEdit>(QStringLiteral("Text2_%1").arg(i))->text().isEmpty(),
                 qPrintable(QString::number(i)));
    }
    QVERIFY(!app().artikelUngespeichert());
    haupt<QLineEdit>(QStringLiteral("txtAufWasBiten"))->setText(QStringLiteral("ein Hut"));
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("Ein anderer Artikel."));
}

void TestHauptweg::register_einlesen_bringtDieFelderZurueck() {
    seite(QStringLiteral("Dateiliste"));
    klicken(app().frmHaupt(), QStringLiteral("cmdnochnichtAnzeig"));
    auto* liste = haupt<QListWidget>(QStringLiteral("lstDateien"));
    const auto treffer = liste->findItems(kDateiname, Qt::MatchExactly);
    QCOMPARE(treffer.size(), 1);
    liste->clearSelection();
    treffer.first()->setSelected(true);
    // The other article begun after "Neu" is given up only when the seller agrees.
    plattform().antworten.enqueue(Plattform::Antwort::Ja);
    klicken(app().frmHaupt(), QStringLiteral("cmdDateiEinlesen"));

    const Artikelbild nachher = artikelbild();
    QCOMPARE(nachher.bezeichnung, m_vorher.bezeichnung);
    QCOMPARE(nachher.titel, m_vorher.titel);
    // Values come back as they were written, blanks at the end of the bidding line included, and
    // the description without the line end that closes the file.
    QCOMPARE(nachher.gebotszeile, m_vorher.gebotszeile);
    QCOMPARE(nachher.beschreibung, m_vorher.beschreibung);
    QCOMPARE(nachher.bilddatei, m_vorher.bilddatei);
    QCOMPARE(nachher.bildbreite, m_vorher.bildbreite);
    QCOMPARE(nachher.bildhoehe, m_vorher.bildhoehe);
    QCOMPARE(nachher.buchwerte, m_vorher.buchwerte);
    QCOMPARE(nachher.tabelle, m_vorher.tabelle);
    // The article read back is the one on file; ending asks nothing.
    QVERIFY(!app().artikelUngespeichert());
}

// The article read back is the article saved: finished again, it gives the saved listing byte for byte.
void TestHauptweg::fertigstellen_wieGespeichert_gleichesListing() {
    klicken(app().frmHaupt(), QStringLiteral("cdmFertigstellen"));
    QVERIFY(app().frmVorlSpeichern().isVisible());
    QCOMPARE(w1252(app().zustand().listingText + QStringLiteral("\r\n")),
             ordner().lesen(QStringLiteral("Artikeln/") + kDateiname));
}

void TestHauptweg::cleanupTestCase() {
    QCOMPARE(plattform().meldungstexte(), (QStringList{kFrage, kEinlesenFrage}));
    FensterTest::cleanupTestCase();
}

QTEST_MAIN(TestHauptweg)
#include "tst_hauptweg.moc"
