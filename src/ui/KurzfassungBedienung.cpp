#include "ui/KurzfassungBedienung.h"

#include "compose/Kurzfassung.h"
#include "ui_frmHaupt.h"

#include <QEvent>

namespace {

const QString kRot = QStringLiteral("color: #c00000;");

} // namespace

KurzfassungBedienung::KurzfassungBedienung(Ui::frmHaupt& ui, QObject* parent) : QObject(parent), m_ui(ui) {
    for (QLineEdit* feld : {m_ui.txtArtikelBez, m_ui.txtTitel, m_ui.txtAufWasBiten}) {
        connect(feld, &QLineEdit::textChanged, this, &KurzfassungBedienung::artikelGeaendert);
    }
    for (RichTextFeld* feld : {m_ui.rtfInhaltAuto, m_ui.rtfInhalt}) {
        connect(feld, &RichTextFeld::textChanged, this, &KurzfassungBedienung::artikelGeaendert);
    }
    for (QComboBox* feld : {m_ui.cboVersandkosten, m_ui.cboPostHermes2}) {
        connect(feld, &QComboBox::currentTextChanged, this, &KurzfassungBedienung::artikelGeaendert);
    }
    connect(m_ui.rtfKurzfassung, &RichTextFeld::textChanged, this, [this] {
        m_bearbeitet = m_bearbeitet || !m_setzen;
        zaehlen();
    });
    connect(m_ui.cmdKurzfassungBilden, &QPushButton::clicked, this,
            &KurzfassungBedienung::cmdKurzfassungBilden_Click);
    // Shown by a change of page or with its window.
    m_ui.tabKurzfassung->installEventFilter(this);
}

bool KurzfassungBedienung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Show) {
        zeigenWennSichtbar();
    }
    return QObject::eventFilter(objekt, ereignis);
}

QString KurzfassungBedienung::block() const {
    if (!m_ui.chkKurzfassung->isChecked()) {
        return {};
    }
    return KurzfassungBlock(m_veraltet && !m_bearbeitet ? KurzfassungBilden(angaben()) : zeilen());
}

QString KurzfassungBedienung::gespeichert() const {
    return m_bearbeitet ? KurzfassungAlsZeile(zeilen()) : QString();
}

void KurzfassungBedienung::einsetzen(const std::optional<QString>& gespeichert) {
    if (gespeichert) {
        zeilenSetzen(KurzfassungAusZeile(*gespeichert));
        m_bearbeitet = true;
        m_veraltet = false;
    } else {
        cmdKurzfassungBilden_Click();
    }
}

void KurzfassungBedienung::cmdKurzfassungBilden_Click() {
    m_bearbeitet = false;
    artikelGeaendert();
}

QStringList KurzfassungBedienung::zeilen() const {
    QStringList ergebnis;
    for (const QString& zeile : m_ui.rtfKurzfassung->text().split(QStringLiteral("\r\n"))) {
        if (!zeile.trimmed().isEmpty()) {
            ergebnis.append(zeile.trimmed());
        }
    }
    return ergebnis;
}

// Building the lines parses the article's HTML: it waits until somebody looks at them.
void KurzfassungBedienung::artikelGeaendert() {
    if (m_bearbeitet) {
        return;
    }
    m_veraltet = true;
    zeigenWennSichtbar();
}

void KurzfassungBedienung::zeigenWennSichtbar() {
    if (m_veraltet && !m_bearbeitet && m_ui.tabKurzfassung->isVisible()) {
        zeilenSetzen(KurzfassungBilden(angaben()));
        m_veraltet = false;
    }
}

KurzfassungAngaben KurzfassungBedienung::angaben() const {
    KurzfassungAngaben a;
    a.titel = m_ui.txtTitel->text();
    a.bezeichnung = m_ui.txtArtikelBez->text();
    a.aufWasBieten = m_ui.txtAufWasBiten->text();
    a.tabelle = m_ui.rtfInhaltAuto->text();
    a.artikelArt = m_ui.lblArtikelArt->text();
    a.versandkosten = m_ui.cboVersandkosten->currentText();
    a.versandArt = m_ui.cboPostHermes2->currentText();
    a.beschreibung = m_ui.rtfInhalt->text();
    return a;
}

void KurzfassungBedienung::zeilenSetzen(const QStringList& zeilen) {
    m_setzen = true;
    m_ui.rtfKurzfassung->setText(zeilen.join(QStringLiteral("\r\n")));
    m_setzen = false;
}

void KurzfassungBedienung::zaehlen() {
    const qsizetype zeichen = KurzfassungZeichen(zeilen());
    m_ui.lblKurzfassungZeichen->setText(
        QStringLiteral("%1 von %2 Zeichen").arg(zeichen).arg(kKurzfassungGrenze));
    m_ui.lblKurzfassungZeichen->setStyleSheet(zeichen > kKurzfassungGrenze ? kRot : QString());
}
