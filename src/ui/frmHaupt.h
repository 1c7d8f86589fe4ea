#pragma once

#include <QMainWindow>

class Anwendung;
class QLabel;

// The main window, and at the same time the article being edited.
class FrmHaupt final : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmHaupt(Anwendung& anwendung, QWidget* parent = nullptr);

    // The start-up sequence.
    void Form_Load();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Anwendung& m_app;
    QLabel* lblVersion = nullptr;
};
