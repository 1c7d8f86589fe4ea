#pragma once

#include "ui/Plattform.h"

// The real desktop: Qt's dialogs, clipboard and process start.
class QtPlattform final : public Plattform {
public:
    Antwort meldungsfenster(const QString& text, Symbol symbol, Knoepfe knoepfe,
                            const QString& titel) override;
    QString dateiWaehlen(const QString& titel, const QString& dateiname, const QString& startordner,
                         const QString& filter) override;
    QString eingabefenster(const QString& frage, const QString& titel, const QString& vorgabe) override;
    QString passwortEingabe(const QString& frage, const QString& titel) override;
    void passwortSuchen(const QString& konto, std::function<void(const QString&)> antwort) override;
    void passwortMerken(const QString& konto, const QString& passwort) override;
    void zwischenablageSetzen(const QString& text) override;
    bool programmStarten(const QString& programm, const QStringList& argumente) override;
    bool oeffnen(const QString& pfad) override;
    bool imBrowserOeffnen(const QString& pfad) override;
};

// "Bilder(*.jpg)|*.jpg|Alle|*.*" becomes "Bilder(*.jpg) (*.jpg);;Alle (*.*)".
QString filterNachQt(const QString& filter);
