#pragma once

#include <QString>

class Anwendung;

// The article lives in the controls of the main and the book window; these functions move it
// between the controls and the article text.

// The article text built from the controls; the number of commas replaced is kept for the
// comma menu.
QString ArtikelTextBilden(Anwendung& app);

// Applies the article lines last read to the controls, then lets the book window take its
// choices over, so that the crossed book values land in their text boxes again.
void FelderAusZeilenSetzen(Anwendung& app);

// Loads an article file: description into the description field, keys into the controls. An
// empty path asks for the file first.
void ArtikelDateiOeffnen(Anwendung& app, const QString& pfad);
