#include "support/FensterTest.h"
#include "ui/BildFeld.h"
#include "ui/BilderBedienung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBild.h"
#include "ui/frmBildGrosse.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

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

} // namespace

// A started program with a photo folder and a standard width of 400, showing its picture page.
class TestBilderBedienung : public FensterTest {
    Q_OBJECT
public:
    TestBilderBedienung() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void init();

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

private:
    template <class T> T* el(const char* name) const { return haupt<T>(QLatin1String(name)); }
    QLineEdit* einstell(const char* name) const {
        return element<QLineEdit>(app().frmEinstell(), QLatin1String(name));
    }
    static const Reihe& reihe(int n) { return kReihen[n - 1]; }
    QString jpeg(const QString& name, int breite, int hoehe) const {
        return foto(ordner(), name, breite, hoehe);
    }
    void zeileAn(int n) const { el<QCheckBox>(reihe(n).schalter)->setChecked(true); }
    void suchen(int n, const QString& pfad) const {
        plattform().dateien.enqueue(pfad);
        klicken(QLatin1String(reihe(n).suchen));
    }
    QString breiteVon(int n) const { return el<QComboBox>(reihe(n).breite)->currentText(); }
    QString hoeheVon(int n) const { return el<QComboBox>(reihe(n).hoehe)->currentText(); }
};

void TestBilderBedienung::init() {
    FensterTest::init();
    einstell("txtPfadZuMeinenArtikel")->setText(ordner().daten(QStringLiteral("fotos/")));
    einstell("txtBildLaengeEinstellWert")->setText(QStringLiteral("400"));
    seite(QStringLiteral("Bilder"));
    plattform().vergessen();
}

void TestBilderBedienung::suchen_1600x1200_vorschau975hoch1300breit() {
    suchen(1, jpeg(QStringLiteral("gross.jpg"), 1600, 1200));
    QCOMPARE(app().zustand().vorschauHoehe[0], 975);
    QCOMPARE(app().zustand().vorschauBreite[0], 1300);
    const BildFeld* vorschau = el<BildFeld>("picFoto1");
    QVERIFY(vorschau->hatBild());
    QCOMPARE(vorschau->size(), QSize(87, 65));
    QVERIFY(plattform().unerwartet.isEmpty());
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
    zeileAn(zeile);
    el<QComboBox>(reihe(zeile).breite)->setCurrentText(breite);
    suchen(zeile, jpeg(QStringLiteral("b.jpg"), bild.width(), bild.height()));
    QCOMPARE(breiteVon(zeile), breite);
    QCOMPARE(hoeheVon(zeile), hoehe);
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
    zeileAn(zeile);
    el<QComboBox>(reihe(zeile).breite)->setCurrentText(QStringLiteral("1"));
    suchen(zeile, jpeg(QStringLiteral("b.jpg"), 1600, 1200));
    QCOMPARE(breiteVon(zeile), breite);
    QCOMPARE(hoeheVon(zeile), hoehe);
}

void TestBilderBedienung::suchen_zeile1_setztDateinameOrdnerUndPfade() {
    const QString pfad = jpeg(QStringLiteral("Paris-V.jpg"), 400, 300);
    suchen(1, pfad);
    QCOMPARE(el<QLineEdit>("txtEbayBildPfad")->text(), QStringLiteral("Paris-V.jpg"));
    QCOMPARE(el<QLineEdit>("txtAktuellePfad")->text(), ordner().daten(QStringLiteral("fotos/")));
    QCOMPARE(el<QLineEdit>("txtBild")->text(), pfad);
    QCOMPARE(app().zustand().letzteBilddatei, pfad);
    QCOMPARE(app().zustand().bildPfade[0], pfad);
    QCOMPARE(app().zustand().aktuelleBildzeile, 1);
}

void TestBilderBedienung::suchen_dialogStartetImFotoordnerDannBeimLetztenBild() {
    const QString erstes = jpeg(QStringLiteral("a.jpg"), 40, 30);
    suchen(1, erstes);
    suchen(3, jpeg(QStringLiteral("b.jpg"), 40, 30));
    QCOMPARE(plattform().aufrufe.size(), 2);
    QCOMPARE(plattform().aufrufe[0].argumente,
             (QStringList{QString(), ordner().daten(QStringLiteral("fotos/")), kFilter,
                          QStringLiteral("Bild auswählen")}));
    QCOMPARE(plattform().aufrufe[1].argumente,
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
    suchen(1, jpeg(QStringLiteral("a.jpg"), 1600, 1200));
    const QString pfad = app().zustand().bildPfade[static_cast<std::size_t>(zeile - 1)];
    el<QComboBox>(reihe(zeile).breite)->setCurrentText(QStringLiteral("200"));
    el<QComboBox>(reihe(zeile).hoehe)->setCurrentText(QStringLiteral("77"));
    suchen(zeile, QString());
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(plattform().fenster[0].text, QStringLiteral("Sie haben keine Datei ausgewählt"));
    QCOMPARE(plattform().fenster[0].symbol, Plattform::Symbol::Kritisch);
    QCOMPARE(plattform().fenster[0].knoepfe, Plattform::Knoepfe::Ok);
    QCOMPARE(plattform().fenster[0].titel, QStringLiteral("ACHTUNG"));
    QCOMPARE(el<QLineEdit>(reihe(zeile).datei)->text(), name);
    QCOMPARE(breiteVon(zeile), QStringLiteral("200"));
    QCOMPARE(hoeheVon(zeile), QStringLiteral("77"));
    QCOMPARE(app().zustand().bildPfade[static_cast<std::size_t>(zeile - 1)], pfad);
}

void TestBilderBedienung::suchen_fehlendeDatei_leertNameUndOrdner() {
    const QString fehlt = ordner().daten(QStringLiteral("fotos/weg.jpg"));
    suchen(1, fehlt);
    QCOMPARE(el<QLineEdit>("txtEbayBildPfad")->text(), QString());
    QCOMPARE(el<QLineEdit>("txtAktuellePfad")->text(), QString());
    QCOMPARE(el<QLineEdit>("txtBild")->text(), QString());
    QCOMPARE(app().zustand().letzteBilddatei, fehlt);
    QVERIFY(plattform().fenster.isEmpty());
}

void TestBilderBedienung::suchen_keinBild_behaeltMasseUndVorschauOhneMeldung() {
    el<QComboBox>("txtBildLaenge")->setCurrentText(QStringLiteral("400"));
    suchen(1, jpeg(QStringLiteral("gut.jpg"), 1600, 1200));
    ordner().schreiben(QStringLiteral("fotos/kaputt.jpg"), QByteArray("kein Bild"));
    el<QComboBox>("txtBildLaenge")->setCurrentText(QStringLiteral("500"));
    suchen(1, ordner().daten(QStringLiteral("fotos/kaputt.jpg")));
    QCOMPARE(el<QLineEdit>("txtEbayBildPfad")->text(), QStringLiteral("kaputt.jpg"));
    QCOMPARE(hoeheVon(1), QStringLiteral("300"));
    QCOMPARE(app().zustand().vorschauBreite[0], 1300);
    QCOMPARE(el<BildFeld>("picFoto1")->natuerlicheBreite(), 1600);
    QVERIFY(plattform().fenster.isEmpty());
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
    el<QLabel>("lblEbayName")->setText(verkaeufer);
    el<RichTextFeld>("rtfInhaltAuto")->setText(QStringLiteral("<table>"));
    suchen(zeile, jpeg(QStringLiteral("a.jpg"), 40, 30));
    QCOMPARE(el<RichTextFeld>("rtfInhaltAuto")->text(), danach);
}

void TestBilderBedienung::bildFeld_breiteKeineZahl_ohneAenderung() {
    el<QComboBox>("txtBildLaenge")->setCurrentText(QStringLiteral("breit"));
    el<QComboBox>("txtBildHohe")->setCurrentText(QStringLiteral("77"));
    suchen(1, jpeg(QStringLiteral("a.jpg"), 1600, 1200));
    QCOMPARE(breiteVon(1), QStringLiteral("breit"));
    QCOMPARE(hoeheVon(1), QStringLiteral("77"));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestBilderBedienung::umrechnenB_vorDerSuche_tutNichts() {
    for (int n = 1; n <= 5; ++n) {
        zeileAn(n);
        el<QComboBox>(reihe(n).breite)->setCurrentText(QStringLiteral("400"));
        klicken(QLatin1String(reihe(n).umrechnen));
        QCOMPARE(hoeheVon(n), QStringLiteral("1"));
    }
    QVERIFY(plattform().fenster.isEmpty());
}

void TestBilderBedienung::umrechnenB_nachDerSuche_hoeheAusEigenerBreite() {
    zeileAn(2);
    suchen(2, jpeg(QStringLiteral("a.jpg"), 1600, 1200));
    el<QComboBox>("txtBildLaenge_b")->setCurrentText(QStringLiteral("800"));
    klicken(QStringLiteral("cmdUmrechnenB2"));
    QCOMPARE(hoeheVon(2), QStringLiteral("600"));
    QCOMPARE(hoeheVon(1), QStringLiteral("1"));
}

void TestBilderBedienung::umrechnen_ohneBild_meldung() {
    klicken(QStringLiteral("cmdUmrechnen"));
    QCOMPARE(plattform().meldungstexte(), QStringList{QStringLiteral("Sie haben noch kein Bild eingefügt!")});
    QVERIFY(!app().frmBildGrosse().isVisible());
}

void TestBilderBedienung::umrechnen_mitBild_oeffnetGroessenfenster() {
    suchen(3, jpeg(QStringLiteral("a.jpg"), 40, 30));
    klicken(QStringLiteral("cmdUmrechnen"));
    QVERIFY(app().frmBildGrosse().isVisible());
    QVERIFY(plattform().fenster.isEmpty());
}

void TestBilderBedienung::schalter_zeileAus_leertNameUndGraut_data() {
    QTest::addColumn<int>("zeile");
    for (int n = 2; n <= 5; ++n) {
        QTest::addRow("Zeile %d", n) << n;
    }
}

void TestBilderBedienung::schalter_zeileAus_leertNameUndGraut() {
    QFETCH(int, zeile);
    const Reihe& r = reihe(zeile);
    zeileAn(zeile);
    el<QLineEdit>(r.datei)->setText(QStringLiteral("x.jpg"));
    seite(QStringLiteral("Bilder"));
    klicken(QLatin1String(r.schalter));
    QVERIFY(!el<QCheckBox>(r.schalter)->isChecked());
    QCOMPARE(el<QLineEdit>(r.datei)->text(), QString());
    for (const char* name : {r.datei, r.breite, r.hoehe}) {
        QVERIFY(!el<QWidget>(name)->isEnabled());
        QCOMPARE(el<QWidget>(name)->palette().color(QPalette::Base), kGrau);
    }
    QVERIFY(!el<QWidget>(r.suchen)->isEnabled());
    QVERIFY(el<BildFeld>(r.bild)->isHidden());
}

void TestBilderBedienung::schalter_zeileAn_gibtFelderFrei() {
    seite(QStringLiteral("Bilder"));
    klicken(QStringLiteral("chkBil2JaNEin"));
    for (const char* name : {"txtEbayBildPfad_b", "txtBildLaenge_b", "txtBildHohe_b"}) {
        QVERIFY(el<QWidget>(name)->isEnabled());
        QVERIFY(el<QWidget>(name)->palette().color(QPalette::Base) != kGrau);
    }
    for (const char* name : {"cmdSuchenBildOben2", "lblBildBreite2", "lblBildHoehe2", "chkMitGrosAnsicht2"}) {
        QVERIFY(el<QWidget>(name)->isEnabled());
    }
    QVERIFY(!el<BildFeld>("picFoto2")->isHidden());
}

void TestBilderBedienung::schalter1_bleibtAngehakt_imOhneBildModusLeer() {
    QCheckBox* schalter = el<QCheckBox>("chkBil1JaNEin");
    seite(QStringLiteral("Bilder"));
    klicken(QStringLiteral("chkBil1JaNEin"));
    QVERIFY(schalter->isChecked());
    app().zustand().ohneBildModus = true;
    schalter->setChecked(false);
    QVERIFY(!schalter->isChecked());
    klicken(QStringLiteral("chkBil1JaNEin"));
    QVERIFY(!schalter->isChecked());
}

void TestBilderBedienung::vorschauKlick_oeffnetAnsichtMitDemBild() {
    suchen(1, jpeg(QStringLiteral("a.jpg"), 1600, 1200));
    QTest::mouseClick(el<BildFeld>("picFoto1"), Qt::LeftButton);
    const BildFeld* traeger = el<BildFeld>("picFotoAlle");
    QCOMPARE(traeger->natuerlicheBreite(), 1600);
    QCOMPARE(traeger->size(), QSize(87, 65));
    QVERIFY(app().frmBild().isVisible());
}

void TestBilderBedienung::vorschauKlick_ohneDateiname_nichts() {
    suchen(3, jpeg(QStringLiteral("a.jpg"), 40, 30));
    el<QLineEdit>("txtEbayBildPfad2")->clear();
    QTest::mouseClick(el<BildFeld>("picFoto3"), Qt::LeftButton);
    QVERIFY(!app().frmBild().isVisible());
}

void TestBilderBedienung::neu_setztVorschaumasseZurueckUndLeertBilder() {
    suchen(1, jpeg(QStringLiteral("a.jpg"), 1600, 1200));
    app().frmHaupt().bilder().BilderNeuEinrichten();
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(app().zustand().vorschauBreite[i], 400);
        QCOMPARE(app().zustand().vorschauHoehe[i], 1);
    }
    QVERIFY(!el<BildFeld>("picFoto1")->hatBild());
}

QTEST_MAIN(TestBilderBedienung)
#include "tst_bilderbedienung.moc"
