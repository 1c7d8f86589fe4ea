#pragma once

#include <QObject>
#include <QString>

// A control of another window, found by its name. The names are fixed, so a missing control
// is a programming error.
template <class T> T* element(const QObject* fenster, const QString& name) {
    T* gefunden = fenster->findChild<T*>(name);
    Q_ASSERT_X(gefunden != nullptr, "element", qPrintable(name));
    return gefunden;
}
