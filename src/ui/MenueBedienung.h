#pragma once

#include <QObject>
#include <QString>

class Anwendung;
class TitelBedienung;
struct InhaltAutoZustand;

namespace Ui {
class frmHaupt;
}

// The main window's menu entries that open other windows, the test menu, the express mode without
// picture, and the buttons of the link and automatic-description areas.
// "Verkauf vorbereiten", "1-Blau" and "2-Grün" are offered in the menu but do nothing, and so do
// the buttons for links to other articles ("Link einfügen" of both article frames and
// "Html-Code generiren"): they stay unconnected.
class MenueBedienung final : public QObject {
    Q_OBJECT
public:
    // Connects the controls of the main window, which must exist already.
    MenueBedienung(Anwendung& anwendung, Ui::frmHaupt& ui, TitelBedienung& titel, QObject* parent);

    void mnuEinstBearb_Click();
    void mnuVorlBearb_Click();
    void mnuKoriOrdnerOpen_Click();
    void mnuLiveVorschau_Click();
    void cmdLink1_Click();
    void cmdHtmlEinfugen_Click();
    void cmdHtmlLoschen_Click();
    void mnuDatenTest_Click();
    void mnutestDatenohne_Click();
    void mnuVariblen_Click();
    void mnuOhneBild_Click();

private:
    void verbinden();
    void inhaltAutoSetzen(const InhaltAutoZustand& zustand);

    Anwendung& m_app;
    Ui::frmHaupt& m_ui;
    TitelBedienung& m_titel;
};
