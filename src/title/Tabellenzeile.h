#pragma once

#include <QString>

// One row of the book or clothing table: an indent cell, the marked label cell and the value
// cell. The label cell opens as the window's table wants it ("<td nowrap><div ...><strong>").
QString Tabellenzeile(const QString& beschriftungsZelle, int nummer, const QString& beschriftung,
                      const QString& wert);
