#include "ui/Hintergrund.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void HintergrundSetzen(QWidget* feld, const QColor& farbe) {
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, farbe);
    feld->setPalette(palette);
}

void GrauSetzen(QWidget* feld, bool grau) {
    HintergrundSetzen(feld, grau ? QColor(0xC0, 0xC0, 0xC0) : QApplication::palette().color(QPalette::Base));
}
