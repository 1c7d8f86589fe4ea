#pragma once

#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/Steuerelemente.h"
#include "ui/frmHaupt.h"

#include <QByteArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <memory>

// One running program over a temporary program folder, answered by a scripted platform.
struct Lauf {
    explicit Lauf(bool mitDaten = true) : ordner(mitDaten) {}

    void starten() {
        app = std::make_unique<Anwendung>(ordner.programmordner(), p);
        app->starten();
    }

    template <class T> T* haupt(const char* name) const {
        return element<T>(&app->frmHaupt(), QString::fromLatin1(name));
    }

    // True when no box shown so far is empty: every report must say something.
    bool alleMeldungenSagenEtwas() const {
        const QStringList texte = p.meldungstexte();
        return std::none_of(texte.cbegin(), texte.cend(),
                            [](const QString& t) { return t.trimmed().isEmpty(); });
    }

    bool meldungEnthaelt(const QString& teil) const {
        const QStringList texte = p.meldungstexte();
        return std::any_of(texte.cbegin(), texte.cend(),
                           [&teil](const QString& t) { return t.contains(teil); });
    }

    TestOrdner ordner;
    SkriptPlattform p;
    std::unique_ptr<Anwendung> app;
};

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

// Makes folders immutable for the lifetime of the object; root ignores mere permissions.
class Unveraenderlich {
public:
    explicit Unveraenderlich(const QStringList& ordner) {
        for (const QString& o : ordner) {
            if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), o}) != 0) {
                return;
            }
            m_gesperrt.append(o);
        }
        m_ok = true;
    }
    ~Unveraenderlich() {
        for (const QString& o : m_gesperrt) {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), o});
        }
    }
    Unveraenderlich(const Unveraenderlich&) = delete;
    Unveraenderlich& operator=(const Unveraenderlich&) = delete;

    bool ok() const { return m_ok; }

private:
    QStringList m_gesperrt;
    bool m_ok = false;
};
