#pragma once

#include "ui/KlickLabel.h"

#include <QImage>

// A picture control: loads JPEG and GIF files, knows their natural size, shows them scaled
// to its own size, and keeps its former picture when a file cannot be loaded.
class BildFeld : public KlickLabel {
    Q_OBJECT
public:
    explicit BildFeld(QWidget* parent = nullptr);

    bool bildLaden(const QString& pfad);
    void leeren();
    bool hatBild() const { return !m_bild.isNull(); }
    int natuerlicheBreite() const { return m_bild.width(); }
    int natuerlicheHoehe() const { return m_bild.height(); }
    const QImage& bild() const { return m_bild; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void anzeigen();
    QImage m_bild;
};
