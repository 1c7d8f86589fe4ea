// The upload copies of five 24-megapixel camera photos, made the way the program makes them
// (libvips) and, as the floor to compare against, with QImageReader and QImage::scaled. Each way
// runs in a process of its own, so that its peak memory is its own.
//   kori_fotos erzeugen <ordner>          five 6000 x 4000 JPEGs with EXIF and a GPS position
//   kori_fotos vips|qt <ordner> <ziel>    prints "zeit_ms=... cpu_ms=... spitze_kb=..."
#include "compose/FotoVips.h"
#include "compose/Fotos.h"
#include "core/TextDatei.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kAnzahl = 5;

QString fotoName(int n) {
    return QStringLiteral("DSC_%1.JPG").arg(n, 4, 10, QLatin1Char('0'));
}

// A photo's worth of detail: a gradient, shapes, and sensor noise, so that it compresses and
// decodes like one (about 8 MB at quality 92).
QImage kamerabild(int n) {
    QImage bild(6000, 4000, QImage::Format_RGB32);
    QPainter maler(&bild);
    QLinearGradient verlauf(0, 0, 6000, 4000);
    verlauf.setColorAt(0, QColor(40 + 30 * n, 90, 160));
    verlauf.setColorAt(1, QColor(220, 180 - 20 * n, 90));
    maler.fillRect(bild.rect(), verlauf);
    QRandomGenerator zufall(static_cast<quint32>(n));
    for (int i = 0; i < 400; ++i) {
        maler.setBrush(QColor::fromRgb(zufall.generate()));
        maler.drawEllipse(zufall.bounded(6000), zufall.bounded(4000), 50 + zufall.bounded(500),
                          50 + zufall.bounded(500));
    }
    maler.end();
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const int r = static_cast<int>(zufall.generate() % 25U) - 12;
            const QRgb p = zeile[x];
            zeile[x] = qRgb(std::clamp(qRed(p) + r, 0, 255), std::clamp(qGreen(p) + r, 0, 255),
                            std::clamp(qBlue(p) + r, 0, 255));
        }
    }
    return bild;
}

int erzeugen(const QDir& ordner) {
    ordner.mkpath(QStringLiteral("."));
    for (int n = 1; n <= kAnzahl; ++n) {
        const QString pfad = ordner.filePath(fotoName(n));
        if (!kamerabild(n).save(pfad, "JPG", 92)) {
            std::fprintf(stderr, "nicht gespeichert: %s\n", qPrintable(pfad));
            return 1;
        }
        const int rc = QProcess::execute(
            QStringLiteral("exiftool"),
            {QStringLiteral("-q"), QStringLiteral("-overwrite_original"), QStringLiteral("-n"),
             QStringLiteral("-Orientation=6"), QStringLiteral("-Make=Testkamera"),
             QStringLiteral("-Model=B-24"), QStringLiteral("-GPSLatitude=52.516275"),
             QStringLiteral("-GPSLatitudeRef=N"), QStringLiteral("-GPSLongitude=13.377704"),
             QStringLiteral("-GPSLongitudeRef=E"), pfad});
        if (rc != 0) {
            std::fprintf(stderr, "exiftool scheiterte an %s\n", qPrintable(pfad));
            return 1;
        }
    }
    return 0;
}

// The same work with Qt's own means: decode whole, turn, scale smoothly, encode at the quality
// that fits. QImage writes no EXIF; its texts are dropped by copying the pixels alone.
FotoErgebnis mitQt(const FotoAuftrag& auftrag) {
    FotoErgebnis e;
    QImageReader leser(auftrag.quelle);
    leser.setAutoTransform(true);
    QImage bild = leser.read();
    if (bild.isNull()) {
        return e;
    }
    if (bild.colorSpace().isValid() && bild.colorSpace() != QColorSpace::SRgb) {
        bild.convertToColorSpace(QColorSpace::SRgb);
    }
    if (std::max(bild.width(), bild.height()) > auftrag.kante) {
        bild = bild.scaled(auftrag.kante, auftrag.kante, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    const QImage pixel(bild.constBits(), bild.width(), bild.height(), bild.bytesPerLine(), bild.format());
    for (int q = kFotoQualitaet; q >= kFotoQualitaetMindest; q -= kFotoQualitaetStufe) {
        QBuffer puffer(&e.jpeg);
        puffer.open(QIODevice::WriteOnly);
        QImageWriter schreiber(&puffer, "jpeg");
        schreiber.setQuality(q);
        schreiber.write(pixel);
        e.qualitaet = q;
        if (e.jpeg.size() <= auftrag.hoechstBytes) {
            e.stand = FotoErgebnis::Stand::Fertig;
            break;
        }
        e.jpeg.clear();
    }
    e.breite = bild.width();
    e.hoehe = bild.height();
    return e;
}

// User and system time of the process: on a shared machine it moves less than the wall clock.
double cpuMs() {
    rusage verbrauch{};
    getrusage(RUSAGE_SELF, &verbrauch);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + t.tv_usec / 1000.0;
    };
    return ms(verbrauch.ru_utime) + ms(verbrauch.ru_stime);
}

long spitzeKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& zeile : status.readAll().split('\n')) {
        if (zeile.startsWith("VmHWM:")) {
            return zeile.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

int vorbereiten(const QDir& quelle, const QDir& ziel, const FotoVorbereitung& weg) {
    ziel.mkpath(QStringLiteral("."));
    QList<FotoKopie> kopien;
    for (int n = 1; n <= kAnzahl; ++n) {
        kopien.append({n, quelle.filePath(fotoName(n)), QStringLiteral("foto-%1.jpg").arg(n)});
    }
    const auto anfang = std::chrono::steady_clock::now();
    const double cpuAnfang = cpuMs();
    const FotoBericht bericht = FotosVorbereiten(kopien, ziel.path(), kFotoKanteVorgabe, weg, [](int) {});
    const std::chrono::duration<double, std::milli> dauer = std::chrono::steady_clock::now() - anfang;
    if (bericht.geschrieben != kAnzahl) {
        std::fprintf(stderr, "nur %d von %d Kopien\n", bericht.geschrieben, kAnzahl);
        return 1;
    }
    std::printf("zeit_ms=%.1f cpu_ms=%.1f spitze_kb=%ld\n", dauer.count(), cpuMs() - cpuAnfang, spitzeKb());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() == 3 && a[1] == QLatin1String("erzeugen")) {
        return erzeugen(QDir(a[2]));
    }
    if (a.size() == 4 && (a[1] == QLatin1String("vips") || a[1] == QLatin1String("qt"))) {
        return vorbereiten(QDir(a[2]), QDir(a[3]),
                           a[1] == QLatin1String("vips") ? FotoVorbereitung(FotoVorbereiten)
                                                         : FotoVorbereitung(mitQt));
    }
    std::fprintf(stderr, "kori_fotos erzeugen <ordner> | kori_fotos vips|qt <ordner> <ziel>\n");
    return 2;
}
