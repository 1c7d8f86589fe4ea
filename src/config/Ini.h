#pragma once

#include <QString>
#include <QStringList>

// Private-profile INI files: "[SECTION]" lines and one "KEY=value" line per key; section and
// key match without regard to case. Reading trims blanks around a value and strips one pair
// of enclosing double quotes, as the Windows functions do; a value comes back whole, however
// long. A missing file, section or key reads as "".
QString IniLesen(const QString& pfad, const QString& abschnitt, const QString& schluessel);

// Writes one key, creating the file and the section when missing; every other line of the
// file stays as it was. A line break in the value is written as a blank: a value is one line,
// and a second one would be cut off and read as a key or section of its own. Returns false when the file
// could not be written or cannot hold a value's characters (the old file stays).
bool IniSchreiben(const QString& pfad, const QString& abschnitt, const QString& schluessel,
                  const QString& wert);

// Several keys of one section: the file is read once, and written once and whole, so a failure
// leaves the old file as it was rather than half of the new keys in it.
QStringList IniLesen(const QString& pfad, const QString& abschnitt, const QStringList& schluessel);
bool IniSchreiben(const QString& pfad, const QString& abschnitt, const QStringList& schluessel,
                  const QStringList& werte);

// Whether the file holds a "[section]" line for the section (letter case aside).
bool IniAbschnittVorhanden(const QString& pfad, const QString& abschnitt);

// The value as it is written: every line break (CR LF, CR or LF) a blank.
QString iniEinzeilig(QString wert);

// The pure text forms of the two, for callers that hold the file text.
QString iniWertAusText(const QString& inhalt, const QString& abschnitt, const QString& schluessel);
QString iniTextMitWert(const QString& inhalt, const QString& abschnitt, const QString& schluessel,
                       const QString& wert);
bool iniAbschnittImText(const QString& inhalt, const QString& abschnitt);
