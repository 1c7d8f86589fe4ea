#pragma once

#include <QObject>

class Plattform;
struct Zustand;
class TitelBedienung;

namespace Ui {
class frmHaupt;
}

// The main window's test menu: two sample articles and the picture paths held.
class TestdatenMenue final : public QObject {
    Q_OBJECT
public:
    TestdatenMenue(Plattform& plattform, const Zustand& zustand, Ui::frmHaupt& ui, TitelBedienung& titel,
                   QObject* parent);

    void mnuDatenTest_Click();
    void mnutestDatenohne_Click();
    void mnuVariblen_Click();

signals:
    // The sample article wants the shop part read again from its file.
    void shopTeilGewuenscht();

private:
    Plattform& m_plattform;
    const Zustand& m_zustand;
    Ui::frmHaupt& m_ui;
    TitelBedienung& m_titel;
};
