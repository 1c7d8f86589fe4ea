#include "config/Ini.h"
#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "title/Beschreibungsname.h"
#include "ui/Anwendung.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
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

struct Umgebung {
    TestOrdner ordner;
    SkriptPlattform plattform;
    Anwendung app{ordner.programmordner(), plattform};

    Umgebung() {
        ordner.schreiben(QStringLiteral("vorlagen/BuchAbmasse.txt"),
                         w1252(QStringLiteral("18 x 11 x 2 cm\r\n")));
        ordner.schreiben(QStringLiteral("vorlagen/BuchArt.txt"),
                         w1252(QStringLiteral("Taschenbuch\r\nGebunden\r\n")));
        ordner.schreiben(QStringLiteral("vorlagen/BuchSprache.txt"),
                         w1252(QStringLiteral("Deutsch\r\nEnglisch\r\n")));
        ordner.schreiben(QStringLiteral("vorlagen/BuchVerlag.txt"),
                         w1252(QStringLiteral("Goldmann\r\nHeyne\r\n")));
        ordner.schreiben(QStringLiteral("vorlagen/BuchAutor.txt"),
                         w1252(QStringLiteral("Mankell\r\nKing\r\n")));
        ordner.schreiben(QStringLiteral("vorlagen/BuchGenre.txt"),
                         w1252(QStringLiteral("Krimi - Thriller\r\n")));
        ordner.schreiben(QStringLiteral("vorlagen/BuchZustand1.txt"), w1252(QStringLiteral("sehr gut\r\n")));
        ordner.schreiben(QStringLiteral("vorlagen/BuchZustand2.txt"),
                         w1252(QStringLiteral("mit Widmung\r\n")));
        haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Mankell: Die Brandmauer"));
    }
    template <class T> T* haupt(const QString& name) { return element<T>(&app.frmHaupt(), name); }
    FrmBuch& fenster() { return app.frmBuch(); }
    template <class T> T* feld(const QString& name) { return fenster().findChild<T*>(name); }
    QLineEdit* wert(int i) { return feld<QLineEdit>(QStringLiteral("Text2_%1").arg(i)); }
    QCheckBox* kaestchen(int i) { return feld<QCheckBox>(QStringLiteral("Chk%1").arg(i + 1)); }
    QComboBox* box(const QString& name) { return feld<QComboBox>(name); }
    QString inhaltAuto() { return haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text(); }

    void dreiWerte() {
        wert(0)->setText(QStringLiteral("Goldmann"));
        wert(1)->setText(QStringLiteral("Mankell"));
        wert(8)->setText(QStringLiteral("Deutsch"));
    }
};

} // namespace

class TestFrmBuch : public QObject {
    Q_OBJECT
private slots:
    void laden_startwerte();
    void listen_ausIhrenDateien_data();
    void listen_ausIhrenDateien();
    void autorenliste_auchImHauptfenster();
    void zeigen_setztSpracheZurueck();
    void rueckkehrVonMeldung_behaeltSpracheUndBreite();
    void breite_mehrUndSchliessen();
    void schliessen_verstecktUndBehaeltFelder();
    void abmasseStandard_angehakt_gemeldet();
    void speichern_schreibtTabelleUndBuchwerte();
    void speichern_ersetztTabelle();
    void pruefungUeberspringen_nurBeimErstenSpeichern();
    void bezeichnungPunkte_keineDatei_fensterBleibtOffen();
    void genre_ausTextblock();
};

void TestFrmBuch::laden_startwerte() {
    Umgebung u;
    QCOMPARE(u.fenster().windowTitle(), QStringLiteral("Buch-Beschreibung"));
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(),
             QStringLiteral("Mankell: Die Brandmauer"));
    QCOMPARE(u.wert(3)->text(), kAbmasseStandard);
    QCOMPARE(u.wert(6)->text(), QStringLiteral("??? Gramm"));
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("Text1_8"))->text(), QStringLiteral("Sprache:"));
    QCOMPARE(u.box(QStringLiteral("cboFarbewehlen"))->currentText(), QStringLiteral("Taschenbuch"));
    QCOMPARE(u.box(QStringLiteral("cboZustandWehlen1"))->currentText(), ZustandPlatzhalter());
    QCOMPARE(u.box(QStringLiteral("cboZustandWehlen2"))->count(), 3);
    QCOMPARE(u.fenster().width(), 575);
    QVERIFY(!u.feld<QPushButton>(QStringLiteral("cmdSpeichKleidBeschr"))->isEnabled());
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
    Umgebung u;
    u.feld<QPushButton>(knopf)->click();
    QCOMPARE(u.box(box)->itemText(0), erster);
    QCOMPARE(u.box(box)->currentText(), angezeigt);
    QVERIFY(u.plattform.fenster.isEmpty());
}

void TestFrmBuch::autorenliste_auchImHauptfenster() {
    Umgebung u;
    u.fenster().cmdAutorEinlesen_Click();
    QComboBox* haupt = u.haupt<QComboBox>(QStringLiteral("cboBuchAutor"));
    QCOMPARE(u.box(QStringLiteral("cboBuchAutor"))->count(), 2);
    QCOMPARE(haupt->count(), 2);
    QCOMPARE(haupt->itemText(1), QStringLiteral("King"));
    QCOMPARE(haupt->currentText(), QStringLiteral("Autor wählen"));
}

void TestFrmBuch::zeigen_setztSpracheZurueck() {
    Umgebung u;
    u.fenster().show();
    u.fenster().cmdSpracheEinlesen_Click();
    u.box(QStringLiteral("cboSprache"))->setCurrentText(QStringLiteral("Englisch"));
    u.fenster().cmdubernehmen_Click();
    u.fenster().resize(709, u.fenster().height());
    u.fenster().hide();
    u.fenster().show();
    QCOMPARE(u.box(QStringLiteral("cboSprache"))->currentText(), QStringLiteral("Deutsch"));
    QCOMPARE(u.wert(8)->text(), QStringLiteral("Englisch"));
    QCOMPARE(u.fenster().width(), 575);
}

void TestFrmBuch::rueckkehrVonMeldung_behaeltSpracheUndBreite() {
    Umgebung u;
    u.dreiWerte();
    u.kaestchen(3)->setChecked(true);
    u.fenster().show();
    u.fenster().cmdSpracheEinlesen_Click();
    u.box(QStringLiteral("cboSprache"))->setCurrentText(QStringLiteral("Englisch"));
    QTest::mouseClick(u.feld<QLabel>(QStringLiteral("Label2")), Qt::LeftButton);
    u.fenster().cmdSpeichKleidBeschr_Click();
    QCOMPARE(u.plattform.fenster.size(), 1);
    // Closing the message box gives the window the focus back.
    QEvent aktiviert(QEvent::WindowActivate);
    QApplication::sendEvent(&u.fenster(), &aktiviert);
    QCOMPARE(u.box(QStringLiteral("cboSprache"))->currentText(), QStringLiteral("Englisch"));
    QCOMPARE(u.fenster().width(), 709);
}

void TestFrmBuch::breite_mehrUndSchliessen() {
    Umgebung u;
    u.fenster().show();
    QTest::mouseClick(u.feld<QLabel>(QStringLiteral("Label2")), Qt::LeftButton);
    QCOMPARE(u.fenster().width(), 709);
    QTest::mouseClick(u.feld<QLabel>(QStringLiteral("Label3")), Qt::LeftButton);
    QCOMPARE(u.fenster().width(), 575);
}

void TestFrmBuch::schliessen_verstecktUndBehaeltFelder() {
    Umgebung u;
    u.fenster().show();
    u.wert(5)->setText(QStringLiteral("320"));
    QVERIFY(!u.fenster().close());
    QVERIFY(!u.fenster().isVisible());
    QCOMPARE(&u.app.frmBuch(), &u.fenster());
    QCOMPARE(u.wert(5)->text(), QStringLiteral("320"));
}

void TestFrmBuch::abmasseStandard_angehakt_gemeldet() {
    Umgebung u;
    u.dreiWerte();
    u.kaestchen(3)->setChecked(true);
    u.fenster().show();
    u.fenster().cmdSpeichKleidBeschr_Click();
    QCOMPARE(u.plattform.meldungstexte(),
             QStringList{QStringLiteral("Bitte das Feld \"\"Abmasse\"\" korriegieren")});
    QCOMPARE(u.plattform.fenster.at(0).titel, QStringLiteral("ACHTUNG!"));
    QVERIFY(u.fenster().isVisible());
    QVERIFY(u.inhaltAuto().isEmpty());
    QVERIFY(QDir(u.ordner.daten(QStringLiteral("Artikel-Beschreibung"))).isEmpty());
}

void TestFrmBuch::speichern_schreibtTabelleUndBuchwerte() {
    Umgebung u;
    u.fenster().cmdZustandEinlesen1_Click();
    u.fenster().cmdZustandEinlesen2_Click();
    u.box(QStringLiteral("cboFirmawehlen"))->setCurrentText(QStringLiteral("Goldmann"));
    u.box(QStringLiteral("cboZustandWehlen1"))->setCurrentText(QStringLiteral("sehr gut"));
    u.box(QStringLiteral("cboZustandWehlen2"))->setCurrentText(QStringLiteral("mit Widmung"));
    u.box(QStringLiteral("cboSprache"))->setCurrentText(QStringLiteral("Deutsch"));
    u.fenster().cmdubernehmen_Click();
    u.kaestchen(7)->setChecked(true);
    u.fenster().show();
    u.fenster().cmdSpeichKleidBeschr_Click();

    QVERIFY(u.plattform.fenster.isEmpty());
    QVERIFY(!u.fenster().isVisible());
    QVERIFY(u.inhaltAuto().startsWith(QStringLiteral("<table width=\"50%\" border=\"0\">\r\n")));
    QVERIFY(u.inhaltAuto().contains(QStringLiteral("<!---9--->\r\nZustand:")));
    QVERIFY(u.inhaltAuto().contains(QStringLiteral("sehr gut\r\nmit Widmung</td>")));

    const QString datei = u.ordner.daten(QStringLiteral("Artikel-Beschreibung/Mankell, Die Brandmauer.ini"));
    QVERIFY(QFileInfo::exists(datei));
    QCOMPARE(u.app.zustand().beschreibungsDateiPfad, datei);
    const auto teil = [&](int n) {
        return IniLesen(datei, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL%1").arg(n));
    };
    QCOMPARE(teil(1), QStringLiteral("Goldmann"));
    QCOMPARE(teil(3), QStringLiteral("Taschenbuch"));
    QCOMPARE(teil(4), QStringLiteral("?? cm x ?? cm x ? cm"));
    QCOMPARE(teil(8), QStringLiteral("sehr gut mit Widmung"));
    QCOMPARE(teil(9), QStringLiteral("Deutsch"));
    QVERIFY(!u.ordner.lesen(QStringLiteral("Artikel-Beschreibung/Mankell, Die Brandmauer.ini"))
                 .contains("\r\nmit Widmung"));
}

void TestFrmBuch::speichern_ersetztTabelle() {
    Umgebung u;
    u.dreiWerte();
    u.haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(QStringLiteral("alt"));
    u.fenster().cmdSpeichKleidBeschr_Click();
    u.fenster().cmdSpeichKleidBeschr_Click();
    QCOMPARE(u.inhaltAuto(), QStringLiteral("<table width=\"50%\" border=\"0\">\r\n</table>\r\n"));
}

void TestFrmBuch::pruefungUeberspringen_nurBeimErstenSpeichern() {
    Umgebung u;
    u.kaestchen(5)->setChecked(true);
    u.app.zustand().pruefungUeberspringen = true;
    u.fenster().cmdSpeichKleidBeschr_Click();
    QVERIFY(u.plattform.fenster.isEmpty());
    QVERIFY(u.inhaltAuto().contains(QStringLiteral("<!---7--->\r\nAnzahl Seiten:")));
    QVERIFY(!u.app.zustand().pruefungUeberspringen);

    u.fenster().cmdSpeichKleidBeschr_Click();
    QCOMPARE(u.plattform.meldungstexte(),
             QStringList{QStringLiteral("Bitte das Feld \"\"Anzahl Seiten\"\" korriegieren")});
}

void TestFrmBuch::bezeichnungPunkte_keineDatei_fensterBleibtOffen() {
    Umgebung u;
    u.dreiWerte();
    u.feld<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral(".."));
    u.fenster().cmdSpeichKleidBeschr_Click();
    QCOMPARE(u.plattform.meldungstexte(), QStringList{kBeschreibungsnameUngueltig});
    QVERIFY(!u.inhaltAuto().contains(QStringLiteral("<table")));
    const QStringList neben = QDir(u.ordner.daten()).entryList({QStringLiteral("*.ini")}, QDir::Files);
    QCOMPARE(neben, QStringList{QStringLiteral("Einstell.Ini")});
    QVERIFY(QDir(u.ordner.daten(QStringLiteral("Artikel-Beschreibung"))).isEmpty());
}

void TestFrmBuch::genre_ausTextblock() {
    Umgebung u;
    u.fenster().GenreAusTextblockSetzen(QStringLiteral("NLP"));
    QCOMPARE(u.box(QStringLiteral("cboArtWehlen"))->currentText(),
             QStringLiteral("Psychologie / Lebensführung"));
    u.fenster().GenreAusTextblockSetzen(QStringLiteral("Comic"));
    QCOMPARE(u.box(QStringLiteral("cboArtWehlen"))->currentText(),
             QStringLiteral("Psychologie / Lebensführung"));
}

QTEST_MAIN(TestFrmBuch)
#include "tst_frmbuch.moc"
