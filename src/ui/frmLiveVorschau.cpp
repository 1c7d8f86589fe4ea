#include "ui/frmLiveVorschau.h"

#include "ui/Anwendung.h"
#include "ui/FertigBedienung.h"
#include "ui/FotoBedienung.h"
#include "ui/LiveVorschau.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"
#include "ui/frmVorlIni.h"
#include "ui_frmLiveVorschau.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int kHoehe = 720;

} // namespace

QPoint PlatzDaneben(const QRect& neben, const QSize& groesse, const QRect& frei) {
    int x = neben.right() + 1;
    if (x + groesse.width() - 1 > frei.right()) {
        x = neben.left() - groesse.width();
    }
    if (x < frei.left()) {
        x = frei.right() + 1 - groesse.width();
    }
    const int y =
        std::clamp(neben.top(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - groesse.height()));
    return {std::max(x, frei.left()), y};
}

FrmLiveVorschau::FrmLiveVorschau(Anwendung& anwendung, LiveVorschauFabrik& fabrik)
    : QWidget(&anwendung.frmHaupt(), Qt::Window), m_app(anwendung),
      ui(std::make_unique<Ui::FrmLiveVorschau>()) {
    ui->setupUi(this);
    m_handy = fabrik.ansichtAnlegen(QStringLiteral("webHandy"), kHandyBreite, 1.0, this);
    m_desktop = fabrik.ansichtAnlegen(QStringLiteral("webDesktop"), kDesktopBreite, kDesktopZoom, this);
    ui->layHandy->addWidget(m_handy->widget(), 1);
    ui->layDesktop->addWidget(m_desktop->widget(), 1);
    m_handy->beiGezeigt([this] { ansichtGezeigt(); });
    m_desktop->beiGezeigt([this] { ansichtGezeigt(); });

    m_verzoegerung.setSingleShot(true);
    m_verzoegerung.setInterval(kVerzoegerungMs);
    connect(&m_verzoegerung, &QTimer::timeout, this, &FrmLiveVorschau::aktualisieren);
    connect(ui->chkBilderLaden, &QCheckBox::toggled, this, &FrmLiveVorschau::aktualisieren);
    felderVerbinden(m_app.frmHaupt());
    felderVerbinden(m_app.frmBuch());
    felderVerbinden(m_app.frmKleidung());
    felderVerbinden(m_app.frmVorlIni());
    felderVerbinden(m_app.frmEinstell());
    // While the book or clothing window is open, its table is what its save will hand over.
    m_app.frmBuch().installEventFilter(this);
    m_app.frmKleidung().installEventFilter(this);
    resize(sizeHint().width(), kHoehe);
}

FrmLiveVorschau::~FrmLiveVorschau() = default;

void FrmLiveVorschau::zeigen() {
    if (!isVisible()) {
        const QWidget& haupt = m_app.frmHaupt();
        const QScreen* schirm = haupt.screen();
        const QRect frei = schirm != nullptr ? schirm->availableGeometry() : QRect(QPoint(), size());
        resize(width(), std::min(kHoehe, frei.height()));
        move(PlatzDaneben(haupt.frameGeometry(), frameGeometry().size(), frei));
        show();
        aktualisieren();
    }
    raise();
    activateWindow();
}

bool FrmLiveVorschau::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Show || ereignis->type() == QEvent::Hide) {
        geaendert();
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void FrmLiveVorschau::felderVerbinden(QWidget& fenster) {
    // Every field of the window itself, not of the windows it owns: a change of one the listing
    // does not read costs one rebuild.
    const auto eigene = [&fenster](const QWidget* feld) { return feld->window() == &fenster; };
    for (auto* feld : fenster.findChildren<QLineEdit*>()) {
        if (eigene(feld)) {
            connect(feld, &QLineEdit::textChanged, this, &FrmLiveVorschau::geaendert);
        }
    }
    for (auto* feld : fenster.findChildren<QComboBox*>()) {
        if (eigene(feld)) {
            connect(feld, &QComboBox::currentTextChanged, this, &FrmLiveVorschau::geaendert);
        }
    }
    for (auto* feld : fenster.findChildren<QCheckBox*>()) {
        if (eigene(feld)) {
            connect(feld, &QCheckBox::toggled, this, &FrmLiveVorschau::geaendert);
        }
    }
    for (auto* feld : fenster.findChildren<RichTextFeld*>()) {
        if (eigene(feld)) {
            connect(feld, &RichTextFeld::textChanged, this, &FrmLiveVorschau::geaendert);
        }
    }
}

void FrmLiveVorschau::geaendert() {
    if (isVisible()) {
        m_verzoegerung.start();
    }
}

void FrmLiveVorschau::aktualisieren() {
    m_verzoegerung.stop();
    const LiveStand stand = standBilden();
    ui->lblLiveStatus->setText(stand.status);
    if (stand.seite.isEmpty()) {
        return;
    }
    m_ausstehend = 2;
    const bool bilder = ui->chkBilderLaden->isChecked();
    m_handy->seiteZeigen(stand.handySeite, bilder);
    m_desktop->seiteZeigen(stand.seite, bilder);
}

LiveStand FrmLiveVorschau::standBilden() const {
    const FertigBedienung& fertig = m_app.frmHaupt().fertig();
    const PruefEingabe felder = fertig.pruefEingabe();
    ListingEingabe eingabe = fertig.listingEingabe(LiveBildVorhanden(felder.bilder));
    if (m_app.frmBuch().isVisible()) {
        eingabe.inhaltAuto = m_app.frmBuch().tabelle();
    } else if (m_app.frmKleidung().isVisible()) {
        eingabe.inhaltAuto += m_app.frmKleidung().tabelle();
    }
    const ListingErgebnis ergebnis = Texte_Verbinden(eingabe);
    const QList<Befund> befunde =
        ergebnis.fehler == ShopFehler::Keiner
            ? ListingPruefen({ergebnis.text, ergebnis.herkunft, felder.artikelBez,
                              eigeneAdressen(m_app.einstellungen()), m_app.frmHaupt().fotos().fotoAngaben()})
            : QList<Befund>();
    return LiveStandBilden(ergebnis, ui->chkBilderLaden->isChecked(), befunde);
}

void FrmLiveVorschau::ansichtGezeigt() {
    if (m_ausstehend > 0 && --m_ausstehend == 0) {
        emit gezeigt();
    }
}
