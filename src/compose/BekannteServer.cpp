#include "compose/BekannteServer.h"

#include "core/TextDatei.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStringList>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct Zeile {
    QString server;
    QByteArray schluessel;
};

std::optional<Zeile> zeileLesen(const QString& zeile) {
    const QStringList teile = zeile.simplified().split(QLatin1Char(' '));
    if (teile.size() < 3 || teile.first().startsWith(QLatin1Char('#'))) {
        return std::nullopt;
    }
    const auto dekodiert =
        QByteArray::fromBase64Encoding(teile.at(2).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!dekodiert) {
        return std::nullopt;
    }
    return Zeile{teile.first(), *dekodiert};
}

// A key blob begins with its type's name, as a 32-bit length and the name.
QString schluesselArt(const QByteArray& schluessel) {
    if (schluessel.size() < 4) {
        return QStringLiteral("unbekannt");
    }
    const auto* b = reinterpret_cast<const unsigned char*>(schluessel.constData());
    const quint32 laenge = (quint32{b[0]} << 24) | (quint32{b[1]} << 16) | (quint32{b[2]} << 8) | b[3];
    if (laenge == 0 || laenge > 64 || laenge > quint32(schluessel.size() - 4)) {
        return QStringLiteral("unbekannt");
    }
    return QString::fromLatin1(schluessel.mid(4, laenge));
}

} // namespace

std::optional<QByteArray> serverSchluesselLesen(const QString& pfad, const QString& server) {
    const std::optional<QString> text = textLesen(pfad);
    if (!text) {
        return std::nullopt;
    }
    for (const QString& zeile : text->split(QLatin1Char('\n'))) {
        const std::optional<Zeile> z = zeileLesen(zeile);
        if (z && z->server.compare(server, Qt::CaseInsensitive) == 0) {
            return z->schluessel;
        }
    }
    return std::nullopt;
}

QString serverSchluesselMerken(const QString& pfad, const QString& server, const QByteArray& schluessel) {
    const std::optional<QString> bisher = textLesen(pfad);
    // A file that is there but cannot be read would lose every other server.
    if (!bisher && QFile::exists(pfad)) {
        return QStringLiteral("Datei kann nicht gelesen werden: ") + pfad;
    }
    QString text;
    for (const QString& zeile : bisher.value_or(QString()).split(QLatin1Char('\n'))) {
        const QString z = zeile.trimmed();
        const std::optional<Zeile> gelesen = zeileLesen(z);
        if (!z.isEmpty() && !(gelesen && gelesen->server.compare(server, Qt::CaseInsensitive) == 0)) {
            text += z + kCrLf;
        }
    }
    text += server + QLatin1Char(' ') + schluesselArt(schluessel) + QLatin1Char(' ') +
            QString::fromLatin1(schluessel.toBase64()) + kCrLf;
    return textSchreiben(pfad, text, Textart::Klartext);
}

QString fingerabdruck(const QByteArray& schluessel) {
    QByteArray text = QCryptographicHash::hash(schluessel, QCryptographicHash::Sha256).toBase64();
    while (text.endsWith('=')) {
        text.chop(1);
    }
    return QStringLiteral("SHA256:") + QString::fromLatin1(text);
}
