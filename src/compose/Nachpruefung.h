#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

// What a picture's web address answered.
struct AdressAntwort {
    enum class Art { Da, Fehlt, KeinHttps, Fehler };
    QString adresse;
    Art art = Art::Da;
    // The status of an answer that is neither there nor missing (403, 500, ...).
    long status = 0;
};

// Asks for each address over https whether it is there (a HEAD request); an http address is
// asked as https, since only such pictures appear in a listing. `zertifikate` is a file of the
// certificate authorities to trust instead of the system's, empty for the system's.
QList<AdressAntwort> adressenPruefen(const QStringList& adressen, const std::atomic_bool& abbrechen,
                                     const QString& zertifikate = {});

// One message naming every address that is missing or does not answer over https; empty when
// all are there.
QString pruefungsMeldung(const QList<AdressAntwort>& antworten);
