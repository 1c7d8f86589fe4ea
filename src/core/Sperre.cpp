#include "core/Sperre.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <algorithm>
#include <limits>

namespace {

QString zeile(const QList<QByteArray>& zeilen, qsizetype i) {
    return i < zeilen.size() ? QString::fromUtf8(zeilen.at(i).trimmed()) : QString();
}

bool gleicherRechner(const Sperrinhaber& inhaber, const QString& rechner, const QByteArray& rechnerId) {
    if (!inhaber.rechnerId.isEmpty() && !rechnerId.isEmpty()) {
        return inhaber.rechnerId == rechnerId;
    }
    return inhaber.rechner.isEmpty() || inhaber.rechner == rechner;
}

qint64 alterMs(const Sperrbefund& befund, const QDateTime& jetzt) {
    // A link to nothing has no time of its own, and no start is writing it.
    if (!befund.geaendert.isValid()) {
        return std::numeric_limits<qint64>::max();
    }
    // A clock of another machine ahead of ours makes a lock from the future; QLockFile counts
    // that as old too.
    return qAbs(befund.geaendert.msecsTo(jetzt));
}

QString rechnerGenannt(const Sperrinhaber& inhaber) {
    return inhaber.rechner.isEmpty() ? QStringLiteral("einem anderen Rechner")
                                     : QStringLiteral("dem Rechner \"") + inhaber.rechner + QLatin1Char('"');
}

QString sperrdateiGenannt(const QString& datei) {
    return QStringLiteral("\r\n\r\nDie Sperrdatei\r\n") + datei + QStringLiteral("\r\n");
}

} // namespace

std::optional<Sperrinhaber> sperrinhaberLesen(const QByteArray& inhalt) {
    const QList<QByteArray> zeilen = inhalt.split('\n');
    bool ok = false;
    const qint64 prozess = zeilen.first().trimmed().toLongLong(&ok);
    if (!ok || prozess <= 0) {
        return std::nullopt;
    }
    return Sperrinhaber{prozess, zeile(zeilen, 1), zeile(zeilen, 2), zeile(zeilen, 3).toUtf8()};
}

Sperrbefund sperreUntersuchen(const QString& pfad) {
    const QFileInfo info(pfad);
    Sperrbefund befund;
    if (!info.exists() && !info.isSymLink()) {
        return befund;
    }
    befund.geaendert = info.lastModified();
    if (info.isDir() && !info.isSymLink()) {
        befund.art = Sperrbefund::Art::Ordner;
        befund.ordnerMitInhalt =
            !QDir(pfad).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        return befund;
    }
    befund.art = Sperrbefund::Art::Datei;
    QFile datei(pfad);
    if (datei.open(QIODevice::ReadOnly)) {
        // A lock file is a few short lines; whatever is longer names no program either.
        constexpr qint64 kHoechstens = 4096;
        befund.inhaber = sperrinhaberLesen(datei.read(kHoechstens));
    }
    return befund;
}

Sperrfall sperrfallBeurteilen(const Sperrbefund& befund, const QDateTime& jetzt, const QString& rechner,
                              const QByteArray& rechnerId) {
    if (befund.art == Sperrbefund::Art::Fehlt) {
        return Sperrfall::Uebernehmen;
    }
    if (befund.ordnerMitInhalt) {
        return Sperrfall::Fremd;
    }
    if (befund.inhaber) {
        return gleicherRechner(*befund.inhaber, rechner, rechnerId) ? Sperrfall::Belegt : Sperrfall::Fragen;
    }
    return alterMs(befund, jetzt) > kNamenloseSperreMs ? Sperrfall::Uebernehmen : Sperrfall::Warten;
}

bool sperreAufheben(const QString& pfad, const Sperrbefund& befund) {
    // Two starts that found the same lock must not remove the one the first of them then made.
    QLockFile entfernen(pfad + QStringLiteral(".rmlock"));
    if (!entfernen.tryLock(0)) {
        return true;
    }
    if (sperreUntersuchen(pfad) != befund) {
        return true;
    }
    switch (befund.art) {
    case Sperrbefund::Art::Fehlt:
        return true;
    case Sperrbefund::Art::Datei:
        return QFile::remove(pfad);
    case Sperrbefund::Art::Ordner:
        return QDir().rmdir(pfad);
    }
    Q_UNREACHABLE();
    return false;
}

Sperrversuch sperreNehmen(QLockFile& sperre, const std::function<bool(const Sperrbefund&)>& fragen) {
    Sperrversuch versuch;
    // A lock taken away may be replaced by a start beside this one before this one takes it.
    constexpr int kRunden = 3;
    for (int runde = 0; runde < kRunden; ++runde) {
        if (sperre.tryLock(0) || sperre.error() != QLockFile::LockFailedError) {
            versuch.gesperrt = true;
            return versuch;
        }
        versuch.befund = sperreUntersuchen(sperre.fileName());
        versuch.fall = sperrfallBeurteilen(versuch.befund, QDateTime::currentDateTimeUtc(),
                                           QSysInfo::machineHostName(), QSysInfo::machineUniqueId());
        const bool aufheben = versuch.fall == Sperrfall::Uebernehmen ||
                              (versuch.fall == Sperrfall::Fragen && fragen(versuch.befund));
        if (!aufheben || !sperreAufheben(sperre.fileName(), versuch.befund)) {
            break;
        }
    }
    return versuch;
}

QString sperrFrage(const Sperrbefund& befund, const QString& ordner, const QString& rechner) {
    const Sperrinhaber inhaber = befund.inhaber.value_or(Sperrinhaber());
    // Two machines of the same name differ in their ids only.
    const QString wo = inhaber.rechner == rechner
                           ? QStringLiteral("auf einem anderen Rechner geöffnet, der auch \"") + rechner +
                                 QStringLiteral("\" heißt")
                           : QStringLiteral("auf ") + rechnerGenannt(inhaber) + QStringLiteral(" geöffnet");
    return QStringLiteral("Der Datenordner ist ") + wo + QStringLiteral(":\r\n") + ordner +
           QStringLiteral("\r\nIst K.O.R.I dort beendet? Nur dann mit \"Ja\" hier öffnen.");
}

QString sperrAbsage(Sperrfall fall, const Sperrbefund& befund, const QString& datei, const QString& ordner,
                    const QDateTime& jetzt) {
    const QString gesperrt = QStringLiteral("Der Datenordner ist gesperrt:\r\n") + ordner;
    const QString endet = QStringLiteral("Dieser Start endet, ohne etwas zu ändern.");
    const Sperrinhaber inhaber = befund.inhaber.value_or(Sperrinhaber());
    switch (fall) {
    case Sperrfall::Belegt:
        return QStringLiteral("K.O.R.I ist mit diesem Datenordner schon geöffnet:\r\n") + ordner +
               QStringLiteral("\r\nDieser zweite Start endet, ohne etwas zu ändern.") +
               sperrdateiGenannt(datei) + QStringLiteral("gehört dem laufenden Programm \"") +
               inhaber.programm + QStringLiteral("\" (Prozess ") + QString::number(inhaber.prozess) +
               QStringLiteral("). Sie darf nur gelöscht werden, wenn dieses Programm beendet ist.");
    case Sperrfall::Fragen:
        return QStringLiteral("Der Datenordner bleibt auf ") + rechnerGenannt(inhaber) +
               QStringLiteral(" geöffnet:\r\n") + ordner + QStringLiteral("\r\n") + endet +
               sperrdateiGenannt(datei) +
               QStringLiteral("darf gelöscht werden, sobald K.O.R.I dort beendet ist.");
    case Sperrfall::Warten: {
        const qint64 rest = kNamenloseSperreMs - alterMs(befund, jetzt);
        const qint64 sekunden = std::max<qint64>(1, (rest + 999) / 1000);
        return gesperrt + sperrdateiGenannt(datei) +
               QStringLiteral("nennt kein Programm; vielleicht startet K.O.R.I gerade ein zweites Mal. ") +
               endet + QStringLiteral("\r\n\r\nSie darf gelöscht werden, wenn kein K.O.R.I läuft. In ") +
               QString::number(sekunden) +
               QStringLiteral(" Sekunden übernimmt K.O.R.I sie beim nächsten Start von selbst.");
    }
    case Sperrfall::Uebernehmen:
        return gesperrt + sperrdateiGenannt(datei) +
               QStringLiteral("nennt kein Programm, ließ sich aber nicht löschen. ") + endet +
               QStringLiteral("\r\n\r\nSie darf gelöscht werden, wenn kein K.O.R.I läuft.");
    case Sperrfall::Fremd:
        return gesperrt +
               QStringLiteral("\r\n\r\nAn der Stelle der Sperrdatei liegt ein Ordner mit Inhalt:\r\n") +
               datei + QStringLiteral("\r\nK.O.R.I löscht ihn nicht. ") + endet +
               QStringLiteral(
                   "\r\n\r\nDer Ordner darf gelöscht oder verschoben werden, wenn kein K.O.R.I läuft.");
    }
    Q_UNREACHABLE();
    return {};
}
