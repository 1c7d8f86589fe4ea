#include "config/Ini.h"
#include "config/Vorlage.h"
#include "core/TextDatei.h"
#include "support/FensterTest.h"
#include "ui/Feldtext.h"
#include "ui/RichTextFeld.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlIni.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kIni = QStringLiteral("HTML_Code/Vorlage.Ini");

} // namespace

class TestFrmVorlIni : public FensterTest {
    Q_OBJECT
private slots:
    void init();
    void teile_data();
    void teile();
    void farbverlauf_kommtAusDemGrafikpfad();
    void einlesen_fuelltFelderOhneMeldung();
    void einlesen_ohneAbschnitt_leereTextteile();
    void variante_ohneEigenenAbschnitt_liestBuch_speichertEigenen();
    void variante_mitEigenemAbschnitt_liestIhn();
    void menue_data();
    void menue();
    void schliessen_fragtBeiTextaenderung_data();
    void schliessen_fragtBeiTextaenderung();
    void schliessen_ja_speichertUnterArtikelart();
    void speichernKnopf_speichertOhneSchliessen();
    void getippterTeil_gespeichert_stehtSoInDerDatei_data();
    void getippterTeil_gespeichert_stehtSoInDerDatei();
    void vorlageEinlesen_mitAenderung_fragtZuerst_data();
    void vorlageEinlesen_mitAenderung_fragtZuerst();
    void teildateiNichtSchreibbar_meldetUndBleibtUngespeichert();
    void speicherfehler_meldet99();
    void langerTeil_kommtGanz_data();
    void langerTeil_kommtGanz();
    void mehrzeiligerTeil_bleibtEineZeile();
    void htmlTeil_behaeltJedesZeichen_data();
    void htmlTeil_behaeltJedesZeichen();
    void fehlendeTeildatei_abbruch_meldet20();
    void fehlendeTeildatei_gewaehlteDatei_wirdGeladen();
    void lesenKnopf_liestDateiNeu();
    void oeffnenKnopf_oeffnetImEditor();
    void ausMenue_zeigtGehoertHauptfenster();
    void start_liestVorlage_editorErstBeiBedarf();

private:
    FrmVorlIni& fenster() const { return app().frmVorlIni(); }
    template <class T> T* el(const QString& name) const { return element<T>(fenster(), name); }
    QLineEdit* teil(int n) const { return el<QLineEdit>(QStringLiteral("txtTeil%1").arg(n)); }
    QString datei(const char* abschnitt, const char* schluessel) const {
        return IniLesen(ordner().daten(kIni), QLatin1String(abschnitt), QLatin1String(schluessel));
    }
    // The editor as the main window's menu entry opens it; an open one stays as it is.
    void oeffnen() const {
        if (!fenster().isVisible()) {
            FensterTest::menue(app().frmHaupt(), QStringLiteral("mnuVorlBearb"));
        }
    }
    void klick(const QString& knopf) const {
        oeffnen();
        klicken(fenster(), knopf);
    }
    void vorlage(const QString& ini) const { ordner().schreiben(kIni, w1252(ini)); }
    // The twelve part files as they are on disk, in load order.
    QList<QByteArray> teildateien() const;
};

QList<QByteArray> TestFrmVorlIni::teildateien() const {
    QList<QByteArray> inhalte;
    for (const VorlageDatei& d : vorlageDateien()) {
        inhalte.append(ordner().lesen(QStringLiteral("HTML_Code/") + d.datei));
    }
    return inhalte;
}

void TestFrmVorlIni::init() {
    FensterTest::init();
    vorlage(QStringLiteral("[VORLAGEBuch]\r\nTEIL2=Sie bieten auf\r\n"));
}

void TestFrmVorlIni::teile_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("rahmen");
    QTest::addColumn<QString>("beschriftung");
    QTest::addColumn<QString>("lesen");
    QTest::addColumn<QString>("oeffnen");
    QTest::newRow("0a") << "htmlTeil0a"
                        << "Versandkosten extra Start"
                        << "Teil 0a"
                        << "cmdLesen_HtmlTeil0a"
                        << "cmdOpen0a";
    QTest::newRow("1") << "htmlTeil1"
                       << "bis \"Lieber Ebayer\" inkl eventuelles Zusatztext (Tatsächlicher Versand)"
                       << "Teil 1"
                       << "cmdLesen_HtmlTeil1"
                       << "cmdOpen1";
    QTest::newRow("6b") << "htmlTeil6b"
                        << "Ende ab Viel Glück und Spaß beim Bieten!"
                        << "Teil 6b"
                        << "cmdLesen_HtmlTeil6b"
                        << "cmdOpen6b";
    QTest::newRow("shop") << "html_shop"
                          << "Weitere Artikel (Shop-Galerie) erscheint ganz unten, am Ende"
                          << "Teil 8"
                          << "cmdShopAktuall"
                          << "cmdOpenShop";
    QTest::newRow("verst") << "htmlTeil7"
                           << "Zusatz-Hinweis zB: wegen Urlaub  (erscheint vor Versand-Info)"
                           << "Teil 7"
                           << "Command1"
                           << "cmdOpen7";
}

void TestFrmVorlIni::teile() {
    QFETCH(QString, feld);
    QFETCH(QString, rahmen);
    QFETCH(QString, beschriftung);
    QFETCH(QString, lesen);
    QFETCH(QString, oeffnen);
    auto* text = el<RichTextFeld>(feld);
    QVERIFY(text);
    auto* gruppe = qobject_cast<QGroupBox*>(text->parentWidget());
    QVERIFY(gruppe);
    QCOMPARE(gruppe->title(), rahmen);
    QVERIFY(gruppe->findChild<QPushButton*>(lesen));
    QCOMPARE(gruppe->findChild<QPushButton*>(lesen)->text(), QStringLiteral("Aktuall"));
    QCOMPARE(gruppe->findChild<QPushButton*>(oeffnen)->text(), QStringLiteral("Öffnen"));
    bool beschriftet = false;
    for (const QLabel* l : gruppe->findChildren<QLabel*>()) {
        beschriftet = beschriftet || l->text() == beschriftung;
    }
    QVERIFY(beschriftet);
}

void TestFrmVorlIni::farbverlauf_kommtAusDemGrafikpfad() {
    QCOMPARE(fenster().windowTitle(), QStringLiteral("Vorlagen bearbeiten"));
    auto* farbverlauf = el<RichTextFeld>(QStringLiteral("txtfarbverlauf"));
    QCOMPARE(farbverlauf->text(), QString());
    auto* grafik = element<QLineEdit>(app().frmEinstell(), QStringLiteral("txtPfadGrafik"));
    grafik->setText(QStringLiteral("https://grafik.de/kori"));
    app().frmEinstell().EinstellungenUebernehmen();
    QCOMPARE(farbverlauf->text(),
             QStringLiteral("<br>\r\n<DIV align=\"center\">\r\n<IMG border=\"0\" "
                            "src=\"https://grafik.de/kori/bluverlauf-1.jpg\">\r\n</DIV><br>\r\n"));
    grafik->clear();
    app().frmEinstell().EinstellungenUebernehmen();
    QCOMPARE(farbverlauf->text(), QString());
    QCOMPARE(el<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("Buch"));
    QCOMPARE(el<QPushButton>(QStringLiteral("cmdAendSpeich"))->text(),
             QStringLiteral("Änderungen speichern"));
}

void TestFrmVorlIni::einlesen_fuelltFelderOhneMeldung() {
    ordner().schreiben(QStringLiteral("HTML_Code/HTML_text-3b.txt"),
                       w1252(QStringLiteral("<p>Grüße</p>\r\n")));
    app().zustand().artikelArt = QStringLiteral("Kleidung");
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QVERIFY(plattform().fenster.isEmpty());
    QVERIFY(!fenster().isVisible());
    QCOMPARE(el<RichTextFeld>(QStringLiteral("htmlTeil3b"))->text(), QStringLiteral("<p>Grüße</p>\r\n"));
    QCOMPARE(teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QCOMPARE(app().zustand().artikelArt, QStringLiteral("Buch"));
    QCOMPARE(app().zustand().vorlagePfad, ordner().daten(kIni));
    QCOMPARE(app().zustand().vorlageSignatur1.size(), 7 + 12);
    QVERIFY(app().zustand().vorlageSignatur1.contains(QStringLiteral("<p>Grüße</p>\r\n")));
    QCOMPARE(fenster().windowTitle(), QStringLiteral("...../HTML_text-verst.txt"));
}

void TestFrmVorlIni::einlesen_ohneAbschnitt_leereTextteile() {
    vorlage(QStringLiteral("; leer\r\n"));
    teil(4)->setText(QStringLiteral("alt"));
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    for (int n = 1; n <= 7; ++n) {
        QCOMPARE(teil(n)->text(), QString());
    }
}

void TestFrmVorlIni::variante_ohneEigenenAbschnitt_liestBuch_speichertEigenen() {
    fenster().VorlageEinlesen(QStringLiteral("CD_MC"));
    QCOMPARE(teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QCOMPARE(el<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("CD_MC"));
    QCOMPARE(app().zustand().artikelArt, QStringLiteral("CD_MC"));
    teil(2)->setText(QStringLiteral("Sie bieten auf die CD"));
    klick(QStringLiteral("cmdAendSpeich"));
    QCOMPARE(datei("VORLAGECD_MC", "TEIL2"), QStringLiteral("Sie bieten auf die CD"));
    QCOMPARE(datei("VORLAGEBuch", "TEIL2"), QStringLiteral("Sie bieten auf"));
}

void TestFrmVorlIni::variante_mitEigenemAbschnitt_liestIhn() {
    vorlage(QStringLiteral("[VORLAGEBuch]\r\nTEIL3=Buch\r\n[VORLAGEKeidung]\r\nTEIL3=Kleid\r\n"));
    fenster().VorlageEinlesen(QStringLiteral("Kleidung"));
    QCOMPARE(teil(3)->text(), QStringLiteral("Kleid"));
    QCOMPARE(el<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("Keidung"));
    QCOMPARE(app().zustand().artikelArt, QStringLiteral("Kleidung"));
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QCOMPARE(teil(3)->text(), QStringLiteral("Buch"));
}

void TestFrmVorlIni::menue_data() {
    QTest::addColumn<QString>("eintrag");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("art");
    QTest::newRow("buch") << "mnuVorlBuch"
                          << "für Buch"
                          << "Buch";
    QTest::newRow("cd") << "mnuVorCD_lMC"
                        << "für CD_MC"
                        << "CD_MC";
    QTest::newRow("kleidung") << "mnuVorlKeidung"
                              << "für Kleidung"
                              << "Keidung";
}

void TestFrmVorlIni::menue() {
    QFETCH(QString, eintrag);
    QFETCH(QString, text);
    QFETCH(QString, art);
    QCOMPARE(el<QAction>(eintrag)->text(), text);
    FensterTest::menue(fenster(), eintrag);
    QCOMPARE(el<QLabel>(QStringLiteral("lblArtikelArt"))->text(), art);
    QCOMPARE(teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QCOMPARE(el<QAction>(QStringLiteral("mnuAlleShopFrei"))->text(), QStringLiteral("Alle Shops frei"));
}

void TestFrmVorlIni::schliessen_fragtBeiTextaenderung_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("neu");
    QTest::addColumn<bool>("frage");
    QTest::newRow("gleicher text") << "txtTeil2"
                                   << "Sie bieten auf" << false;
    QTest::newRow("ein zeichen getauscht") << "txtTeil2"
                                           << "Sie bieten aus" << true;
    QTest::newRow("farbe gleicher laenge") << "htmlTeil1"
                                           << "<font color=\"#003399\">" << true;
    QTest::newRow("ein zeichen mehr") << "txtTeil2"
                                      << "Sie bieten auf!" << true;
    QTest::newRow("html im vergleich") << "htmlTeil5"
                                       << "neu" << true;
    QTest::newRow("versandteil 0a") << "htmlTeil0a"
                                    << "ganz anders und viel laenger" << true;
    QTest::newRow("shopteil") << "html_shop"
                              << "<p>Shop</p>" << true;
    QTest::newRow("zusatzhinweis") << "htmlTeil7"
                                   << "Urlaub" << true;
}

void TestFrmVorlIni::schliessen_fragtBeiTextaenderung() {
    QFETCH(QString, feld);
    QFETCH(QString, neu);
    QFETCH(bool, frage);
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    fenster().show();
    if (auto* text = qobject_cast<QLineEdit*>(el<QWidget>(feld))) {
        text->setText(neu);
    } else {
        el<RichTextFeld>(feld)->setText(neu);
    }
    const QByteArray vorher = ordner().lesen(kIni);
    const QList<QByteArray> teileVorher = teildateien();
    if (frage) {
        plattform().antworten.enqueue(Plattform::Antwort::Nein);
    }
    fenster().close();
    QCOMPARE(plattform().fenster.size(), frage ? 1 : 0);
    if (frage) {
        QCOMPARE(plattform().fenster.at(0).text,
                 QStringLiteral("Möchten Sie die Änderungen in der Vorlage speichern?"));
        QCOMPARE(plattform().fenster.at(0).titel, QStringLiteral("ACHTUNG"));
        QCOMPARE(plattform().fenster.at(0).knoepfe, Plattform::Knoepfe::JaNein);
    }
    QVERIFY(!fenster().isVisible());
    QCOMPARE(ordner().lesen(kIni), vorher);
    QCOMPARE(teildateien(), teileVorher);
    QCOMPARE(feldText(el<QWidget>(feld)), neu);
}

void TestFrmVorlIni::schliessen_ja_speichertUnterArtikelart() {
    FensterTest::menue(fenster(), QStringLiteral("mnuVorlKeidung"));
    fenster().show();
    teil(7)->setText(QStringLiteral("sieben"));
    plattform().antworten.enqueue(Plattform::Antwort::Ja);
    fenster().close();
    QCOMPARE(datei("VORLAGEKeidung", "TEIL7"), QStringLiteral("sieben"));
    QCOMPARE(datei("VORLAGEKeidung", "TEIL2"), QStringLiteral("Sie bieten auf"));
    // What was saved is kept: closing again has nothing to ask.
    fenster().show();
    fenster().close();
    QCOMPARE(plattform().fenster.size(), 1);
}

void TestFrmVorlIni::speichernKnopf_speichertOhneSchliessen() {
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    fenster().show();
    teil(1)->setText(QStringLiteral("eins"));
    klick(QStringLiteral("cmdAendSpeich"));
    QVERIFY(fenster().isVisible());
    QCOMPARE(datei("VORLAGEBuch", "TEIL1"), QStringLiteral("eins"));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmVorlIni::getippterTeil_gespeichert_stehtSoInDerDatei_data() {
    QTest::addColumn<QString>("feld");
    // The part's place among the part files.
    QTest::addColumn<int>("teil");
    QTest::addColumn<bool>("schliessen");
    QTest::newRow("0b mit dem Knopf") << "htmlTeil0b" << 1 << false;
    QTest::newRow("Shop beim Schließen") << "html_shop" << 10 << true;
    QTest::newRow("Zusatz-Hinweis mit dem Knopf") << "htmlTeil7" << 11 << false;
}

// What the seller types into a part goes into its file as the next start reads it; no other part
// file is touched, and what was saved counts as unchanged.
void TestFrmVorlIni::getippterTeil_gespeichert_stehtSoInDerDatei() {
    QFETCH(QString, feld);
    QFETCH(int, teil);
    QFETCH(bool, schliessen);
    const QString pfad =
        QStringLiteral("HTML_Code/") + vorlageDateien().at(static_cast<std::size_t>(teil)).datei;
    ordner().schreiben(pfad, QByteArrayLiteral("<p>alt</p>"));
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QList<QByteArray> erwartet = teildateien();
    erwartet[teil] = QByteArrayLiteral("<p>alt</p>\r\nGr\xfc\xdf"
                                       "e f\xfcr 5 \x80");
    oeffnen();
    hineinklicken(fenster(), feld);
    taste(Qt::Key_End, Qt::ControlModifier);
    taste(Qt::Key_Return);
    tippen(QStringLiteral("Grüße für 5 €"));
    plattform().antworten.enqueue(Plattform::Antwort::Ja);
    if (schliessen) {
        fenster().close();
    } else {
        klick(QStringLiteral("cmdAendSpeich"));
        plattform().antworten.clear();
    }
    QCOMPARE(teildateien(), erwartet);
    fenster().show();
    fenster().close();
    QCOMPARE(plattform().fenster.size(), schliessen ? 1 : 0);
}

void TestFrmVorlIni::vorlageEinlesen_mitAenderung_fragtZuerst_data() {
    QTest::addColumn<Plattform::Antwort>("antwort");
    QTest::addColumn<QString>("feldDanach");
    QTest::addColumn<QString>("dateiDanach");
    QTest::newRow("Ja speichert, dann wird gelesen") << Plattform::Antwort::Ja << "neu"
                                                     << "neu";
    QTest::newRow("Nein liest die Datei") << Plattform::Antwort::Nein << "alt"
                                          << "alt";
    QTest::newRow("Abbrechen lässt alles") << Plattform::Antwort::Abbrechen << "neu"
                                           << "alt";
}

void TestFrmVorlIni::vorlageEinlesen_mitAenderung_fragtZuerst() {
    QFETCH(Plattform::Antwort, antwort);
    QFETCH(QString, feldDanach);
    QFETCH(QString, dateiDanach);
    ordner().schreiben(QStringLiteral("HTML_Code/HTML_text-0b.txt"), QByteArrayLiteral("alt"));
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    oeffnen();
    hineinklicken(fenster(), QStringLiteral("htmlTeil0b"));
    taste(Qt::Key_A, Qt::ControlModifier);
    tippen(QStringLiteral("neu"));
    plattform().antworten.enqueue(antwort);
    FensterTest::menue(fenster(), QStringLiteral("mnuVorCD_lMC"));
    QCOMPARE(plattform().meldungstexte(),
             QStringList{QStringLiteral("Möchten Sie die Änderungen in der Vorlage speichern?")});
    QCOMPARE(plattform().fenster.at(0).knoepfe, Plattform::Knoepfe::JaNeinAbbrechen);
    QCOMPARE(el<RichTextFeld>(QStringLiteral("htmlTeil0b"))->text(), feldDanach);
    QCOMPARE(ordner().lesen(QStringLiteral("HTML_Code/HTML_text-0b.txt")), dateiDanach.toLatin1());
    QCOMPARE(el<QLabel>(QStringLiteral("lblArtikelArt"))->text(),
             antwort == Plattform::Antwort::Abbrechen ? QStringLiteral("Buch") : QStringLiteral("CD_MC"));
}

void TestFrmVorlIni::teildateiNichtSchreibbar_meldetUndBleibtUngespeichert() {
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    ordner().entfernen(QStringLiteral("HTML_Code/HTML_text-6.txt"));
    QVERIFY(QDir().mkpath(ordner().daten(QStringLiteral("HTML_Code/HTML_text-6.txt"))));
    oeffnen();
    el<RichTextFeld>(QStringLiteral("htmlTeil6"))->setText(QStringLiteral("geändert"));
    klick(QStringLiteral("cmdAendSpeich"));
    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(
        plattform().fenster.at(0).text.startsWith(QStringLiteral("Fehler beim Speichern der Vorlage\r\n")));
    QVERIFY(plattform().fenster.at(0).text.contains(QStringLiteral("HTML_text-6.txt")));
    plattform().antworten.enqueue(Plattform::Antwort::Nein);
    fenster().close();
    QCOMPARE(plattform().fenster.size(), 2);
}

void TestFrmVorlIni::speicherfehler_meldet99() {
    ordner().entfernen(kIni);
    QVERIFY(QDir().mkpath(ordner().daten(kIni)));
    klick(QStringLiteral("cmdAendSpeich"));
    QCOMPARE(plattform().meldungstexte(), QStringList{QStringLiteral("Fehler beim Speichern der Vorlage")});
}

void TestFrmVorlIni::langerTeil_kommtGanz_data() {
    QTest::addColumn<int>("laenge");
    QTest::newRow("ueber 254") << 300;
    QTest::newRow("ueber die Grenze eines Textfelds") << 40000;
}

void TestFrmVorlIni::langerTeil_kommtGanz() {
    QFETCH(int, laenge);
    const QString lang = QString(laenge, QLatin1Char('t')) + QStringLiteral("</table>");
    teil(4)->setText(lang);
    klick(QStringLiteral("cmdAendSpeich"));
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QCOMPARE(teil(4)->text(), lang);
}

void TestFrmVorlIni::mehrzeiligerTeil_bleibtEineZeile() {
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    teil(3)->setText(QStringLiteral("<div>\r\n[VORLAGEBuch]\r\nTEIL2=fremd\r\n</div>"));
    klick(QStringLiteral("cmdAendSpeich"));
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QCOMPARE(teil(3)->text(), QStringLiteral("<div> [VORLAGEBuch] TEIL2=fremd </div>"));
    QCOMPARE(teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmVorlIni::htmlTeil_behaeltJedesZeichen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("zurueck");
    const QString nbsp = QStringLiteral("Preis:\u00a0VB\r\n");
    QTest::newRow("geschuetztes leerzeichen") << nbsp << nbsp;
    QTest::newRow("tabulator und umlaut") << QStringLiteral("\tÄ€") << QStringLiteral("\tÄ€");
    QTest::newRow("einzelnes CR wird CR LF") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb");
}

void TestFrmVorlIni::htmlTeil_behaeltJedesZeichen() {
    QFETCH(QString, text);
    QFETCH(QString, zurueck);
    ordner().schreiben(QStringLiteral("HTML_Code/HTML_text-5.txt"), w1252(text));
    klick(QStringLiteral("cmdLesen_HtmlTeil5"));
    QCOMPARE(el<RichTextFeld>(QStringLiteral("htmlTeil5"))->text(), zurueck);
    el<RichTextFeld>(QStringLiteral("htmlTeil6"))->setText(text);
    QCOMPARE(el<RichTextFeld>(QStringLiteral("htmlTeil6"))->text(), zurueck);
}

void TestFrmVorlIni::fehlendeTeildatei_abbruch_meldet20() {
    ordner().entfernen(QStringLiteral("HTML_Code/HTML_text-5.txt"));
    plattform().dateien.enqueue(QString());
    fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QCOMPARE(plattform().aufrufe.at(0).art, QStringLiteral("dateiWaehlen"));
    QCOMPARE(plattform().aufrufe.at(0).argumente.at(0), QStringLiteral("HTML_text-5.txt"));
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(plattform().fenster.at(0).text, QStringLiteral("ACHTUNG\r\nDatei kann nicht eigelesen werden") +
                                                 ordner().daten(QStringLiteral("HTML_Code/HTML_text-5.txt")) +
                                                 QStringLiteral("\r\n\r\n in Einstelungen der Vorlage"));
    QCOMPARE(teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QVERIFY(plattform().unerwartet.isEmpty());
}

void TestFrmVorlIni::fehlendeTeildatei_gewaehlteDatei_wirdGeladen() {
    ordner().entfernen(QStringLiteral("HTML_Code/HTML_text-6.txt"));
    ordner().schreiben(QStringLiteral("anderswo/ersatz.txt"), w1252(QStringLiteral("Ersatz\r\n")));
    plattform().dateien.enqueue(ordner().daten(QStringLiteral("anderswo/ersatz.txt")));
    klick(QStringLiteral("cmdLesen_HtmlTeil6"));
    QCOMPARE(el<RichTextFeld>(QStringLiteral("htmlTeil6"))->text(), QStringLiteral("Ersatz\r\n"));
    QCOMPARE(fenster().windowTitle(), QStringLiteral("...../anderswo/ersatz.txt"));
    QCOMPARE(app().zustand().letzteBilddatei, ordner().daten(QStringLiteral("anderswo/ersatz.txt")));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmVorlIni::lesenKnopf_liestDateiNeu() {
    ordner().schreiben(QStringLiteral("HTML_Code/HTML_text-verst.txt"), w1252(QStringLiteral("Urlaub\r\n")));
    klick(QStringLiteral("Command1"));
    QCOMPARE(el<RichTextFeld>(QStringLiteral("htmlTeil7"))->text(), QStringLiteral("Urlaub\r\n"));
    QVERIFY(!fenster().ungespeichert());
}

void TestFrmVorlIni::oeffnenKnopf_oeffnetImEditor() {
    klick(QStringLiteral("cmdOpen3c"));
    QCOMPARE(plattform().aufrufe.last().art, QStringLiteral("oeffnen"));
    QCOMPARE(plattform().aufrufe.last().argumente.at(0),
             ordner().daten(QStringLiteral("HTML_Code/HTML_text-3c.txt")));
}

void TestFrmVorlIni::ausMenue_zeigtGehoertHauptfenster() {
    fenster().ausMenueOeffnen();
    QVERIFY(fenster().isVisible());
    QCOMPARE(fenster().parentWidget(), static_cast<QWidget*>(&app().frmHaupt()));
    QCOMPARE(fenster().windowModality(), Qt::WindowModal);
}

// The start reads the template with its dialogs and messages; the editor, made on first use,
// holds what was read and finds nothing changed.
void TestFrmVorlIni::start_liestVorlage_editorErstBeiBedarf() {
    ordner().entfernen(QStringLiteral("HTML_Code/HTML_text-5.txt"));
    plattform().dateien.enqueue(QString());
    QVERIFY(app().starten());
    QCOMPARE(plattform().anzahl(QStringLiteral("dateiWaehlen")), 1);
    QCOMPARE(plattform().meldungstexte().filter(QStringLiteral("HTML_text-5.txt")).size(), 1);
    QVERIFY(!fensterGemacht(QStringLiteral("frmVorlIni")));
    QCOMPARE(teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QCOMPARE(
        el<RichTextFeld>(QStringLiteral("htmlTeil1"))->text(),
        textLesen(ordner().daten(QStringLiteral("HTML_Code/HTML_text-1.txt"))).value_or(QStringLiteral("?")));
    QCOMPARE(el<RichTextFeld>(QStringLiteral("htmlTeil5"))->text(), QString());
    QCOMPARE(el<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("Buch"));
    QVERIFY(fenster().windowTitle().endsWith(QStringLiteral("HTML_text-verst.txt")));
    fenster().Form_QueryUnload();
    QCOMPARE(plattform().fenster.size(), 1);
}

QTEST_MAIN(TestFrmVorlIni)
#include "tst_frmvorlini.moc"
