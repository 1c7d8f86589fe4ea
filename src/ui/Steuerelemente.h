#pragma once

#include <QObject>
#include <QString>

// The object of that name below the window, looked up through an index the window keeps from
// the first lookup on: the main window's handlers find their controls by name, and searching
// its tree of hundreds of controls every time was a fifth of the start-up.
QObject* elementNachName(const QObject* fenster, const QString& name);

// A control of another window, found by its name. The names are fixed, so a missing control
// is a programming error.
template <class T> T* element(const QObject* fenster, const QString& name) {
    T* gefunden = qobject_cast<T*>(elementNachName(fenster, name));
    if (gefunden == nullptr) {
        // Another object of that name came first; the search by kind finds the control.
        gefunden = fenster->findChild<T*>(name);
    }
    Q_ASSERT_X(gefunden != nullptr, "element", qPrintable(name));
    return gefunden;
}
