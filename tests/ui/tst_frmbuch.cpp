#include "config/Ini.h"
#include "support/FensterTest.h"
#include "title/Beschreibungsname.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmHaupt.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kAbmasseStandard = QStringLiteral("?? cm x ?? cm x ? cm\r\n");

} // namespace

class TestFrmBuch : public FensterTest {
    Q_OBJECT
private slots:
    void init();
    void laden_startwerte();
    void listen_ausIhrenDateien_data();
    void listen_ausIhrenDateien();
    void autorenliste_auchImHauptfenster();
    void sprache_nurFuerNeuenArtikelDeutsch();
    void rueckkehrVonMeldung_behaeltSpracheUndBreite();
    void breite_mehrUndSchliessen();
    void schliessen_verstecktUndBehaeltFelder();
    void abmasseStandard_angehakt_gemeldet();
    void speichern_schreibtTabelleUndBuchwerte();
    void speichern_ersetztTabelle();
    void pruefungUeberspringen_nurBeimErstenSpeichern();
    void bezeichnungPunkte_keineDatei_fensterBleibtOffen();
    void genre_ausTextblock();
    void start_liestListen_fensterErstBeiBedarf();
    void autorVorDemFenster_kommtAn();

private:
    FrmBuch& fenster() const { return app().frmBuch(); }
    template <class T> T* feld(const QString& name) const { return element<T>(fenster(), name); }
    QLineEdit* wert(int i) const { return feld<QLineEdit>(QStringLiteral("Text2_%1").arg(i)); }
    QCheckBox* kaestchen(int i) const { return feld<QCheckBox>(QStringLiteral("Chk%1").arg(i + 1)); }
    QComboBox* box(const QString& name) const { return feld<QComboBox>(name); }
    QString inhaltAuto() const { return haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text(); }
    // The window as the main window's button shows it; a shown window stays as it is.
    void druecken(const QString& knopf) const {
        if (!fenster().isVisible()) {
            fenster().show();
        }
        klicken(fenster(), knopf);
    }
    void speichern() const { druecken(QStringLiteral("cmdSpeichKleidBeschr")); }

    // "Übernehmen" frees the save button; the seller then types three values by hand.
    void dreiWerte() const {
        druecken(QStringLiteral("cmdubernehmen"));
        wert(0)->setText(QStringLiteral("Goldmann"));
        wert(1)->setText(QStringLiteral("Mankell"));
        wert(8)->setText(QStringLiteral("Deutsch"));
    }
};

void TestFrmBuch::init() {
    FensterTest::init();
    const auto liste = [this](const char* datei, const char* zeilen) {
        ordner().schreiben(QStringLiteral("vorlagen/") + QLatin1String(datei),
                           w1252(QString::fromUtf8(zeilen)));
    };
    liste("BuchAbmasse.txt", "18 x 11 x 2 cm\r\n");
    liste("BuchArt.txt", "Taschenbuch\r\nGebunden\r\n");
    liste("BuchSprache.txt", "Deutsch\r\nEnglisch\r\n");
    liste("BuchVerlag.txt", "Goldmann\r\nHeyne\r\n");
    liste("BuchAutor.txt", "Mankell\r\nKing\r\n");
    liste("BuchGenre.txt", "Krimi - Thriller\r\n");
    liste("BuchZustand1.txt", "sehr gut\r\n");
    liste("BuchZustand2.txt", "mit Widmung\r\n");
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Mankell: Die Brandmauer"));
}

void TestFrmBuch::laden_startwerte() {
    QCOMPARE(fenster().windowTitle(), QStringLiteral("Buch-Beschreibung"));
    QCOMPARE(feld<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(),
             QStringLiteral("Mankell: Die Brandmauer"));
    QCOMPARE(wert(3)->text(), kAbmasseStandard);
    QCOMPARE(wert(6)->text(), QStringLiteral("??? Gramm"));
    QCOMPARE(feld<QLineEdit>(QStringLiteral("Text1_8"))->text(), QStringLiteral("Sprache:"));
    QCOMPARE(box(QStringLiteral("cboFarbewehlen"))->currentText(), QStringLiteral("Taschenbuch"));
    QCOMPARE(box(QStringLiteral("cboZustandWehlen1"))->currentText(), ZustandPlatzhalter());
    QCOMPARE(box(QStringLiteral("cboZustandWehlen2"))->count(), 3);
    QCOMPARE(fenster().width(), 575);
    QVERIFY(!feld<QPushButton>(QStringLiteral("cmdSpeichKleidBeschr"))->isEnabled());
}

void TestFrmBuch::listen_ausIhrenDateien_data() {
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("angezeigt");
    QTest::addColumn<QString>("erster");
    QTest::newRow("Abmasse") << "cmdAbmasseEinlesen"
                             << "cboAbmasseWehlen"
                             << "Abmasse wählen"
                             << "18 x 11 x 2 cm";
    QTest::newRow("Art") << "cmdArtEinlesen"
                         << "cboFarbewehlen"
                         << "Taschenbuch"
                         << "Taschenbuch";
    QTest::newRow("Verlag") << "cmdVerlagEinlesen"
                            << "cboFirmawehlen"
                            << "Verlag wählen"
                            << "Goldmann";
    QTest::newRow("Sprache") << "cmdSpracheEinlesen"
                             << "cboSprache"
                             << "Sprache wählen"
                             << "Deutsch";
    QTest::newRow("Genre") << "cmdGenreEinlesen"
                           << "cboArtWehlen"
                           << "Genre wählen"
                           << "Krimi - Thriller";
    QTest::newRow("Zustand 1") << "cmdZustandEinlesen1"
                               << "cboZustandWehlen1"
                               << "Zustand-1 wählen"
                               << "sehr gut";
    QTest::newRow("Zustand 2") << "cmdZustandEinlesen2"
                               << "cboZustandWehlen2"
                               << "Zustand-2 wählen"
                               << "mit Widmung";
}

void TestFrmBuch::listen_ausIhrenDateien() {
    QFETCH(QString, knopf);
    QFETCH(QString, box);
    QFETCH(QString, angezeigt);
    QFETCH(QString, erster);
    druecken(knopf);
    QCOMPARE(feld<QComboBox>(box)->itemText(0), erster);
    QCOMPARE(feld<QComboBox>(box)->currentText(), angezeigt);
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmBuch::autorenliste_auchImHauptfenster() {
    druecken(QStringLiteral("cmdAutorEinlesen"));
    QComboBox* imHaupt = haupt<QComboBox>(QStringLiteral("cboBuchAutor"));
    QCOMPARE(box(QStringLiteral("cboBuchAutor"))->count(), 2);
    QCOMPARE(imHaupt->count(), 2);
    QCOMPARE(imHaupt->itemText(1), QStringLiteral("King"));
    QCOMPARE(imHaupt->currentText(), QStringLiteral("Autor wählen"));
}

// The seller's language survives every showing; only a new article starts in German again.
void TestFrmBuch::sprache_nurFuerNeuenArtikelDeutsch() {
    QCOMPARE(box(QStringLiteral("cboSprache"))->currentText(), QStringLiteral("Deutsch"));
    fenster().show();
    druecken(QStringLiteral("cmdSpracheEinlesen"));
    box(QStringLiteral("cboSprache"))->setCurrentText(QStringLiteral("Englisch"));
    druecken(QStringLiteral("cmdubernehmen"));
    fenster().resize(709, fenster().height());
    fenster().hide();
    fenster().show();
    QCOMPARE(box(QStringLiteral("cboSprache"))->currentText(), QStringLiteral("Englisch"));
    druecken(QStringLiteral("cmdubernehmen"));
    QCOMPARE(wert(8)->text(), QStringLiteral("Englisch"));
    QCOMPARE(fenster().width(), 575);
    fenster().close();
    app().frmHaupt().show();
    klicken(app().frmHaupt(), QStringLiteral("cmdNeu"));
    QCOMPARE(box(QStringLiteral("cboSprache"))->currentText(), QStringLiteral("Deutsch"));
    QCOMPARE(wert(8)->text(), QString());
}

void TestFrmBuch::rueckkehrVonMeldung_behaeltSpracheUndBreite() {
    dreiWerte();
    kaestchen(3)->setChecked(true);
    fenster().show();
    druecken(QStringLiteral("cmdSpracheEinlesen"));
    box(QStringLiteral("cboSprache"))->setCurrentText(QStringLiteral("Englisch"));
    QTest::mouseClick(feld<QLabel>(QStringLiteral("Label2")), Qt::LeftButton);
    speichern();
    QCOMPARE(plattform().fenster.size(), 1);
    // Closing the message box gives the window the focus back.
    QEvent aktiviert(QEvent::WindowActivate);
    QApplication::sendEvent(&fenster(), &aktiviert);
    QCOMPARE(box(QStringLiteral("cboSprache"))->currentText(), QStringLiteral("Englisch"));
    QCOMPARE(fenster().width(), 709);
}

void TestFrmBuch::breite_mehrUndSchliessen() {
    fenster().show();
    QTest::mouseClick(feld<QLabel>(QStringLiteral("Label2")), Qt::LeftButton);
    QCOMPARE(fenster().width(), 709);
    QTest::mouseClick(feld<QLabel>(QStringLiteral("Label3")), Qt::LeftButton);
    QCOMPARE(fenster().width(), 575);
}

void TestFrmBuch::schliessen_verstecktUndBehaeltFelder() {
    fenster().show();
    wert(5)->setText(QStringLiteral("320"));
    QVERIFY(!fenster().close());
    QVERIFY(!fenster().isVisible());
    QCOMPARE(&app().frmBuch(), &fenster());
    QCOMPARE(wert(5)->text(), QStringLiteral("320"));
}

void TestFrmBuch::abmasseStandard_angehakt_gemeldet() {
    dreiWerte();
    kaestchen(3)->setChecked(true);
    fenster().show();
    speichern();
    QCOMPARE(plattform().meldungstexte(),
             QStringList{QStringLiteral("Bitte das Feld \"\"Abmasse\"\" korriegieren")});
    QCOMPARE(plattform().fenster.at(0).titel, QStringLiteral("ACHTUNG!"));
    QVERIFY(fenster().isVisible());
    QVERIFY(inhaltAuto().isEmpty());
    QVERIFY(QDir(ordner().daten(QStringLiteral("Artikel-Beschreibung"))).isEmpty());
}

void TestFrmBuch::speichern_schreibtTabelleUndBuchwerte() {
    druecken(QStringLiteral("cmdZustandEinlesen1"));
    druecken(QStringLiteral("cmdZustandEinlesen2"));
    box(QStringLiteral("cboFirmawehlen"))->setCurrentText(QStringLiteral("Goldmann"));
    box(QStringLiteral("cboZustandWehlen1"))->setCurrentText(QStringLiteral("sehr gut"));
    box(QStringLiteral("cboZustandWehlen2"))->setCurrentText(QStringLiteral("mit Widmung"));
    box(QStringLiteral("cboSprache"))->setCurrentText(QStringLiteral("Deutsch"));
    druecken(QStringLiteral("cmdubernehmen"));
    kaestchen(7)->setChecked(true);
    fenster().show();
    speichern();

    QVERIFY(plattform().fenster.isEmpty());
    QVERIFY(!fenster().isVisible());
    QVERIFY(inhaltAuto().startsWith(QStringLiteral("<table width=\"50%\" border=\"0\">\r\n")));
    QVERIFY(inhaltAuto().contains(QStringLiteral("<!---9--->\r\nZustand:")));
    QVERIFY(inhaltAuto().contains(QStringLiteral("sehr gut\r\nmit Widmung</td>")));

    const QString datei = ordner().daten(QStringLiteral("Artikel-Beschreibung/Mankell, Die Brandmauer.ini"));
    QVERIFY(QFileInfo::exists(datei));
    QCOMPARE(app().zustand().beschreibungsDateiPfad, datei);
    const auto teil = [&](int n) {
        return IniLesen(datei, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL%1").arg(n));
    };
    QCOMPARE(teil(1), QStringLiteral("Goldmann"));
    QCOMPARE(teil(3), QStringLiteral("Taschenbuch"));
    QCOMPARE(teil(4), QStringLiteral("?? cm x ?? cm x ? cm"));
    QCOMPARE(teil(8), QStringLiteral("sehr gut mit Widmung"));
    QCOMPARE(teil(9), QStringLiteral("Deutsch"));
    QVERIFY(!ordner()
                 .lesen(QStringLiteral("Artikel-Beschreibung/Mankell, Die Brandmauer.ini"))
                 .contains("\r\nmit Widmung"));
}

void TestFrmBuch::speichern_ersetztTabelle() {
    dreiWerte();
    haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(QStringLiteral("alt"));
    speichern();
    speichern();
    QCOMPARE(inhaltAuto(), QStringLiteral("<table width=\"50%\" border=\"0\">\r\n</table>\r\n"));
}

void TestFrmBuch::pruefungUeberspringen_nurBeimErstenSpeichern() {
    druecken(QStringLiteral("cmdubernehmen"));
    kaestchen(5)->setChecked(true);
    app().zustand().pruefungUeberspringen = true;
    speichern();
    QVERIFY(plattform().fenster.isEmpty());
    QVERIFY(inhaltAuto().contains(QStringLiteral("<!---7--->\r\nAnzahl Seiten:")));
    QVERIFY(!app().zustand().pruefungUeberspringen);

    speichern();
    QCOMPARE(plattform().meldungstexte(),
             QStringList{QStringLiteral("Bitte das Feld \"\"Anzahl Seiten\"\" korriegieren")});
}

void TestFrmBuch::bezeichnungPunkte_keineDatei_fensterBleibtOffen() {
    dreiWerte();
    feld<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral(".."));
    speichern();
    QCOMPARE(plattform().meldungstexte(), QStringList{kBeschreibungsnameUngueltig});
    QVERIFY(!inhaltAuto().contains(QStringLiteral("<table")));
    const QStringList neben = QDir(ordner().daten()).entryList({QStringLiteral("*.ini")}, QDir::Files);
    QCOMPARE(neben, QStringList{QStringLiteral("Einstell.Ini")});
    QVERIFY(QDir(ordner().daten(QStringLiteral("Artikel-Beschreibung"))).isEmpty());
}

void TestFrmBuch::genre_ausTextblock() {
    fenster().GenreAusTextblockSetzen(QStringLiteral("NLP"));
    QCOMPARE(box(QStringLiteral("cboArtWehlen"))->currentText(),
             QStringLiteral("Psychologie / Lebensführung"));
    fenster().GenreAusTextblockSetzen(QStringLiteral("Comic"));
    QCOMPARE(box(QStringLiteral("cboArtWehlen"))->currentText(),
             QStringLiteral("Psychologie / Lebensführung"));
}

// The start reads the lists and tells of a missing one then; the window, made on first use,
// shows what was read and keeps its own text where a list was missing.
void TestFrmBuch::start_liestListen_fensterErstBeiBedarf() {
    ordner().entfernen(QStringLiteral("vorlagen/BuchGenre.txt"));
    QVERIFY(app().starten());
    QCOMPARE(plattform().meldungstexte().filter(QStringLiteral("BuchGenre.txt")).size(), 1);
    QVERIFY(!fensterGemacht(QStringLiteral("frmBuch")));
    QCOMPARE(box(QStringLiteral("cboAbmasseWehlen"))->itemText(0), QStringLiteral("18 x 11 x 2 cm"));
    QCOMPARE(box(QStringLiteral("cboAbmasseWehlen"))->currentText(), QStringLiteral("Abmasse wählen"));
    QCOMPARE(box(QStringLiteral("cboBuchAutor"))->count(), 2);
    QCOMPARE(box(QStringLiteral("cboArtWehlen"))->count(), 0);
    QCOMPARE(box(QStringLiteral("cboArtWehlen"))->currentText(), QStringLiteral("Genre wählen"));
    QCOMPARE(plattform().meldungstexte().size(), 1);
}

// An author handed over by the title area before the window exists is there when it opens.
void TestFrmBuch::autorVorDemFenster_kommtAn() {
    QVERIFY(app().starten());
    auto* bezeichnung = haupt<QLineEdit>(QStringLiteral("txtArtikelBez"));
    bezeichnung->setText(QStringLiteral("King: Es"));
    bezeichnung->setSelection(0, 4);
    klicken(QStringLiteral("cmdAutorinsBuchbeschr"));
    QVERIFY(!fensterGemacht(QStringLiteral("frmBuch")));
    QCOMPARE(box(QStringLiteral("cboBuchAutor"))->currentText(), QStringLiteral("King"));
    QCOMPARE(box(QStringLiteral("cboBuchAutor"))->count(), 2);
}

QTEST_MAIN(TestFrmBuch)
#include "tst_frmbuch.moc"
