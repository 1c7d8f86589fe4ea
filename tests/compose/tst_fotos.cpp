#include "compose/FotoPruefung.h"
#include "compose/Fotos.h"

#include <QTest>

class TestFotos : public QObject {
    Q_OBJECT
private slots:
    void webname_data();
    void webname();
    void kopiename_data();
    void kopiename();
    void kante_data();
    void kante();
    void pruefen_data();
    void pruefen();
    void pruefen_zeigtAufDenNamenImListing();
    void bericht_data();
    void bericht();
};

void TestFotos::webname_data() {
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("name");
    QTest::newRow("Beispiel") << "Effi Briest, Fontane" << 1 << "effi-briest-fontane-1.jpg";
    QTest::newRow("Umlaute und ß") << "Größe Übergänge Öl" << 2 << "groesse-uebergaenge-oel-2.jpg";
    QTest::newRow("Bindestriche und Blanks zusammen") << "  Effi  -  Briest - " << 3 << "effi-briest-3.jpg";
    QTest::newRow("Akzente bleiben als Buchstabe") << "Café Crème" << 4 << "cafe-creme-4.jpg";
    QTest::newRow("Zeichen fallen weg") << "Rock'n'Roll & Co. (1968)!" << 5 << "rocknroll-co-1968-5.jpg";
    QTest::newRow("nichts Brauchbares") << "€ ?!" << 1 << "foto-1.jpg";
    QTest::newRow("leer") << "" << 2 << "foto-2.jpg";
    QTest::newRow("gekuerzt auf 60")
        << "Der kleine Prinz Antoine de Saint-Exupery gebundene Ausgabe mit Bildern" << 3
        << "der-kleine-prinz-antoine-de-saint-exupery-gebundene-au-3.jpg";
    QTest::newRow("gekuerzt, ohne Strich am Ende")
        << "Der kleine Prinz Antoine de Saint-Exupery gebundene x Ausgabe" << 3
        << "der-kleine-prinz-antoine-de-saint-exupery-gebundene-x-3.jpg";
}

void TestFotos::webname() {
    QFETCH(QString, bezeichnung);
    QFETCH(int, zeile);
    QFETCH(QString, name);
    const QString vorschlag = WebnameVorschlagen(bezeichnung, zeile);
    QCOMPARE(vorschlag, name);
    QVERIFY(vorschlag.size() <= 60);
    QVERIFY(KopienameTauglich(vorschlag));
}

void TestFotos::kopiename_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("tauglich");
    QTest::newRow("jpg") << "buch-1.jpg" << true;
    QTest::newRow("JPEG gross") << "IMG_0001.JPEG" << true;
    QTest::newRow("Umlaut") << "grün.jpg" << true;
    QTest::newRow("leer") << "" << false;
    QTest::newRow("nur Endung") << ".jpg" << false;
    QTest::newRow("GIF, die Kopie ist ein JPEG") << "bild.gif" << false;
    QTest::newRow("Ordner davor") << "../weg.jpg" << false;
    QTest::newRow("Windows-Ordner") << "fotos\\a.jpg" << false;
    QTest::newRow("Laufwerk") << "C:a.jpg" << false;
    QTest::newRow("Blank am Ende") << "a.jpg " << false;
    QTest::newRow("Steuerzeichen") << "a\tb.jpg" << false;
}

void TestFotos::kopiename() {
    QFETCH(QString, name);
    QFETCH(bool, tauglich);
    QCOMPARE(KopienameTauglich(name), tauglich);
}

void TestFotos::kante_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kante");
    QTest::newRow("leer ist die Vorgabe") << "" << 1600;
    QTest::newRow("Zahl") << " 2000 " << 2000;
    QTest::newRow("null") << "0" << -1;
    QTest::newRow("Text") << "groß" << -1;
    QTest::newRow("Komma") << "1600,5" << -1;
}

void TestFotos::kante() {
    QFETCH(QString, text);
    QFETCH(int, kante);
    QCOMPARE(FotoKanteLesen(text).value_or(-1), kante);
}

void TestFotos::pruefen_data() {
    QTest::addColumn<int>("seite");
    QTest::addColumn<bool>("zuGross");
    QTest::addColumn<QStringList>("zeilen");
    const QString klein =
        QStringLiteral("Fehler: Foto zu klein für den Marktplatz (unter 500 Pixel) – Bild 2");
    const QString hinweis = QStringLiteral("Hinweis: Foto kleiner als empfohlen (unter 1000 Pixel) – Bild 2");
    const QString gross = QStringLiteral("Fehler: Foto zu groß für den Marktplatz (über 7 MB) – Bild 2");
    QTest::newRow("499") << 499 << false << QStringList{klein};
    QTest::newRow("500") << 500 << false << QStringList{hinweis};
    QTest::newRow("999") << 999 << false << QStringList{hinweis};
    QTest::newRow("1000") << 1000 << false << QStringList();
    QTest::newRow("1600 und zu gross") << 1600 << true << QStringList{gross};
    QTest::newRow("klein und zu gross") << 300 << true << QStringList{klein, gross};
}

void TestFotos::pruefen() {
    QFETCH(int, seite);
    QFETCH(bool, zuGross);
    QFETCH(QStringList, zeilen);
    QStringList texte;
    for (const Befund& b : FotosPruefen({{2, QStringLiteral("a.jpg"), seite, zuGross}}, QString())) {
        texte.append(BefundZeile(b));
        QCOMPARE(b.text, QStringLiteral("a.jpg"));
    }
    QCOMPARE(texte, zeilen);
}

void TestFotos::pruefen_zeigtAufDenNamenImListing() {
    const QString listing = QStringLiteral("<img src=\"https://bilder.de/buch-1.jpg\">");
    const QList<Befund> befunde = FotosPruefen({{1, QStringLiteral("buch-1.jpg"), 400, false}}, listing);
    QCOMPARE(befunde.size(), 1);
    QCOMPARE(listing.mid(befunde[0].start, befunde[0].laenge), QStringLiteral("buch-1.jpg"));
    QVERIFY(!befunde[0].inBezeichnung);
    const QList<Befund> fehlt = FotosPruefen({{1, QStringLiteral("anders.jpg"), 400, false}}, listing);
    QCOMPARE(fehlt[0].laenge, 0);
}

void TestFotos::bericht_data() {
    QTest::addColumn<int>("geschrieben");
    QTest::addColumn<QStringList>("unlesbar");
    QTest::addColumn<QStringList>("zuGross");
    QTest::addColumn<QString>("text");
    const QString ordner = QStringLiteral("/daten/Fotos-Hochladen");
    QTest::newRow("alle") << 3 << QStringList() << QStringList()
                          << QStringLiteral("3 Kopien zum Hochladen wurden geschrieben, in:\r\n") + ordner;
    QTest::newRow("keine, eine unlesbar")
        << 0 << QStringList{QStringLiteral("/fotos/a.jpg")} << QStringList()
        << QStringLiteral("Es wurde keine Kopie zum Hochladen geschrieben.\r\n\r\n"
                          "Diese Fotos konnten nicht gelesen werden:\r\n/fotos/a.jpg");
    QTest::newRow("zu gross") << 1 << QStringList() << QStringList{QStringLiteral("riesig.jpg")}
                              << QStringLiteral("1 Kopie zum Hochladen wurde geschrieben, in:\r\n") + ordner +
                                     QStringLiteral(
                                         "\r\n\r\nDiese Fotos bleiben auch in niedrigster Qualität "
                                         "über 7 MB und wurden nicht geschrieben:\r\nriesig.jpg");
}

void TestFotos::bericht() {
    QFETCH(int, geschrieben);
    QFETCH(QStringList, unlesbar);
    QFETCH(QStringList, zuGross);
    QFETCH(QString, text);
    QCOMPARE(FotoBerichtText({geschrieben, unlesbar, zuGross, {}}, QStringLiteral("/daten/Fotos-Hochladen")),
             text);
}

QTEST_MAIN(TestFotos)
#include "tst_fotos.moc"
