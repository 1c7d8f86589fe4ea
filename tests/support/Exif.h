#pragma once

#include <QJsonObject>
#include <QString>

// Camera metadata of test photos, written and read with exiftool.

// Gives the JPEG an orientation tag, a GPS position, a camera make, an XMP title, an IPTC
// keyword and a comment, as a phone's photo has them.
void kameraExifSetzen(const QString& pfad, int orientierung);
// Every tag of the file by group ("IFD0:Orientation", "GPS:GPSLatitude", "File:ImageWidth" ...).
QJsonObject exifLesen(const QString& pfad);
// The groups that carry metadata of the photo, not of the file or the JPEG stream itself.
QStringList metadatenGruppen(const QJsonObject& tags);
