#pragma once
// How far long work has come: the status bar and the splash in the program, standard error in
// veka4-cli, a list in the tests. The work is handed one and reports through it; either handler
// may be empty.
#include <functional>
#include <string>

namespace veka {

using TProgressEvent = std::function<void(int maxValue, int currentValue, const std::string& text)>;
using TNotifyEvent = std::function<void()>;

struct TProgress {
    TProgressEvent OnProgress;
    TNotifyEvent OnFinished;

    void Report(int maxValue, int currentValue, const std::string& text) const {
        if (OnProgress) OnProgress(maxValue, currentValue, text);
    }
    void Finish() const {
        if (OnFinished) OnFinished();
    }
};

// For work nobody watches.
inline const TProgress kNoProgress{};

}  // namespace veka
