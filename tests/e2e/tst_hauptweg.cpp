// The main road of one article, driven through the windows as a seller does it: compose a book,
// finish, save for later, start anew, and read the article back from the register.

#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
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
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

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
};

} // namespace

class TestHauptweg : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void einstellungen_verkaeufernameGespeichert();
    void buchartikel_zusammenstellen();
    void buchfenster_tabelleInsHauptfenster();
    void fertigstellen_zeigtListingImSpeicherfenster();
    void schliessenMitNein_dreiDateienUndRegisterzeile();
    void neu_leertDenArtikel();
    void register_einlesen_bringtDieFelderZurueck();
    void cleanupTestCase();

private:
    template <class T> T* haupt(const char* name) {
        T* el = m_app->frmHaupt().findChild<T*>(QLatin1String(name));
        if (el == nullptr) {
            qFatal("Hauptfenster ohne %s", name);
        }
        return el;
    }
    template <class T> T* buch(const char* name) {
        T* el = m_app->frmBuch().findChild<T*>(QLatin1String(name));
        if (el == nullptr) {
            qFatal("Buchfenster ohne %s", name);
        }
        return el;
    }
    template <class T> T* speichern(const char* name) {
        T* el = m_app->frmVorlSpeichern().findChild<T*>(QLatin1String(name));
        if (el == nullptr) {
            qFatal("Speicherfenster ohne %s", name);
        }
        return el;
    }
    void druecken(QWidget* fenster, const char* knopf) {
        auto* k = fenster->findChild<QPushButton*>(QLatin1String(knopf));
        QVERIFY2(k != nullptr, knopf);
        QVERIFY2(k->isEnabled(), knopf);
        k->click();
    }
    QString foto(const QString& name, int breite, int hoehe);
    QStringList buchwerte();
    Artikelbild artikelbild();
    QStringList dateienIn(const char* ordner) const {
        return QDir(m_ordner.daten(QLatin1String(ordner))).entryList(QDir::Files, QDir::Name);
    }

    TestOrdner m_ordner;
    SkriptPlattform m_p;
    std::unique_ptr<Anwendung> m_app;
    Artikelbild m_vorher;
    QString m_listing;
};

QString TestHauptweg::foto(const QString& name, int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(QColor(90, 140, 60));
    m_ordner.schreiben(QStringLiteral("fotos/") + name, {});
    const QString pfad = m_ordner.daten(QStringLiteral("fotos/") + name);
    if (!bild.save(pfad, "JPG")) {
        qFatal("JPEG nicht geschrieben");
    }
    return pfad;
}

// The values of the rows that go into the table (size and weight stay at their unticked defaults).
QStringList TestHauptweg::buchwerte() {
    QStringList werte;
    for (int i : {0, 1, 2, 4, 5, 7, 8}) {
        werte << m_app->frmBuch().findChild<QLineEdit*>(QStringLiteral("Text2_%1").arg(i))->text();
    }
    return werte;
}

Artikelbild TestHauptweg::artikelbild() {
    return {haupt<QLineEdit>("txtArtikelBez")->text(),      haupt<QLineEdit>("txtTitel")->text(),
            haupt<QLineEdit>("txtAufWasBiten")->text(),     haupt<RichTextFeld>("rtfInhalt")->text(),
            haupt<QLineEdit>("txtEbayBildPfad")->text(),    haupt<QComboBox>("txtBildLaenge")->currentText(),
            haupt<QComboBox>("txtBildHohe")->currentText(), buchwerte()};
}

void TestHauptweg::initTestCase() {
    m_app = std::make_unique<Anwendung>(m_ordner.programmordner(), m_p);
    m_app->starten();
    QVERIFY(m_app->frmHaupt().isVisible());
}

void TestHauptweg::einstellungen_verkaeufernameGespeichert() {
    FrmEinstell& einstell = m_app->frmEinstell();
    einstell.findChild<QComboBox*>(QStringLiteral("txtTeil1"))->setCurrentText(kVerkaeufer);
    druecken(&einstell, "cmdEinstelSpeichern");
    QVERIFY(QString::fromLatin1(m_ordner.lesen(QStringLiteral("Einstell.Ini")))
                .contains(QStringLiteral("EBAYNAME=") + kVerkaeufer));
    QCOMPARE(m_app->zustand().verkaeuferName, kVerkaeufer);
}

void TestHauptweg::buchartikel_zusammenstellen() {
    auto* buchMenue = m_app->frmHaupt().findChild<QAction*>(QStringLiteral("mnuVorlBuch"));
    QVERIFY(buchMenue != nullptr);
    buchMenue->trigger();

    // The picture first: with "automatisch" ticked, picking picture 1 rebuilds the designation.
    haupt<QCheckBox>("chkArtBezAutom")->setChecked(false);
    QVERIFY(haupt<QCheckBox>("chkBil1JaNEin")->isChecked());
    m_p.dateien.enqueue(foto(QStringLiteral("stiller-see.jpg"), 1600, 1200));
    druecken(&m_app->frmHaupt(), "cmdSuchenBildOben1");
    QCOMPARE(haupt<QLineEdit>("txtEbayBildPfad")->text(), QStringLiteral("stiller-see.jpg"));
    QCOMPARE(haupt<QComboBox>("txtBildLaenge")->currentText(), QStringLiteral("400"));
    QCOMPARE(haupt<QComboBox>("txtBildHohe")->currentText(), QStringLiteral("300"));
    // Row 3 starts ticked, rows 2, 4 and 5 unticked: an article with one picture unticks row 3.
    QVERIFY(haupt<QCheckBox>("chkBil3JaNEin")->isChecked());
    haupt<QCheckBox>("chkBil3JaNEin")->setChecked(false);

    haupt<QLineEdit>("txtArtikelBez")->setText(kBezeichnung);
    haupt<QLineEdit>("txtTitel")->setText(kTitel);
    druecken(&m_app->frmHaupt(), "cmdAufWasUbername");
    QVERIFY2(!haupt<QLineEdit>("txtAufWasBiten")->text().isEmpty(), "keine Gebotszeile");

    const QString knopfText = haupt<QPushButton>("cmdBeschrTextVor1")->text();
    QCOMPARE(knopfText, QStringLiteral("Krimi"));
    druecken(&m_app->frmHaupt(), "cmdBeschrTextVor1");
    QVERIFY2(!haupt<RichTextFeld>("rtfInhalt")->text().isEmpty(), "kein gespeicherter Text");
}

void TestHauptweg::buchfenster_tabelleInsHauptfenster() {
    druecken(&m_app->frmHaupt(), "cmdBuchBeschr");
    FrmBuch& buchfenster = m_app->frmBuch();
    QVERIFY(buchfenster.isVisible());
    QCOMPARE(buch<QLineEdit>("txtArtikelBez")->text(), kBezeichnung);

    buch<QComboBox>("cboFirmawehlen")->setCurrentText(kVerlag);
    buch<QComboBox>("cboBuchAutor")->setCurrentText(kAutor);
    buch<QComboBox>("cboZustandWehlen1")->setCurrentText(kZustand);
    buch<QLineEdit>("Text2_5")->setText(kSeiten);
    druecken(&buchfenster, "cmdubernehmen");
    QCOMPARE(buch<QLineEdit>("Text2_0")->text(), kVerlag);
    QCOMPARE(buch<QLineEdit>("Text2_1")->text(), kAutor);
    QCOMPARE(buch<QLineEdit>("Text2_8")->text(), QStringLiteral("Deutsch"));
    // The stored text "Krimi" chose the genre.
    QCOMPARE(buch<QLineEdit>("Text2_4")->text(), QStringLiteral("Krimi - Thriller"));
    QVERIFY(buch<QLineEdit>("Text2_7")->text().startsWith(kZustand));

    // Only the rows with a value go into the table; the defaults of size and weight would fail.
    for (const char* box : {"Chk1", "Chk2", "Chk3", "Chk5", "Chk6", "Chk8", "Chk9"}) {
        buch<QCheckBox>(box)->setChecked(true);
    }
    buch<QCheckBox>("Chk4")->setChecked(false);
    buch<QCheckBox>("Chk7")->setChecked(false);
    druecken(&buchfenster, "cmdSpeichKleidBeschr");
    QVERIFY2(m_p.meldungstexte().isEmpty(), qPrintable(m_p.meldungstexte().join(QLatin1Char('|'))));
    QVERIFY(!buchfenster.isVisible());

    const QString tabelle = haupt<RichTextFeld>("rtfInhaltAuto")->text();
    QVERIFY(tabelle.startsWith(QStringLiteral("<table width=\"50%\" border=\"0\">")));
    QVERIFY(tabelle.contains(kVerlag));
    QVERIFY(tabelle.contains(QStringLiteral("<!---7--->\r\nAnzahl Seiten:")));
    QVERIFY(!tabelle.contains(QStringLiteral("<!---5--->")));
    QVERIFY(QFileInfo::exists(
        m_ordner.daten(QStringLiteral("Artikel-Beschreibung/") + kBezeichnung + QStringLiteral(".ini"))));
}

void TestHauptweg::fertigstellen_zeigtListingImSpeicherfenster() {
    m_vorher = artikelbild();
    druecken(&m_app->frmHaupt(), "cdmFertigstellen");
    QVERIFY2(m_p.meldungstexte().isEmpty(), qPrintable(m_p.meldungstexte().join(QLatin1Char('|'))));

    FrmVorlSpeichern& fenster = m_app->frmVorlSpeichern();
    QVERIFY(fenster.isVisible());
    m_listing = speichern<RichTextFeld>("rtfText")->text();
    QCOMPARE(m_listing, m_app->zustand().listingText);
    for (const QString& teil : {kTitel, m_vorher.gebotszeile, kVerlag, QStringLiteral("stiller-see.jpg")}) {
        QVERIFY2(m_listing.contains(teil), qPrintable(teil));
    }
    QCOMPARE(speichern<QLineEdit>("txtArtikelBez")->text(), kBezeichnung);
    QCOMPARE(speichern<QLabel>("lblEbajName")->text(), kVerkaeufer);
    QCOMPARE(speichern<QLabel>("lblVersandKosten")->text(), QStringLiteral("1,85"));
}

void TestHauptweg::schliessenMitNein_dreiDateienUndRegisterzeile() {
    m_p.antworten.enqueue(Plattform::Antwort::Nein);
    druecken(&m_app->frmVorlSpeichern(), "cmdSchliesen");

    // The close question is the one message box of the whole road.
    QCOMPARE(m_p.fenster.size(), 1);
    QCOMPARE(m_p.fenster.first().text, kFrage);
    QCOMPARE(m_p.fenster.first().titel, QStringLiteral("Artikel speichern"));
    QVERIFY(m_p.antworten.isEmpty());
    QVERIFY(!m_app->frmVorlSpeichern().isVisible());

    QCOMPARE(dateienIn("Artikeln"), QStringList{kDateiname});
    QCOMPARE(dateienIn("Artikeln-Txt"), QStringList{kDateiname});
    QCOMPARE(dateienIn("Artikeln-Zusatz-html"), QStringList{kBezeichnung + QStringLiteral("~1,85#") +
                                                            kVerkaeufer + QStringLiteral("-Zus.ebay")});
    QCOMPARE(m_ordner.lesen(QStringLiteral("Artikeln/") + kDateiname),
             w1252(m_listing + QStringLiteral("\r\n")));
    const QByteArray artikeltext = m_ordner.lesen(QStringLiteral("Artikeln-Txt/") + kDateiname);
    QVERIFY(artikeltext.contains(w1252(QStringLiteral("*ArtBeschreibung="))));

    const QByteArray register_ = m_ordner.lesen(QStringLiteral("vorlagen/NochNichtEingestellt.txt"));
    QVERIFY2(register_.endsWith(w1252(kRegisterzeile + QStringLiteral("\r\n"))), register_.constData());
    QCOMPARE(haupt<QLabel>("lblZuletztGespeichert")->text(),
             QStringLiteral("Zuletzt gespeichert:\r\n") + kBezeichnung);
}

void TestHauptweg::neu_leertDenArtikel() {
    druecken(&m_app->frmHaupt(), "cmdNeu");
    QVERIFY(haupt<QLineEdit>("txtArtikelBez")->text().isEmpty());
    QVERIFY(haupt<QLineEdit>("txtTitel")->text().isEmpty());
    QVERIFY(haupt<RichTextFeld>("rtfInhaltAuto")->text().isEmpty());
    QVERIFY(haupt<QLineEdit>("txtEbayBildPfad")->text().isEmpty());

    // "Neu" keeps the bidding line, the description, the picture height and the book values; the
    // seller overwrites them for the next article, so reading back must bring each of them again.
    haupt<QLineEdit>("txtAufWasBiten")->setText(QStringLiteral("ein Hut"));
    haupt<RichTextFeld>("rtfInhalt")->setText(QStringLiteral("Ein anderer Artikel."));
    haupt<QComboBox>("txtBildHohe")->setCurrentText(QStringLiteral("1"));
    for (int i = 0; i <= 8; ++i) {
        m_app->frmBuch().findChild<QLineEdit*>(QStringLiteral("Text2_%1").arg(i))->clear();
    }
}

void TestHauptweg::register_einlesen_bringtDieFelderZurueck() {
    haupt<QTabWidget>("SSTab1")->setCurrentIndex(3);
    druecken(&m_app->frmHaupt(), "cmdnochnichtAnzeig");
    auto* liste = haupt<QListWidget>("lstDateien");
    const auto treffer = liste->findItems(kDateiname, Qt::MatchExactly);
    QCOMPARE(treffer.size(), 1);
    liste->clearSelection();
    treffer.first()->setSelected(true);
    druecken(&m_app->frmHaupt(), "cmdDateiEinlesen");

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
}

void TestHauptweg::cleanupTestCase() {
    QVERIFY2(m_p.unerwartet.isEmpty(), qPrintable(m_p.unerwartet.join(QLatin1Char('|'))));
    QCOMPARE(m_p.meldungstexte(), QStringList{kFrage});
    m_app.reset();
}

QTEST_MAIN(TestHauptweg)
#include "tst_hauptweg.moc"
