#pragma once
// The program's waiting primitive: a wait runs a nested Qt event loop until its time has
// passed, so windows repaint, timers tick and received MIDI is handled during a long send.
#include <QObject>

#include "midi/pump_wait.h"

class QSocketNotifier;

namespace veka {

// The user's keys and clicks wait for the handler that is waiting: an edit never starts inside
// the pacing of another edit's messages, and a window is never closed under its own handler.
// Long work with a Stop of its own (Send All, a data request) lets them through meanwhile.
class TQtPumpWait : public TPumpWait {
public:
    int64_t NowMs() override;
    void Wait(int ms) override;
    bool WaitFor(int ms, const std::function<bool()>& done) override;

    // While one of these lives, waits handle the user's input too.
    class TUserInput {
    public:
        explicit TUserInput(TQtPumpWait& wait) : Wait_(wait) { ++Wait_.UserInput_; }
        ~TUserInput() { --Wait_.UserInput_; }
        TUserInput(const TUserInput&) = delete;
        TUserInput& operator=(const TUserInput&) = delete;

    private:
        TQtPumpWait& Wait_;
    };
    bool TakesUserInput() const { return UserInput_ > 0; }

private:
    int UserInput_ = 0;
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
