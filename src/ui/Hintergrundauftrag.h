#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QProgressBar;
class QThread;

// Runs one long job at a time on a thread of its own and shows its steps in a progress bar, so
// that the window stays usable. The photo buttons share one runner and its bar.
class Hintergrundauftrag final : public QObject {
    Q_OBJECT
public:
    // Tells the bar how many steps are done; callable from the job's thread.
    using Melden = std::function<void(int erledigt)>;
    using Arbeit = std::function<void(const Melden& melden)>;

    Hintergrundauftrag(QProgressBar& balken, QObject* parent);
    // Waits for a running job: it may be writing files.
    ~Hintergrundauftrag() override;

    bool laeuft() const { return m_faden != nullptr; }
    // Runs `arbeit` over `schritte` steps, then `fertig` on the window's thread. While a job runs,
    // nothing happens and the answer is false.
    bool starten(int schritte, Arbeit arbeit, std::function<void()> fertig);

signals:
    void gestartet();
    // After `fertig` has run.
    void beendet();

private:
    QProgressBar& m_balken;
    std::unique_ptr<QThread> m_faden;
};
