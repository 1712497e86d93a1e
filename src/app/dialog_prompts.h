#pragma once
// The commands' questions answered by the program's dialogs (each with the main window's test
// hook in front of it).
#include <QString>

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

    // The name to write to: the dialog's answer with the extension added, after the question
    // whether an existing file of that name may be replaced. Empty when the user declined.
    QString ChooseSaveName(const QString& caption, const QString& folder, const QString& filter,
                           const QString& extension);
    // A save dialog of several filters: chosenFilter starts the dialog and holds the user's.
    QString ChooseSaveName(const QString& caption, const QString& folder, const QString& filters,
                           const QString& extension, QString& chosenFilter);

private:
    TVekaMainForm& Form_;
};

}  // namespace veka
