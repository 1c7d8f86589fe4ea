#include "support/FensterTest.h"
#include "ui/ArtikelBindung.h"
#include "ui/BildFeld.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"
#include "ui/frmVorlSpeichern.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QColor kGrau(0xC0, 0xC0, 0xC0);

QColor hintergrund(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

const QStringList kBasis{QStringLiteral("1"),   QStringLiteral("200"), QStringLiteral("225"),
                         QStringLiteral("250"), QStringLiteral("275"), QStringLiteral("300"),
                         QStringLiteral("325"), QStringLiteral("350"), QStringLiteral("375"),
                         QStringLiteral("400"), QStringLiteral("425"), QStringLiteral("450")};

} // namespace

class TestFrmHaupt : public FensterTest {
    Q_OBJECT
private slots:
    void festeListe_nachStart_data();
    void festeListe_nachStart();
    void start_setztVersionUndBeendetStartphase();
    void start_fehlendeListendateien_jeEineMeldungUndStartEndet();
    void start_listendateien_fuellenDieDreiListen();
    void aktualisieren_liestGeaenderteDateiNeu();
    void plusKnoepfe_oeffnenDateiImEditor_data();
    void plusKnoepfe_oeffnenDateiImEditor();

    void versandSchalter_zweiKlicks_stellenZustandUndFarbenWiederHer();
    void versandSchalter_waehrendStart_ohneWirkung_danachMitWirkung();
    void versandSchalter_imEntwurf_grauUndGesperrt();

    void neu_leertGenaudieArtikelfelder();
    void neu_behaeltListenUndAndereFelder();
    void neu_ueberMenue_wieKnopf();

    void kommaAnzahl_zeigtAnzahlMitTitel();
    void nachDemVerkauf_meldung1MitLeeremText();
    void songs_inVorbereitung();
    void beenden_ungespeichert_fragt_data();
    void beenden_ungespeichert_fragt();
    void ungespeichert_jeAenderung_data();
    void ungespeichert_jeAenderung();
    void neu_naechsterArtikelHaeltNichtsVomVorigen();
    void ersetzen_ungespeichert_fragtErst_data();
    void ersetzen_ungespeichert_fragtErst();

private:
    // Most tests want the started program; the others change the data folder first.
    void starten() const { app().starten(); }
    FrmHaupt& fenster() const { return app().frmHaupt(); }
    QComboBox* cbo(const QString& name) const { return haupt<QComboBox>(name); }
    void artikelFuellen() const;
    // "Neu" on an article with unsaved content, which the seller agrees to give up.
    void neuMitJa(const QString& weg = QStringLiteral("cmdNeu")) const {
        plattform().antworten.enqueue(Plattform::Antwort::Ja);
        weg == u"cmdNeu" ? klicken(weg) : menue(fenster(), weg);
    }
    // An article that passes the finish checks, its designation typed by the seller.
    void fertigerArtikel() const;
};

void TestFrmHaupt::festeListe_nachStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("text");
    const QString eins = QStringLiteral("1");
    QTest::newRow("cboEinEineEinen") << QStringLiteral("cboEinEineEinen")
                                     << QStringList{QString(), QStringLiteral("e"), QStringLiteral("en")}
                                     << QString();
    QTest::newRow("cboGutErhalten") << QStringLiteral("cboGutErhalten")
                                    << QStringList{QStringLiteral("sehr gut erhalten"),
                                                   QStringLiteral("gut erhalten"),
                                                   QStringLiteral("gebraucht"),
                                                   QStringLiteral("gebrauchte und gut erhalten"),
                                                   QStringLiteral("gebrauchtes und gut erhalten"),
                                                   QStringLiteral("gebrauchten und gut erhalten"),
                                                   QStringLiteral("neu")}
                                    << QStringLiteral("gebrauchtes und gut erhalten");
    QTest::newRow("cboPostHermes2") << QStringLiteral("cboPostHermes2")
                                    << QStringList{QStringLiteral("Deutsche Post-unversichert"),
                                                   QStringLiteral("Hermes-Paket-versichert")}
                                    << QStringLiteral("Deutsche Post-unversichert");
    const QStringList breite1 = kBasis + QStringList{QStringLiteral("460"), QStringLiteral("562")};
    const QStringList hoehe1 = kBasis + QStringList{QStringLiteral("488")};
    const QStringList breite2 = kBasis + QStringList{QStringLiteral("460")};
    // The width boxes show the configured standard width after start-up, the heights "1".
    const QString standard = QStringLiteral("400");
    for (const char* name : {"txtBildLaenge", "txtBildLaenge_b"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << breite1 << standard;
    }
    for (const char* name : {"txtBildHohe", "txtBildHohe_b"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << hoehe1 << eins;
    }
    for (const char* name : {"txtBildLaenge2", "txtBildLaenge2_b", "txtBildLaenge2_c"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << breite2 << standard;
    }
    for (const char* name : {"txtBildHohe2", "txtBildHohe2_b", "txtBildHohe2_c"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << kBasis << eins;
    }
}

void TestFrmHaupt::festeListe_nachStart() {
    QFETCH(QString, name);
    QFETCH(QStringList, liste);
    QFETCH(QString, text);
    starten();
    QComboBox* box = cbo(name);
    QCOMPARE(eintraege(*box), liste);
    QCOMPARE(box->currentText(), text);
}

// The long lists are checked by their ends and counts; a shifted or lost entry shows there.
void TestFrmHaupt::start_setztVersionUndBeendetStartphase() {
    starten();
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version: 4.51"));
    QVERIFY(!app().zustand().startInArbeit);
    QCOMPARE(app().zustand().vorschauBoxHoehe, 975);
    QCOMPARE(app().zustand().vorschauBoxBreite, 975);
    QCOMPARE(cbo(QStringLiteral("cboBuchAutor"))->currentText(), QStringLiteral("Autor wählen"));

    const QStringList zus1 = eintraege(*cbo(QStringLiteral("cboZus1")));
    QCOMPARE(zus1.size(), 16);
    QCOMPARE(zus1.first(), QString());
    QCOMPARE(zus1.at(1), QStringLiteral("5 süße"));
    QCOMPARE(zus1.last(), QStringLiteral("8 RARITÄT"));
    const QStringList zus2 = eintraege(*cbo(QStringLiteral("cboZus2")));
    QCOMPARE(zus2.size(), 33);
    QCOMPARE(zus2.at(9), QStringLiteral(" -------- "));
    QCOMPARE(zus2.at(25), QStringLiteral(" -------- "));
    QCOMPARE(zus2.last(), QStringLiteral("13 Inkl. CD-ROM"));
    QCOMPARE(cbo(QStringLiteral("cboZus1"))->currentText(), QString());

    const QStringList einZwei = eintraege(*cbo(QStringLiteral("cboEinZwei")));
    QCOMPARE(einZwei.size(), 12);
    QCOMPARE(einZwei.last(), QStringLiteral("zwölf"));
    QCOMPARE(cbo(QStringLiteral("cboEinZwei"))->currentText(), QStringLiteral("ein"));

    const QStringList versand = eintraege(*cbo(QStringLiteral("cboVersandkosten")));
    QCOMPARE(versand.size(), 20);
    QCOMPARE(versand.first(), QStringLiteral("0,99"));
    QCOMPARE(versand.last(), QStringLiteral("4,70"));
    // The settings apply replaces the initial "1,65" by the configured standard cost.
    QCOMPARE(cbo(QStringLiteral("cboVersandkosten"))->currentText(), QStringLiteral("1,85"));
    QVERIFY(plattform().unerwartet.isEmpty());
}

void TestFrmHaupt::start_fehlendeListendateien_jeEineMeldungUndStartEndet() {
    ordner().entfernen(QStringLiteral("vorlagen/ZusatzTexte.str"));
    ordner().entfernen(QStringLiteral("vorlagen/Aufforderung2.str"));
    starten();

    QCOMPARE(plattform().fenster.size(), 2);
    QVERIFY(plattform().fenster.at(0).text.contains(QStringLiteral("ZusatzTexte.str")));
    QVERIFY(plattform().fenster.at(1).text.contains(QStringLiteral("Aufforderung2.str")));
    for (const SkriptPlattform::Fenster& f : plattform().fenster) {
        QVERIFY(f.text.startsWith(QStringLiteral("Datei  ")));
        QVERIFY(f.text.endsWith(QStringLiteral("  wurde nicht gefunden!")));
        QCOMPARE(f.titel, QStringLiteral("ACHTUNG"));
        QCOMPARE(f.symbol, Plattform::Symbol::Kritisch);
    }
    QCOMPARE(cbo(QStringLiteral("cboZusatzTexte"))->count(), 0);
    QCOMPARE(cbo(QStringLiteral("cboAuforderung2"))->count(), 0);
    QVERIFY(cbo(QStringLiteral("cboAuforderung1"))->count() > 0);
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version: 4.51"));
    QVERIFY(fenster().isVisible());
}

void TestFrmHaupt::start_listendateien_fuellenDieDreiListen() {
    ordner().schreiben(QStringLiteral("vorlagen/Aufforderung1.str"),
                       w1252(QStringLiteral("# Kommentar\r\nJetzt__ bieten!\r\n\r\nNoch Fragen?\r\n")));
    ordner().schreiben(QStringLiteral("vorlagen/Aufforderung2.str"), w1252(QStringLiteral("Viel Spaß\r\n")));
    ordner().schreiben(QStringLiteral("vorlagen/ZusatzTexte.str"),
                       w1252(QStringLiteral("Sonnstiges: ISBN:  3-\r\nMit Widmung\r\n")));
    starten();

    QComboBox* auf1 = cbo(QStringLiteral("cboAuforderung1"));
    QCOMPARE(eintraege(*auf1),
             (QStringList{QStringLiteral("Jetzt, bieten!"), QStringLiteral("Noch Fragen#")}));
    // The box shows its first entry decoded, so the escape never reaches the listing.
    QCOMPARE(auf1->currentText(), QStringLiteral("Jetzt, bieten!"));
    QCOMPARE(eintraege(*cbo(QStringLiteral("cboAuforderung2"))), QStringList{QStringLiteral("Viel Spaß")});
    QComboBox* zusatz = cbo(QStringLiteral("cboZusatzTexte"));
    QCOMPARE(eintraege(*zusatz),
             (QStringList{QStringLiteral("Sonnstiges: ISBN:  3-"), QStringLiteral("Mit Widmung")}));
    QCOMPARE(zusatz->currentText(), QStringLiteral("Wähle einen fertigen Beschreibungstext"));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmHaupt::aktualisieren_liestGeaenderteDateiNeu() {
    starten();
    ordner().schreiben(QStringLiteral("vorlagen/Aufforderung2.str"),
                       w1252(QStringLiteral("Neu A\r\nNeu B\r\n")));
    klicken(QStringLiteral("cmdAuforderung2Aktalisieren"));
    QCOMPARE(eintraege(*cbo(QStringLiteral("cboAuforderung2"))),
             (QStringList{QStringLiteral("Neu A"), QStringLiteral("Neu B")}));

    ordner().entfernen(QStringLiteral("vorlagen/Aufforderung2.str"));
    klicken(QStringLiteral("cmdAuforderung2Aktalisieren"));
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(cbo(QStringLiteral("cboAuforderung2"))->count(), 2);
}

void TestFrmHaupt::plusKnoepfe_oeffnenDateiImEditor_data() {
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("datei");
    QTest::newRow("Aufforderung1") << QStringLiteral("cmdAuforderung1Plus")
                                   << QStringLiteral("Aufforderung1.str");
    QTest::newRow("Aufforderung2") << QStringLiteral("cmdAuforderung2Plus")
                                   << QStringLiteral("Aufforderung2.str");
    QTest::newRow("ZusatzTexte") << QStringLiteral("cmdZusazttexteVerwalten")
                                 << QStringLiteral("ZusatzTexte.str");
}

void TestFrmHaupt::plusKnoepfe_oeffnenDateiImEditor() {
    QFETCH(QString, knopf);
    QFETCH(QString, datei);
    starten();
    plattform().vergessen();
    klicken(knopf);
    QCOMPARE(plattform().aufrufe.size(), 1);
    QCOMPARE(plattform().aufrufe.at(0).argumente.last(), ordner().daten(QStringLiteral("vorlagen/") + datei));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmHaupt::versandSchalter_zweiKlicks_stellenZustandUndFarbenWiederHer() {
    starten();
    auto* schalter = haupt<QCheckBox>(QStringLiteral("chkVersadInfoJa"));
    const QList<QWidget*> felder{
        cbo(QStringLiteral("cboVersandkosten")), cbo(QStringLiteral("cboPostHermes2")),
        haupt<QLabel>(QStringLiteral("Label30")), haupt<QLabel>(QStringLiteral("Label32"))};
    QList<bool> vorher;
    for (QWidget* w : felder) {
        vorher.append(w->isEnabled());
    }
    const QColor farbeVorher = hintergrund(felder.at(0));

    QTest::mouseClick(schalter, Qt::LeftButton);
    for (int i = 0; i < felder.size(); ++i) {
        QCOMPARE(felder.at(i)->isEnabled(), !vorher.at(i));
    }
    const QColor farbeDazwischen =
        felder.at(2)->isEnabled() ? QApplication::palette().color(QPalette::Base) : kGrau;
    QCOMPARE(hintergrund(felder.at(0)), farbeDazwischen);
    QCOMPARE(hintergrund(felder.at(1)), farbeDazwischen);

    QTest::mouseClick(schalter, Qt::LeftButton);
    for (int i = 0; i < felder.size(); ++i) {
        QCOMPARE(felder.at(i)->isEnabled(), vorher.at(i));
    }
    QCOMPARE(hintergrund(felder.at(0)), farbeVorher);
    QCOMPARE(hintergrund(felder.at(1)), farbeVorher);
}

void TestFrmHaupt::versandSchalter_waehrendStart_ohneWirkung_danachMitWirkung() {
    starten();
    auto* schalter = haupt<QCheckBox>(QStringLiteral("chkVersadInfoJa"));
    QComboBox* kosten = cbo(QStringLiteral("cboVersandkosten"));
    const bool vorher = kosten->isEnabled();

    app().zustand().startInArbeit = true;
    schalter->setChecked(!schalter->isChecked());
    QCOMPARE(kosten->isEnabled(), vorher);

    app().zustand().startInArbeit = false;
    schalter->setChecked(!schalter->isChecked());
    QCOMPARE(kosten->isEnabled(), !vorher);
    QCOMPARE(haupt<QLabel>(QStringLiteral("Label32"))->isEnabled(), !vorher);
}

void TestFrmHaupt::versandSchalter_imEntwurf_grauUndGesperrt() {
    starten();
    QVERIFY(!haupt<QCheckBox>(QStringLiteral("chkVersadInfoJa"))->isChecked());
    QVERIFY(!cbo(QStringLiteral("cboVersandkosten"))->isEnabled());
    QCOMPARE(hintergrund(cbo(QStringLiteral("cboVersandkosten"))), kGrau);
    QTest::mouseClick(haupt<QCheckBox>(QStringLiteral("chkVersadInfoJa")), Qt::LeftButton);
    QVERIFY(cbo(QStringLiteral("cboPostHermes2"))->isEnabled());
    QCOMPARE(hintergrund(cbo(QStringLiteral("cboPostHermes2"))),
             QApplication::palette().color(QPalette::Base));
}

namespace {

const QStringList kLeereTexte{QStringLiteral("txtArtikelBez"),      QStringLiteral("txtTitel"),
                              QStringLiteral("txtUntertittel"),     QStringLiteral("txtEbayBildPfad"),
                              QStringLiteral("txtEbayBildPfad_b"),  QStringLiteral("txtEbayBildPfad2"),
                              QStringLiteral("txtEbayBildPfad2_b"), QStringLiteral("txtEbayBildPfad2_c")};
// "Neu" puts every picture height back to what the start gives it.
const QStringList kEinsBoxen{QStringLiteral("txtBildHohe"), QStringLiteral("txtBildHohe_b"),
                             QStringLiteral("txtBildHohe2"), QStringLiteral("txtBildHohe2_b"),
                             QStringLiteral("txtBildHohe2_c")};
const QStringList kBreitenBoxen{QStringLiteral("txtBildLaenge"), QStringLiteral("txtBildLaenge_b"),
                                QStringLiteral("txtBildLaenge2"), QStringLiteral("txtBildLaenge2_b"),
                                QStringLiteral("txtBildLaenge2_c")};
// The widths go to the standard width, 400 here; the shipping cost stays.
const QStringList kBehalteneBoxen{QStringLiteral("txtBildLaenge"), QStringLiteral("txtBildLaenge2"),
                                  QStringLiteral("txtBildLaenge2_c"), QStringLiteral("cboVersandkosten")};

} // namespace

// Every article field gets a value, so that "Neu" has something to empty or keep.
void TestFrmHaupt::artikelFuellen() const {
    for (const QString& name : kLeereTexte) {
        haupt<QLineEdit>(name)->setText(QStringLiteral("Wert ") + name);
    }
    cbo(QStringLiteral("cboZus1"))->setCurrentText(QStringLiteral("4 TOP"));
    cbo(QStringLiteral("cboZus2"))->setCurrentText(QStringLiteral("09 Thriller"));
    for (const QString& name : kEinsBoxen + kBehalteneBoxen) {
        cbo(name)->setCurrentText(QStringLiteral("400"));
    }
    haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(QStringLiteral("<table>\r\n"));
    haupt<RichTextFeld>(QStringLiteral("rtfLink"))->setText(QStringLiteral("<a>\r\n"));
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("Beschreibung\r\n"));
    haupt<QLineEdit>(QStringLiteral("txtAufWasBiten"))->setText(QStringLiteral("ein Buch"));
    haupt<QLabel>(QStringLiteral("lblEbayName"))->setText(QStringLiteral("Hausverkauf-1"));
    for (const char* name :
         {"chkBil1JaNEin", "chkBil2JaNEin", "chkBil3JaNEin", "chkBil4JaNEin", "chkBil5JaNEin"}) {
        haupt<QCheckBox>(QString::fromLatin1(name))->setChecked(true);
    }
}

void TestFrmHaupt::neu_leertGenaudieArtikelfelder() {
    starten();
    artikelFuellen();
    neuMitJa();

    for (const QString& name : kLeereTexte) {
        QVERIFY2(haupt<QLineEdit>(name)->text().isEmpty(), qPrintable(name));
    }
    QCOMPARE(cbo(QStringLiteral("cboZus1"))->currentText(), QString());
    QCOMPARE(cbo(QStringLiteral("cboZus2"))->currentText(), QString());
    QCOMPARE(haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text(), QString());
    QCOMPARE(haupt<RichTextFeld>(QStringLiteral("rtfLink"))->text(), QString());
    for (const QString& name : kEinsBoxen) {
        QCOMPARE(cbo(name)->currentText(), QStringLiteral("1"));
    }
    cbo(QStringLiteral("txtBildLaenge_b"))->setCurrentText(QStringLiteral("250"));
    neuMitJa();
    for (const QString& name : kBreitenBoxen) {
        QCOMPARE(cbo(name)->currentText(), QStringLiteral("400"));
    }
    QVERIFY(!haupt<QCheckBox>(QStringLiteral("chkBil2JaNEin"))->isChecked());
    QVERIFY(!haupt<QCheckBox>(QStringLiteral("chkBil4JaNEin"))->isChecked());
    QVERIFY(!haupt<QCheckBox>(QStringLiteral("chkBil5JaNEin"))->isChecked());
    QCOMPARE(plattform().fenster.size(), 2);
}

void TestFrmHaupt::neu_behaeltListenUndAndereFelder() {
    starten();
    artikelFuellen();
    QStringList namen{QStringLiteral("cboZus1"),         QStringLiteral("cboZus2"),
                      QStringLiteral("cboAuforderung1"), QStringLiteral("cboAuforderung2"),
                      QStringLiteral("cboZusatzTexte"),  QStringLiteral("cboGutErhalten")};
    namen += kEinsBoxen + kBehalteneBoxen;
    QList<QStringList> listen;
    for (const QString& name : namen) {
        listen.append(eintraege(*cbo(name)));
    }
    neuMitJa();

    for (int i = 0; i < namen.size(); ++i) {
        QCOMPARE(eintraege(*cbo(namen.at(i))), listen.at(i));
    }
    for (const QString& name : kBehalteneBoxen) {
        QCOMPARE(cbo(name)->currentText(), QStringLiteral("400"));
    }
    // Re-applying the book category empties the description and the bidding line, as the menu does.
    QCOMPARE(haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(), QString());
    QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtAufWasBiten"))->text(), QString());
    QCOMPARE(haupt<QLabel>(QStringLiteral("lblEbayName"))->text(), QStringLiteral("Hausverkauf-1"));
    QVERIFY(haupt<QCheckBox>(QStringLiteral("chkBil1JaNEin"))->isChecked());
    QVERIFY(haupt<QCheckBox>(QStringLiteral("chkBil3JaNEin"))->isChecked());
}

void TestFrmHaupt::neu_ueberMenue_wieKnopf() {
    starten();
    artikelFuellen();
    neuMitJa(QStringLiteral("mnuDateiNeu"));
    QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), QString());
    QCOMPARE(cbo(QStringLiteral("txtBildHohe2_b"))->currentText(), QStringLiteral("1"));
}

void TestFrmHaupt::kommaAnzahl_zeigtAnzahlMitTitel() {
    starten();
    plattform().vergessen();
    app().zustand().ErsetztAnzahl = 7;
    menue(fenster(), QStringLiteral("mnuanzKommas"));
    QCOMPARE(plattform().fenster.size(), 1);
    const SkriptPlattform::Fenster& f = plattform().fenster.at(0);
    QCOMPARE(f.text,
             QStringLiteral("Anzeige der Anzahl der beim speichern gefundenen und ersätzten Kommas.\r\n7"));
    QCOMPARE(f.titel, QStringLiteral("Anzahl der ersetzten Kommas"));
    QCOMPARE(f.knoepfe, Plattform::Knoepfe::Ok);
}

void TestFrmHaupt::nachDemVerkauf_meldung1MitLeeremText() {
    starten();
    menue(fenster(), QStringLiteral("mnuNachdemVerk"));
    QCOMPARE(plattform().meldungstexte(), QStringList{QStringLiteral("\r\nFunktion in Vorbereitung")});
}

// The track-list button is there only for a CD.
void TestFrmHaupt::songs_inVorbereitung() {
    starten();
    menue(fenster(), QStringLiteral("mnuVorlCD_MC"));
    klicken(QStringLiteral("cmdSongs"));
    QCOMPARE(plattform().meldungstexte(), QStringList{QStringLiteral("Funktion in Vorbereitung")});
}

void TestFrmHaupt::fertigerArtikel() const {
    menue(fenster(), QStringLiteral("mnuOhneBild"));
    haupt<QCheckBox>(QStringLiteral("chkBil3JaNEin"))->setChecked(false);
    hineinklicken(fenster(), QStringLiteral("txtArtikelBez"));
    tippen(QStringLiteral("Der stille See Roman"));
    haupt<QLineEdit>(QStringLiteral("txtTitel"))->setText(QStringLiteral("Der stille See"));
    haupt<QLineEdit>(QStringLiteral("txtAufWasBiten"))->setText(QStringLiteral("ein Buch"));
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("Gut erhalten."));
}

void TestFrmHaupt::beenden_ungespeichert_fragt_data() {
    QTest::addColumn<bool>("perMenue");
    QTest::addColumn<bool>("geaendert");
    QTest::addColumn<Plattform::Antwort>("antwort");
    QTest::newRow("Rahmen, nichts geändert") << false << false << Plattform::Antwort::Ok;
    QTest::newRow("Menü, nichts geändert") << true << false << Plattform::Antwort::Ok;
    QTest::newRow("Rahmen, Nein beendet") << false << true << Plattform::Antwort::Nein;
    QTest::newRow("Menü, Abbrechen bleibt") << true << true << Plattform::Antwort::Abbrechen;
    QTest::newRow("Rahmen, Ja stellt fertig") << false << true << Plattform::Antwort::Ja;
    QTest::newRow("Menü, Ja stellt fertig") << true << true << Plattform::Antwort::Ja;
}

void TestFrmHaupt::beenden_ungespeichert_fragt() {
    QFETCH(bool, perMenue);
    QFETCH(bool, geaendert);
    QFETCH(Plattform::Antwort, antwort);
    starten();
    if (geaendert) {
        fertigerArtikel();
        plattform().antworten.enqueue(antwort);
    }
    if (perMenue) {
        menue(fenster(), QStringLiteral("mnuBeenden"));
    } else {
        fenster().close();
    }
    QCOMPARE(plattform().meldungstexte(),
             geaendert ? QStringList{u"Der Artikel ist noch nicht gespeichert. Vor dem Beenden speichern?"_s}
                       : QStringList());
    QCOMPARE(fenster().isVisible(), geaendert && antwort != Plattform::Antwort::Nein);
    QCOMPARE(app().frmVorlSpeichern().isVisible(), antwort == Plattform::Antwort::Ja);
    if (geaendert) {
        QCOMPARE(plattform().fenster.at(0).knoepfe, Plattform::Knoepfe::JaNeinAbbrechen);
        QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(),
                 QStringLiteral("Der stille See Roman"));
    }
}

void TestFrmHaupt::ungespeichert_jeAenderung_data() {
    QTest::addColumn<QString>("aenderung");
    QTest::addColumn<bool>("ungespeichert");
    QTest::newRow("nichts") << "" << false;
    QTest::newRow("Bezeichnung getippt") << "Bezeichnung" << true;
    QTest::newRow("getippt, dann Neu") << "Neu" << false;
    QTest::newRow("Buchfenster nur angesehen") << "BuchAnsehen" << false;
    QTest::newRow("Seitenzahl im Buchfenster") << "Buchwert" << true;
    QTest::newRow("Hersteller übernommen") << "Kleidungswert" << true;
}

// Whatever the seller changes in the article, in the main or a detail window, counts; looking does not.
void TestFrmHaupt::ungespeichert_jeAenderung() {
    QFETCH(QString, aenderung);
    QFETCH(bool, ungespeichert);
    starten();
    menue(fenster(), QStringLiteral("mnuVorlBuch"));
    klicken(QStringLiteral("cmdNeu"));
    if (aenderung == QLatin1String("Bezeichnung") || aenderung == QLatin1String("Neu")) {
        hineinklicken(fenster(), QStringLiteral("txtArtikelBez"));
        tippen(QStringLiteral("Der stille See"));
    }
    if (aenderung == QLatin1String("Neu")) {
        neuMitJa();
    } else if (aenderung.startsWith(QLatin1String("Buch"))) {
        seite(QStringLiteral("Beschreibung"));
        klicken(QStringLiteral("cmdBuchBeschr"));
        if (aenderung == QLatin1String("Buchwert")) {
            hineinklicken(app().frmBuch(), QStringLiteral("Text2_5"));
            tippen(QStringLiteral("312"));
        }
        app().frmBuch().close();
    } else if (aenderung.startsWith(QLatin1String("Kleidung"))) {
        menue(fenster(), QStringLiteral("mnuVorlKleid"));
        neuMitJa();
        seite(QStringLiteral("Beschreibung"));
        klicken(QStringLiteral("cmdKleidungBeschreibung"));
        element<QComboBox>(app().frmKleidung(), QStringLiteral("cboFirmawehlen"))
            ->setCurrentText(QStringLiteral("ESPRIT"));
        klicken(app().frmKleidung(), QStringLiteral("cmdubernehmen"));
        plattform().vergessen();
    }
    QCOMPARE(app().artikelUngespeichert(), ungespeichert);
}

// "Neu" gives up everything of the article: its next file is the one a fresh start would write.
void TestFrmHaupt::neu_naechsterArtikelHaeltNichtsVomVorigen() {
    starten();
    menue(fenster(), QStringLiteral("mnuVorlBuch"));
    klicken(QStringLiteral("cmdNeu"));
    const QString frisch = ArtikelTextBilden(app());
    const QStringList kleidungFrisch = app().frmKleidung().artikelwerte();

    seite(QStringLiteral("Bilder"));
    haupt<QCheckBox>(QStringLiteral("chkArtBezAutom"))->setChecked(false);
    for (const char* knopf : {"cmdSuchenBildOben1", "cmdSuchenBildUnten1"}) {
        plattform().dateien.enqueue(
            foto(ordner(), QString::fromLatin1(knopf) + QStringLiteral(".jpg"), 800, 600));
        klicken(QString::fromLatin1(knopf));
    }
    cbo(QStringLiteral("txtBildHohe2_c"))->setCurrentText(QStringLiteral("300"));
    seite(QStringLiteral("Beschreibung"));
    klicken(QStringLiteral("cmdBuchBeschr"));
    FrmBuch& buch = app().frmBuch();
    element<QComboBox>(buch, QStringLiteral("cboSprache"))->setCurrentText(QStringLiteral("Englisch"));
    element<QComboBox>(buch, QStringLiteral("cboFirmawehlen"))->setCurrentText(QStringLiteral("Diogenes"));
    klicken(buch, QStringLiteral("cmdubernehmen"));
    element<QCheckBox>(buch, QStringLiteral("Chk1"))->setChecked(true);
    buch.close();
    element<QLineEdit>(app().frmKleidung(), QStringLiteral("Text2_0"))->setText(QStringLiteral("ESPRIT"));
    app().zustand().RegisterEintrag = QStringLiteral("Frueher~1__85?Leseratte.ebay");
    QVERIFY(ArtikelTextBilden(app()) != frisch);

    neuMitJa();
    QCOMPARE(ArtikelTextBilden(app()), frisch);
    QCOMPARE(app().frmKleidung().artikelwerte(), kleidungFrisch);
    QVERIFY(!haupt<BildFeld>(QStringLiteral("picFoto1"))->hatBild());
    QVERIFY(app().zustand().RegisterEintrag.isEmpty());
    QVERIFY(!app().artikelUngespeichert());
}

void TestFrmHaupt::ersetzen_ungespeichert_fragtErst_data() {
    QTest::addColumn<QString>("weg");
    QTest::addColumn<Plattform::Antwort>("antwort");
    using enum Plattform::Antwort;
    QTest::newRow("Neu, Nein") << u"cmdNeu"_s << Nein;
    QTest::newRow("Menü Neu, Ja") << u"mnuDateiNeu"_s << Ja;
    QTest::newRow("Bibliothek, Nein") << u"cmdHauptliste"_s << Nein;
    QTest::newRow("Register, Nein") << u"cmdnochnichtAnzeig"_s << Nein;
    QTest::newRow("komplett, Nein") << u"mnuArtEinlesenkompl"_s << Nein;
    QTest::newRow("komplett, Ja") << u"mnuArtEinlesenkompl"_s << Ja;
}

// Every road that puts another article in place of a typed one asks first; "Nein" changes nothing.
void TestFrmHaupt::ersetzen_ungespeichert_fragtErst() {
    QFETCH(QString, weg);
    QFETCH(Plattform::Antwort, antwort);
    const QString datei = u"Gelesen~1,85#Hans.ebay"_s;
    ordner().schreiben(u"Artikeln-Txt/"_s + datei,
                       w1252(u"*ArtBez=Gelesen\r\n*ArtBeschreibung=\r\nText\r\n"_s));
    ordner().schreiben(u"vorlagen/NochNichtEingestellt.txt"_s, w1252(u"Gelesen~1__85?Hans.ebay\r\n"_s));
    starten();
    hineinklicken(fenster(), u"txtArtikelBez"_s);
    tippen(u"Der stille See"_s);
    haupt<RichTextFeld>(u"rtfInhaltAuto"_s)->setText(u"<table>alt</table>"_s);
    app().zustand().RegisterEintrag = u"Frueher.ebay"_s;
    plattform().vergessen();
    plattform().antworten.enqueue(antwort);
    plattform().dateien.enqueue(ordner().daten(u"Artikeln-Txt/"_s + datei));
    if (weg.startsWith(u"mnu")) {
        menue(fenster(), weg);
    } else if (weg == u"cmdNeu") {
        klicken(weg);
    } else {
        seite(u"Dateiliste"_s);
        klicken(weg);
        auto* liste = haupt<QListWidget>(u"lstDateien"_s);
        const QList<QListWidgetItem*> gefunden = liste->findItems(datei, Qt::MatchExactly);
        QVERIFY2(gefunden.size() == 1, qPrintable(eintraege(*liste).join(u" | "_s)));
        zeileWaehlen(*liste, liste->row(gefunden.first()));
        klicken(u"cmdDateiEinlesen"_s);
    }

    const bool neu = weg.endsWith(u"Neu");
    QCOMPARE(plattform().meldungstexte(),
             QStringList{neu ? u"Der Artikel ist noch nicht gespeichert. Trotzdem "
                               u"einen neuen Artikel beginnen?"_s
                             : u"Der Artikel ist noch nicht gespeichert. Trotzdem "
                               u"einen anderen Artikel einlesen?"_s});
    QCOMPARE(plattform().fenster.at(0).knoepfe, Plattform::Knoepfe::JaNein);
    const bool ja = antwort == Plattform::Antwort::Ja;
    QCOMPARE(haupt<QLineEdit>(u"txtArtikelBez"_s)->text(),
             ja ? (neu ? QString() : u"Gelesen"_s) : u"Der stille See"_s);
    // Neither road keeps the table of the article given up; the one read has none of its own.
    QCOMPARE(haupt<RichTextFeld>(u"rtfInhaltAuto"_s)->text(), ja ? QString() : u"<table>alt</table>"_s);
    QCOMPARE(app().zustand().RegisterEintrag, ja ? QString() : u"Frueher.ebay"_s);
    QCOMPARE(app().artikelUngespeichert(), !ja);
    plattform().dateien.clear();
}

QTEST_MAIN(TestFrmHaupt)
#include "tst_frmhaupt.moc"
