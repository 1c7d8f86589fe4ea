#include "compose/Link.h"

#include <QTest>

class TestLink : public QObject {
    Q_OBJECT
private slots:
    void block_jeLinkart_data();
    void block_jeLinkart();
    void fehlendeAngaben_data();
    void fehlendeAngaben();
    void platzhalterImSeitenpfad_bautNichts();
    void zweiLinks_ergebenZweiBloecke();
    void linkZiel_data();
    void linkZiel();
    void htmlKnoepfe_sperrenUndEntsperren();
};

namespace {

const QString kSeite = QStringLiteral("https://www.example.com/demo.html");
const QString kBild = QStringLiteral("https://www.example.com/vorschau.jpg");

LinkEingaben eingaben(LinkArt art, const QString& bild = kBild,
                      const QString& text = QStringLiteral("Hörprobe")) {
    return {kSeite, bild, text, art};
}

} // namespace

void TestLink::block_jeLinkart_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("erwartet");
    const QString kopf = QStringLiteral("<!-------- LINK START --------->\r\n<div align=\"center\">\r\n");
    const QString fuss = QStringLiteral("</div>\r\n<!-------- LINK ENDE ---------><br>\r\n");
    const QString bildLink = QStringLiteral(
        "<a href=\"https://www.example.com/demo.html\" target=\"_blank\">\r\n"
        "<img src=\"https://www.example.com/vorschau.jpg\" alt=\"Hörprobe\" border=\"0\">\r\n</a>\r\n");
    const QString textLink = QStringLiteral(
        "<a href=\"https://www.example.com/demo.html\" target=\"_blank\">\r\nHörprobe\r\n</a>\r\n");
    QTest::newRow("nur Bild") << 0 << kopf + bildLink + fuss;
    QTest::newRow("Bild und Text") << 1 << kopf + bildLink + textLink + fuss;
    QTest::newRow("nur Text") << 2 << kopf + textLink + fuss;
}

void TestLink::block_jeLinkart() {
    QFETCH(int, art);
    QFETCH(QString, erwartet);
    const LinkErgebnis ergebnis = LinkBilden(eingaben(static_cast<LinkArt>(art)));
    QVERIFY(ergebnis.fehlendeFelder.isEmpty());
    QCOMPARE(ergebnis.block.value_or(QString()), erwartet);
}

void TestLink::fehlendeAngaben_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("bild");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("gemeldet");
    QTest::newRow("nur Text ohne Bildpfad meldet nichts")
        << 2 << QString() << QStringLiteral("x") << QStringList();
    QTest::newRow("nur Bild ohne Bildpfad")
        << 0 << QString() << QStringLiteral("x") << QStringList{QStringLiteral("Pfad zum Bild")};
    QTest::newRow("Bild und Text ohne beides")
        << 1 << QString() << QString()
        << QStringList{QStringLiteral("Pfad zum Bild"), QStringLiteral("Text")};
    QTest::newRow("nur Text ohne Text") << 2 << kBild << QString() << QStringList{QStringLiteral("Text")};
}

void TestLink::fehlendeAngaben() {
    QFETCH(int, art);
    QFETCH(QString, bild);
    QFETCH(QString, text);
    QFETCH(QStringList, gemeldet);
    const LinkErgebnis ergebnis = LinkBilden(eingaben(static_cast<LinkArt>(art), bild, text));
    QCOMPARE(ergebnis.fehlendeFelder, gemeldet);
    // Missing details are reported, the block is built all the same.
    QVERIFY(ergebnis.block.has_value());
}

void TestLink::platzhalterImSeitenpfad_bautNichts() {
    LinkEingaben e = eingaben(LinkArt::BildUndText, QString(), QString());
    e.seitenPfad = kSeitenPfadVorgabe;
    const LinkErgebnis ergebnis = LinkBilden(e);
    QVERIFY(!ergebnis.block.has_value());
    QCOMPARE(ergebnis.fehlendeFelder, QStringList{QStringLiteral("Pfad zur Seite")});
}

void TestLink::zweiLinks_ergebenZweiBloecke() {
    QString rtfLink = QStringLiteral("alt\r\n");
    const QString block = *LinkBilden(eingaben(LinkArt::NurText)).block;
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(LinkZielDeuten(QStringLiteral("1")), LinkZielArt::Hauptfenster);
        rtfLink += block;
    }
    QCOMPARE(rtfLink, QStringLiteral("alt\r\n") + block + block);
    QCOMPARE(rtfLink.count(QStringLiteral("LINK START")), 2);
}

void TestLink::linkZiel_data() {
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<int>("art");
    QTest::newRow("1") << QStringLiteral("1") << int(LinkZielArt::Hauptfenster);
    QTest::newRow("2") << QStringLiteral("2") << int(LinkZielArt::Keins);
    QTest::newRow("leer") << QString() << int(LinkZielArt::Ungueltig);
    QTest::newRow("3") << QStringLiteral("3") << int(LinkZielArt::Ungueltig);
    QTest::newRow("1 mit Leerzeichen") << QStringLiteral(" 1") << int(LinkZielArt::Ungueltig);
}

void TestLink::linkZiel() {
    QFETCH(QString, ziel);
    QFETCH(int, art);
    QCOMPARE(int(LinkZielDeuten(ziel)), art);
}

void TestLink::htmlKnoepfe_sperrenUndEntsperren() {
    const InhaltAutoZustand offen = HtmlEinfuegen();
    QVERIFY(!offen.leeren);
    QVERIFY(!offen.nurLesen);
    QVERIFY(!offen.hintergrund.has_value());
    const InhaltAutoZustand zu = HtmlLoeschen();
    QVERIFY(zu.leeren);
    QVERIFY(zu.nurLesen);
    // &HC0E0FF is blue-green-red; as red-green-blue it reads FF E0 C0.
    QCOMPARE(zu.hintergrund.value_or(0), quint32(0xFFE0C0));
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
