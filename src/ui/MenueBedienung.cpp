#include "ui/MenueBedienung.h"

#include "compose/Link.h"
#include "core/Datenordner.h"
#include "core/Meldungen.h"
#include "ui/Anwendung.h"
#include "ui/ExterneProgramme.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/TitelBedienung.h"
#include "ui/frmEinstell.h"
#include "ui/frmLink.h"
#include "ui/frmLiveVorschau.h"
#include "ui/frmVorlIni.h"
#include "ui_frmHaupt.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kOhneBildMarke = QStringLiteral("____ OHNE Bild____");

// The sample book's details as label and value, in the order of the table.
const std::pair<const char*, const char*> kBeispielDetails[] = {
    {"Verlag:", "Markt+Technik"},
    {"Autor:", "Martina Mustermann"},
    {"Art:", "Gebundene Ausgabe"},
    {"Abmasse:", "22 cm x 17 cm x 3 cm"},
    {"Genre:", "Informatik Programmierung"},
    {"Anzahl Seiten:", "365"},
    {"Gewicht:", "800 Gram"},
    {"Zustand:", "wie neu, weil ungelesen, ohne Gebrauchsspuren"},
};

const QString kBeispielBildOrdner = QStringLiteral("https://www.example.com/t-w/ebay_tw/zusatzbilder/");

QString beispielTabelle() {
    QString html = QStringLiteral("<table width=\"70%\" border=\"0\">") + kCrLf + QStringLiteral("<tr>");
    bool erste = true;
    for (const auto& [label, wert] : kBeispielDetails) {
        if (!erste) {
            html += QStringLiteral("</td>") + kCrLf + QStringLiteral("</tr><tr>");
        }
        erste = false;
        html += QStringLiteral("<td>") + QStringLiteral("&nbsp;").repeated(10) + QStringLiteral("</td>") +
                QStringLiteral("<td><div align=\"left\" class=\"Stil4\"><strong>") +
                QString::fromUtf8(label) + QStringLiteral("</strong></div></td>") +
                QStringLiteral("<td align=\"left\">") + QString::fromUtf8(wert);
    }
    return html + QStringLiteral("</td></tr></table>") + kCrLf;
}

QString beispielBeschreibung() {
    return QStringLiteral("           Die Beschreibung ist sehr wichtig") + kCrLf +
           QStringLiteral("                 Der Inhalt wird ") + kCrLf +
           QStringLiteral("              genauso bei Ebay erscheinen") + kCrLf +
           QStringLiteral("         wie Sie es hier eingegeben haben") + kCrLf +
           QStringLiteral("Beschreibung: siehe die CD-Hülle weiter unten.") + kCrLf;
}

QString beispielLink() {
    const QString anker = QStringLiteral("<a href=\"") + kBeispielBildOrdner +
                          QStringLiteral("test-vorschau.JPG\" target=\"_blank\">") + kCrLf;
    return QStringLiteral("<!-------- LINK START --------->") + kCrLf +
           QStringLiteral("<div align=\"center\">") + kCrLf + anker + QStringLiteral("<img src=\"") +
           kBeispielBildOrdner + QStringLiteral("ZurVorschau.jpg\" alt=\"zur Vorschau\" border=\"0\"></a>") +
           kCrLf + anker + QStringLiteral("zur Vorschau</a></div><!-------- LINK ENDE ---------><br>") +
           kCrLf;
}

} // namespace

MenueBedienung::MenueBedienung(Anwendung& anwendung, Ui::frmHaupt& ui, TitelBedienung& titel, QObject* parent)
    : QObject(parent), m_app(anwendung), m_ui(ui), m_titel(titel) {
    verbinden();
}

void MenueBedienung::verbinden() {
    const auto knopf = [this](QPushButton* k, void (MenueBedienung::*handler)()) {
        connect(k, &QPushButton::clicked, this, handler);
    };
    const auto menue = [this](QAction* a, void (MenueBedienung::*handler)()) {
        connect(a, &QAction::triggered, this, handler);
    };
    menue(m_ui.mnuEinstBearb, &MenueBedienung::mnuEinstBearb_Click);
    menue(m_ui.mnuVorlBearb, &MenueBedienung::mnuVorlBearb_Click);
    menue(m_ui.mnuKoriOrdnerOpen, &MenueBedienung::mnuKoriOrdnerOpen_Click);
    menue(m_ui.mnuLiveVorschau, &MenueBedienung::mnuLiveVorschau_Click);
    knopf(m_ui.cmdLink1, &MenueBedienung::cmdLink1_Click);
    knopf(m_ui.cmdHtmlEinfugen, &MenueBedienung::cmdHtmlEinfugen_Click);
    knopf(m_ui.cmdHtmlLoschen, &MenueBedienung::cmdHtmlLoschen_Click);
    menue(m_ui.mnuDatenTest, &MenueBedienung::mnuDatenTest_Click);
    menue(m_ui.mnutestDatenohne, &MenueBedienung::mnutestDatenohne_Click);
    menue(m_ui.mnuVariblen, &MenueBedienung::mnuVariblen_Click);
    // The entry shows a tick while the mode is on.
    m_ui.mnuOhneBild->setCheckable(true);
    menue(m_ui.mnuOhneBild, &MenueBedienung::mnuOhneBild_Click);
}

void MenueBedienung::mnuEinstBearb_Click() {
    m_app.frmEinstell().ausMenueOeffnen();
}

void MenueBedienung::mnuVorlBearb_Click() {
    m_app.frmVorlIni().ausMenueOeffnen();
}

void MenueBedienung::mnuKoriOrdnerOpen_Click() {
    OrdnerOeffnen(m_app.plattform(), m_app.daten().wurzel());
}

void MenueBedienung::mnuLiveVorschau_Click() {
    if (FrmLiveVorschau* vorschau = m_app.frmLiveVorschau()) {
        vorschau->zeigen();
    }
}

void MenueBedienung::cmdLink1_Click() {
    m_app.frmLink().oeffnen(QStringLiteral("1"));
}

void MenueBedienung::cmdHtmlEinfugen_Click() {
    inhaltAutoSetzen(HtmlEinfuegen());
}

void MenueBedienung::cmdHtmlLoschen_Click() {
    inhaltAutoSetzen(HtmlLoeschen());
}

void MenueBedienung::inhaltAutoSetzen(const InhaltAutoZustand& zustand) {
    RichTextFeld* feld = m_ui.rtfInhaltAuto;
    if (zustand.leeren) {
        feld->setText(QString());
    }
    feld->setReadOnly(zustand.nurLesen);
    feld->setHintergrund(zustand.hintergrund ? QColor::fromRgb(*zustand.hintergrund)
                                             : QApplication::palette().color(QPalette::Base));
}

void MenueBedienung::mnuDatenTest_Click() {
    m_titel.kategorieAnwenden(QStringLiteral("Buch"));
    m_ui.txtArtikelBez->setText(QStringLiteral("Dream Dance Vol. 7 Original + mp3 TOP! anschauen!"));
    m_ui.txtTitel->setText(QStringLiteral("Test Dream Dance Vol. 7  Test"));
    m_ui.txtUntertittel->setText(QStringLiteral("Musik die begeistert!"));
    m_ui.txtEbayBildPfad->setText(QStringLiteral("test-V.JPG"));
    m_ui.txtEbayBildPfad2->setText(QStringLiteral("test-H.JPG"));
    m_ui.txtBildHohe->setCurrentText(QStringLiteral("400"));
    m_ui.rtfInhaltAuto->setText(beispielTabelle());
    m_ui.rtfInhalt->setText(beispielBeschreibung());
    m_ui.rtfLink->setText(beispielLink());
    m_app.frmVorlIni().shopTeilLesen();
    m_titel.cmdAufWasUbername_Click();
}

void MenueBedienung::mnutestDatenohne_Click() {
    m_titel.kategorieAnwenden(QStringLiteral("Buch"));
    m_ui.txtArtikelBez->setText(QStringLiteral("Power für die Jugend Motivation Selbstvertrauen TOP!"));
    m_ui.rtfInhaltAuto->setText(QString());
    m_ui.rtfInhalt->setText(QString());
    m_ui.txtTitel->setText(QStringLiteral("Test Power für die Jugend Test"));
    m_titel.cmdAufWasUbername_Click();
}

void MenueBedienung::mnuVariblen_Click() {
    QStringList zeilen;
    const auto& pfade = m_app.zustand().bildPfade;
    for (std::size_t i = 0; i < pfade.size(); ++i) {
        zeilen << QStringLiteral("Bildpfad%1: ").arg(i + 1) + pfade.at(i);
    }
    m_app.plattform().meldungsfenster(zeilen.join(kCrLf), Plattform::Symbol::Keins, Plattform::Knoepfe::Ok,
                                      kProgrammTitel);
}

// The mode is set before the picture switch changes, so the switch's own handler sees it.
void MenueBedienung::mnuOhneBild_Click() {
    Zustand& z = m_app.zustand();
    QAction* eintrag = m_ui.mnuOhneBild;
    QWidget* haupt = m_ui.chkBil1JaNEin->window();
    z.ohneBildModus = !z.ohneBildModus;
    eintrag->setChecked(z.ohneBildModus);
    QString titel = haupt->windowTitle();
    if (z.ohneBildModus) {
        eintrag->setText(QStringLiteral("mit Bild"));
        titel += kOhneBildMarke;
    } else {
        eintrag->setText(QStringLiteral("ohne Bild"));
        if (titel.contains(kOhneBildMarke)) {
            titel.chop(kOhneBildMarke.size());
        }
    }
    haupt->setWindowTitle(titel);
    m_ui.chkBil1JaNEin->setChecked(!z.ohneBildModus);
}
