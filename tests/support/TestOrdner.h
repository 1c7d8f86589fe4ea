#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary program folder. With `mitDaten` it holds a copy of the delivered data folder.
class TestOrdner {
public:
    explicit TestOrdner(bool mitDaten = true);

    QString programmordner() const { return m_dir.path(); }
    QString daten(const QString& relativ = {}) const;
    // Writes raw bytes below the data folder, creating folders as needed.
    void schreiben(const QString& relativ, const QByteArray& bytes) const;
    QByteArray lesen(const QString& relativ) const;
    // The names of the files in a folder below the data folder, sorted.
    QStringList dateien(const QString& relativ) const;
    void entfernen(const QString& relativ) const;

private:
    QTemporaryDir m_dir;
};

// Test texts are written in UTF-8 source; files want Windows-1252 with CR LF.
QByteArray w1252(const QString& text);
