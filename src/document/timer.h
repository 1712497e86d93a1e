#pragma once
// A one-shot timer for work that settles after the user's gestures (the undo step, the
// recovery file). The program gives the event loop's timers, tests a clock they advance.
#include <functional>
#include <memory>

namespace veka {

class ITimer {
public:
    virtual ~ITimer() = default;
    // Runs the timeout once after ms, from the event loop; a running timer starts again.
    virtual void Start(int ms) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
};

class ITimerSource {
public:
    virtual ~ITimerSource() = default;
    virtual std::unique_ptr<ITimer> MakeTimer(std::function<void()> timeout) = 0;
};

}  // namespace veka
