#pragma once

#include <QWidget>

#include <array>
#include <memory>

class Anwendung;
class QCheckBox;
class QLineEdit;

namespace Ui {
class FrmBildGrosse;
}

// Converts a picture size to a target width and copies the result into picture rows 1 to 4
// of the main window. Stays loaded and is only hidden.
class FrmBildGrosse final : public QWidget {
    Q_OBJECT
public:
    explicit FrmBildGrosse(Anwendung& anwendung);
    ~FrmBildGrosse() override;

    // The main window's "Bild Größe umrechnen": offers the rows that have a picture.
    void UmrechnenOeffnen();

    // Places the window and locks the boxes before it appears.
    void setVisible(bool visible) override;

private:
    void Form_Load();
    void Form_Activate();
    void cmdBerechnen_Click();
    void Check_Click(bool angehakt);
    void cmdMarkiereAlle_Click();
    void cmdEinfugen_Click();
    void cmdSuchenBildOben1_Click();

    std::array<QCheckBox*, 4> boxen() const;
    void boxenFreigeben(bool frei);

    Anwendung& m_app;
    std::unique_ptr<Ui::FrmBildGrosse> ui;
};
