#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Plattform;
class QComboBox;
class QListWidget;
class RichTextFeld;
struct Zustand;

// Fills a box with a fixed list and sets its text afterwards.
void ListeSetzen(QComboBox* box, const QStringList& eintraege, const QString& text);
// Fills a box from a list file. A missing file shows the file-not-found box and leaves the box
// as it was. With the shown text "-" the box's text becomes the first entry, decoded.
// Returns false when the file could not be read.
bool ListeLaden(Plattform& plattform, Zustand& zustand, const QString& pfad, QComboBox* box,
                const QString& angezeigt);
// The two halves of that, for a box that is made after its list is read: the reading, with the
// file-not-found box and nothing for a missing file, and the filling.
std::optional<QStringList> ListeVorlesen(Plattform& plattform, Zustand& zustand, const QString& pfad);
void ListeEinsetzen(QComboBox* box, const QStringList& eintraege, const QString& angezeigt);
bool ListeLaden(Plattform& plattform, Zustand& zustand, const QString& pfad, QListWidget* box,
                const QString& angezeigt);

// Reads a key-value text file: key lines into the article lines, the rest into the field.
bool TextDateiLesen(Plattform& plattform, Zustand& zustand, const QString& pfad, RichTextFeld* feld);

// The box every reader shows for a file it cannot open.
void DateiNichtGefunden(Plattform& plattform, const QString& pfad);
