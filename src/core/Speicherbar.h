#pragma once

#include <QList>
#include <QString>

#include <optional>

// A value to be saved, by the name the seller knows its field by.
struct BenanntesFeld {
    QString name;
    QString text;
};

// The first field holding characters that Windows-1252 files cannot hold, with those characters.
// Plain values are refused rather than written changed: the file name, the article text and the
// register would no longer agree, and a setting would not read back as it was typed.
struct NichtSpeicherbar {
    QString feld;
    QString zeichen;
};
std::optional<NichtSpeicherbar> NichtSpeicherbaresFeld(const QList<BenanntesFeld>& felder);
