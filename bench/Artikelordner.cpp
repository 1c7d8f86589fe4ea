#include "Artikelordner.h"

#include "article/ArtikelText.h"
#include "core/TextDatei.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <stdexcept>

namespace {

void kopieren(const QString& von, const QString& nach) {
    QDirIterator it(von, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString ziel = nach + QLatin1Char('/') + QDir(von).relativeFilePath(info.filePath());
        if (info.isDir() ? !QDir().mkpath(ziel) : !QFile::copy(info.filePath(), ziel)) {
            throw std::runtime_error("cannot copy the data folder");
        }
    }
}

QByteArray artikelInhalt(int i) {
    ArtikelFelder f;
    f.ArtBez = QStringLiteral("Krimi Nr %1").arg(i);
    f.Titel = QStringLiteral("Spannender Krimi, Taschenbuch, gut erhalten, Nr %1").arg(i);
    f.ArtBeschreibung =
        QStringLiteral("Ein spannender Krimi, kaum gelesen.\r\nVersand als Buechersendung.\r\n");
    int ersetzt = 0;
    return nachWindows1252(
               ArtikelTextBilden(f, QStringLiteral("Hausverkauf-1"), QStringLiteral("Buch"), ersetzt),
               Textart::Klartext)
        .value_or(QByteArray());
}

} // namespace

Artikelordner::Artikelordner(int anzahl) {
    const QString daten = m_wurzel.path() + QStringLiteral("/KORI-Vorlage-Dateien");
    kopieren(QStringLiteral(KORI_DATEN_QUELLE), daten);
    QDir().mkpath(artikel());
    for (int i = 0; i < anzahl; ++i) {
        QFile datei(artikel() + QLatin1Char('/') + dateiname(i));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(artikelInhalt(i)) < 0) {
            throw std::runtime_error("cannot write an article");
        }
    }
}

QString Artikelordner::artikel() const {
    return m_wurzel.path() + QStringLiteral("/KORI-Vorlage-Dateien/Artikeln-Txt");
}

QString Artikelordner::dateiname(int i) {
    return QStringLiteral("Krimi Nr %1 Taschenbuch gut erhalten.ebay").arg(i, 6, 10, QLatin1Char('0'));
}
