#pragma once
// The program's waiting primitive: a wait runs a nested Qt event loop until its time has
// passed, so windows repaint, timers tick and received MIDI is handled during a long send.
#include <QObject>

#include "midi/pump_wait.h"

class QSocketNotifier;

namespace veka {

class TQtPumpWait : public TPumpWait {
public:
    int64_t NowMs() override;
    void Wait(int ms) override;
    bool WaitFor(int ms, const std::function<bool()>& done) override;
};

// Wakes the user-interface thread from the MIDI driver's thread. The driver side only writes
// to an eventfd (no lock, no allocation); the notifier then runs Handler on the Qt thread.
class TInputWaker : public QObject {
    Q_OBJECT
public:
    explicit TInputWaker(QObject* parent = nullptr);
    ~TInputWaker() override;
    // Safe to call from any thread.
    void Wake();
    std::function<void()> Handler;

private:
    void Activated();
    int Fd_ = -1;
    QSocketNotifier* Notifier_ = nullptr;
};

}  // namespace veka
