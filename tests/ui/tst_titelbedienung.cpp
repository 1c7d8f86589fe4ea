#include "support/FensterTest.h"
#include "title/Titel.h"
#include "ui/Feldtext.h"
#include "ui/RichTextFeld.h"
#include "ui/TitelBedienung.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

// A started program whose photo folder is a folder of the test.
class TestTitelBedienung : public FensterTest {
    Q_OBJECT
public:
    TestTitelBedienung() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void init();
    void bezeichnung81Zeichen_gesetzt_wirdAuf80Gekappt();
    void bezeichnung_eingabeUeber80_wirdAbgelehnt_data();
    void bezeichnung_eingabeUeber80_wirdAbgelehnt();
    void zufuegenUeber80_meldetUndLaesstStehen();
    void bildsucheZeile1_ParisV_automatisch_bezeichnungParis();
    void bildsucheZeile1_ohneAutomatisch_bezeichnungBleibt();
    void kategorie_setztListenUndKnoepfe_data();
    void kategorie_setztListenUndKnoepfe();
    void kategorie_letztesBildWirdFotoordner();
    void kategorie_beschreibungNurNachFrageGeleert_data();
    void kategorie_beschreibungNurNachFrageGeleert();
    void kategorie_leereBeschreibung_ohneFrage();
    void auswahlknopf_mitDerMaus_nimmtMarkierung_data();
    void auswahlknopf_mitDerMaus_nimmtMarkierung();
    void titel_mitTabUndLeertaste_nimmtMarkierung();
    void bildnameVorne_ueber80Zeichen_meldetUndLaesstStehen();
    void bildnameVorne_einLeerzeichenVorDenEigenenWorten();
    void kleidung_fehlendeVorlage_waehlenLassen_data();
    void kleidung_fehlendeVorlage_waehlenLassen();
    void gebotszeile_buchVorgaben_zeileUndBuchart();
    void gebotszeile_gebundeneAusgabe_buchartImBuchfenster();
    void autorZufuegen_setztAutorImBuchfenster();
    void buchBeschreibung_uebernimmtBezeichnungUndZeigtFenster();
    void kleidungBeschreibung_behaeltTabelleUndZeigtFenster();

private:
    template <class T> T* el(const char* name) const { return haupt<T>(QLatin1String(name)); }
    template <class T> T* buch(const char* name) const {
        return element<T>(app().frmBuch(), QLatin1String(name));
    }
    QString bez() const { return el<QLineEdit>("txtArtikelBez")->text(); }
    // Clicks into the main window's field and selects with the keyboard, counting from 0.
    void markieren(const QString& feld, int start, int laenge) const;

    QString m_fotoordner;
};

void TestTitelBedienung::init() {
    FensterTest::init();
    m_fotoordner = ordner().daten(QStringLiteral("fotos/"));
    ordner().schreiben(QStringLiteral("fotos/leer.txt"), {});
    element<QLineEdit>(app().frmEinstell(), QStringLiteral("txtPfadZuMeinenArtikel"))->setText(m_fotoordner);
    plattform().vergessen();
}

void TestTitelBedienung::bezeichnung81Zeichen_gesetzt_wirdAuf80Gekappt() {
    el<QLineEdit>("txtArtikelBez")->setText(QString(81, QLatin1Char('a')));
    QCOMPARE(bez(), QString(80, QLatin1Char('a')));
    QCOMPARE(el<QLabel>("lblAnzahl")->text(), QStringLiteral("(-80 )"));
    QCOMPARE(el<QLabel>("lblAnzahlNoch")->text(), QStringLiteral("(+0 )"));
}

void TestTitelBedienung::markieren(const QString& feld, int start, int laenge) const {
    if (el<QTabWidget>("SSTab1")->isAncestorOf(haupt<QWidget>(feld))) {
        seiteMit(feld);
    }
    hineinklicken(app().frmHaupt(), feld);
    // To the start of the text: a line edit knows no document start.
    taste(Qt::Key_Home,
          qobject_cast<QLineEdit*>(QApplication::focusWidget()) ? Qt::NoModifier : Qt::ControlModifier);
    for (int i = 0; i < start + laenge; ++i) {
        taste(Qt::Key_Right, i < start ? Qt::NoModifier : Qt::ShiftModifier);
    }
}

void TestTitelBedienung::bezeichnung_eingabeUeber80_wirdAbgelehnt_data() {
    QTest::addColumn<QString>("vorher");
    // Where the caret goes before the input, and how many characters from there are selected.
    QTest::addColumn<int>("stelle");
    QTest::addColumn<int>("markiert");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("eingefuegt");
    QTest::addColumn<QString>("nachher");
    QTest::addColumn<bool>("gemeldet");
    const QString voll = QStringLiteral("Anna Beispiel ") + QString(66, QLatin1Char('x'));
    const QString fast = QString(79, QLatin1Char('b'));
    QTest::newRow("NEU vor voller Bezeichnung") << voll << 0 << 0 << "NEU "
                                                << "" << voll << true;
    QTest::newRow("bis 80 getippt, dann abgelehnt") << fast << 79 << 0 << "xy"
                                                    << "" << fast + u'x' << true;
    QTest::newRow("eingefügt über 80") << QString(75, QLatin1Char('c')) << 75 << 0 << ""
                                       << "0123456789" << QString(75, QLatin1Char('c')) << true;
    QTest::newRow("Markierung ersetzt") << voll << 0 << 4 << "NEU "
                                        << "" << QStringLiteral("NEU ") + voll.mid(4) << false;
}

// The seller's text is never cut: an input beyond the limit is refused whole.
void TestTitelBedienung::bezeichnung_eingabeUeber80_wirdAbgelehnt() {
    QFETCH(QString, vorher);
    QFETCH(int, stelle);
    QFETCH(int, markiert);
    QFETCH(QString, getippt);
    QFETCH(QString, eingefuegt);
    QFETCH(QString, nachher);
    QFETCH(bool, gemeldet);
    el<QLineEdit>("txtArtikelBez")->setText(vorher);
    markieren(QStringLiteral("txtArtikelBez"), stelle, markiert);
    tippen(getippt);
    if (!eingefuegt.isEmpty()) {
        QGuiApplication::clipboard()->setText(eingefuegt);
        taste(Qt::Key_V, Qt::ControlModifier);
    }
    QCoreApplication::processEvents();
    QCOMPARE(bez(), nachher);
    QCOMPARE(el<QLabel>("lblAnzahl")->text(), QStringLiteral("(-%1 )").arg(nachher.size()));
    QCOMPARE(plattform().meldungstexte(), gemeldet ? QStringList{kBezeichnungUeberMax} : QStringList());
}

// The choices stay, so the seller can pick shorter ones.
void TestTitelBedienung::zufuegenUeber80_meldetUndLaesstStehen() {
    el<QLineEdit>("txtArtikelBez")->setText(QString(70, QLatin1Char('w')));
    el<QComboBox>("cboZus2")->setCurrentText(QStringLiteral("24 Liebesroman Frauenroman"));
    klicken(QStringLiteral("cmdZusZufugen"));
    QCOMPARE(bez(), QString(70, QLatin1Char('w')));
    QCOMPARE(el<QComboBox>("cboZus2")->currentText(), QStringLiteral("24 Liebesroman Frauenroman"));
    QCOMPARE(plattform().meldungstexte(), QStringList{kBezeichnungUeberMax});
}

void TestTitelBedienung::bildsucheZeile1_ParisV_automatisch_bezeichnungParis() {
    const QString pfad = foto(ordner(), QStringLiteral("Paris-V.jpg"), 40, 30);
    el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("alt"));
    el<QLineEdit>("txtTitel")->setText(QStringLiteral("Titel"));
    el<QCheckBox>("chkArtBezAutom")->setChecked(true);
    plattform().dateien.enqueue(pfad);
    seite(QStringLiteral("Bilder"));
    klicken(QStringLiteral("cmdSuchenBildOben1"));
    QCOMPARE(bez(), QStringLiteral("Paris"));
    QCOMPARE(el<QLineEdit>("txtTitel")->text(), QString());
    QVERIFY(plattform().fenster.isEmpty());
}

void TestTitelBedienung::bildsucheZeile1_ohneAutomatisch_bezeichnungBleibt() {
    const QString pfad = foto(ordner(), QStringLiteral("Paris-V.jpg"), 40, 30);
    el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("alt"));
    el<QCheckBox>("chkArtBezAutom")->setChecked(false);
    plattform().dateien.enqueue(pfad);
    seite(QStringLiteral("Bilder"));
    klicken(QStringLiteral("cmdSuchenBildOben1"));
    QCOMPARE(bez(), QStringLiteral("alt"));
}

void TestTitelBedienung::kategorie_setztListenUndKnoepfe_data() {
    QTest::addColumn<QString>("menue");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("anzeige");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<bool>("autorSichtbar");
    QTest::newRow("Buch")
        << "mnuVorlBuch"
        << "Buch"
        << "Buch" << QStringList{u"Buch"_s,         u"Buch der Serie:"_s,           u"Bücher"_s,
                                 u"Heft"_s,         u"Heft der Serie:"_s,           u"Fußballmagazin"_s,
                                 u"Reisemagazin"_s, u"Exemplar der Zeitschrift: "_s}
        << " "
        << "cmdBuchBeschr" << true;
    QTest::newRow("CD") << "mnuVorlCD_MC"
                        << "CD_MC"
                        << "CD / MC / DVD"
                        << QStringList{u"MC-Kassette"_s, u"MC-Kassetten"_s,   u"Doppel-CD"_s,
                                       u"Audio-CD"_s,    u"mp3-CD"_s,         u"Audio-CD's"_s,
                                       u"mp3-CD's"_s,    u"Video-Kassette"_s, u"DVD"_s,
                                       u"CD-Set"_s,      u"CD-ROM"_s,         u"DVD-Set"_s}
                        << " "
                        << "cmdSongs" << false;
    QTest::newRow("Kleidung") << "mnuVorlKleid"
                              << "Kleidung"
                              << "Kleidung" << QStringList{u"Baby"_s,   u"Kinder"_s, u"Mädchen"_s,
                                                           u"Jungen"_s, u"Damen"_s,  u"Männer"_s}
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
    FensterTest::menue(app().frmHaupt(), menue);
    QCOMPARE(app().zustand().artikelArt, art);
    QCOMPARE(el<QLabel>("lblArtikelArt")->text(), anzeige);
    QCOMPARE(eintraege(*el<QComboBox>("cboAufWasBiten")), liste);
    QCOMPARE(el<QComboBox>("cboAufWasBiten3")->currentText(), text3);
    QCOMPARE(el<QComboBox>("cboGutErhalten")->currentText(), QStringLiteral("gebrauchtes und gut erhalten"));
    const QStringList knoepfe{u"cmdBuchBeschr"_s, u"cmdSongs"_s, u"cmdKleidungBeschreibung"_s};
    for (const QString& name : knoepfe) {
        QCOMPARE(!haupt<QWidget>(name)->isHidden(), name == knopf);
    }
    for (const char* name : {"cmdVerlaginsBuchbeschr", "cmdAutorinsBuchbeschr", "cboBuchAutor"}) {
        QCOMPARE(!el<QWidget>(name)->isHidden(), autorSichtbar);
    }
    QCOMPARE(el<QLineEdit>("txtAufWasBiten")->text(), QString());
}

void TestTitelBedienung::kategorie_letztesBildWirdFotoordner() {
    for (const char* eintrag : {"mnuVorlBuch", "mnuVorlCD_MC", "mnuVorlKleid"}) {
        app().zustand().letzteBilddatei = QStringLiteral("/anderswo/bild.jpg");
        menue(app().frmHaupt(), QLatin1String(eintrag));
        QCOMPARE(app().zustand().letzteBilddatei, m_fotoordner);
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
    const QString eigene = QStringLiteral("Mein Text\r\nzweite Zeile");
    el<RichTextFeld>("rtfInhalt")->setText(eigene);
    plattform().antworten.enqueue(antwort);
    FensterTest::menue(app().frmHaupt(), menue);
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(plattform().fenster[0].text,
             QStringLiteral("Die Beschreibung wird beim Wechsel der Artikelart geleert. Fortfahren?"));
    QCOMPARE(plattform().fenster[0].knoepfe, Plattform::Knoepfe::JaNein);
    QCOMPARE(el<RichTextFeld>("rtfInhalt")->text() == eigene, !geleert);
    if (geleert) {
        QCOMPARE(el<RichTextFeld>("rtfInhalt")->text(), QString());
    }
    QVERIFY(plattform().unerwartet.isEmpty());
}

void TestTitelBedienung::kategorie_leereBeschreibung_ohneFrage() {
    el<RichTextFeld>("rtfInhalt")->setText(QString());
    menue(app().frmHaupt(), QStringLiteral("mnuVorlCD_MC"));
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(el<QLabel>("lblArtikelArt")->text(), QStringLiteral("CD / MC / DVD"));
}

void TestTitelBedienung::auswahlknopf_mitDerMaus_nimmtMarkierung_data() {
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("laenge");
    // The control that receives the result, in the main window or ("Buch:") in the book window;
    // one other than the field holds "alt" before.
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<QString>("erwartet");
    const QString bez = QStringLiteral("Anna Beispiel Der stille See");
    const QString see = QStringLiteral("Der stille See");
    QTest::newRow("Titel") << "cmdTitel"
                           << "txtArtikelBez" << bez << 14 << 14 << "txtTitel" << see;
    QTest::newRow("Untertitel") << "cmdVerlaginsBuchbeschr"
                                << "txtArtikelBez" << bez << 14 << 14 << "txtUntertittel" << see;
    QTest::newRow("Autor") << "cmdAutorinsBuchbeschr"
                           << "txtArtikelBez" << bez << 0 << 13 << "Buch:cboBuchAutor"
                           << "Anna Beispiel";
    // The second of two equal words is selected; the first is marked.
    const QString zweimal = QStringLiteral("Buch und Buch");
    const QString fett = QStringLiteral("Buch und <b>Buch</b>");
    QTest::newRow("Fett Untertitel") << "cmdUntertitelFett"
                                     << "txtUntertittel" << zweimal << 9 << 4 << "txtUntertittel" << fett;
    QTest::newRow("Fett Sie bieten auf") << "cmdWasBitenFett"
                                         << "txtAufWasBiten" << zweimal << 9 << 4 << "txtAufWasBiten" << fett;
    QTest::newRow("Fett Beschreibung") << "cmdBeschreibungFett"
                                       << "rtfInhalt"
                                       << "Buch\r\nund Buch" << 9 << 4 << "rtfInhalt"
                                       << "Buch\r\nund <b>Buch</b>";
    // Nothing selected: the seller is told, and nothing is emptied.
    QTest::newRow("Titel ohne Markierung") << "cmdTitel"
                                           << "txtArtikelBez" << bez << 3 << 0 << "txtTitel"
                                           << "alt";
    QTest::newRow("Fett ohne Markierung")
        << "cmdUntertitelFett"
        << "txtUntertittel" << zweimal << 3 << 0 << "txtUntertittel" << zweimal;
}

// The press of the mouse on the button must not cost the seller the selection made just before.
void TestTitelBedienung::auswahlknopf_mitDerMaus_nimmtMarkierung() {
    QFETCH(QString, knopf);
    QFETCH(QString, feld);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, laenge);
    QFETCH(QString, ziel);
    QFETCH(QString, erwartet);
    menue(app().frmHaupt(), QStringLiteral("mnuVorlBuch"));
    seite(QStringLiteral("Beschreibung"));
    QWidget* ergebnis = ziel.startsWith(QLatin1String("Buch:"))
                            ? element<QWidget>(app().frmBuch(), ziel.mid(5))
                            : haupt<QWidget>(ziel);
    feldTextSetzen(ergebnis, QStringLiteral("alt"));
    feldTextSetzen(haupt<QWidget>(feld), text);
    markieren(feld, start, laenge);
    klicken(knopf);
    QCOMPARE(feldText(ergebnis), erwartet);
    QCOMPARE(plattform().meldungstexte(),
             laenge > 0 ? QStringList()
                        : QStringList{QStringLiteral("Bitte vorher ein oder mehrere Wörter markieren")});
}

// The keyboard takes the focus to the button, and the selection still counts.
void TestTitelBedienung::titel_mitTabUndLeertaste_nimmtMarkierung() {
    el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("Anna Beispiel Der stille See"));
    markieren(QStringLiteral("txtArtikelBez"), 14, 14);
    const QWidget* knopf = el<QPushButton>("cmdTitel");
    constexpr int kHoechstens = 40;
    for (int i = 0; i < kHoechstens && QApplication::focusWidget() != knopf; ++i) {
        QVERIFY2(qobject_cast<QPlainTextEdit*>(QApplication::focusWidget()) == nullptr,
                 "Tab erreicht ein mehrzeiliges Feld vor dem Knopf");
        taste(Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), knopf);
    taste(Qt::Key_Space);
    QCOMPARE(el<QLineEdit>("txtTitel")->text(), QStringLiteral("Der stille See"));
}

void TestTitelBedienung::bildnameVorne_ueber80Zeichen_meldetUndLaesstStehen() {
    const QString eigene = QString(50, QLatin1Char('w'));
    el<QLineEdit>("txtArtikelBez")->setText(eigene);
    el<QLineEdit>("txtEbayBildPfad")->setText(QString(31, QLatin1Char('n')) + QStringLiteral("-V.jpg"));
    seite(QStringLiteral("Bilder"));
    klicken(QStringLiteral("cmdArtBezBilden"));
    QCOMPARE(bez(), eigene);
    QCOMPARE(plattform().meldungstexte(),
             QStringList{QStringLiteral("Einfügen ist nicht möglich weil \r\n"
                                        "die Artikelbezeichnung dann länger als 80 "
                                        "Zeichen wäre!")});
}

void TestTitelBedienung::bildnameVorne_einLeerzeichenVorDenEigenenWorten() {
    hineinklicken(app().frmHaupt(), QStringLiteral("txtArtikelBez"));
    tippen(QStringLiteral("Reisefuehrer 2019"));
    el<QLineEdit>("txtEbayBildPfad")->setText(QStringLiteral("Paris-V.jpg"));
    seite(QStringLiteral("Bilder"));
    klicken(QStringLiteral("cmdArtBezBilden"));
    QCOMPARE(bez(), QStringLiteral("Paris Reisefuehrer 2019"));
    QVERIFY(plattform().meldungstexte().isEmpty());
}

void TestTitelBedienung::kleidung_fehlendeVorlage_waehlenLassen_data() {
    QTest::addColumn<bool>("gewaehlt");
    QTest::newRow("andere Datei gewählt") << true;
    QTest::newRow("abgebrochen") << false;
}

void TestTitelBedienung::kleidung_fehlendeVorlage_waehlenLassen() {
    QFETCH(bool, gewaehlt);
    ordner().entfernen(QStringLiteral("vorlagen/Vorlagetext-kleidung.txt"));
    ordner().schreiben(QStringLiteral("anders.txt"), w1252(QStringLiteral("Kleid aus Leinen\r\n")));
    plattform().dateien.enqueue(gewaehlt ? ordner().daten(QStringLiteral("anders.txt")) : QString());
    menue(app().frmHaupt(), QStringLiteral("mnuVorlKleid"));
    QCOMPARE(plattform().aufrufe.size(), gewaehlt ? 1 : 2);
    QCOMPARE(plattform().aufrufe[0].art, QStringLiteral("dateiWaehlen"));
    QCOMPARE(plattform().aufrufe[0].argumente.at(0), QStringLiteral("Vorlagetext-kleidung.txt"));
    QCOMPARE(QDir(plattform().aufrufe[0].argumente.at(1)), QDir(ordner().daten(QStringLiteral("vorlagen"))));
    if (gewaehlt) {
        QVERIFY(plattform().fenster.isEmpty());
        QCOMPARE(el<RichTextFeld>("rtfInhalt")->text(), QStringLiteral("Kleid aus Leinen\r\n"));
    } else {
        QCOMPARE(plattform().fenster.size(), 1);
        QVERIFY(plattform().fenster[0].text.contains(QStringLiteral("Datei kann nicht eigelesen werden")));
        QVERIFY(plattform().fenster[0].text.contains(QStringLiteral("Vorlagetext-kleidung.txt")));
    }
}

void TestTitelBedienung::gebotszeile_buchVorgaben_zeileUndBuchart() {
    menue(app().frmHaupt(), QStringLiteral("mnuVorlBuch"));
    buch<QComboBox>("cboFarbewehlen")->setCurrentText(QStringLiteral("etwas"));
    klicken(QStringLiteral("cmdAufWasUbername"));
    QCOMPARE(el<QLineEdit>("txtAufWasBiten")->text(),
             QStringLiteral("ein gebrauchtes und gut erhaltenes Buch  "));
    QCOMPARE(buch<QComboBox>("cboFarbewehlen")->currentText(), QStringLiteral("Taschenbuch"));
}

void TestTitelBedienung::gebotszeile_gebundeneAusgabe_buchartImBuchfenster() {
    menue(app().frmHaupt(), QStringLiteral("mnuVorlBuch"));
    el<QComboBox>("cboAufWasBiten3")->setCurrentText(QStringLiteral("<b>-gebundene Ausgabe</b>"));
    klicken(QStringLiteral("cmdAufWasUbername"));
    QCOMPARE(el<QLineEdit>("txtAufWasBiten")->text(),
             QStringLiteral("ein gebrauchtes und gut erhaltenes Buch <b>-gebundene Ausgabe</b>"));
    QCOMPARE(buch<QComboBox>("cboFarbewehlen")->currentText(), QStringLiteral("gebundene Ausgabe"));
}

void TestTitelBedienung::autorZufuegen_setztAutorImBuchfenster() {
    el<QComboBox>("cboBuchAutor")->setCurrentText(QStringLiteral("Goethe"));
    el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("Faust"));
    klicken(QStringLiteral("cmdZusZufugen"));
    QCOMPARE(bez(), QStringLiteral("Goethe Faust"));
    QCOMPARE(buch<QComboBox>("cboBuchAutor")->currentText(), QStringLiteral("Goethe"));
    QCOMPARE(el<QComboBox>("cboBuchAutor")->currentText(), QStringLiteral("Autor wählen"));
}

void TestTitelBedienung::buchBeschreibung_uebernimmtBezeichnungUndZeigtFenster() {
    menue(app().frmHaupt(), QStringLiteral("mnuVorlBuch"));
    el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("Der Fall"));
    klicken(QStringLiteral("cmdBuchBeschr"));
    QCOMPARE(buch<QLineEdit>("txtArtikelBez")->text(), QStringLiteral("Der Fall"));
    QVERIFY(app().frmBuch().isVisible());
    QCOMPARE(app().frmBuch().windowModality(), Qt::NonModal);
}

// Opening the window to look costs the saved table nothing; only a new table replaces it.
void TestTitelBedienung::kleidungBeschreibung_behaeltTabelleUndZeigtFenster() {
    menue(app().frmHaupt(), QStringLiteral("mnuVorlKleid"));
    el<RichTextFeld>("rtfInhaltAuto")->setText(QStringLiteral("<table>alt</table>"));
    klicken(QStringLiteral("cmdKleidungBeschreibung"));
    QCOMPARE(el<RichTextFeld>("rtfInhaltAuto")->text(), QStringLiteral("<table>alt</table>"));
    QVERIFY(app().frmKleidung().isVisible());
    QCOMPARE(app().frmKleidung().windowModality(), Qt::NonModal);
    app().frmKleidung().close();
    QCOMPARE(el<RichTextFeld>("rtfInhaltAuto")->text(), QStringLiteral("<table>alt</table>"));
}

QTEST_MAIN(TestTitelBedienung)
#include "tst_titelbedienung.moc"
