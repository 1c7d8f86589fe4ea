#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

// What a person does with mouse and keyboard, for the tests that must not go around it.

// Brings the button's window to the front and presses the mouse on the button, so the focus moves
// there first. False when no one could press it: disabled, hidden or its window not active.
[[nodiscard]] bool mausKlick(QAbstractButton& knopf);

// Clicks into a text field of an active window and pastes the text at its end with Ctrl+V, as
// a seller pastes what they copied from the web (typing cannot give every character).
[[nodiscard]] bool einfuegen(QWidget& feld, const QString& text);

// Replaces the field's whole text by pasting over it (Ctrl+A, Ctrl+V).
[[nodiscard]] bool ersetzen(QWidget& feld, const QString& text);
