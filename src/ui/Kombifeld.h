#pragma once

#include <QComboBox>

// An editable combo box that builds its inline completion on first focus. Qt builds a completer
// over the item model for every editable combo box at once, which made up a third of building
// the main window; most boxes are never typed into.
//
// Its width is the one the window gives it, whatever its list holds: a long entry is cut off in
// the field and shown whole in the opened list.
class Kombifeld : public QComboBox {
    Q_OBJECT
public:
    explicit Kombifeld(QWidget* parent = nullptr);

    void showPopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void vervollstaendigungAnlegen();
};
