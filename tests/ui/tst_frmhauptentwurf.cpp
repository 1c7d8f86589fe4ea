#include "support/FensterTest.h"
#include "ui/BildFeld.h"
#include "ui/KlickLabel.h"
#include "ui/RichTextFeld.h"
#include "ui/frmHaupt.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// The main window as designed, before start-up: every control with its kind and the texts it
// carries. Nothing here reads the data folder.
class TestFrmHauptEntwurf : public FensterTest {
    Q_OBJECT
public:
    TestFrmHauptEntwurf() : FensterTest({.mitDaten = false}) {}

private slots:
    void steuerelement_existiertMitArt_data();
    void steuerelement_existiertMitArt();
    void seitenUndMenues_tragenIhreBeschriftung();

private:
    FrmHaupt& fenster() const { return app().frmHaupt(); }
};

void TestFrmHauptEntwurf::steuerelement_existiertMitArt_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("art");
    const auto zeilen = [](const char* art, std::initializer_list<const char*> namen) {
        for (const char* name : namen) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(art);
        }
    };
    zeilen("QLineEdit", {"txtArtikelBez", "txtTitel", "txtUntertittel", "txtArtikelBezVor", "txtAktuellePfad",
                         "txtAufWasBiten", "txtEbayBildPfad", "txtEbayBildPfad_b", "txtEbayBildPfad2",
                         "txtEbayBildPfad2_b", "txtEbayBildPfad2_c", "txtBild", "txtSuchen"});
    zeilen("QLabel", {"lblAnzahl", "lblAnzahlNoch", "lblArtikelArt", "lblEbayName", "lblVersion",
                      "lblZuletztGespeichert", "Label1", "Label9", "Label3", "Label2", "Label30", "Label32",
                      "Label14", "lblwieviel", "lblDateiordner", "lblMehrFertigeTexteAnzeigen"});
    zeilen("KlickLabel", {"lblLoeschenArtBezTitelUnter", "Label25"});
    zeilen("QPushButton", {"cmdTitel",
                           "cmdUntertitelFett",
                           "cmdZusZufugen",
                           "cmdAutorinsBuchbeschr",
                           "cmdVerlaginsBuchbeschr",
                           "cmdNeu",
                           "cdmFertigstellen",
                           "cmdArtVorschauNur",
                           "cmdAufWasUbername",
                           "cmdWasBitenFett",
                           "cmdZusazttexteVerwalten",
                           "cdmZusatzTexteAktual",
                           "cmdZusatztextUbername",
                           "cmdBeschreibungFett",
                           "cmdBTAktuali",
                           "cmdNamenforBT",
                           "cmdHtmlEinfugen",
                           "cmdHtmlLoschen",
                           "cmdBuchBeschr",
                           "cmdKleidungBeschreibung",
                           "cmdSongs",
                           "cmdAuforderung1Aktalisieren",
                           "cmdAuforderung1Plus",
                           "cmdAuforderung2Aktalisieren",
                           "cmdAuforderung2Plus",
                           "cmdSuchenBildOben1",
                           "cmdSuchenBildOben2",
                           "cmdSuchenBildUnten1",
                           "cmdSuchenBildUnten2",
                           "cmdSuchenBildUnten3",
                           "cmdUmrechnenB1",
                           "cmdUmrechnenB2",
                           "cmdUmrechnenB3",
                           "cmdUmrechnenB4",
                           "cmdUmrechnenB5",
                           "cmdArtBezBilden",
                           "cmdUmrechnen",
                           "Command7",
                           "Command8",
                           "cmdZusatzlinksCode",
                           "cmdLink1",
                           "cmdSuchen",
                           "cmdHauptliste",
                           "cmdnochnichtAnzeig",
                           "cmdOrdnerDateienOpen",
                           "cmdWeitereDateienAnzeigen",
                           "cmdDateiAlsTextOpen",
                           "cmdDateiEinlesen"});
    zeilen("QComboBox",
           {"cboZus1",         "cboZus2",          "cboBuchAutor",    "cboEinZwei",       "cboEinEineEinen",
            "cboGutNeu",       "cboGutErhalten",   "cboAufWasBiten",  "cboAufWasBiten2",  "cboAufWasBiten3",
            "cboZusatzTexte",  "cboAuforderung1",  "cboAuforderung2", "txtBildLaenge",    "txtBildHohe",
            "txtBildLaenge_b", "txtBildHohe_b",    "txtBildLaenge2",  "txtBildHohe2",     "txtBildLaenge2_b",
            "txtBildHohe2_b",  "txtBildLaenge2_c", "txtBildHohe2_c",  "cboVersandkosten", "cboPostHermes2"});
    zeilen("QCheckBox", {"chkAuforderung1", "chkAuforderung2", "chkBil1JaNEin", "chkBil2JaNEin",
                         "chkBil3JaNEin", "chkBil4JaNEin", "chkBil5JaNEin", "chkMitGrosAnsicht1",
                         "chkMitGrosAnsicht2", "chkArtBezAutom", "chkVersadInfoJa"});
    zeilen("RichTextFeld", {"rtfVorschau", "rtfInhalt", "rtfInhaltAuto", "RichTextBox1", "RichTextBox2",
                            "RichTextBox4", "rtfLink"});
    zeilen("BildFeld",
           {"picFoto1", "picFoto2", "picFoto3", "picFoto4", "picFoto5", "imgVor", "imgVor2", "picFotoAlle"});
    zeilen("QGroupBox",
           {"Frame7", "Frame1", "Frame6", "fraFertigeTexteBuch", "fraFertigeTexte2", "fraFertigeTexte3",
            "Frame8", "Frame12", "Frame4", "Frame10", "Frame2", "Frame5", "Frame9", "Frame11", "Frame15"});
    zeilen("QTabWidget", {"SSTab1"});
    zeilen("QListWidget", {"lstDateien"});
    zeilen("QMenu", {"mnuDatei", "mnuAnsicht", "mnuVorlage", "mnuVorlWaehlen", "mnuEinstell", "mnutest"});
    zeilen("QAction",
           {"mnuDateiNeu",     "mnuArtEinlesen",    "mnuArtEinlesenkompl", "mnuArtikAnschau",  "mnuBeenden",
            "mnuVerkVorbe",    "mnuNachdemVerk",    "mnuVorlBuch",         "mnuVorlCD_MC",     "mnuVorlKleid",
            "mnuBabyKleidung", "mnuVorlBlau",       "mnuVorlGruen",        "mnuEinstBearb",    "mnuVorlBearb",
            "mnuOhneBild",     "mnuKoriOrdnerOpen", "mnuDatenTest",        "mnutestDatenohne", "mnuanzKommas",
            "mnuVariblen"});
    for (int n = 1; n <= 21; ++n) {
        const QByteArray text = "cmdBeschrTextVor" + QByteArray::number(n);
        const QByteArray plus = "cmdBeshchrTextPlus" + QByteArray::number(n);
        QTest::newRow(text.constData()) << QString::fromLatin1(text) << QStringLiteral("QPushButton");
        QTest::newRow(plus.constData()) << QString::fromLatin1(plus) << QStringLiteral("QPushButton");
    }
}

void TestFrmHauptEntwurf::steuerelement_existiertMitArt() {
    QFETCH(QString, name);
    QFETCH(QString, art);
    const QList<QObject*> treffer = fenster().findChildren<QObject*>(name);
    QCOMPARE(treffer.size(), 1);
    QVERIFY2(treffer.first()->inherits(art.toLatin1().constData()),
             treffer.first()->metaObject()->className());
    if (auto* box = qobject_cast<QComboBox*>(treffer.first())) {
        QVERIFY(box->isEditable());
    }
    if (auto* liste = qobject_cast<QListWidget*>(treffer.first())) {
        QCOMPARE(liste->selectionMode(), QAbstractItemView::ExtendedSelection);
    }
}

void TestFrmHauptEntwurf::seitenUndMenues_tragenIhreBeschriftung() {
    auto* tab = haupt<QTabWidget>(QStringLiteral("SSTab1"));
    QCOMPARE(tab->count(), 5);
    QCOMPARE(tab->tabText(0), QStringLiteral("Beschreibung"));
    QCOMPARE(tab->tabText(1), QStringLiteral("Bilder"));
    QCOMPARE(tab->tabText(2), QStringLiteral("Versandkosten"));
    QCOMPARE(tab->tabText(3), QStringLiteral("Dateiliste"));
    QCOMPARE(tab->tabText(4), QStringLiteral("Kurzfassung"));
    QCOMPARE(fenster().windowTitle(), QStringLiteral("K.O.R.I    PlainPage-PlainSale"));

    QStringList extras;
    for (QAction* a : haupt<QMenu>(QStringLiteral("mnuEinstell"))->actions()) {
        extras.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    QCOMPARE(extras, (QStringList{QStringLiteral("Einstellungen"), QStringLiteral("Vorlagen bearbeiten"),
                                  QStringLiteral("-"), QStringLiteral("Expres ohne Bild"),
                                  QStringLiteral("-"), QStringLiteral("K.O.R.I Ordner öffnen")}));
    QCOMPARE(haupt<QAction>(QStringLiteral("mnuanzKommas"))->text(),
             QStringLiteral("i-Wert=Anzahl kommas anzeigen"));
    QCOMPARE(haupt<QPushButton>(QStringLiteral("cmdTitel"))->toolTip(),
             QStringLiteral("in Zeile Titel übernehmen"));
    QCOMPARE(haupt<QPushButton>(QStringLiteral("cmdBeschrTextVor21"))->text(), QStringLiteral("frei"));
    QCOMPARE(haupt<QPushButton>(QStringLiteral("cmdNamenforBT"))->text(), QStringLiteral("Einstell"));
    QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtAktuellePfad"))->text(), QStringLiteral("txtAktuellePfad"));
    QCOMPARE(haupt<RichTextFeld>(QStringLiteral("rtfVorschau"))->text(), QStringLiteral("Vorschau"));
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("Buch"));
}

QTEST_MAIN(TestFrmHauptEntwurf)
#include "tst_frmhauptentwurf.moc"
