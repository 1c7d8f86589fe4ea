#include "article/ArtikelText.h"
#include "compose/Kurzfassung.h"
#include "support/FensterTest.h"
#include "ui/ArtikelBindung.h"
#include "ui/FertigBedienung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// The summary page of the started program with the delivered data folder.
class TestKurzfassungBedienung : public FensterTest {
    Q_OBJECT
public:
    TestKurzfassungBedienung() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void folgtDemArtikel_bisZurAenderung();
    void zeichenzahl_rotUeber800();
    void gespeichertUndZurueckgelesen_data();
    void gespeichertUndZurueckgelesen();
    void neu_bildetWiederAusDemArtikel();
    void schalter_ausDenEinstellungen();

private:
    RichTextFeld* zeilen() const { return haupt<RichTextFeld>(u"rtfKurzfassung"_s); }
    // What the page shows when the seller looks at it.
    QString gezeigt() const {
        seite(u"Kurzfassung"_s);
        return zeilen()->text();
    }
    QStringList ersteZeile() const { return {gezeigt().split(u"\r\n"_s).first()}; }
    void titelTippen(const QString& titel) const {
        seite(u"Beschreibung"_s);
        hineinklicken(app().frmHaupt(), u"txtTitel"_s);
        tippen(titel);
    }
    void kurzfassungTippen(const QString& text) const {
        seite(u"Kurzfassung"_s);
        hineinklicken(app().frmHaupt(), u"rtfKurzfassung"_s);
        taste(Qt::Key_End, Qt::ControlModifier);
        taste(Qt::Key_Return);
        tippen(text);
    }
    void neuMitJa() const {
        plattform().antworten.enqueue(Plattform::Antwort::Ja);
        klicken(u"cmdNeu"_s);
    }
    QString block() const { return app().frmHaupt().fertig().listingEingabe({}).kurzfassung; }
};

void TestKurzfassungBedienung::folgtDemArtikel_bisZurAenderung() {
    titelTippen(u"Der stille See"_s);
    QCOMPARE(ersteZeile(), QStringList{u"Der stille See"_s});
    QVERIFY(block().contains(u"<li>Der stille See</li>"_s));

    kurzfassungTippen(u"Mit Widmung"_s);
    const QString bearbeitet = zeilen()->text();
    QVERIFY(bearbeitet.endsWith(u"\r\nMit Widmung"_s));
    titelTippen(u" am Morgen"_s);
    QCOMPARE(zeilen()->text(), bearbeitet);
    QVERIFY(block().contains(u"<li>Mit Widmung</li></ul></span></div>"_s));

    seite(u"Kurzfassung"_s);
    klicken(u"cmdKurzfassungBilden"_s);
    QCOMPARE(ersteZeile(), QStringList{u"Der stille See am Morgen"_s});
    QVERIFY(!zeilen()->text().contains(u"Widmung"_s));
}

void TestKurzfassungBedienung::zeichenzahl_rotUeber800() {
    auto* zahl = haupt<QLabel>(u"lblKurzfassungZeichen"_s);
    zeilen()->setText(u"Der stille See"_s);
    QCOMPARE(zahl->text(), u"%1 von 800 Zeichen"_s.arg(KurzfassungZeichen({u"Der stille See"_s})));
    QVERIFY(zahl->styleSheet().isEmpty());
    kurzfassungTippen(QString(800, u'x'));
    QCOMPARE(zahl->text(), u"841 von 800 Zeichen"_s);
    QVERIFY(zahl->styleSheet().contains(u"#c00000"_s));
}

void TestKurzfassungBedienung::gespeichertUndZurueckgelesen_data() {
    QTest::addColumn<bool>("bearbeitet");
    QTest::newRow("bearbeitet") << true;
    QTest::newRow("gebildet") << false;
}

// An edited summary comes back as edited; a built one is built again from the article read.
void TestKurzfassungBedienung::gespeichertUndZurueckgelesen() {
    QFETCH(bool, bearbeitet);
    titelTippen(u"Der stille See"_s);
    if (bearbeitet) {
        kurzfassungTippen(u"Mit Widmung, signiert"_s);
    }
    const QString gespeichert = gezeigt();
    const QString text = ArtikelTextBilden(app());
    QCOMPARE(text.contains(u"*Kurzfassung="_s), bearbeitet);

    neuMitJa();
    QVERIFY(gezeigt() != gespeichert);
    ArtikelEinsetzen(app(), ArtikelDateiAuswerten(text + u"\r\n"_s));
    QCOMPARE(gezeigt(), gespeichert);
    QVERIFY(!app().artikelUngespeichert());
    titelTippen(u"!"_s);
    QCOMPARE(ersteZeile() == QStringList{u"Der stille See!"_s}, !bearbeitet);
}

void TestKurzfassungBedienung::neu_bildetWiederAusDemArtikel() {
    kurzfassungTippen(u"Alter Artikel"_s);
    QVERIFY(app().artikelUngespeichert());
    neuMitJa();
    QVERIFY(!zeilen()->text().contains(u"Alter Artikel"_s));
    titelTippen(u"Neu"_s);
    QCOMPARE(ersteZeile(), QStringList{u"Neu"_s});
}

// The delivered settings know no summary: the box starts ticked. Unticked in the settings, it goes
// off in the main window; ticked again there by the seller, the listing has the block again.
void TestKurzfassungBedienung::schalter_ausDenEinstellungen() {
    auto* schalter = haupt<QCheckBox>(u"chkKurzfassung"_s);
    QVERIFY(schalter->isChecked());
    titelTippen(u"Der stille See"_s);
    QVERIFY(!block().isEmpty());

    menue(app().frmHaupt(), u"mnuEinstBearb"_s);
    klicken(app().frmEinstell(), u"chkKurzfassungJa"_s);
    klicken(app().frmEinstell(), u"cmdEinstelSpeichern"_s);
    app().frmEinstell().close();
    QVERIFY(ordner().lesen(u"Einstell.Ini"_s).contains("KURZFASSUNG_JA=0\r\n"));
    QVERIFY(!schalter->isChecked());
    QVERIFY(block().isEmpty());

    seite(u"Kurzfassung"_s);
    klicken(u"chkKurzfassung"_s);
    QVERIFY(block().startsWith(u"<div vocab="_s));
}

QTEST_MAIN(TestKurzfassungBedienung)
#include "tst_kurzfassungbedienung.moc"
