// The entry reader and the list evaluation over any file content, and the same content loaded
// through the real file path into a combo box and a list box.
#include "FuzzHilfe.h"
#include "core/Zustand.h"
#include "lists/Eintraege.h"
#include "ui/ListeLaden.h"
#include "ui/Plattform.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

// The file always exists here, so no box may be shown.
class StillePlattform : public Plattform {
public:
    Antwort meldungsfenster(const QString&, Symbol, Knoepfe, const QString&) override {
        KORI_PRUEFEN(!"ListeLaden zeigte ein Meldungsfenster");
        return Antwort::Ok;
    }
    QString dateiWaehlen(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString eingabefenster(const QString&, const QString&, const QString&) override { return {}; }
    QString passwortEingabe(const QString&, const QString&) override { return {}; }
    void passwortSuchen(const QString&, std::function<void(const QString&)> antwort) override { antwort({}); }
    void passwortMerken(const QString&, const QString&) override {}
    void zwischenablageSetzen(const QString&) override {}
    bool programmStarten(const QString&, const QStringList&) override { return false; }
    bool oeffnen(const QString&) override { return false; }
    bool imBrowserOeffnen(const QString&) override { return false; }
};

struct Umgebung {
    QApplication* app = nullptr;
    QTemporaryDir ordner;
    StillePlattform plattform;
    QComboBox* kombi = nullptr;
    QListWidget* liste = nullptr;
};

Umgebung* umgebung = nullptr;

bool istZeilenende(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

void eintraegePruefen(const QString& inhalt) {
    const QStringList eintraege = eintraegeLesen(inhalt);
    for (const QString& eintrag : eintraege) {
        // Only a quoted entry can hold a comma or a line end.
        if (!inhalt.contains(QLatin1Char('"'))) {
            KORI_PRUEFEN(!eintrag.contains(QLatin1Char(',')));
            KORI_PRUEFEN(std::none_of(eintrag.cbegin(), eintrag.cend(), istZeilenende));
        }
    }
    const ListenInhalt liste = listeAuswerten(inhalt);
    KORI_PRUEFEN(liste.eintraege.size() <= eintraege.size());
    KORI_PRUEFEN(liste.letzteErsetzungen >= 0);
}

void ladenPruefen(const QByteArray& bytes) {
    const QString pfad = umgebung->ordner.filePath(QStringLiteral("Liste.txt"));
    QFile datei(pfad);
    KORI_PRUEFEN(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    KORI_PRUEFEN(datei.write(bytes) == bytes.size());
    datei.close();

    const ListenInhalt erwartet = listeAuswerten(ausWindows1252(bytes));
    Zustand zustand;
    KORI_PRUEFEN(ListeLaden(umgebung->plattform, zustand, pfad, umgebung->kombi, QStringLiteral("-")));
    KORI_PRUEFEN(umgebung->kombi->count() == erwartet.eintraege.size());
    KORI_PRUEFEN(umgebung->kombi->currentText() == erwartet.eintraege.value(0));
    KORI_PRUEFEN(zustand.ErsetztAnzahl == erwartet.letzteErsetzungen);
    KORI_PRUEFEN(ListeLaden(umgebung->plattform, zustand, pfad, umgebung->liste, QStringLiteral("-")));
    KORI_PRUEFEN(umgebung->liste->count() == erwartet.eintraege.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    umgebung = new Umgebung;
    umgebung->app = new QApplication(*argc, *argv);
    KORI_PRUEFEN(umgebung->ordner.isValid());
    umgebung->kombi = new QComboBox;
    umgebung->kombi->setEditable(true);
    umgebung->liste = new QListWidget;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    eintraegePruefen(ausWindows1252(bytes));
    ladenPruefen(bytes);
    return 0;
}
