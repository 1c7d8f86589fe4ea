#pragma once

#include <QString>

class Plattform;

// Opens a file of the data folder in the text editor. The path is relative to the program
// folder and starts with a backslash, e.g. "\KORI-Vorlage-Dateien\vorlagen\BT1.Str".
void DateiImEditorOeffnen(Plattform& plattform, const QString& programmordner, const QString& relativ);
// Starts the browser on a file, or the desktop's own program for it when no browser is given.
// False when nothing could be started.
bool BrowserStarten(Plattform& plattform, const QString& browser, const QString& datei);
// Opens a folder in the file manager.
void OrdnerOeffnen(Plattform& plattform, const QString& ordner);
// One registry value as text; empty when it cannot be read or there is no registry.
QString RegistryLesen(const QString& schluessel);
