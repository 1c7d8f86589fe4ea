#include "livevorschau/WebAnsicht.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

#include <cmath>
#include <utility>

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

const QString kLeer = QStringLiteral("<!DOCTYPE html><html></html>");

// Replaces the document by the page and scrolls it to where the seller left it (by default, where
// the replaced page stands), all in one task of the engine, so that no frame in between shows
// the top. Pictures load afterwards.
QString schreibSkript(const QString& html, std::optional<QPointF> stelle) {
    const QString start = stelle ? QStringLiteral("var x = %1, y = %2;").arg(stelle->x()).arg(stelle->y())
                                 : QStringLiteral("var x = scrollX, y = scrollY;");
    const QByteArray seite = QJsonDocument(QJsonArray{html}).toJson(QJsonDocument::Compact);
    return QStringLiteral("(function (seite) {") + start +
           QStringLiteral("  document.open();"
                          "  document.write(seite[0]);"
                          "  document.close();"
                          "  scrollTo(x, y);"
                          "})(") +
           QString::fromUtf8(seite) + QStringLiteral(");");
}

} // namespace

void Netzsperre::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QString schema = info.requestUrl().scheme();
    // The empty page that the listings are written into comes as a data address.
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
    connect(m_seite, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        // A new page starts at the default zoom of its profile.
        m_seite->setZoomFactor(m_zoom);
        if (ok && m_stand == Stand::LeerLaedt) {
            m_stand = Stand::Bereit;
            schreiben();
        }
    });
    // A crashed engine process takes the page with it; a new empty page brings it back.
    connect(m_seite, &QWebEnginePage::renderProcessTerminated, this, [this] { leerLaden(); });
    leerLaden();
}

WebAnsicht::~WebAnsicht() {
    // Answers of the engine still pending may arrive while the page goes.
    m_stand = Stand::Geht;
    // The engine wants a profile's pages gone before the profile.
    delete m_seite;
    delete m_profil;
}

void WebAnsicht::leerLaden() {
    m_stand = Stand::LeerLaedt;
    m_seite->setHtml(kLeer);
}

void WebAnsicht::seiteZeigen(const QString& html, bool bilderLaden) {
    m_html = html;
    ++m_nummer;
    if (bilderLaden != m_bilder) {
        m_bilder = bilderLaden;
        m_sperre.bilderErlauben(bilderLaden);
        // A page keeps what it was refused, and the pictures it has would stay: it starts anew.
        if (m_stand == Stand::Bereit) {
            neuBeginnen();
        }
    } else if (m_stand == Stand::Bereit) {
        schreiben();
    }
}

void WebAnsicht::neuBeginnen() {
    m_stand = Stand::Wechselt;
    m_seite->runJavaScript(QStringLiteral("[scrollX, scrollY]"), QWebEngineScript::ApplicationWorld,
                           [this](const QVariant& antwort) {
                               if (m_stand != Stand::Wechselt) {
                                   return;
                               }
                               const QVariantList xy = antwort.toList();
                               if (xy.size() == 2) {
                                   m_stelle = QPointF(xy.at(0).toDouble(), xy.at(1).toDouble());
                               }
                               leerLaden();
                           });
}

void WebAnsicht::schreiben() {
    if (m_nummer == 0) {
        return;
    }
    const int nummer = m_nummer;
    m_seite->runJavaScript(schreibSkript(m_html, std::exchange(m_stelle, std::nullopt)),
                           QWebEngineScript::ApplicationWorld, [this, nummer](const QVariant&) {
                               // A page written over by a newer one before it was shown does not count.
                               if (m_stand != Stand::Geht && nummer == m_nummer && m_gezeigt) {
                                   m_gezeigt();
                               }
                           });
}

void WebAnsicht::beiGezeigt(std::function<void()> rueckruf) {
    m_gezeigt = std::move(rueckruf);
}

void WebAnsicht::auswerten(const QString& skript, std::function<void(const QVariant&)> antwort) {
    m_seite->runJavaScript(skript, QWebEngineScript::ApplicationWorld, antwort);
}
