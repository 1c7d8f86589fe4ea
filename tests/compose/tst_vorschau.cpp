#include "compose/Vorschau.h"
#include "core/TextDatei.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QString kopfMit(const QString& d) {
    return QStringLiteral("<br><br><div align=\"center\">Artikel Bezeichnung:<br><b>") + d +
           QStringLiteral("</b></div><br>");
}

} // namespace

class TestVorschau : public QObject {
    Q_OBJECT
private slots:
    void kopf_bindestrichRegel_data();
    void kopf_bindestrichRegel();
    void zweiMalGedrueckt_zweiKoepfeInDatei();
    void fehlendeDatei_wirdAngelegt();
    void unbeschreibbarerPfad_meldetFehler();
};

void TestVorschau::kopf_bindestrichRegel_data() {
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<QString>("gezeigt");
    QTest::newRow("Bindestrich vorn") << QStringLiteral("- Krimi  ") << QStringLiteral("Krimi");
    QTest::newRow("Bindestrich innen") << QStringLiteral("Sci-Fi Roman") << QStringLiteral("Sci-Fi Roman");
    QTest::newRow("ohne Bindestrich bleibt ungekuerzt")
        << QStringLiteral(" Krimi ") << QStringLiteral(" Krimi ");
    QTest::newRow("nur Bindestrich") << QStringLiteral("-") << QString();
    QTest::newRow("leer") << QString() << QString();
}

void TestVorschau::kopf_bindestrichRegel() {
    QFETCH(QString, bezeichnung);
    QFETCH(QString, gezeigt);
    QCOMPARE(VorschauKopf(bezeichnung), kopfMit(gezeigt));
}

void TestVorschau::zweiMalGedrueckt_zweiKoepfeInDatei() {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Vorschau.html"));
    QString feld = QStringLiteral("<p>Artikel</p>");
    for (int i = 0; i < 2; ++i) {
        feld = VorschauText(QStringLiteral("- Krimi"), feld);
        QCOMPARE(VorschauSchreiben(pfad, feld), QString());
    }
    const QString erwartet = kopfMit(QStringLiteral("Krimi")).repeated(2) + QStringLiteral("<p>Artikel</p>");
    QCOMPARE(feld, erwartet);
    QCOMPARE(textLesen(pfad), std::optional<QString>(erwartet + QStringLiteral("\r\n")));
}

void TestVorschau::fehlendeDatei_wirdAngelegt() {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Vorschau.html"));
    QCOMPARE(VorschauSchreiben(pfad, QStringLiteral("Grüße")), QString());
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.readAll(), QByteArray("Gr\xfc\xdf"
                                         "e\r\n"));
}

void TestVorschau::unbeschreibbarerPfad_meldetFehler() {
    QTemporaryDir ordner;
    QVERIFY(!VorschauSchreiben(ordner.filePath(QStringLiteral("fehlt/Vorschau.html")), QStringLiteral("x"))
                 .isEmpty());
}

QTEST_GUILESS_MAIN(TestVorschau)
#include "tst_vorschau.moc"
