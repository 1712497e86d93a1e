#include "app/qt_pump_wait.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>

namespace veka {

int64_t TQtPumpWait::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void TQtPumpWait::Wait(int ms) {
    if (ms <= 0) return;
    const TInside inside(*this);
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(TakesUserInput() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

bool TQtPumpWait::WaitFor(int ms, const std::function<bool()>& done) {
    const TInside inside(*this);
    const int64_t end = NowMs() + ms;
    while (!done()) {
        const int64_t rest = end - NowMs();
        if (rest <= 0) return done();
        // Short slices keep the answer prompt without spinning the processor.
        Wait(int(rest < 2 ? rest : 2));
    }
    return true;
}

TInputWaker::TInputWaker(QObject* parent) : QObject(parent) {
    Fd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (Fd_ < 0) return;
    Notifier_ = new QSocketNotifier(Fd_, QSocketNotifier::Read, this);
    connect(Notifier_, &QSocketNotifier::activated, this, &TInputWaker::Activated);
}

TInputWaker::~TInputWaker() {
    if (Fd_ >= 0) ::close(Fd_);
}

void TInputWaker::Wake() {
    if (Fd_ < 0) return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(Fd_, &one, sizeof one);
}

void TInputWaker::Activated() {
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = ::read(Fd_, &count, sizeof count);
    if (Handler) Handler();
}

}  // namespace veka
