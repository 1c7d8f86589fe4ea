#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/BilderBedienung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBild.h"
#include "ui/frmBildGrosse.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QColor kGrau(0xC0, 0xC0, 0xC0);
const QString kFilter = QStringLiteral("Bild-Dateien(*.jpg;*.jpeg;*.gif)|*.jpg;*.jpeg;*.gif|Ale Dateien|*.*");

struct Reihe {
    const char* schalter;
    const char* datei;
    const char* breite;
    const char* hoehe;
    const char* suchen;
    const char* umrechnen;
    const char* bild;
};

const Reihe kReihen[5] = {
    {"chkBil1JaNEin", "txtEbayBildPfad", "txtBildLaenge", "txtBildHohe", "cmdSuchenBildOben1",
     "cmdUmrechnenB1", "picFoto1"},
    {"chkBil2JaNEin", "txtEbayBildPfad_b", "txtBildLaenge_b", "txtBildHohe_b", "cmdSuchenBildOben2",
     "cmdUmrechnenB2", "picFoto2"},
    {"chkBil3JaNEin", "txtEbayBildPfad2", "txtBildLaenge2", "txtBildHohe2", "cmdSuchenBildUnten1",
     "cmdUmrechnenB3", "picFoto3"},
    {"chkBil4JaNEin", "txtEbayBildPfad2_b", "txtBildLaenge2_b", "txtBildHohe2_b", "cmdSuchenBildUnten2",
     "cmdUmrechnenB4", "picFoto4"},
    {"chkBil5JaNEin", "txtEbayBildPfad2_c", "txtBildLaenge2_c", "txtBildHohe2_c", "cmdSuchenBildUnten3",
     "cmdUmrechnenB5", "picFoto5"},
};

// A started program with a photo folder and a standard width of 400.
struct Programm {
    Programm() {
        app->starten();
        einstell("txtPfadZuMeinenArtikel")->setText(ordner.daten(QStringLiteral("fotos/")));
        einstell("txtBildLaengeEinstellWert")->setText(QStringLiteral("400"));
        p.vergessen();
    }
    TestOrdner ordner;
    SkriptPlattform p;
    std::unique_ptr<Anwendung> app = std::make_unique<Anwendung>(ordner.programmordner(), p);

    template <class T> T* el(const QString& name) { return app->frmHaupt().findChild<T*>(name); }
    template <class T> T* el(const char* name) { return el<T>(QLatin1String(name)); }
    QLineEdit* einstell(const char* name) {
        return app->frmEinstell().findChild<QLineEdit*>(QLatin1String(name));
    }
    const Reihe& reihe(int n) const { return kReihen[n - 1]; }

    // A JPEG of the given size in the photo folder.
    QString foto(const QString& name, int breite, int hoehe) {
        QImage bild(breite, hoehe, QImage::Format_RGB32);
        bild.fill(QColor(40 * name.size() % 255, 120, 200));
        ordner.schreiben(QStringLiteral("fotos/") + name, {});
        const QString pfad = ordner.daten(QStringLiteral("fotos/") + name);
        bild.save(pfad, "JPG");
        return pfad;
    }
    void zeileAn(int n) { el<QCheckBox>(reihe(n).schalter)->setChecked(true); }
    void suchen(int n, const QString& pfad) {
        p.dateien.enqueue(pfad);
        el<QPushButton>(reihe(n).suchen)->click();
    }
    QString breite(int n) { return el<QComboBox>(reihe(n).breite)->currentText(); }
    QString hoehe(int n) { return el<QComboBox>(reihe(n).hoehe)->currentText(); }
};

} // namespace

class TestBilderBedienung : public QObject {
    Q_OBJECT
private slots:
    void suchen_1600x1200_vorschau975hoch1300breit();
    void suchen_hoeheAusBreite_data();
    void suchen_hoeheAusBreite();
    void suchen_breiteEins_nurZeilen245NehmenStandardbreite_data();
    void suchen_breiteEins_nurZeilen245NehmenStandardbreite();
    void suchen_zeile1_setztDateinameOrdnerUndPfade();
    void suchen_dialogStartetImFotoordnerDannBeimLetztenBild();
    void suchen_abgebrochen_meldungUndZeileBleibt_data();
    void suchen_abgebrochen_meldungUndZeileBleibt();
    void suchen_fehlendeDatei_leertNameUndOrdner();
    void suchen_keinBild_behaeltMasseUndVorschauOhneMeldung();
    void suchen_hausverkaeufer_leertAutomatischeBeschreibung_data();
    void suchen_hausverkaeufer_leertAutomatischeBeschreibung();
    void bildFeld_breiteKeineZahl_ohneAenderung();

    void umrechnenB_vorDerSuche_tutNichts();
    void umrechnenB_nachDerSuche_hoeheAusEigenerBreite();
    void umrechnen_ohneBild_meldung();
    void umrechnen_mitBild_oeffnetGroessenfenster();

    void schalter_zeileAus_leertNameUndGraut_data();
    void schalter_zeileAus_leertNameUndGraut();
    void schalter_zeileAn_gibtFelderFrei();
    void schalter1_bleibtAngehakt_imOhneBildModusLeer();

    void vorschauKlick_oeffnetAnsichtMitDemBild();
    void vorschauKlick_ohneDateiname_nichts();
    void neu_setztVorschaumasseZurueckUndLeertBilder();
};

void TestBilderBedienung::suchen_1600x1200_vorschau975hoch1300breit() {
    Programm prog;
    prog.suchen(1, prog.foto(QStringLiteral("gross.jpg"), 1600, 1200));
    QCOMPARE(prog.app->zustand().vorschauHoehe[0], 975);
    QCOMPARE(prog.app->zustand().vorschauBreite[0], 1300);
    const BildFeld* vorschau = prog.el<BildFeld>("picFoto1");
    QVERIFY(vorschau->hatBild());
    QCOMPARE(vorschau->size(), QSize(87, 65));
    QVERIFY(prog.p.unerwartet.isEmpty());
}

void TestBilderBedienung::suchen_hoeheAusBreite_data() {
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("breite");
    QTest::addColumn<QSize>("bild");
    QTest::addColumn<QString>("hoehe");
    QTest::newRow("1600x1200 Breite 400") << 1 << "400" << QSize(1600, 1200) << "300";
    QTest::newRow("1024x768 Breite 500") << 3 << "500" << QSize(1024, 768) << "375";
    QTest::newRow("1024x768 Breite 333 rundet auf") << 2 << "333" << QSize(1024, 768) << "250";
    QTest::newRow("Hochformat") << 5 << "300" << QSize(600, 800) << "400";
}

void TestBilderBedienung::suchen_hoeheAusBreite() {
    QFETCH(int, zeile);
    QFETCH(QString, breite);
    QFETCH(QSize, bild);
    QFETCH(QString, hoehe);
    Programm prog;
    prog.zeileAn(zeile);
    prog.el<QComboBox>(prog.reihe(zeile).breite)->setCurrentText(breite);
    prog.suchen(zeile, prog.foto(QStringLiteral("b.jpg"), bild.width(), bild.height()));
    QCOMPARE(prog.breite(zeile), breite);
    QCOMPARE(prog.hoehe(zeile), hoehe);
}

void TestBilderBedienung::suchen_breiteEins_nurZeilen245NehmenStandardbreite_data() {
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("breite");
    QTest::addColumn<QString>("hoehe");
    QTest::newRow("1") << 1 << "1"
                       << "1";
    QTest::newRow("2") << 2 << "400"
                       << "300";
    QTest::newRow("3") << 3 << "1"
                       << "1";
    QTest::newRow("4") << 4 << "400"
                       << "300";
    QTest::newRow("5") << 5 << "400"
                       << "300";
}

void TestBilderBedienung::suchen_breiteEins_nurZeilen245NehmenStandardbreite() {
    QFETCH(int, zeile);
    QFETCH(QString, breite);
    QFETCH(QString, hoehe);
    Programm prog;
    prog.zeileAn(zeile);
    prog.el<QComboBox>(prog.reihe(zeile).breite)->setCurrentText(QStringLiteral("1"));
    prog.suchen(zeile, prog.foto(QStringLiteral("b.jpg"), 1600, 1200));
    QCOMPARE(prog.breite(zeile), breite);
    QCOMPARE(prog.hoehe(zeile), hoehe);
}

void TestBilderBedienung::suchen_zeile1_setztDateinameOrdnerUndPfade() {
    Programm prog;
    const QString pfad = prog.foto(QStringLiteral("Paris-V.jpg"), 400, 300);
    prog.suchen(1, pfad);
    QCOMPARE(prog.el<QLineEdit>("txtEbayBildPfad")->text(), QStringLiteral("Paris-V.jpg"));
    QCOMPARE(prog.el<QLineEdit>("txtAktuellePfad")->text(), prog.ordner.daten(QStringLiteral("fotos/")));
    QCOMPARE(prog.el<QLineEdit>("txtBild")->text(), pfad);
    QCOMPARE(prog.app->zustand().letzteBilddatei, pfad);
    QCOMPARE(prog.app->zustand().bildPfade[0], pfad);
    QCOMPARE(prog.app->zustand().aktuelleBildzeile, 1);
}

void TestBilderBedienung::suchen_dialogStartetImFotoordnerDannBeimLetztenBild() {
    Programm prog;
    const QString erstes = prog.foto(QStringLiteral("a.jpg"), 40, 30);
    prog.suchen(1, erstes);
    prog.suchen(3, prog.foto(QStringLiteral("b.jpg"), 40, 30));
    QCOMPARE(prog.p.aufrufe.size(), 2);
    QCOMPARE(prog.p.aufrufe[0].argumente, (QStringList{QString(), prog.ordner.daten(QStringLiteral("fotos/")),
                                                       kFilter, QStringLiteral("Bild auswählen")}));
    QCOMPARE(prog.p.aufrufe[1].argumente,
             (QStringList{QString(), erstes, kFilter, QStringLiteral("Bild auswählen")}));
}

void TestBilderBedienung::suchen_abgebrochen_meldungUndZeileBleibt_data() {
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("name");
    QTest::newRow("Zeile des letzten Bildes") << 1 << QStringLiteral("a.jpg");
    QTest::newRow("andere Zeile") << 3 << QString();
}

void TestBilderBedienung::suchen_abgebrochen_meldungUndZeileBleibt() {
    QFETCH(int, zeile);
    QFETCH(QString, name);
    Programm prog;
    prog.suchen(1, prog.foto(QStringLiteral("a.jpg"), 1600, 1200));
    const QString pfad = prog.app->zustand().bildPfade[static_cast<std::size_t>(zeile - 1)];
    prog.el<QComboBox>(prog.reihe(zeile).breite)->setCurrentText(QStringLiteral("200"));
    prog.el<QComboBox>(prog.reihe(zeile).hoehe)->setCurrentText(QStringLiteral("77"));
    prog.suchen(zeile, QString());
    QCOMPARE(prog.p.fenster.size(), 1);
    QCOMPARE(prog.p.fenster[0].text, QStringLiteral("Sie haben keine Datei ausgewählt"));
    QCOMPARE(prog.p.fenster[0].symbol, Plattform::Symbol::Kritisch);
    QCOMPARE(prog.p.fenster[0].knoepfe, Plattform::Knoepfe::Ok);
    QCOMPARE(prog.p.fenster[0].titel, QStringLiteral("ACHTUNG"));
    QCOMPARE(prog.el<QLineEdit>(prog.reihe(zeile).datei)->text(), name);
    QCOMPARE(prog.breite(zeile), QStringLiteral("200"));
    QCOMPARE(prog.hoehe(zeile), QStringLiteral("77"));
    QCOMPARE(prog.app->zustand().bildPfade[static_cast<std::size_t>(zeile - 1)], pfad);
}

void TestBilderBedienung::suchen_fehlendeDatei_leertNameUndOrdner() {
    Programm prog;
    const QString fehlt = prog.ordner.daten(QStringLiteral("fotos/weg.jpg"));
    prog.suchen(1, fehlt);
    QCOMPARE(prog.el<QLineEdit>("txtEbayBildPfad")->text(), QString());
    QCOMPARE(prog.el<QLineEdit>("txtAktuellePfad")->text(), QString());
    QCOMPARE(prog.el<QLineEdit>("txtBild")->text(), QString());
    QCOMPARE(prog.app->zustand().letzteBilddatei, fehlt);
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestBilderBedienung::suchen_keinBild_behaeltMasseUndVorschauOhneMeldung() {
    Programm prog;
    prog.el<QComboBox>("txtBildLaenge")->setCurrentText(QStringLiteral("400"));
    prog.suchen(1, prog.foto(QStringLiteral("gut.jpg"), 1600, 1200));
    prog.ordner.schreiben(QStringLiteral("fotos/kaputt.jpg"), QByteArray("kein Bild"));
    prog.el<QComboBox>("txtBildLaenge")->setCurrentText(QStringLiteral("500"));
    prog.suchen(1, prog.ordner.daten(QStringLiteral("fotos/kaputt.jpg")));
    QCOMPARE(prog.el<QLineEdit>("txtEbayBildPfad")->text(), QStringLiteral("kaputt.jpg"));
    QCOMPARE(prog.hoehe(1), QStringLiteral("300"));
    QCOMPARE(prog.app->zustand().vorschauBreite[0], 1300);
    QCOMPARE(prog.el<BildFeld>("picFoto1")->natuerlicheBreite(), 1600);
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestBilderBedienung::suchen_hausverkaeufer_leertAutomatischeBeschreibung_data() {
    QTest::addColumn<QString>("verkaeufer");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("danach");
    QTest::newRow("Hausverkauf-1 Zeile 1") << "Hausverkauf-1" << 1 << "";
    QTest::newRow("Hausverkauf-5 Zeile 1") << "Hausverkauf-5" << 1 << "";
    QTest::newRow("Hausverkauf-6 nicht unter den fuenf") << "Hausverkauf-6" << 1 << "<table>";
    QTest::newRow("anderer Verkaeufer") << "Anna" << 1 << "<table>";
    QTest::newRow("Hausverkauf-1 Zeile 3") << "Hausverkauf-1" << 3 << "<table>";
}

void TestBilderBedienung::suchen_hausverkaeufer_leertAutomatischeBeschreibung() {
    QFETCH(QString, verkaeufer);
    QFETCH(int, zeile);
    QFETCH(QString, danach);
    Programm prog;
    prog.el<QLabel>("lblEbayName")->setText(verkaeufer);
    prog.el<RichTextFeld>("rtfInhaltAuto")->setText(QStringLiteral("<table>"));
    prog.suchen(zeile, prog.foto(QStringLiteral("a.jpg"), 40, 30));
    QCOMPARE(prog.el<RichTextFeld>("rtfInhaltAuto")->text(), danach);
}

void TestBilderBedienung::bildFeld_breiteKeineZahl_ohneAenderung() {
    Programm prog;
    prog.el<QComboBox>("txtBildLaenge")->setCurrentText(QStringLiteral("breit"));
    prog.el<QComboBox>("txtBildHohe")->setCurrentText(QStringLiteral("77"));
    prog.suchen(1, prog.foto(QStringLiteral("a.jpg"), 1600, 1200));
    QCOMPARE(prog.breite(1), QStringLiteral("breit"));
    QCOMPARE(prog.hoehe(1), QStringLiteral("77"));
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestBilderBedienung::umrechnenB_vorDerSuche_tutNichts() {
    Programm prog;
    for (int n = 1; n <= 5; ++n) {
        prog.zeileAn(n);
        prog.el<QComboBox>(prog.reihe(n).breite)->setCurrentText(QStringLiteral("400"));
        prog.el<QPushButton>(prog.reihe(n).umrechnen)->click();
        QCOMPARE(prog.hoehe(n), QStringLiteral("1"));
    }
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestBilderBedienung::umrechnenB_nachDerSuche_hoeheAusEigenerBreite() {
    Programm prog;
    prog.zeileAn(2);
    prog.suchen(2, prog.foto(QStringLiteral("a.jpg"), 1600, 1200));
    prog.el<QComboBox>("txtBildLaenge_b")->setCurrentText(QStringLiteral("800"));
    prog.el<QPushButton>("cmdUmrechnenB2")->click();
    QCOMPARE(prog.hoehe(2), QStringLiteral("600"));
    QCOMPARE(prog.hoehe(1), QStringLiteral("1"));
}

void TestBilderBedienung::umrechnen_ohneBild_meldung() {
    Programm prog;
    prog.el<QPushButton>("cmdUmrechnen")->click();
    QCOMPARE(prog.p.meldungstexte(), QStringList{QStringLiteral("Sie haben noch kein Bild eingefügt!")});
    QVERIFY(!prog.app->frmBildGrosse().isVisible());
}

void TestBilderBedienung::umrechnen_mitBild_oeffnetGroessenfenster() {
    Programm prog;
    prog.suchen(3, prog.foto(QStringLiteral("a.jpg"), 40, 30));
    prog.el<QPushButton>("cmdUmrechnen")->click();
    QVERIFY(prog.app->frmBildGrosse().isVisible());
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestBilderBedienung::schalter_zeileAus_leertNameUndGraut_data() {
    QTest::addColumn<int>("zeile");
    for (int n = 2; n <= 5; ++n) {
        QTest::addRow("Zeile %d", n) << n;
    }
}

void TestBilderBedienung::schalter_zeileAus_leertNameUndGraut() {
    QFETCH(int, zeile);
    Programm prog;
    const Reihe& r = prog.reihe(zeile);
    prog.zeileAn(zeile);
    prog.el<QLineEdit>(r.datei)->setText(QStringLiteral("x.jpg"));
    prog.el<QCheckBox>(r.schalter)->click();
    QVERIFY(!prog.el<QCheckBox>(r.schalter)->isChecked());
    QCOMPARE(prog.el<QLineEdit>(r.datei)->text(), QString());
    for (const char* name : {r.datei, r.breite, r.hoehe}) {
        QVERIFY(!prog.el<QWidget>(name)->isEnabled());
        QCOMPARE(prog.el<QWidget>(name)->palette().color(QPalette::Base), kGrau);
    }
    QVERIFY(!prog.el<QWidget>(r.suchen)->isEnabled());
    QVERIFY(prog.el<BildFeld>(r.bild)->isHidden());
}

void TestBilderBedienung::schalter_zeileAn_gibtFelderFrei() {
    Programm prog;
    prog.el<QCheckBox>("chkBil2JaNEin")->click();
    for (const char* name : {"txtEbayBildPfad_b", "txtBildLaenge_b", "txtBildHohe_b"}) {
        QVERIFY(prog.el<QWidget>(name)->isEnabled());
        QVERIFY(prog.el<QWidget>(name)->palette().color(QPalette::Base) != kGrau);
    }
    for (const char* name : {"cmdSuchenBildOben2", "lblBildBreite2", "lblBildHoehe2", "chkMitGrosAnsicht2"}) {
        QVERIFY(prog.el<QWidget>(name)->isEnabled());
    }
    QVERIFY(!prog.el<BildFeld>("picFoto2")->isHidden());
}

void TestBilderBedienung::schalter1_bleibtAngehakt_imOhneBildModusLeer() {
    Programm prog;
    QCheckBox* schalter = prog.el<QCheckBox>("chkBil1JaNEin");
    schalter->click();
    QVERIFY(schalter->isChecked());
    prog.app->zustand().ohneBildModus = true;
    schalter->setChecked(false);
    QVERIFY(!schalter->isChecked());
    schalter->click();
    QVERIFY(!schalter->isChecked());
}

void TestBilderBedienung::vorschauKlick_oeffnetAnsichtMitDemBild() {
    Programm prog;
    prog.suchen(1, prog.foto(QStringLiteral("a.jpg"), 1600, 1200));
    QTest::mouseClick(prog.el<BildFeld>("picFoto1"), Qt::LeftButton);
    const BildFeld* traeger = prog.el<BildFeld>("picFotoAlle");
    QCOMPARE(traeger->natuerlicheBreite(), 1600);
    QCOMPARE(traeger->size(), QSize(87, 65));
    QVERIFY(prog.app->frmBild().isVisible());
}

void TestBilderBedienung::vorschauKlick_ohneDateiname_nichts() {
    Programm prog;
    prog.suchen(3, prog.foto(QStringLiteral("a.jpg"), 40, 30));
    prog.el<QLineEdit>("txtEbayBildPfad2")->clear();
    QTest::mouseClick(prog.el<BildFeld>("picFoto3"), Qt::LeftButton);
    QVERIFY(!prog.app->frmBild().isVisible());
}

void TestBilderBedienung::neu_setztVorschaumasseZurueckUndLeertBilder() {
    Programm prog;
    prog.suchen(1, prog.foto(QStringLiteral("a.jpg"), 1600, 1200));
    prog.app->bilder().BilderNeuEinrichten();
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(prog.app->zustand().vorschauBreite[i], 400);
        QCOMPARE(prog.app->zustand().vorschauHoehe[i], 1);
    }
    QVERIFY(!prog.el<BildFeld>("picFoto1")->hatBild());
}

QTEST_MAIN(TestBilderBedienung)
#include "tst_bilderbedienung.moc"
