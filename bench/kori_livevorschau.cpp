// The live preview's two figures, over the data folder given first: from the menu entry to the
// first shown preview, and from a keystroke in the title to the updated preview, with a
// description of 100 KB. Prints "oeffnen_ms=<first> tippen_ms=<median of the keystrokes>
// pause_ms=<the debounce>".
#include "ui/Anwendung.h"
#include "ui/QtPlattform.h"
#include "ui/RichTextFeld.h"
#include "ui/frmHaupt.h"
#include "ui/frmLiveVorschau.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kAnschlaege = 9;
constexpr qsizetype kBeschreibung = 100 * 1024;

QString beschreibung() {
    QString text;
    while (text.size() < kBeschreibung) {
        text +=
            QStringLiteral("Gut erhalten, kaum gelesen, aus Nichtraucherhaushalt; <b>Zeile</b> %1<br>\r\n")
                .arg(text.size());
    }
    return text;
}

void tippen(QWidget* feld) {
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(feld, &druck);
    QApplication::sendEvent(feld, &los);
}

// Measures one step after another: the opening, then each keystroke once the last is shown.
class Messung : public QObject {
public:
    Messung(Anwendung& app) : m_app(app) {}

    void beginnen() {
        m_app.frmHaupt().findChild<RichTextFeld*>(QStringLiteral("rtfInhalt"))->setText(beschreibung());
        m_uhr.start();
        m_app.frmHaupt().findChild<QAction*>(QStringLiteral("mnuLiveVorschau"))->trigger();
        FrmLiveVorschau* fenster = m_app.frmLiveVorschau();
        if (fenster == nullptr) {
            QCoreApplication::exit(1);
            return;
        }
        connect(fenster, &FrmLiveVorschau::gezeigt, this, [this] { gezeigt(); });
    }

private:
    void gezeigt() {
        const double ms = static_cast<double>(m_uhr.nsecsElapsed()) / 1e6;
        if (m_oeffnen < 0) {
            m_oeffnen = ms;
        } else {
            m_tippen.push_back(ms);
        }
        if (static_cast<int>(m_tippen.size()) == kAnschlaege) {
            std::sort(m_tippen.begin(), m_tippen.end());
            std::printf("oeffnen_ms=%.1f tippen_ms=%.1f pause_ms=%d\n", m_oeffnen, m_tippen[kAnschlaege / 2],
                        FrmLiveVorschau::kVerzoegerungMs);
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        // The next keystroke after the engine has settled, as a seller types on after a glance.
        QTimer::singleShot(200, this, [this] {
            m_uhr.start();
            tippen(m_app.frmHaupt().findChild<QLineEdit*>(QStringLiteral("txtTitel")));
        });
    }

    Anwendung& m_app;
    QElapsedTimer m_uhr;
    double m_oeffnen = -1;
    std::vector<double> m_tippen;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(KORI_PLUGIN_ORDNER));
    const QString ordner =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    QtPlattform plattform;
    Anwendung anwendung(ordner, plattform);
    anwendung.starten();
    Messung messung(anwendung);
    QTimer::singleShot(0, &messung, &Messung::beginnen);
    return QApplication::exec();
}
