#include "core/Datenordner.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace

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

QString Datenordner::wurzel() const { return pfad(QString()); }

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
