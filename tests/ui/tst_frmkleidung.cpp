#include "config/Ini.h"
#include "core/Meldungen.h"
#include "support/FensterTest.h"
#include "ui/RichTextFeld.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestFrmKleidung : public FensterTest {
    Q_OBJECT
private slots:
    void init();
    void laden_startzustand();
    void materialNeuLaden_zweimal_prozenteDoppelt();
    void materialSchalter_kippt();
    void neu_dreiAngabenOhneMaterial_meldet();
    void neu_zweiAngabenMitMaterial_speichernFrei();
    void materialOhneProzent_meldetOhneTitel();
    void materialien124_inZelle();
    void zeigen_sperrtSpeichern();
    void rueckkehrVonAnderemFenster_laesstSpeichernFrei();
    void speichern_schreibtDateiUndVersteckt();
    void speichernZweimal_ersetztTabelle();
    void zeigen_uebernimmtBezeichnung();
    void schliessen_verstecktUndBehaeltFelder();
    void breite_mehrUndSchliessen();

private:
    FrmKleidung& fenster() const { return app().frmKleidung(); }
    template <class T> T* feld(const QString& name) const { return element<T>(fenster(), name); }
    QLineEdit* wert(int i) const { return feld<QLineEdit>(QStringLiteral("Text2_%1").arg(i)); }
    QComboBox* box(const QString& name) const { return feld<QComboBox>(name); }
    QComboBox* material(int k) const { return box(QStringLiteral("cboMaterialWehlen%1").arg(k)); }
    QComboBox* prozent(int k) const { return box(QStringLiteral("cboProz%1").arg(k)); }
    QCheckBox* kaestchen(int k) const { return feld<QCheckBox>(QStringLiteral("chkMaterial%1").arg(k)); }
    QPushButton* speichern() const { return feld<QPushButton>(QStringLiteral("cmdSpeichKleidBeschr")); }
    QString inhaltAuto() const { return haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text(); }
    // The window as the main window's button shows it; a shown window stays as it is.
    void druecken(const QString& knopf) const {
        if (!fenster().isVisible()) {
            fenster().show();
        }
        klicken(fenster(), knopf);
    }

    void herstellerGroesse() const {
        box(QStringLiteral("cboFirmawehlen"))->setCurrentText(QStringLiteral("H&M"));
        box(QStringLiteral("cboGrosseWehlen"))->setCurrentText(QStringLiteral("98"));
    }
};

void TestFrmKleidung::init() {
    FensterTest::init();
    ordner().schreiben(QStringLiteral("vorlagen/MaterialKleidung.str"),
                       w1252(QStringLiteral("Baumwolle\r\nElasthan\r\nPolyester\r\nSeide\r\nWolle\r\n")));
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Kleid rot Gr. 98"));
    druecken(QStringLiteral("cmdMaterialKleidungAktuall"));
}

void TestFrmKleidung::laden_startzustand() {
    QCOMPARE(fenster().windowTitle(), QStringLiteral("Kleidung-Beschreibung"));
    QCOMPARE(wert(5)->text(), QStringLiteral("ohne Angaben"));
    QCOMPARE(feld<QLineEdit>(QStringLiteral("Text1_1"))->text(), QStringLiteral("Größe:"));
    QCOMPARE(box(QStringLiteral("cboFirmawehlen"))->currentText(), QStringLiteral("Hersteller wählen"));
    QCOMPARE(box(QStringLiteral("cboZustandWehlen"))->currentText(), KleidungPlatzhalter(7));
    QCOMPARE(material(3)->currentText(), QStringLiteral("Material wählen"));
    QCOMPARE(material(3)->count(), 5);
    QCOMPARE(kaestchen(2)->text(), QStringLiteral("Check1"));
    QVERIFY(kaestchen(2)->isEnabled());
    QVERIFY(!kaestchen(3)->isEnabled());
    QVERIFY(!material(2)->isEnabled());
    QVERIFY(!speichern()->isEnabled());
    QCOMPARE(feld<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), QStringLiteral("Kleid rot Gr. 98"));
}

void TestFrmKleidung::materialNeuLaden_zweimal_prozenteDoppelt() {
    druecken(QStringLiteral("cmdMaterialKleidungAktuall"));
    QCOMPARE(prozent(1)->count(), 202);
    QCOMPARE(prozent(1)->itemText(0), QStringLiteral(" "));
    QCOMPARE(prozent(1)->itemText(101), QStringLiteral(" "));
    for (int k = 2; k <= 5; ++k) {
        QCOMPARE(prozent(k)->count(), 200);
        QCOMPARE(prozent(k)->itemText(99), QStringLiteral("100"));
        QCOMPARE(prozent(k)->itemText(100), QStringLiteral("1"));
        QCOMPARE(prozent(k)->currentText(), QStringLiteral("%"));
    }
    QCOMPARE(material(1)->count(), 5);
}

void TestFrmKleidung::materialSchalter_kippt() {
    kaestchen(2)->setChecked(true);
    QVERIFY(wert(10)->isEnabled());
    QVERIFY(material(2)->isEnabled());
    QVERIFY(prozent(2)->isEnabled());
    QVERIFY(kaestchen(3)->isEnabled());
    kaestchen(2)->setChecked(false);
    QVERIFY(!wert(10)->isEnabled());
    QVERIFY(!material(2)->isEnabled());
    QVERIFY(kaestchen(3)->isEnabled());
}

void TestFrmKleidung::neu_dreiAngabenOhneMaterial_meldet() {
    druecken(QStringLiteral("cmdLoschen"));
    herstellerGroesse();
    box(QStringLiteral("cboFarbewehlen"))->setCurrentText(QStringLiteral("rot"));
    druecken(QStringLiteral("cmdubernehmen"));
    QCOMPARE(plattform().meldungstexte(), QStringList{kZuWenigKleidungAngaben});
    QCOMPARE(plattform().fenster.at(0).titel, QStringLiteral("ACHTUNG!"));
    QVERIFY(!speichern()->isEnabled());
    QCOMPARE(wert(2)->text(), QStringLiteral("rot"));
}

void TestFrmKleidung::neu_zweiAngabenMitMaterial_speichernFrei() {
    druecken(QStringLiteral("cmdLoschen"));
    herstellerGroesse();
    material(1)->setCurrentText(QStringLiteral("Baumwolle"));
    prozent(1)->setCurrentText(QStringLiteral(" "));
    druecken(QStringLiteral("cmdubernehmen"));
    QVERIFY(plattform().fenster.isEmpty());
    QVERIFY(speichern()->isEnabled());
    QCOMPARE(wert(5)->text(), QStringLiteral("Baumwolle"));
}

void TestFrmKleidung::materialOhneProzent_meldetOhneTitel() {
    herstellerGroesse();
    material(1)->setCurrentText(QStringLiteral("Baumwolle"));
    druecken(QStringLiteral("cmdubernehmen"));
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(plattform().fenster.at(0).text, QStringLiteral("Falsche Prozentangaben im Material"));
    QCOMPARE(plattform().fenster.at(0).symbol, Plattform::Symbol::Kritisch);
    QCOMPARE(plattform().fenster.at(0).titel, kProgrammTitel);
    QCOMPARE(wert(0)->text(), QStringLiteral("H&M"));
    QVERIFY(!speichern()->isEnabled());
}

void TestFrmKleidung::materialien124_inZelle() {
    herstellerGroesse();
    kaestchen(2)->setChecked(true);
    kaestchen(3)->setChecked(true);
    kaestchen(4)->setChecked(true);
    kaestchen(3)->setChecked(false);
    const QList<std::pair<int, QString>> wahl{{1, QStringLiteral("80")},
                                              {2, QStringLiteral("15")},
                                              {3, QStringLiteral("3")},
                                              {4, QStringLiteral("2")}};
    const QStringList namen{QStringLiteral("Baumwolle"), QStringLiteral("Elasthan"), QStringLiteral("Wolle"),
                            QStringLiteral("Seide")};
    for (const auto& [k, p] : wahl) {
        material(k)->setCurrentText(namen.at(k - 1));
        prozent(k)->setCurrentText(p);
    }
    druecken(QStringLiteral("cmdubernehmen"));
    QCOMPARE(wert(11)->text(), QStringLiteral("Wolle - 3%"));
    druecken(QStringLiteral("cmdSpeichKleidBeschr"));
    QVERIFY(inhaltAuto().contains(
        QStringLiteral("\r\nBaumwolle - 80%<br>Elasthan - 15%<br>Seide - 2%<br></td>\r\n")));
    QVERIFY(!inhaltAuto().contains(QStringLiteral("Wolle - 3%")));
}

void TestFrmKleidung::zeigen_sperrtSpeichern() {
    fenster().show();
    herstellerGroesse();
    material(1)->setCurrentText(QStringLiteral("Seide"));
    prozent(1)->setCurrentText(QStringLiteral("100"));
    druecken(QStringLiteral("cmdubernehmen"));
    QVERIFY(speichern()->isEnabled());
    fenster().hide();
    fenster().show();
    QVERIFY(!speichern()->isEnabled());
}

void TestFrmKleidung::rueckkehrVonAnderemFenster_laesstSpeichernFrei() {
    fenster().show();
    herstellerGroesse();
    material(1)->setCurrentText(QStringLiteral("Seide"));
    prozent(1)->setCurrentText(QStringLiteral("100"));
    druecken(QStringLiteral("cmdubernehmen"));
    // A message box or another program closing gives the window the focus back.
    QEvent aktiviert(QEvent::WindowActivate);
    QApplication::sendEvent(&fenster(), &aktiviert);
    QVERIFY(speichern()->isEnabled());
}

void TestFrmKleidung::speichern_schreibtDateiUndVersteckt() {
    fenster().show();
    herstellerGroesse();
    material(1)->setCurrentText(QStringLiteral("Baumwolle"));
    prozent(1)->setCurrentText(QStringLiteral("95"));
    druecken(QStringLiteral("cmdubernehmen"));
    druecken(QStringLiteral("cmdSpeichKleidBeschr"));
    QVERIFY(!fenster().isVisible());
    QVERIFY(plattform().fenster.isEmpty());
    const QString datei = ordner().daten(QStringLiteral("Artikel-Beschreibung/Kleid rot Gr. 98.ini"));
    QCOMPARE(app().zustand().beschreibungsDateiPfad, datei);
    QCOMPARE(IniLesen(datei, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL1")), QStringLiteral("H&M"));
    QCOMPARE(IniLesen(datei, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL6")),
             QStringLiteral("Baumwolle - 95%"));
    QVERIFY(inhaltAuto().contains(QStringLiteral("<!---6--->\r\nMaterial:")));
}

// Each showing locks the save button until "Übernehmen"; a second save is a second showing, and
// its table takes the place of the first.
void TestFrmKleidung::speichernZweimal_ersetztTabelle() {
    haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(QStringLiteral("vorher\r\n"));
    herstellerGroesse();
    material(1)->setCurrentText(QStringLiteral("Seide"));
    prozent(1)->setCurrentText(QStringLiteral("100"));
    const auto zeigenUndSpeichern = [this] {
        fenster().show();
        druecken(QStringLiteral("cmdubernehmen"));
        druecken(QStringLiteral("cmdSpeichKleidBeschr"));
    };
    zeigenUndSpeichern();
    const QString tabelle = inhaltAuto();
    QVERIFY(tabelle.startsWith(QStringLiteral("<table width=\"70%\" border=\"0\">\r\n")));
    QVERIFY(tabelle.contains(QStringLiteral("Seide - 100%")));
    zeigenUndSpeichern();
    QCOMPARE(inhaltAuto(), tabelle);
}

void TestFrmKleidung::zeigen_uebernimmtBezeichnung() {
    fenster().close();
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Hose blau"));
    fenster().show();
    QCOMPARE(feld<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), QStringLiteral("Hose blau"));
}

void TestFrmKleidung::schliessen_verstecktUndBehaeltFelder() {
    fenster().show();
    wert(3)->setText(QStringLiteral("Gestreift"));
    QVERIFY(!fenster().close());
    QVERIFY(!fenster().isVisible());
    QCOMPARE(wert(3)->text(), QStringLiteral("Gestreift"));
}

void TestFrmKleidung::breite_mehrUndSchliessen() {
    fenster().show();
    QTest::mouseClick(feld<QLabel>(QStringLiteral("Label2")), Qt::LeftButton);
    QCOMPARE(fenster().width(), 709);
    QTest::mouseClick(feld<QLabel>(QStringLiteral("Label3")), Qt::LeftButton);
    QCOMPARE(fenster().width(), 575);
}

QTEST_MAIN(TestFrmKleidung)
#include "tst_frmkleidung.moc"
