#pragma once

#include <QObject>

struct InhaltAutoZustand;

namespace Ui {
class frmHaupt;
}

// The buttons of the link and automatic-description areas of the main window. The buttons for
// links to other articles ("Link einfügen" of both article frames and "Html-Code generiren") are
// offered but do nothing: they stay unconnected.
class ZusatzBedienung final : public QObject {
    Q_OBJECT
public:
    ZusatzBedienung(Ui::frmHaupt& ui, QObject* parent);

    void cmdLink1_Click();
    void cmdHtmlEinfugen_Click();
    void cmdHtmlLoschen_Click();

signals:
    // The link window is to open for the first link.
    void linkFensterGewuenscht();

private:
    void inhaltAutoSetzen(const InhaltAutoZustand& zustand);

    Ui::frmHaupt& m_ui;
};
