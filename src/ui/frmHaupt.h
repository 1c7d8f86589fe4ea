#pragma once

#include <QMainWindow>

#include <memory>

class Anwendung;

namespace Ui {
class frmHaupt;
}

// The main window, and at the same time the article being edited: every field of the article
// is one of its controls.
class FrmHaupt final : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmHaupt(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmHaupt() override;

    // The start-up sequence.
    void Form_Load();

    void cmdNeu_Click();
    void FormNeuEirichten();

    void chkVersadInfoJa_Click();

    void cdmZusatzTexteAktual_Click();
    void cmdAuforderung1Aktalisieren_Click();
    void cmdAuforderung2Aktalisieren_Click();
    void cmdAuforderung1Plus_Click();
    void cmdAuforderung2Plus_Click();
    void cmdZusazttexteVerwalten_Click();

    void cmdSongs_Click();
    void mnuNachdemVerk_Click();
    void mnuanzKommas_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void verbinden();
    void festeListenFuellen();
    void kategorieErneutAnwenden();
    void versandFarbenSetzen();
    void imEditorOeffnen(const QString& datei);

    Anwendung& m_app;
    std::unique_ptr<Ui::frmHaupt> m_ui;
};
