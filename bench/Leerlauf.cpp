#include "Leerlauf.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Longer than any gap between start-up steps, shorter than a cursor blink.
constexpr int kQuietMs = 150;

qint64 nowNs() {
    return QDateTime::currentDateTimeUtc().toMSecsSinceEpoch() * 1'000'000;
}

qint64 residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

} // namespace

qint64 startFromArguments(int argc, char** argv) {
    bool ok = false;
    const qint64 start = argc > 1 ? QByteArray(argv[1]).toLongLong(&ok) : 0;
    return ok ? start : nowNs();
}

void reportWhenIdle(qint64 startNs) {
    auto* quiet = new QTimer(QCoreApplication::instance());
    quiet->setSingleShot(true);
    quiet->setInterval(kQuietMs);
    auto lastSleep = std::make_shared<qint64>(0);
    // Some dispatchers announce every wait, even one that ends at once; the last announcement
    // before a quiet stretch is the moment the program had nothing left to do.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, quiet,
                     [quiet, lastSleep] {
                         *lastSleep = nowNs();
                         quiet->start();
                     });
    QObject::connect(quiet, &QTimer::timeout, quiet, [startNs, lastSleep] {
        std::printf("start_ms=%.1f rss_kb=%lld\n", double(*lastSleep - startNs) / 1e6, residentKb());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
