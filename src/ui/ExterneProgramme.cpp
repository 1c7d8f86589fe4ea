#include "ui/ExterneProgramme.h"

#include "core/Datenordner.h"
#include "ui/Meldung.h"
#include "ui/Plattform.h"

#include <QDir>
#include <QFileInfo>
#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {

const QString kEditorFehler = QStringLiteral("Fehler Nr 500/ ");
const QString kOrdnerFehler = QStringLiteral("Fehler Nr 505/ ");

Laufzeitfehler startFehler(const QString& programm) {
    return {53, QStringLiteral("Das Programm kann nicht gestartet werden: ") + programm};
}

#ifdef Q_OS_WIN
QString editorErmitteln(const QString& programmordner) {
    const QStringList kandidaten{programmordner + QStringLiteral("\\notepad.exe"),
                                 QStringLiteral("%SystemRoot%\\notepad.exe"),
                                 QStringLiteral("C:\\Winnt\\notepad.exe"),
                                 QStringLiteral("C:\\Windows\\notepad.exe"),
                                 QStringLiteral("C:\\WINNT\\system32\\notepad.exe"),
                                 QStringLiteral("C:\\Windows\\system32\\notepad.exe"),
                                 QStringLiteral("E:\\Winnt\\notepad.exe"),
                                 QStringLiteral("E:\\Windows\\notepad.exe"),
                                 QStringLiteral("E:\\WINNT\\system32\\notepad.exe"),
                                 QStringLiteral("E:\\Windows\\system32\\notepad.exe")};
    for (const QString& kandidat : kandidaten) {
        if (!kandidat.contains(QLatin1Char('%')) && QFileInfo::exists(kandidat)) {
            return kandidat;
        }
    }
    const QString wert = RegistryLesen(QStringLiteral(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\Applications\\notepad.exe\\shell\\edit\\command\\"));
    const qsizetype exe = wert.indexOf(QStringLiteral(".exe"));
    return exe >= 0 ? wert.left(exe + 4) : wert.left(3);
}
#endif

} // namespace

void DateiImEditorOeffnen(Plattform& plattform, const QString& programmordner, const QString& relativ) {
#ifdef Q_OS_WIN
    const QString editor = editorErmitteln(programmordner);
    if (editor.isEmpty()) {
        return;
    }
    if (!QFileInfo::exists(editor)) {
        plattform.meldungsfenster(QStringLiteral("Datei nicht gefunden\r\n") + editor,
                                  Plattform::Symbol::Keins, Plattform::Knoepfe::Ok, kProgrammTitel);
        return;
    }
    if (!plattform.programmStarten(editor, {programmordner + relativ})) {
        Meldung(plattform, 999, kEditorFehler, {}, startFehler(editor));
    }
#else
    const QString pfad = Datenordner(programmordner).ausProgrammordner(relativ);
    if (!plattform.oeffnen(pfad)) {
        Meldung(plattform, 999, kEditorFehler, {}, startFehler(pfad));
    }
#endif
}

bool BrowserStarten(Plattform& plattform, const QString& browser, const QString& datei) {
    // A browser path of a former computer must not stand between the seller and the preview.
    if (!browser.isEmpty() && plattform.programmStarten(browser, {datei})) {
        return true;
    }
    return plattform.imBrowserOeffnen(datei);
}

void KeinBrowserMelden(Plattform& plattform, const QString& browser, const QString& einstellung,
                       const QString& datei, const QString& folge) {
    const QString grund = browser.isEmpty()
                              ? QStringLiteral("In den Einstellungen ist kein Browser eingetragen")
                              : QStringLiteral("Der Browser „") + QDir::toNativeSeparators(browser) +
                                    QStringLiteral("“ aus den Einstellungen fehlt oder startet nicht");
    QString text = QStringLiteral("Die Vorschau lässt sich in keinem Browser öffnen. ") + grund +
                   QStringLiteral(", und auch der Standardbrowser des Systems öffnet sie nicht.\r\n\r\n"
                                  "Bitte tragen Sie unter „Extras / Einstellungen“ bei „") +
                   einstellung +
                   QStringLiteral("“ den Pfad zu Ihrem Browser ein.\r\n\r\nDie Vorschau-Datei:\r\n") +
                   QDir::toNativeSeparators(datei);
    if (!folge.isEmpty()) {
        text += QStringLiteral("\r\n\r\n") + folge;
    }
    Meldung(plattform, 99, text);
}

void OrdnerOeffnen(Plattform& plattform, const QString& ordner) {
#ifdef Q_OS_WIN
    const QString nativ = QDir::toNativeSeparators(ordner);
    if (plattform.programmStarten(QStringLiteral("C:\\WINDOWS\\explorer.exe"), {nativ})) {
        return;
    }
    if (!plattform.programmStarten(QStringLiteral("C:\\WINNT\\explorer.exe"), {nativ})) {
        Meldung(plattform, 999, kOrdnerFehler, {}, startFehler(QStringLiteral("explorer.exe")));
    }
#else
    if (!plattform.oeffnen(ordner)) {
        Meldung(plattform, 999, kOrdnerFehler, {}, startFehler(ordner));
    }
#endif
}

QString RegistryLesen([[maybe_unused]] const QString& schluessel) {
#ifdef Q_OS_WIN
    QString pfad = schluessel;
    QString name = pfad.section(QLatin1Char('\\'), -1);
    pfad.chop(name.size());
    const QSettings registry(pfad, QSettings::NativeFormat);
    return registry.value(name.isEmpty() ? QStringLiteral("Default") : name).toString();
#else
    return {};
#endif
}
