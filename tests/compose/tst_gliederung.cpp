#include "compose/Gliederung.h"

#include <QTest>

namespace {

QString mal(const char* text, int anzahl) {
    return QString::fromUtf8(text).repeated(anzahl);
}

} // namespace

Q_DECLARE_METATYPE(Grenze)

class TestGliederung : public QObject {
    Q_OBJECT
private slots:
    void tiefe_data();
    void tiefe();
    void offen_data();
    void offen();
};

// What a browser closes by itself must not count as depth; what it nests must.
void TestGliederung::tiefe_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<Grenze>("grenze");
    const auto fall = [](const char* name, const QString& html, Grenze grenze) {
        QTest::newRow(name) << html << grenze;
    };
    fall("Absätze ohne Ende", mal("<p>Absatz", 1000), Grenze::Keine);
    fall("Listenpunkte ohne Ende", QStringLiteral("<ul>") + mal("<li>Punkt", 1000), Grenze::Keine);
    fall("Definitionen ohne Ende", QStringLiteral("<dl>") + mal("<dt>a<dd>b", 1000), Grenze::Keine);
    fall("Zellen und Zeilen ohne Ende", QStringLiteral("<table>") + mal("<tr><td>a<td>b", 1000),
         Grenze::Keine);
    fall("leere Elemente", mal("<br><img src=a.jpg><hr><input>", 1000), Grenze::Keine);
    fall("geschlossene Formatierung", mal("<b>a</b><i>b</i>", 1000), Grenze::Keine);
    fall("Link schließt Link", mal("<a href=#>x", 1000), Grenze::Keine);
    fall("gleiche Schrift nach jedem Block", mal("<div><font color=red>x</div>", 1000), Grenze::Keine);
    fall("Formatierung in Zellen", QStringLiteral("<table>") + mal("<tr><td><b>x</td>", 1000), Grenze::Keine);
    fall("SVG mit geschlossenen Elementen", QStringLiteral("<svg>") + mal("<path/>", 1000), Grenze::Keine);
    fall("Markup in Kommentar", QStringLiteral("<!--") + mal("<div>", 1000) + QStringLiteral("-->"),
         Grenze::Keine);
    fall("Markup in Skript", QStringLiteral("<script>") + mal("<div>", 1000) + QStringLiteral("</script>"),
         Grenze::Keine);
    fall("Markup im Attribut", QStringLiteral("<p title=\"") + mal("<div>", 1000) + QStringLiteral("\">"),
         Grenze::Keine);
    fall("Block in Formatierung verschränkt", mal("<b><div>x</b></div>", 1000), Grenze::Keine);
    fall("offene Elemente", mal("<div>", 600), Grenze::Tiefe);
    fall("Formatierung verschränkt", mal("<b><i></b>x", 600), Grenze::Tiefe);
    fall("div mit Schrägstrich", mal("<div/>", 600), Grenze::Tiefe);
    fall("offene Schrift", mal("<font>", 600), Grenze::Tiefe);
    fall("Tabellen in Zellen", mal("<table><tr><td>", 100), Grenze::Tiefe);
    fall("Listenpunkt in Abschnitt", mal("<li><section>", 150), Grenze::Tiefe);
    fall("unbekannte Elemente", mal("<x-a><x-b>", 150), Grenze::Tiefe);
    fall("Formatierung für jeden Absatz neu", QStringLiteral("<p><b></p>") + mal("<p>x", 60000),
         Grenze::Tiefe);
    fall("Formatierung für einige Absätze neu", QStringLiteral("<p><b></p>") + mal("<p>x", 1000),
         Grenze::Keine);
    fall("viele Attribute", QStringLiteral("<p") + mal(" a", 101) + QStringLiteral(">"), Grenze::Attribute);
    fall("viele Attribute im Ende-Tag", QStringLiteral("<p></p") + mal(" a", 101) + QStringLiteral(">"),
         Grenze::Attribute);
}

void TestGliederung::tiefe() {
    QFETCH(QString, html);
    QFETCH(Grenze, grenze);
    const Gliederung g = GliederungLesen(html, {});
    QCOMPARE(g.grenze, grenze);
    QCOMPARE(g.bis, grenze == Grenze::Keine ? html.size() : g.grenzeStart);
}

void TestGliederung::offen_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("offen");
    QTest::newRow("verschachtelt gleich")
        << QStringLiteral("<b>a<b>b</b>") << QStringList{QStringLiteral("<b>")};
    QTest::newRow("Groß und klein") << QStringLiteral("<DIV class=a>x</div >") << QStringList{};
    QTest::newRow("Ende-Tag mit Leerzeichen ist Kommentar")
        << QStringLiteral("<b>a</ b>") << QStringList{QStringLiteral("<b>")};
    QTest::newRow("Quote mit Spitzklammer")
        << QStringLiteral("<div title='a>b'>x") << QStringList{QStringLiteral("<div title='a>b'>")};
    QTest::newRow("Textarea ist Rohtext")
        << QStringLiteral("<textarea><b></textarea><i>") << QStringList{QStringLiteral("<i>")};
    QTest::newRow("SVG schließt mit Schrägstrich")
        << QStringLiteral("<svg><a/></svg><a/>") << QStringList{QStringLiteral("<a/>")};
    QTest::newRow("abgeschnittenes Tag") << QStringLiteral("x<b") << QStringList{};
    QTest::newRow("Kommentar kurz") << QStringLiteral("<!--><b>") << QStringList{QStringLiteral("<b>")};
}

void TestGliederung::offen() {
    QFETCH(QString, html);
    QFETCH(QStringList, offen);
    QStringList gefunden;
    for (const OffenesElement& e : GliederungLesen(html, {QStringLiteral("a"), QStringLiteral("b"),
                                                          QStringLiteral("i"), QStringLiteral("div")})
                                       .offen) {
        gefunden.append(html.mid(e.start, e.laenge));
    }
    QCOMPARE(gefunden, offen);
}

QTEST_GUILESS_MAIN(TestGliederung)
#include "tst_gliederung.moc"
