#include "support/TestOrdner.h"

#include "core/TextDatei.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

void kopieren(const QString& quelle, const QString& ziel) {
    QDir().mkpath(ziel);
    QDirIterator it(quelle, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        const QString relativ = QDir(quelle).relativeFilePath(pfad);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(ziel + QLatin1Char('/') + relativ);
        } else {
            QFile::copy(pfad, ziel + QLatin1Char('/') + relativ);
        }
    }
}

} // namespace

TestOrdner::TestOrdner(bool mitDaten) {
    if (mitDaten) {
        kopieren(QStringLiteral(KORI_DATEN_QUELLE), daten());
    }
}

QString TestOrdner::daten(const QString& relativ) const {
    QString pfad = m_dir.path() + QStringLiteral("/KORI-Vorlage-Dateien");
    if (!relativ.isEmpty()) {
        pfad += QLatin1Char('/') + relativ;
    }
    return pfad;
}

void TestOrdner::schreiben(const QString& relativ, const QByteArray& bytes) const {
    const QString pfad = daten(relativ);
    QDir().mkpath(QFileInfo(pfad).path());
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        datei.write(bytes);
    }
}

QByteArray TestOrdner::lesen(const QString& relativ) const {
    QFile datei(daten(relativ));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

QStringList TestOrdner::dateien(const QString& relativ) const {
    return QDir(daten(relativ)).entryList(QDir::Files, QDir::Name);
}

void TestOrdner::entfernen(const QString& relativ) const {
    QFile::remove(daten(relativ));
}

QByteArray w1252(const QString& text) {
    const std::optional<QByteArray> bytes = nachWindows1252(text, Textart::Klartext);
    if (!bytes) {
        qFatal("Testtext passt nicht in Windows-1252: %s", qPrintable(text));
    }
    return *bytes;
}
