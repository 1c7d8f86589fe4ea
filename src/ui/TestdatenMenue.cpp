#include "ui/TestdatenMenue.h"

#include "core/Meldungen.h"
#include "core/Zustand.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"
#include "ui/TitelBedienung.h"
#include "ui_frmHaupt.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include <utility>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

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

TestdatenMenue::TestdatenMenue(Plattform& plattform, const Zustand& zustand, Ui::frmHaupt& ui,
                               TitelBedienung& titel, QObject* parent)
    : QObject(parent), m_plattform(plattform), m_zustand(zustand), m_ui(ui), m_titel(titel) {
    connect(m_ui.mnuDatenTest, &QAction::triggered, this, &TestdatenMenue::mnuDatenTest_Click);
    connect(m_ui.mnutestDatenohne, &QAction::triggered, this, &TestdatenMenue::mnutestDatenohne_Click);
    connect(m_ui.mnuVariblen, &QAction::triggered, this, &TestdatenMenue::mnuVariblen_Click);
}

void TestdatenMenue::mnuDatenTest_Click() {
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
    emit shopTeilGewuenscht();
    m_titel.cmdAufWasUbername_Click();
}
void TestdatenMenue::mnutestDatenohne_Click() {
    m_titel.kategorieAnwenden(QStringLiteral("Buch"));
    m_ui.txtArtikelBez->setText(QStringLiteral("Power für die Jugend Motivation Selbstvertrauen TOP!"));
    m_ui.rtfInhaltAuto->setText(QString());
    m_ui.rtfInhalt->setText(QString());
    m_ui.txtTitel->setText(QStringLiteral("Test Power für die Jugend Test"));
    m_titel.cmdAufWasUbername_Click();
}
void TestdatenMenue::mnuVariblen_Click() {
    QStringList zeilen;
    const auto& pfade = m_zustand.bildPfade;
    for (std::size_t i = 0; i < pfade.size(); ++i) {
        zeilen << QStringLiteral("Bildpfad%1: ").arg(i + 1) + pfade.at(i);
    }
    m_plattform.meldungsfenster(zeilen.join(kCrLf), Plattform::Symbol::Keins, Plattform::Knoepfe::Ok,
                                kProgrammTitel);
}
