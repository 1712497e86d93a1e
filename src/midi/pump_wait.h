#pragma once
// The system's one waiting primitive. A wait keeps handling events (received MIDI, timers, the
// windows) until its time has passed, so other work goes on inside a long transmission. The
// program injects the real one; tests inject a clock that records the waits and never sleeps.
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace veka {

class TPumpWait {
public:
    virtual ~TPumpWait() = default;
    // Milliseconds of a monotonic clock.
    virtual int64_t NowMs() = 0;
    // Microseconds of the same clock, for work timed finer than a millisecond (a song's
    // messages); the steady clock's unless the clock is a test's.
    virtual int64_t NowMicroseconds();
    // Handle events until ms have passed.
    virtual void Wait(int ms) = 0;
    // Handle events until done() or ms have passed; the final answer of done().
    virtual bool WaitFor(int ms, const std::function<bool()>& done) = 0;

    // How many waits are running now (a handler that runs during a wait may wait too). Work
    // that must not run in the middle of a handler's waits looks here.
    int Depth() const { return Depth_; }
    // Called when the outermost wait has ended, so work put off meanwhile can be scheduled.
    std::function<void()> OnOutermostEnd;
    // Runs work once the outermost wait has ended; at once when no wait runs. Used for what
    // must not happen under a handler still on the stack (deleting the window it belongs to).
    void AfterOutermost(std::function<void()> work);

protected:
    // Every Wait and WaitFor holds one while it runs.
    class TInside {
    public:
        explicit TInside(TPumpWait& wait) : Wait_(wait) { ++Wait_.Depth_; }
        ~TInside() {
            if (--Wait_.Depth_ > 0) return;
            if (Wait_.OnOutermostEnd) Wait_.OnOutermostEnd();
            Wait_.RunDeferred();
        }
        TInside(const TInside&) = delete;
        TInside& operator=(const TInside&) = delete;

    private:
        TPumpWait& Wait_;
    };

private:
    void RunDeferred();
    int Depth_ = 0;
    std::vector<std::function<void()>> Deferred_;
};

// Waits on the steady clock, calling Process (the owner's event handling) about every
// millisecond. The windowed program uses its own kind that runs the Qt event loop.
class TSteadyPumpWait : public TPumpWait {
public:
    std::function<void()> Process;
    int64_t NowMs() override;
    void Wait(int ms) override;
    bool WaitFor(int ms, const std::function<bool()>& done) override;
};

// A clock that never sleeps: each wait is recorded and moves the clock on at once, after the
// pending events were handled once.
class TFakePumpWait : public TPumpWait {
public:
    std::function<void()> Process;
    std::vector<int> Waits;
    int64_t Now = 0;
    int64_t NowMs() override { return Now; }
    int64_t NowMicroseconds() override { return Now * 1000; }
    void Wait(int ms) override;
    bool WaitFor(int ms, const std::function<bool()>& done) override;
    int64_t TotalWaited() const;
};

}  // namespace veka
