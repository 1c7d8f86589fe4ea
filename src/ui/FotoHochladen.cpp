#include "ui/FotoHochladen.h"

#include "compose/BekannteServer.h"
#include "ui/Plattform.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

#include <atomic>

namespace {

const QString kTitel = QStringLiteral("Fotos hochladen");
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

// What the worker shares with the window side: the cancel flag and the latest progress.
struct FotoHochladen::Lauf {
    std::atomic_bool abbrechen{false};
    std::atomic<qint64> gesendet{0};
    std::atomic<qint64> gesamt{0};
    // One progress report waits in the event queue at most, however often the transfer calls.
    std::atomic_bool gemeldet{false};
};

FotoHochladen::FotoHochladen(Plattform& plattform, const QString& datenordner, const QString& heimordner,
                             QObject* parent)
    : QObject(parent), m_plattform(plattform),
      m_bekannteServer(QDir(datenordner).filePath(kBekannteServerDatei)),
      m_schluessel(eigeneSchluessel(heimordner)) {}

FotoHochladen::~FotoHochladen() {
    abbrechen();
    if (m_faden) {
        m_faden->wait();
    }
}

bool FotoHochladen::starten(const QStringList& dateien, const Einstellungen& einstellungen) {
    if (m_laeuft) {
        return false;
    }
    const ZielAuswertung ziel = hochladenZielLesen(einstellungen.hochladenZiel);
    if (!ziel.fehler.isEmpty()) {
        fehlerMelden(ziel.fehler);
        return false;
    }
    m_einstellungen = einstellungen;
    m_auftrag = HochladenAuftrag();
    m_auftrag.ziel = ziel.ziel;
    m_auftrag.dateien = dateien;
    m_auftrag.schluesseldateien = m_schluessel;
    m_auftrag.serverSchluessel = serverSchluesselLesen(m_bekannteServer, serverName(ziel.ziel));
    m_auftrag.passwort = m_passwoerter.value(kontoName(ziel.ziel));
    m_passwortGetippt = false;
    m_abgebrochen = false;
    m_laeuft = true;
    if (!m_auftrag.passwort.isEmpty() || !einstellungen.passwortMerken) {
        senden();
        return true;
    }
    const QPointer<FotoHochladen> selbst(this);
    m_plattform.passwortSuchen(kontoName(ziel.ziel), [selbst](const QString& passwort) {
        if (selbst.isNull()) {
            return;
        }
        if (selbst->m_abgebrochen) {
            selbst->beenden(false);
            return;
        }
        selbst->m_auftrag.passwort = passwort;
        selbst->senden();
    });
    return true;
}

void FotoHochladen::abbrechen() {
    m_abgebrochen = true;
    if (m_lauf) {
        m_lauf->abbrechen = true;
    }
}

void FotoHochladen::senden() {
    auto lauf = std::make_shared<Lauf>();
    m_lauf = lauf;
    const HochladenAuftrag auftrag = m_auftrag;
    const bool pruefen = m_einstellungen.hochladenPruefen && !m_einstellungen.pfadZusatzBilder.isEmpty();
    const QString webordner = m_einstellungen.pfadZusatzBilder;
    m_faden.reset(QThread::create([this, lauf, auftrag, pruefen, webordner]() {
        Ausgang ausgang;
        ausgang.hochladen =
            dateienHochladen(auftrag, lauf->abbrechen, [this, lauf](qint64 gesendet, qint64 gesamt) {
                lauf->gesendet = gesendet;
                lauf->gesamt = gesamt;
                if (!lauf->gemeldet.exchange(true)) {
                    QMetaObject::invokeMethod(this, &FotoHochladen::fortschrittMelden, Qt::QueuedConnection);
                }
            });
        if (pruefen && ausgang.hochladen.fehler == HochladenFehler::Keiner) {
            QStringList adressen;
            for (const QString& datei : auftrag.dateien) {
                // Joined as the listing joins them, so a missing "/" shows here too.
                adressen.append(webordner + QFileInfo(datei).fileName());
            }
            ausgang.pruefung = adressenPruefen(adressen, lauf->abbrechen);
        }
        QMetaObject::invokeMethod(
            this, [this, ausgang]() { auswerten(ausgang); }, Qt::QueuedConnection);
    }));
    m_faden->start();
}

void FotoHochladen::fortschrittMelden() {
    if (!m_lauf) {
        return;
    }
    m_lauf->gemeldet = false;
    emit fortschritt(m_lauf->gesendet, m_lauf->gesamt);
}

void FotoHochladen::auswerten(const Ausgang& ausgang) {
    m_faden->wait();
    m_faden.reset();
    fortschrittMelden();
    m_lauf.reset();
    const HochladenErgebnis& e = ausgang.hochladen;
    switch (e.fehler) {
    case HochladenFehler::Keiner:
        erfolgMelden(ausgang);
        beenden(true);
        return;
    case HochladenFehler::Abgebrochen:
        beenden(false);
        return;
    case HochladenFehler::ServerSchluesselNeu:
        schluesselFragen(e);
        return;
    case HochladenFehler::Anmeldung:
        passwortFragen(e);
        return;
    default:
        fehlerMelden(hochladenMeldung(e, m_auftrag.ziel));
        beenden(false);
        return;
    }
}

void FotoHochladen::schluesselFragen(const HochladenErgebnis& e) {
    const QString server = serverName(m_auftrag.ziel);
    const QString frage =
        QStringLiteral("Der Server „") + server + QStringLiteral("“ ist noch nicht bekannt.") + kCrLf +
        QStringLiteral("Sein Schlüssel hat den Fingerabdruck") + kCrLf +
        fingerabdruck(e.angebotenerSchluessel) + kCrLf + kCrLf +
        QStringLiteral("Stimmt er mit dem überein, den Ihr Anbieter nennt? Nur dann mit „Ja“ "
                       "dem Server vertrauen und hochladen.");
    if (m_abgebrochen ||
        m_plattform.meldungsfenster(frage, Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::JaNein,
                                    kTitel) != Plattform::Antwort::Ja) {
        beenden(false);
        return;
    }
    const QString fehler = serverSchluesselMerken(m_bekannteServer, server, e.angebotenerSchluessel);
    if (!fehler.isEmpty()) {
        fehlerMelden(
            QStringLiteral("Der Schlüssel des Servers konnte nicht gespeichert werden; es wurde nichts "
                           "hochgeladen.") +
            kCrLf + fehler);
        beenden(false);
        return;
    }
    m_auftrag.serverSchluessel = e.angebotenerSchluessel;
    senden();
}

void FotoHochladen::passwortFragen(const HochladenErgebnis& e) {
    const QString konto = kontoName(m_auftrag.ziel);
    // A password typed now and refused is the seller's mistake to hear about, not to be asked again.
    if (m_passwortGetippt || m_abgebrochen) {
        m_passwoerter.remove(konto);
        if (!m_abgebrochen) {
            fehlerMelden(hochladenMeldung(e, m_auftrag.ziel));
        }
        beenden(false);
        return;
    }
    const QString passwort =
        m_plattform.passwortEingabe(QStringLiteral("Passwort für „") + konto + QStringLiteral("“:"), kTitel);
    if (passwort.isEmpty()) {
        beenden(false);
        return;
    }
    m_auftrag.passwort = passwort;
    m_passwortGetippt = true;
    senden();
}

void FotoHochladen::erfolgMelden(const Ausgang& ausgang) {
    const QString konto = kontoName(m_auftrag.ziel);
    if (!m_auftrag.passwort.isEmpty()) {
        m_passwoerter.insert(konto, m_auftrag.passwort);
        if (m_passwortGetippt && m_einstellungen.passwortMerken) {
            m_plattform.passwortMerken(konto, m_auftrag.passwort);
        }
    }
    QString text = erfolgsMeldung(ausgang.hochladen);
    const QString befund = ausgang.pruefung ? pruefungsMeldung(*ausgang.pruefung) : QString();
    if (m_einstellungen.hochladenPruefen && m_einstellungen.pfadZusatzBilder.isEmpty()) {
        text += kCrLf + QStringLiteral("Nicht geprüft: der „Internet-Pfad für Zusatzbilder“ ist leer.");
    }
    if (!befund.isEmpty()) {
        text += kCrLf + kCrLf + befund;
    }
    m_plattform.meldungsfenster(
        text, befund.isEmpty() ? Plattform::Symbol::Keins : Plattform::Symbol::Ausrufezeichen,
        Plattform::Knoepfe::Ok, kTitel);
}

void FotoHochladen::fehlerMelden(const QString& text) {
    m_plattform.meldungsfenster(text, Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, kTitel);
}

void FotoHochladen::beenden(bool erfolg) {
    m_laeuft = false;
    emit fertig(erfolg);
}
