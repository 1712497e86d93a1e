#include "midi/pump_wait.h"

#include <thread>

namespace veka {

int64_t TPumpWait::NowMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void TPumpWait::AfterOutermost(std::function<void()> work) {
    if (!work) return;
    if (Depth_ == 0) {
        work();
        return;
    }
    Deferred_.push_back(std::move(work));
}

void TPumpWait::RunDeferred() {
    // Work may wait again and defer more: it runs once that wait, too, has ended.
    while (Depth_ == 0 && !Deferred_.empty()) {
        std::vector<std::function<void()>> work;
        work.swap(Deferred_);
        for (auto& w : work) w();
    }
}

int64_t TSteadyPumpWait::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void TSteadyPumpWait::Wait(int ms) {
    WaitFor(ms, [] { return false; });
}

bool TSteadyPumpWait::WaitFor(int ms, const std::function<bool()>& done) {
    const TInside inside(*this);
    using namespace std::chrono;
    const auto end = steady_clock::now() + milliseconds(ms < 0 ? 0 : ms);
    for (;;) {
        if (Process) Process();
        if (done()) return true;
        const auto now = steady_clock::now();
        if (now >= end) return false;
        std::this_thread::sleep_for(std::min<steady_clock::duration>(end - now, milliseconds(1)));
    }
}

void TFakePumpWait::Wait(int ms) {
    const TInside inside(*this);
    Waits.push_back(ms);
    if (Process) Process();
    Now += ms;
}

bool TFakePumpWait::WaitFor(int ms, const std::function<bool()>& done) {
    const TInside inside(*this);
    Waits.push_back(ms);
    if (Process) Process();
    if (done()) return true;
    Now += ms;
    return false;
}

int64_t TFakePumpWait::TotalWaited() const {
    int64_t total = 0;
    for (int w : Waits) total += w;
    return total;
}

}  // namespace veka
