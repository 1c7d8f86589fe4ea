#include "compose/FotoVips.h"
#include "compose/Fotos.h"
#include "support/Exif.h"

#include <QColorSpace>
#include <QColorTransform>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

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
    void kante_data();
    void kante();
    void farben_werdenSrgbOhneProfil_data();
    void farben_werdenSrgbOhneProfil();
    void hoechstgroesse_senktQualitaetSchrittweise_data();
    void hoechstgroesse_senktQualitaetSchrittweise();
    void keinBild_unlesbar_data();
    void keinBild_unlesbar();

private:
    QString speichern(const QImage& bild, const QString& name, const char* format = "JPG") const;
    // The tags of a copy, as exiftool reads them from a file.
    QJsonObject tagsVon(const FotoErgebnis& e) const;
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

QJsonObject TestFotovorbereitung::tagsVon(const FotoErgebnis& e) const {
    QFile aus(datei(QStringLiteral("kopie.jpg")));
    aus.open(QIODevice::WriteOnly);
    aus.write(e.jpeg);
    aus.close();
    return exifLesen(aus.fileName());
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
    const QJsonObject tags = tagsVon(e);
    QCOMPARE(metadatenGruppen(tags), QStringList());
    QCOMPARE(tags.value(QStringLiteral("File:ColorComponents")).toInt(), 3);
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

void TestFotovorbereitung::farben_werdenSrgbOhneProfil_data() {
    QTest::addColumn<bool>("grau");
    QTest::newRow("Graustufen") << true;
    QTest::newRow("Adobe RGB") << false;
}

void TestFotovorbereitung::farben_werdenSrgbOhneProfil() {
    QFETCH(bool, grau);
    QImage bild(600, 400, grau ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    bild.fill(QColor(30, 170, 60));
    if (!grau) {
        bild.setColorSpace(QColorSpace(QColorSpace::AdobeRgb));
    }
    const QString quelle = speichern(bild, QStringLiteral("farbe.jpg"));
    QCOMPARE(exifLesen(quelle).contains(QStringLiteral("ICC_Profile:ProfileDescription")), !grau);
    const FotoErgebnis e = FotoVorbereiten({quelle, 1600});
    QCOMPARE(e.stand, FotoErgebnis::Stand::Fertig);
    const QJsonObject tags = tagsVon(e);
    QCOMPARE(tags.value(QStringLiteral("File:ColorComponents")).toInt(), 3);
    QCOMPARE(metadatenGruppen(tags), QStringList());
    const QColor kopie = QImage::fromData(e.jpeg, "JPG").pixelColor(300, 200);
    if (grau) {
        QCOMPARE(kopie.red(), kopie.green());
        return;
    }
    // The same colour in sRGB numbers: far from the original's (30, 170, 60).
    const QColor erwartet = QColorSpace(QColorSpace::AdobeRgb)
                                .transformationToColorSpace(QColorSpace::SRgb)
                                .map(QColor(30, 170, 60));
    QVERIFY2(std::abs(kopie.red() - erwartet.red()) <= 4 && std::abs(kopie.green() - erwartet.green()) <= 4,
             qPrintable(kopie.name() + QStringLiteral(" statt ") + erwartet.name()));
}

void TestFotovorbereitung::hoechstgroesse_senktQualitaetSchrittweise_data() {
    QTest::addColumn<double>("anteil");
    QTest::addColumn<bool>("passt");
    // The limit as a share of the copy's size at quality 90.
    QTest::newRow("passt bei 90") << 1.0 << true;
    QTest::newRow("knapp darueber") << 0.97 << true;
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
    QCOMPARE(e.qualitaet == 90, anteil == 1.0);
    // A step down is taken only while the copy is too large.
    if (e.qualitaet < 90) {
        QVERIFY(FotoVorbereiten({quelle, 1600, e.jpeg.size() - 1}).qualitaet < e.qualitaet);
    }
}

void TestFotovorbereitung::keinBild_unlesbar_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::newRow("Text") << QByteArray("kein Bild");
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
}

QTEST_MAIN(TestFotovorbereitung)
#include "tst_fotovorbereitung.moc"
