#include "ui/BildFeld.h"

#include <QImageReader>
#include <QPixmap>

BildFeld::BildFeld(QWidget* parent) : KlickLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

bool BildFeld::bildLaden(const QString& pfad) {
    QImageReader leser(pfad);
    QImage neu = leser.read();
    if (neu.isNull()) {
        return false;
    }
    m_bild = std::move(neu);
    anzeigen();
    return true;
}

void BildFeld::leeren() {
    m_bild = QImage();
    clear();
}

void BildFeld::resizeEvent(QResizeEvent* event) {
    KlickLabel::resizeEvent(event);
    anzeigen();
}

void BildFeld::anzeigen() {
    if (m_bild.isNull() || width() <= 0 || height() <= 0) {
        return;
    }
    setPixmap(QPixmap::fromImage(m_bild.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}
