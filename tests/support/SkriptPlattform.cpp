#include "support/SkriptPlattform.h"

#include <QDebug>

#include <algorithm>

Plattform::Antwort SkriptPlattform::meldungsfenster(const QString& text, Symbol symbol, Knoepfe knoepfe,
                                                    const QString& titel) {
    aufrufe.append({QStringLiteral("meldungsfenster"), {text, titel}});
    fenster.append({text, symbol, knoepfe, titel});
    if (!antworten.isEmpty()) {
        return antworten.dequeue();
    }
    if (knoepfe == Knoepfe::Ok) {
        return Antwort::Ok;
    }
    unerwartet.append(text);
    qWarning() << "unerwartete Frage:" << text;
    return Antwort::Abbrechen;
}

QString SkriptPlattform::dateiWaehlen(const QString& titel, const QString& dateiname,
                                      const QString& startordner, const QString& filter) {
    aufrufe.append({QStringLiteral("dateiWaehlen"), {dateiname, startordner, filter, titel}});
    if (dateien.isEmpty()) {
        unerwartet.append(QStringLiteral("dateiWaehlen ") + filter);
        qWarning() << "unerwarteter Dateidialog:" << filter;
        return {};
    }
    return dateien.dequeue();
}

QString SkriptPlattform::eingabefenster(const QString& frage, const QString& titel, const QString& vorgabe) {
    aufrufe.append({QStringLiteral("eingabefenster"), {frage, titel, vorgabe}});
    if (eingaben.isEmpty()) {
        unerwartet.append(QStringLiteral("eingabefenster ") + frage);
        qWarning() << "unerwartete Eingabe:" << frage;
        return {};
    }
    return eingaben.dequeue();
}

QString SkriptPlattform::passwortEingabe(const QString& frage, const QString& titel) {
    aufrufe.append({QStringLiteral("passwortEingabe"), {frage, titel}});
    if (passwoerter.isEmpty()) {
        unerwartet.append(QStringLiteral("passwortEingabe ") + frage);
        qWarning() << "unerwartete Passwortfrage:" << frage;
        return {};
    }
    return passwoerter.dequeue();
}

void SkriptPlattform::passwortSuchen(const QString& konto, std::function<void(const QString&)> antwort) {
    aufrufe.append({QStringLiteral("passwortSuchen"), {konto}});
    antwort(schluesselbund.value(konto));
}

void SkriptPlattform::passwortMerken(const QString& konto, const QString& passwort) {
    aufrufe.append({QStringLiteral("passwortMerken"), {konto}});
    schluesselbund.insert(konto, passwort);
}

void SkriptPlattform::zwischenablageSetzen(const QString& text) {
    aufrufe.append({QStringLiteral("zwischenablageSetzen"), {text}});
    zwischenablage = text;
}

bool SkriptPlattform::programmStarten(const QString& programm, const QStringList& argumente) {
    aufrufe.append({QStringLiteral("programmStarten"), QStringList{programm} + argumente});
    return startErgebnisse.isEmpty() || startErgebnisse.dequeue();
}

bool SkriptPlattform::oeffnen(const QString& pfad) {
    aufrufe.append({QStringLiteral("oeffnen"), {pfad}});
    return oeffnenErgebnisse.isEmpty() || oeffnenErgebnisse.dequeue();
}

bool SkriptPlattform::imBrowserOeffnen(const QString& pfad) {
    aufrufe.append({QStringLiteral("imBrowserOeffnen"), {pfad}});
    return browserErgebnisse.isEmpty() || browserErgebnisse.dequeue();
}

QStringList SkriptPlattform::meldungstexte() const {
    QStringList texte;
    for (const Fenster& f : fenster) {
        texte.append(f.text);
    }
    return texte;
}

int SkriptPlattform::anzahl(const QString& art) const {
    return static_cast<int>(
        std::count_if(aufrufe.cbegin(), aufrufe.cend(), [&art](const Aufruf& a) { return a.art == art; }));
}

void SkriptPlattform::vergessen() {
    aufrufe.clear();
    fenster.clear();
    unerwartet.clear();
}
