#pragma once

#include <array>

class BildFeld;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class frmHaupt;
}

// The controls of one of the five picture rows of the main window.
struct Bildzeile {
    QCheckBox* haken;
    QLineEdit* datei;
    QComboBox* breite;
    QComboBox* hoehe;
    QPushButton* suchen;
    QPushButton* umrechnen;
    BildFeld* bild;
    QLabel* lblBreite;
    QLabel* lblHoehe;
};

// Rows 1 to 5 as the seller sees them, at indexes 0 to 4.
std::array<Bildzeile, 5> Bildzeilen(const Ui::frmHaupt& ui);
