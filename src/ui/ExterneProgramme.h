#pragma once

#include <QString>

class Plattform;

// Opens a file of the data folder in the text editor. The path is relative to the program
// folder and starts with a backslash, e.g. "\KORI-Vorlage-Dateien\vorlagen\BT1.Str".
void DateiImEditorOeffnen(Plattform& plattform, const QString& programmordner, const QString& relativ);
// The labels of the browser fields in the settings window, as the seller sees them.
inline const QString kFeldInternetExplorer = QStringLiteral("Internet Explorer:");
inline const QString kFeldLieblingsbrowser = QStringLiteral("Mein Lieblingsbrowser:");

// Starts the browser on a file; when none is given or it does not start, the desktop's default
// browser opens the file. False when neither opened it.
bool BrowserStarten(Plattform& plattform, const QString& browser, const QString& datei);
// Tells the seller that no browser opened the preview file, and which field of the settings,
// by the label `einstellung` it has there, takes the browser; `folge` says what did not happen.
void KeinBrowserMelden(Plattform& plattform, const QString& browser, const QString& einstellung,
                       const QString& datei, const QString& folge = {});
// Opens a folder in the file manager.
void OrdnerOeffnen(Plattform& plattform, const QString& ordner);
// One registry value as text; empty when it cannot be read or there is no registry.
QString RegistryLesen(const QString& schluessel);
