#include "article/Pfade.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Windows also accepts "/"; elsewhere "\" is an ordinary character of a file name.
qsizetype letzterTrenner(const QString& pfad) {
#ifdef Q_OS_WIN
    return std::max(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
#else
    return pfad.lastIndexOf(QLatin1Char('/'));
#endif
}

#ifdef Q_OS_WIN
QString laufwerkWurzel(const QString& pfad) {
    const QString klein = pfad.toLower();
    const auto istBuchstabe = [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); };
    if (klein.size() == 1 && istBuchstabe(klein.at(0))) {
        return pfad + QStringLiteral(":\\");
    }
    if (klein.size() == 2 && istBuchstabe(klein.at(0)) && klein.at(1) == QLatin1Char(':')) {
        return pfad + QStringLiteral("\\");
    }
    return pfad;
}
#endif

} // namespace

bool PfadVorhanden(const QString& pfad) {
    if (pfad.isEmpty()) {
        return false;
    }
#ifdef Q_OS_WIN
    return QFileInfo::exists(laufwerkWurzel(pfad));
#else
    return QFileInfo::exists(pfad);
#endif
}

QString DateinameAusPfad(const QString& pfad) {
    return pfad.mid(letzterTrenner(pfad) + 1);
}

QString OrdnerAusPfad(const QString& pfad) {
    const qsizetype trenner = letzterTrenner(pfad);
    if (trenner < 0) {
        return {};
    }
    // Without this a file chosen in the root folder would look like a cancelled choice.
    return trenner == 0 ? pfad.left(1) : pfad.left(trenner);
}
