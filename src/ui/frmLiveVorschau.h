#pragma once

#include "compose/LiveSeite.h"

#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class FrmLiveVorschau;
}
class Anwendung;
class LiveAnsicht;
class LiveVorschauFabrik;

// Where a window of `groesse` goes beside the window framed by `neben`: to its right, else to its
// left, always within the screen's free area `frei`.
QPoint PlatzDaneben(const QRect& neben, const QSize& groesse, const QRect& frei);

// The listing as a phone and a desktop browser show it, following the fields of the main, book and
// clothing windows as the seller types. It only reads: no check, no message, no file.
class FrmLiveVorschau final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHandyBreite = 360;
    static constexpr int kDesktopBreite = 1000;
    // The desktop page is shown smaller, so that both fit beside each other on a laptop screen.
    static constexpr double kDesktopZoom = 0.7;
    // Typing faster than this rebuilds the listing once, after the last keystroke.
    static constexpr int kVerzoegerungMs = 300;

    FrmLiveVorschau(Anwendung& anwendung, LiveVorschauFabrik& fabrik);
    ~FrmLiveVorschau() override;

    // Shows the window beside the main window with the listing as the fields are now.
    void zeigen();

    LiveAnsicht& webHandy() const { return *m_handy; }
    LiveAnsicht& webDesktop() const { return *m_desktop; }

signals:
    // Both views show the page of the latest rebuild.
    void gezeigt();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void felderVerbinden(QWidget& fenster);
    void geaendert();
    void aktualisieren();
    LiveStand standBilden() const;
    void ansichtGezeigt();

    Anwendung& m_app;
    std::unique_ptr<Ui::FrmLiveVorschau> ui;
    LiveAnsicht* m_handy;
    LiveAnsicht* m_desktop;
    QTimer m_verzoegerung;
    // Views that have not yet shown the latest page.
    int m_ausstehend = 0;
};
