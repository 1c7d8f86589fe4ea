#pragma once

#include <QObject>
#include <QString>

#include <array>

class Datenordner;
class Plattform;
struct Zustand;
class QPushButton;

namespace Ui {
class frmHaupt;
}

// The main window's 21 stored-text buttons with their edit buttons, the names file and the
// "mehr"/"wenig" switch that shows the second and third row of buttons.
class TextbausteinBedienung final : public QObject {
    Q_OBJECT
public:
    static constexpr int kAnzahl = 21;

    // Connects the controls of the main window, which must exist already.
    TextbausteinBedienung(Plattform& plattform, Zustand& zustand, const Datenordner& daten, Ui::frmHaupt& ui,
                          QObject* parent);

    // Reads the names of the stored texts; a missing file keeps the previous names.
    void BTNamenLesen(const QString& pfad);
    // Reads the names file and sets the 21 button captions; start-up calls it.
    void BTNamenSetzen();

    // Stored text n (1 to 21) into the description and the fields it names.
    void cmdBeschrTextVor_Click(int n);
    // Opens stored text n in the text editor.
    void cmdBeshchrTextPlus_Click(int n);
    void cmdNamenforBT_Click();
    void cmdBTAktuali_Click();
    void lblMehrFertigeTexteAnzeigen_Click();

signals:
    // A stored text was read into the description; its key lines are to set the fields they name.
    void zeilenGelesen();
    // A stored text's caption that may stand for the book's genre.
    void genreGewaehlt(const QString& beschriftung);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void verbinden();
    void beschreibungsGroesseSetzen(int breiteTwips, int hoeheTwips);
    QPushButton* textKnopf(int n) const;

    Plattform& m_plattform;
    Zustand& m_zustand;
    const Datenordner& m_daten;
    Ui::frmHaupt& m_ui;
    std::array<QPushButton*, kAnzahl> m_textKnoepfe;
    std::array<QPushButton*, kAnzahl> m_bearbeitenKnoepfe;
};
