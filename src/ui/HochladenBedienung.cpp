#include "ui/HochladenBedienung.h"

#include "compose/Hochladen.h"
#include "core/Datenordner.h"
#include "ui/BildFeld.h"
#include "ui/Bildzeilen.h"
#include "ui/FotoBedienung.h"
#include "ui/FotoHochladen.h"
#include "ui/Hintergrundauftrag.h"
#include "ui/Plattform.h"
#include "ui_frmHaupt.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

namespace {

const QString kTitel = QStringLiteral("Fotos hochladen");
// The bar counts in thousandths: bytes do not fit its range.
constexpr int kBalkenSchritte = 1000;

} // namespace

HochladenBedienung::HochladenBedienung(Plattform& plattform, const Datenordner& daten,
                                       std::function<Einstellungen()> einstellungen, FotoBedienung& fotos,
                                       Ui::frmHaupt& ui, QObject* parent)
    : QObject(parent), m_plattform(plattform), m_daten(daten), m_einstellungen(std::move(einstellungen)),
      m_fotos(fotos), m_ui(ui),
      m_hochladen(std::make_unique<FotoHochladen>(plattform, daten.wurzel(), QDir::homePath())) {
    connect(ui.cmdFotosHochladen, &QPushButton::clicked, this, &HochladenBedienung::cmdFotosHochladen_Click);
    connect(ui.mnuFotosHochladen, &QAction::triggered, this, &HochladenBedienung::cmdFotosHochladen_Click);
    connect(ui.cmdFotosAbbrechen, &QPushButton::clicked, this, &HochladenBedienung::cmdFotosAbbrechen_Click);
    connect(m_hochladen.get(), &FotoHochladen::fortschritt, this, &HochladenBedienung::fortschrittZeigen);
    connect(m_hochladen.get(), &FotoHochladen::fertig, this, &HochladenBedienung::beendet);
    connect(&fotos.auftrag(), &Hintergrundauftrag::gestartet, this, &HochladenBedienung::knoepfeSetzen);
    connect(&fotos.auftrag(), &Hintergrundauftrag::beendet, this, &HochladenBedienung::knoepfeSetzen);
    zielZeigen(QString());
}

HochladenBedienung::~HochladenBedienung() = default;

void HochladenBedienung::zielZeigen(const QString& ziel) {
    m_ziel = ziel;
    knoepfeSetzen();
}

void HochladenBedienung::knoepfeSetzen() {
    const QString grund = m_fotos.auftrag().laeuft() ? QStringLiteral("Erst wenn die Fotos vorbereitet sind")
                                                     : hochladenSperrgrund(m_ziel);
    const QString tipp =
        grund.isEmpty()
            ? QStringLiteral("Die Kopien der angehakten Bilder hochladen nach ") + m_ziel.trimmed()
            : grund;
    m_ui.cmdFotosHochladen->setEnabled(grund.isEmpty());
    m_ui.cmdFotosHochladen->setToolTip(tipp);
    m_ui.mnuFotosHochladen->setEnabled(grund.isEmpty());
    m_ui.mnuFotosHochladen->setToolTip(tipp);
}

QList<HochladenZeile> HochladenBedienung::zeilen() const {
    QList<HochladenZeile> zeilen;
    const std::array<Bildzeile, 5> reihen = Bildzeilen(m_ui);
    for (int n = 1; n <= 5; ++n) {
        const Bildzeile& z = reihen.at(static_cast<std::size_t>(n - 1));
        if (z.haken->isChecked()) {
            zeilen.append({n, z.datei->text(), m_fotos.hatFoto(n)});
        }
    }
    return zeilen;
}

// A missing copy stops the whole upload: a listing whose pictures are partly online looks done
// and is not, and sending again later costs nothing for the copies already there.
void HochladenBedienung::cmdFotosHochladen_Click() {
    if (m_hochladen->laeuft() || m_fotos.auftrag().laeuft()) {
        return;
    }
    const HochladenAuswahl auswahl = KopienZumHochladen(zeilen(), m_daten.pfad(kFotoOrdner));
    if (!auswahl.fehlend.isEmpty()) {
        hinweis(FehlendeKopienText(auswahl.fehlend));
        return;
    }
    if (auswahl.dateien.isEmpty()) {
        hinweis(QStringLiteral("Keine angehakte Bildzeile hat eine Kopie zum Hochladen. Fotos kommen mit "
                               "„Suchen“ oder durch Ziehen auf eine Bildzeile dazu, ihre Kopien mit "
                               "„Fotos vorbereiten“."));
        return;
    }
    m_abgebrochen = false;
    laufZeigen(true);
    if (!m_hochladen->starten(auswahl.dateien, m_einstellungen())) {
        laufZeigen(false);
        m_ui.prgFotos->hide();
    }
}

void HochladenBedienung::cmdFotosAbbrechen_Click() {
    if (!m_hochladen->laeuft()) {
        return;
    }
    m_abgebrochen = true;
    m_ui.cmdFotosAbbrechen->setEnabled(false);
    m_hochladen->abbrechen();
}

void HochladenBedienung::laufZeigen(bool laeuft) {
    m_fotos.sperren(laeuft);
    m_ui.cmdFotosAbbrechen->setVisible(laeuft);
    m_ui.cmdFotosAbbrechen->setEnabled(laeuft);
    if (laeuft) {
        QProgressBar& balken = *m_ui.prgFotos;
        balken.setRange(0, kBalkenSchritte);
        balken.setValue(0);
        balken.setFormat(QStringLiteral("Verbinden …"));
        balken.show();
    }
}

void HochladenBedienung::fortschrittZeigen(qint64 gesendet, qint64 gesamt) {
    QProgressBar& balken = *m_ui.prgFotos;
    balken.setValue(gesamt > 0 ? static_cast<int>(gesendet * kBalkenSchritte / gesamt) : kBalkenSchritte);
    balken.setFormat(fortschrittText(gesendet, gesamt));
}

// After a failure the message says what arrived; a bar still saying "Verbinden …" would not.
void HochladenBedienung::beendet(bool erfolg) {
    laufZeigen(false);
    if (m_abgebrochen) {
        m_ui.prgFotos->setFormat(QStringLiteral("Abgebrochen"));
    } else if (!erfolg) {
        m_ui.prgFotos->hide();
    }
}

void HochladenBedienung::hinweis(const QString& text) {
    m_plattform.meldungsfenster(text, Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::Ok, kTitel);
}
