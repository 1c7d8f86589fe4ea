#pragma once

#include "compose/ShopSeite.h"

#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>

class Anwendung;
class QGroupBox;
class QLineEdit;

namespace Ui {
class frmShop;
}

// The shop page editor: eight steps of page pieces in a scrolling frame, and the image-map
// coordinates of the gallery areas.
class FrmShop final : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmShop(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmShop() override;

    // The pieces of the page as they stand in the fields.
    ShopTexte texte() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Form_Load();
    void schritteAufbauen();
    QGroupBox* schrittAufbauen(const ShopSchritt& schritt, const ShopTexte& vorlage);
    QWidget* zeileAufbauen(const ShopZeile& zeile, const ShopTexte& vorlage, QWidget* eltern);
    void frameAnpassen();

    // Places the areas side by side with the step width; also "Schritt anwenden".
    void KoordinatenSetzen();
    void txtPos_Change(int index);
    void VScroll1_Change(int wert);
    void mnuHtmlErst_Click();
    void mnuEinstelSchritt_Click();

    QLineEdit* txtPos(int index) const;

    // The fields of the pieces, made with the window from the shop steps.
    struct Stueckfeld {
        int nummer;
        int index;
        QLineEdit* feld;
    };

    Anwendung& m_app;
    std::unique_ptr<Ui::frmShop> ui;
    qint16 m_schritt = 0;
    QList<Stueckfeld> m_stueckFelder;
    std::array<QLineEdit*, kShopPosAnzahl> m_pos{};
};
