#include "core/TextDatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace {

// 0x80 to 0x9F; the five undefined bytes map to the C1 controls as Windows does, so they survive a round
// trip.
constexpr std::array<char16_t, 32> kBereich80{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A surrogate is never in the code page, paired or not.
std::optional<char> nachByte(char16_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        return static_cast<char>(zeichen);
    }
    for (std::size_t i = 0; i < kBereich80.size(); ++i) {
        if (kBereich80[i] == zeichen) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

bool paarAb(const QString& text, qsizetype i) {
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
}

// The code point at i, and how many UTF-16 units it takes. A lone surrogate is no character at
// all; it stands for the replacement character, as a browser shows it.
std::pair<char32_t, qsizetype> codepunktAb(const QString& text, qsizetype i) {
    const QChar c = text.at(i);
    if (paarAb(text, i)) {
        return {QChar::surrogateToUcs4(c, text.at(i + 1)), 2};
    }
    return {c.isSurrogate() ? char32_t{0xFFFD} : char32_t{c.unicode()}, 1};
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

QString ZeichenAusserhalbWindows1252(const QString& text) {
    QString fremde;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype laenge = paarAb(text, i) ? 2 : 1;
        const QStringView zeichen = QStringView(text).mid(i, laenge);
        const bool fremd = laenge == 2 || !nachByte(text.at(i).unicode());
        if (fremd && !fremde.contains(zeichen)) {
            fremde += zeichen;
        }
        i += laenge - 1;
    }
    return fremde;
}

QString MitZeichenverweisen(const QString& html) {
    QString ergebnis;
    ergebnis.reserve(html.size());
    for (qsizetype i = 0; i < html.size();) {
        if (nachByte(html.at(i).unicode())) {
            ergebnis += html.at(i++);
            continue;
        }
        const auto [codepunkt, laenge] = codepunktAb(html, i);
        ergebnis += QStringLiteral("&#") + QString::number(static_cast<uint>(codepunkt)) + QLatin1Char(';');
        i += laenge;
    }
    return ergebnis;
}

std::optional<QByteArray> nachWindows1252(const QString& text, Textart art) {
    const QString quelle = art == Textart::Html ? MitZeichenverweisen(text) : text;
    QByteArray bytes(quelle.size(), Qt::Uninitialized);
    char* ziel = bytes.data();
    for (const QChar zeichen : quelle) {
        const std::optional<char> byte = nachByte(zeichen.unicode());
        if (!byte) {
            return std::nullopt;
        }
        *ziel++ = *byte;
    }
    return bytes;
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

QString textSchreiben(const QString& pfad, const QString& text, Textart art) {
    const std::optional<QByteArray> bytes = nachWindows1252(text, art);
    if (!bytes) {
        return NichtSpeicherbarText(ZeichenAusserhalbWindows1252(text));
    }
    return dateiSchreiben(pfad, *bytes);
}

QString NichtSpeicherbarText(const QString& zeichen) {
    return QStringLiteral("Diese Zeichen können nicht gespeichert werden: ") + zeichen;
}

QString OrdnerFuerDateiAnlegen(const QString& pfad) {
    const QString ordner = QFileInfo(pfad).absolutePath();
    // Only the last folder: a data folder that is gone altogether is not made anew around one file.
    if (QFileInfo(ordner).isDir() || QDir().mkdir(ordner)) {
        return {};
    }
    return QStringLiteral("Der Ordner kann nicht angelegt werden: ") + QDir::toNativeSeparators(ordner);
}
