#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
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

#include <memory>

namespace {

const QString kNamen = QStringLiteral("vorlagen/BT-Namen.Str");

struct Programm {
    TestOrdner ordner;
    SkriptPlattform p;
    std::unique_ptr<Anwendung> app = std::make_unique<Anwendung>(ordner.programmordner(), p);

    TextbausteinBedienung& bt() { return app->textbausteine(); }
    template <class T> T* el(const QString& name) { return app->frmHaupt().findChild<T*>(name); }
    QPushButton* knopf(int n) { return el<QPushButton>(QStringLiteral("cmdBeschrTextVor%1").arg(n)); }
    QComboBox* genre() { return app->frmBuch().findChild<QComboBox*>(QStringLiteral("cboArtWehlen")); }
    void namen(const QString& text) { ordner.schreiben(kNamen, w1252(text)); }
};

} // namespace

class TstTextbausteinBedienung : public QObject {
    Q_OBJECT
private slots:
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
};

void TstTextbausteinBedienung::nameMitZwoelfZeichen_zeigtNeun() {
    Programm pr;
    pr.namen(QStringLiteral("Kriminalrom\r\n"));
    pr.bt().BTNamenSetzen();
    QCOMPARE(pr.knopf(1)->text(), QStringLiteral("Kriminalr"));
    pr.namen(QStringLiteral("ABCDEFGHIJKL\r\n"));
    pr.bt().BTNamenSetzen();
    QCOMPARE(pr.knopf(1)->text(), QStringLiteral("ABCDEFGHI"));
}

void TstTextbausteinBedienung::fuenfNamen_lassenRestFrei() {
    Programm pr;
    pr.namen(QStringLiteral("Krimi\r\nRoman\r\nMerian\r\nNLP\r\nKinder\r\n"));
    pr.bt().BTNamenSetzen();
    const QStringList erwartet{QStringLiteral("Krimi"), QStringLiteral("Roman"), QStringLiteral("Merian"),
                               QStringLiteral("NLP"), QStringLiteral("Kinder")};
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(pr.knopf(n)->text(), erwartet.at(n - 1));
    }
    for (int n = 6; n <= TextbausteinBedienung::kAnzahl; ++n) {
        QCOMPARE(pr.knopf(n)->text(), QStringLiteral("frei"));
    }
    QVERIFY(pr.p.fenster.isEmpty());
}

void TstTextbausteinBedienung::leererName_zeigtFrei() {
    Programm pr;
    pr.namen(QStringLiteral("Krimi\r\n   \r\nRoman\r\n"));
    pr.bt().BTNamenSetzen();
    QCOMPARE(pr.knopf(1)->text(), QStringLiteral("Krimi"));
    QCOMPARE(pr.knopf(2)->text(), QStringLiteral("frei"));
}

void TstTextbausteinBedienung::kommentarZwischenNamen_verschiebtNichts() {
    Programm pr;
    pr.namen(QStringLiteral("Krimi\r\n# Bücher\r\nRoman\r\n"));
    pr.bt().BTNamenSetzen();
    QCOMPARE(pr.knopf(1)->text(), QStringLiteral("Krimi"));
    QCOMPARE(pr.knopf(2)->text(), QStringLiteral("Roman"));
    QCOMPARE(pr.knopf(3)->text(), QStringLiteral("frei"));
}

void TstTextbausteinBedienung::fehlendeNamensdatei_meldetUndBehaeltBeschriftungen() {
    Programm pr;
    pr.namen(QStringLiteral("Krimi\r\n"));
    pr.bt().BTNamenSetzen();
    pr.ordner.entfernen(kNamen);
    pr.bt().BTNamenSetzen();
    QCOMPARE(pr.knopf(1)->text(), QStringLiteral("Krimi"));
    QCOMPARE(pr.p.fenster.size(), 1);
    QVERIFY(pr.p.fenster.first().text.endsWith(QStringLiteral("  wurde nicht gefunden!")));
    QCOMPARE(pr.p.fenster.first().titel, QStringLiteral("ACHTUNG"));
}

void TstTextbausteinBedienung::aktualisieren_liestNamenNeu() {
    Programm pr;
    pr.namen(QStringLiteral("Krimi\r\n"));
    pr.bt().BTNamenSetzen();
    pr.namen(QStringLiteral("Fantasy\r\n"));
    QCOMPARE(pr.knopf(1)->text(), QStringLiteral("Krimi"));
    pr.el<QPushButton>(QStringLiteral("cmdBTAktuali"))->click();
    QCOMPARE(pr.knopf(1)->text(), QStringLiteral("Fantasy"));
}

void TstTextbausteinBedienung::textVor_liestBeschreibung() {
    Programm pr;
    pr.ordner.schreiben(QStringLiteral("vorlagen/BT7.Str"),
                        w1252(QStringLiteral("Ein schönes Buch__ gut erhalten.\r\n")));
    pr.knopf(7)->click();
    QCOMPARE(pr.el<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(),
             QStringLiteral("Ein schönes Buch, gut erhalten.\r\n"));
}

void TstTextbausteinBedienung::fehlenderText_meldetUndBehaeltBeschreibung() {
    Programm pr;
    pr.ordner.entfernen(QStringLiteral("vorlagen/BT3.Str"));
    pr.el<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("bisher"));
    pr.knopf(3)->click();
    QCOMPARE(pr.el<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(), QStringLiteral("bisher"));
    QCOMPARE(pr.p.fenster.size(), 1);
    QCOMPARE(pr.p.fenster.first().titel, QStringLiteral("ACHTUNG"));
}

void TstTextbausteinBedienung::textVor_setztFelderAusSchluesselzeilen() {
    Programm pr;
    pr.ordner.schreiben(
        QStringLiteral("vorlagen/BT2.Str"),
        w1252(QStringLiteral("*Titel=Erstausgabe__ signiert\r\n*ArtBeschreibung=\r\nText\r\n")));
    pr.el<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("bleibt"));
    pr.knopf(2)->click();
    QCOMPARE(pr.el<QLineEdit>(QStringLiteral("txtTitel"))->text(), QStringLiteral("Erstausgabe, signiert"));
    QCOMPARE(pr.el<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), QStringLiteral("bleibt"));
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
    Programm pr;
    pr.ordner.schreiben(QStringLiteral("vorlagen/BT%1.Str").arg(n),
                        w1252(QStringLiteral("*Bild3Haken=1\r\n*ArtBeschreibung=\r\nMerian-Heft\r\n")));
    QCheckBox* bild3 = pr.el<QCheckBox>(QStringLiteral("chkBil3JaNEin"));
    bild3->setChecked(false);
    pr.knopf(n)->setText(beschriftung);
    pr.knopf(n)->click();
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
    Programm pr;
    pr.genre()->setCurrentText(QStringLiteral("Genre wählen"));
    pr.knopf(n)->setText(QStringLiteral("Krimi"));
    pr.knopf(n)->click();
    QCOMPARE(pr.genre()->currentText(), genre);
}

void TstTextbausteinBedienung::plusKnopf_oeffnetTextImEditor() {
    Programm pr;
    pr.el<QPushButton>(QStringLiteral("cmdBeshchrTextPlus12"))->click();
    QCOMPARE(pr.p.aufrufe.size(), 1);
    QVERIFY(pr.p.aufrufe.first().argumente.last().endsWith(QStringLiteral("/vorlagen/BT12.Str")));
}

void TstTextbausteinBedienung::einstell_oeffnetNamensdatei() {
    Programm pr;
    QPushButton* einstell = pr.el<QPushButton>(QStringLiteral("cmdNamenforBT"));
    QCOMPARE(einstell->text(), QStringLiteral("Einstell"));
    einstell->click();
    QCOMPARE(pr.p.aufrufe.size(), 1);
    QVERIFY(pr.p.aufrufe.first().argumente.last().endsWith(QStringLiteral("/vorlagen/BT-Namen.Str")));
}

void TstTextbausteinBedienung::mehrUndWenig_schaltenRahmenUndBeschriftung() {
    Programm pr;
    pr.app->frmHaupt().show();
    QLabel* mehr = pr.el<QLabel>(QStringLiteral("lblMehrFertigeTexteAnzeigen"));
    QGroupBox* zwei = pr.el<QGroupBox>(QStringLiteral("fraFertigeTexte2"));
    QGroupBox* drei = pr.el<QGroupBox>(QStringLiteral("fraFertigeTexte3"));
    RichTextFeld* inhalt = pr.el<RichTextFeld>(QStringLiteral("rtfInhalt"));
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
