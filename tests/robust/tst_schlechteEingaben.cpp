#include "config/Einstellungen.h"
#include "config/Vorlage.h"
#include "robust/Stoerfaelle.h"
#include "support/FensterTest.h"
#include "ui/ArtikelBindung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmVorlIni.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// Files the program only reads are never changed by reading them, and whatever they hold ends
// in entries, texts or empty values, never in a crash or a question nobody expected.
class TestSchlechteEingaben : public FensterTest {
    Q_OBJECT
private slots:
    void listendatei_data();
    void listendatei();
    void gespeicherterText_data();
    void gespeicherterText();
    void artikeldateiDirekt_data();
    void artikeldateiDirekt();
    void artikeldateiAusBibliothek_data();
    void artikeldateiAusBibliothek();
    void vorlagenteil_data();
    void vorlagenteil();
    void einstellungen_data();
    void einstellungen();
    void vorlageIni_data();
    void vorlageIni();

private:
    QComboBox* listenBox(const QString& fenster, const QString& box) const {
        return fenster == QLatin1String("frmBuch") ? element<QComboBox>(app().frmBuch(), box)
                                                   : haupt<QComboBox>(box);
    }
};

namespace {

const QString kArtikel = QStringLiteral("Artikeln-Txt/Kaputt~1,85#Hausverkauf-1.ebay");

void inhaltSpalten() {
    QTest::addColumn<QByteArray>("inhalt");
}

void inhaltZeilen(const char* vorsilbe) {
    QTest::newRow(QByteArray(vorsilbe).append("muell").constData()) << muell();
    QTest::newRow(QByteArray(vorsilbe).append("zehnMegabyte").constData()) << zehnMegabyteEineZeile();
}

} // namespace

void TestSchlechteEingaben::listendatei_data() {
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<int>("anzahl");
    const QString aufforderung = QStringLiteral("vorlagen/Aufforderung1.str");
    const QString autor = QStringLiteral("vorlagen/BuchAutor.txt");
    const QString haupt = QStringLiteral("frmHaupt");
    const QString buch = QStringLiteral("frmBuch");
    const QString boxA = QStringLiteral("cboAuforderung1");
    const QString boxB = QStringLiteral("cboBuchAutor");
    QTest::newRow("aufforderung_muell") << aufforderung << haupt << boxA << muell() << -1;
    QTest::newRow("aufforderung_zehnMegabyte")
        << aufforderung << haupt << boxA << zehnMegabyteEineZeile() << 1;
    QTest::newRow("aufforderung_hunderttausend")
        << aufforderung << haupt << boxA << hunderttausendEintraege() << 100000;
    QTest::newRow("autor_muell") << autor << buch << boxB << muell() << -1;
    QTest::newRow("autor_zehnMegabyte") << autor << buch << boxB << zehnMegabyteEineZeile() << 1;
    QTest::newRow("autor_hunderttausend") << autor << buch << boxB << hunderttausendEintraege() << 100000;
}

void TestSchlechteEingaben::listendatei() {
    QFETCH(QString, datei);
    QFETCH(QString, fenster);
    QFETCH(QString, box);
    QFETCH(QByteArray, inhalt);
    QFETCH(int, anzahl);
    ordner().schreiben(datei, inhalt);
    app().starten();
    const QComboBox* liste = listenBox(fenster, box);
    QVERIFY(plattform().unerwartet.isEmpty());
    QCOMPARE(ordner().lesen(datei), inhalt);
    if (anzahl < 0) {
        QVERIFY(liste->count() > 0);
    } else {
        QCOMPARE(liste->count(), anzahl);
    }
    if (anzahl == 1) {
        QCOMPARE(liste->itemText(0).size(), inhalt.size());
    }
}

void TestSchlechteEingaben::gespeicherterText_data() {
    inhaltSpalten();
    inhaltZeilen("");
}

void TestSchlechteEingaben::gespeicherterText() {
    QFETCH(QByteArray, inhalt);
    ordner().schreiben(QStringLiteral("vorlagen/BT1.Str"), inhalt);
    app().starten();
    klicken(QStringLiteral("cmdBeschrTextVor1"));
    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(ordner().lesen(QStringLiteral("vorlagen/BT1.Str")), inhalt);
    QVERIFY(!haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text().isEmpty());
}

void TestSchlechteEingaben::artikeldateiDirekt_data() {
    inhaltSpalten();
    inhaltZeilen("");
}

void TestSchlechteEingaben::artikeldateiDirekt() {
    QFETCH(QByteArray, inhalt);
    ordner().schreiben(kArtikel, inhalt);
    app().starten();
    ArtikelDateiOeffnen(app(), ordner().daten(kArtikel));
    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(ordner().lesen(kArtikel), inhalt);
    QVERIFY(!haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text().isEmpty());
}

void TestSchlechteEingaben::artikeldateiAusBibliothek_data() {
    inhaltSpalten();
    inhaltZeilen("");
}

void TestSchlechteEingaben::artikeldateiAusBibliothek() {
    QFETCH(QByteArray, inhalt);
    ordner().schreiben(kArtikel, inhalt);
    app().starten();
    seite(QStringLiteral("Dateiliste"));
    klicken(QStringLiteral("cmdHauptliste"));
    auto* liste = haupt<QListWidget>(QStringLiteral("lstDateien"));
    QCOMPARE(liste->count(), 1);
    zeileWaehlen(*liste, 0);
    klicken(QStringLiteral("cmdDateiEinlesen"));
    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(ordner().lesen(kArtikel), inhalt);
    QVERIFY(!haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->text().isEmpty());
}

void TestSchlechteEingaben::vorlagenteil_data() {
    inhaltSpalten();
    inhaltZeilen("");
}

void TestSchlechteEingaben::vorlagenteil() {
    QFETCH(QByteArray, inhalt);
    const QString teil = QStringLiteral("HTML_Code/HTML_text-1.txt");
    ordner().schreiben(teil, inhalt);
    app().starten();
    menue(app().frmHaupt(), QStringLiteral("mnuVorlBearb"));
    klicken(app().frmVorlIni(), QStringLiteral("cmdAendSpeich"));
    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(ordner().lesen(teil), inhalt);
}

void TestSchlechteEingaben::einstellungen_data() {
    inhaltSpalten();
    inhaltZeilen("");
}

// A settings file that is no INI file reads as empty values; a save adds the section and keeps
// every foreign line.
void TestSchlechteEingaben::einstellungen() {
    QFETCH(QByteArray, inhalt);
    const QString ini = QStringLiteral("Einstell.Ini");
    ordner().schreiben(ini, inhalt);
    app().starten();
    QCOMPARE(ordner().lesen(ini), inhalt);
    menue(app().frmHaupt(), QStringLiteral("mnuEinstBearb"));
    element<QComboBox>(app().frmEinstell(), QStringLiteral("txtTeil1"))
        ->setCurrentText(QStringLiteral("Neu"));
    klicken(app().frmEinstell(), QStringLiteral("cmdEinstelSpeichern"));
    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(alleMeldungenSagenEtwas(plattform()));
    QCOMPARE(einstellungenLesen(ordner().daten(ini)).ebayName, QStringLiteral("Neu"));
    QVERIFY(ordner().lesen(ini).size() > inhalt.size());
}

void TestSchlechteEingaben::vorlageIni_data() {
    inhaltSpalten();
    inhaltZeilen("");
}

void TestSchlechteEingaben::vorlageIni() {
    QFETCH(QByteArray, inhalt);
    const QString ini = QStringLiteral("HTML_Code/Vorlage.Ini");
    ordner().schreiben(ini, inhalt);
    app().starten();
    QCOMPARE(ordner().lesen(ini), inhalt);
    menue(app().frmHaupt(), QStringLiteral("mnuVorlBearb"));
    element<QLineEdit>(app().frmVorlIni(), QStringLiteral("txtTeil1"))->setText(QStringLiteral("Teil eins"));
    klicken(app().frmVorlIni(), QStringLiteral("cmdAendSpeich"));
    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(vorlageTeileLesen(ordner().daten(ini), vorlageVariante(QStringLiteral("Buch"))).at(0),
             QStringLiteral("Teil eins"));
    QVERIFY(ordner().lesen(ini).size() > inhalt.size());
}

QTEST_MAIN(TestSchlechteEingaben)
#include "tst_schlechteEingaben.moc"
