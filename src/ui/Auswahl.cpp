#include "ui/Auswahl.h"

#include <QLineEdit>
#include <QValidator>

#include <utility>

namespace {

class Auswahlhalter final : public QObject {
public:
    explicit Auswahlhalter(QLineEdit& feld) : QObject(&feld), m_feld(feld) {
        connect(&feld, &QLineEdit::selectionChanged, this, &Auswahlhalter::geaendert);
    }

private:
    void geaendert() {
        if (m_feld.hasSelectedText()) {
            m_text = m_feld.text();
            m_start = m_feld.selectionStart();
            m_laenge = m_feld.selectionLength();
            m_rueckwaerts = m_feld.cursorPosition() == m_start;
            return;
        }
        // The focus went elsewhere; the seller neither typed nor clicked into the field.
        if (!m_feld.hasFocus() && m_laenge > 0 && m_feld.text() == m_text) {
            if (m_rueckwaerts) {
                m_feld.setSelection(m_start + m_laenge, -m_laenge);
            } else {
                m_feld.setSelection(m_start, m_laenge);
            }
            return;
        }
        m_laenge = 0;
    }

    QLineEdit& m_feld;
    QString m_text;
    int m_start = 0;
    int m_laenge = 0;
    bool m_rueckwaerts = false;
};

// The line edit undoes an edit its validator calls invalid, so nothing of it reaches the field.
class Laengengrenze final : public QValidator {
public:
    Laengengrenze(QLineEdit& feld, int hoechstens, std::function<void()> abgelehnt)
        : QValidator(&feld), m_feld(feld), m_hoechstens(hoechstens), m_abgelehnt(std::move(abgelehnt)) {}

    State validate(QString& eingabe, int& /*stelle*/) const override {
        if (eingabe.size() <= m_hoechstens) {
            return Acceptable;
        }
        // A text set by the program resets the modified flag before it is checked. Keys typed
        // before the seller is told are refused all the same, and told once.
        if (m_feld.isModified() && !m_ausstehend) {
            m_ausstehend = true;
            // Told after the edit is undone: a message box now would take the focus in mid-edit.
            QMetaObject::invokeMethod(
                &m_feld, [this] { melden(); }, Qt::QueuedConnection);
        }
        return Invalid;
    }

private:
    void melden() const {
        m_ausstehend = false;
        m_abgelehnt();
    }

    QLineEdit& m_feld;
    int m_hoechstens;
    std::function<void()> m_abgelehnt;
    mutable bool m_ausstehend = false;
};

} // namespace

void AuswahlHalten(QLineEdit& feld) {
    new Auswahlhalter(feld);
}

void LaengeBegrenzen(QLineEdit& feld, int hoechstens, std::function<void()> abgelehnt) {
    feld.setValidator(new Laengengrenze(feld, hoechstens, std::move(abgelehnt)));
}
