#pragma once

#include <QComboBox>

// An editable combo box that builds its inline completion on first focus. Qt builds a completer
// over the item model for every editable combo box at once, which made up a third of building
// the main window; most boxes are never typed into.
class Kombifeld : public QComboBox {
    Q_OBJECT
public:
    explicit Kombifeld(QWidget* parent = nullptr);

private:
    void vervollstaendigungAnlegen();
};
