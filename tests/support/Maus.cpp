#include "support/Maus.h"

#include "support/FensterTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>

namespace {

bool erreichbar(QWidget& element) {
    QWidget* fenster = element.window();
    return element.isEnabled() && element.isVisibleTo(fenster) && fenster->isVisible() &&
           aktivieren(*fenster);
}

} // namespace

bool mausKlick(QAbstractButton& knopf) {
    if (!erreichbar(knopf)) {
        return false;
    }
    QTest::mouseClick(&knopf, Qt::LeftButton);
    return true;
}

bool einfuegen(QWidget& feld, const QString& text, bool ersetzen) {
    if (!erreichbar(feld)) {
        return false;
    }
    QTest::mouseClick(&feld, Qt::LeftButton);
    QApplication::clipboard()->setText(text);
    if (ersetzen) {
        QTest::keyClick(&feld, Qt::Key_A, Qt::ControlModifier);
    } else {
        // Ctrl+End ends a text of several lines, End a one-line field.
        QTest::keyClick(&feld, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&feld, Qt::Key_End);
    }
    QTest::keyClick(&feld, Qt::Key_V, Qt::ControlModifier);
    return true;
}
