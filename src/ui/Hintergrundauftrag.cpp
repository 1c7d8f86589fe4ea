#include "ui/Hintergrundauftrag.h"

#include <QProgressBar>
#include <QThread>

#include <utility>

Hintergrundauftrag::Hintergrundauftrag(QProgressBar& balken, QObject* parent)
    : QObject(parent), m_balken(balken) {}

Hintergrundauftrag::~Hintergrundauftrag() {
    if (m_faden) {
        m_faden->wait();
    }
}

bool Hintergrundauftrag::starten(int schritte, Arbeit arbeit, std::function<void()> fertig) {
    if (m_faden) {
        return false;
    }
    // The upload shares the bar and shows bytes in it.
    m_balken.setFormat(QStringLiteral("%v von %m"));
    m_balken.setRange(0, schritte);
    m_balken.setValue(0);
    m_balken.show();
    // The bar is only touched on its own thread; a step reported after this object is gone is
    // dropped with it.
    const Melden melden = [this](int erledigt) {
        QMetaObject::invokeMethod(
            this, [this, erledigt] { m_balken.setValue(erledigt); }, Qt::QueuedConnection);
    };
    m_faden.reset(QThread::create([arbeit = std::move(arbeit), melden] { arbeit(melden); }));
    connect(m_faden.get(), &QThread::finished, this, [this, fertig = std::move(fertig)] {
        m_faden->wait();
        m_faden.reset();
        fertig();
        emit beendet();
    });
    m_faden->start();
    emit gestartet();
    return true;
}
