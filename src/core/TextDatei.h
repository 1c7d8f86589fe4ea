#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files are Windows-1252; texts in memory are QString. Conversion happens here only.
QString ausWindows1252(const QByteArray& bytes);
// A character outside the code page becomes "?".
QByteArray nachWindows1252(const QString& text);
// The characters of the text the code page cannot hold, each once, in the order they first occur.
QString ZeichenAusserhalbWindows1252(const QString& text);

// The whole file, or nothing when it cannot be read.
std::optional<QString> textLesen(const QString& pfad);

// Replaces the file whole and safely: on failure the previous file stays as it was.
// Returns an error text, empty on success.
QString dateiSchreiben(const QString& pfad, const QByteArray& bytes);
// The same for a text, in the code page.
QString textSchreiben(const QString& pfad, const QString& text);
// Appends to the file (creating it), with the same guarantee.
QString textAnhaengen(const QString& pfad, const QString& text);
