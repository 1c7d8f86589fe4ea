#include "core/TextDatei.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace {

// 0x80 to 0x9F; the five undefined bytes map to the C1 controls as Windows does, so they survive a round
// trip.
constexpr std::array<char16_t, 32> kBereich80{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char nachByte(char16_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        return static_cast<char>(zeichen);
    }
    for (std::size_t i = 0; i < kBereich80.size(); ++i) {
        if (kBereich80[i] == zeichen) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

QString ausWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ziel = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *ziel++ = (b >= 0x80 && b < 0xA0) ? QChar(kBereich80[b - 0x80]) : QChar(char16_t{b});
    }
    return text;
}

QByteArray nachWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* ziel = bytes.data();
    for (const QChar zeichen : text) {
        *ziel++ = nachByte(zeichen.unicode());
    }
    return bytes;
}

QString ZeichenAusserhalbWindows1252(const QString& text) {
    QString fremde;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool paar = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QStringView zeichen = QStringView(text).mid(i, paar ? 2 : 1);
        const bool fremd = paar || (c != QLatin1Char('?') && nachByte(c.unicode()) == '?');
        if (fremd && !fremde.contains(zeichen)) {
            fremde += zeichen;
        }
        i += paar ? 1 : 0;
    }
    return fremde;
}

std::optional<QString> textLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return ausWindows1252(datei.readAll());
}

QString dateiSchreiben(const QString& pfad, const QByteArray& bytes) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        return datei.errorString();
    }
    if (datei.write(bytes) != bytes.size()) {
        QString fehler = datei.errorString();
        datei.cancelWriting();
        return fehler;
    }
    if (!datei.commit()) {
        return datei.errorString();
    }
    return {};
}

QString textSchreiben(const QString& pfad, const QString& text) {
    return dateiSchreiben(pfad, nachWindows1252(text));
}

QString textAnhaengen(const QString& pfad, const QString& text) {
    QString bisher;
    if (QFile::exists(pfad)) {
        const std::optional<QString> gelesen = textLesen(pfad);
        if (!gelesen) {
            return QStringLiteral("Datei kann nicht gelesen werden: ") + pfad;
        }
        bisher = *gelesen;
    }
    return textSchreiben(pfad, bisher + text);
}
