#pragma once

#include "compose/Link.h"

#include <QWidget>

#include <memory>

class Anwendung;

namespace Ui {
class frmLink;
}

// "Link einfügen": builds an HTML block for a link to a picture or page and collects it in
// the main window. Closing only hides it, so the addresses typed stay for the next link.
class FrmLink final : public QWidget {
    Q_OBJECT
public:
    explicit FrmLink(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmLink() override;

    // Sets where the next link goes ("1": the main window's link field) and shows the window.
    void oeffnen(const QString& ziel);

private:
    void cmdLinkUbername_Click();
    void cmdLinkLoeschen2_Click();

    LinkArt gewaehlteArt() const;
    // The main window's field that collects the links.

    Anwendung& m_app;
    std::unique_ptr<Ui::frmLink> ui;
};
