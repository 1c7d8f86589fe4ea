#include "compose/Nachpruefung.h"

#include <QFile>
#include <QUrl>

#include <curl/curl.h>
#include <memory>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString alsHttps(const QString& adresse) {
    if (adresse.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive)) {
        return QStringLiteral("https://") + adresse.mid(7);
    }
    return adresse;
}

AdressAntwort abfragen(CURL* c, const QString& adresse) {
    AdressAntwort a;
    a.adresse = adresse;
    curl_easy_setopt(c, CURLOPT_URL, QUrl(alsHttps(adresse)).toEncoded().constData());
    const CURLcode code = curl_easy_perform(c);
    if (code != CURLE_OK) {
        a.art = AdressAntwort::Art::KeinHttps;
        return a;
    }
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &a.status);
    if (a.status >= 200 && a.status < 300) {
        a.art = AdressAntwort::Art::Da;
    } else if (a.status == 404 || a.status == 410) {
        a.art = AdressAntwort::Art::Fehlt;
    } else {
        a.art = AdressAntwort::Art::Fehler;
    }
    return a;
}

void abschnitt(QString& text, const QString& kopf, const QStringList& adressen) {
    if (!adressen.isEmpty()) {
        text += kCrLf + kopf + kCrLf + adressen.join(kCrLf);
    }
}

} // namespace

QList<AdressAntwort> adressenPruefen(const QStringList& adressen, const std::atomic_bool& abbrechen,
                                     const QString& zertifikate) {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "https");
    // A redirect to plain http would show no picture in the listing either.
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 30L);
    if (!zertifikate.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_CAINFO, QFile::encodeName(zertifikate).constData());
    }
    QList<AdressAntwort> antworten;
    for (const QString& adresse : adressen) {
        if (abbrechen) {
            break;
        }
        antworten.append(abfragen(c, adresse));
    }
    return antworten;
}

QString pruefungsMeldung(const QList<AdressAntwort>& antworten) {
    QStringList fehlt;
    QStringList keinHttps;
    QStringList fehler;
    for (const AdressAntwort& a : antworten) {
        switch (a.art) {
        case AdressAntwort::Art::Da:
            break;
        case AdressAntwort::Art::Fehlt:
            fehlt.append(a.adresse);
            break;
        case AdressAntwort::Art::KeinHttps:
            keinHttps.append(a.adresse);
            break;
        case AdressAntwort::Art::Fehler:
            fehler.append(a.adresse + QStringLiteral(" (Antwort ") + QString::number(a.status) +
                          QLatin1Char(')'));
            break;
        }
    }
    if (fehlt.isEmpty() && keinHttps.isEmpty() && fehler.isEmpty()) {
        return {};
    }
    QString text = QStringLiteral("Nicht jedes Foto ist im Internet zu sehen:");
    abschnitt(text, QStringLiteral("Nicht gefunden:"), fehlt);
    abschnitt(text, QStringLiteral("Nicht über https erreichbar:"), keinHttps);
    abschnitt(text, QStringLiteral("Nicht abrufbar:"), fehler);
    return text;
}
