#include "core/Datenordner.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <optional>

namespace {

QString passenderEintrag(const QString& ordner, const QString& name) {
    const QDir dir(ordner.isEmpty() ? QStringLiteral("/") : ordner);
    if (QFileInfo::exists(dir.filePath(name))) {
        return name;
    }
    const QStringList eintraege = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& eintrag : eintraege) {
        if (eintrag.compare(name, Qt::CaseInsensitive) == 0) {
            return eintrag;
        }
    }
    return name;
}

bool dateiKopieren(const QString& quelle, const QString& ziel) {
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly)) {
        return false;
    }
    // Raw bytes: the delivered files are Windows-1252 with CR LF and must stay so.
    QSaveFile aus(ziel);
    return aus.open(QIODevice::WriteOnly) && aus.write(ein.readAll()) == ein.size() && aus.commit();
}

// What lies at the data folder's place; a link counts by what it points to.
std::optional<Anlage> hindernis(const QFileInfo& info) {
    if (info.isDir()) {
        return Anlage::Vorhanden;
    }
    if (info.exists()) {
        return Anlage::Datei;
    }
    if (info.isSymLink()) {
        return Anlage::VerknuepfungOhneZiel;
    }
    return std::nullopt;
}

// Takes away what an interrupted first start left; a link is removed, not what it points to.
bool zwischenordnerVerwerfen(const QString& zwischen) {
    const QFileInfo info(zwischen);
    if (info.isDir() && !info.isSymLink()) {
        return QDir(zwischen).removeRecursively();
    }
    return (!info.exists() && !info.isSymLink()) || QFile::remove(zwischen);
}

bool unterPaketordner(const QString& ordner) {
    const QString pfad = QDir::cleanPath(ordner);
    return pfad.startsWith(QLatin1String("/usr/")) || pfad.startsWith(QLatin1String("/opt/"));
}

} // namespace

QString datenBasisordner(const QString& programmordner, const QString& benutzerdatenordner) {
    return unterPaketordner(programmordner + QLatin1Char('/')) ? benutzerdatenordner : programmordner;
}

bool datenordnerErgaenzen(const QString& quelle, const QString& ziel) {
    bool vollstaendig = QDir().mkpath(ziel);
    const QDir quellordner(quelle);
    QDirIterator it(quelle, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        const QString neu = ziel + QLatin1Char('/') + quellordner.relativeFilePath(pfad);
        if (it.fileInfo().isDir()) {
            vollstaendig = QDir().mkpath(neu) && vollstaendig;
        } else if (!QFileInfo::exists(neu)) {
            vollstaendig = dateiKopieren(pfad, neu) && vollstaendig;
        }
    }
    return vollstaendig;
}

Anlage datenordnerAnlegen(const QString& quelle, const QString& wurzel) {
    const QString ordner = QDir::cleanPath(wurzel);
    if (const std::optional<Anlage> da = hindernis(QFileInfo(ordner))) {
        return *da;
    }
    if (!QDir().mkpath(QFileInfo(ordner).path())) {
        return Anlage::Fehlgeschlagen;
    }
    // A start on this machine that died holding it gives it up at once, one elsewhere after
    // QLockFile's 30 seconds; copying the folder takes far less.
    QLockFile anlegen(ordner + QStringLiteral(".sperre"));
    if (!anlegen.lock()) {
        return Anlage::Fehlgeschlagen;
    }
    // Another start may have made it while this one waited.
    if (const std::optional<Anlage> da = hindernis(QFileInfo(ordner))) {
        return *da;
    }
    const QString zwischen = ordner + QStringLiteral(".neu");
    if (zwischenordnerVerwerfen(zwischen) && datenordnerErgaenzen(quelle, zwischen) &&
        QDir().rename(zwischen, ordner)) {
        return Anlage::Angelegt;
    }
    zwischenordnerVerwerfen(zwischen);
    return Anlage::Fehlgeschlagen;
}

QString pfadAufloesen(const QString& pfad) {
    QString normal = pfad;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool absolut = normal.startsWith(QLatin1Char('/'));
    const QStringList teile = normal.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString ergebnis = absolut ? QStringLiteral("/") : QString();
    bool vorhanden = true;
    for (const QString& teil : teile) {
        const QString basis = ergebnis.isEmpty() ? QStringLiteral(".") : ergebnis;
        const QString name = (vorhanden && teil != QLatin1String("..") && teil != QLatin1String("."))
                                 ? passenderEintrag(basis, teil)
                                 : teil;
        if (!ergebnis.isEmpty() && !ergebnis.endsWith(QLatin1Char('/'))) {
            ergebnis += QLatin1Char('/');
        }
        ergebnis += name;
        vorhanden = vorhanden && QFileInfo::exists(ergebnis);
    }
    if (normal.endsWith(QLatin1Char('/')) && !ergebnis.endsWith(QLatin1Char('/'))) {
        ergebnis += QLatin1Char('/');
    }
    return ergebnis;
}

Datenordner::Datenordner(const QString& programmordner) : m_programmordner(programmordner) {}

QString Datenordner::wurzel() const {
    return pfad(QString());
}

QString Datenordner::pfad(const QString& relativ) const {
    return ausProgrammordner(QStringLiteral("\\KORI-Vorlage-Dateien\\") + relativ);
}

QString Datenordner::ausProgrammordner(const QString& relativ) const {
    QString basis = m_programmordner;
    if (basis.endsWith(QLatin1Char('/')) || basis.endsWith(QLatin1Char('\\'))) {
        basis.chop(1);
    }
    QString ergebnis = pfadAufloesen(basis + QLatin1Char('/') + relativ);
    if (ergebnis.endsWith(QLatin1Char('/')) && !relativ.endsWith(QLatin1Char('\\')) &&
        !relativ.endsWith(QLatin1Char('/'))) {
        ergebnis.chop(1);
    }
    return ergebnis;
}
