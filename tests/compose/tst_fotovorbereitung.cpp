#include "compose/FotoVips.h"
#include "compose/Fotos.h"
#include "support/Exif.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray pruefsumme(const QString& pfad) {
    QFile datei(pfad);
    datei.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(datei.readAll(), QCryptographicHash::Sha256);
}

// A photo as the camera stored it: red in its stored top left corner, blue elsewhere.
QImage markiert(int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(QColor(0, 0, 200));
    for (int y = 0; y < hoehe / 4; ++y) {
        for (int x = 0; x < breite / 4; ++x) {
            bild.setPixelColor(x, y, QColor(220, 0, 0));
        }
    }
    return bild;
}

// Noise compresses badly: the copy of such a photo is large.
QImage rauschen(int kante) {
    QImage bild(kante, kante, QImage::Format_RGB32);
    QRandomGenerator zufall(7);
    for (int y = 0; y < kante; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < kante; ++x) {
            zeile[x] = zufall.generate() | 0xFF000000U;
        }
    }
    return bild;
}

bool rot(QColor c) {
    return c.red() > 150 && c.blue() < 80;
}

} // namespace

class TestFotovorbereitung : public QObject {
    Q_OBJECT

private slots:
    void init();

    void kamerafoto_aufrechtVerkleinertOhneMetadaten();
    void kamerafoto_originalBleibtUnveraendert();
    void kante_data();
    void kante();
    void graustufen_wirdSrgb();
    void hoechstgroesse_senktQualitaetSchrittweise_data();
    void hoechstgroesse_senktQualitaetSchrittweise();
    void keinBild_unlesbar_data();
    void keinBild_unlesbar();

    void fotosVorbereiten_schreibtKopienUndBerichtet();

private:
    QString speichern(const QImage& bild, const QString& name, const char* format = "JPG") const;
    QString datei(const QString& name) const { return m_ordner->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_ordner;
};

void TestFotovorbereitung::init() {
    m_ordner = std::make_unique<QTemporaryDir>();
}

QString TestFotovorbereitung::speichern(const QImage& bild, const QString& name, const char* format) const {
    const QString pfad = datei(name);
    if (!bild.save(pfad, format, 95)) {
        qFatal("nicht gespeichert: %s", qPrintable(pfad));
    }
    return pfad;
}

void TestFotovorbereitung::kamerafoto_aufrechtVerkleinertOhneMetadaten() {
    // Orientation 6: the camera was turned a quarter to the right; shown, the stored left edge
    // is the top, so the red corner comes out at the top right.
    const QString quelle = speichern(markiert(2400, 1600), QStringLiteral("IMG_0001.JPG"));
    kameraExifSetzen(quelle, 6);
    QCOMPARE(metadatenGruppen(exifLesen(quelle)),
             (QStringList{QStringLiteral("Comment"), QStringLiteral("GPS"), QStringLiteral("IFD0"),
                          QStringLiteral("IPTC"), QStringLiteral("XMP-dc"), QStringLiteral("XMP-x")}));

    const FotoErgebnis e = FotoVorbereiten({quelle, 1200});
    QCOMPARE(e.stand, FotoErgebnis::Stand::Fertig);
    QCOMPARE(e.qualitaet, 90);
    QCOMPARE(QSize(e.breite, e.hoehe), QSize(800, 1200));
    const QImage kopie = QImage::fromData(e.jpeg, "JPG");
    QCOMPARE(kopie.size(), QSize(800, 1200));
    QVERIFY(rot(kopie.pixelColor(kopie.width() - 20, 20)));
    QVERIFY(!rot(kopie.pixelColor(20, 20)));
    QVERIFY(!rot(kopie.pixelColor(kopie.width() - 20, kopie.height() - 20)));

    const QString ziel = datei(QStringLiteral("kopie.jpg"));
    QFile aus(ziel);
    QVERIFY(aus.open(QIODevice::WriteOnly));
    aus.write(e.jpeg);
    aus.close();
    const QJsonObject tags = exifLesen(ziel);
    QCOMPARE(metadatenGruppen(tags), QStringList());
    QCOMPARE(tags.value(QStringLiteral("File:ColorComponents")).toInt(), 3);
}

void TestFotovorbereitung::kamerafoto_originalBleibtUnveraendert() {
    const QString quelle = speichern(markiert(1600, 1200), QStringLiteral("a.jpg"));
    kameraExifSetzen(quelle, 6);
    const QByteArray vorher = pruefsumme(quelle);
    QCOMPARE(FotoVorbereiten({quelle, 500}).stand, FotoErgebnis::Stand::Fertig);
    QCOMPARE(pruefsumme(quelle), vorher);
    QCOMPARE(exifLesen(quelle).value(QStringLiteral("IFD0:Orientation")).toInt(), 6);
}

void TestFotovorbereitung::kante_data() {
    QTest::addColumn<QSize>("foto");
    QTest::addColumn<int>("kante");
    QTest::addColumn<QSize>("kopie");
    QTest::newRow("Querformat verkleinert") << QSize(3000, 2000) << 1600 << QSize(1600, 1067);
    QTest::newRow("Hochformat verkleinert") << QSize(1000, 2000) << 1600 << QSize(800, 1600);
    QTest::newRow("kleiner als die Kante, nie vergroessert") << QSize(800, 600) << 1600 << QSize(800, 600);
    QTest::newRow("genau die Kante") << QSize(1600, 900) << 1600 << QSize(1600, 900);
}

void TestFotovorbereitung::kante() {
    QFETCH(QSize, foto);
    QFETCH(int, kante);
    QFETCH(QSize, kopie);
    const QString quelle = speichern(markiert(foto.width(), foto.height()), QStringLiteral("k.jpg"));
    const FotoErgebnis e = FotoVorbereiten({quelle, kante});
    QCOMPARE(e.stand, FotoErgebnis::Stand::Fertig);
    QCOMPARE(QImage::fromData(e.jpeg, "JPG").size(), kopie);
}

void TestFotovorbereitung::graustufen_wirdSrgb() {
    QImage grau(600, 400, QImage::Format_Grayscale8);
    grau.fill(128);
    const QString quelle = speichern(grau, QStringLiteral("grau.jpg"));
    QCOMPARE(exifLesen(quelle).value(QStringLiteral("File:ColorComponents")).toInt(), 1);
    const FotoErgebnis e = FotoVorbereiten({quelle, 1600});
    QCOMPARE(e.stand, FotoErgebnis::Stand::Fertig);
    const QString ziel = datei(QStringLiteral("grau-kopie.jpg"));
    QFile aus(ziel);
    QVERIFY(aus.open(QIODevice::WriteOnly));
    aus.write(e.jpeg);
    aus.close();
    QCOMPARE(exifLesen(ziel).value(QStringLiteral("File:ColorComponents")).toInt(), 3);
}

void TestFotovorbereitung::hoechstgroesse_senktQualitaetSchrittweise_data() {
    QTest::addColumn<double>("anteil");
    QTest::addColumn<bool>("passt");
    // The limit as a share of the copy's size at quality 90.
    QTest::newRow("passt bei 90") << 1.0 << true;
    QTest::newRow("knapp darueber") << 0.97 << true;
    QTest::newRow("deutlich darueber") << 0.6 << true;
    QTest::newRow("passt in keiner Qualitaet") << 0.05 << false;
}

void TestFotovorbereitung::hoechstgroesse_senktQualitaetSchrittweise() {
    QFETCH(double, anteil);
    QFETCH(bool, passt);
    const QString quelle = speichern(rauschen(700), QStringLiteral("rauschen.png"), "PNG");
    const qint64 bei90 = FotoVorbereiten({quelle, 1600}).jpeg.size();
    const auto grenze = static_cast<qint64>(static_cast<double>(bei90) * anteil);

    const FotoErgebnis e = FotoVorbereiten({quelle, 1600, grenze});
    if (!passt) {
        QCOMPARE(e.stand, FotoErgebnis::Stand::ZuGross);
        QCOMPARE(e.qualitaet, kFotoQualitaetMindest);
        return;
    }
    QCOMPARE(e.stand, FotoErgebnis::Stand::Fertig);
    QVERIFY(e.jpeg.size() <= grenze);
    QCOMPARE(e.qualitaet % kFotoQualitaetStufe, 0);
    QCOMPARE(e.qualitaet == 90, anteil == 1.0);
    // A step down is taken only while the copy is too large.
    if (e.qualitaet < 90) {
        QVERIFY(FotoVorbereiten({quelle, 1600, e.jpeg.size() - 1}).qualitaet < e.qualitaet);
    }
}

void TestFotovorbereitung::keinBild_unlesbar_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::newRow("Text") << QByteArray("kein Bild");
    QTest::newRow("leer") << QByteArray();
    QTest::newRow("abgeschnittenes JPEG") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
}

void TestFotovorbereitung::keinBild_unlesbar() {
    QFETCH(QByteArray, inhalt);
    QFile d(datei(QStringLiteral("kaputt.jpg")));
    QVERIFY(d.open(QIODevice::WriteOnly));
    d.write(inhalt);
    d.close();
    const FotoErgebnis e = FotoVorbereiten({d.fileName(), 1600});
    QCOMPARE(e.stand, FotoErgebnis::Stand::Unlesbar);
    QVERIFY(e.jpeg.isEmpty());
    QVERIFY(!FotoVorbereiten({datei(QStringLiteral("fehlt.jpg")), 1600}).jpeg.size());
}

void TestFotovorbereitung::fotosVorbereiten_schreibtKopienUndBerichtet() {
    const QString a = speichern(markiert(1200, 900), QStringLiteral("a.jpg"));
    kameraExifSetzen(a, 6);
    const QString b = datei(QStringLiteral("b.jpg"));
    QFile(b).open(QIODevice::WriteOnly);
    const QString c = speichern(markiert(900, 600), QStringLiteral("c.jpg"));
    const QString ziel = datei(QStringLiteral("Fotos-Hochladen"));
    QVERIFY(QDir().mkpath(ziel));
    QList<int> schritte;
    const FotoBericht bericht =
        FotosVorbereiten({{1, a, QStringLiteral("buch-1.jpg")},
                          {2, b, QStringLiteral("buch-2.jpg")},
                          {3, c, QStringLiteral("buch-3.jpg")}},
                         ziel, 1000, FotoVorbereiten, [&schritte](int n) { schritte.append(n); });
    QCOMPARE(schritte, (QList<int>{1, 2, 3}));
    QCOMPARE(bericht.geschrieben, 2);
    QCOMPARE(bericht.unlesbar, QStringList{b});
    QCOMPARE(QDir(ziel).entryList(QDir::Files),
             (QStringList{QStringLiteral("buch-1.jpg"), QStringLiteral("buch-3.jpg")}));
    const QImage eins(ziel + QStringLiteral("/buch-1.jpg"));
    QCOMPARE(eins.size(), QSize(750, 1000));
    QCOMPARE(metadatenGruppen(exifLesen(ziel + QStringLiteral("/buch-1.jpg"))), QStringList());
}

QTEST_MAIN(TestFotovorbereitung)
#include "tst_fotovorbereitung.moc"
