#include "support/Exif.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSet>

namespace {

QByteArray exiftool(const QStringList& argumente) {
    QProcess prozess;
    prozess.start(QStringLiteral("exiftool"), argumente);
    if (!prozess.waitForFinished(30000) || prozess.exitStatus() != QProcess::NormalExit ||
        prozess.exitCode() != 0) {
        qFatal("exiftool %s: %s", qPrintable(argumente.join(u' ')),
               prozess.readAllStandardError().constData());
    }
    return prozess.readAllStandardOutput();
}

} // namespace

void kameraExifSetzen(const QString& pfad, int orientierung) {
    exiftool({QStringLiteral("-q"), QStringLiteral("-overwrite_original"), QStringLiteral("-n"),
              QStringLiteral("-Orientation=%1").arg(orientierung), QStringLiteral("-GPSLatitude=52.516275"),
              QStringLiteral("-GPSLatitudeRef=N"), QStringLiteral("-GPSLongitude=13.377704"),
              QStringLiteral("-GPSLongitudeRef=E"), QStringLiteral("-Make=Testkamera"),
              QStringLiteral("-XMP-dc:Title=Zuhause"), QStringLiteral("-IPTC:Keywords=Flohmarkt"),
              QStringLiteral("-Comment=Aufgenommen im Garten"), pfad});
}

QJsonObject exifLesen(const QString& pfad) {
    const QJsonDocument doc = QJsonDocument::fromJson(
        exiftool({QStringLiteral("-j"), QStringLiteral("-G1"), QStringLiteral("-n"), pfad}));
    return doc.array().at(0).toObject();
}

QStringList metadatenGruppen(const QJsonObject& tags) {
    // System, File and JFIF describe the file and its stream, except for the comment that File
    // holds; Composite is exiftool's own arithmetic.
    static const QSet<QString> technisch{QStringLiteral("SourceFile"), QStringLiteral("ExifTool"),
                                         QStringLiteral("System"),     QStringLiteral("File"),
                                         QStringLiteral("JFIF"),       QStringLiteral("Composite")};
    QSet<QString> gruppen;
    for (auto it = tags.begin(); it != tags.end(); ++it) {
        const QString gruppe = it.key().section(u':', 0, 0);
        if (!technisch.contains(gruppe)) {
            gruppen.insert(gruppe);
        } else if (it.key() == QLatin1String("File:Comment")) {
            gruppen.insert(QStringLiteral("Comment"));
        }
    }
    QStringList liste(gruppen.begin(), gruppen.end());
    liste.sort();
    return liste;
}
