#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlSpeichern.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

const QString kListing = QStringLiteral("<html>\r\n<b>Brandmauer</b>\r\n</html>");
const QString kRegister = QStringLiteral("vorlagen/NochNichtEingestellt.txt");
const QByteArray
    kRegisterDrei("# Noch einzustellen\r\nA~1__00?Kori.ebay\r\nB~2__00?Kori.ebay\r\nC~3__00?Kori.ebay\r\n");
const QString kGeoeffnet = QStringLiteral("Artikeln/X~4,90#Kori.ebay");
// No line break at the end: written back as it is, nothing is added.
const QByteArray kGeoeffnetInhalt("<p>gespeichert</p>\r\n<p>Ende</p>");
const QByteArray kRegisterMitGeoeffnetem("A~1__00?Kori.ebay\r\nX~4__90?Kori.ebay\r\n");
const QString kFrage =
    QStringLiteral("Ja   = Artikel wurde bei Ebay eingestellt\r\n\r\nNein = Artikel soll für später "
                   "gespeichert werden.\r\n\r\nAbbrechen = Nicht speichern");

// A folder no one may write into, not even root, until the guard ends.
class Unveraenderlich {
public:
    explicit Unveraenderlich(const QString& ordner) : m_ordner(ordner) {
        m_aktiv = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_ordner}) == 0;
    }
    ~Unveraenderlich() {
        if (m_aktiv) {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_ordner});
        }
    }
    Unveraenderlich(const Unveraenderlich&) = delete;
    Unveraenderlich& operator=(const Unveraenderlich&) = delete;
    bool aktiv() const { return m_aktiv; }

private:
    QString m_ordner;
    bool m_aktiv = false;
};

struct Programm {
    explicit Programm(const QString& verkaeufer = QStringLiteral("Kori")) {
        app.starten();
        p.vergessen();
        app.zustand().verkaeuferName = verkaeufer;
        app.zustand().listingText = kListing;
        haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Mankell Brandmauer"));
        fenster().anzeigen();
        feld<QLabel>(QStringLiteral("lblVersandKosten"))->setText(QStringLiteral("1,85"));
    }
    TestOrdner ordner;
    SkriptPlattform p;
    Anwendung app{ordner.programmordner(), p};

    FrmVorlSpeichern& fenster() { return app.frmVorlSpeichern(); }
    template <class T> T* feld(const QString& name) { return fenster().findChild<T*>(name); }
    template <class T> T* haupt(const QString& name) { return app.frmHaupt().findChild<T*>(name); }
    QLineEdit* name() { return feld<QLineEdit>(QStringLiteral("txtArtikelBez")); }
    RichTextFeld* rtf(const char* n) { return feld<RichTextFeld>(QLatin1String(n)); }
    void inhaltAuto(const QString& text) {
        haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(text);
    }
    QStringList dateien(const QString& ordnerName) {
        return QDir(ordner.daten(ordnerName)).entryList(QDir::Files, QDir::Name);
    }
    void schliessen(Plattform::Antwort antwort) {
        p.antworten.enqueue(antwort);
        fenster().cmdSchliesen_Click();
    }
    void klick(const char* name) { haupt<QPushButton>(QLatin1String(name))->click(); }
    // A register of three articles, whose files are saved, shown in the main window's list.
    void registerZeigen() {
        ordner.schreiben(kRegister, kRegisterDrei);
        for (const char* name : {"A~1,00#Kori.ebay", "B~2,00#Kori.ebay", "C~3,00#Kori.ebay"}) {
            ordner.schreiben(QStringLiteral("Artikeln-Txt/") + QLatin1String(name),
                             "##-------\r\n*ArtBez=" + QByteArray(name).left(1) +
                                 "\r\n##-------\r\n*ArtBeschreibung=\r\nText\r\n");
        }
        klick("cmdnochnichtAnzeig");
    }
    // Reads the list's entry into the main window and shows the save window for it.
    void einlesen(int zeile) {
        auto* liste = haupt<QListWidget>(QStringLiteral("lstDateien"));
        liste->clearSelection();
        liste->item(zeile)->setSelected(true);
        klick("cmdDateiEinlesen");
        fenster().hide();
        fenster().anzeigen();
    }
    QStringList eintraege() {
        const auto* liste = haupt<QListWidget>(QStringLiteral("lstDateien"));
        QStringList texte;
        for (int i = 0; i < liste->count(); ++i) {
            texte.append(liste->item(i)->text());
        }
        return texte;
    }
};

} // namespace

class TestFrmVorlSpeichern : public QObject {
    Q_OBJECT
private slots:
    void anzeigen_fuelltFelder();
    void speichern_verboteneZeichen_inAllenDreiDateien();
    void speichern_hausverkaeufer_ohnePlusPraefix_data();
    void speichern_hausverkaeufer_ohnePlusPraefix();
    void speichern_leererZusatz_keineZusDatei();
    void speichern_schreibtGezeigtenArtikel_data();
    void speichern_schreibtGezeigtenArtikel();
    void anzeigen_nachLetztemArtikel_sauber();
    void vorschau_schreibfehler_meldetOhneBrowser();
    void speichern_schreibfehler_meldetUndSchreibtWeiter();
    void speichern_schreibfehler_behaeltAlteDatei();
    void schliessen_frageMitDreiKnoepfen();
    void schliessen_nein_registerzeile();
    void schliessen_neinZweimal_zweiZeilen();
    void schliessen_jaMitHauptliste_laesstRegister();
    void schliessen_jaMitRegister_entferntEintrag();
    void schliessen_ja_striktNurGelesenenArtikel_data();
    void schliessen_ja_striktNurGelesenenArtikel();
    void registerNeuSchreiben_behaeltNeueZeilen();
    void registerNeuSchreiben_fehler_laesstDatei();
    void schliessen_abbrechen_schreibtNichts();
    void oeffnen_ladeListingAusDatei();
    void oeffnen_fehler_meldetUndBleibtImOeffnenModus();
    void oeffnen_speichernUndVorschau_schreibenNurListing();
    void oeffnen_schliessen_data();
    void oeffnen_schliessen();
    void oeffnen_abgebrochen_schreibtNichts();
    void kopieren_hausverkaeufer_ohneErstesZeichen_data();
    void kopieren_hausverkaeufer_ohneErstesZeichen();
    void kopieren_listingUndSchlusstext();
    void sperren_grauUndZurueck();
    void mehr_wechseltBreite();
    void vorschau_browser_data();
    void vorschau_browser();
    void vorschau_startfehler_meldet();
    void testSpeichern_zeigtArtikeltext();
};

void TestFrmVorlSpeichern::anzeigen_fuelltFelder() {
    Programm pr;
    QCOMPARE(pr.fenster().windowTitle(), QStringLiteral("Präsentation speichern"));
    QVERIFY(pr.fenster().isVisible());
    QCOMPARE(pr.fenster().windowModality(), Qt::WindowModal);
    QCOMPARE(pr.name()->text(), QStringLiteral("Mankell Brandmauer"));
    QCOMPARE(pr.rtf("rtfText")->text(), kListing);
    QCOMPARE(pr.feld<QLabel>(QStringLiteral("lblEbajName"))->text(), QStringLiteral("Kori"));
    QVERIFY(pr.rtf("rtfZusatztextAmEnde")
                ->text()
                .startsWith(QStringLiteral("Vielen Dank für Ihren Einkauf.\r\n\r\n")));
    QVERIFY(pr.rtf("rtfZusatztextAmEnde")->text().endsWith(QStringLiteral("überwiesen haben.\r\n\r\nGruß")));
    QVERIFY(pr.feld<QLabel>(QStringLiteral("lblClip"))->isHidden());
}

void TestFrmVorlSpeichern::speichern_verboteneZeichen_inAllenDreiDateien() {
    Programm pr;
    pr.name()->setText(QStringLiteral("Frage? Nr#1: a\\b/c|d*e<f>g!\"h\" + Heft, neu"));
    pr.inhaltAuto(QStringLiteral("<table>"));

    pr.fenster().cmdSpeichern_Click();

    const QString n = QStringLiteral("Frage- Nr-1, a,b,c,d+e(f)g~'h' + Heft, neu~1,85#Kori");
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln")), QStringList{n + QStringLiteral(".ebay")});
    QCOMPARE(pr.ordner.lesen(QStringLiteral("Artikeln/") + n + QStringLiteral(".ebay")),
             w1252(kListing + "\r\n"));
    QVERIFY(pr.ordner.lesen(QStringLiteral("Artikeln-Txt/") + n + QStringLiteral(".ebay"))
                .startsWith("##-------\r\n*EbayName=Kori\r\n*ArtBez=Mankell Brandmauer\r\n"));
    QCOMPARE(pr.ordner.lesen(QStringLiteral("Artikeln-Zusatz-html/") + n + QStringLiteral("-Zus.ebay")),
             QByteArray("<table>\r\n"));
    QCOMPARE(pr.name()->text(), QStringLiteral("Frage? Nr#1: a\\b/c|d*e<f>g!\"h\" * Heft/ neu"));
    QCOMPARE(pr.app.zustand().Registername,
             QStringLiteral("Frage- Nr-1__ a__b__c__d+e(f)g~'h' + Heft__ neu~1__85?Kori.ebay"));
    QVERIFY(pr.p.fenster.isEmpty());
}

void TestFrmVorlSpeichern::speichern_hausverkaeufer_ohnePlusPraefix_data() {
    QTest::addColumn<QString>("verkaeufer");
    QTest::addColumn<QString>("datei");
    QTest::newRow("Hausverkauf-1") << QStringLiteral("Hausverkauf-1")
                                   << QStringLiteral("Mankell~1,85#Hausverkauf-1.ebay");
    QTest::newRow("Hausverkauf-5") << QStringLiteral("Hausverkauf-5")
                                   << QStringLiteral("Mankell~1,85#Hausverkauf-5.ebay");
    QTest::newRow("Hausverkauf-6 ist nicht unter den fünf")
        << QStringLiteral("Hausverkauf-6") << QStringLiteral("+ Mankell~1,85#Hausverkauf-6.ebay");
    QTest::newRow("anderer") << QStringLiteral("Kori") << QStringLiteral("+ Mankell~1,85#Kori.ebay");
}

void TestFrmVorlSpeichern::speichern_hausverkaeufer_ohnePlusPraefix() {
    QFETCH(QString, verkaeufer);
    QFETCH(QString, datei);
    Programm pr(verkaeufer);
    pr.name()->setText(QStringLiteral("+ Mankell"));

    pr.fenster().cmdSpeichern_Click();

    QCOMPARE(pr.dateien(QStringLiteral("Artikeln")), QStringList{datei});
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln-Txt")), QStringList{datei});
    QCOMPARE(pr.name()->text(), QStringLiteral("* Mankell"));
}

void TestFrmVorlSpeichern::speichern_leererZusatz_keineZusDatei() {
    Programm pr;
    pr.inhaltAuto(QString());
    pr.fenster().cmdSpeichern_Click();
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln")).size(), 1);
    QVERIFY(pr.dateien(QStringLiteral("Artikeln-Zusatz-html")).isEmpty());
}

void TestFrmVorlSpeichern::speichern_schreibtGezeigtenArtikel_data() {
    QTest::addColumn<QString>("knopf");
    QTest::newRow("Speichern") << QStringLiteral("cmdSpeichern");
    QTest::newRow("Vorschau") << QStringLiteral("cmdVorschau");
    QTest::newRow("Vorschau Chrome") << QStringLiteral("cmdVorschauGoogle");
}

void TestFrmVorlSpeichern::speichern_schreibtGezeigtenArtikel() {
    QFETCH(QString, knopf);
    Programm pr;
    // A first article closed with "Nein", then a second one shown in the kept window.
    pr.schliessen(Plattform::Antwort::Nein);
    pr.haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Zweites Buch"));
    pr.fenster().anzeigen();

    pr.feld<QPushButton>(knopf)->click();

    const QByteArray artikel = pr.ordner.lesen(QStringLiteral("Artikeln-Txt/Zweites Buch~1,85#Kori.ebay"));
    QVERIFY(artikel.contains("*ArtBez=Zweites Buch\r\n"));
    QVERIFY(!artikel.contains("Mankell"));
}

void TestFrmVorlSpeichern::anzeigen_nachLetztemArtikel_sauber() {
    Programm pr;
    pr.fenster().cmdTextAmEndeUbernehmen_Click();
    pr.feld<QLineEdit>(QStringLiteral("txtStartPreis"))->setText(QStringLiteral("9,99"));
    pr.fenster().cmdHtml_Speren_Click();
    pr.schliessen(Plattform::Antwort::Nein);

    pr.fenster().anzeigen();

    QVERIFY(pr.feld<QLabel>(QStringLiteral("lblok2"))->isHidden());
    QVERIFY(pr.feld<QLineEdit>(QStringLiteral("txtStartPreis"))->text().isEmpty());
    QVERIFY(!pr.rtf("rtfText")->isReadOnly());
}

void TestFrmVorlSpeichern::vorschau_schreibfehler_meldetOhneBrowser() {
    Programm pr;
    // A folder in the place of the preview file: it cannot be written.
    QFile::remove(pr.ordner.daten(QStringLiteral("Vorschau.html")));
    QVERIFY(QDir(pr.ordner.daten(QStringLiteral("Vorschau.html"))).mkpath(QStringLiteral("belegt")));

    pr.fenster().cmdVorschau_Click();

    QCOMPARE(pr.p.fenster.size(), 1);
    QCOMPARE(pr.p.fenster.first().titel, QStringLiteral("ACHTUNG!"));
    QVERIFY(
        pr.p.fenster.first().text.startsWith(QStringLiteral("Die Vorschau-Datei kann nicht geschrieben")));
    for (const SkriptPlattform::Aufruf& aufruf : pr.p.aufrufe) {
        QVERIFY(aufruf.art != QStringLiteral("oeffnen") && aufruf.art != QStringLiteral("programmStarten"));
    }
}

void TestFrmVorlSpeichern::speichern_schreibfehler_meldetUndSchreibtWeiter() {
    Programm pr;
    pr.inhaltAuto(QStringLiteral("<table>"));
    const QString n = QStringLiteral("Mankell Brandmauer~1,85#Kori.ebay");
    // A folder in the place of the listing file: that one write fails.
    QVERIFY(QDir(pr.ordner.daten(QStringLiteral("Artikeln"))).mkpath(n + QStringLiteral("/belegt")));

    pr.fenster().cmdSpeichern_Click();

    QCOMPARE(pr.p.fenster.size(), 1);
    QCOMPARE(pr.p.fenster.first().titel, QStringLiteral("ACHTUNG!"));
    QVERIFY(pr.p.fenster.first().text.startsWith(
        QStringLiteral("Bitte folgende Zeichen ( ?,:,\\,! )im Speichername durch \" - oder leerzeichen \" "
                       "ersetzten \r\nFehler 11 - beim Speichern ")));
    QVERIFY(pr.p.fenster.first().text.endsWith(QStringLiteral("\r\n\r\nMankell Brandmauer")));
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln-Txt")), QStringList{n});
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln-Zusatz-html")).size(), 1);
}

void TestFrmVorlSpeichern::speichern_schreibfehler_behaeltAlteDatei() {
    Programm pr;
    const QString n = QStringLiteral("Artikeln-Txt/Mankell Brandmauer~1,85#Kori.ebay");
    pr.ordner.schreiben(n, QByteArray("alt\r\n"));
    pr.rtf("rtfSpeichern")->setText(QStringLiteral("neu"));
    {
        Unveraenderlich sperre(pr.ordner.daten(QStringLiteral("Artikeln-Txt")));
        if (!sperre.aktiv()) {
            QSKIP("folders cannot be made immutable here");
        }
        pr.fenster().cmdSpeichern_Click();
    }
    QCOMPARE(pr.ordner.lesen(n), QByteArray("alt\r\n"));
    QCOMPARE(pr.p.fenster.size(), 1);
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln")).size(), 1);
}

void TestFrmVorlSpeichern::schliessen_frageMitDreiKnoepfen() {
    Programm pr;
    pr.schliessen(Plattform::Antwort::Abbrechen);
    QCOMPARE(pr.p.fenster.size(), 1);
    const SkriptPlattform::Fenster& f = pr.p.fenster.first();
    QCOMPARE(f.text, kFrage);
    QCOMPARE(f.titel, QStringLiteral("Artikel speichern"));
    QCOMPARE(f.symbol, Plattform::Symbol::Keins);
    QCOMPARE(f.knoepfe, Plattform::Knoepfe::JaNeinAbbrechen);
}

void TestFrmVorlSpeichern::schliessen_nein_registerzeile() {
    Programm pr;
    const QByteArray vorher = pr.ordner.lesen(kRegister);
    pr.schliessen(Plattform::Antwort::Nein);

    QCOMPARE(pr.ordner.lesen(kRegister), vorher + "Mankell Brandmauer~1__85?Kori.ebay\r\n");
    QVERIFY(!pr.fenster().isVisible());
    const QByteArray artikel =
        pr.ordner.lesen(QStringLiteral("Artikeln-Txt/Mankell Brandmauer~1,85#Kori.ebay"));
    QVERIFY(artikel.startsWith("##-------\r\n*EbayName=Kori\r\n*ArtBez=Mankell Brandmauer\r\n"));
    QCOMPARE(pr.haupt<QLabel>(QStringLiteral("lblZuletztGespeichert"))->text(),
             QStringLiteral("Zuletzt gespeichert:\r\nMankell Brandmauer"));
}

void TestFrmVorlSpeichern::schliessen_neinZweimal_zweiZeilen() {
    Programm pr;
    const QByteArray vorher = pr.ordner.lesen(kRegister);
    pr.schliessen(Plattform::Antwort::Nein);
    pr.fenster().anzeigen();
    pr.schliessen(Plattform::Antwort::Nein);
    const QByteArray zeile("Mankell Brandmauer~1__85?Kori.ebay\r\n");
    QCOMPARE(pr.ordner.lesen(kRegister), vorher + zeile + zeile);
}

void TestFrmVorlSpeichern::schliessen_jaMitHauptliste_laesstRegister() {
    Programm pr;
    const QByteArray vorher = pr.ordner.lesen(kRegister);
    auto* liste = pr.haupt<QListWidget>(QStringLiteral("lstDateien"));
    liste->addItems({QStringLiteral("A~1,00#Kori.ebay"), QStringLiteral("B~2,00#Kori.ebay")});
    pr.app.zustand().RegisterAngezeigt = false;

    pr.schliessen(Plattform::Antwort::Ja);

    QCOMPARE(pr.ordner.lesen(kRegister), vorher);
    QCOMPARE(liste->count(), 2);
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln")).size(), 1);
    QVERIFY(!pr.fenster().isVisible());
}

void TestFrmVorlSpeichern::schliessen_jaMitRegister_entferntEintrag() {
    Programm pr;
    pr.registerZeigen();
    pr.einlesen(1);
    // The search moves the chosen entry; the article read stays the one to strike.
    pr.klick("cmdSuchen");

    pr.schliessen(Plattform::Antwort::Ja);

    QCOMPARE(pr.eintraege(),
             (QStringList{QStringLiteral("A~1,00#Kori.ebay"), QStringLiteral("C~3,00#Kori.ebay")}));
    QCOMPARE(pr.ordner.lesen(kRegister),
             QByteArray("# Noch einzustellen\r\nA~1__00?Kori.ebay\r\nC~3__00?Kori.ebay\r\n"));
    QVERIFY(pr.app.zustand().RegisterEintrag.isEmpty());
}

void TestFrmVorlSpeichern::schliessen_ja_striktNurGelesenenArtikel_data() {
    QTest::addColumn<QString>("weg");
    QTest::newRow("neuer Artikel") << QStringLiteral("neu");
    QTest::newRow("nach Neu") << QStringLiteral("Neu geklickt");
    QTest::newRow("aus anderer Liste") << QStringLiteral("Hauptliste");
    QTest::newRow("zweites Ja") << QStringLiteral("zweimal");
}

void TestFrmVorlSpeichern::schliessen_ja_striktNurGelesenenArtikel() {
    QFETCH(QString, weg);
    Programm pr;
    pr.registerZeigen();
    if (weg == QLatin1String("Neu geklickt")) {
        pr.einlesen(0);
        pr.klick("cmdNeu");
    } else if (weg == QLatin1String("Hauptliste")) {
        pr.klick("cmdHauptliste");
        pr.einlesen(0);
        pr.klick("cmdnochnichtAnzeig");
    } else if (weg == QLatin1String("zweimal")) {
        pr.ordner.schreiben(kRegister, kRegisterDrei + "B~2__00?Kori.ebay\r\n");
        pr.einlesen(1);
        pr.schliessen(Plattform::Antwort::Ja);
        pr.fenster().anzeigen();
    }
    const QByteArray vorher = pr.ordner.lesen(kRegister);

    pr.schliessen(Plattform::Antwort::Ja);

    QCOMPARE(pr.ordner.lesen(kRegister), vorher);
    QVERIFY(!pr.fenster().isVisible());
}

void TestFrmVorlSpeichern::registerNeuSchreiben_behaeltNeueZeilen() {
    Programm pr;
    pr.registerZeigen();
    pr.einlesen(0);
    // Kept for later: the register gets a line the list does not show yet.
    pr.schliessen(Plattform::Antwort::Nein);
    pr.fenster().anzeigen();

    pr.schliessen(Plattform::Antwort::Ja);

    QCOMPARE(pr.ordner.lesen(kRegister), QByteArray("# Noch einzustellen\r\nB~2__00?Kori.ebay\r\n"
                                                    "C~3__00?Kori.ebay\r\nA~1__85?Kori.ebay\r\n"));
    QCOMPARE(pr.eintraege(),
             (QStringList{QStringLiteral("B~2,00#Kori.ebay"), QStringLiteral("C~3,00#Kori.ebay"),
                          QStringLiteral("A~1,85#Kori.ebay")}));
}

void TestFrmVorlSpeichern::registerNeuSchreiben_fehler_laesstDatei() {
    Programm pr;
    pr.registerZeigen();
    pr.einlesen(1);
    Unveraenderlich schutz(pr.ordner.daten(QStringLiteral("vorlagen")));
    if (!schutz.aktiv()) {
        QSKIP("The folder cannot be made unwritable here.");
    }
    pr.p.vergessen();

    pr.schliessen(Plattform::Antwort::Ja);

    QCOMPARE(pr.ordner.lesen(kRegister), kRegisterDrei);
    // The close question, then the failure.
    QCOMPARE(pr.p.meldungstexte().size(), 2);
    QVERIFY(pr.p.meldungstexte().last().startsWith(
        QStringLiteral("Die Liste der noch nicht eingestellten Artikel konnte nicht gespeichert werden")));
    QCOMPARE(pr.eintraege().size(), 3);
}

void TestFrmVorlSpeichern::schliessen_abbrechen_schreibtNichts() {
    Programm pr;
    pr.app.zustand().Speichername = QStringLiteral("Vorher");
    const QByteArray vorher = pr.ordner.lesen(kRegister);

    pr.schliessen(Plattform::Antwort::Abbrechen);

    QVERIFY(pr.dateien(QStringLiteral("Artikeln")).isEmpty());
    QVERIFY(pr.dateien(QStringLiteral("Artikeln-Txt")).isEmpty());
    QCOMPARE(pr.ordner.lesen(kRegister), vorher);
    QVERIFY(pr.fenster().isVisible());
    QCOMPARE(pr.haupt<QLabel>(QStringLiteral("lblZuletztGespeichert"))->text(),
             QStringLiteral("Zuletzt gespeichert:\r\nVorher"));
}

void TestFrmVorlSpeichern::oeffnen_ladeListingAusDatei() {
    Programm pr;
    pr.fenster().hide();
    const QString relativ = QStringLiteral("Artikeln/Frage- a,b~4,90#Hausverkauf-2.ebay");
    pr.ordner.schreiben(relativ, w1252(QStringLiteral("<p>gespeichert</p>\r\n")));
    pr.p.dateien.enqueue(pr.ordner.daten(relativ));

    pr.app.zustand().OeffnenModus = true;
    pr.fenster().anzeigen();

    QCOMPARE(pr.p.aufrufe.first().art, QStringLiteral("dateiWaehlen"));
    QCOMPARE(pr.p.aufrufe.first().argumente.at(2),
             QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*"));
    QCOMPARE(pr.rtf("rtfText")->text(), QStringLiteral("<p>gespeichert</p>\r\n"));
    QCOMPARE(pr.name()->text(), QStringLiteral("Frage- a/b"));
    QCOMPARE(pr.feld<QLineEdit>(QStringLiteral("txtStartPreis"))->text(), QStringLiteral("4,90"));
    QCOMPARE(pr.feld<QLabel>(QStringLiteral("lblVersandKosten"))->text(), QStringLiteral("4,90"));
    QCOMPARE(pr.feld<QLabel>(QStringLiteral("lblEbajName"))->text(), QStringLiteral("Hausverkauf-2"));
    QVERIFY(!pr.app.zustand().OeffnenModus);
}

void TestFrmVorlSpeichern::oeffnen_fehler_meldetUndBleibtImOeffnenModus() {
    Programm pr;
    pr.app.zustand().OeffnenModus = true;
    pr.p.dateien.enqueue(pr.ordner.daten(QStringLiteral("Artikeln/fehlt~1,00#Kori.ebay")));

    pr.fenster().mnuDatOpen_Click();

    QCOMPARE(pr.p.fenster.size(), 1);
    QVERIFY(pr.p.fenster.first().text.startsWith(QStringLiteral("Fehler beim ladender Datei")));
    QVERIFY(pr.app.zustand().OeffnenModus);
}

void TestFrmVorlSpeichern::oeffnen_speichernUndVorschau_schreibenNurListing() {
    Programm pr;
    pr.fenster().hide();
    pr.ordner.schreiben(kGeoeffnet, kGeoeffnetInhalt);
    pr.p.dateien.enqueue(pr.ordner.daten(kGeoeffnet));
    pr.app.frmVorlSpeichern().artikelEinlesenMenue();

    pr.feld<QPushButton>(QStringLiteral("cmdSpeichern"))->click();
    pr.feld<QPushButton>(QStringLiteral("cmdSpeichern"))->click();
    pr.feld<QPushButton>(QStringLiteral("cmdVorschau"))->click();

    QCOMPARE(pr.ordner.lesen(kGeoeffnet), kGeoeffnetInhalt);
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln")), QStringList{QStringLiteral("X~4,90#Kori.ebay")});
    QVERIFY(pr.dateien(QStringLiteral("Artikeln-Txt")).isEmpty());
    QCOMPARE(pr.ordner.lesen(QStringLiteral("Vorschau.html")), kGeoeffnetInhalt + "\r\n");
}

void TestFrmVorlSpeichern::oeffnen_schliessen_data() {
    QTest::addColumn<Plattform::Antwort>("antwort");
    QTest::addColumn<QByteArray>("registerNachher");
    QTest::addColumn<bool>("offen");
    QTest::newRow("Ja") << Plattform::Antwort::Ja << QByteArray("A~1__00?Kori.ebay\r\n") << false;
    QTest::newRow("Nein") << Plattform::Antwort::Nein << kRegisterMitGeoeffnetem << false;
    QTest::newRow("Abbrechen") << Plattform::Antwort::Abbrechen << kRegisterMitGeoeffnetem << true;
}

void TestFrmVorlSpeichern::oeffnen_schliessen() {
    QFETCH(Plattform::Antwort, antwort);
    QFETCH(QByteArray, registerNachher);
    QFETCH(bool, offen);
    Programm pr;
    pr.fenster().hide();
    pr.ordner.schreiben(kRegister, kRegisterMitGeoeffnetem);
    pr.ordner.schreiben(kGeoeffnet, kGeoeffnetInhalt);
    pr.p.dateien.enqueue(pr.ordner.daten(kGeoeffnet));
    pr.app.frmVorlSpeichern().artikelEinlesenMenue();

    pr.schliessen(antwort);

    QCOMPARE(pr.ordner.lesen(kRegister), registerNachher);
    QCOMPARE(pr.ordner.lesen(kGeoeffnet), kGeoeffnetInhalt);
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln")).size(), 1);
    QVERIFY(pr.dateien(QStringLiteral("Artikeln-Txt")).isEmpty());
    QCOMPARE(pr.fenster().isVisible(), offen);
}

void TestFrmVorlSpeichern::oeffnen_abgebrochen_schreibtNichts() {
    Programm pr;
    pr.fenster().hide();
    pr.ordner.schreiben(kRegister, kRegisterMitGeoeffnetem);
    pr.p.dateien.enqueue(QString());
    pr.app.frmVorlSpeichern().artikelEinlesenMenue();

    for (const char* knopf : {"cmdSpeichern", "cmdVorschau", "cmdVorschauGoogle"}) {
        QVERIFY2(!pr.feld<QPushButton>(QLatin1String(knopf))->isEnabled(), knopf);
    }
    QVERIFY(!pr.feld<QAction>(QStringLiteral("mnuDatSpeichern"))->isEnabled());
    pr.schliessen(Plattform::Antwort::Ja);
    QCOMPARE(pr.ordner.lesen(kRegister), kRegisterMitGeoeffnetem);
    QVERIFY(pr.dateien(QStringLiteral("Artikeln")).isEmpty());
    QVERIFY(pr.dateien(QStringLiteral("Artikeln-Txt")).isEmpty());

    // The next finished article is saved as usual.
    pr.fenster().nachFertigstellenZeigen(QStringLiteral("1,85"), QString());
    QVERIFY(pr.feld<QPushButton>(QStringLiteral("cmdSpeichern"))->isEnabled());
    pr.feld<QPushButton>(QStringLiteral("cmdSpeichern"))->click();
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln-Txt")),
             QStringList{QStringLiteral("Mankell Brandmauer~1,85#Kori.ebay")});
}

void TestFrmVorlSpeichern::kopieren_hausverkaeufer_ohneErstesZeichen_data() {
    QTest::addColumn<QString>("verkaeufer");
    QTest::addColumn<QString>("kopiert");
    QTest::newRow("Hausverkauf-3") << QStringLiteral("Hausverkauf-3") << QStringLiteral("ankell Brandmauer");
    QTest::newRow("Hausverkauf-6") << QStringLiteral("Hausverkauf-6") << QStringLiteral("Mankell Brandmauer");
    QTest::newRow("anderer") << QStringLiteral("Kori") << QStringLiteral("Mankell Brandmauer");
}

void TestFrmVorlSpeichern::kopieren_hausverkaeufer_ohneErstesZeichen() {
    QFETCH(QString, verkaeufer);
    QFETCH(QString, kopiert);
    Programm pr(verkaeufer);
    pr.fenster().cmdArtBezeichnunUbernehmen_Click();
    QCOMPARE(pr.p.zwischenablage, kopiert);
    QVERIFY(!pr.feld<QLabel>(QStringLiteral("lblOk"))->isHidden());
}

void TestFrmVorlSpeichern::kopieren_listingUndSchlusstext() {
    Programm pr;
    pr.fenster().cmdMarkiere_Click();
    QCOMPARE(pr.p.zwischenablage, kListing);
    QCOMPARE(pr.rtf("rtfText")->selLength(), kListing.size());
    QVERIFY(!pr.feld<QLabel>(QStringLiteral("lblClip"))->isHidden());

    pr.fenster().cmdTextAmEndeUbernehmen_Click();
    QCOMPARE(pr.p.zwischenablage, pr.rtf("rtfZusatztextAmEnde")->text());
    QVERIFY(!pr.feld<QLabel>(QStringLiteral("lblok2"))->isHidden());
}

void TestFrmVorlSpeichern::sperren_grauUndZurueck() {
    Programm pr;
    const QColor vorher = pr.rtf("rtfText")->hintergrund();
    pr.fenster().cmdHtml_Speren_Click();
    QVERIFY(pr.rtf("rtfText")->isReadOnly());
    QCOMPARE(pr.rtf("rtfText")->hintergrund(), QColor(0xE0, 0xE0, 0xE0));
    pr.fenster().cmdHTMLBearb_Click();
    QVERIFY(!pr.rtf("rtfText")->isReadOnly());
    QCOMPARE(pr.rtf("rtfText")->hintergrund(), vorher);
}

void TestFrmVorlSpeichern::mehr_wechseltBreite() {
    Programm pr;
    pr.fenster().resize(536, pr.fenster().height());
    pr.fenster().lblmehr_Click();
    QCOMPARE(pr.fenster().width(), 684);
    pr.fenster().lblmehr_Click();
    QCOMPARE(pr.fenster().width(), 536);
}

void TestFrmVorlSpeichern::vorschau_browser_data() {
    QTest::addColumn<bool>("chrome");
    QTest::addColumn<QString>("browser");
    QTest::newRow("Internet Explorer") << false << QStringLiteral("/opt/ie/iexplore");
    QTest::newRow("Chrome") << true << QStringLiteral("/opt/chrome/chrome");
    QTest::newRow("ohne Browser") << false << QString();
}

void TestFrmVorlSpeichern::vorschau_browser() {
    QFETCH(bool, chrome);
    QFETCH(QString, browser);
    Programm pr;
    pr.app.frmEinstell()
        .findChild<QLineEdit*>(chrome ? QStringLiteral("txtPfadGoChr") : QStringLiteral("txtPfadIE"))
        ->setText(browser);

    if (chrome) {
        pr.fenster().cmdVorschauGoogle_Click();
    } else {
        pr.fenster().cmdVorschau_Click();
    }

    const QString vorschau = pr.ordner.daten(QStringLiteral("Vorschau.html"));
    QCOMPARE(pr.ordner.lesen(QStringLiteral("Vorschau.html")), w1252(kListing + "\r\n"));
    QCOMPARE(pr.dateien(QStringLiteral("Artikeln")).size(), 1);
    const SkriptPlattform::Aufruf& start = pr.p.aufrufe.last();
    if (browser.isEmpty()) {
        QCOMPARE(start.art, QStringLiteral("oeffnen"));
        QCOMPARE(start.argumente, QStringList{vorschau});
    } else {
        QCOMPARE(start.art, QStringLiteral("programmStarten"));
        QCOMPARE(start.argumente, (QStringList{browser, vorschau}));
    }
    QVERIFY(pr.p.fenster.isEmpty());
}

void TestFrmVorlSpeichern::vorschau_startfehler_meldet() {
    Programm pr;
    pr.app.frmEinstell()
        .findChild<QLineEdit*>(QStringLiteral("txtPfadIE"))
        ->setText(QStringLiteral("/fehlt"));
    pr.p.startErgebnisse.enqueue(false);
    pr.fenster().cmdVorschau_Click();
    QCOMPARE(pr.p.fenster.size(), 1);
    QVERIFY(pr.p.fenster.first().text.startsWith(QStringLiteral("Test ist zu Zeit nicht möglich")));
}

void TestFrmVorlSpeichern::testSpeichern_zeigtArtikeltext() {
    Programm pr;
    pr.feld<QAction>(QStringLiteral("mnu_rtfTest"))->trigger();
    QVERIFY(pr.rtf("rtfSpeichern")->text().contains(QStringLiteral("*ArtBez=Mankell Brandmauer\r\n")));
    QVERIFY(pr.rtf("rtfText")->isHidden());
    QVERIFY(!pr.rtf("rtfSpeichern")->isHidden());
    pr.feld<QAction>(QStringLiteral("mnu_rtfTest"))->trigger();
    QVERIFY(!pr.rtf("rtfText")->isHidden());
    QVERIFY(pr.rtf("rtfSpeichern")->isHidden());
}

QTEST_MAIN(TestFrmVorlSpeichern)
#include "tst_frmvorlspeichern.moc"
