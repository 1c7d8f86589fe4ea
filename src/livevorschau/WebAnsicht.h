#pragma once

#include "ui/LiveVorschau.h"

#include <QPointF>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <optional>

class QWebEnginePage;
class QWebEngineProfile;

// Lets through the page itself and, when the seller allows it, pictures from https hosts; every
// other request is refused, as the listing has no business on the network.
class Netzsperre final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void bilderErlauben(bool erlaubt) { m_bilder = erlaubt; }
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    bool m_bilder = false;
};

// A browser view with scripts, plug-ins and network off, in a profile of its own that keeps
// nothing on disk. It loads one empty page and writes every listing into it in place: a page
// loaded anew would start at the top and at the profile's zoom, and could be scrolled back only
// once all its pictures had arrived, never while a picture host stalls.
class WebAnsicht final : public QWebEngineView, public LiveAnsicht {
    Q_OBJECT
public:
    WebAnsicht(int cssBreite, double zoom, QWidget* parent);
    ~WebAnsicht() override;
    WebAnsicht(const WebAnsicht&) = delete;
    WebAnsicht& operator=(const WebAnsicht&) = delete;

    QWidget* widget() override { return this; }
    void seiteZeigen(const QString& html, bool bilderLaden) override;
    void beiGezeigt(std::function<void()> rueckruf) override;
    void auswerten(const QString& skript, std::function<void(const QVariant&)> antwort) override;

private:
    enum class Stand { LeerLaedt, Bereit, Wechselt, Geht };

    void leerLaden();
    void neuBeginnen();
    void schreiben();

    Netzsperre m_sperre;
    QWebEngineProfile* m_profil;
    QWebEnginePage* m_seite;
    double m_zoom;
    Stand m_stand = Stand::LeerLaedt;
    // Whether the empty page's pictures may load; a page remembers the pictures it was refused.
    bool m_bilder = false;
    // Where the seller left the page before it was loaded anew, in CSS pixels.
    std::optional<QPointF> m_stelle;
    // The latest page given to seiteZeigen and its number: only its writing counts as shown.
    QString m_html;
    int m_nummer = 0;
    std::function<void()> m_gezeigt;
};
