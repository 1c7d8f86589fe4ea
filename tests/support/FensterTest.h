#pragma once

#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/frmHaupt.h"

#include <QColor>
#include <QComboBox>
#include <QListWidget>
#include <QObject>
#include <QStringList>
#include <QTest>

#include <memory>
#include <source_location>

// What a window test starts from: the delivered data folder or an empty one, a started program or
// only the created windows.
struct FensterAufbau {
    bool mitDaten = true;
    bool starten = false;
    // The test functions are the steps of one road through one program, built before the first
    // step and taken down after the last; the dialog check still runs after every step.
    bool einWeg = false;
};

// The one base of window tests: before every test a fresh program folder, scripted platform and
// application; after every test a failure when a dialog came up that the test did not script.
// A test class derives from it; its own init()/cleanup()/cleanupTestCase() call these first
// when it has them.
class FensterTest : public QObject {
    Q_OBJECT
public:
    explicit FensterTest(FensterAufbau aufbau = FensterAufbau()) : m_aufbau(aufbau) {}

protected slots:
    void init();
    void cleanup();
    void cleanupTestCase();

protected:
    TestOrdner& ordner() const { return *m_ordner; }
    SkriptPlattform& plattform() const { return *m_plattform; }
    Anwendung& app() const { return *m_app; }

    // The control `name` of kind T in `fenster`; a missing or mistyped control ends the run, since
    // the test could not go on without it.
    template <class T>
    T* element(const QObject& fenster, const QString& name,
               std::source_location ort = std::source_location::current()) const {
        T* gefunden = fenster.findChild<T*>(name);
        if (gefunden == nullptr) {
            nichtGefunden(fenster, name, T::staticMetaObject.className(), ort);
        }
        return gefunden;
    }
    template <class T>
    T* haupt(const QString& name, std::source_location ort = std::source_location::current()) const {
        return element<T>(app().frmHaupt(), name, ort);
    }

    // Presses a button with the mouse as a seller does: its window becomes the active one, and the
    // press moves the focus as the button's focus policy says. Only an enabled button that can be
    // seen in an open window can be pressed.
    void klicken(const QObject& fenster, const QString& name,
                 std::source_location ort = std::source_location::current()) const;
    void klicken(const QString& name, std::source_location ort = std::source_location::current()) const;
    // Clicks the mouse into a field of an open window, which takes the focus and puts the caret
    // where the click lands.
    void hineinklicken(const QObject& fenster, const QString& name,
                       std::source_location ort = std::source_location::current()) const;
    // Types into the control that has the focus, key by key.
    void tippen(const QString& text, std::source_location ort = std::source_location::current()) const;
    void taste(Qt::Key taste, Qt::KeyboardModifiers umschalt = Qt::NoModifier,
               std::source_location ort = std::source_location::current()) const;
    void menue(const QObject& fenster, const QString& name,
               std::source_location ort = std::source_location::current()) const;
    // Brings the main window's tab page with that caption to the front, as a click on its tab
    // does; the controls of the other pages are out of a user's reach.
    void seite(const QString& reiter, std::source_location ort = std::source_location::current()) const;
    // Brings the tab page holding the main window's control `name` to the front.
    void seiteMit(const QString& name, std::source_location ort = std::source_location::current()) const;

private:
    void abbauen();
    [[noreturn]] static void nichtGefunden(const QObject& fenster, const QString& name, const char* art,
                                           const std::source_location& ort);

    FensterAufbau m_aufbau;
    std::unique_ptr<TestOrdner> m_ordner;
    std::unique_ptr<SkriptPlattform> m_plattform;
    std::unique_ptr<Anwendung> m_app;
};

// A JPEG of the given size below the data folder's "fotos" folder; returns its path. Without a
// colour, pictures of different names differ in colour.
QString foto(const TestOrdner& ordner, const QString& name, int breite, int hoehe, QColor farbe = {});

// Drags the files (or addresses with a scheme) from a file manager over the control and lets go,
// as real drag and drop events; true when the drop was taken.
bool dateienAblegen(QWidget* ziel, const QStringList& pfade);

// The texts of a combo box's or a list's entries, in order.
QStringList eintraege(const QComboBox& box);
QStringList eintraege(const QListWidget& liste);

// Marks one row of a list as the only choice, as a click on it does.
void zeileWaehlen(QListWidget& liste, int zeile);

// Shows the window and makes it the active one, as a seller's click on it does; false when it did
// not become active in time.
bool aktivieren(QWidget& fenster);

// Whether a window of that name has been made (windows are made on first use).
bool fensterGemacht(const QString& name);

// Makes folders immutable for the lifetime of the object; root ignores mere permissions.
class Unveraenderlich {
public:
    explicit Unveraenderlich(const QStringList& ordner);
    ~Unveraenderlich();
    Unveraenderlich(const Unveraenderlich&) = delete;
    Unveraenderlich& operator=(const Unveraenderlich&) = delete;

    // False when a folder could not be locked, e.g. on a file system without the flag.
    bool aktiv() const { return m_aktiv; }

private:
    QStringList m_gesperrt;
    bool m_aktiv = false;
};
