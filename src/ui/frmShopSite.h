#pragma once

#include <QWidget>

#include <memory>

class Anwendung;

namespace Ui {
class frmShopSite;
}

// Shows the shop page built from the editor's pieces, to be copied from here.
class FrmShopSite final : public QWidget {
    Q_OBJECT
public:
    explicit FrmShopSite(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmShopSite() override;

    // Builds the page afresh each time the window is called up.
    void Form_Load();
    void SeiteBilden();

private:
    Anwendung& m_app;
    std::unique_ptr<Ui::frmShopSite> ui;
};
