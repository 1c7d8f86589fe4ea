#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/RichTextFeld.h"
#include "ui/TitelBedienung.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// A started program whose photo folder is a folder of the test.
struct Programm {
    Programm() {
        app->starten();
        fotoordner = ordner.daten(QStringLiteral("fotos/"));
        ordner.schreiben(QStringLiteral("fotos/leer.txt"), {});
        app->frmEinstell()
            .findChild<QLineEdit*>(QStringLiteral("txtPfadZuMeinenArtikel"))
            ->setText(fotoordner);
        p.vergessen();
    }
    TestOrdner ordner;
    SkriptPlattform p;
    std::unique_ptr<Anwendung> app = std::make_unique<Anwendung>(ordner.programmordner(), p);
    QString fotoordner;

    template <class T> T* el(const char* name) { return app->frmHaupt().findChild<T*>(QLatin1String(name)); }
    template <class T> T* buch(const char* name) { return app->frmBuch().findChild<T*>(QLatin1String(name)); }
    QString bez() { return el<QLineEdit>("txtArtikelBez")->text(); }
};

QStringList eintraege(const QComboBox* box) {
    QStringList liste;
    for (int i = 0; i < box->count(); ++i) {
        liste.append(box->itemText(i));
    }
    return liste;
}

} // namespace

class TestTitelBedienung : public QObject {
    Q_OBJECT
private slots:
    void bezeichnung81Zeichen_gesetzt_wirdAuf80Gekappt();
    void bezeichnung80Zeichen_einGetippt_bleibt80();
    void bildsucheZeile1_ParisV_automatisch_bezeichnungParis();
    void bildsucheZeile1_ohneAutomatisch_bezeichnungBleibt();
    void kategorie_setztListenUndKnoepfe_data();
    void kategorie_setztListenUndKnoepfe();
    void kategorie_letztesBildWirdFotoordner();
    void kategorie_beschreibungNurNachFrageGeleert_data();
    void kategorie_beschreibungNurNachFrageGeleert();
    void kategorie_leereBeschreibung_ohneFrage();
    void fett_markiertDieGewaehlteStelle_data();
    void fett_markiertDieGewaehlteStelle();
    void bildnameVorne_ueber80Zeichen_meldetUndLaesstStehen();
    void kleidung_fehlendeVorlage_waehlenLassen_data();
    void kleidung_fehlendeVorlage_waehlenLassen();
    void gebotszeile_buchVorgaben_zeileUndBuchart();
    void gebotszeile_gebundeneAusgabe_buchartImBuchfenster();
    void autorZufuegen_setztAutorImBuchfenster();
    void buchBeschreibung_uebernimmtBezeichnungUndZeigtFenster();
    void kleidungBeschreibung_leertAutomatischeBeschreibungUndZeigtFenster();
};

void TestTitelBedienung::bezeichnung81Zeichen_gesetzt_wirdAuf80Gekappt() {
    Programm prog;
    prog.el<QLineEdit>("txtArtikelBez")->setText(QString(81, QLatin1Char('a')));
    QCOMPARE(prog.bez(), QString(80, QLatin1Char('a')));
    QCOMPARE(prog.el<QLabel>("lblAnzahl")->text(), QStringLiteral("(-80 )"));
    QCOMPARE(prog.el<QLabel>("lblAnzahlNoch")->text(), QStringLiteral("(+0 )"));
}

void TestTitelBedienung::bezeichnung80Zeichen_einGetippt_bleibt80() {
    Programm prog;
    QLineEdit* feld = prog.el<QLineEdit>("txtArtikelBez");
    feld->setText(QString(79, QLatin1Char('b')));
    QCOMPARE(prog.el<QLabel>("lblAnzahlNoch")->text(), QStringLiteral("(+1 )"));
    QTest::keyClicks(feld, QStringLiteral("xy"));
    QCOMPARE(feld->text().size(), 80);
    QCOMPARE(prog.el<QLabel>("lblAnzahl")->text(), QStringLiteral("(-80 )"));
    QCOMPARE(prog.el<QLabel>("lblAnzahlNoch")->text(), QStringLiteral("(+0 )"));
}

void TestTitelBedienung::bildsucheZeile1_ParisV_automatisch_bezeichnungParis() {
    Programm prog;
    const QString pfad = prog.fotoordner + QStringLiteral("Paris-V.jpg");
    QImage(40, 30, QImage::Format_RGB32).save(pfad, "JPG");
    prog.el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("alt"));
    prog.el<QLineEdit>("txtTitel")->setText(QStringLiteral("Titel"));
    prog.el<QCheckBox>("chkArtBezAutom")->setChecked(true);
    prog.p.dateien.enqueue(pfad);
    prog.el<QPushButton>("cmdSuchenBildOben1")->click();
    QCOMPARE(prog.bez(), QStringLiteral("Paris"));
    QCOMPARE(prog.el<QLineEdit>("txtTitel")->text(), QString());
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestTitelBedienung::bildsucheZeile1_ohneAutomatisch_bezeichnungBleibt() {
    Programm prog;
    const QString pfad = prog.fotoordner + QStringLiteral("Paris-V.jpg");
    QImage(40, 30, QImage::Format_RGB32).save(pfad, "JPG");
    prog.el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("alt"));
    prog.el<QCheckBox>("chkArtBezAutom")->setChecked(false);
    prog.p.dateien.enqueue(pfad);
    prog.el<QPushButton>("cmdSuchenBildOben1")->click();
    QCOMPARE(prog.bez(), QStringLiteral("alt"));
}

void TestTitelBedienung::kategorie_setztListenUndKnoepfe_data() {
    QTest::addColumn<QString>("menue");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("anzeige");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<bool>("autorSichtbar");
    QTest::newRow("Buch") << "mnuVorlBuch"
                          << "Buch"
                          << "Buch"
                          << QStringList{"Buch",         "Buch der Serie:",           "Bücher",
                                         "Heft",         "Heft der Serie:",           "Fußballmagazin",
                                         "Reisemagazin", "Exemplar der Zeitschrift: "}
                          << " "
                          << "cmdBuchBeschr" << true;
    QTest::newRow("CD") << "mnuVorlCD_MC"
                        << "CD_MC"
                        << "CD / MC / DVD"
                        << QStringList{"MC-Kassette", "MC-Kassetten", "Doppel-CD", "Audio-CD",
                                       "mp3-CD",      "Audio-CD's",   "mp3-CD's",  "Video-Kassette",
                                       "DVD",         "CD-Set",       "CD-ROM",    "DVD-Set"}
                        << " "
                        << "cmdSongs" << false;
    QTest::newRow("Kleidung") << "mnuVorlKleid"
                              << "Kleidung"
                              << "Kleidung"
                              << QStringList{"Baby", "Kinder", "Mädchen", "Jungen", "Damen", "Männer"}
                              << "-Hose"
                              << "cmdKleidungBeschreibung" << false;
}

void TestTitelBedienung::kategorie_setztListenUndKnoepfe() {
    QFETCH(QString, menue);
    QFETCH(QString, art);
    QFETCH(QString, anzeige);
    QFETCH(QStringList, liste);
    QFETCH(QString, text3);
    QFETCH(QString, knopf);
    QFETCH(bool, autorSichtbar);
    Programm prog;
    prog.app->frmHaupt().findChild<QAction*>(menue)->trigger();
    QCOMPARE(prog.app->zustand().artikelArt, art);
    QCOMPARE(prog.el<QLabel>("lblArtikelArt")->text(), anzeige);
    QCOMPARE(eintraege(prog.el<QComboBox>("cboAufWasBiten")), liste);
    QCOMPARE(prog.el<QComboBox>("cboAufWasBiten3")->currentText(), text3);
    QCOMPARE(prog.el<QComboBox>("cboGutErhalten")->currentText(),
             QStringLiteral("gebrauchtes und gut erhalten"));
    const QStringList knoepfe{"cmdBuchBeschr", "cmdSongs", "cmdKleidungBeschreibung"};
    for (const QString& name : knoepfe) {
        QCOMPARE(!prog.app->frmHaupt().findChild<QWidget*>(name)->isHidden(), name == knopf);
    }
    for (const char* name : {"cmdVerlaginsBuchbeschr", "cmdAutorinsBuchbeschr", "cboBuchAutor"}) {
        QCOMPARE(!prog.el<QWidget>(name)->isHidden(), autorSichtbar);
    }
    QCOMPARE(prog.el<QLineEdit>("txtAufWasBiten")->text(), QString());
}

void TestTitelBedienung::kategorie_letztesBildWirdFotoordner() {
    Programm prog;
    for (const char* menue : {"mnuVorlBuch", "mnuVorlCD_MC", "mnuVorlKleid"}) {
        prog.app->zustand().letzteBilddatei = QStringLiteral("/anderswo/bild.jpg");
        prog.el<QAction>(menue)->trigger();
        QCOMPARE(prog.app->zustand().letzteBilddatei, prog.fotoordner);
    }
}

void TestTitelBedienung::kategorie_beschreibungNurNachFrageGeleert_data() {
    QTest::addColumn<QString>("menue");
    QTest::addColumn<Plattform::Antwort>("antwort");
    QTest::addColumn<bool>("geleert");
    QTest::newRow("Buch, Ja") << "mnuVorlBuch" << Plattform::Antwort::Ja << true;
    QTest::newRow("CD, Ja") << "mnuVorlCD_MC" << Plattform::Antwort::Ja << true;
    QTest::newRow("CD, Nein") << "mnuVorlCD_MC" << Plattform::Antwort::Nein << false;
    QTest::newRow("Kleidung, Nein") << "mnuVorlKleid" << Plattform::Antwort::Nein << false;
}

void TestTitelBedienung::kategorie_beschreibungNurNachFrageGeleert() {
    QFETCH(QString, menue);
    QFETCH(Plattform::Antwort, antwort);
    QFETCH(bool, geleert);
    Programm prog;
    const QString eigene = QStringLiteral("Mein Text\r\nzweite Zeile");
    prog.el<RichTextFeld>("rtfInhalt")->setText(eigene);
    prog.p.antworten.enqueue(antwort);
    prog.app->frmHaupt().findChild<QAction*>(menue)->trigger();
    QCOMPARE(prog.p.fenster.size(), 1);
    QCOMPARE(prog.p.fenster[0].text,
             QStringLiteral("Die Beschreibung wird beim Wechsel der Artikelart geleert. Fortfahren?"));
    QCOMPARE(prog.p.fenster[0].knoepfe, Plattform::Knoepfe::JaNein);
    QCOMPARE(prog.el<RichTextFeld>("rtfInhalt")->text() == eigene, !geleert);
    if (geleert) {
        QCOMPARE(prog.el<RichTextFeld>("rtfInhalt")->text(), QString());
    }
    QVERIFY(prog.p.unerwartet.isEmpty());
}

void TestTitelBedienung::kategorie_leereBeschreibung_ohneFrage() {
    Programm prog;
    prog.el<RichTextFeld>("rtfInhalt")->setText(QString());
    prog.el<QAction>("mnuVorlCD_MC")->trigger();
    QVERIFY(prog.p.fenster.isEmpty());
    QCOMPARE(prog.el<QLabel>("lblArtikelArt")->text(), QStringLiteral("CD / MC / DVD"));
}

void TestTitelBedienung::fett_markiertDieGewaehlteStelle_data() {
    QTest::addColumn<QString>("knopf");
    QTest::newRow("Untertitel") << "cmdUntertitelFett";
    QTest::newRow("Sie bieten auf") << "cmdWasBitenFett";
    QTest::newRow("Beschreibung") << "cmdBeschreibungFett";
}

void TestTitelBedienung::fett_markiertDieGewaehlteStelle() {
    QFETCH(QString, knopf);
    Programm prog;
    QString ergebnis;
    // The selection is the second of two equal words.
    if (knopf == QLatin1String("cmdBeschreibungFett")) {
        auto* feld = prog.el<RichTextFeld>("rtfInhalt");
        feld->setText(QStringLiteral("Buch\r\nund Buch"));
        feld->setSelStart(10);
        feld->setSelLength(4);
        prog.app->frmHaupt().findChild<QPushButton*>(knopf)->click();
        ergebnis = feld->text().replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    } else {
        auto* feld = prog.el<QLineEdit>(knopf == QLatin1String("cmdUntertitelFett") ? "txtUntertittel"
                                                                                    : "txtAufWasBiten");
        feld->setText(QStringLiteral("Buch und Buch"));
        feld->setSelection(9, 4);
        prog.app->frmHaupt().findChild<QPushButton*>(knopf)->click();
        ergebnis = feld->text();
    }
    QCOMPARE(ergebnis, QStringLiteral("Buch und <b>Buch</b>"));
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestTitelBedienung::bildnameVorne_ueber80Zeichen_meldetUndLaesstStehen() {
    Programm prog;
    const QString eigene = QString(50, QLatin1Char('w'));
    prog.el<QLineEdit>("txtArtikelBez")->setText(eigene);
    prog.el<QLineEdit>("txtEbayBildPfad")->setText(QString(31, QLatin1Char('n')) + QStringLiteral("-V.jpg"));
    prog.el<QPushButton>("cmdArtBezBilden")->click();
    QCOMPARE(prog.bez(), eigene);
    QCOMPARE(prog.p.meldungstexte(), QStringList{QStringLiteral("Einfügen ist nicht möglich weil \r\n"
                                                                "die Artikelbezeichnung dann länger als 80 "
                                                                "Zeichen wäre!")});
}

void TestTitelBedienung::kleidung_fehlendeVorlage_waehlenLassen_data() {
    QTest::addColumn<bool>("gewaehlt");
    QTest::newRow("andere Datei gewählt") << true;
    QTest::newRow("abgebrochen") << false;
}

void TestTitelBedienung::kleidung_fehlendeVorlage_waehlenLassen() {
    QFETCH(bool, gewaehlt);
    Programm prog;
    prog.ordner.entfernen(QStringLiteral("vorlagen/Vorlagetext-kleidung.txt"));
    prog.ordner.schreiben(QStringLiteral("anders.txt"), w1252(QStringLiteral("Kleid aus Leinen\r\n")));
    prog.p.dateien.enqueue(gewaehlt ? prog.ordner.daten(QStringLiteral("anders.txt")) : QString());
    prog.el<QAction>("mnuVorlKleid")->trigger();
    QCOMPARE(prog.p.aufrufe.size(), gewaehlt ? 1 : 2);
    QCOMPARE(prog.p.aufrufe[0].art, QStringLiteral("dateiWaehlen"));
    QCOMPARE(prog.p.aufrufe[0].argumente.at(0), QStringLiteral("Vorlagetext-kleidung.txt"));
    QCOMPARE(QDir(prog.p.aufrufe[0].argumente.at(1)), QDir(prog.ordner.daten(QStringLiteral("vorlagen"))));
    if (gewaehlt) {
        QVERIFY(prog.p.fenster.isEmpty());
        QCOMPARE(prog.el<RichTextFeld>("rtfInhalt")->text(), QStringLiteral("Kleid aus Leinen\r\n"));
    } else {
        QCOMPARE(prog.p.fenster.size(), 1);
        QVERIFY(prog.p.fenster[0].text.contains(QStringLiteral("Datei kann nicht eigelesen werden")));
        QVERIFY(prog.p.fenster[0].text.contains(QStringLiteral("Vorlagetext-kleidung.txt")));
    }
}

void TestTitelBedienung::gebotszeile_buchVorgaben_zeileUndBuchart() {
    Programm prog;
    prog.el<QAction>("mnuVorlBuch")->trigger();
    prog.buch<QComboBox>("cboFarbewehlen")->setCurrentText(QStringLiteral("etwas"));
    prog.el<QPushButton>("cmdAufWasUbername")->click();
    QCOMPARE(prog.el<QLineEdit>("txtAufWasBiten")->text(),
             QStringLiteral("ein gebrauchtes und gut erhaltenes Buch  "));
    QCOMPARE(prog.buch<QComboBox>("cboFarbewehlen")->currentText(), QStringLiteral("Taschenbuch"));
}

void TestTitelBedienung::gebotszeile_gebundeneAusgabe_buchartImBuchfenster() {
    Programm prog;
    prog.el<QAction>("mnuVorlBuch")->trigger();
    prog.el<QComboBox>("cboAufWasBiten3")->setCurrentText(QStringLiteral("<b>-gebundene Ausgabe</b>"));
    prog.el<QPushButton>("cmdAufWasUbername")->click();
    QCOMPARE(prog.el<QLineEdit>("txtAufWasBiten")->text(),
             QStringLiteral("ein gebrauchtes und gut erhaltenes Buch <b>-gebundene Ausgabe</b>"));
    QCOMPARE(prog.buch<QComboBox>("cboFarbewehlen")->currentText(), QStringLiteral("gebundene Ausgabe"));
}

void TestTitelBedienung::autorZufuegen_setztAutorImBuchfenster() {
    Programm prog;
    prog.el<QComboBox>("cboBuchAutor")->setCurrentText(QStringLiteral("Goethe"));
    prog.el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("Faust"));
    prog.el<QPushButton>("cmdZusZufugen")->click();
    QCOMPARE(prog.bez(), QStringLiteral("Goethe Faust"));
    QCOMPARE(prog.buch<QComboBox>("cboBuchAutor")->currentText(), QStringLiteral("Goethe"));
    QCOMPARE(prog.el<QComboBox>("cboBuchAutor")->currentText(), QStringLiteral("Autor wählen"));
}

void TestTitelBedienung::buchBeschreibung_uebernimmtBezeichnungUndZeigtFenster() {
    Programm prog;
    prog.el<QAction>("mnuVorlBuch")->trigger();
    prog.el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("Der Fall"));
    prog.el<QPushButton>("cmdBuchBeschr")->click();
    QCOMPARE(prog.buch<QLineEdit>("txtArtikelBez")->text(), QStringLiteral("Der Fall"));
    QVERIFY(prog.app->frmBuch().isVisible());
    QCOMPARE(prog.app->frmBuch().windowModality(), Qt::NonModal);
}

void TestTitelBedienung::kleidungBeschreibung_leertAutomatischeBeschreibungUndZeigtFenster() {
    Programm prog;
    prog.el<QAction>("mnuVorlKleid")->trigger();
    prog.el<RichTextFeld>("rtfInhaltAuto")->setText(QStringLiteral("<table>alt</table>"));
    prog.el<QPushButton>("cmdKleidungBeschreibung")->click();
    QCOMPARE(prog.el<RichTextFeld>("rtfInhaltAuto")->text(), QString());
    QVERIFY(prog.app->frmKleidung().isVisible());
    QCOMPARE(prog.app->frmKleidung().windowModality(), Qt::NonModal);
}

QTEST_MAIN(TestTitelBedienung)
#include "tst_titelbedienung.moc"
