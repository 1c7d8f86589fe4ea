#include "ui/FotoBedienung.h"

#include "compose/FotoWerkzeug.h"
#include "core/Datenordner.h"
#include "core/Zustand.h"
#include "ui/BildFeld.h"
#include "ui/Hintergrundauftrag.h"
#include "ui/Plattform.h"
#include "ui_frmHaupt.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <utility>

namespace {

const QString kTitel = QStringLiteral("Fotos vorbereiten");
// A JPEG at quality 90 takes well under 2 bytes a pixel even for pure noise; below this many
// pixels a copy cannot reach the limit, and no photo needs encoding to know.
constexpr qint64 kSichereBytesJePixel = 3;

} // namespace

FotoBedienung::FotoBedienung(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                             Quellen quellen, Ui::frmHaupt& ui, QObject* parent)
    : QObject(parent), m_plattform(plattform), m_zustand(zustand), m_daten(daten),
      m_quellen(std::move(quellen)), m_ui(ui), m_zeilen(Bildzeilen(ui)),
      m_auftrag(std::make_unique<Hintergrundauftrag>(*ui.prgFotos, this)) {
    connect(ui.cmdFotosVorbereiten, &QPushButton::clicked, this, &FotoBedienung::cmdFotosVorbereiten_Click);
    connect(ui.mnuFotosVorbereiten, &QAction::triggered, this, &FotoBedienung::cmdFotosVorbereiten_Click);
    for (int n = 1; n <= 5; ++n) {
        connect(m_zeilen.at(static_cast<std::size_t>(n - 1)).datei, &QLineEdit::editingFinished, this,
                [this, n] { txtEbayBildPfad_LostFocus(n); });
    }
}

FotoBedienung::~FotoBedienung() = default;

bool FotoBedienung::hatFoto(int zeile) const {
    const Bildzeile& z = m_zeilen.at(static_cast<std::size_t>(zeile - 1));
    return z.haken->isChecked() && z.bild->hatBild() &&
           !m_zustand.bildPfade.at(static_cast<std::size_t>(zeile - 1)).isEmpty();
}

void FotoBedienung::txtEbayBildPfad_LostFocus(int zeile) {
    QLineEdit* name = m_zeilen.at(static_cast<std::size_t>(zeile - 1)).datei;
    if (name->text().trimmed().isEmpty() && hatFoto(zeile)) {
        name->setText(WebnameVorschlagen(m_ui.txtArtikelBez->text(), zeile));
    }
}

std::optional<QList<FotoKopie>> FotoBedienung::kopienSammeln() {
    QList<FotoKopie> kopien;
    QStringList untauglich;
    for (int n = 1; n <= 5; ++n) {
        if (!hatFoto(n)) {
            continue;
        }
        txtEbayBildPfad_LostFocus(n);
        const QString name = m_zeilen.at(static_cast<std::size_t>(n - 1)).datei->text();
        const bool doppelt = std::any_of(kopien.cbegin(), kopien.cend(), [&name](const FotoKopie& k) {
            return k.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!KopienameTauglich(name) || doppelt) {
            untauglich.append(
                QStringLiteral("Bild %1: „%2“%3")
                    .arg(n)
                    .arg(name, doppelt ? QStringLiteral(" (schon bei einem anderen Bild)") : QString()));
            continue;
        }
        kopien.append({n, m_zustand.bildPfade.at(static_cast<std::size_t>(n - 1)), name});
    }
    if (!untauglich.isEmpty()) {
        m_plattform.meldungsfenster(
            QStringLiteral("Diese Dateinamen taugen nicht für die Kopien zum Hochladen:\r\n") +
                untauglich.join(QStringLiteral("\r\n")) +
                QStringLiteral(
                    "\r\n\r\nJedes Bild braucht einen eigenen Namen ohne Ordner, der auf .jpg endet."),
            Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::Ok, kTitel);
        return std::nullopt;
    }
    return kopien;
}

void FotoBedienung::sperren(bool gesperrt) {
    m_gesperrt = gesperrt;
    m_ui.cmdFotosVorbereiten->setEnabled(!gesperrt);
    m_ui.mnuFotosVorbereiten->setEnabled(!gesperrt);
}

void FotoBedienung::cmdFotosVorbereiten_Click() {
    if (m_auftrag->laeuft() || m_gesperrt) {
        return;
    }
    const QString kanteText = m_quellen.einstellungen().fotoKante;
    const std::optional<int> kante = FotoKanteLesen(kanteText);
    if (!kante) {
        m_plattform.meldungsfenster(
            QStringLiteral("In den Einstellungen ist die längste Seite der Fotos „%1“: "
                           "bitte eine ganze Zahl von Pixeln eingeben.")
                .arg(kanteText),
            Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::Ok, kTitel);
        return;
    }
    const std::optional<QList<FotoKopie>> kopien = kopienSammeln();
    if (!kopien) {
        return;
    }
    if (kopien->isEmpty()) {
        m_plattform.meldungsfenster(QStringLiteral("Kein angehaktes Bild hat ein Foto. Fotos kommen mit "
                                                   "„Suchen“ oder durch Ziehen auf eine Bildzeile dazu."),
                                    Plattform::Symbol::Ausrufezeichen, Plattform::Knoepfe::Ok, kTitel);
        return;
    }
    const FotoWerkzeug* werkzeug = m_quellen.werkzeug();
    if (werkzeug == nullptr) {
        return;
    }
    const QString ziel = m_daten.pfad(kFotoOrdner);
    if (!QDir().mkpath(ziel)) {
        m_plattform.meldungsfenster(
            QStringLiteral("Der Ordner für die Kopien kann nicht angelegt werden:\r\n") +
                QDir::toNativeSeparators(ziel),
            Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, kTitel);
        return;
    }
    auto bericht = std::make_shared<FotoBericht>();
    m_auftrag->starten(
        static_cast<int>(kopien->size()),
        [bericht, kopien = *kopien, ziel, kante = *kante,
         werkzeug](const Hintergrundauftrag::Melden& melden) {
            *bericht = FotosVorbereiten(
                kopien, ziel, kante, [werkzeug](const FotoAuftrag& a) { return werkzeug->vorbereiten(a); },
                melden);
        },
        [this, bericht, ziel] {
            m_plattform.meldungsfenster(FotoBerichtText(*bericht, ziel), Plattform::Symbol::Keins,
                                        Plattform::Knoepfe::Ok, kTitel);
        });
}

QList<FotoAngabe> FotoBedienung::fotoAngaben() {
    QList<FotoAngabe> angaben;
    const int kante = FotoKanteLesen(m_quellen.einstellungen().fotoKante).value_or(kFotoKanteVorgabe);
    for (int n = 1; n <= 5; ++n) {
        if (!hatFoto(n)) {
            continue;
        }
        const QString pfad = m_zustand.bildPfade.at(static_cast<std::size_t>(n - 1));
        const QSize groesse = QImageReader(pfad).size();
        if (groesse.isEmpty()) {
            continue;
        }
        const int laengste = std::max(groesse.width(), groesse.height());
        angaben.append({n, m_zeilen.at(static_cast<std::size_t>(n - 1)).datei->text(),
                        std::min(laengste, kante), kopieZuGross(pfad, groesse, kante)});
    }
    return angaben;
}

bool FotoBedienung::kopieZuGross(const QString& pfad, QSize groesse, int kante) {
    const double mass =
        std::min(1.0, static_cast<double>(kante) / std::max(groesse.width(), groesse.height()));
    const double pixel = groesse.width() * mass * groesse.height() * mass;
    if (pixel * kSichereBytesJePixel <= static_cast<double>(kFotoHoechstBytes)) {
        return false;
    }
    const QFileInfo datei(pfad);
    const QString schluessel = QStringLiteral("%1|%2|%3|%4")
                                   .arg(pfad)
                                   .arg(datei.lastModified().toMSecsSinceEpoch())
                                   .arg(datei.size())
                                   .arg(kante);
    if (const auto gemerkt = m_zuGross.constFind(schluessel); gemerkt != m_zuGross.cend()) {
        return *gemerkt;
    }
    const FotoWerkzeug* werkzeug = m_quellen.werkzeug();
    const bool zuGross =
        werkzeug != nullptr && werkzeug->vorbereiten({pfad, kante}).stand == FotoErgebnis::Stand::ZuGross;
    m_zuGross.insert(schluessel, zuGross);
    return zuGross;
}
