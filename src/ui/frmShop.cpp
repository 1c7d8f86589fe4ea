#include "ui/frmShop.h"

#include "ui/Anwendung.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"
#include "ui/frmShopSite.h"
#include "ui_frmShop.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int kTwipsJePixel = 15;
constexpr int kFensterHoehe = 7740;
constexpr int kZeilenAbstand = 6;

constexpr int pixel(int twips) {
    return twips / kTwipsJePixel;
}

// The steps stand in two columns of four; "GO TO" n and n + 4 reach the same row, whose top is
// where its scroll position puts the frame's top.
int zeilenOben(int zeile) {
    return pixel(-ShopFrameOben(ShopScrollWert(zeile + 1)));
}

const std::array<QString, 4> kPosHinweise{QStringLiteral("x1"), QStringLiteral("y1"), QStringLiteral("x2"),
                                          QStringLiteral("y2")};

} // namespace

FrmShop::FrmShop(Anwendung& anwendung, QWidget* parent)
    : QMainWindow(parent), m_app(anwendung), ui(std::make_unique<Ui::frmShop>()) {
    ui->setupUi(this);
    schritteAufbauen();
    ui->fraAnsicht->installEventFilter(this);
    const std::array<QAction*, 8> gehe{ui->mnu1, ui->mnu2, ui->mnu3, ui->mnu4,
                                       ui->mnu5, ui->mnu6, ui->mnu7, ui->mnu8};
    for (int n = 1; n <= 8; ++n) {
        connect(gehe.at(n - 1), &QAction::triggered, this,
                [this, n] { ui->VScroll1->setValue(ShopScrollWert(n)); });
    }
    connect(ui->VScroll1, &QScrollBar::valueChanged, this, &FrmShop::VScroll1_Change);
    connect(ui->mnuHtmlErst, &QAction::triggered, this, &FrmShop::mnuHtmlErst_Click);
    connect(ui->mnuEinstelSchritt, &QAction::triggered, this, &FrmShop::mnuEinstelSchritt_Click);
    connect(ui->mnuSchritBer, &QAction::triggered, this, &FrmShop::KoordinatenSetzen);
    Form_Load();
}

FrmShop::~FrmShop() = default;

void FrmShop::schritteAufbauen() {
    const ShopTexte vorlage = ShopVorlage();
    auto* raster = new QGridLayout(ui->Frame1);
    raster->setContentsMargins(kZeilenAbstand, 0, kZeilenAbstand, kZeilenAbstand);
    raster->setSpacing(kZeilenAbstand);
    for (int s = 0; s < kShopSchritte; ++s) {
        const int zeile = s % 4;
        QGroupBox* gruppe = schrittAufbauen(ShopSchritte().at(s), vorlage);
        if (zeile < 3) {
            gruppe->setFixedHeight(zeilenOben(zeile + 1) - zeilenOben(zeile) - kZeilenAbstand);
        }
        raster->addWidget(gruppe, zeile, s / 4, Qt::AlignTop);
    }
    for (int pos = 1; pos < kShopPosAnzahl; ++pos) {
        connect(txtPos(pos), &QLineEdit::textChanged, this, [this, pos] { txtPos_Change(pos); });
    }
}

QGroupBox* FrmShop::schrittAufbauen(const ShopSchritt& schritt, const ShopTexte& vorlage) {
    auto* gruppe = new QGroupBox(schritt.titel, ui->Frame1);
    auto* spalte = new QVBoxLayout(gruppe);
    spalte->setSpacing(2);
    spalte->setContentsMargins(6, 2, 6, 4);
    for (const ShopZeile& zeile : schritt.zeilen) {
        spalte->addWidget(zeileAufbauen(zeile, vorlage, gruppe));
    }
    spalte->addStretch();
    return gruppe;
}

QWidget* FrmShop::zeileAufbauen(const ShopZeile& zeile, const ShopTexte& vorlage, QWidget* eltern) {
    auto* rahmen = new QWidget(eltern);
    auto* reihe = new QHBoxLayout(rahmen);
    reihe->setContentsMargins(0, 0, 0, 0);
    auto* beschriftung = new QLabel(zeile.beschriftung, rahmen);
    beschriftung->setMinimumWidth(110);
    reihe->addWidget(beschriftung);
    for (const ShopStueck& stueck : zeile.stuecke) {
        auto* feld = new QLineEdit(vorlage.feld(stueck.nummer, stueck.index), rahmen);
        feld->setObjectName(ShopFeldName(stueck.nummer, stueck.index));
        m_stueckFelder.append({stueck.nummer, stueck.index, feld});
        feld->setToolTip(stueck.beschriftung);
        feld->setCursorPosition(0);
        // The short link opening sits before the address it belongs to.
        if (stueck.nummer == 6 && zeile.stuecke.size() > 1) {
            feld->setFixedWidth(80);
        }
        reihe->addWidget(feld, 1);
    }
    for (int nr = 1; zeile.bereich != 0 && nr <= 4; ++nr) {
        const int index = ShopPosIndex(zeile.bereich, nr);
        auto* feld = new QLineEdit(vorlage.pos.at(index), rahmen);
        feld->setObjectName(ShopPosName(index));
        m_pos.at(index) = feld;
        feld->setToolTip(kPosHinweise.at(nr - 1));
        feld->setFixedWidth(44);
        reihe->addWidget(feld);
    }
    return rahmen;
}

bool FrmShop::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == ui->fraAnsicht && ereignis->type() == QEvent::Resize) {
        frameAnpassen();
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void FrmShop::frameAnpassen() {
    const int breite = std::max(ui->fraAnsicht->width(), ui->Frame1->minimumSizeHint().width());
    ui->Frame1->resize(breite, ui->Frame1->sizeHint().height());
}

void FrmShop::Form_Load() {
    resize(width(), pixel(kFensterHoehe));
    ui->Frame1->move(0, pixel(ShopFrameOben(0)));
    ui->VScroll1->setValue(200);
    ui->Text8->setText(txtPos(3)->text());
    m_schritt = SchrittAusText(ui->Text8->text());
    KoordinatenSetzen();
}

ShopTexte FrmShop::texte() const {
    ShopTexte t;
    for (const Stueckfeld& s : m_stueckFelder) {
        t.feld(s.nummer, s.index) = s.feld->text();
    }
    for (int pos = 1; pos < kShopPosAnzahl; ++pos) {
        t.pos.at(pos) = txtPos(pos)->text();
    }
    return t;
}

QLineEdit* FrmShop::txtPos(int index) const {
    return m_pos.at(index);
}

void FrmShop::KoordinatenSetzen() {
    std::array<QString, kShopPosAnzahl> pos = texte().pos;
    KoordinatenBerechnen(pos, m_schritt);
    for (int index = 1; index < kShopPosAnzahl; ++index) {
        txtPos(index)->setText(pos.at(index));
    }
}

void FrmShop::txtPos_Change(int index) {
    if (index != 1) {
        return;
    }
    ui->Text8->setText(txtPos(3)->text());
    m_schritt = SchrittAusText(ui->Text8->text());
    KoordinatenSetzen();
}

void FrmShop::VScroll1_Change(int wert) {
    const int oben = ShopFrameOben(wert);
    ui->Frame1->move(0, pixel(oben));
    setWindowTitle(QString::number(oben));
}

void FrmShop::mnuHtmlErst_Click() {
    FrmShopSite& seite = m_app.frmShopSite();
    seite.Form_Load();
    seite.show();
    seite.raise();
}

void FrmShop::mnuEinstelSchritt_Click() {
    const QString antwort = m_app.plattform().eingabefenster(
        QStringLiteral("Schritt for Map"), QStringLiteral("Einstellungen"), QStringLiteral("60"));
    if (antwort.isEmpty()) {
        return;
    }
    const std::optional<qint16> schritt = SchrittAusEingabe(antwort);
    if (!schritt) {
        Meldung(m_app.plattform(), 11, QStringLiteral("\"Schritt for Map\": bitte eine ganze Zahl eingeben"));
        return;
    }
    m_schritt = *schritt;
    ui->Text8->setText(QString::number(m_schritt));
}
