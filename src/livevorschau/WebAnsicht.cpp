#include "livevorschau/WebAnsicht.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

#include <cmath>

namespace {

// A page that stays what the program gave it: links and forms do not lead away.
class FesteSeite final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& /*url*/, NavigationType typ, bool /*hauptrahmen*/) override {
        return typ != NavigationTypeLinkClicked && typ != NavigationTypeFormSubmitted &&
               typ != NavigationTypeBackForward;
    }
};

void abschalten(QWebEngineSettings* s) {
    const QWebEngineSettings::WebAttribute aus[] = {
        QWebEngineSettings::JavascriptEnabled,
        QWebEngineSettings::JavascriptCanOpenWindows,
        QWebEngineSettings::JavascriptCanAccessClipboard,
        QWebEngineSettings::PluginsEnabled,
        QWebEngineSettings::PdfViewerEnabled,
        QWebEngineSettings::LocalStorageEnabled,
        QWebEngineSettings::LocalContentCanAccessRemoteUrls,
        QWebEngineSettings::LocalContentCanAccessFileUrls,
        QWebEngineSettings::WebGLEnabled,
        QWebEngineSettings::Accelerated2dCanvasEnabled,
        QWebEngineSettings::AutoLoadIconsForPage,
        QWebEngineSettings::ErrorPageEnabled,
        QWebEngineSettings::NavigateOnDropEnabled,
        QWebEngineSettings::FocusOnNavigationEnabled,
        QWebEngineSettings::DnsPrefetchEnabled,
    };
    for (const QWebEngineSettings::WebAttribute a : aus) {
        s->setAttribute(a, false);
    }
}

} // namespace

void Netzsperre::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QString schema = info.requestUrl().scheme();
    // The page itself comes as a data address from seiteZeigen.
    const bool seite = schema == QLatin1String("data");
    const bool bild = m_bilder && schema == QLatin1String("https") &&
                      info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeImage;
    info.block(!seite && !bild);
}

WebAnsicht::WebAnsicht(int cssBreite, double zoom, QWidget* parent)
    : QWebEngineView(parent), m_profil(new QWebEngineProfile), m_zoom(zoom) {
    m_profil->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profil->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profil->setSpellCheckEnabled(false);
    m_profil->setUrlRequestInterceptor(&m_sperre);
    m_seite = new FesteSeite(m_profil, this);
    abschalten(m_seite->settings());
    setPage(m_seite);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFixedWidth(static_cast<int>(std::lround(cssBreite * zoom)));
    m_seite->setZoomFactor(zoom);
    connect(m_seite, &QWebEnginePage::loadFinished, this, &WebAnsicht::geladen);
}

WebAnsicht::~WebAnsicht() {
    // The engine wants a profile's pages gone before the profile.
    delete m_seite;
    delete m_profil;
}

void WebAnsicht::seiteZeigen(const QString& html, bool bilderLaden) {
    if (!m_seite->isLoading()) {
        // The engine answers in pixels of the view, the page scrolls in CSS pixels.
        m_scroll = m_seite->scrollPosition() / m_zoom;
    }
    m_sperre.bilderErlauben(bilderLaden);
    m_seite->setHtml(html);
}

void WebAnsicht::beiGezeigt(std::function<void()> rueckruf) {
    m_gezeigt = std::move(rueckruf);
}

void WebAnsicht::auswerten(const QString& skript, std::function<void(const QVariant&)> antwort) {
    m_seite->runJavaScript(skript, QWebEngineScript::ApplicationWorld, antwort);
}

void WebAnsicht::geladen(bool ok) {
    // A new page starts at the default zoom of its profile.
    m_seite->setZoomFactor(m_zoom);
    if (!ok) {
        // A page replaced while it was loading; the page that replaced it reports.
        return;
    }
    const QString skript = QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y());
    m_seite->runJavaScript(skript, QWebEngineScript::ApplicationWorld, [this](const QVariant&) {
        if (m_gezeigt) {
            m_gezeigt();
        }
    });
}
