#pragma once

#include <QString>

// The text without leading and trailing blanks; tabs and line breaks stay, as they do in the
// fields the seller types names and designations into.
QString blankeEntfernen(const QString& text);
