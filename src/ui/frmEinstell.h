#pragma once

#include "config/Einstellungen.h"

#include <QWidget>

#include <memory>

class Anwendung;

namespace Ui {
class FrmEinstell;
}

// The settings window, and once made the live store of the settings: other windows read a setting
// from its fields, saved or not (through Anwendung::einstellungen()).
class FrmEinstell final : public QWidget {
    Q_OBJECT
public:
    explicit FrmEinstell(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmEinstell() override;

    void EinstellungenLesen();
    // False when the file could not be written (the user has been told).
    bool EinstellungenSpeichern();
    void EinstellungenUebernehmen();
    void EinstellungenAdieren();
    // The main window's menu entry "Einstellungen".
    void ausMenueOeffnen();

    // The settings as the window shows them, a prompt standing for the value before it; and the
    // other way round.
    Einstellungen werte() const;
    void werteSetzen(const Einstellungen& e);

    void Form_Load();
    void Form_Activate();
    // False when the window is to stay open: the seller wanted the edits saved, and that failed.
    bool Form_QueryUnload();
    void cmdEinstelSpeichern_Click();
    void cmdStandarts_Click();
    void cmdNamenAktuell_Click();
    void cmdOpenAutor_Click();
    void cmdPfadIE_Click();
    void cmdPfadGoChr_Click();
    void cmdPfadArtikeln_Click();
    void txtTeil1_Validate();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString einstellPfad() const;
    // The fields as they are, prompts included.
    Einstellungen feldwerte() const;
    void datenordnerZeigen();
    void pfadWaehlen(const QString& titel, class QLineEdit* feld, const QString& filter);

    Anwendung& m_app;
    std::unique_ptr<Ui::FrmEinstell> ui;
    // The settings as the window showed them after the last read, and as it shows them on close.
    Einstellungen m_gelesen;
    Einstellungen m_jetzt;
};
