#pragma once

#include "support/SkriptPlattform.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

// True when no box shown so far is empty: every report must say something.
inline bool alleMeldungenSagenEtwas(const SkriptPlattform& p) {
    const QStringList texte = p.meldungstexte();
    return std::none_of(texte.cbegin(), texte.cend(), [](const QString& t) { return t.trimmed().isEmpty(); });
}

inline bool meldungEnthaelt(const SkriptPlattform& p, const QString& teil) {
    const QStringList texte = p.meldungstexte();
    return std::any_of(texte.cbegin(), texte.cend(), [&teil](const QString& t) { return t.contains(teil); });
}

// Random bytes with every byte value, the bytes Windows-1252 leaves undefined and NUL among them.
inline const QByteArray& muell() {
    static const QByteArray bytes = [] {
        QRandomGenerator zufall(4711);
        QByteArray b;
        for (int i = 0; i < 64 * 1024; ++i) {
            b.append(static_cast<char>(zufall.bounded(256)));
        }
        b.append("\x81\x8D\x8F\x90\x9D", 5);
        b.append('\0');
        b.append("Ende\x81", 5);
        return b;
    }();
    return bytes;
}

// Ten megabytes without a line end or a comma: one single entry.
inline const QByteArray& zehnMegabyteEineZeile() {
    static const QByteArray bytes = QByteArray("Langer-Text-\xE4\xF6\xFC.").repeated(10 * 1024 * 1024 / 16);
    return bytes;
}

inline const QByteArray& hunderttausendEintraege() {
    static const QByteArray bytes = [] {
        QByteArray b;
        for (int i = 0; i < 100000; ++i) {
            b.append("Eintrag ").append(QByteArray::number(i)).append("\r\n");
        }
        return b;
    }();
    return bytes;
}
