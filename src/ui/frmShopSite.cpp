#include "ui/frmShopSite.h"

#include "compose/ShopSeite.h"
#include "ui/Anwendung.h"
#include "ui/frmShop.h"
#include "ui_frmShopSite.h"

FrmShopSite::FrmShopSite(Anwendung& anwendung, QWidget* parent)
    : QWidget(parent), m_app(anwendung), ui(std::make_unique<Ui::frmShopSite>()) {
    ui->setupUi(this);
}

FrmShopSite::~FrmShopSite() = default;

void FrmShopSite::Form_Load() {
    SeiteBilden();
}

void FrmShopSite::SeiteBilden() {
    ui->rtfText->setText(::SeiteBilden(m_app.frmShop().texte()));
}
