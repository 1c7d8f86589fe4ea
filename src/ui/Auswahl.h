#pragma once

#include <QString>

#include <functional>

class QLineEdit;

// A line edit drops its selection when the focus leaves it. The buttons that take a selection over
// need it still when the seller reaches them with Tab; so the field keeps it, and shows it, until
// the seller changes the text or selects anew in the field.
void AuswahlHalten(QLineEdit& feld);

// Refuses every edit of the seller that would make the field longer than `hoechstens` characters:
// the field stays as it was, and `abgelehnt` runs once the edit is over. Texts the program sets are
// not checked here.
void LaengeBegrenzen(QLineEdit& feld, int hoechstens, std::function<void()> abgelehnt);
