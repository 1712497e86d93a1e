#pragma once
// Communication > Data Request: the module's memory read into the image. The choice of what to
// read is kept in the settings file for the next time; the program shows the request's progress
// with its Stop.
#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "document/document.h"
#include "document/settings.h"
#include "document/user_prompts.h"
#include "midi/data_request.h"

namespace veka {

struct TDataRequestChoice {
    TRequestSelection Selected{};
    int WaitMs = 1000;  // 300 .. 10000
    bool TakeLog = false;
};

// The choice stored last ("req select 100" .. "req select 119" and "Data Req Wait").
TDataRequestChoice StoredRequestChoice(const TSettings& settings, const TSettingsData& data);
// Keeps the choice for the next request and paces the replies with its wait.
void StoreRequestChoice(const TDataRequestChoice& choice, TSettings& settings, TSettingsData& data,
                        TDataRequest& request);

// The program's side of a request.
class IRequestView {
public:
    virtual ~IRequestView() = default;
    // Replies come through the input: true once one is open (the user may set one up first).
    virtual bool EnsureInput() = 0;
    // What to read, starting from the choice stored last; nothing for Cancel.
    virtual std::optional<TDataRequestChoice> ChooseRequest(const TDataRequestChoice& stored) = 0;
    // Runs the request loop with its progress and Stop (which sets cancel); false when the
    // loop failed, the user told why.
    virtual bool RunRequest(const std::function<void(const std::atomic<bool>& cancel)>& work) = 0;
};

// The whole command: one undo step; how it went (and a module type it found) told at the end.
// logPath: where the log goes when the choice asks for one.
bool DataRequestCommand(TDocument& document, TSettings& settings, TSettingsData& data, const std::string& logPath,
                        IUserPrompts& prompts, IRequestView& view);

}  // namespace veka
