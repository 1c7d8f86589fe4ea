#pragma once

#include "ui/LiveVorschau.h"

#include <QPointF>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

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
// nothing on disk.
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
    void geladen(bool ok);

    Netzsperre m_sperre;
    QWebEngineProfile* m_profil;
    QWebEnginePage* m_seite;
    double m_zoom;
    // Where the seller left the page; taken only from a page that has finished loading, so that
    // quick changes in a row do not lose it.
    QPointF m_scroll;
    std::function<void()> m_gezeigt;
};
