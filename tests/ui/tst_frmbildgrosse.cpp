#include "support/FensterTest.h"
#include "ui/BildFeld.h"
#include "ui/frmBildGrosse.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList kDateiFelder{QStringLiteral("txtEbayBildPfad"), QStringLiteral("txtEbayBildPfad_b"),
                               QStringLiteral("txtEbayBildPfad2"), QStringLiteral("txtEbayBildPfad2_b")};
const QStringList kGroessenFelder{QStringLiteral("txtBildLaenge"),  QStringLiteral("txtBildLaenge_b"),
                                  QStringLiteral("txtBildLaenge2"), QStringLiteral("txtBildLaenge2_b"),
                                  QStringLiteral("txtBildHohe"),    QStringLiteral("txtBildHohe_b"),
                                  QStringLiteral("txtBildHohe2"),   QStringLiteral("txtBildHohe2_b")};

QString meldung12(const QString& feld, const QString& hinweis) {
    return QStringLiteral("ACHTUNG\r\nBitte Angaben im Feld \"") + feld +
           QStringLiteral("\" Korriegieren!\r\n") + hinweis;
}

} // namespace

// The real main window with a picture in rows 1 to 4 and every size at "1".
class TestFrmBildGrosse : public FensterTest {
    Q_OBJECT
public:
    TestFrmBildGrosse() : FensterTest({.mitDaten = false}) {}

private slots:
    void init();
    void beimLaden_boxenLeerUndEinfuegenGesperrt();
    void berechnen_800x600auf400_ergibt300();
    void berechnen_ausGeladenemBild_data();
    void berechnen_ausGeladenemBild();
    void berechnen_sollKeineZahl_meldet12();
    void berechnen_istLeer_meldet12();
    void einfuegen_schreibtNurAngehakteZeilen();
    void einfuegen_ohneBerechnung_meldetUndLaesstZeilen();
    void markiereAlle_hakenAlleUndGibtEinfuegenFrei();
    void oeffnen_ohneBild_meldet99();
    void oeffnen_verbirgtZeilenOhneBild();
    void ordnerOeffnen_nimmtAktuellenPfadSonstEinstellung();
    void schliessen_verbirgtNur();

private:
    QLineEdit* hauptFeld(const QString& name) const { return haupt<QLineEdit>(name); }
    QComboBox* groesse(const QString& name) const { return haupt<QComboBox>(name); }
    FrmBildGrosse& fenster() const { return app().frmBildGrosse(); }
    template <class T> T* feld(const QString& name) const { return element<T>(fenster(), name); }
    QCheckBox* box(int n) const { return feld<QCheckBox>(QStringLiteral("Check%1").arg(n)); }
    // The window as the main window's "Bild Größe umrechnen" opens it; a shown window stays as it is.
    void oeffnen() const {
        if (!fenster().isVisible()) {
            fenster().UmrechnenOeffnen();
        }
    }
    void druecken(const QString& knopf) const {
        oeffnen();
        klicken(fenster(), knopf);
    }
    void berechnen(const QString& laengeIst, const QString& hoeheIst, const QString& laengeSoll) const;
};

void TestFrmBildGrosse::init() {
    FensterTest::init();
    for (const QString& name : kDateiFelder) {
        hauptFeld(name)->setText(QStringLiteral("foto.jpg"));
    }
    for (const QString& name : kGroessenFelder) {
        groesse(name)->setCurrentText(QStringLiteral("1"));
    }
}

void TestFrmBildGrosse::berechnen(const QString& laengeIst, const QString& hoeheIst,
                                  const QString& laengeSoll) const {
    oeffnen();
    feld<QLineEdit>(QStringLiteral("txtLaengeIst"))->setText(laengeIst);
    feld<QLineEdit>(QStringLiteral("txtHoheIst"))->setText(hoeheIst);
    feld<QComboBox>(QStringLiteral("txtBildLaengeSoll"))->setCurrentText(laengeSoll);
    druecken(QStringLiteral("cmdBerechnen"));
}

void TestFrmBildGrosse::beimLaden_boxenLeerUndEinfuegenGesperrt() {
    QCOMPARE(fenster().objectName(), QStringLiteral("frmBildGrosse"));
    QCOMPARE(fenster().windowTitle(), QStringLiteral("Bildgrößse umrechnen"));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!box(n)->isChecked());
        QCOMPARE(box(n)->text(), QStringLiteral("Übrenehmen für Bild-%1").arg(n));
    }
    QVERIFY(!feld<QPushButton>(QStringLiteral("cmdEinfugen"))->isEnabled());
}

void TestFrmBildGrosse::berechnen_800x600auf400_ergibt300() {
    fenster().show();
    QVERIFY(!box(1)->isEnabled());
    berechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("400"));
    QCOMPARE(feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text(), QStringLiteral("300"));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(box(n)->isEnabled());
    }
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmBildGrosse::berechnen_ausGeladenemBild_data() {
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<QString>("soll");
    QTest::addColumn<QString>("hoehe");
    QTest::newRow("800x600 auf 400") << QSize(800, 600) << QStringLiteral("400") << QStringLiteral("300");
    QTest::newRow("1024x768 auf 333") << QSize(1024, 768) << QStringLiteral("333") << QStringLiteral("250");
}

void TestFrmBildGrosse::berechnen_ausGeladenemBild() {
    QFETCH(QSize, groesse);
    QFETCH(QString, soll);
    QFETCH(QString, hoehe);
    const QString pfad = foto(ordner(), QStringLiteral("foto.jpg"), groesse.width(), groesse.height());
    BildFeld geladen;
    QVERIFY(geladen.bildLaden(pfad));

    berechnen(QString::number(geladen.natuerlicheBreite()), QString::number(geladen.natuerlicheHoehe()),
              soll);
    QCOMPARE(feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text(), hoehe);
}

void TestFrmBildGrosse::berechnen_sollKeineZahl_meldet12() {
    feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->setText(QStringLiteral("alt"));
    berechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("vierhundert"));
    QCOMPARE(
        plattform().meldungstexte(),
        QStringList{meldung12(QStringLiteral("Länge soll"), QStringLiteral("Bitte nur Zahlen eingeben"))});
    QCOMPARE(feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text(), QStringLiteral("alt"));
}

void TestFrmBildGrosse::berechnen_istLeer_meldet12() {
    berechnen(QString(), QStringLiteral("600"), QStringLiteral("400"));
    QCOMPARE(plattform().meldungstexte(),
             QStringList{meldung12(QStringLiteral("Länge ist"),
                                   QStringLiteral("Nur ganze, positiven Zahlen eingeben"))});
    QCOMPARE(plattform().fenster.at(0).titel, QStringLiteral("K.O.R.I"));
}

void TestFrmBildGrosse::einfuegen_schreibtNurAngehakteZeilen() {
    berechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("400"));
    box(2)->setChecked(true);
    box(4)->setChecked(true);
    auto* einfuegen = feld<QPushButton>(QStringLiteral("cmdEinfugen"));
    druecken(QStringLiteral("cmdEinfugen"));
    QCOMPARE(groesse(QStringLiteral("txtBildLaenge_b"))->currentText(), QStringLiteral("400"));
    QCOMPARE(groesse(QStringLiteral("txtBildHohe_b"))->currentText(), QStringLiteral("300"));
    QCOMPARE(groesse(QStringLiteral("txtBildLaenge2_b"))->currentText(), QStringLiteral("400"));
    QCOMPARE(groesse(QStringLiteral("txtBildHohe2_b"))->currentText(), QStringLiteral("300"));
    QCOMPARE(groesse(QStringLiteral("txtBildLaenge"))->currentText(), QStringLiteral("1"));
    QCOMPARE(groesse(QStringLiteral("txtBildHohe2"))->currentText(), QStringLiteral("1"));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!box(n)->isChecked());
        QVERIFY(!box(n)->isEnabled());
    }
    QVERIFY(feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text().isEmpty());
    QVERIFY(!einfuegen->isEnabled());
}

void TestFrmBildGrosse::einfuegen_ohneBerechnung_meldetUndLaesstZeilen() {
    druecken(QStringLiteral("cmdMarkiereAlle"));
    druecken(QStringLiteral("cmdEinfugen"));
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(groesse(QStringLiteral("txtBildHohe"))->currentText(), QStringLiteral("1"));
    QCOMPARE(groesse(QStringLiteral("txtBildLaenge"))->currentText(), QStringLiteral("1"));
}

void TestFrmBildGrosse::markiereAlle_hakenAlleUndGibtEinfuegenFrei() {
    druecken(QStringLiteral("cmdMarkiereAlle"));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(box(n)->isChecked());
    }
    QVERIFY(feld<QPushButton>(QStringLiteral("cmdEinfugen"))->isEnabled());
}

void TestFrmBildGrosse::oeffnen_ohneBild_meldet99() {
    for (const QString& name : {QStringLiteral("txtEbayBildPfad"), QStringLiteral("txtEbayBildPfad_b"),
                                QStringLiteral("txtEbayBildPfad2"), QStringLiteral("txtEbayBildPfad2_b")}) {
        hauptFeld(name)->clear();
    }
    fenster().UmrechnenOeffnen();
    QCOMPARE(plattform().meldungstexte(), QStringList{QStringLiteral("Sie haben noch kein Bild eingefügt!")});
    QVERIFY(!fenster().isVisible());
}

void TestFrmBildGrosse::oeffnen_verbirgtZeilenOhneBild() {
    hauptFeld(QStringLiteral("txtEbayBildPfad_b"))->clear();
    hauptFeld(QStringLiteral("txtEbayBildPfad2_b"))->clear();
    box(1)->setChecked(true);
    fenster().UmrechnenOeffnen();
    QVERIFY(fenster().isVisible());
    QCOMPARE(fenster().windowModality(), Qt::WindowModal);
    QVERIFY(!box(1)->isChecked());
    QVERIFY(!box(1)->isHidden());
    QVERIFY(box(2)->isHidden());
    QVERIFY(!box(3)->isHidden());
    QVERIFY(box(4)->isHidden());
    QVERIFY(!feld<QPushButton>(QStringLiteral("cmdEinfugen"))->isEnabled());
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmBildGrosse::ordnerOeffnen_nimmtAktuellenPfadSonstEinstellung() {
    element<QLineEdit>(app().frmEinstell(), QStringLiteral("txtPfadZuMeinenArtikel"))
        ->setText(QStringLiteral("C:\\Fotos\\"));
    druecken(QStringLiteral("cmdSuchenBildOben1"));
    hauptFeld(QStringLiteral("txtAktuellePfad"))->setText(QStringLiteral("D:\\Bilder\\"));
    druecken(QStringLiteral("cmdSuchenBildOben1"));
    QCOMPARE(plattform().aufrufe.size(), 2);
    QCOMPARE(plattform().aufrufe.at(0).argumente.at(0), QStringLiteral("C:\\Fotos\\"));
    QCOMPARE(plattform().aufrufe.at(1).argumente.at(0), QStringLiteral("D:\\Bilder\\"));
}

void TestFrmBildGrosse::schliessen_verbirgtNur() {
    fenster().show();
    berechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("400"));
    druecken(QStringLiteral("Command1"));
    QVERIFY(!fenster().isVisible());
    QCOMPARE(feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text(), QStringLiteral("300"));
}

QTEST_MAIN(TestFrmBildGrosse)
#include "tst_frmbildgrosse.moc"
