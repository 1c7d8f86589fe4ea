// Five photos of 1600 px, made here, sent over loopback to an OpenSSH server of its own, as
// many times as the first argument says; prints one line "hochladen_ms=<time> kb=<size of the five>"
// per run.
#include "compose/Hochladen.h"
#include "support/SshServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A photo's worth of detail: a gradient with noise, so the JPEG is as large as a real one.
QString fotoMachen(const QTemporaryDir& dir, int nummer) {
    QImage bild(1600, 1200, QImage::Format_RGB32);
    QRandomGenerator zahlen(static_cast<quint32>(nummer));
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const int rauschen = static_cast<int>(zahlen.bounded(48));
            zeile[x] =
                qRgb((x / 7 + rauschen) % 256, (y / 5 + rauschen) % 256, (x + y + nummer * 40) / 11 % 256);
        }
    }
    const QString pfad = dir.filePath(QStringLiteral("foto-%1.jpg").arg(nummer));
    bild.save(pfad, "JPEG", 90);
    return pfad;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int laeufe = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    SshServer server;
    const QString fehler = server.starten();
    if (!fehler.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        return 1;
    }
    QTemporaryDir fotos;
    HochladenAuftrag auftrag;
    for (int i = 1; i <= 5; ++i) {
        auftrag.dateien.append(fotoMachen(fotos, i));
    }
    auftrag.schluesseldateien = {server.clientSchluessel()};
    auftrag.serverSchluessel = server.hostSchluessel();
    qint64 bytes = 0;
    for (const QString& datei : auftrag.dateien) {
        bytes += QFileInfo(datei).size();
    }
    const std::atomic_bool abbrechen{false};
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        // A folder of its own each time, so nothing is skipped as already there.
        const QString ordner = server.ordner(QStringLiteral("lauf-%1").arg(lauf));
        auftrag.ziel = hochladenZielLesen(server.ziel(ordner)).ziel;
        QElapsedTimer uhr;
        uhr.start();
        const HochladenErgebnis e = dateienHochladen(auftrag, abbrechen, {});
        const qint64 ms = uhr.elapsed();
        if (e.fehler != HochladenFehler::Keiner || e.hochgeladen.size() != 5) {
            std::fprintf(stderr, "%s\n", qPrintable(hochladenMeldung(e, auftrag.ziel)));
            return 1;
        }
        std::printf("hochladen_ms=%lld kb=%lld\n", static_cast<long long>(ms),
                    static_cast<long long>(bytes / 1024));
    }
    return 0;
}
