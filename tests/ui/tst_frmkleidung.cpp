#include "config/Ini.h"
#include "core/Meldungen.h"
#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/RichTextFeld.h"
#include "ui/Steuerelemente.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct Umgebung {
    TestOrdner ordner;
    SkriptPlattform plattform;
    Anwendung app{ordner.programmordner(), plattform};

    Umgebung() {
        ordner.schreiben(QStringLiteral("vorlagen/MaterialKleidung.str"),
                         w1252(QStringLiteral("Baumwolle\r\nElasthan\r\nPolyester\r\nSeide\r\nWolle\r\n")));
        haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Kleid rot Gr. 98"));
        fenster().cmdMaterialKleidungAktuall_Click();
    }
    template <class T> T* haupt(const QString& name) { return element<T>(&app.frmHaupt(), name); }
    FrmKleidung& fenster() { return app.frmKleidung(); }
    template <class T> T* feld(const QString& name) { return fenster().findChild<T*>(name); }
    QLineEdit* wert(int i) { return feld<QLineEdit>(QStringLiteral("Text2_%1").arg(i)); }
    QComboBox* box(const QString& name) { return feld<QComboBox>(name); }
    QComboBox* material(int k) { return box(QStringLiteral("cboMaterialWehlen%1").arg(k)); }
    QComboBox* prozent(int k) { return box(QStringLiteral("cboProz%1").arg(k)); }
    QCheckBox* kaestchen(int k) { return feld<QCheckBox>(QStringLiteral("chkMaterial%1").arg(k)); }
    QPushButton* speichern() { return feld<QPushButton>(QStringLiteral("cmdSpeichKleidBeschr")); }
    QString inhaltAuto() { return haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text(); }

    void herstellerGroesse() {
        box(QStringLiteral("cboFirmawehlen"))->setCurrentText(QStringLiteral("H&M"));
        box(QStringLiteral("cboGrosseWehlen"))->setCurrentText(QStringLiteral("98"));
    }
};

} // namespace

class TestFrmKleidung : public QObject {
    Q_OBJECT
private slots:
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
    void speichernZweimal_haengtZweimalAn();
    void zeigen_uebernimmtBezeichnung();
    void schliessen_verstecktUndBehaeltFelder();
    void breite_mehrUndSchliessen();
};

void TestFrmKleidung::laden_startzustand() {
    Umgebung u;
    QCOMPARE(u.fenster().windowTitle(), QStringLiteral("Kleidung-Beschreibung"));
    QCOMPARE(u.wert(5)->text(), QStringLiteral("ohne Angaben"));
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("Text1_1"))->text(), QStringLiteral("Größe:"));
    QCOMPARE(u.box(QStringLiteral("cboFirmawehlen"))->currentText(), QStringLiteral("Hersteller wählen"));
    QCOMPARE(u.box(QStringLiteral("cboZustandWehlen"))->currentText(), KleidungPlatzhalter(7));
    QCOMPARE(u.material(3)->currentText(), QStringLiteral("Material wählen"));
    QCOMPARE(u.material(3)->count(), 5);
    QCOMPARE(u.kaestchen(2)->text(), QStringLiteral("Check1"));
    QVERIFY(u.kaestchen(2)->isEnabled());
    QVERIFY(!u.kaestchen(3)->isEnabled());
    QVERIFY(!u.material(2)->isEnabled());
    QVERIFY(!u.speichern()->isEnabled());
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), QStringLiteral("Kleid rot Gr. 98"));
}

void TestFrmKleidung::materialNeuLaden_zweimal_prozenteDoppelt() {
    Umgebung u;
    u.fenster().cmdMaterialKleidungAktuall_Click();
    QCOMPARE(u.prozent(1)->count(), 202);
    QCOMPARE(u.prozent(1)->itemText(0), QStringLiteral(" "));
    QCOMPARE(u.prozent(1)->itemText(101), QStringLiteral(" "));
    for (int k = 2; k <= 5; ++k) {
        QCOMPARE(u.prozent(k)->count(), 200);
        QCOMPARE(u.prozent(k)->itemText(99), QStringLiteral("100"));
        QCOMPARE(u.prozent(k)->itemText(100), QStringLiteral("1"));
        QCOMPARE(u.prozent(k)->currentText(), QStringLiteral("%"));
    }
    QCOMPARE(u.material(1)->count(), 5);
}

void TestFrmKleidung::materialSchalter_kippt() {
    Umgebung u;
    u.kaestchen(2)->setChecked(true);
    QVERIFY(u.wert(10)->isEnabled());
    QVERIFY(u.material(2)->isEnabled());
    QVERIFY(u.prozent(2)->isEnabled());
    QVERIFY(u.kaestchen(3)->isEnabled());
    u.kaestchen(2)->setChecked(false);
    QVERIFY(!u.wert(10)->isEnabled());
    QVERIFY(!u.material(2)->isEnabled());
    QVERIFY(u.kaestchen(3)->isEnabled());
}

void TestFrmKleidung::neu_dreiAngabenOhneMaterial_meldet() {
    Umgebung u;
    u.fenster().cmdLoschen_Click();
    u.herstellerGroesse();
    u.box(QStringLiteral("cboFarbewehlen"))->setCurrentText(QStringLiteral("rot"));
    u.fenster().cmdubernehmen_Click();
    QCOMPARE(u.plattform.meldungstexte(), QStringList{kZuWenigKleidungAngaben});
    QCOMPARE(u.plattform.fenster.at(0).titel, QStringLiteral("ACHTUNG!"));
    QVERIFY(!u.speichern()->isEnabled());
    QCOMPARE(u.wert(2)->text(), QStringLiteral("rot"));
}

void TestFrmKleidung::neu_zweiAngabenMitMaterial_speichernFrei() {
    Umgebung u;
    u.fenster().cmdLoschen_Click();
    u.herstellerGroesse();
    u.material(1)->setCurrentText(QStringLiteral("Baumwolle"));
    u.prozent(1)->setCurrentText(QStringLiteral(" "));
    u.fenster().cmdubernehmen_Click();
    QVERIFY(u.plattform.fenster.isEmpty());
    QVERIFY(u.speichern()->isEnabled());
    QCOMPARE(u.wert(5)->text(), QStringLiteral("Baumwolle"));
}

void TestFrmKleidung::materialOhneProzent_meldetOhneTitel() {
    Umgebung u;
    u.herstellerGroesse();
    u.material(1)->setCurrentText(QStringLiteral("Baumwolle"));
    u.fenster().cmdubernehmen_Click();
    QCOMPARE(u.plattform.fenster.size(), 1);
    QCOMPARE(u.plattform.fenster.at(0).text, QStringLiteral("Falsche Prozentangaben im Material"));
    QCOMPARE(u.plattform.fenster.at(0).symbol, Plattform::Symbol::Kritisch);
    QCOMPARE(u.plattform.fenster.at(0).titel, kProgrammTitel);
    QCOMPARE(u.wert(0)->text(), QStringLiteral("H&M"));
    QVERIFY(!u.speichern()->isEnabled());
}

void TestFrmKleidung::materialien124_inZelle() {
    Umgebung u;
    u.herstellerGroesse();
    u.kaestchen(2)->setChecked(true);
    u.kaestchen(3)->setChecked(true);
    u.kaestchen(4)->setChecked(true);
    u.kaestchen(3)->setChecked(false);
    const QList<std::pair<int, QString>> wahl{{1, QStringLiteral("80")},
                                              {2, QStringLiteral("15")},
                                              {3, QStringLiteral("3")},
                                              {4, QStringLiteral("2")}};
    const QStringList namen{QStringLiteral("Baumwolle"), QStringLiteral("Elasthan"), QStringLiteral("Wolle"),
                            QStringLiteral("Seide")};
    for (const auto& [k, p] : wahl) {
        u.material(k)->setCurrentText(namen.at(k - 1));
        u.prozent(k)->setCurrentText(p);
    }
    u.fenster().cmdubernehmen_Click();
    QCOMPARE(u.wert(11)->text(), QStringLiteral("Wolle - 3%"));
    u.fenster().cmdSpeichKleidBeschr_Click();
    QVERIFY(u.inhaltAuto().contains(
        QStringLiteral("\r\nBaumwolle - 80%<br>Elasthan - 15%<br>Seide - 2%<br></td>\r\n")));
    QVERIFY(!u.inhaltAuto().contains(QStringLiteral("Wolle - 3%")));
}

void TestFrmKleidung::zeigen_sperrtSpeichern() {
    Umgebung u;
    u.fenster().show();
    u.herstellerGroesse();
    u.material(1)->setCurrentText(QStringLiteral("Seide"));
    u.prozent(1)->setCurrentText(QStringLiteral("100"));
    u.fenster().cmdubernehmen_Click();
    QVERIFY(u.speichern()->isEnabled());
    u.fenster().hide();
    u.fenster().show();
    QVERIFY(!u.speichern()->isEnabled());
}

void TestFrmKleidung::rueckkehrVonAnderemFenster_laesstSpeichernFrei() {
    Umgebung u;
    u.fenster().show();
    u.herstellerGroesse();
    u.material(1)->setCurrentText(QStringLiteral("Seide"));
    u.prozent(1)->setCurrentText(QStringLiteral("100"));
    u.fenster().cmdubernehmen_Click();
    // A message box or another program closing gives the window the focus back.
    QEvent aktiviert(QEvent::WindowActivate);
    QApplication::sendEvent(&u.fenster(), &aktiviert);
    QVERIFY(u.speichern()->isEnabled());
}

void TestFrmKleidung::speichern_schreibtDateiUndVersteckt() {
    Umgebung u;
    u.fenster().show();
    u.herstellerGroesse();
    u.material(1)->setCurrentText(QStringLiteral("Baumwolle"));
    u.prozent(1)->setCurrentText(QStringLiteral("95"));
    u.fenster().cmdubernehmen_Click();
    u.speichern()->click();
    QVERIFY(!u.fenster().isVisible());
    QVERIFY(u.plattform.fenster.isEmpty());
    const QString datei = u.ordner.daten(QStringLiteral("Artikel-Beschreibung/Kleid rot Gr. 98.ini"));
    QCOMPARE(u.app.zustand().beschreibungsDateiPfad, datei);
    QCOMPARE(IniLesen(datei, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL1")), QStringLiteral("H&M"));
    QCOMPARE(IniLesen(datei, QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL6")),
             QStringLiteral("Baumwolle - 95%"));
    QVERIFY(u.inhaltAuto().contains(QStringLiteral("<!---6--->\r\nMaterial:")));
}

void TestFrmKleidung::speichernZweimal_haengtZweimalAn() {
    Umgebung u;
    u.haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(QStringLiteral("vorher\r\n"));
    u.fenster().cmdSpeichKleidBeschr_Click();
    const QString einmal = u.inhaltAuto();
    u.fenster().cmdSpeichKleidBeschr_Click();
    const QString tabelle = einmal.mid(8);
    QVERIFY(tabelle.startsWith(QStringLiteral("<table width=\"70%\" border=\"0\">\r\n")));
    QCOMPARE(u.inhaltAuto(), QStringLiteral("vorher\r\n") + tabelle + tabelle);
}

void TestFrmKleidung::zeigen_uebernimmtBezeichnung() {
    Umgebung u;
    u.haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Hose blau"));
    u.fenster().show();
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), QStringLiteral("Hose blau"));
}

void TestFrmKleidung::schliessen_verstecktUndBehaeltFelder() {
    Umgebung u;
    u.fenster().show();
    u.wert(3)->setText(QStringLiteral("Gestreift"));
    QVERIFY(!u.fenster().close());
    QVERIFY(!u.fenster().isVisible());
    QCOMPARE(u.wert(3)->text(), QStringLiteral("Gestreift"));
}

void TestFrmKleidung::breite_mehrUndSchliessen() {
    Umgebung u;
    u.fenster().show();
    QTest::mouseClick(u.feld<QLabel>(QStringLiteral("Label2")), Qt::LeftButton);
    QCOMPARE(u.fenster().width(), 709);
    QTest::mouseClick(u.feld<QLabel>(QStringLiteral("Label3")), Qt::LeftButton);
    QCOMPARE(u.fenster().width(), 575);
}

QTEST_MAIN(TestFrmKleidung)
#include "tst_frmkleidung.moc"
