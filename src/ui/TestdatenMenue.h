#pragma once

#include <QObject>

class Anwendung;
class TitelBedienung;

namespace Ui {
class frmHaupt;
}

// The main window's test menu: two sample articles and the picture paths held.
class TestdatenMenue final : public QObject {
    Q_OBJECT
public:
    TestdatenMenue(Anwendung& anwendung, Ui::frmHaupt& ui, TitelBedienung& titel, QObject* parent);

    void mnuDatenTest_Click();
    void mnutestDatenohne_Click();
    void mnuVariblen_Click();

private:
    Anwendung& m_app;
    Ui::frmHaupt& m_ui;
    TitelBedienung& m_titel;
};
