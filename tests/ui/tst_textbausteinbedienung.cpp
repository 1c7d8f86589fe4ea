#include "support/FensterTest.h"
#include "ui/RichTextFeld.h"
#include "ui/TextbausteinBedienung.h"
#include "ui/frmBuch.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kNamen = QStringLiteral("vorlagen/BT-Namen.Str");

} // namespace

class TstTextbausteinBedienung : public FensterTest {
    Q_OBJECT
private slots:
    void init();
    void nameMitZwoelfZeichen_zeigtNeun();
    void fuenfNamen_lassenRestFrei();
    void leererName_zeigtFrei();
    void kommentarZwischenNamen_verschiebtNichts();
    void fehlendeNamensdatei_meldetUndBehaeltBeschriftungen();
    void aktualisieren_liestNamenNeu();
    void textVor_liestBeschreibung();
    void fehlenderText_meldetUndBehaeltBeschreibung();
    void textVor_setztFelderAusSchluesselzeilen();
    void merian_nimmtBildDreiWeg_data();
    void merian_nimmtBildDreiWeg();
    void genre_nurBisNeunzehn_data();
    void genre_nurBisNeunzehn();
    void plusKnopf_oeffnetTextImEditor();
    void einstell_oeffnetNamensdatei();
    void mehrUndWenig_schaltenRahmenUndBeschriftung();

private:
    TextbausteinBedienung& bt() const { return app().frmHaupt().textbausteine(); }
    QPushButton* knopf(int n) const {
        return haupt<QPushButton>(QStringLiteral("cmdBeschrTextVor%1").arg(n));
    }
    QComboBox* genreBox() const {
        return element<QComboBox>(app().frmBuch(), QStringLiteral("cboArtWehlen"));
    }
    void namen(const QString& text) const { ordner().schreiben(kNamen, w1252(text)); }
    void textVor(int n) const;
};

// The program is not started here; the seller sees the main window all the same.
void TstTextbausteinBedienung::init() {
    FensterTest::init();
    app().frmHaupt().show();
}

// The buttons past the first row sit in frames a seller opens with "mehr".
void TstTextbausteinBedienung::textVor(int n) const {
    if (!knopf(n)->isVisibleTo(&app().frmHaupt())) {
        QTest::mouseClick(haupt<QLabel>(QStringLiteral("lblMehrFertigeTexteAnzeigen")), Qt::LeftButton);
    }
    klicken(QStringLiteral("cmdBeschrTextVor%1").arg(n));
}

void TstTextbausteinBedienung::nameMitZwoelfZeichen_zeigtNeun() {
    namen(QStringLiteral("Kriminalrom\r\n"));
    bt().BTNamenSetzen();
    QCOMPARE(knopf(1)->text(), QStringLiteral("Kriminalr"));
    namen(QStringLiteral("ABCDEFGHIJKL\r\n"));
    bt().BTNamenSetzen();
    QCOMPARE(knopf(1)->text(), QStringLiteral("ABCDEFGHI"));
}

void TstTextbausteinBedienung::fuenfNamen_lassenRestFrei() {
    namen(QStringLiteral("Krimi\r\nRoman\r\nMerian\r\nNLP\r\nKinder\r\n"));
    bt().BTNamenSetzen();
    const QStringList erwartet{QStringLiteral("Krimi"), QStringLiteral("Roman"), QStringLiteral("Merian"),
                               QStringLiteral("NLP"), QStringLiteral("Kinder")};
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(knopf(n)->text(), erwartet.at(n - 1));
    }
    for (int n = 6; n <= TextbausteinBedienung::kAnzahl; ++n) {
        QCOMPARE(knopf(n)->text(), QStringLiteral("frei"));
    }
    QVERIFY(plattform().fenster.isEmpty());
}

void TstTextbausteinBedienung::leererName_zeigtFrei() {
    namen(QStringLiteral("Krimi\r\n   \r\nRoman\r\n"));
    bt().BTNamenSetzen();
    QCOMPARE(knopf(1)->text(), QStringLiteral("Krimi"));
    QCOMPARE(knopf(2)->text(), QStringLiteral("frei"));
}

void TstTextbausteinBedienung::kommentarZwischenNamen_verschiebtNichts() {
    namen(QStringLiteral("Krimi\r\n# Bücher\r\nRoman\r\n"));
    bt().BTNamenSetzen();
    QCOMPARE(knopf(1)->text(), QStringLiteral("Krimi"));
    QCOMPARE(knopf(2)->text(), QStringLiteral("Roman"));
    QCOMPARE(knopf(3)->text(), QStringLiteral("frei"));
}

void TstTextbausteinBedienung::fehlendeNamensdatei_meldetUndBehaeltBeschriftungen() {
    namen(QStringLiteral("Krimi\r\n"));
    bt().BTNamenSetzen();
    ordner().entfernen(kNamen);
    bt().BTNamenSetzen();
    QCOMPARE(knopf(1)->text(), QStringLiteral("Krimi"));
    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(plattform().fenster.first().text.endsWith(QStringLiteral("  wurde nicht gefunden!")));
    QCOMPARE(plattform().fenster.first().titel, QStringLiteral("ACHTUNG"));
}

void TstTextbausteinBedienung::aktualisieren_liestNamenNeu() {
    namen(QStringLiteral("Krimi\r\n"));
    bt().BTNamenSetzen();
    namen(QStringLiteral("Fantasy\r\n"));
    QCOMPARE(knopf(1)->text(), QStringLiteral("Krimi"));
    klicken(QStringLiteral("cmdBTAktuali"));
    QCOMPARE(knopf(1)->text(), QStringLiteral("Fantasy"));
}

void TstTextbausteinBedienung::textVor_liestBeschreibung() {
    ordner().schreiben(QStringLiteral("vorlagen/BT7.Str"),
                       w1252(QStringLiteral("Ein schönes Buch__ gut erhalten.\r\n")));
    textVor(7);
    QCOMPARE(haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(),
             QStringLiteral("Ein schönes Buch, gut erhalten.\r\n"));
}

void TstTextbausteinBedienung::fehlenderText_meldetUndBehaeltBeschreibung() {
    ordner().entfernen(QStringLiteral("vorlagen/BT3.Str"));
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("bisher"));
    textVor(3);
    QCOMPARE(haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(), QStringLiteral("bisher"));
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(plattform().fenster.first().titel, QStringLiteral("ACHTUNG"));
}

void TstTextbausteinBedienung::textVor_setztFelderAusSchluesselzeilen() {
    ordner().schreiben(
        QStringLiteral("vorlagen/BT2.Str"),
        w1252(QStringLiteral("*Titel=Erstausgabe__ signiert\r\n*ArtBeschreibung=\r\nText\r\n")));
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("bleibt"));
    textVor(2);
    QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtTitel"))->text(), QStringLiteral("Erstausgabe, signiert"));
    QCOMPARE(haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), QStringLiteral("bleibt"));
}

void TstTextbausteinBedienung::merian_nimmtBildDreiWeg_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("beschriftung");
    QTest::addColumn<bool>("bildDrei");
    QTest::newRow("Merian auf 1") << 1 << QStringLiteral("Merian") << false;
    QTest::newRow("anderer Name auf 1") << 1 << QStringLiteral("Merian2") << true;
    QTest::newRow("Merian auf 2") << 2 << QStringLiteral("Merian") << true;
}

void TstTextbausteinBedienung::merian_nimmtBildDreiWeg() {
    QFETCH(int, n);
    QFETCH(QString, beschriftung);
    QFETCH(bool, bildDrei);
    ordner().schreiben(QStringLiteral("vorlagen/BT%1.Str").arg(n),
                       w1252(QStringLiteral("*Bild3Haken=1\r\n*ArtBeschreibung=\r\nMerian-Heft\r\n")));
    QCheckBox* bild3 = haupt<QCheckBox>(QStringLiteral("chkBil3JaNEin"));
    bild3->setChecked(false);
    knopf(n)->setText(beschriftung);
    textVor(n);
    QCOMPARE(bild3->isChecked(), bildDrei);
}

void TstTextbausteinBedienung::genre_nurBisNeunzehn_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("genre");
    QTest::newRow("1") << 1 << QStringLiteral("Krimi - Thriller");
    QTest::newRow("19") << 19 << QStringLiteral("Krimi - Thriller");
    QTest::newRow("20") << 20 << QStringLiteral("Genre wählen");
    QTest::newRow("21") << 21 << QStringLiteral("Genre wählen");
}

void TstTextbausteinBedienung::genre_nurBisNeunzehn() {
    QFETCH(int, n);
    QFETCH(QString, genre);
    genreBox()->setCurrentText(QStringLiteral("Genre wählen"));
    knopf(n)->setText(QStringLiteral("Krimi"));
    textVor(n);
    QCOMPARE(genreBox()->currentText(), genre);
}

void TstTextbausteinBedienung::plusKnopf_oeffnetTextImEditor() {
    QTest::mouseClick(haupt<QLabel>(QStringLiteral("lblMehrFertigeTexteAnzeigen")), Qt::LeftButton);
    klicken(QStringLiteral("cmdBeshchrTextPlus12"));
    QCOMPARE(plattform().aufrufe.size(), 1);
    QVERIFY(plattform().aufrufe.first().argumente.last().endsWith(QStringLiteral("/vorlagen/BT12.Str")));
}

void TstTextbausteinBedienung::einstell_oeffnetNamensdatei() {
    QPushButton* einstell = haupt<QPushButton>(QStringLiteral("cmdNamenforBT"));
    QCOMPARE(einstell->text(), QStringLiteral("Einstell"));
    klicken(QStringLiteral("cmdNamenforBT"));
    QCOMPARE(plattform().aufrufe.size(), 1);
    QVERIFY(plattform().aufrufe.first().argumente.last().endsWith(QStringLiteral("/vorlagen/BT-Namen.Str")));
}

void TstTextbausteinBedienung::mehrUndWenig_schaltenRahmenUndBeschriftung() {
    app().frmHaupt().show();
    QLabel* mehr = haupt<QLabel>(QStringLiteral("lblMehrFertigeTexteAnzeigen"));
    QGroupBox* zwei = haupt<QGroupBox>(QStringLiteral("fraFertigeTexte2"));
    QGroupBox* drei = haupt<QGroupBox>(QStringLiteral("fraFertigeTexte3"));
    RichTextFeld* inhalt = haupt<RichTextFeld>(QStringLiteral("rtfInhalt"));
    QVERIFY(!zwei->isVisible());

    QTest::mouseClick(mehr, Qt::LeftButton);
    QCOMPARE(mehr->text(), QStringLiteral("wenig"));
    QVERIFY(zwei->isVisible());
    QVERIFY(drei->isVisible());
    const QSize schmal = inhalt->minimumSize();

    QTest::mouseClick(mehr, Qt::LeftButton);
    QCOMPARE(mehr->text(), QStringLiteral("mehr"));
    QVERIFY(!zwei->isVisible());
    QVERIFY(!drei->isVisible());
    QVERIFY(inhalt->minimumWidth() > schmal.width());
    QVERIFY(inhalt->minimumHeight() > schmal.height());
}

QTEST_MAIN(TstTextbausteinBedienung)
#include "tst_textbausteinbedienung.moc"
