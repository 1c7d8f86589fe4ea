#include "support/Maus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QList>
#include <QTest>
#include <QWidget>

namespace {

bool fensterAktiv(QWidget& element) {
    QWidget* fenster = element.window();
    fenster->activateWindow();
    return QTest::qWaitForWindowActive(fenster);
}

bool einfuegenNach(QWidget& feld, const QString& text, const QList<QKeyCombination>& vorher) {
    if (!feld.isEnabled() || !feld.isVisibleTo(feld.window()) || !fensterAktiv(feld)) {
        return false;
    }
    QTest::mouseClick(&feld, Qt::LeftButton);
    QApplication::clipboard()->setText(text);
    for (const QKeyCombination taste : vorher) {
        QTest::keyClick(&feld, taste.key(), taste.keyboardModifiers());
    }
    QTest::keyClick(&feld, Qt::Key_V, Qt::ControlModifier);
    return true;
}

} // namespace

bool mausKlick(QAbstractButton& knopf) {
    if (!knopf.isEnabled() || !knopf.isVisibleTo(knopf.window()) || !fensterAktiv(knopf)) {
        return false;
    }
    QTest::mouseClick(&knopf, Qt::LeftButton);
    return true;
}

bool einfuegen(QWidget& feld, const QString& text) {
    // Ctrl+End ends a text of several lines, End a one-line field.
    return einfuegenNach(feld, text, {Qt::ControlModifier | Qt::Key_End, QKeyCombination(Qt::Key_End)});
}

bool ersetzen(QWidget& feld, const QString& text) {
    return einfuegenNach(feld, text, {Qt::ControlModifier | Qt::Key_A});
}
