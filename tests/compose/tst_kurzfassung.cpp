#include "compose/Kurzfassung.h"
#include "title/BuchTabelle.h"
#include "title/KleidungTabelle.h"

#include <QTest>

namespace {

KurzfassungAngaben buch() {
    BuchEingaben e;
    e.beschriftungen = BuchBeschriftungen();
    e.werte = BuchStartwerte();
    e.werte[0] = QStringLiteral("Diogenes");
    e.werte[1] = QStringLiteral("Anna Beispiel");
    e.werte[2] = QStringLiteral("Taschenbuch");
    e.werte[5] = QStringLiteral("312");
    e.werte[7] = QStringLiteral("Sehr gut erhalten");
    e.werte[8] = QStringLiteral("Deutsch");
    e.aktiv.fill(true);
    KurzfassungAngaben a;
    a.bezeichnung = QStringLiteral("Anna Beispiel Der stille See Roman");
    a.titel = QStringLiteral("Der stille See");
    a.aufWasBieten = QStringLiteral("ein gut erhaltenes Buch");
    a.tabelle = BuchTabelle(e);
    a.artikelArt = QStringLiteral("Buch");
    a.versandkosten = QStringLiteral("1,85");
    a.versandArt = QStringLiteral("Deutsche Post-unversichert");
    a.beschreibung = QStringLiteral("<p>Ein Roman über einen See.</p><p>Ohne Knicke &amp; Flecken.</p>");
    return a;
}

KurzfassungAngaben kleidung() {
    KleidungWerte w;
    w.werte = KleidungStartwerte();
    w.werte[0] = QStringLiteral("ESPRIT");
    w.werte[1] = QStringLiteral("116");
    w.werte[2] = QStringLiteral("blau");
    w.werte[5] = QStringLiteral("80% Baumwolle");
    w.weitereMaterialien[0] = QStringLiteral("20% Polyester");
    w.werte[7] = QStringLiteral("gut erhalten");
    KurzfassungAngaben a;
    a.bezeichnung = QStringLiteral("Sweatshirt Gr. 116 blau");
    a.tabelle = KleidungTabelle(KleidungBeschriftungen(), w, {true, false, false, false});
    a.artikelArt = QStringLiteral("Kleidung");
    a.versandkosten = QStringLiteral("4,50 €");
    return a;
}

QString block(const QString& inhalt) {
    return QStringLiteral("<div vocab=\"https://schema.org/\" typeof=\"Product\">"
                          "<span property=\"description\">") +
           inhalt + QStringLiteral("</span></div>");
}

} // namespace

Q_DECLARE_METATYPE(KurzfassungAngaben)

class TestKurzfassung : public QObject {
    Q_OBJECT
private slots:
    void bilden_data();
    void bilden();
    void langeBeschreibung_bleibtInDerGrenze();
    void zaehlen_wieDieApp_data();
    void zaehlen_wieDieApp();
    void finden_data();
    void finden();
    void sichtbar_data();
    void sichtbar();
};

void TestKurzfassung::bilden_data() {
    QTest::addColumn<KurzfassungAngaben>("angaben");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("Buch") << buch()
                          << QStringList{QStringLiteral("Der stille See"),
                                         QStringLiteral("Sie bieten auf ein gut erhaltenes Buch"),
                                         QStringLiteral("Autor: Anna Beispiel"),
                                         QStringLiteral("Verlag: Diogenes"),
                                         QStringLiteral("Sprache: Deutsch"),
                                         QStringLiteral("Anzahl Seiten: 312"),
                                         QStringLiteral("Art: Taschenbuch"),
                                         QStringLiteral("Zustand: Sehr gut erhalten"),
                                         QStringLiteral("Versand: 1,85 € (Deutsche Post-unversichert)"),
                                         QStringLiteral("Ein Roman über einen See. Ohne Knicke & Flecken.")};
    // Without a title the designation leads; the clothing rows are size, material, colour, condition.
    QTest::newRow("Kleidung") << kleidung()
                              << QStringList{QStringLiteral("Sweatshirt Gr. 116 blau"),
                                             QStringLiteral("Größe: 116"),
                                             QStringLiteral("Material: 80% Baumwolle 20% Polyester"),
                                             QStringLiteral("Farbe: blau"),
                                             QStringLiteral("Zustand: gut erhalten"),
                                             QStringLiteral("Versand: 4,50 €")};
    // The book window's placeholders and prompts say nothing; the table of another kind counts not.
    KurzfassungAngaben platzhalter = buch();
    platzhalter.tabelle.replace(QStringLiteral("Anna Beispiel"), QStringLiteral("Autor wählen"));
    platzhalter.tabelle.replace(QStringLiteral("312"), QStringLiteral("??? Seiten"));
    platzhalter.aufWasBieten.clear();
    platzhalter.versandkosten.clear();
    platzhalter.beschreibung.clear();
    QTest::newRow("Platzhalter und leere Felder")
        << platzhalter
        << QStringList{QStringLiteral("Der stille See"), QStringLiteral("Verlag: Diogenes"),
                       QStringLiteral("Sprache: Deutsch"), QStringLiteral("Art: Taschenbuch"),
                       QStringLiteral("Zustand: Sehr gut erhalten")};
    KurzfassungAngaben andere = buch();
    andere.artikelArt = QStringLiteral("CD / MC / DVD / VHS Video");
    andere.aufWasBieten.clear();
    andere.versandkosten.clear();
    andere.beschreibung.clear();
    QTest::newRow("andere Artikelart") << andere << QStringList{QStringLiteral("Der stille See")};
    QTest::newRow("nichts") << KurzfassungAngaben{} << QStringList{};
}

void TestKurzfassung::bilden() {
    QFETCH(KurzfassungAngaben, angaben);
    QFETCH(QStringList, zeilen);
    QCOMPARE(KurzfassungBilden(angaben), zeilen);
}

// Whole sentences while they fit, the rest cut at a word; markup of the seller's escaped.
void TestKurzfassung::langeBeschreibung_bleibtInDerGrenze() {
    KurzfassungAngaben a = buch();
    QString text;
    for (int i = 0; text.size() < 5000; ++i) {
        text += QStringLiteral("Satz %1 mit <b>Fett</b> & \"Zitat\" über 3 < 4 Dinge. ").arg(i);
    }
    a.beschreibung = text;
    const QStringList zeilen = KurzfassungBilden(a);
    QCOMPARE(zeilen.mid(0, 9), KurzfassungBilden(buch()).mid(0, 9));
    const QString letzte = zeilen.last();
    QVERIFY2(KurzfassungZeichen(zeilen) <= kKurzfassungGrenze,
             qPrintable(QString::number(KurzfassungZeichen(zeilen))));
    // No room is left for one more sentence.
    QVERIFY2(KurzfassungZeichen(zeilen) > kKurzfassungGrenze - 75, "der Platz bleibt ungenutzt");
    QVERIFY(letzte.startsWith(QStringLiteral("Satz 0 mit Fett & \"Zitat\" über 3 < 4 Dinge. Satz 1 ")));
    QVERIFY(letzte.endsWith(QStringLiteral("Dinge.")));
    QVERIFY(KurzfassungInhalt(zeilen).contains(
        QStringLiteral("3 &lt; 4 Dinge. Satz 1 mit Fett &amp; &quot;Zitat")));

    // One sentence longer than the room: cut after a word.
    a.beschreibung = QStringLiteral("Wort ").repeated(400);
    const QString geschnitten = KurzfassungBilden(a).last();
    QVERIFY(geschnitten.endsWith(QStringLiteral("Wort…")));
    QVERIFY(KurzfassungZeichen(KurzfassungBilden(a)) <= kKurzfassungGrenze);
}

void TestKurzfassung::zaehlen_wieDieApp_data() {
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<QString>("inhalt");
    QTest::newRow("leer") << QStringList{} << QString();
    QTest::newRow("eine Zeile") << QStringList{QStringLiteral("Buch")}
                                << QStringLiteral("<ul><li>Buch</li></ul>");
    // Escaped and as character references the files hold: counted as written.
    QTest::newRow("Zeichen") << QStringList{QStringLiteral("A & B"), QStringLiteral("Zustand ✓")}
                             << QStringLiteral("<ul><li>A &amp; B</li><li>Zustand &#10003;</li></ul>");
}

void TestKurzfassung::zaehlen_wieDieApp() {
    QFETCH(QStringList, zeilen);
    QFETCH(QString, inhalt);
    QCOMPARE(KurzfassungZeichen(zeilen), inhalt.size());
    QCOMPARE(KurzfassungBlock(zeilen).isEmpty(), zeilen.isEmpty());
    if (!zeilen.isEmpty()) {
        QCOMPARE(KurzfassungInhalt(zeilen), inhalt);
        const QList<KurzfassungStelle> stellen = KurzfassungenFinden(KurzfassungBlock(zeilen));
        QCOMPARE(stellen.size(), 1);
        QCOMPARE(stellen[0].laenge, inhalt.size());
    }
}

void TestKurzfassung::finden_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("inhalt");
    QTest::addColumn<QString>("fremd");
    QTest::newRow("nach Umlauten") << QStringLiteral("<p>Grüße 😀</p>") +
                                          block(QStringLiteral("<ul><li>ä</li></ul>"))
                                   << QStringLiteral("<ul><li>ä</li></ul>") << QString();
    QTest::newRow("fremdes Tag") << block(QStringLiteral("<ul><li><b class=x>a</b><i>b</i></li></ul>"))
                                 << QStringLiteral("<ul><li><b class=x>a</b><i>b</i></li></ul>")
                                 << QStringLiteral("<b class=x>");
    QTest::newRow("ohne Ende") << QStringLiteral("<span property=\"description\">a<br>b")
                               << QStringLiteral("a<br>b") << QString();
    QTest::newRow("andere property") << QStringLiteral("<span property=\"name\"><b>x</b></span>") << QString()
                                     << QString();
}

void TestKurzfassung::finden() {
    QFETCH(QString, html);
    QFETCH(QString, inhalt);
    QFETCH(QString, fremd);
    const QList<KurzfassungStelle> stellen = KurzfassungenFinden(html);
    QCOMPARE(stellen.size(), inhalt.isEmpty() ? 0 : 1);
    if (stellen.isEmpty()) {
        return;
    }
    const KurzfassungStelle& s = stellen[0];
    QCOMPARE(html.mid(s.start, s.laenge), inhalt);
    QCOMPARE(html.mid(s.fremderTagStart, s.fremderTagLaenge), fremd);
}

void TestKurzfassung::sichtbar_data() {
    QTest::addColumn<QString>("inhalt");
    QTest::addColumn<QString>("gezeigt");
    const QString voll = QString(795, u'x');
    QTest::newRow("kurz") << QStringLiteral("<ul><li>a</li></ul>") << QStringLiteral("<ul><li>a</li></ul>");
    QTest::newRow("Tag an der Grenze")
        << voll + QStringLiteral("ab<li>c</li>") << voll + QStringLiteral("ab");
    QTest::newRow("Entität an der Grenze") << voll + QStringLiteral("a&amp;b") << voll + QStringLiteral("a");
    QTest::newRow("Text an der Grenze")
        << voll + QStringLiteral("abcdefgh") << voll + QStringLiteral("abcde");
}

void TestKurzfassung::sichtbar() {
    QFETCH(QString, inhalt);
    QFETCH(QString, gezeigt);
    QCOMPARE(KurzfassungSichtbar(inhalt), gezeigt);
}

QTEST_GUILESS_MAIN(TestKurzfassung)
#include "tst_kurzfassung.moc"
