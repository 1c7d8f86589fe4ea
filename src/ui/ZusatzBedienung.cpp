#include "ui/ZusatzBedienung.h"

#include "compose/Link.h"
#include "ui/RichTextFeld.h"
#include "ui_frmHaupt.h"

#include <QApplication>
#include <QPushButton>

ZusatzBedienung::ZusatzBedienung(Ui::frmHaupt& ui, QObject* parent) : QObject(parent), m_ui(ui) {
    connect(m_ui.cmdLink1, &QPushButton::clicked, this, &ZusatzBedienung::cmdLink1_Click);
    connect(m_ui.cmdHtmlEinfugen, &QPushButton::clicked, this, &ZusatzBedienung::cmdHtmlEinfugen_Click);
    connect(m_ui.cmdHtmlLoschen, &QPushButton::clicked, this, &ZusatzBedienung::cmdHtmlLoschen_Click);
}

void ZusatzBedienung::cmdLink1_Click() {
    emit linkFensterGewuenscht();
}
void ZusatzBedienung::cmdHtmlEinfugen_Click() {
    inhaltAutoSetzen(HtmlEinfuegen());
}
void ZusatzBedienung::cmdHtmlLoschen_Click() {
    inhaltAutoSetzen(HtmlLoeschen());
}
void ZusatzBedienung::inhaltAutoSetzen(const InhaltAutoZustand& zustand) {
    RichTextFeld* feld = m_ui.rtfInhaltAuto;
    if (zustand.leeren) {
        feld->setText(QString());
    }
    feld->setReadOnly(zustand.nurLesen);
    feld->setHintergrund(zustand.hintergrund ? QColor::fromRgb(*zustand.hintergrund)
                                             : QApplication::palette().color(QPalette::Base));
}
