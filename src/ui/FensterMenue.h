#pragma once

#include <QObject>

class Anwendung;

namespace Ui {
class frmHaupt;
}

// The main window's menu entries that open other windows and the data folder.
class FensterMenue final : public QObject {
    Q_OBJECT
public:
    FensterMenue(Anwendung& anwendung, const Ui::frmHaupt& ui, QObject* parent);

    void mnuEinstBearb_Click();
    void mnuVorlBearb_Click();
    void mnuKoriOrdnerOpen_Click();
    void mnuLiveVorschau_Click();

private:
    Anwendung& m_app;
};
