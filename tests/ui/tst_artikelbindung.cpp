#include "core/TextDatei.h"
#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/ArtikelBindung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

struct Programm {
    Programm() {
        app.starten();
        p.vergessen();
    }
    TestOrdner ordner;
    SkriptPlattform p;
    Anwendung app{ordner.programmordner(), p};

    template <class T> T* haupt(const QString& name) { return app.frmHaupt().findChild<T*>(name); }
    template <class T> T* buch(const QString& name) { return app.frmBuch().findChild<T*>(name); }
    QLineEdit* text(const char* name) { return haupt<QLineEdit>(QLatin1String(name)); }
    QComboBox* box(const char* name) { return haupt<QComboBox>(QLatin1String(name)); }
    RichTextFeld* inhalt() { return haupt<RichTextFeld>(QStringLiteral("rtfInhalt")); }
    QString datei(const QString& name) { return ordner.daten(QStringLiteral("Artikeln-Txt/") + name); }

    // As the save window writes it: the article text and one closing line end.
    void speichern(const QString& pfad) {
        QVERIFY(textSchreiben(pfad, ArtikelTextBilden(app) + QStringLiteral("\r\n")).isEmpty());
    }
};

} // namespace

class TestArtikelBindung : public QObject {
    Q_OBJECT
private slots:
    void felder_ueberstehenSchreibenUndLesen();
    void komma_wirdAlsUnterstricheGeschrieben();
    void versandkosten_ladenMitKomma_data();
    void versandkosten_ladenMitKomma();
    void buchwert_getippt_kommtNachUebernehmenZurueck();
    void andereArtikelart_laesstBuchfelder();
    void fehlendeDatei_meldetUndLaesstFelder();
    void leererName_fragtNachDatei();
};

void TestArtikelBindung::felder_ueberstehenSchreibenUndLesen() {
    Programm pr;
    pr.haupt<QLabel>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("Buch"));
    pr.text("txtArtikelBez")->setText(QStringLiteral("Mankell: Die Brandmauer"));
    pr.text("txtTitel")->setText(QStringLiteral("Ein Wallander-Krimi"));
    pr.text("txtUntertittel")->setText(QStringLiteral("Taschenbuch"));
    pr.box("cboGutErhalten")->setEditText(QStringLiteral("gut erhaltenes"));
    pr.box("cboVersandkosten")->setEditText(QStringLiteral("1,85"));
    pr.haupt<QCheckBox>(QStringLiteral("chkBil2JaNEin"))->setChecked(true);
    pr.text("txtEbayBildPfad_b")->setText(QStringLiteral("brandmauer2.jpg"));
    pr.box("txtBildLaenge_b")->setEditText(QStringLiteral("350"));
    pr.buch<QLineEdit>(QStringLiteral("Text2_5"))->setText(QStringLiteral("540 Seiten"));
    pr.buch<QCheckBox>(QStringLiteral("Chk6"))->setChecked(true);
    pr.inhalt()->setText(QStringLiteral("Erste Zeile\r\nZweite Zeile\r\n"));
    pr.speichern(pr.datei(QStringLiteral("a.ebay")));

    pr.text("txtArtikelBez")->clear();
    pr.text("txtTitel")->clear();
    pr.text("txtUntertittel")->clear();
    pr.box("cboGutErhalten")->setEditText(QString());
    pr.box("cboVersandkosten")->setEditText(QString());
    pr.haupt<QCheckBox>(QStringLiteral("chkBil2JaNEin"))->setChecked(false);
    pr.text("txtEbayBildPfad_b")->clear();
    pr.box("txtBildLaenge_b")->setEditText(QString());
    pr.buch<QLineEdit>(QStringLiteral("Text2_5"))->clear();
    pr.buch<QCheckBox>(QStringLiteral("Chk6"))->setChecked(false);
    pr.inhalt()->setText(QStringLiteral("anderes"));

    ArtikelDateiOeffnen(pr.app, pr.datei(QStringLiteral("a.ebay")));

    QCOMPARE(pr.text("txtArtikelBez")->text(), QStringLiteral("Mankell: Die Brandmauer"));
    QCOMPARE(pr.text("txtTitel")->text(), QStringLiteral("Ein Wallander-Krimi"));
    QCOMPARE(pr.text("txtUntertittel")->text(), QStringLiteral("Taschenbuch"));
    QCOMPARE(pr.box("cboGutErhalten")->currentText(), QStringLiteral("gut erhaltenes"));
    QCOMPARE(pr.box("cboVersandkosten")->currentText(), QStringLiteral("1,85"));
    QVERIFY(pr.haupt<QCheckBox>(QStringLiteral("chkBil2JaNEin"))->isChecked());
    QCOMPARE(pr.text("txtEbayBildPfad_b")->text(), QStringLiteral("brandmauer2.jpg"));
    QCOMPARE(pr.box("txtBildLaenge_b")->currentText(), QStringLiteral("350"));
    QCOMPARE(pr.buch<QLineEdit>(QStringLiteral("Text2_5"))->text(), QStringLiteral("540 Seiten"));
    QVERIFY(pr.buch<QCheckBox>(QStringLiteral("Chk6"))->isChecked());
    QCOMPARE(pr.inhalt()->text(), QStringLiteral("Erste Zeile\r\nZweite Zeile\r\n"));
    QVERIFY(pr.app.zustand().pruefungUeberspringen);
    QVERIFY(pr.p.fenster.isEmpty());
}

void TestArtikelBindung::komma_wirdAlsUnterstricheGeschrieben() {
    Programm pr;
    pr.text("txtTitel")->setText(QStringLiteral("Spannend, packend, gut"));
    const QString artikel = ArtikelTextBilden(pr.app);
    QVERIFY(artikel.contains(QStringLiteral("*Titel=Spannend__ packend__ gut\r\n")));
    QVERIFY(!artikel.contains(QLatin1Char(',')));
    QVERIFY(pr.app.zustand().ErsetztAnzahl >= 2);
    pr.speichern(pr.datei(QStringLiteral("k.ebay")));
    pr.text("txtTitel")->clear();

    ArtikelDateiOeffnen(pr.app, pr.datei(QStringLiteral("k.ebay")));

    QCOMPARE(pr.text("txtTitel")->text(), QStringLiteral("Spannend, packend, gut"));
}

void TestArtikelBindung::versandkosten_ladenMitKomma_data() {
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("Punkt") << QStringLiteral("4.90");
    QTest::newRow("Unterstriche") << QStringLiteral("4__90");
    QTest::newRow("Komma") << QStringLiteral("4,90");
}

void TestArtikelBindung::versandkosten_ladenMitKomma() {
    QFETCH(QString, gespeichert);
    Programm pr;
    pr.app.zustand().artikelZeilen[0] = QStringLiteral("Versandkosten=") + gespeichert;

    FelderAusZeilenSetzen(pr.app, Schluesselsuche::Genau);

    QCOMPARE(pr.box("cboVersandkosten")->currentText(), QStringLiteral("4,90"));
}

void TestArtikelBindung::buchwert_getippt_kommtNachUebernehmenZurueck() {
    Programm pr;
    pr.haupt<QLabel>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("Buch"));
    auto* verlag = pr.buch<QLineEdit>(QStringLiteral("Text2_0"));
    auto* verlagBox = pr.buch<QComboBox>(QStringLiteral("cboFirmawehlen"));
    verlagBox->setCurrentText(QStringLiteral("Verlag wählen"));
    verlag->setText(QStringLiteral("Kleinverlag, Bremen"));
    pr.speichern(pr.datei(QStringLiteral("b.ebay")));
    verlag->clear();

    ArtikelDateiOeffnen(pr.app, pr.datei(QStringLiteral("b.ebay")));

    QCOMPARE(verlagBox->currentText(), QStringLiteral("Kleinverlag, Bremen"));
    QCOMPARE(verlag->text(), QStringLiteral("Kleinverlag, Bremen"));
}

void TestArtikelBindung::andereArtikelart_laesstBuchfelder() {
    Programm pr;
    pr.haupt<QLabel>(QStringLiteral("lblArtikelArt"))->setText(QStringLiteral("CD"));
    auto* seiten = pr.buch<QLineEdit>(QStringLiteral("Text2_5"));
    seiten->setText(QStringLiteral("100 Seiten"));
    const QString artikel = ArtikelTextBilden(pr.app);
    QVERIFY(!artikel.contains(QStringLiteral("*AnzSeit1=")));
    pr.speichern(pr.datei(QStringLiteral("cd.ebay")));
    seiten->setText(QStringLiteral("bleibt"));

    ArtikelDateiOeffnen(pr.app, pr.datei(QStringLiteral("cd.ebay")));

    QCOMPARE(seiten->text(), QStringLiteral("bleibt"));
}

void TestArtikelBindung::fehlendeDatei_meldetUndLaesstFelder() {
    Programm pr;
    pr.text("txtTitel")->setText(QStringLiteral("bleibt"));
    pr.inhalt()->setText(QStringLiteral("alter Text"));
    const bool pruefungVorher = pr.app.zustand().pruefungUeberspringen;

    ArtikelDateiOeffnen(pr.app, pr.datei(QStringLiteral("fehlt.ebay")));

    QCOMPARE(pr.p.fenster.size(), 1);
    QVERIFY(pr.p.fenster.first().text.endsWith(QStringLiteral("  wurde nicht gefunden!")));
    QCOMPARE(pr.text("txtTitel")->text(), QStringLiteral("bleibt"));
    QCOMPARE(pr.inhalt()->text(), QStringLiteral("alter Text"));
    // Nothing was read, so the book window's take-over does not run either.
    QCOMPARE(pr.app.zustand().pruefungUeberspringen, pruefungVorher);
}

void TestArtikelBindung::leererName_fragtNachDatei() {
    Programm pr;
    pr.ordner.schreiben(QStringLiteral("Artikeln-Txt/g.ebay"), w1252(QStringLiteral("*Titel=Gewählt\r\n")));
    pr.p.dateien.enqueue(pr.datei(QStringLiteral("g.ebay")));

    ArtikelDateiOeffnen(pr.app, QString());

    QCOMPARE(pr.p.aufrufe.first().art, QStringLiteral("dateiWaehlen"));
    QCOMPARE(pr.p.aufrufe.first().argumente.at(2),
             QStringLiteral("K.O.R.I-Dateien(*.ebay)|*.ebay|Ale Dateien|*.*"));
    QCOMPARE(pr.text("txtTitel")->text(), QStringLiteral("Gewählt"));
}

QTEST_MAIN(TestArtikelBindung)
#include "tst_artikelbindung.moc"
