#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/frmBildGrosse.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QStringList kDateiFelder{QStringLiteral("txtEbayBildPfad"), QStringLiteral("txtEbayBildPfad_b"),
                               QStringLiteral("txtEbayBildPfad2"), QStringLiteral("txtEbayBildPfad2_b")};
const QStringList kGroessenFelder{QStringLiteral("txtBildLaenge"),  QStringLiteral("txtBildLaenge_b"),
                                  QStringLiteral("txtBildLaenge2"), QStringLiteral("txtBildLaenge2_b"),
                                  QStringLiteral("txtBildHohe"),    QStringLiteral("txtBildHohe_b"),
                                  QStringLiteral("txtBildHohe2"),   QStringLiteral("txtBildHohe2_b")};

// The real main window with a picture in rows 1 to 4 and every size at "1".
struct Umgebung {
    TestOrdner ordner{false};
    SkriptPlattform p;
    Anwendung app{ordner.programmordner(), p};

    Umgebung() {
        for (const QString& name : kDateiFelder) {
            haupt(name)->setText(QStringLiteral("foto.jpg"));
        }
        for (const QString& name : kGroessenFelder) {
            groesse(name)->setCurrentText(QStringLiteral("1"));
        }
    }

    QLineEdit* haupt(const QString& name) { return app.frmHaupt().findChild<QLineEdit*>(name); }
    QComboBox* groesse(const QString& name) { return app.frmHaupt().findChild<QComboBox*>(name); }
    FrmBildGrosse& fenster() { return app.frmBildGrosse(); }
    template <class T> T* feld(const QString& name) { return fenster().findChild<T*>(name); }
    QCheckBox* box(int n) { return feld<QCheckBox>(QStringLiteral("Check%1").arg(n)); }

    void berechnen(const QString& laengeIst, const QString& hoeheIst, const QString& laengeSoll) {
        feld<QLineEdit>(QStringLiteral("txtLaengeIst"))->setText(laengeIst);
        feld<QLineEdit>(QStringLiteral("txtHoheIst"))->setText(hoeheIst);
        feld<QComboBox>(QStringLiteral("txtBildLaengeSoll"))->setCurrentText(laengeSoll);
        feld<QPushButton>(QStringLiteral("cmdBerechnen"))->click();
    }
};

QString meldung12(const QString& feld, const QString& hinweis) {
    return QStringLiteral("ACHTUNG\r\nBitte Angaben im Feld \"") + feld +
           QStringLiteral("\" Korriegieren!\r\n") + hinweis;
}

} // namespace

class TestFrmBildGrosse : public QObject {
    Q_OBJECT
private slots:
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
};

void TestFrmBildGrosse::beimLaden_boxenLeerUndEinfuegenGesperrt() {
    Umgebung u;
    QCOMPARE(u.fenster().objectName(), QStringLiteral("frmBildGrosse"));
    QCOMPARE(u.fenster().windowTitle(), QStringLiteral("Bildgrößse umrechnen"));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!u.box(n)->isChecked());
        QCOMPARE(u.box(n)->text(), QStringLiteral("Übrenehmen für Bild-%1").arg(n));
    }
    QVERIFY(!u.feld<QPushButton>(QStringLiteral("cmdEinfugen"))->isEnabled());
}

void TestFrmBildGrosse::berechnen_800x600auf400_ergibt300() {
    Umgebung u;
    u.fenster().show();
    QVERIFY(!u.box(1)->isEnabled());
    u.berechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("400"));
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text(), QStringLiteral("300"));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(u.box(n)->isEnabled());
    }
    QVERIFY(u.p.fenster.isEmpty());
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
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("foto.jpg"));
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::darkGreen);
    QVERIFY(bild.save(pfad, "JPG"));
    BildFeld geladen;
    QVERIFY(geladen.bildLaden(pfad));

    Umgebung u;
    u.berechnen(QString::number(geladen.natuerlicheBreite()), QString::number(geladen.natuerlicheHoehe()),
                soll);
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text(), hoehe);
}

void TestFrmBildGrosse::berechnen_sollKeineZahl_meldet12() {
    Umgebung u;
    u.feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->setText(QStringLiteral("alt"));
    u.berechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("vierhundert"));
    QCOMPARE(u.p.meldungstexte(), QStringList{meldung12(QStringLiteral("Länge soll"),
                                                        QStringLiteral("Bitte nur Zahlen eingeben"))});
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text(), QStringLiteral("alt"));
}

void TestFrmBildGrosse::berechnen_istLeer_meldet12() {
    Umgebung u;
    u.berechnen(QString(), QStringLiteral("600"), QStringLiteral("400"));
    QCOMPARE(u.p.meldungstexte(),
             QStringList{meldung12(QStringLiteral("Länge ist"),
                                   QStringLiteral("Nur ganze, positiven Zahlen eingeben"))});
    QCOMPARE(u.p.fenster.at(0).titel, QStringLiteral("K.O.R.I"));
}

void TestFrmBildGrosse::einfuegen_schreibtNurAngehakteZeilen() {
    Umgebung u;
    u.berechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("400"));
    u.box(2)->setChecked(true);
    u.box(4)->setChecked(true);
    auto* einfuegen = u.feld<QPushButton>(QStringLiteral("cmdEinfugen"));
    QVERIFY(einfuegen->isEnabled());
    einfuegen->click();
    QCOMPARE(u.groesse(QStringLiteral("txtBildLaenge_b"))->currentText(), QStringLiteral("400"));
    QCOMPARE(u.groesse(QStringLiteral("txtBildHohe_b"))->currentText(), QStringLiteral("300"));
    QCOMPARE(u.groesse(QStringLiteral("txtBildLaenge2_b"))->currentText(), QStringLiteral("400"));
    QCOMPARE(u.groesse(QStringLiteral("txtBildHohe2_b"))->currentText(), QStringLiteral("300"));
    QCOMPARE(u.groesse(QStringLiteral("txtBildLaenge"))->currentText(), QStringLiteral("1"));
    QCOMPARE(u.groesse(QStringLiteral("txtBildHohe2"))->currentText(), QStringLiteral("1"));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!u.box(n)->isChecked());
        QVERIFY(!u.box(n)->isEnabled());
    }
    QVERIFY(u.feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text().isEmpty());
    QVERIFY(!einfuegen->isEnabled());
}

void TestFrmBildGrosse::einfuegen_ohneBerechnung_meldetUndLaesstZeilen() {
    Umgebung u;
    u.feld<QPushButton>(QStringLiteral("cmdMarkiereAlle"))->click();
    u.feld<QPushButton>(QStringLiteral("cmdEinfugen"))->click();
    QCOMPARE(u.p.fenster.size(), 1);
    QCOMPARE(u.groesse(QStringLiteral("txtBildHohe"))->currentText(), QStringLiteral("1"));
    QCOMPARE(u.groesse(QStringLiteral("txtBildLaenge"))->currentText(), QStringLiteral("1"));
}

void TestFrmBildGrosse::markiereAlle_hakenAlleUndGibtEinfuegenFrei() {
    Umgebung u;
    u.feld<QPushButton>(QStringLiteral("cmdMarkiereAlle"))->click();
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(u.box(n)->isChecked());
    }
    QVERIFY(u.feld<QPushButton>(QStringLiteral("cmdEinfugen"))->isEnabled());
}

void TestFrmBildGrosse::oeffnen_ohneBild_meldet99() {
    Umgebung u;
    for (const QString& name : {QStringLiteral("txtEbayBildPfad"), QStringLiteral("txtEbayBildPfad_b"),
                                QStringLiteral("txtEbayBildPfad2"), QStringLiteral("txtEbayBildPfad2_b")}) {
        u.haupt(name)->clear();
    }
    u.fenster().UmrechnenOeffnen();
    QCOMPARE(u.p.meldungstexte(), QStringList{QStringLiteral("Sie haben noch kein Bild eingefügt!")});
    QVERIFY(!u.fenster().isVisible());
}

void TestFrmBildGrosse::oeffnen_verbirgtZeilenOhneBild() {
    Umgebung u;
    u.haupt(QStringLiteral("txtEbayBildPfad_b"))->clear();
    u.haupt(QStringLiteral("txtEbayBildPfad2_b"))->clear();
    u.box(1)->setChecked(true);
    u.fenster().UmrechnenOeffnen();
    QVERIFY(u.fenster().isVisible());
    QCOMPARE(u.fenster().windowModality(), Qt::WindowModal);
    QVERIFY(!u.box(1)->isChecked());
    QVERIFY(!u.box(1)->isHidden());
    QVERIFY(u.box(2)->isHidden());
    QVERIFY(!u.box(3)->isHidden());
    QVERIFY(u.box(4)->isHidden());
    QVERIFY(!u.feld<QPushButton>(QStringLiteral("cmdEinfugen"))->isEnabled());
    QVERIFY(u.p.fenster.isEmpty());
}

void TestFrmBildGrosse::ordnerOeffnen_nimmtAktuellenPfadSonstEinstellung() {
    Umgebung u;
    u.app.frmEinstell()
        .findChild<QLineEdit*>(QStringLiteral("txtPfadZuMeinenArtikel"))
        ->setText(QStringLiteral("C:\\Fotos\\"));
    auto* knopf = u.feld<QPushButton>(QStringLiteral("cmdSuchenBildOben1"));
    knopf->click();
    u.haupt(QStringLiteral("txtAktuellePfad"))->setText(QStringLiteral("D:\\Bilder\\"));
    knopf->click();
    QCOMPARE(u.p.aufrufe.size(), 2);
    QCOMPARE(u.p.aufrufe.at(0).argumente.at(0), QStringLiteral("C:\\Fotos\\"));
    QCOMPARE(u.p.aufrufe.at(1).argumente.at(0), QStringLiteral("D:\\Bilder\\"));
}

void TestFrmBildGrosse::schliessen_verbirgtNur() {
    Umgebung u;
    u.fenster().show();
    u.berechnen(QStringLiteral("800"), QStringLiteral("600"), QStringLiteral("400"));
    u.feld<QPushButton>(QStringLiteral("Command1"))->click();
    QVERIFY(!u.fenster().isVisible());
    QCOMPARE(u.feld<QLineEdit>(QStringLiteral("txtHoheSoll"))->text(), QStringLiteral("300"));
}

QTEST_MAIN(TestFrmBildGrosse)
#include "tst_frmbildgrosse.moc"
