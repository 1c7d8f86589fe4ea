#pragma once

#include <QWidget>

#include <memory>

class Anwendung;

namespace Ui {
class FrmBild;
}

// The enlarged view of a thumbnail. It is loaded anew every time it is shown, from the picture
// the main window has put into its carrier `picFotoAlle`.
class FrmBild final : public QWidget {
    Q_OBJECT
public:
    explicit FrmBild(Anwendung& anwendung);
    ~FrmBild() override;

    // Loads and places the window before it appears, so it never shows at a stale place.
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void Form_Load();
    void imgVorX_MouseMove(QPoint position);

    Anwendung& m_app;
    std::unique_ptr<Ui::FrmBild> ui;
};
