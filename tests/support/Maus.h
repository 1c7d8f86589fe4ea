#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

// Brings the button's window to the front and presses the mouse on it, so the focus moves there
// first. False when no one could press it: disabled, hidden or its window not active.
[[nodiscard]] bool mausKlick(QAbstractButton& knopf);

// Clicks into a text field and pastes the text with Ctrl+V, at its end or over all of it, as a
// seller pastes what they copied from the web (typing cannot give every character).
[[nodiscard]] bool einfuegen(QWidget& feld, const QString& text, bool ersetzen = false);
