#pragma once

#include "ui/LiveVorschau.h"

#include <QObject>

// The root object the program finds with QPluginLoader.
class LiveVorschauPlugin final : public QObject, public LiveVorschauFabrik {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LiveVorschauFabrik_iid)
    Q_INTERFACES(LiveVorschauFabrik)
public:
    LiveAnsicht* ansichtAnlegen(const QString& name, int cssBreite, double zoom, QWidget* parent) override;
};
