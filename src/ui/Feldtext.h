#pragma once

#include <QString>

class QWidget;

// The text of a text box, combo box or rich-text field, whichever kind the control is.
QString feldText(const QWidget* feld);
// Sets it; an editable combo box takes any text, a fixed one only an entry of its list.
void feldTextSetzen(QWidget* feld, const QString& text);
