#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files are Windows-1252; texts in memory are QString. Conversion happens here only.
QString ausWindows1252(const QByteArray& bytes);

// The characters of the text the code page cannot hold, each once, in the order they first occur.
// This is the one place that decides what a file of this program cannot hold.
QString ZeichenAusserhalbWindows1252(const QString& text);

// What a file holds decides what becomes of a character the code page cannot hold.
enum class Textart {
    // Shown by a browser: the character is kept as a numeric character reference ("&#10003;").
    Html,
    // Read back as it stands (settings, names, the register, article texts): the text is refused.
    Klartext,
};

// The HTML with every character the code page cannot hold written as "&#NNNN;", one reference
// per code point, so that nothing is lost and every browser shows the character.
QString MitZeichenverweisen(const QString& html);

// The file's bytes; nothing for a plain text holding characters the code page cannot hold.
std::optional<QByteArray> nachWindows1252(const QString& text, Textart art);

// The whole file, or nothing when it cannot be read.
std::optional<QString> textLesen(const QString& pfad);

// Replaces the file whole and safely: on failure the previous file stays as it was.
// Returns an error text, empty on success.
QString dateiSchreiben(const QString& pfad, const QByteArray& bytes);
// The same for a text in the code page. A plain text the code page cannot hold is not written
// at all.
QString textSchreiben(const QString& pfad, const QString& text, Textart art);

// The report of a text refused for its characters; the caller says which field held them.
QString NichtSpeicherbarText(const QString& zeichen);

// Creates the folder a file is to be written in when it is missing and the folder above it is
// there. Returns an error text, empty on success.
QString OrdnerFuerDateiAnlegen(const QString& pfad);
