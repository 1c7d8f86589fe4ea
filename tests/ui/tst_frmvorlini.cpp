#include "config/Ini.h"
#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
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

namespace {

const QString kIni = QStringLiteral("HTML_Code/Vorlage.Ini");

struct Umgebung {
    explicit Umgebung(const QString& ini = QStringLiteral("[VORLAGEBuch]\r\nTEIL2=Sie bieten auf\r\n")) {
        ordner.schreiben(kIni, w1252(ini));
    }
    TestOrdner ordner;
    SkriptPlattform p;
    Anwendung app{ordner.programmordner(), p};

    FrmVorlIni& fenster() { return app.frmVorlIni(); }
    template <class T> T* feld(const QString& name) { return fenster().findChild<T*>(name); }
    QLineEdit* teil(int n) { return feld<QLineEdit>(QStringLiteral("txtTeil%1").arg(n)); }
    QString datei(const char* abschnitt, const char* schluessel) const {
        return IniLesen(ordner.daten(kIni), QLatin1String(abschnitt), QLatin1String(schluessel));
    }
    void klick(const QString& knopf) { QTest::mouseClick(feld<QPushButton>(knopf), Qt::LeftButton); }
};

} // namespace

class TestFrmVorlIni : public QObject {
    Q_OBJECT
private slots:
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
};

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
    Umgebung u;
    auto* text = u.feld<RichTextFeld>(feld);
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
    Umgebung u;
    QCOMPARE(u.fenster().windowTitle(), QStringLiteral("Vorlagen bearbeiten"));
    auto* farbverlauf = u.feld<RichTextFeld>(QStringLiteral("txtfarbverlauf"));
    QCOMPARE(farbverlauf->text(), QString());
    u.app.frmEinstell()
        .findChild<QLineEdit*>(QStringLiteral("txtPfadGrafik"))
        ->setText(QStringLiteral("https://grafik.de/kori"));
    u.app.frmEinstell().EinstellungenUebernehmen();
    QCOMPARE(farbverlauf->text(),
             QStringLiteral("<br>\r\n<DIV align=\"center\">\r\n<IMG border=\"0\" "
                            "src=\"https://grafik.de/kori/bluverlauf-1.jpg\">\r\n</DIV><br>\r\n"));
    u.app.frmEinstell().findChild<QLineEdit*>(QStringLiteral("txtPfadGrafik"))->clear();
    u.app.frmEinstell().EinstellungenUebernehmen();
    QCOMPARE(farbverlauf->text(), QString());
    QCOMPARE(u.feld<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("Buch"));
    QCOMPARE(u.feld<QPushButton>(QStringLiteral("cmdAendSpeich"))->text(),
             QStringLiteral("Änderungen speichern"));
}

void TestFrmVorlIni::einlesen_fuelltFelderOhneMeldung() {
    Umgebung u;
    u.ordner.schreiben(QStringLiteral("HTML_Code/HTML_text-3b.txt"),
                       w1252(QStringLiteral("<p>Grüße</p>\r\n")));
    u.app.zustand().artikelArt = QStringLiteral("Kleidung");
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QVERIFY(u.p.fenster.isEmpty());
    QVERIFY(!u.fenster().isVisible());
    QCOMPARE(u.feld<RichTextFeld>(QStringLiteral("htmlTeil3b"))->text(), QStringLiteral("<p>Grüße</p>\r\n"));
    QCOMPARE(u.teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QCOMPARE(u.app.zustand().artikelArt, QStringLiteral("Buch"));
    QCOMPARE(u.app.zustand().vorlagePfad, u.ordner.daten(kIni));
    QCOMPARE(u.app.zustand().vorlageSignatur1.size(), 7 + 6);
    QVERIFY(u.app.zustand().vorlageSignatur1.contains(QStringLiteral("<p>Grüße</p>\r\n")));
    QCOMPARE(u.fenster().windowTitle(), QStringLiteral("...../HTML_text-verst.txt"));
}

void TestFrmVorlIni::einlesen_ohneAbschnitt_leereTextteile() {
    Umgebung u(QStringLiteral("; leer\r\n"));
    u.teil(4)->setText(QStringLiteral("alt"));
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    for (int n = 1; n <= 7; ++n) {
        QCOMPARE(u.teil(n)->text(), QString());
    }
}

void TestFrmVorlIni::variante_ohneEigenenAbschnitt_liestBuch_speichertEigenen() {
    Umgebung u;
    u.fenster().VorlageEinlesen(QStringLiteral("CD_MC"));
    QCOMPARE(u.teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QCOMPARE(u.feld<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("CD_MC"));
    QCOMPARE(u.app.zustand().artikelArt, QStringLiteral("CD_MC"));
    u.teil(2)->setText(QStringLiteral("Sie bieten auf die CD"));
    u.klick(QStringLiteral("cmdAendSpeich"));
    QCOMPARE(u.datei("VORLAGECD_MC", "TEIL2"), QStringLiteral("Sie bieten auf die CD"));
    QCOMPARE(u.datei("VORLAGEBuch", "TEIL2"), QStringLiteral("Sie bieten auf"));
}

void TestFrmVorlIni::variante_mitEigenemAbschnitt_liestIhn() {
    Umgebung u(QStringLiteral("[VORLAGEBuch]\r\nTEIL3=Buch\r\n[VORLAGEKeidung]\r\nTEIL3=Kleid\r\n"));
    u.fenster().VorlageEinlesen(QStringLiteral("Kleidung"));
    QCOMPARE(u.teil(3)->text(), QStringLiteral("Kleid"));
    QCOMPARE(u.feld<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("Keidung"));
    QCOMPARE(u.app.zustand().artikelArt, QStringLiteral("Kleidung"));
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QCOMPARE(u.teil(3)->text(), QStringLiteral("Buch"));
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
    Umgebung u;
    auto* aktion = u.feld<QAction>(eintrag);
    QCOMPARE(aktion->text(), text);
    aktion->trigger();
    QCOMPARE(u.feld<QLabel>(QStringLiteral("lblArtikelArt"))->text(), art);
    QCOMPARE(u.teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QCOMPARE(u.feld<QAction>(QStringLiteral("mnuAlleShopFrei"))->text(), QStringLiteral("Alle Shops frei"));
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
    QTest::newRow("html nicht im vergleich") << "htmlTeil0a"
                                             << "ganz anders und viel laenger" << false;
}

void TestFrmVorlIni::schliessen_fragtBeiTextaenderung() {
    QFETCH(QString, feld);
    QFETCH(QString, neu);
    QFETCH(bool, frage);
    Umgebung u;
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    u.fenster().show();
    if (auto* text = u.feld<QLineEdit>(feld)) {
        text->setText(neu);
    } else {
        u.feld<RichTextFeld>(feld)->setText(neu);
    }
    const QByteArray vorher = u.ordner.lesen(kIni);
    u.p.antworten.enqueue(Plattform::Antwort::Nein);
    u.fenster().close();
    QCOMPARE(u.p.fenster.size(), frage ? 1 : 0);
    if (frage) {
        QCOMPARE(u.p.fenster.at(0).text,
                 QStringLiteral("Möchten Sie die Änderungen in der Vorlage speichern?"));
        QCOMPARE(u.p.fenster.at(0).titel, QStringLiteral("ACHTUNG"));
        QCOMPARE(u.p.fenster.at(0).knoepfe, Plattform::Knoepfe::JaNein);
    }
    QVERIFY(!u.fenster().isVisible());
    QCOMPARE(u.ordner.lesen(kIni), vorher);
    if (auto* text = u.feld<QLineEdit>(feld)) {
        QCOMPARE(text->text(), neu);
    }
}

void TestFrmVorlIni::schliessen_ja_speichertUnterArtikelart() {
    Umgebung u;
    u.feld<QAction>(QStringLiteral("mnuVorlKeidung"))->trigger();
    u.fenster().show();
    u.teil(7)->setText(QStringLiteral("sieben"));
    u.p.antworten.enqueue(Plattform::Antwort::Ja);
    u.fenster().close();
    QCOMPARE(u.datei("VORLAGEKeidung", "TEIL7"), QStringLiteral("sieben"));
    QCOMPARE(u.datei("VORLAGEKeidung", "TEIL2"), QStringLiteral("Sie bieten auf"));
    // The length at load is not renewed by a save, so the next close asks again.
    u.fenster().show();
    u.p.antworten.enqueue(Plattform::Antwort::Nein);
    u.fenster().close();
    QCOMPARE(u.p.fenster.size(), 2);
}

void TestFrmVorlIni::speichernKnopf_speichertOhneSchliessen() {
    Umgebung u;
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    u.fenster().show();
    u.teil(1)->setText(QStringLiteral("eins"));
    u.klick(QStringLiteral("cmdAendSpeich"));
    QVERIFY(u.fenster().isVisible());
    QCOMPARE(u.datei("VORLAGEBuch", "TEIL1"), QStringLiteral("eins"));
    QVERIFY(u.p.fenster.isEmpty());
}

void TestFrmVorlIni::speicherfehler_meldet99() {
    Umgebung u;
    u.ordner.entfernen(kIni);
    QVERIFY(QDir().mkpath(u.ordner.daten(kIni)));
    u.klick(QStringLiteral("cmdAendSpeich"));
    QCOMPARE(u.p.meldungstexte(), QStringList{QStringLiteral("Fehler beim Speichern der Vorlage")});
}

void TestFrmVorlIni::langerTeil_kommtGanz_data() {
    QTest::addColumn<int>("laenge");
    QTest::newRow("ueber 254") << 300;
    QTest::newRow("ueber die Grenze eines Textfelds") << 40000;
}

void TestFrmVorlIni::langerTeil_kommtGanz() {
    QFETCH(int, laenge);
    Umgebung u;
    const QString lang = QString(laenge, QLatin1Char('t')) + QStringLiteral("</table>");
    u.teil(4)->setText(lang);
    u.klick(QStringLiteral("cmdAendSpeich"));
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QCOMPARE(u.teil(4)->text(), lang);
}

void TestFrmVorlIni::mehrzeiligerTeil_bleibtEineZeile() {
    Umgebung u;
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    u.teil(3)->setText(QStringLiteral("<div>\r\n[VORLAGEBuch]\r\nTEIL2=fremd\r\n</div>"));
    u.klick(QStringLiteral("cmdAendSpeich"));
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QCOMPARE(u.teil(3)->text(), QStringLiteral("<div> [VORLAGEBuch] TEIL2=fremd </div>"));
    QCOMPARE(u.teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QVERIFY(u.p.fenster.isEmpty());
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
    Umgebung u;
    u.ordner.schreiben(QStringLiteral("HTML_Code/HTML_text-5.txt"), w1252(text));
    u.klick(QStringLiteral("cmdLesen_HtmlTeil5"));
    QCOMPARE(u.feld<RichTextFeld>(QStringLiteral("htmlTeil5"))->text(), zurueck);
    u.feld<RichTextFeld>(QStringLiteral("htmlTeil6"))->setText(text);
    QCOMPARE(u.feld<RichTextFeld>(QStringLiteral("htmlTeil6"))->text(), zurueck);
}

void TestFrmVorlIni::fehlendeTeildatei_abbruch_meldet20() {
    Umgebung u;
    u.ordner.entfernen(QStringLiteral("HTML_Code/HTML_text-5.txt"));
    u.p.dateien.enqueue(QString());
    u.fenster().VorlageEinlesen(QStringLiteral("Buch"));
    QCOMPARE(u.p.aufrufe.at(0).art, QStringLiteral("dateiWaehlen"));
    QCOMPARE(u.p.aufrufe.at(0).argumente.at(0), QStringLiteral("HTML_text-5.txt"));
    QCOMPARE(u.p.fenster.size(), 1);
    QCOMPARE(u.p.fenster.at(0).text, QStringLiteral("ACHTUNG\r\nDatei kann nicht eigelesen werden") +
                                         u.ordner.daten(QStringLiteral("HTML_Code/HTML_text-5.txt")) +
                                         QStringLiteral("\r\n\r\n in Einstelungen der Vorlage"));
    QCOMPARE(u.teil(2)->text(), QStringLiteral("Sie bieten auf"));
    QVERIFY(u.p.unerwartet.isEmpty());
}

void TestFrmVorlIni::fehlendeTeildatei_gewaehlteDatei_wirdGeladen() {
    Umgebung u;
    u.ordner.entfernen(QStringLiteral("HTML_Code/HTML_text-6.txt"));
    u.ordner.schreiben(QStringLiteral("anderswo/ersatz.txt"), w1252(QStringLiteral("Ersatz\r\n")));
    u.p.dateien.enqueue(u.ordner.daten(QStringLiteral("anderswo/ersatz.txt")));
    u.klick(QStringLiteral("cmdLesen_HtmlTeil6"));
    QCOMPARE(u.feld<RichTextFeld>(QStringLiteral("htmlTeil6"))->text(), QStringLiteral("Ersatz\r\n"));
    QCOMPARE(u.fenster().windowTitle(), QStringLiteral("...../anderswo/ersatz.txt"));
    QCOMPARE(u.app.zustand().letzteBilddatei, u.ordner.daten(QStringLiteral("anderswo/ersatz.txt")));
    QVERIFY(u.p.fenster.isEmpty());
}

void TestFrmVorlIni::lesenKnopf_liestDateiNeu() {
    Umgebung u;
    u.ordner.schreiben(QStringLiteral("HTML_Code/HTML_text-verst.txt"), w1252(QStringLiteral("Urlaub\r\n")));
    u.klick(QStringLiteral("Command1"));
    QCOMPARE(u.feld<RichTextFeld>(QStringLiteral("htmlTeil7"))->text(), QStringLiteral("Urlaub\r\n"));
}

void TestFrmVorlIni::oeffnenKnopf_oeffnetImEditor() {
    Umgebung u;
    u.klick(QStringLiteral("cmdOpen3c"));
    QCOMPARE(u.p.aufrufe.last().art, QStringLiteral("oeffnen"));
    QCOMPARE(u.p.aufrufe.last().argumente.at(0),
             u.ordner.daten(QStringLiteral("HTML_Code/HTML_text-3c.txt")));
}

void TestFrmVorlIni::ausMenue_zeigtGehoertHauptfenster() {
    Umgebung u;
    u.fenster().ausMenueOeffnen();
    QVERIFY(u.fenster().isVisible());
    QCOMPARE(u.fenster().parentWidget(), static_cast<QWidget*>(&u.app.frmHaupt()));
    QCOMPARE(u.fenster().windowModality(), Qt::WindowModal);
}

QTEST_MAIN(TestFrmVorlIni)
#include "tst_frmvorlini.moc"
