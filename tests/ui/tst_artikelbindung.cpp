#include "core/TextDatei.h"
#include "support/FensterTest.h"
#include "ui/ArtikelBindung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestArtikelBindung : public FensterTest {
    Q_OBJECT
public:
    TestArtikelBindung() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void felder_ueberstehenSchreibenUndLesen();
    void komma_wirdAlsUnterstricheGeschrieben();
    void versandkosten_ladenMitKomma_data();
    void versandkosten_ladenMitKomma();
    void buchwert_getippt_kommtNachUebernehmenZurueck();
    void andereArtikelart_laesstBuchfelder();
    void fehlendeDatei_meldetUndLaesstFelder();
    void leererName_fragtNachDatei();

private:
    template <class T> T* buch(const QString& name) const { return element<T>(app().frmBuch(), name); }
    QLineEdit* text(const char* name) const { return haupt<QLineEdit>(QLatin1String(name)); }
    QComboBox* box(const char* name) const { return haupt<QComboBox>(QLatin1String(name)); }
    RichTextFeld* inhalt() const { return haupt<RichTextFeld>(QStringLiteral("rtfInhalt")); }
    QString datei(const QString& name) const {
        return ordner().daten(QStringLiteral("Artikeln-Txt/") + name);
    }

    // As the save window writes it: the article text and one closing line end.
    void speichern(const QString& pfad) const {
        QVERIFY(textSchreiben(pfad, ArtikelTextBilden(app()) + QStringLiteral("\r\n"), Textart::Klartext)
                    .isEmpty());
    }
};

void TestArtikelBindung::felder_ueberstehenSchreibenUndLesen() {
    haupt<QLabel>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("Buch"));
    text("txtArtikelBez")->setText(QStringLiteral("Mankell: Die Brandmauer"));
    text("txtTitel")->setText(QStringLiteral("Ein Wallander-Krimi"));
    text("txtUntertittel")->setText(QStringLiteral("Taschenbuch"));
    box("cboGutErhalten")->setEditText(QStringLiteral("gut erhaltenes"));
    box("cboVersandkosten")->setEditText(QStringLiteral("1,85"));
    haupt<QCheckBox>(QStringLiteral("chkBil2JaNEin"))->setChecked(true);
    text("txtEbayBildPfad_b")->setText(QStringLiteral("brandmauer2.jpg"));
    box("txtBildLaenge_b")->setEditText(QStringLiteral("350"));
    buch<QLineEdit>(QStringLiteral("Text2_5"))->setText(QStringLiteral("540 Seiten"));
    buch<QCheckBox>(QStringLiteral("Chk6"))->setChecked(true);
    inhalt()->setText(QStringLiteral("Erste Zeile\r\nZweite Zeile\r\n"));
    speichern(datei(QStringLiteral("a.ebay")));

    text("txtArtikelBez")->clear();
    text("txtTitel")->clear();
    text("txtUntertittel")->clear();
    box("cboGutErhalten")->setEditText(QString());
    box("cboVersandkosten")->setEditText(QString());
    haupt<QCheckBox>(QStringLiteral("chkBil2JaNEin"))->setChecked(false);
    text("txtEbayBildPfad_b")->clear();
    box("txtBildLaenge_b")->setEditText(QString());
    buch<QLineEdit>(QStringLiteral("Text2_5"))->clear();
    buch<QCheckBox>(QStringLiteral("Chk6"))->setChecked(false);
    inhalt()->setText(QStringLiteral("anderes"));

    ArtikelDateiOeffnen(app(), datei(QStringLiteral("a.ebay")));

    QCOMPARE(text("txtArtikelBez")->text(), QStringLiteral("Mankell: Die Brandmauer"));
    QCOMPARE(text("txtTitel")->text(), QStringLiteral("Ein Wallander-Krimi"));
    QCOMPARE(text("txtUntertittel")->text(), QStringLiteral("Taschenbuch"));
    QCOMPARE(box("cboGutErhalten")->currentText(), QStringLiteral("gut erhaltenes"));
    QCOMPARE(box("cboVersandkosten")->currentText(), QStringLiteral("1,85"));
    QVERIFY(haupt<QCheckBox>(QStringLiteral("chkBil2JaNEin"))->isChecked());
    QCOMPARE(text("txtEbayBildPfad_b")->text(), QStringLiteral("brandmauer2.jpg"));
    QCOMPARE(box("txtBildLaenge_b")->currentText(), QStringLiteral("350"));
    QCOMPARE(buch<QLineEdit>(QStringLiteral("Text2_5"))->text(), QStringLiteral("540 Seiten"));
    QVERIFY(buch<QCheckBox>(QStringLiteral("Chk6"))->isChecked());
    QCOMPARE(inhalt()->text(), QStringLiteral("Erste Zeile\r\nZweite Zeile\r\n"));
    QVERIFY(app().zustand().pruefungUeberspringen);
    QVERIFY(plattform().fenster.isEmpty());
}

void TestArtikelBindung::komma_wirdAlsUnterstricheGeschrieben() {
    text("txtTitel")->setText(QStringLiteral("Spannend, packend, gut"));
    const QString artikel = ArtikelTextBilden(app());
    QVERIFY(artikel.contains(QStringLiteral("*Titel=Spannend__ packend__ gut\r\n")));
    QVERIFY(!artikel.contains(QLatin1Char(',')));
    QVERIFY(app().zustand().ErsetztAnzahl >= 2);
    speichern(datei(QStringLiteral("k.ebay")));
    text("txtTitel")->clear();

    ArtikelDateiOeffnen(app(), datei(QStringLiteral("k.ebay")));

    QCOMPARE(text("txtTitel")->text(), QStringLiteral("Spannend, packend, gut"));
}

void TestArtikelBindung::versandkosten_ladenMitKomma_data() {
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("Punkt") << QStringLiteral("4.90");
    QTest::newRow("Unterstriche") << QStringLiteral("4__90");
    QTest::newRow("Komma") << QStringLiteral("4,90");
}

void TestArtikelBindung::versandkosten_ladenMitKomma() {
    QFETCH(QString, gespeichert);
    app().zustand().artikelZeilen[0] = QStringLiteral("Versandkosten=") + gespeichert;

    FelderAusZeilenSetzen(app(), Schluesselsuche::Genau);

    QCOMPARE(box("cboVersandkosten")->currentText(), QStringLiteral("4,90"));
}

void TestArtikelBindung::buchwert_getippt_kommtNachUebernehmenZurueck() {
    haupt<QLabel>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("Buch"));
    auto* verlag = buch<QLineEdit>(QStringLiteral("Text2_0"));
    auto* verlagBox = buch<QComboBox>(QStringLiteral("cboFirmawehlen"));
    verlagBox->setCurrentText(QStringLiteral("Verlag wählen"));
    verlag->setText(QStringLiteral("Kleinverlag, Bremen"));
    speichern(datei(QStringLiteral("b.ebay")));
    verlag->clear();

    ArtikelDateiOeffnen(app(), datei(QStringLiteral("b.ebay")));

    QCOMPARE(verlagBox->currentText(), QStringLiteral("Kleinverlag, Bremen"));
    QCOMPARE(verlag->text(), QStringLiteral("Kleinverlag, Bremen"));
}

void TestArtikelBindung::andereArtikelart_laesstBuchfelder() {
    haupt<QLabel>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("CD"));
    auto* seiten = buch<QLineEdit>(QStringLiteral("Text2_5"));
    seiten->setText(QStringLiteral("100 Seiten"));
    const QString artikel = ArtikelTextBilden(app());
    QVERIFY(!artikel.contains(QStringLiteral("*AnzSeit1=")));
    speichern(datei(QStringLiteral("cd.ebay")));
    seiten->setText(QStringLiteral("bleibt"));

    ArtikelDateiOeffnen(app(), datei(QStringLiteral("cd.ebay")));

    QCOMPARE(seiten->text(), QStringLiteral("bleibt"));
}

void TestArtikelBindung::fehlendeDatei_meldetUndLaesstFelder() {
    text("txtTitel")->setText(QStringLiteral("bleibt"));
    inhalt()->setText(QStringLiteral("alter Text"));
    const bool pruefungVorher = app().zustand().pruefungUeberspringen;

    ArtikelDateiOeffnen(app(), datei(QStringLiteral("fehlt.ebay")));

    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(plattform().fenster.first().text.endsWith(QStringLiteral("  wurde nicht gefunden!")));
    QCOMPARE(text("txtTitel")->text(), QStringLiteral("bleibt"));
    QCOMPARE(inhalt()->text(), QStringLiteral("alter Text"));
    // Nothing was read, so the book window's take-over does not run either.
    QCOMPARE(app().zustand().pruefungUeberspringen, pruefungVorher);
}

void TestArtikelBindung::leererName_fragtNachDatei() {
    ordner().schreiben(QStringLiteral("Artikeln-Txt/g.ebay"), w1252(QStringLiteral("*Titel=Gewählt\r\n")));
    plattform().dateien.enqueue(datei(QStringLiteral("g.ebay")));

    ArtikelDateiOeffnen(app(), QString());

    QCOMPARE(plattform().aufrufe.first().art, QStringLiteral("dateiWaehlen"));
    QCOMPARE(plattform().aufrufe.first().argumente.at(2),
             QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*"));
    QCOMPARE(text("txtTitel")->text(), QStringLiteral("Gewählt"));
}

QTEST_MAIN(TestArtikelBindung)
#include "tst_artikelbindung.moc"
