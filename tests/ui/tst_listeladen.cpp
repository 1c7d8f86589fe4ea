#include "core/Zustand.h"
#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/ListeLaden.h"
#include "ui/RichTextFeld.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>

class TestListeLaden : public QObject {
    Q_OBJECT
private slots:
    void combo_strichZeigtErstenEintragDekodiert();
    void combo_vorgegebenerText();
    void liste_waehltEintragMitText();
    void fehlendeListe_meldetUndLaesstBox();
    void textDatei_schneidetBemerkungUndTrimmt();
    void textDatei_mehrAls81Schluesselzeilen();
    void fehlendeTextDatei_leertZeilenUndBehaeltText();
};

void TestListeLaden::combo_strichZeigtErstenEintragDekodiert() {
    TestOrdner ordner(false);
    ordner.schreiben(QStringLiteral("l.str"), w1252(QStringLiteral("#Kopf\r\nSofort__ bitte\r\nJetzt?\r\n")));
    SkriptPlattform plattform;
    Zustand zustand;
    QComboBox box;
    box.setEditable(true);
    box.addItem(QStringLiteral("alt"));
    QVERIFY(ListeLaden(plattform, zustand, ordner.daten(QStringLiteral("l.str")), &box, QStringLiteral("-")));
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.itemText(0), QStringLiteral("Sofort, bitte"));
    QCOMPARE(box.itemText(1), QStringLiteral("Jetzt#"));
    QCOMPARE(box.currentText(), QStringLiteral("Sofort, bitte"));
    QVERIFY(plattform.fenster.isEmpty());
}

void TestListeLaden::combo_vorgegebenerText() {
    TestOrdner ordner(false);
    ordner.schreiben(QStringLiteral("l.str"), w1252(QStringLiteral("a,b\r\n")));
    SkriptPlattform plattform;
    Zustand zustand;
    QComboBox box;
    box.setEditable(true);
    QVERIFY(ListeLaden(plattform, zustand, ordner.daten(QStringLiteral("l.str")), &box,
                       QStringLiteral("Name wählen")));
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.currentText(), QStringLiteral("Name wählen"));
}

void TestListeLaden::liste_waehltEintragMitText() {
    TestOrdner ordner(false);
    ordner.schreiben(QStringLiteral("r.txt"),
                     w1252(QStringLiteral("Buch~4__90?Hans.ebay\r\nCD~3?Hans.ebay\r\n")));
    SkriptPlattform plattform;
    Zustand zustand;
    QListWidget box;
    QVERIFY(ListeLaden(plattform, zustand, ordner.daten(QStringLiteral("r.txt")), &box,
                       QStringLiteral("CD~3#Hans.ebay")));
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.item(0)->text(), QStringLiteral("Buch~4,90#Hans.ebay"));
    QCOMPARE(box.currentRow(), 1);
}

void TestListeLaden::fehlendeListe_meldetUndLaesstBox() {
    TestOrdner ordner(false);
    SkriptPlattform plattform;
    Zustand zustand;
    QComboBox box;
    box.addItem(QStringLiteral("bleibt"));
    const QString pfad = ordner.daten(QStringLiteral("fehlt.str"));
    QVERIFY(!ListeLaden(plattform, zustand, pfad, &box, QStringLiteral("-")));
    QCOMPARE(box.count(), 1);
    QCOMPARE(plattform.fenster.size(), 1);
    QCOMPARE(plattform.fenster[0].text,
             QStringLiteral("Datei  ") + pfad + QStringLiteral("  wurde nicht gefunden!"));
    QCOMPARE(plattform.fenster[0].symbol, Plattform::Symbol::Kritisch);
    QCOMPARE(plattform.fenster[0].titel, QStringLiteral("ACHTUNG"));
}

void TestListeLaden::textDatei_schneidetBemerkungUndTrimmt() {
    TestOrdner ordner(false);
    ordner.schreiben(
        QStringLiteral("BT1.Str"),
        w1252(QStringLiteral("#Kopf\r\n*  Titel=Schönes Buch   // nur ein Hinweis\r\nZeile__ eins\r\n")));
    SkriptPlattform plattform;
    Zustand zustand;
    zustand.artikelZeilen[5] = QStringLiteral("alt");
    RichTextFeld feld;
    feld.setText(QStringLiteral("vorher"));
    QVERIFY(TextDateiLesen(plattform, zustand, ordner.daten(QStringLiteral("BT1.Str")), &feld));
    QCOMPARE(zustand.artikelZeilen[0], QStringLiteral("Titel=Schönes Buch"));
    QVERIFY(zustand.artikelZeilen[5].isEmpty());
    QCOMPARE(feld.text(), QStringLiteral("Zeile, eins\r\n"));
    QCOMPARE(zustand.ErsetztAnzahl, 1);
}

void TestListeLaden::textDatei_mehrAls81Schluesselzeilen() {
    TestOrdner ordner(false);
    QString inhalt;
    for (int i = 1; i <= 85; ++i) {
        inhalt += QStringLiteral("*Zeile%1=x\r\n").arg(i);
    }
    ordner.schreiben(QStringLiteral("a.ebay"), w1252(inhalt));
    SkriptPlattform plattform;
    Zustand zustand;
    RichTextFeld feld;
    QVERIFY(TextDateiLesen(plattform, zustand, ordner.daten(QStringLiteral("a.ebay")), &feld));
    QCOMPARE(zustand.artikelZeilen[80], QStringLiteral("Zeile81=x"));
    QVERIFY(feld.text().isEmpty());
}

void TestListeLaden::fehlendeTextDatei_leertZeilenUndBehaeltText() {
    TestOrdner ordner(false);
    SkriptPlattform plattform;
    Zustand zustand;
    zustand.artikelZeilen[0] = QStringLiteral("Titel=alt");
    RichTextFeld feld;
    feld.setText(QStringLiteral("bleibt\r\n"));
    const QString pfad = ordner.daten(QStringLiteral("fehlt.ebay"));
    QVERIFY(!TextDateiLesen(plattform, zustand, pfad, &feld));
    QVERIFY(zustand.artikelZeilen[0].isEmpty());
    QCOMPARE(feld.text(), QStringLiteral("bleibt\r\n"));
    QCOMPARE(plattform.meldungstexte(),
             QStringList{QStringLiteral("Datei  ") + pfad + QStringLiteral("  wurde nicht gefunden!")});
    QCOMPARE(plattform.fenster[0].symbol, Plattform::Symbol::Kritisch);
    QCOMPARE(plattform.fenster[0].titel, QStringLiteral("ACHTUNG"));
}

QTEST_MAIN(TestListeLaden)
#include "tst_listeladen.moc"
