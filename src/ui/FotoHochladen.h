#pragma once

#include "compose/Hochladen.h"
#include "compose/Nachpruefung.h"
#include "config/Einstellungen.h"

#include <QMap>
#include <QObject>

#include <memory>

class Plattform;
class QThread;

// Sends photos to the seller's web space off the user-interface thread, so the windows stay
// usable. The first connection to a server asks whether to trust its key, a login that keys and
// agent do not get asks for the password, and the end is told in one message; all of it through
// the platform, between two attempts, so no attempt ever waits for an answer.
class FotoHochladen final : public QObject {
    Q_OBJECT
public:
    // The accepted server keys are kept in the data folder; the keys in the home folder's ".ssh"
    // are tried for the login.
    FotoHochladen(Plattform& plattform, const QString& datenordner, const QString& heimordner,
                  QObject* parent = nullptr);
    ~FotoHochladen() override;

    // Sends the files to the settings' target. False when an upload is running already or the
    // target is not usable; the seller has been told why.
    bool starten(const QStringList& dateien, const Einstellungen& einstellungen);
    bool laeuft() const { return m_laeuft; }
    // Stops the upload; what is on the server stays, nothing incomplete under its real name.
    void abbrechen();

signals:
    void fortschritt(qint64 gesendet, qint64 gesamt);
    // At the end, whether every file is on the server now.
    void fertig(bool erfolg);

private:
    struct Lauf;
    struct Ausgang {
        HochladenErgebnis hochladen;
        std::optional<QList<AdressAntwort>> pruefung;
    };

    void senden();
    void fortschrittMelden();
    void auswerten(const Ausgang& ausgang);
    void schluesselFragen(const HochladenErgebnis& e);
    void passwortFragen(const HochladenErgebnis& e);
    void erfolgMelden(const Ausgang& ausgang);
    void fehlerMelden(const QString& text);
    void beenden(bool erfolg);

    Plattform& m_plattform;
    QString m_bekannteServer;
    QStringList m_schluessel;
    HochladenAuftrag m_auftrag;
    Einstellungen m_einstellungen;
    // Passwords that worked in this run of the program, by account; only in memory.
    QMap<QString, QString> m_passwoerter;
    bool m_passwortGetippt = false;
    bool m_laeuft = false;
    bool m_abgebrochen = false;
    std::shared_ptr<Lauf> m_lauf;
    std::unique_ptr<QThread> m_faden;
};
