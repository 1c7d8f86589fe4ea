#include "core/Hausverkaeufer.h"

namespace hausverkaeufer {

const QStringList& liste() {
    static const QStringList namen{QStringLiteral("Hausverkauf-1"), QStringLiteral("Hausverkauf-2"),
                                   QStringLiteral("Hausverkauf-3"), QStringLiteral("Hausverkauf-4"),
                                   QStringLiteral("Hausverkauf-5"), QStringLiteral("Hausverkauf-6")};
    return namen;
}

const QStringList& fuenf() {
    static const QStringList namen = liste().mid(0, 5);
    return namen;
}

bool istHausverkaeufer(const QString& name) { return liste().contains(name); }

bool istInFuenf(const QString& name) { return fuenf().contains(name); }

QString shopBildAdresse(const QString& name) {
    const qsizetype index = fuenf().indexOf(name);
    if (index < 0) {
        return {};
    }
    return QStringLiteral("https://www.example.com/shop/hausverkauf-%1.jpg").arg(index + 1);
}

} // namespace hausverkaeufer
