#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Everything that talks to the desktop goes through here, so tests can answer it.
class Plattform {
public:
    enum class Symbol { Keins, Ausrufezeichen, Kritisch };
    enum class Knoepfe { Ok, JaNein, JaNeinAbbrechen };
    enum class Antwort { Ok, Ja, Nein, Abbrechen };
    virtual ~Plattform() = default;
    // Modal message box; returns the button pressed.
    virtual Antwort meldungsfenster(const QString& text, Symbol symbol, Knoepfe knoepfe,
                                    const QString& titel) = 0;
    // Common open-file dialog titled with what is chosen; filter in the
    // "Beschreibung|Muster|Beschreibung|Muster" form. Returns the chosen full path, or an empty
    // string when cancelled.
    virtual QString dateiWaehlen(const QString& titel, const QString& dateiname, const QString& startordner,
                                 const QString& filter) = 0;
    // Input box; returns the entered text, or an empty string when cancelled.
    virtual QString eingabefenster(const QString& frage, const QString& titel, const QString& vorgabe) = 0;
    // Input box that hides what is typed; returns the password, or an empty string when cancelled.
    virtual QString passwortEingabe(const QString& frage, const QString& titel) = 0;
    // Looks the password of `konto` up in the desktop's keyring and hands it to `antwort`, empty
    // when there is none or no keyring; possibly later, always on this thread.
    virtual void passwortSuchen(const QString& konto, std::function<void(const QString&)> antwort) = 0;
    // Keeps the password in the desktop's keyring; without a keyring it is kept nowhere.
    virtual void passwortMerken(const QString& konto, const QString& passwort) = 0;
    // Empties the clipboard and puts a plain text on it.
    virtual void zwischenablageSetzen(const QString& text) = 0;
    // Starts a program with its arguments without waiting; false when it could not be started.
    virtual bool programmStarten(const QString& programm, const QStringList& argumente) = 0;
    // Opens a file or folder with the desktop's own program for it; false when that failed.
    virtual bool oeffnen(const QString& pfad) = 0;
    // Opens a local file in the desktop's default web browser; false when that failed.
    virtual bool imBrowserOeffnen(const QString& pfad) = 0;
};
