#pragma once

#include <QLabel>

// A label that acts as a button on a left mouse click.
class KlickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void geklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
