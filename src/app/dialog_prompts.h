#pragma once
// The commands' questions answered by the program's dialogs (each with the main window's test
// hook in front of it).
#include "document/user_prompts.h"

namespace veka {

class TVekaMainForm;

class TDialogPrompts : public IUserPrompts {
public:
    explicit TDialogPrompts(TVekaMainForm& form) : Form_(form) {}
    std::optional<std::pair<int, int>> ChooseParts(TPartCommand command, int port, int currentPart) override;
    void Warn(const std::string& text) override;
    void Inform(const std::string& text) override;
    bool Confirm(const std::string& question) override;
    bool ConfirmWarning(const std::string& question) override;
    TSaveChanges AskSaveChanges(const std::string& question) override;
    std::optional<int> ChooseFromList(const TSelectRequest& request) override;
    std::string SaveFileName(const TSaveRequest& request) override;
    std::string SongFileName(TSongRequest& request) override;
    std::optional<TOrderList> ComposeOrder() override;

private:
    TVekaMainForm& Form_;
};

}  // namespace veka
