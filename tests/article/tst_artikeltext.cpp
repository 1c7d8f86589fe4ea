#include "article/ArtikelText.h"
#include "lists/Eintraege.h"

#include <QTest>

namespace {

// A written text read back from its file; the save window closes the file with one line end.
ArtikelDateiInhalt zurueckgelesen(const QString& artikelText) {
    return ArtikelDateiAuswerten(artikelText + QStringLiteral("\r\n"));
}

std::array<QString, 81> zeilen(std::initializer_list<QString> eintraege) {
    std::array<QString, 81> ergebnis;
    std::copy(eintraege.begin(), eintraege.end(), ergebnis.begin());
    return ergebnis;
}

// Every value set on the control, in order.
QStringList werte(const FelderZuweisungen& z, Artikelfeld feld, int nummer = 0) {
    QStringList ergebnis;
    for (const Zuweisung& zuweisung : z.zuweisungen) {
        if (zuweisung.feld == feld && zuweisung.nummer == nummer) {
            ergebnis.append(zuweisung.wert);
        }
    }
    return ergebnis;
}

} // namespace

class TestArtikelText : public QObject {
    Q_OBJECT
private slots:
    void buch_bytegenau();
    void andereArt_ohneBuchblock();
    void komma_wirdUnterstricheUndZurueck();
    void doppelpunktSchraegstriche_bleibenImWert();
    void beschreibungMitRauteOderStern();
    void schluesselImWert_feuertAuch();
    void artikeldatei_data();
    void artikeldatei();
    void speichernUndLesen_gleicheBeschreibung_data();
    void speichernUndLesen_gleicheBeschreibung();
    void untertitel_setztTitelNicht();
    void leereAngebotsfelder();
    void versandkosten_data();
    void versandkosten();
    void buchpaare_gekreuzt();
    void haken_nurGanzeZahl();
    void bildpfad_nenntBildzeile();
    void reihenfolge_eintragWeiseDannSchluesselWeise();
    void kurzfassung_nurBearbeitetGespeichert();
};

void TestArtikelText::buch_bytegenau() {
    ArtikelFelder f;
    f.ArtBez = QStringLiteral("Faust, Teil 1");
    f.Titel = QStringLiteral("Faust");
    f.Siebietenauf[4] = QStringLiteral("Buch");
    f.Verlag1 = QStringLiteral("Reclam");
    f.BuchAktiv[0] = 1;
    f.Bild[0].Haken = 1;
    f.Bild[0].Breite = QStringLiteral("400");
    f.Versandkosten = QStringLiteral("1,85");
    f.ArtBeschreibung = QStringLiteral("Gut.\r\nEnde");
    int ersetzt = -1;
    const QString text = ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("Buch"), ersetzt);
    QString bilder;
    for (int n = 1; n <= 5; ++n) {
        bilder +=
            QStringLiteral(
                "*Bild%1Haken=%2\r\n*Bild%1Pfad=\r\n*Bildpfad%1=\r\n*Bild%1Breite=%3\r\n*Bild%1Hohe=\r\n")
                .arg(n)
                .arg(n == 1 ? 1 : 0)
                .arg(n == 1 ? QStringLiteral("400") : QString());
    }
    const QString erwartet =
        QStringLiteral(
            "##-------\r\n*EbayName=Hans\r\n*ArtBez=Faust__ Teil 1\r\n*Titel=Faust\r\n*UntTite=\r\n"
            "##-------\r\n*Siebietenauf1=\r\n*Siebietenauf2=\r\n*Siebietenauf3=\r\n*Siebietenauf4=\r\n"
            "*Siebietenauf5=Buch\r\n*Siebietenauf6=\r\n*Siebietenauf7=\r\n*Sie bieten auf=\r\n"
            "*Kaufaufforderung1=\r\n*Kaufaufforderung2=\r\n##-------\r\n"
            "*Verlag1=Reclam\r\n*Verlag2=\r\n*Autor1=\r\n*Autor2=\r\n*Sprache1=\r\n*Sprache2=\r\n"
            "*Art1=\r\n*Art2=\r\n*Genre1=\r\n*Genre2=\r\n*AnzSeit1=\r\n*Gewicht1=\r\n*Zustand1=\r\n"
            "*Zustand2=\r\n*BuchAktiv1=1\r\n*BuchAktiv2=0\r\n*BuchAktiv3=0\r\n*BuchAktiv4=0\r\n"
            "*BuchAktiv5=0\r\n*BuchAktiv6=0\r\n*BuchAktiv7=0\r\n*BuchAktiv8=0\r\n*BuchAktiv9=0\r\n"
            "##-------\r\n") +
        bilder +
        QStringLiteral("##-------\r\n*VersInfJa1=0\r\n*Versandkosten=1__85\r\n*Versandart=\r\n##-------\r\n"
                       "*ArtBeschreibung=\r\nGut.\r\nEnde");
    QCOMPARE(text, erwartet);
    QCOMPARE(ersetzt, 2);
}

void TestArtikelText::andereArt_ohneBuchblock() {
    ArtikelFelder f;
    f.Verlag1 = QStringLiteral("Reclam");
    int ersetzt = -1;
    const QString text = ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("CD_MC"), ersetzt);
    QVERIFY(!text.contains(QStringLiteral("Verlag1")));
    QVERIFY(!text.contains(QStringLiteral("BuchAktiv")));
    QVERIFY(text.contains(QStringLiteral("*Kaufaufforderung2=\r\n##-------\r\n*Bild1Haken=0\r\n")));
    QCOMPARE(ersetzt, 0);
}

void TestArtikelText::komma_wirdUnterstricheUndZurueck() {
    ArtikelFelder f;
    f.Titel = QStringLiteral("Rot, blau, grün");
    f.UntTite = QStringLiteral("schon__da");
    f.Versandart = QStringLiteral("DHL-Paket, versichert");
    f.ArtBeschreibung = QStringLiteral("Eins, zwei\r\n");
    int ersetzt = 0;
    const QString text = ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("Buch"), ersetzt);
    QVERIFY(!text.contains(QLatin1Char(',')));
    QVERIFY(text.contains(QStringLiteral("*Titel=Rot__ blau__ grün\r\n")));
    const ArtikelDateiInhalt datei = zurueckgelesen(text);
    QCOMPARE(datei.beschreibung, QStringLiteral("Eins, zwei\r\n"));
    QCOMPARE(datei.letzteErsetzungen, 1);
    const FelderZuweisungen z = FelderAusZeilenSetzen(datei.zeilen, Schluesselsuche::Genau);
    QCOMPARE(werte(z, Artikelfeld::Titel), QStringList{QStringLiteral("Rot, blau, grün")});
    QCOMPARE(werte(z, Artikelfeld::Untertitel), QStringList{QStringLiteral("schon,da")});
    QCOMPARE(werte(z, Artikelfeld::Versandart), QStringList{QStringLiteral("DHL-Paket, versichert")});
}

void TestArtikelText::doppelpunktSchraegstriche_bleibenImWert() {
    ArtikelFelder f;
    f.Bild[0].Pfad = QStringLiteral("https://www.example.com/bild.jpg");
    int ersetzt = 0;
    const FelderZuweisungen z = FelderAusZeilenSetzen(
        zurueckgelesen(ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("Buch"), ersetzt)).zeilen,
        Schluesselsuche::Genau);
    QCOMPARE(werte(z, Artikelfeld::BildDatei, 1),
             QStringList{QStringLiteral("https://www.example.com/bild.jpg")});
}

void TestArtikelText::beschreibungMitRauteOderStern() {
    ArtikelFelder f;
    f.ArtBeschreibung = QStringLiteral("Zeile eins\r\nNr. #5 fehlt\r\n*Titel=Sternchen\r\nEnde\r\n");
    int ersetzt = 0;
    const QString text = ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("Buch"), ersetzt);
    const ArtikelDateiInhalt datei = zurueckgelesen(text);
    QCOMPARE(datei.beschreibung, f.ArtBeschreibung);
    // The "*" line belongs to the description and sets no field.
    const FelderZuweisungen z = FelderAusZeilenSetzen(datei.zeilen, Schluesselsuche::Genau);
    QCOMPARE(werte(z, Artikelfeld::Titel), QStringList{QString()});
}

void TestArtikelText::schluesselImWert_feuertAuch() {
    const FelderZuweisungen z = FelderAusZeilenSetzen(
        zeilen({QStringLiteral("ArtBez=Der Titel im Schuber"), QStringLiteral("Titel=Der Schuber")}),
        Schluesselsuche::Enthalten);
    QCOMPARE(werte(z, Artikelfeld::Bezeichnung), QStringList{QStringLiteral("Der Titel im Schuber")});
    QCOMPARE(werte(z, Artikelfeld::Titel),
             (QStringList{QStringLiteral("Der Titel im Schuber"), QStringLiteral("Der Schuber")}));
}

void TestArtikelText::artikeldatei_data() {
    QTest::addColumn<QString>("inhalt");
    QTest::addColumn<Artikelfeld>("feld");
    QTest::addColumn<QStringList>("erwartet");
    QTest::addColumn<QString>("beschreibung");
    const QString text = QStringLiteral("*ArtBeschreibung=\r\nText\r\n");
    const Artikelfeld titel = Artikelfeld::Titel;
    QTest::newRow("Bilddatei mit Titel im Namen") << QStringLiteral("*Bild1Pfad=Titelbild.jpg\r\n") + text
                                                  << titel << QStringList{} << QStringLiteral("Text");
    QTest::newRow("Zustand mit Titel im Wert") << QStringLiteral("*Zustand1=Titelblatt lose\r\n") + text
                                               << titel << QStringList{} << QStringLiteral("Text");
    QTest::newRow("Webadresse im Titel")
        << QStringLiteral("*Titel=Siehe https://example.com/a\r\n") + text << titel
        << QStringList{QStringLiteral("Siehe https://example.com/a")} << QStringLiteral("Text");
    QTest::newRow("Raute und Blanks im Wert")
        << QStringLiteral("*Titel=  Nr. #3  \r\n") + text << titel
        << QStringList{QStringLiteral("  Nr. #3  ")} << QStringLiteral("Text");
    QTest::newRow("Anfuehrungszeichen im Wert")
        << QStringLiteral("*Titel=\"Momo\" von Ende__ Michael\r\n") + text << titel
        << QStringList{QStringLiteral("\"Momo\" von Ende, Michael")} << QStringLiteral("Text");
    QTest::newRow("Stern mitten in der Zeile ist kein Schluessel")
        << QStringLiteral("Note *Titel=Falsch\r\n*Titel=Richtig\r\n") + text << titel
        << QStringList{QStringLiteral("Richtig")} << QStringLiteral("Text");
    // The layout of older versions: keys that are read but set nothing, no book block, a
    // description with HTML colours, "#" numbers, "*" lines, quotes and indented lines.
    const QString altBeschreibung = QStringLiteral(
        "<font color=\"#FF0000\">Rot</font>\r\n  eingerückt\r\nNr. #3 von 5\r\n*Titel=Kein Schlüssel\r\n"
        "\"Zitat\" mit__ Komma\r\n// kein Kommentar\r\n##-------\r\n");
    const QString alt =
        QStringLiteral("##-------\r\n*EbayName=Hans\r\n*ArtBez=Alter Atlas\r\n*Titel=Atlas 1900\r\n"
                       "*UntTite=\r\n##-------\r\n*VersInfJa1=1\r\n*VersInfJa2=0\r\n*Versandkosten=4__90\r\n"
                       "*Kostenlos ab=50\r\n*Versandart=Hermes\r\n##-------\r\n*ArtBeschreibung=\r\n") +
        altBeschreibung + QStringLiteral("\r\n");
    const QString altGelesen =
        QString(altBeschreibung).replace(QStringLiteral("mit__"), QStringLiteral("mit,"));
    QTest::newRow("alte Datei Titel")
        << alt << titel << QStringList{QStringLiteral("Atlas 1900")} << altGelesen;
    QTest::newRow("alte Datei Versandkosten")
        << alt << Artikelfeld::Versandkosten << QStringList{QStringLiteral("4,90")} << altGelesen;
    QTest::newRow("alte Datei Versandart")
        << alt << Artikelfeld::Versandart << QStringList{QStringLiteral("Hermes")} << altGelesen;
    QTest::newRow("ohne Zeilenende am Schluss")
        << QStringLiteral("*Titel=T\r\n*ArtBeschreibung=\r\nA\r\nB") << titel
        << QStringList{QStringLiteral("T")} << QStringLiteral("A\r\nB");
    QTest::newRow("nur Zeilenvorschuebe") << QStringLiteral("*Titel=T\n*ArtBeschreibung=\nA\n\nB\n") << titel
                                          << QStringList{QStringLiteral("T")} << QStringLiteral("A\r\n\r\nB");
    QTest::newRow("ohne Beschreibungszeile")
        << QStringLiteral("##-------\r\n*Titel=T\r\nFreier Text\r\nzweite Zeile\r\n") << titel
        << QStringList{QStringLiteral("T")} << QStringLiteral("Freier Text\r\nzweite Zeile");
}

void TestArtikelText::artikeldatei() {
    QFETCH(QString, inhalt);
    QFETCH(Artikelfeld, feld);
    QFETCH(QStringList, erwartet);
    QFETCH(QString, beschreibung);
    const ArtikelDateiInhalt datei = ArtikelDateiAuswerten(inhalt);
    QCOMPARE(datei.beschreibung, beschreibung);
    QCOMPARE(werte(FelderAusZeilenSetzen(datei.zeilen, Schluesselsuche::Genau), feld), erwartet);
}

void TestArtikelText::speichernUndLesen_gleicheBeschreibung_data() {
    QTest::addColumn<QString>("beschreibung");
    QTest::newRow("leer") << QString();
    QTest::newRow("eine Zeile") << QStringLiteral("Gut erhalten.");
    QTest::newRow("mit Zeilenende") << QStringLiteral("Eins\r\nZwei\r\n");
    QTest::newRow("Leerzeilen am Schluss") << QStringLiteral("Eins\r\n\r\n\r\n");
    QTest::newRow("Leerzeile am Anfang") << QStringLiteral("\r\nEins");
    QTest::newRow("Raute Stern Komma") << QStringLiteral("#1, *2*\r\n*Titel=x\r\n  \"a\" // b");
}

void TestArtikelText::speichernUndLesen_gleicheBeschreibung() {
    QFETCH(QString, beschreibung);
    ArtikelFelder f;
    f.ArtBeschreibung = beschreibung;
    for (int runde = 0; runde < 3; ++runde) {
        int ersetzt = 0;
        const QString text = ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("Buch"), ersetzt);
        f.ArtBeschreibung = zurueckgelesen(text).beschreibung;
        QCOMPARE(f.ArtBeschreibung, beschreibung);
    }
}

void TestArtikelText::untertitel_setztTitelNicht() {
    const FelderZuweisungen z =
        FelderAusZeilenSetzen(zeilen({QStringLiteral("UntTite=Band 2")}), Schluesselsuche::Enthalten);
    QCOMPARE(z.zuweisungen.size(), 1);
    QCOMPARE(z.zuweisungen[0].feld, Artikelfeld::Untertitel);
}

void TestArtikelText::leereAngebotsfelder() {
    const FelderZuweisungen z =
        FelderAusZeilenSetzen(zeilen({QStringLiteral("Siebietenauf5="), QStringLiteral("Siebietenauf6="),
                                      QStringLiteral("Siebietenauf7="), QStringLiteral("Siebietenauf4=")}),
                              Schluesselsuche::Enthalten);
    QCOMPARE(werte(z, Artikelfeld::Gebotsteil, 5), QStringList{QStringLiteral("Buch")});
    QCOMPARE(werte(z, Artikelfeld::Gebotsteil, 6), QStringList{QStringLiteral(" ")});
    QCOMPARE(werte(z, Artikelfeld::Gebotsteil, 7), QStringList{QStringLiteral(" ")});
    QCOMPARE(werte(z, Artikelfeld::Gebotsteil, 4), QStringList{QString()});
}

void TestArtikelText::versandkosten_data() {
    QTest::addColumn<QString>("gelesen");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Punkt") << QStringLiteral("4.90") << QStringLiteral("4,90");
    QTest::newRow("Unterstriche") << QStringLiteral("4__90") << QStringLiteral("4,90");
    QTest::newRow("Komma") << QStringLiteral("4,90") << QStringLiteral("4,90");
    QTest::newRow("ganz") << QStringLiteral("5") << QStringLiteral("5");
    QTest::newRow("einUnterstrich") << QStringLiteral("4_90") << QStringLiteral("4,90");
}

void TestArtikelText::versandkosten() {
    QFETCH(QString, gelesen);
    QFETCH(QString, erwartet);
    const FelderZuweisungen z = FelderAusZeilenSetzen(zeilen({QStringLiteral("Versandkosten=") + gelesen}),
                                                      Schluesselsuche::Enthalten);
    QCOMPARE(werte(z, Artikelfeld::Versandkosten), QStringList{erwartet});
}

void TestArtikelText::buchpaare_gekreuzt() {
    ArtikelFelder f;
    f.Verlag1 = QStringLiteral("Reclam, Stuttgart");
    f.Verlag2 = QStringLiteral("Verlag wählen");
    int ersetzt = 0;
    const FelderZuweisungen z = FelderAusZeilenSetzen(
        zurueckgelesen(ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("Buch"), ersetzt)).zeilen,
        Schluesselsuche::Genau);
    QCOMPARE(werte(z, Artikelfeld::BuchVerlagWahl), QStringList{QStringLiteral("Reclam, Stuttgart")});
    QCOMPARE(werte(z, Artikelfeld::BuchVerlag), QStringList{QStringLiteral("Verlag wählen")});
    QVERIFY(istBuchfeld(Artikelfeld::BuchVerlagWahl));
}

void TestArtikelText::haken_nurGanzeZahl() {
    const FelderZuweisungen z =
        FelderAusZeilenSetzen(zeilen({QStringLiteral("BuchAktiv3=1"), QStringLiteral("BuchAktiv4=ja"),
                                      QStringLiteral("VersInfJa1=7"), QStringLiteral("Bild2Haken= 0")}),
                              Schluesselsuche::Enthalten);
    QCOMPARE(z.zuweisungen.size(), 2);
    QCOMPARE(z.zuweisungen[0].feld, Artikelfeld::BuchAktiv);
    QCOMPARE(z.zuweisungen[0].nummer, 3);
    QCOMPARE(z.zuweisungen[0].art, Zuweisung::Art::Haken);
    QCOMPARE(z.zuweisungen[0].zahl, 1);
    QCOMPARE(z.zuweisungen[1].feld, Artikelfeld::BildHaken);
    QCOMPARE(z.zuweisungen[1].nummer, 2);
    QCOMPARE(z.zuweisungen[1].zahl, 0);
}

void TestArtikelText::bildpfad_nenntBildzeile() {
    const FelderZuweisungen z = FelderAusZeilenSetzen(
        zeilen({QStringLiteral("Bildpfad4=/home/h/Fotos/a__b.jpg")}), Schluesselsuche::Enthalten);
    QCOMPARE(z.zuweisungen.size(), 1);
    QCOMPARE(z.zuweisungen[0].art, Zuweisung::Art::Bild);
    QCOMPARE(z.zuweisungen[0].feld, Artikelfeld::BildVorschau);
    QCOMPARE(z.zuweisungen[0].nummer, 4);
    QCOMPARE(z.zuweisungen[0].zahl, 4);
    QCOMPARE(z.zuweisungen[0].wert, QStringLiteral("/home/h/Fotos/a,b.jpg"));
    QCOMPARE(z.letzteErsetzungen, std::optional<int>(1));
}

void TestArtikelText::reihenfolge_eintragWeiseDannSchluesselWeise() {
    const FelderZuweisungen z = FelderAusZeilenSetzen(
        zeilen({QStringLiteral("Zustand1=Titel Verlag1"), QString(), QStringLiteral("ArtBez=x")}),
        Schluesselsuche::Enthalten);
    QStringList reihenfolge;
    for (const Zuweisung& zuweisung : z.zuweisungen) {
        reihenfolge.append(zuweisung.schluessel);
    }
    QCOMPARE(reihenfolge, (QStringList{QStringLiteral("Titel"), QStringLiteral("Verlag1"),
                                       QStringLiteral("Zustand1"), QStringLiteral("ArtBez")}));
    QVERIFY(!FelderAusZeilenSetzen(zeilen({}), Schluesselsuche::Enthalten).letzteErsetzungen.has_value());
}

// The edited summary stands before the description's marker and comes back whole; its words set
// no field, though a key of the table stands in them. A file without it reads as before.
void TestArtikelText::kurzfassung_nurBearbeitetGespeichert() {
    ArtikelFelder f;
    f.Titel = QStringLiteral("Faust");
    f.ArtBeschreibung = QStringLiteral("Text");
    int ersetzt = 0;
    const QString ohne = ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("Buch"), ersetzt);
    QVERIFY(!ohne.contains(QStringLiteral("Kurzfassung")));
    QCOMPARE(zurueckgelesen(ohne).kurzfassung, std::nullopt);

    f.Kurzfassung = QStringLiteral("Titel: Faust, Teil 1<br>Versand: 1,85 €");
    const QString mit = ArtikelTextBilden(f, QStringLiteral("Hans"), QStringLiteral("Buch"), ersetzt);
    QVERIFY(mit.contains(QStringLiteral("*Kurzfassung=Titel: Faust__ Teil 1<br>Versand: 1__85 €\r\n"
                                        "*ArtBeschreibung=\r\nText")));
    const ArtikelDateiInhalt gelesen = zurueckgelesen(mit);
    QCOMPARE(gelesen.kurzfassung, f.Kurzfassung);
    QCOMPARE(gelesen.beschreibung, QStringLiteral("Text"));
    const FelderZuweisungen z = FelderAusZeilenSetzen(gelesen.zeilen, Schluesselsuche::Enthalten);
    QCOMPARE(werte(z, Artikelfeld::Titel), QStringList{QStringLiteral("Faust")});
}

QTEST_GUILESS_MAIN(TestArtikelText)
#include "tst_artikeltext.moc"
