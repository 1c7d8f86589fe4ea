#pragma once

class QColor;
class QWidget;

// The background of a field's text area.
void HintergrundSetzen(QWidget* feld, const QColor& farbe);
// Grey tells at a glance that a field's value goes into no listing; otherwise the usual colour.
void GrauSetzen(QWidget* feld, bool grau);
