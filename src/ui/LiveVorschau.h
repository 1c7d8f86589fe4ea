#pragma once

#include <QString>
#include <QVariant>
#include <QtPlugin>

#include <functional>

class QWidget;

// One view of the browser engine: a whole HTML page at a fixed width in CSS pixels, scrolled on
// its own. The engine lives in a plugin, so the program starts without loading it.
class LiveAnsicht {
public:
    virtual ~LiveAnsicht() = default;

    // The view for a layout; its parent owns it.
    virtual QWidget* widget() = 0;
    // Replaces the page and keeps the scroll position. Pictures load from their https hosts
    // only when allowed; nothing else ever reaches the network.
    virtual void seiteZeigen(const QString& html, bool bilderLaden) = 0;
    // Called each time a page given to seiteZeigen is shown, scrolled back to where it was, also
    // while its pictures are still loading.
    virtual void beiGezeigt(std::function<void()> rueckruf) = 0;
    // Evaluates a script in the program's own world, beside the page whose scripts stay off;
    // it reads back what the page shows.
    virtual void auswerten(const QString& skript, std::function<void(const QVariant&)> antwort) = 0;
};

// The plugin's root object: makes the views.
class LiveVorschauFabrik {
public:
    virtual ~LiveVorschauFabrik() = default;

    // A view named `name`, laid out `cssBreite` CSS pixels wide and shown at `zoom`, so that it
    // takes cssBreite × zoom pixels of the window.
    virtual LiveAnsicht* ansichtAnlegen(const QString& name, int cssBreite, double zoom, QWidget* parent) = 0;
};

#define LiveVorschauFabrik_iid "de.kori.KORI.LiveVorschauFabrik/1"
Q_DECLARE_INTERFACE(LiveVorschauFabrik, LiveVorschauFabrik_iid)
