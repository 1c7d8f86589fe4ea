#include "compose/Hochladen.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <curl/curl.h>
#include <memory>

namespace {

using CurlZeiger = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using Befehle = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

const QString kCrLf = QStringLiteral("\r\n");

struct Lauf {
    Lauf(const HochladenAuftrag& a, const std::atomic_bool& ab, const Fortschritt& f)
        : auftrag(a), abbrechen(ab), fortschritt(f) {}
    const HochladenAuftrag& auftrag;
    const std::atomic_bool& abbrechen;
    const Fortschritt& fortschritt;
    CURL* curl = nullptr;
    std::array<char, CURL_ERROR_SIZE> fehlertext{};
    QByteArray angeboten;
    qint64 basis = 0;
    qint64 gesamt = 0;
    // Removing a temporary file after a cancel must not be cancelled itself.
    bool aufraeumen = false;
    bool lesefehler = false;
};

int schluesselPruefen(void* daten, int /*art*/, const char* schluessel, size_t laenge) {
    auto* lauf = static_cast<Lauf*>(daten);
    lauf->angeboten = QByteArray(schluessel, static_cast<qsizetype>(laenge));
    return lauf->auftrag.serverSchluessel == lauf->angeboten ? CURLKHMATCH_OK : CURLKHMATCH_MISMATCH;
}

int fortschrittMelden(void* daten, curl_off_t /*gesamtEmpfang*/, curl_off_t /*empfangen*/,
                      curl_off_t /*gesamtSenden*/, curl_off_t gesendet) {
    auto* lauf = static_cast<Lauf*>(daten);
    if (lauf->aufraeumen) {
        return 0;
    }
    if (lauf->abbrechen) {
        return 1;
    }
    if (lauf->fortschritt) {
        lauf->fortschritt(lauf->basis + gesendet, lauf->gesamt);
    }
    return 0;
}

struct Quelle {
    QFile* datei;
    Lauf* lauf;
};

size_t lesen(char* puffer, size_t groesse, size_t anzahl, void* daten) {
    auto* quelle = static_cast<Quelle*>(daten);
    const size_t platz = groesse * anzahl;
    const qint64 n = quelle->datei->read(puffer, static_cast<qint64>(platz));
    if (n < 0) {
        quelle->lauf->lesefehler = true;
        return CURL_READFUNC_ABORT;
    }
    return static_cast<size_t>(n);
}

void grundeinstellungen(Lauf& lauf) {
    CURL* c = lauf.curl;
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "sftp");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, lauf.fehlertext.data());
    curl_easy_setopt(c, CURLOPT_USERNAME, lauf.auftrag.ziel.benutzer.toUtf8().constData());
    curl_easy_setopt(c, CURLOPT_SSH_HOSTKEYFUNCTION, &schluesselPruefen);
    curl_easy_setopt(c, CURLOPT_SSH_HOSTKEYDATA, &lauf);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &fortschrittMelden);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &lauf);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 20L);
    // A connection that carries nothing for a minute counts as lost.
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(c, CURLOPT_FTP_CREATE_MISSING_DIRS, static_cast<long>(CURLFTP_CREATE_DIR_RETRY));
}

// Keys, then the agent, then the password: the order in which the transfer library tries them.
void anmeldungSetzen(CURL* c, const QString& schluesseldatei, const QString& passwort) {
    long arten = CURLSSH_AUTH_AGENT;
    if (!schluesseldatei.isEmpty()) {
        arten |= CURLSSH_AUTH_PUBLICKEY;
        curl_easy_setopt(c, CURLOPT_SSH_PRIVATE_KEYFILE, QFile::encodeName(schluesseldatei).constData());
    }
    if (!passwort.isEmpty()) {
        arten |= CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
        curl_easy_setopt(c, CURLOPT_PASSWORD, passwort.toUtf8().constData());
    }
    curl_easy_setopt(c, CURLOPT_SSH_AUTH_TYPES, arten);
}

CURLcode ausfuehren(Lauf& lauf, const QByteArray& adresse) {
    lauf.fehlertext.fill('\0');
    curl_easy_setopt(lauf.curl, CURLOPT_URL, adresse.constData());
    return curl_easy_perform(lauf.curl);
}

// A quoted path for the server's commands, in which the transfer library reads \ and " escaped.
QByteArray pfadArgument(const QString& pfad) {
    QByteArray p = pfad.toUtf8();
    p.replace('\\', "\\\\");
    p.replace('"', "\\\"");
    return '"' + p + '"';
}

struct Dort {
    CURLcode code = CURLE_OK;
    bool vorhanden = false;
    qint64 groesse = -1;
};

Dort nachsehen(Lauf& lauf, const QString& name) {
    curl_easy_setopt(lauf.curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(lauf.curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(lauf.curl, CURLOPT_QUOTE, nullptr);
    curl_easy_setopt(lauf.curl, CURLOPT_POSTQUOTE, nullptr);
    Dort d;
    d.code = ausfuehren(lauf, zielAdresse(lauf.auftrag.ziel, name));
    if (d.code == CURLE_REMOTE_FILE_NOT_FOUND) {
        d.code = CURLE_OK;
        return d;
    }
    if (d.code == CURLE_OK) {
        curl_off_t groesse = -1;
        curl_easy_getinfo(lauf.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &groesse);
        d.vorhanden = true;
        d.groesse = groesse;
    }
    return d;
}

// The first contact tries every key file in turn, each on a connection of its own; the handle
// keeps the way that worked for the rest of the upload.
Dort anmelden(Lauf& lauf, const QString& name) {
    QStringList wege = lauf.auftrag.schluesseldateien;
    if (wege.isEmpty()) {
        wege.append(QString());
    }
    Dort d;
    for (const QString& schluessel : wege) {
        anmeldungSetzen(lauf.curl, schluessel, lauf.auftrag.passwort);
        d = nachsehen(lauf, name);
        if (d.code != CURLE_LOGIN_DENIED) {
            break;
        }
    }
    return d;
}

CURLcode senden(Lauf& lauf, QFile& datei, const QString& name, bool ersetzen) {
    const QString ordner = lauf.auftrag.ziel.ordner;
    const QString teil = temporaererName(name);
    QList<QByteArray> texte;
    // The server renames onto no existing file; the old picture goes only once the new one is
    // complete.
    if (ersetzen) {
        texte.append("rm " + pfadArgument(ordner + name));
    }
    texte.append("rename " + pfadArgument(ordner + teil) + ' ' + pfadArgument(ordner + name));
    Befehle danach(nullptr, &curl_slist_free_all);
    for (const QByteArray& t : texte) {
        danach.reset(curl_slist_append(danach.release(), t.constData()));
    }
    datei.seek(0);
    Quelle quelle{&datei, &lauf};
    curl_easy_setopt(lauf.curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(lauf.curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(lauf.curl, CURLOPT_READFUNCTION, &lesen);
    curl_easy_setopt(lauf.curl, CURLOPT_READDATA, &quelle);
    curl_easy_setopt(lauf.curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(datei.size()));
    curl_easy_setopt(lauf.curl, CURLOPT_POSTQUOTE, danach.get());
    const CURLcode code = ausfuehren(lauf, zielAdresse(lauf.auftrag.ziel, teil));
    curl_easy_setopt(lauf.curl, CURLOPT_POSTQUOTE, nullptr);
    return code;
}

// Removes the temporary file; the answer also tells whether the server is still reachable.
CURLcode aufraeumen(Lauf& lauf, const QString& name) {
    const QByteArray befehl = "*rm " + pfadArgument(lauf.auftrag.ziel.ordner + temporaererName(name));
    Befehle vorher(curl_slist_append(nullptr, befehl.constData()), &curl_slist_free_all);
    lauf.aufraeumen = true;
    curl_easy_setopt(lauf.curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(lauf.curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(lauf.curl, CURLOPT_QUOTE, vorher.get());
    const CURLcode code = ausfuehren(lauf, zielAdresse(lauf.auftrag.ziel, QString()));
    curl_easy_setopt(lauf.curl, CURLOPT_QUOTE, nullptr);
    lauf.aufraeumen = false;
    return code;
}

bool verbindungsfehler(CURLcode code) {
    switch (code) {
    case CURLE_SSH:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_COULDNT_CONNECT:
        return true;
    default:
        return false;
    }
}

HochladenFehler fehlerArt(CURLcode code, const Lauf& lauf) {
    switch (code) {
    case CURLE_OK:
        return HochladenFehler::Keiner;
    case CURLE_PEER_FAILED_VERIFICATION:
        if (lauf.angeboten.isEmpty()) {
            return HochladenFehler::Sonstiges;
        }
        return lauf.auftrag.serverSchluessel ? HochladenFehler::ServerSchluesselGeaendert
                                             : HochladenFehler::ServerSchluesselNeu;
    case CURLE_LOGIN_DENIED:
        return HochladenFehler::Anmeldung;
    case CURLE_COULDNT_RESOLVE_HOST:
        return HochladenFehler::ServerUnbekannt;
    case CURLE_COULDNT_CONNECT:
        return HochladenFehler::VerbindungAbgelehnt;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return HochladenFehler::OrdnerVerweigert;
    case CURLE_REMOTE_DISK_FULL:
        return HochladenFehler::PlatteVoll;
    case CURLE_ABORTED_BY_CALLBACK:
        return lauf.lesefehler ? HochladenFehler::DateiUnlesbar : HochladenFehler::Abgebrochen;
    default:
        return verbindungsfehler(code) ? HochladenFehler::VerbindungVerloren : HochladenFehler::Sonstiges;
    }
}

// A file that fails twice while the server still answers was refused by it, not lost on the way:
// a server of OpenSSH reports a full disk by no code of its own, only as a failed write.
HochladenFehler sendefehlerArt(CURLcode code, CURLcode danach, const Lauf& lauf) {
    if (code == CURLE_SSH && !verbindungsfehler(danach)) {
        return HochladenFehler::PlatteVoll;
    }
    if (verbindungsfehler(code)) {
        return HochladenFehler::VerbindungVerloren;
    }
    return fehlerArt(code, lauf);
}

QString fehlertext(const Lauf& lauf) {
    return QString::fromUtf8(lauf.fehlertext.data()).trimmed();
}

void fehlerSetzen(HochladenErgebnis& e, HochladenFehler art, const QString& detail, const Lauf& lauf) {
    e.fehler = art;
    e.detail = detail;
    e.angebotenerSchluessel = lauf.angeboten;
}

bool dateiSenden(Lauf& lauf, HochladenErgebnis& e, QFile& datei, const QString& name, bool vorhanden) {
    CURLcode code = senden(lauf, datei, name, vorhanden);
    if (verbindungsfehler(code)) {
        code = senden(lauf, datei, name, vorhanden);
    }
    if (code == CURLE_OK) {
        return true;
    }
    // The failure reported is the upload's, not the clean-up's.
    const QString detail = fehlertext(lauf);
    const CURLcode danach = aufraeumen(lauf, name);
    fehlerSetzen(
        e, code == CURLE_ABORTED_BY_CALLBACK ? fehlerArt(code, lauf) : sendefehlerArt(code, danach, lauf),
        detail, lauf);
    return false;
}

QString ursache(const HochladenErgebnis& e, const HochladenZiel& ziel) {
    switch (e.fehler) {
    case HochladenFehler::Keiner:
    case HochladenFehler::Abgebrochen:
        break;
    case HochladenFehler::ServerSchluesselNeu:
        return QStringLiteral("Dem Server „") + serverName(ziel) + QStringLiteral("“ wurde nicht vertraut.");
    case HochladenFehler::ServerSchluesselGeaendert:
        return QStringLiteral("Der Server „") + serverName(ziel) +
               QStringLiteral("“ zeigt einen anderen Schlüssel als beim ersten Mal. Es könnte jemand die "
                              "Verbindung abfangen; es wurde nichts gesendet.") +
               kCrLf +
               QStringLiteral("Hat Ihr Anbieter den Schlüssel wirklich gewechselt, löschen Sie die Zeile "
                              "des Servers in der Datei „bekannte_server“ im Datenordner.");
    case HochladenFehler::Anmeldung:
        return QStringLiteral("Der Server hat die Anmeldung als „") + ziel.benutzer +
               QStringLiteral("“ abgelehnt: Benutzername oder Passwort ist falsch.");
    case HochladenFehler::ServerUnbekannt:
        return QStringLiteral("Den Server „") + ziel.server +
               QStringLiteral(
                   "“ gibt es nicht (Name unbekannt). Bitte prüfen Sie das Ziel in den Einstellungen.");
    case HochladenFehler::VerbindungAbgelehnt:
        return QStringLiteral("Der Server „") + ziel.server +
               QStringLiteral("“ hat die Verbindung auf Port ") + QString::number(ziel.port) +
               QStringLiteral(" abgelehnt.");
    case HochladenFehler::VerbindungVerloren:
        return QStringLiteral(
            "Die Verbindung zum Server ist abgerissen, auch ein zweiter Versuch gelang nicht.");
    case HochladenFehler::PlatteVoll:
        return QStringLiteral(
            "Der Server konnte es nicht speichern: vermutlich ist dort kein Platz mehr frei.");
    case HochladenFehler::OrdnerVerweigert:
        return QStringLiteral("Der Server lässt nicht in den Ordner „") + ziel.ordner +
               QStringLiteral("“ schreiben.");
    case HochladenFehler::DateiUnlesbar:
        return QStringLiteral("Die Datei kann nicht gelesen werden: ") + e.datei;
    case HochladenFehler::Sonstiges:
        return QStringLiteral("Fehler beim Hochladen: ") +
               (e.detail.isEmpty() ? QStringLiteral("unbekannt") : e.detail);
    }
    return {};
}

} // namespace

QStringList eigeneSchluessel(const QString& heimordner) {
    QStringList dateien;
    for (const QString& name :
         {QStringLiteral("id_ed25519"), QStringLiteral("id_ecdsa"), QStringLiteral("id_rsa")}) {
        const QString pfad = heimordner + QStringLiteral("/.ssh/") + name;
        if (QFileInfo(pfad).isReadable()) {
            dateien.append(pfad);
        }
    }
    return dateien;
}

QString temporaererName(const QString& dateiname) {
    return QLatin1Char('.') + dateiname + QStringLiteral(".kori-teil");
}

HochladenErgebnis dateienHochladen(const HochladenAuftrag& auftrag, const std::atomic_bool& abbrechen,
                                   const Fortschritt& fortschritt) {
    HochladenErgebnis e;
    CurlZeiger curl(curl_easy_init(), &curl_easy_cleanup);
    Lauf lauf(auftrag, abbrechen, fortschritt);
    lauf.curl = curl.get();
    for (const QString& datei : auftrag.dateien) {
        lauf.gesamt += QFileInfo(datei).size();
    }
    grundeinstellungen(lauf);
    for (const QString& pfad : auftrag.dateien) {
        e.datei = pfad;
        if (abbrechen) {
            e.fehler = HochladenFehler::Abgebrochen;
            return e;
        }
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly)) {
            e.fehler = HochladenFehler::DateiUnlesbar;
            return e;
        }
        const QString name = QFileInfo(pfad).fileName();
        const Dort dort = pfad == auftrag.dateien.first() ? anmelden(lauf, name) : nachsehen(lauf, name);
        if (dort.code != CURLE_OK) {
            fehlerSetzen(e, fehlerArt(dort.code, lauf), fehlertext(lauf), lauf);
            return e;
        }
        if (dort.vorhanden && dort.groesse == datei.size()) {
            e.uebersprungen.append(name);
        } else if (dateiSenden(lauf, e, datei, name, dort.vorhanden)) {
            e.hochgeladen.append(name);
        } else {
            return e;
        }
        lauf.basis += datei.size();
        if (fortschritt) {
            fortschritt(lauf.basis, lauf.gesamt);
        }
    }
    e.datei.clear();
    return e;
}

QString fortschrittText(qint64 gesendet, qint64 gesamt) {
    // Decimal units, as the marketplace counts its limit; rounded down, so that only a
    // complete upload shows the total.
    constexpr qint64 kMega = 1'000'000;
    if (gesamt < kMega) {
        return QStringLiteral("%1 von %2 kB").arg(gesendet / 1000).arg(gesamt / 1000);
    }
    const auto mb = [](qint64 bytes) {
        const qint64 zehntel = bytes / (kMega / 10);
        return QStringLiteral("%1,%2").arg(zehntel / 10).arg(zehntel % 10);
    };
    return mb(gesendet) + QStringLiteral(" von ") + mb(gesamt) + QStringLiteral(" MB");
}

QString erfolgsMeldung(const HochladenErgebnis& ergebnis) {
    QString text = QString::number(ergebnis.hochgeladen.size()) +
                   (ergebnis.hochgeladen.size() == 1 ? QStringLiteral(" Foto") : QStringLiteral(" Fotos")) +
                   QStringLiteral(" hochgeladen.");
    if (!ergebnis.uebersprungen.isEmpty()) {
        text += kCrLf + QString::number(ergebnis.uebersprungen.size()) +
                QStringLiteral(" lagen schon gleich groß auf dem Server: ") +
                ergebnis.uebersprungen.join(QStringLiteral(", "));
    }
    return text;
}

QString hochladenMeldung(const HochladenErgebnis& ergebnis, const HochladenZiel& ziel) {
    QString text = QStringLiteral("Das Foto „") + QFileInfo(ergebnis.datei).fileName() +
                   QStringLiteral("“ wurde nicht hochgeladen.") + kCrLf + ursache(ergebnis, ziel);
    const qsizetype fertig = ergebnis.hochgeladen.size() + ergebnis.uebersprungen.size();
    if (fertig > 0) {
        text += kCrLf + QStringLiteral("Davor sind ") + QString::number(fertig) +
                (fertig == 1 ? QStringLiteral(" Foto") : QStringLiteral(" Fotos")) +
                QStringLiteral(" auf dem Server angekommen.");
    }
    return text;
}
