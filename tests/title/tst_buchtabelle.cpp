#include "title/BuchTabelle.h"

#include <QTest>

namespace {

const QString kKopf = QStringLiteral("<table width=\"50%\" border=\"0\">\r\n");
const QString kFuss = QStringLiteral("</table>\r\n");

QString zeile(int marker, const QString& beschriftung, const QString& wert) {
    return QStringLiteral(
               "<tr>\r\n<td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\r\n</td> \r\n"
               "<td nowrap><div align=\"left\" class=\"Stil4\"><strong>\r\n<!---%1--->\r\n")
               .arg(marker) +
           beschriftung + QStringLiteral("</strong></div></td>\r\n<td align=\"left\">\r\n") + wert +
           QStringLiteral("</td>\r\n</tr>\r\n");
}

// Every row filled and passing, no box ticked.
BuchEingaben gueltig() {
    BuchEingaben e;
    e.beschriftungen = BuchBeschriftungen();
    e.werte = {QStringLiteral("Goldmann"),  QStringLiteral("Mankell"), QStringLiteral("Taschenbuch"),
               QStringLiteral("18 cm"),     QStringLiteral("Krimi"),   QStringLiteral("320"),
               QStringLiteral("250 Gramm"), QStringLiteral("gut"),     QStringLiteral("Deutsch")};
    return e;
}

BuchAuswahl unberuehrt() {
    return {QStringLiteral("Verlag wählen"),    QStringLiteral("Autor wählen"),
            QStringLiteral("Sprache wählen"),   QStringLiteral("Art wählen"),
            QStringLiteral("Abmasse wählen"),   QStringLiteral("Genre wählen"),
            QStringLiteral("Zustand-1 wählen"), QStringLiteral("Zustand-2 wählen")};
}

QString meldung(const QString& feld) {
    return QStringLiteral("Bitte das Feld \"\"") + feld + QStringLiteral("\"\" korriegieren");
}

} // namespace

class TestBuchTabelle : public QObject {
    Q_OBJECT
private slots:
    void alleKaestchenLeer_dreiWerte_nurRahmen();
    void alleKaestchenLeer_zweiWerte_zuWenig();
    void abmasseStandard_angehakt_meldetAbmasse();
    void gewichtStandard_angehakt_meldetGewicht();
    void gewichtStandard_nichtAngehakt_wederGeprueftNochGeschrieben();
    void leereZeile_meldetIhrFeld_data();
    void leereZeile_meldetIhrFeld();
    void artVorSprache_geprueft();
    void zustandMitWortZustand_abgelehnt();
    void sprachzeile_istDritteZeile();
    void alleZeilen_inMarkerfolge();
    void texte_ohneMaskierung();
    void uebernehmen_beideZustaende_eineZelle();
    void uebernehmen_platzhalterBleiben();
    void uebernehmen_angezeigteVorgaben_zaehlenAlsWert();
    void zustandsPlatzhalter_91Zeichen();
    void genre_ausBeschriftung_data();
    void genre_ausBeschriftung();
};

void TestBuchTabelle::alleKaestchenLeer_dreiWerte_nurRahmen() {
    BuchEingaben e;
    e.beschriftungen = BuchBeschriftungen();
    e.werte[0] = QStringLiteral("a");
    e.werte[4] = QStringLiteral("b");
    e.werte[8] = QStringLiteral("c");
    QCOMPARE(BuchPruefen(e, QStringLiteral("Zustand-1 wählen")), std::nullopt);
    QCOMPARE(BuchTabelle(e), kKopf + kFuss);
}

void TestBuchTabelle::alleKaestchenLeer_zweiWerte_zuWenig() {
    BuchEingaben e;
    e.werte[0] = QStringLiteral("a");
    e.werte[8] = QStringLiteral("c");
    QCOMPARE(BuchPruefen(e, QString()), QStringLiteral("Sie müssen mind. 3 Angaben machen!"));
}

void TestBuchTabelle::abmasseStandard_angehakt_meldetAbmasse() {
    BuchEingaben e = gueltig();
    e.werte[3] = BuchStartwerte()[3];
    e.aktiv.fill(true);
    QCOMPARE(BuchPruefen(e, QStringLiteral("gut")), meldung(QStringLiteral("Abmasse")));
}

void TestBuchTabelle::gewichtStandard_angehakt_meldetGewicht() {
    BuchEingaben e = gueltig();
    e.werte[6] = QStringLiteral("??? Gramm");
    e.aktiv.fill(true);
    QCOMPARE(BuchPruefen(e, QStringLiteral("gut")), meldung(QStringLiteral("Gewicht")));
}

void TestBuchTabelle::gewichtStandard_nichtAngehakt_wederGeprueftNochGeschrieben() {
    BuchEingaben e = gueltig();
    e.werte[6] = QStringLiteral("??? Gramm");
    e.aktiv.fill(true);
    e.aktiv[6] = false;
    QCOMPARE(BuchPruefen(e, QStringLiteral("gut")), std::nullopt);
    QVERIFY(!BuchTabelle(e).contains(QStringLiteral("Gramm")));
    QVERIFY(!BuchTabelle(e).contains(QStringLiteral("<!---8--->")));
}

void TestBuchTabelle::leereZeile_meldetIhrFeld_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("feld");
    QTest::newRow("Verlag") << 0 << QStringLiteral("Verlag");
    QTest::newRow("Autor") << 1 << QStringLiteral("Autor");
    QTest::newRow("Art") << 2 << QStringLiteral("Art");
    QTest::newRow("Sprache") << 8 << QStringLiteral("Sprache");
    QTest::newRow("Genre") << 4 << QStringLiteral("Genre");
    QTest::newRow("Anzahl Seiten") << 5 << QStringLiteral("Anzahl Seiten");
    QTest::newRow("Gewicht") << 6 << QStringLiteral("Gewicht");
}

void TestBuchTabelle::leereZeile_meldetIhrFeld() {
    QFETCH(int, index);
    QFETCH(QString, feld);
    BuchEingaben e = gueltig();
    e.werte[index].clear();
    QCOMPARE(BuchPruefen(e, QStringLiteral("gut")), std::nullopt);
    e.aktiv[index] = true;
    QCOMPARE(BuchPruefen(e, QStringLiteral("gut")), meldung(feld));
}

void TestBuchTabelle::artVorSprache_geprueft() {
    BuchEingaben e = gueltig();
    e.werte[2].clear();
    e.werte[8].clear();
    e.aktiv[2] = true;
    e.aktiv[8] = true;
    QCOMPARE(BuchPruefen(e, QStringLiteral("gut")), meldung(QStringLiteral("Art")));
}

void TestBuchTabelle::zustandMitWortZustand_abgelehnt() {
    BuchEingaben e = gueltig();
    e.aktiv[7] = true;
    QCOMPARE(BuchPruefen(e, QStringLiteral("guter Zustand")), meldung(QStringLiteral("Zustand 1")));
    QCOMPARE(BuchPruefen(e, ZustandPlatzhalter()), meldung(QStringLiteral("Zustand 1")));
    QCOMPARE(BuchPruefen(e, QStringLiteral("wie neu")), std::nullopt);
}

void TestBuchTabelle::sprachzeile_istDritteZeile() {
    BuchEingaben e = gueltig();
    e.aktiv[8] = true;
    QCOMPARE(BuchTabelle(e), kKopf + zeile(3, QStringLiteral("Sprache:"), QStringLiteral("Deutsch")) + kFuss);
}

void TestBuchTabelle::alleZeilen_inMarkerfolge() {
    BuchEingaben e = gueltig();
    e.aktiv.fill(true);
    const QString erwartet = kKopf + zeile(1, QStringLiteral("Verlag:"), QStringLiteral("Goldmann")) +
                             zeile(2, QStringLiteral("Autor:"), QStringLiteral("Mankell")) +
                             zeile(3, QStringLiteral("Sprache:"), QStringLiteral("Deutsch")) +
                             zeile(4, QStringLiteral("Art:"), QStringLiteral("Taschenbuch")) +
                             zeile(5, QStringLiteral("Abmasse:"), QStringLiteral("18 cm")) +
                             zeile(6, QStringLiteral("Genre:"), QStringLiteral("Krimi")) +
                             zeile(7, QStringLiteral("Anzahl Seiten:"), QStringLiteral("320")) +
                             zeile(8, QStringLiteral("Gewicht:"), QStringLiteral("250 Gramm")) +
                             zeile(9, QStringLiteral("Zustand:"), QStringLiteral("gut")) + kFuss;
    QCOMPARE(BuchTabelle(e), erwartet);
}

void TestBuchTabelle::texte_ohneMaskierung() {
    BuchEingaben e = gueltig();
    e.beschriftungen[0] = QStringLiteral("<b>Verlag</b>");
    e.werte[0] = QStringLiteral("Gräfe & Unzer");
    e.aktiv[0] = true;
    QCOMPARE(BuchTabelle(e), kKopf + zeile(1, e.beschriftungen[0], e.werte[0]) + kFuss);
}

void TestBuchTabelle::uebernehmen_beideZustaende_eineZelle() {
    BuchAuswahl a = unberuehrt();
    a.zustand1 = QStringLiteral("sehr gut");
    a.zustand2 = QStringLiteral("Ein Mängelexemplar <b>ohne Mengel</b>");
    BuchEingaben e = gueltig();
    e.werte = BuchUebernehmen(e.werte, a);
    QCOMPARE(e.werte[7], QStringLiteral("sehr gut\r\nEin Mängelexemplar <b>ohne Mengel</b>"));
    e.aktiv[7] = true;
    QCOMPARE(BuchTabelle(e), kKopf + zeile(9, QStringLiteral("Zustand:"), e.werte[7]) + kFuss);
}

void TestBuchTabelle::uebernehmen_platzhalterBleiben() {
    const std::array<QString, kBuchZeilen> vorher = gueltig().werte;
    QCOMPARE(BuchUebernehmen(vorher, unberuehrt()), vorher);
}

void TestBuchTabelle::uebernehmen_angezeigteVorgaben_zaehlenAlsWert() {
    BuchAuswahl a = unberuehrt();
    a.art = QStringLiteral("Taschenbuch");
    a.zustand1 = ZustandPlatzhalter();
    a.sprache = QStringLiteral("Englisch");
    const std::array<QString, kBuchZeilen> werte = BuchUebernehmen(BuchStartwerte(), a);
    QCOMPARE(werte[2], QStringLiteral("Taschenbuch"));
    QCOMPARE(werte[7], ZustandPlatzhalter());
    QCOMPARE(werte[8], QStringLiteral("Englisch"));
    QCOMPARE(werte[3], QStringLiteral("?? cm x ?? cm x ? cm\r\n"));
}

void TestBuchTabelle::zustandsPlatzhalter_91Zeichen() {
    QCOMPARE(ZustandPlatzhalter().size(), 91);
    QVERIFY(ZustandPlatzhalter().endsWith(QStringLiteral(" Zustand wählen")));
}

void TestBuchTabelle::genre_ausBeschriftung_data() {
    QTest::addColumn<QString>("beschriftung");
    QTest::addColumn<QString>("genre");
    QTest::newRow("Krimi") << QStringLiteral("Krimi") << QStringLiteral("Krimi - Thriller");
    QTest::newRow("Roman") << QStringLiteral("Roman") << QStringLiteral("Frauenroman");
    QTest::newRow("Esoterik") << QStringLiteral("Esoterik") << QStringLiteral("Esoterik Spiritualität");
    QTest::newRow("Sachbuc") << QStringLiteral("Sachbuc") << QStringLiteral("Ratgeber");
    QTest::newRow("Gesund") << QStringLiteral("Gesund") << QStringLiteral("Gesundheit");
    QTest::newRow("NLP") << QStringLiteral("NLP") << QStringLiteral("Psychologie / Lebensführung");
    QTest::newRow("Kinder") << QStringLiteral("Kinder") << QStringLiteral("Kinder- & Jugendliteratur");
    QTest::newRow("Jugend") << QStringLiteral("Jugend") << QStringLiteral("Kinder- & Jugendliteratur");
    QTest::newRow("Fantasy") << QStringLiteral("Fantasy") << QStringLiteral("Fantasy");
    QTest::newRow("klein geschrieben") << QStringLiteral("krimi") << QString();
    QTest::newRow("nur Anfang") << QStringLiteral("Sachbuch") << QString();
    QTest::newRow("leer") << QString() << QString();
}

void TestBuchTabelle::genre_ausBeschriftung() {
    QFETCH(QString, beschriftung);
    QFETCH(QString, genre);
    QCOMPARE(GenreAusTextblock(beschriftung).value_or(QString()), genre);
}

QTEST_GUILESS_MAIN(TestBuchTabelle)
#include "tst_buchtabelle.moc"
