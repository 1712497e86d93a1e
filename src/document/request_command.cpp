#include "document/request_command.h"

#include <algorithm>

namespace veka {

namespace {
constexpr char kSetting[] = "setting";
constexpr TCaption kRequestStep{"ﾃﾞｰﾀﾘｸｴｽﾄ", "Data Request"};

std::string SelectKey(int item) { return "req select " + std::to_string(100 + item); }
}  // namespace

TDataRequestChoice StoredRequestChoice(const TSettings& settings, const TSettingsData& data) {
    TDataRequestChoice choice;
    const TIniDocument ini = settings.Open();
    for (int i = 0; i < riItemCount; ++i) choice.Selected[size_t(i)] = ini.ReadBool(kSetting, SelectKey(i), false);
    choice.WaitMs = data.DataReqWait;
    return choice;
}

void StoreRequestChoice(const TDataRequestChoice& choice, TSettings& settings, TSettingsData& data,
                        TDataRequest& request) {
    TIniDocument ini = settings.Open();
    for (int i = 0; i < riItemCount; ++i) ini.WriteBool(kSetting, SelectKey(i), choice.Selected[size_t(i)]);
    ini.WriteInteger(kSetting, "Data Req Wait", choice.WaitMs);
    settings.Save(ini);
    data.DataReqWait = choice.WaitMs;
    request.DataReqWaitMs = choice.WaitMs;
}

bool DataRequestCommand(TDocument& document, TSettings& settings, TSettingsData& data, const std::string& logPath,
                        IUserPrompts& prompts, IRequestView& view) {
    if (!view.EnsureInput()) return false;
    const auto choice = view.ChooseRequest(StoredRequestChoice(settings, data));
    if (!choice) return false;
    TDataRequest& request = document.Session().Request;
    StoreRequestChoice(*choice, settings, data, request);
    const TDocument::TUndoScope step(document, kRequestStep.In(document.Image().Language));
    TRequestReport report;
    const bool ok = view.RunRequest([&](const std::atomic<bool>& cancel) {
        report = request.Run(choice->Selected, choice->TakeLog ? logPath : std::string(), &cancel);
    });
    if (ok && !report.Notice.empty()) prompts.Inform(report.Notice);
    if (ok && report.Ran) prompts.Inform(report.Text);
    document.RefreshAll();
    return ok && report.Ran;
}

}  // namespace veka
