#pragma once

#include "article/ArtikelText.h"

#include <QString>

#include <optional>

class Anwendung;
class FrmBuch;
class Plattform;

// The article lives in the controls of the main and the book window; these functions move it
// between the controls and the article text.

// The saved fields as the controls hold them.
ArtikelFelder ArtikelFelderLesen(Anwendung& app);
// The main window's part of them, and the book window's.
void HauptFelderLesen(Anwendung& app, ArtikelFelder& f);
void BuchFelderLesen(const FrmBuch& buch, ArtikelFelder& f);

// The article text built from the controls; the number of commas replaced is kept for the
// comma menu.
QString ArtikelTextBilden(Anwendung& app);

// Applies the article lines last read to the controls, then lets the book window take its
// choices over, so that the crossed book values land in their text boxes again.
void FelderAusZeilenSetzen(Anwendung& app, Schluesselsuche suche);

// Reads an article file; a file that cannot be read shows the file-not-found box and gives nothing.
std::optional<ArtikelDateiInhalt> ArtikelDateiLesen(Plattform& plattform, const QString& pfad);
// Puts an article read from its file into the controls: description, keys, book take-over.
void ArtikelEinsetzen(Anwendung& app, const ArtikelDateiInhalt& datei);

// Loads an article file into the controls. An empty path asks for the file first; a file that
// cannot be read (or a cancelled choice) is reported and changes nothing.
void ArtikelDateiOeffnen(Anwendung& app, const QString& pfad);
