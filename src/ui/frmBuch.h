#pragma once

#include "article/ArtikelText.h"
#include "title/BuchTabelle.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class frmBuch;
}
class Anwendung;
class Datenordner;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The book details: each row of the description table with its own check box; the window holds
// the values between showings and only hides when closed.
class FrmBuch final : public QWidget {
    Q_OBJECT
public:
    explicit FrmBuch(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmBuch() override;

    // The pick lists, each read from its own file in the templates folder, in the order the
    // load step reads them.
    enum class Buchliste { Abmasse, Art, Verlag, Autor, Sprache, Genre, Zustand1, Zustand2 };
    static constexpr std::array kBuchlisten{Buchliste::Abmasse,  Buchliste::Art,     Buchliste::Verlag,
                                            Buchliste::Autor,    Buchliste::Sprache, Buchliste::Genre,
                                            Buchliste::Zustand1, Buchliste::Zustand2};
    static QString listenPfad(const Datenordner& daten, Buchliste liste);
    // Fills a pick list read before the window was made.
    void listeEinsetzen(Buchliste liste, const QStringList& eintraege);

    void Form_Load();
    void Form_Activate();
    // A new article: the values, choices and row boxes as the window starts with them.
    void neuerArtikel();
    // A new article, and a window made for the article being edited, start in German.
    void spracheVorgeben();

    void cmdAbmasseEinlesen_Click();
    void cmdArtEinlesen_Click();
    void cmdVerlagEinlesen_Click();
    void cmdAutorEinlesen_Click();
    void cmdSpracheEinlesen_Click();
    void cmdGenreEinlesen_Click();
    void cmdZustandEinlesen1_Click();
    void cmdZustandEinlesen2_Click();

    void cmdubernehmen_Click();
    void cmdSpeichKleidBeschr_Click();

    // The genre a stored text's button caption stands for; other captions change nothing.
    void GenreAusTextblockSetzen(const QString& beschriftung);

    // The table "Speichern und Schließen" puts into the main window's automatic description,
    // from the fields as they are now.
    QString tabelle() const;

    // What the main window's title area hands over.
    void bezeichnungSetzen(const QString& text);
    void autorSetzen(const QString& autor);
    void artSetzen(const QString& art);
    // The control of a book field of the article.
    QWidget* artikelfeld(Artikelfeld feld, int nummer) const;

signals:
    // The description was saved; its table is to go into the main window's automatic description.
    void tabelleGespeichert(const QString& tabelle);

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void verbinden();
    void listeLaden(Buchliste liste);
    QComboBox* listenfeld(Buchliste liste) const;
    void listeOeffnen(const QString& datei);
    void breiteSetzen(int twips);
    BuchEingaben eingaben() const;
    bool beschreibungSpeichern();
    QLineEdit* text1(int i) const;
    QLineEdit* text2(int i) const;

    Anwendung& m_app;
    std::unique_ptr<Ui::frmBuch> ui;
    std::array<QLineEdit*, kBuchZeilen> m_text1{};
    std::array<QLineEdit*, kBuchZeilen> m_text2{};
    std::array<QCheckBox*, kBuchZeilen> m_aktiv{};
};
