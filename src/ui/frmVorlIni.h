#pragma once

#include "compose/Listing.h"
#include "ui/Plattform.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class Anwendung;
class Datenordner;
class QLineEdit;
class QPushButton;
class RichTextFeld;

namespace Ui {
class FrmVorlIni;
}
struct Zustand;

// The template editor, and at the same time the live store of the template parts: the listing
// is built from its fields, saved or not.
class FrmVorlIni final : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmVorlIni(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmVorlIni() override;

    // Loads the HTML part files and the text parts of the article kind or variant word ("Buch",
    // "CD_MC", "Kleidung" or "Keidung"); a variant without its own section gets the "Buch" one.
    void VorlageEinlesen(const QString& art);

    // A part file as read for a field: its text, none when nothing could be read (the user has
    // been told), and the shortened path the window then shows as its title.
    struct Teildatei {
        std::optional<QString> text;
        QString titel;
    };
    // Reads a file below the program folder; a missing file lets the user pick one.
    static Teildatei teilDateiLesen(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                                    const QString& relativ);
    // Loads such a file into a field (a field that fails keeps its text); returns the title the
    // editor then shows.
    static QString teilInFeldLaden(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                                   const QString& relativ, RichTextFeld* feld);

    // A template variant as read, before it goes into the fields.
    struct Vorlageninhalt {
        QString variante;
        std::array<Teildatei, 12> html;
        std::array<QString, 8> texte;
    };
    // Reads what VorlageEinlesen loads, with its dialogs and messages, and notes the template, its
    // change check and the article kind in the state as fields without a failed part would hold them.
    static Vorlageninhalt vorlageLesen(Plattform& plattform, Zustand& zustand, const Datenordner& daten,
                                       const QString& art);
    // Puts a variant read before the window was made into the fields.
    void vorlageEinsetzen(const Vorlageninhalt& inhalt);
    // Writes the text parts and every part file changed since the last load or save; false when
    // a file could not be written (the user has been told).
    bool VorlageSpeichern(const QString& variante);
    void VorlageAdieren();
    // Whether a part differs from what was last loaded or saved.
    bool ungespeichert();
    // The main window's menu entry "Vorlagen bearbeiten".
    void ausMenueOeffnen();
    // The parts as the fields hold them now, saved or not.
    Vorlageteile teile() const;
    // Reads the shop part file again, as its button does.
    void shopTeilLesen();
    // The separator after the shipping block, from the settings' graphics folder.
    void farbverlaufSetzen(const QString& grafikPfad);

    void cmdAendSpeich_Click();
    void mnuVorlBuch_Click();
    void mnuVorCD_lMC_Click();
    void mnuVorlKeidung_Click();
    void Form_QueryUnload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Loads a part file into one of the editor's fields and names it in the title.
    void DateiInFeldLaden(const QString& relativ, RichTextFeld* feld);
    void teilLesen(std::size_t index);
    void teilOeffnen(std::size_t index);
    RichTextFeld* htmlFeld(std::size_t index) const;
    QList<QLineEdit*> textFelder() const;
    QStringList signaturHtml() const;
    QStringList signaturJetzt() const;
    void variantEinlesen(const QString& variante);
    Plattform::Antwort speichernFragen(Plattform::Knoepfe knoepfe);

    // Field, read button and open button of each part file, in the order of vorlageDateien().
    struct Teilfeld {
        RichTextFeld* feld;
        QPushButton* lesen;
        QPushButton* oeffnen;
    };

    Anwendung& m_app;
    std::unique_ptr<Ui::FrmVorlIni> ui;
    std::array<Teilfeld, 12> m_teile{};
};
