#include "support/FensterTest.h"
#include "title/Beschreibungsname.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmKleidung.h"

#include <QDir>
#include <QLineEdit>

// Saving a book's or a garment's description from its window: a missing name and a failed write
// are refused with their own message, and the window stays open with nothing handed on.
class TestBeschreibungSpeichern : public FensterTest {
    Q_OBJECT
private slots:
    void verweigert_data();
    void verweigert();
    void nachFehlschlag_erneutSpeichern_data();
    void nachFehlschlag_erneutSpeichern();

private:
    QWidget& fensterFuellen(const QString& art);
    void speichern(QWidget& fenster) { klicken(fenster, QStringLiteral("cmdSpeichKleidBeschr")); }
    QString inhaltAuto() const { return haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text(); }
    QStringList beschreibungen() const {
        return QDir(ordner().daten(QStringLiteral("Artikel-Beschreibung")))
            .entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden);
    }
};

QWidget& TestBeschreibungSpeichern::fensterFuellen(const QString& art) {
    if (art == QLatin1String("Buch")) {
        FrmBuch& buch = app().frmBuch();
        buch.show();
        element<QLineEdit>(buch, QStringLiteral("Text2_0"))->setText(QStringLiteral("Goldmann"));
        element<QLineEdit>(buch, QStringLiteral("Text2_1"))->setText(QStringLiteral("Mankell"));
        element<QComboBox>(buch, QStringLiteral("cboZustandWehlen1"))
            ->setCurrentText(QStringLiteral("sehr gut"));
        klicken(buch, QStringLiteral("cmdubernehmen"));
        return buch;
    }
    FrmKleidung& kleidung = app().frmKleidung();
    kleidung.show();
    element<QComboBox>(kleidung, QStringLiteral("cboFirmawehlen"))->setCurrentText(QStringLiteral("H&M"));
    element<QComboBox>(kleidung, QStringLiteral("cboGrosseWehlen"))->setCurrentText(QStringLiteral("98"));
    element<QComboBox>(kleidung, QStringLiteral("cboMaterialWehlen1"))
        ->setCurrentText(QStringLiteral("Baumwolle"));
    element<QComboBox>(kleidung, QStringLiteral("cboProz1"))->setCurrentText(QStringLiteral("95"));
    klicken(kleidung, QStringLiteral("cmdubernehmen"));
    return kleidung;
}

void TestBeschreibungSpeichern::verweigert_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<bool>("gesperrt");
    QTest::addColumn<QString>("meldung");
    const QString nichtGespeichert = QStringLiteral("nicht gespeichert");
    for (const QString& art : {QStringLiteral("Buch"), QStringLiteral("Kleidung")}) {
        QTest::addRow("%s ohne Bezeichnung", qPrintable(art))
            << art << QString() << false << kBeschreibungsnameFehlt;
        QTest::addRow("%s nur Leerzeichen", qPrintable(art))
            << art << QStringLiteral("   ") << false << kBeschreibungsnameFehlt;
        QTest::addRow("%s Punkte", qPrintable(art))
            << art << QStringLiteral("..") << false << kBeschreibungsnameUngueltig;
        QTest::addRow("%s Zeichen ausserhalb der Code-Seite", qPrintable(art))
            << art << QStringLiteral("Kleid ✓") << false
            << QStringLiteral(
                   "ACHTUNG\r\nBitte Angaben im Feld \"Artikel Bezeichnung\" Korriegieren!\r\nDiese "
                   "Zeichen können nicht gespeichert werden: ✓");
        QTest::addRow("%s Ordner gesperrt", qPrintable(art))
            << art << QStringLiteral("Kleid rot") << true << nichtGespeichert;
    }
}

void TestBeschreibungSpeichern::verweigert() {
    QFETCH(QString, art);
    QFETCH(QString, bezeichnung);
    QFETCH(bool, gesperrt);
    QFETCH(QString, meldung);
    haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(QStringLiteral("vorher"));
    QWidget& fenster = fensterFuellen(art);
    element<QLineEdit>(fenster, QStringLiteral("txtArtikelBez"))->setText(bezeichnung);
    {
        const std::unique_ptr<Unveraenderlich> sperre =
            gesperrt ? std::make_unique<Unveraenderlich>(
                           QStringList{ordner().daten(QStringLiteral("Artikel-Beschreibung"))})
                     : nullptr;
        if (sperre && !sperre->aktiv()) {
            QSKIP("this file system cannot lock a folder");
        }
        speichern(fenster);
    }
    const QString erwartet = gesperrt ? BeschreibungNichtGespeichert(ordner().daten(
                                            QStringLiteral("Artikel-Beschreibung/Kleid rot.ini")))
                                      : meldung;
    QCOMPARE(plattform().meldungstexte(), QStringList{erwartet});
    QVERIFY(fenster.isVisible());
    QCOMPARE(inhaltAuto(), QStringLiteral("vorher"));
    QCOMPARE(beschreibungen(), QStringList());
    QCOMPARE(app().zustand().beschreibungsDateiPfad, QString());
}

void TestBeschreibungSpeichern::nachFehlschlag_erneutSpeichern_data() {
    QTest::addColumn<QString>("art");
    QTest::newRow("Buch") << QStringLiteral("Buch");
    QTest::newRow("Kleidung") << QStringLiteral("Kleidung");
}

// After the seller typed the missing name, the same window saves once and hands on one table.
void TestBeschreibungSpeichern::nachFehlschlag_erneutSpeichern() {
    QFETCH(QString, art);
    QWidget& fenster = fensterFuellen(art);
    auto* bezeichnung = element<QLineEdit>(fenster, QStringLiteral("txtArtikelBez"));
    bezeichnung->clear();
    speichern(fenster);
    plattform().vergessen();

    bezeichnung->setText(QStringLiteral("Kleid rot"));
    speichern(fenster);
    QVERIFY(!fenster.isVisible());
    QCOMPARE(beschreibungen(), QStringList{QStringLiteral("Kleid rot.ini")});
    QCOMPARE(inhaltAuto().count(QStringLiteral("<table")), 1);
}

QTEST_MAIN(TestBeschreibungSpeichern)
#include "tst_beschreibungspeichern.moc"
