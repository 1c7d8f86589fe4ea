#include "title/KleidungTabelle.h"

#include <QTest>

namespace {

const QString kKeinMaterial = QStringLiteral("Material wählen");

// All lists at their prompts, every percentage at "%".
KleidungAuswahl unberuehrt() {
    KleidungAuswahl a;
    for (int i = 0; i < kKleidungZeilen; ++i) {
        a.listen[i] = KleidungPlatzhalter(i);
    }
    a.material.fill(kKeinMaterial);
    a.prozent.fill(QStringLiteral("%"));
    return a;
}

// The values after "Neu": all eight rows empty.
KleidungWerte nachNeu() {
    return {};
}

QString zeile(int marker, const QString& beschriftung, const QString& wert) {
    return QStringLiteral(
               "<tr>\r\n<td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\r\n</td> \r\n"
               "<td valign=\"TOP\"><div align=\"left\"  class=\"Stil4\"><strong>\r\n<!---%1--->\r\n")
               .arg(marker) +
           beschriftung + QStringLiteral("</strong></div></td>\r\n<td align=\"left\">\r\n") + wert +
           QStringLiteral("</td>\r\n</tr>\r\n");
}

} // namespace

class TestKleidungTabelle : public QObject {
    Q_OBJECT
private slots:
    void material1_prozent_data();
    void material1_prozent();
    void nachNeu_dreiAngabenOhneMaterial_minusSechs();
    void nachNeu_zweiAngabenMitMaterial_reicht();
    void materialOhneProzent_bricht_ab();
    void weitereMaterialien_unabhaengigVomKaestchen();
    void platzhalter_behaeltWert();
    void tabelle_leer_alleAchtZeilen();
    void tabelle_materialien124_angehakt();
    void tabelle_material3_nichtAngehakt_fehlt();
    void prozente_einsBisHundert();
    void listen_platzhalterZuerst_data();
    void listen_platzhalterZuerst();
};

void TestKleidungTabelle::material1_prozent_data() {
    QTest::addColumn<QString>("prozent");
    QTest::addColumn<QString>("wert");
    QTest::newRow("Leerzeichen") << QStringLiteral(" ") << QStringLiteral("Baumwolle");
    QTest::newRow("95") << QStringLiteral("95") << QStringLiteral("Baumwolle - 95%");
}

void TestKleidungTabelle::material1_prozent() {
    QFETCH(QString, prozent);
    QFETCH(QString, wert);
    KleidungAuswahl a = unberuehrt();
    a.material[0] = QStringLiteral("Baumwolle");
    a.prozent[0] = prozent;
    KleidungWerte w{KleidungStartwerte(), {}};
    KleidungUebernehmen(w, a);
    QCOMPARE(w.werte[kMaterialZeile], wert);
}

void TestKleidungTabelle::nachNeu_dreiAngabenOhneMaterial_minusSechs() {
    KleidungAuswahl a = unberuehrt();
    a.listen[0] = QStringLiteral("H&M");
    a.listen[1] = QStringLiteral("98");
    a.listen[2] = QStringLiteral("rot");
    KleidungWerte w = nachNeu();
    QCOMPARE(KleidungUebernehmen(w, a), KleidungErgebnis::ZuWenigAngaben);
    QCOMPARE(kZuWenigKleidungAngaben,
             QStringLiteral("Sie müssen mind. 3 Angaben machen!\r\nMaterialangaben sind Pflicht!"));
}

void TestKleidungTabelle::nachNeu_zweiAngabenMitMaterial_reicht() {
    KleidungAuswahl a = unberuehrt();
    a.listen[0] = QStringLiteral("H&M");
    a.listen[1] = QStringLiteral("98");
    a.material[0] = QStringLiteral("Baumwolle");
    a.prozent[0] = QStringLiteral(" ");
    KleidungWerte w = nachNeu();
    QCOMPARE(KleidungUebernehmen(w, a), KleidungErgebnis::SpeichernMoeglich);
}

void TestKleidungTabelle::materialOhneProzent_bricht_ab() {
    KleidungAuswahl a = unberuehrt();
    a.listen[0] = QStringLiteral("H&M");
    a.listen[7] = QStringLiteral("NEU!! und ungetragen!!");
    a.material[0] = QStringLiteral("Baumwolle");
    a.material[1] = QStringLiteral("Elasthan");
    a.prozent[0] = QStringLiteral("95");
    KleidungWerte w = nachNeu();
    QCOMPARE(KleidungUebernehmen(w, a), KleidungErgebnis::FalscheProzente);
    QCOMPARE(w.werte[0], QStringLiteral("H&M"));
    QCOMPARE(w.werte[kMaterialZeile], QStringLiteral("Baumwolle - 95%"));
    QVERIFY(w.werte[7].isEmpty());
    QCOMPARE(kFalscheProzente, QStringLiteral("Falsche Prozentangaben im Material"));
}

void TestKleidungTabelle::weitereMaterialien_unabhaengigVomKaestchen() {
    KleidungAuswahl a = unberuehrt();
    a.material[2] = QStringLiteral("Polyester");
    a.prozent[2] = QStringLiteral("5");
    KleidungWerte w{KleidungStartwerte(), {}};
    KleidungUebernehmen(w, a);
    QCOMPARE(w.weitereMaterialien[1], QStringLiteral("Polyester - 5%"));
    QCOMPARE(w.werte[kMaterialZeile], QStringLiteral("ohne Angaben"));
}

void TestKleidungTabelle::platzhalter_behaeltWert() {
    KleidungWerte w;
    w.werte.fill(QStringLiteral("alt"));
    KleidungUebernehmen(w, unberuehrt());
    for (const QString& wert : w.werte) {
        QCOMPARE(wert, QStringLiteral("alt"));
    }
}

void TestKleidungTabelle::tabelle_leer_alleAchtZeilen() {
    const std::array<QString, kKleidungZeilen> b = KleidungBeschriftungen();
    QString erwartet = QStringLiteral("<table width=\"70%\" border=\"0\">\r\n");
    for (int i = 0; i < kKleidungZeilen; ++i) {
        erwartet += zeile(i + 1, b[i], i == kMaterialZeile ? QStringLiteral("<br>") : QString());
    }
    erwartet += QStringLiteral("</table>\r\n");
    QCOMPARE(KleidungTabelle(b, KleidungWerte{}, {false, false, false, false}), erwartet);
}

void TestKleidungTabelle::tabelle_materialien124_angehakt() {
    KleidungAuswahl a = unberuehrt();
    a.material = {QStringLiteral("Baumwolle"), QStringLiteral("Elasthan"), kKeinMaterial,
                  QStringLiteral("Seide"), kKeinMaterial};
    a.prozent = {QStringLiteral("80"), QStringLiteral("15"), QStringLiteral("%"), QStringLiteral("5"),
                 QStringLiteral("%")};
    KleidungWerte w = nachNeu();
    KleidungUebernehmen(w, a);
    const QString t = KleidungTabelle(KleidungBeschriftungen(), w, {true, false, true, false});
    QVERIFY(t.contains(QStringLiteral("Material:</strong></div></td>\r\n<td align=\"left\">\r\n"
                                      "Baumwolle - 80%<br>Elasthan - 15%<br>Seide - 5%<br></td>\r\n")));
}

void TestKleidungTabelle::tabelle_material3_nichtAngehakt_fehlt() {
    KleidungAuswahl a = unberuehrt();
    a.material[0] = QStringLiteral("Baumwolle");
    a.prozent[0] = QStringLiteral(" ");
    a.material[2] = QStringLiteral("Wolle");
    a.prozent[2] = QStringLiteral("10");
    KleidungWerte w = nachNeu();
    KleidungUebernehmen(w, a);
    QCOMPARE(w.weitereMaterialien[1], QStringLiteral("Wolle - 10%"));
    const QString t = KleidungTabelle(KleidungBeschriftungen(), w, {false, false, false, false});
    QVERIFY(!t.contains(QStringLiteral("Wolle")));
    QVERIFY(t.contains(QStringLiteral("\r\nBaumwolle<br></td>")));
}

void TestKleidungTabelle::prozente_einsBisHundert() {
    const QStringList p = ProzentEintraege();
    QCOMPARE(p.size(), 100);
    QCOMPARE(p.first(), QStringLiteral("1"));
    QCOMPARE(p.at(8), QStringLiteral("9"));
    QCOMPARE(p.last(), QStringLiteral("100"));
}

void TestKleidungTabelle::listen_platzhalterZuerst_data() {
    QTest::addColumn<int>("zeile");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<QString>("letzter");
    QTest::newRow("Hersteller") << 0 << 20 << QStringLiteral("Tutti Paletti");
    QTest::newRow("Größe") << 1 << 24 << QStringLiteral("XXXL");
    QTest::newRow("Farbe") << 2 << 19 << QStringLiteral("bunt");
    QTest::newRow("Optik") << 3 << 23 << QStringLiteral("Unifarben");
    QTest::newRow("Art") << 4 << 21 << QStringLiteral("Weste");
    QTest::newRow("Geschlecht") << 6 << 6 << QStringLiteral("Männer");
    QTest::newRow("Zustand") << 7 << 6 << QString();
}

void TestKleidungTabelle::listen_platzhalterZuerst() {
    QFETCH(int, zeile);
    QFETCH(int, anzahl);
    QFETCH(QString, letzter);
    const QStringList eintraege = KleidungEintraege(zeile);
    QCOMPARE(eintraege.size(), anzahl);
    QCOMPARE(eintraege.first(), KleidungPlatzhalter(zeile));
    QCOMPARE(eintraege.last(), letzter);
}

QTEST_GUILESS_MAIN(TestKleidungTabelle)
#include "tst_kleidungtabelle.moc"
