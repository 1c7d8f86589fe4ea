#pragma once

#include "core/Datenordner.h"
#include "core/Zustand.h"

#include <memory>

class Plattform;
class FrmHaupt;
class FrmEinstell;
class FrmVorlIni;

// Owns the global state and every window. Windows are created at start-up or on first use
// and live, hidden when not shown, until the program ends.
class Anwendung {
public:
    Anwendung(const QString& programmordner, Plattform& plattform);
    ~Anwendung();
    Anwendung(const Anwendung&) = delete;
    Anwendung& operator=(const Anwendung&) = delete;

    // Runs the main window's load step and shows it.
    void starten();
    // Unloads every window and ends the program; nothing is asked and nothing saved.
    void ProgrammBeenden();

    Zustand& zustand() { return m_zustand; }
    Plattform& plattform() { return m_plattform; }
    const Datenordner& daten() const { return m_daten; }
    const QString& programmordner() const { return m_daten.programmordner(); }

    FrmHaupt& frmHaupt();
    FrmEinstell& frmEinstell();
    FrmVorlIni& frmVorlIni();

private:
    Plattform& m_plattform;
    Datenordner m_daten;
    Zustand m_zustand;
    std::unique_ptr<FrmHaupt> m_frmHaupt;
    std::unique_ptr<FrmEinstell> m_frmEinstell;
    std::unique_ptr<FrmVorlIni> m_frmVorlIni;
};
