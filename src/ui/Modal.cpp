#include "ui/Modal.h"

#include <QWidget>

void modalUeber(QWidget& fenster, QWidget& haupt) {
    if (fenster.parentWidget() != &haupt) {
        fenster.setParent(&haupt, Qt::Window);
    }
    fenster.setWindowModality(Qt::WindowModal);
    fenster.show();
    fenster.raise();
    fenster.activateWindow();
}
