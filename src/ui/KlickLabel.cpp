#include "ui/KlickLabel.h"

#include <QMouseEvent>

void KlickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit geklickt();
    }
    QLabel::mouseReleaseEvent(event);
}
