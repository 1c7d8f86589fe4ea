#pragma once

#include "ui/Plattform.h"

#include <QList>
#include <QMap>
#include <QQueue>

// A platform that records every call and answers from queues the test fills. A question the
// test did not expect is recorded in `unerwartet` and answered with Abbrechen or nothing.
class SkriptPlattform final : public Plattform {
public:
    struct Aufruf {
        QString art;
        QStringList argumente;
    };
    struct Fenster {
        QString text;
        Symbol symbol;
        Knoepfe knoepfe;
        QString titel;
    };

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

    // Every call in order, with all its arguments; a file dialog's title comes last.
    QList<Aufruf> aufrufe;
    // Every message box shown.
    QList<Fenster> fenster;
    QStringList unerwartet;
    QString zwischenablage;

    QQueue<Antwort> antworten;
    QQueue<QString> dateien;
    QQueue<QString> eingaben;
    QQueue<QString> passwoerter;
    // The desktop's keyring, by account; it answers at once.
    QMap<QString, QString> schluesselbund;
    QQueue<bool> startErgebnisse;
    QQueue<bool> oeffnenErgebnisse;
    QQueue<bool> browserErgebnisse;

    // The texts of all message boxes shown, in order.
    QStringList meldungstexte() const;
    // How many calls of the kind `art` ("dateiWaehlen", "oeffnen", ...) came.
    int anzahl(const QString& art) const;
    void vergessen();
};
