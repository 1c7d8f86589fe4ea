#include "ui/FensterMenue.h"

#include "core/Datenordner.h"
#include "ui/Anwendung.h"
#include "ui/ExterneProgramme.h"
#include "ui/frmEinstell.h"
#include "ui/frmLiveVorschau.h"
#include "ui/frmVorlIni.h"
#include "ui_frmHaupt.h"

#include <QAction>

FensterMenue::FensterMenue(Anwendung& anwendung, const Ui::frmHaupt& ui, QObject* parent)
    : QObject(parent), m_app(anwendung) {
    connect(ui.mnuEinstBearb, &QAction::triggered, this, &FensterMenue::mnuEinstBearb_Click);
    connect(ui.mnuVorlBearb, &QAction::triggered, this, &FensterMenue::mnuVorlBearb_Click);
    connect(ui.mnuKoriOrdnerOpen, &QAction::triggered, this, &FensterMenue::mnuKoriOrdnerOpen_Click);
    connect(ui.mnuLiveVorschau, &QAction::triggered, this, &FensterMenue::mnuLiveVorschau_Click);
}

void FensterMenue::mnuEinstBearb_Click() {
    m_app.frmEinstell().ausMenueOeffnen();
}
void FensterMenue::mnuVorlBearb_Click() {
    m_app.frmVorlIni().ausMenueOeffnen();
}
void FensterMenue::mnuKoriOrdnerOpen_Click() {
    OrdnerOeffnen(m_app.plattform(), m_app.daten().wurzel());
}
void FensterMenue::mnuLiveVorschau_Click() {
    if (FrmLiveVorschau* vorschau = m_app.frmLiveVorschau()) {
        vorschau->zeigen();
    }
}
