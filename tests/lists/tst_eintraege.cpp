#include "lists/Eintraege.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestEintraege : public QObject {
    Q_OBJECT
private slots:
    void eintraege_werdenGetrennt_data();
    void eintraege_werdenGetrennt();
    void listenbeispiel_liefertGenauZwei();
    void liste_ersterEintragUndekodiert();
    void liste_zaehltLetzteErsetzung();
    void textDatei_schluesselzeileOhneBemerkung();
    void textDatei_bemerkungAmAnfang_liefertLeereZeile();
    void textDatei_textzeilenMitKomma();
    void textDatei_hoechstens81Schluesselzeilen();
};

void TestEintraege::eintraege_werdenGetrennt_data() {
    QTest::addColumn<QString>("inhalt");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("Komma") << QStringLiteral("Hallo, Welt\r\n") << QStringList{u"Hallo"_s, u"Welt"_s};
    QTest::newRow("fuehrendeLeerzeichen") << QStringLiteral("   a\r\n") << QStringList{u"a"_s};
    QTest::newRow("folgendeLeerzeichenFallen")
        << QStringLiteral("a  \t\r\nb ,c\r\n") << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("inAnfuehrung") << QStringLiteral("\"a, b\",c\r\n") << QStringList{u"a, b"_s, u"c"_s};
    QTest::newRow("anfuehrungMitLeerzeichen") << QStringLiteral("\" a \"\r\n") << QStringList{u" a "_s};
    QTest::newRow("nachSchlussIgnoriert") << QStringLiteral("\"a\" b,c\r\n") << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("leereZeile") << QStringLiteral("a\r\n\r\nb\r\n") << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("ohneZeilenende") << QStringLiteral("a") << QStringList{u"a"_s};
    QTest::newRow("nurLf") << QStringLiteral("a\nb\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("leer") << QString() << QStringList();
}

void TestEintraege::eintraege_werdenGetrennt() {
    QFETCH(QString, inhalt);
    QFETCH(QStringList, erwartet);
    QCOMPARE(eintraegeLesen(inhalt), erwartet);
}

void TestEintraege::listenbeispiel_liefertGenauZwei() {
    const ListenInhalt liste = listeAuswerten(QStringLiteral("#Kommentar\r\n\r\nHallo__ Welt\r\nFrage?\r\n"));
    QCOMPARE(liste.eintraege, (QStringList{QStringLiteral("Hallo, Welt"), QStringLiteral("Frage#")}));
}

void TestEintraege::liste_ersterEintragUndekodiert() {
    const ListenInhalt liste = listeAuswerten(QStringLiteral("a # b\r\nEins__ zwei\r\ndrei,vier\r\n"));
    QCOMPARE(liste.eintraege,
             (QStringList{QStringLiteral("Eins, zwei"), QStringLiteral("drei"), QStringLiteral("vier")}));
}

void TestEintraege::liste_zaehltLetzteErsetzung() {
    QCOMPARE(listeAuswerten(QStringLiteral("a__b__c\r\nd__e\r\n")).letzteErsetzungen, 1);
    QCOMPARE(listeAuswerten(QStringLiteral("a__b__c\r\nde\r\n")).letzteErsetzungen, 0);
}

void TestEintraege::textDatei_schluesselzeileOhneBemerkung() {
    const TextDateiInhalt datei = textDateiAuswerten(QStringLiteral("*  Titel=Buch  // Bemerkung\r\n"));
    QCOMPARE(datei.zeilen[0], QStringLiteral("Titel=Buch"));
    QVERIFY(datei.zeilen[1].isEmpty());
    QVERIFY(datei.text.isEmpty());
}

void TestEintraege::textDatei_bemerkungAmAnfang_liefertLeereZeile() {
    const TextDateiInhalt datei = textDateiAuswerten(QStringLiteral("// siehe *Titel\r\n*ArtBez=x\r\n"));
    QCOMPARE(datei.zeilen[0], QString());
    QCOMPARE(datei.zeilen[1], QStringLiteral("ArtBez=x"));
}

void TestEintraege::textDatei_textzeilenMitKomma() {
    const TextDateiInhalt datei =
        textDateiAuswerten(QStringLiteral("##-------\r\n*ArtBeschreibung=\r\nGut__ wie neu\r\n\r\nEnde\r\n"));
    QCOMPARE(datei.zeilen[0], QStringLiteral("ArtBeschreibung="));
    QCOMPARE(datei.text, QStringLiteral("Gut, wie neu\r\n\r\nEnde\r\n"));
}

void TestEintraege::textDatei_hoechstens81Schluesselzeilen() {
    QString inhalt;
    for (int i = 0; i < 90; ++i) {
        inhalt += QStringLiteral("*Schluessel%1=w\r\n").arg(i);
    }
    const TextDateiInhalt datei = textDateiAuswerten(inhalt);
    QCOMPARE(datei.zeilen[0], QStringLiteral("Schluessel0=w"));
    QCOMPARE(datei.zeilen[80], QStringLiteral("Schluessel80=w"));
}

QTEST_GUILESS_MAIN(TestEintraege)
#include "tst_eintraege.moc"
