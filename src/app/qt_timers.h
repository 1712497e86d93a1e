#pragma once
// The document's timers on the Qt event loop.
#include <QTimer>

#include "document/timer.h"

namespace veka {

class TQtTimer : public ITimer {
public:
    explicit TQtTimer(std::function<void()> timeout) {
        Timer_.setSingleShot(true);
        QObject::connect(&Timer_, &QTimer::timeout, [timeout = std::move(timeout)] { timeout(); });
    }
    void Start(int ms) override { Timer_.start(ms); }
    void Stop() override { Timer_.stop(); }
    bool Active() const override { return Timer_.isActive(); }

private:
    QTimer Timer_;
};

class TQtTimerSource : public ITimerSource {
public:
    std::unique_ptr<ITimer> MakeTimer(std::function<void()> timeout) override {
        return std::make_unique<TQtTimer>(std::move(timeout));
    }
};

}  // namespace veka
