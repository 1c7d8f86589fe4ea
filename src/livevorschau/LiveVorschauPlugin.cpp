#include "livevorschau/LiveVorschauPlugin.h"

#include "livevorschau/WebAnsicht.h"

LiveAnsicht* LiveVorschauPlugin::ansichtAnlegen(const QString& name, int cssBreite, double zoom,
                                                QWidget* parent) {
    auto* ansicht = new WebAnsicht(cssBreite, zoom, parent);
    ansicht->setObjectName(name);
    return ansicht;
}
