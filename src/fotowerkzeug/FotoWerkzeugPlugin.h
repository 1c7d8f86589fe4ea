#pragma once

#include "compose/FotoWerkzeug.h"

#include <QObject>

// The root object the program finds with QPluginLoader.
class FotoWerkzeugPlugin final : public QObject, public FotoWerkzeug {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FotoWerkzeug_iid)
    Q_INTERFACES(FotoWerkzeug)
public:
    FotoErgebnis vorbereiten(const FotoAuftrag& auftrag) const override;
};
