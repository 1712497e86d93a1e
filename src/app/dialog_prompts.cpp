#include "app/dialog_prompts.h"

#include <QFileDialog>
#include <QStringList>
#include <algorithm>

#include "app/app_texts.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "module/image.h"
#include "windows/global_select_window.h"

namespace veka {

namespace {
// The chooser of the part commands: its title and the captions of its one or two lists.
enum TChooserText {
    ctCopyTitle, ctCopyFrom, ctCopyTo, ctExchangeTitle, ctExchangeFirst, ctExchangeSecond, ctInitializeTitle,
    ctInitializeThis, ctCount
};
constexpr TCaption kTexts[ctCount] = {
    {"Part のｺﾋﾟｰ", "Copy"},
    {"このPartから", "From "},
    {"このPartへｺﾋﾟｰ", "To "},
    {"Part の交換", "Exchange"},
    {"このPartと", "And"},
    {"このPartを交換", ""},
    {"Part の初期化", "Initialize"},
    {"このPartを初期化", "This part "},
};
constexpr int kMsgChooseParts = 24;
}  // namespace

std::optional<std::pair<int, int>> TDialogPrompts::ChooseParts(TPartCommand command, int port, int currentPart) {
    if (Form_.Hooks.PartChoice) return Form_.Hooks.PartChoice(int(command));
    const TLanguage language = Form_.Language();
    const auto text = [language](TChooserText id) { return Tr(kTexts[id], language); };
    QStringList parts;
    for (int part = 1; part <= 16; ++part)
        parts << QString::fromStdString(PartName(port, part) + " " + Form_.Image().PartToneName(port, part));
    TGlobalSelectWindow dialog(language, &Form_);
    dialog.SetTitle(Message(kMsgChooseParts, language));
    const int current = currentPart - 1;
    if (command == TPartCommand::Copy) {
        dialog.setWindowTitle(text(ctCopyTitle));
        dialog.SetList(1, text(ctCopyFrom), parts, current);
        dialog.SetList(2, text(ctCopyTo), parts, current);
    } else if (command == TPartCommand::Exchange) {
        dialog.setWindowTitle(text(ctExchangeTitle));
        dialog.SetList(1, text(ctExchangeFirst), parts, current);
        dialog.SetList(2, text(ctExchangeSecond), parts, current);
    } else {
        dialog.setWindowTitle(text(ctInitializeTitle));
        dialog.SetList(1, text(ctInitializeThis), parts, current);
    }
    dialog.HideUnusedRows();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int first = dialog.Chosen(1) + 1;
    const int second = command == TPartCommand::Initialize ? first : dialog.Chosen(2) + 1;
    if (first < 1 || first > 16 || second < 1 || second > 16) return std::nullopt;
    return std::make_pair(first, second);
}

void TDialogPrompts::Warn(const std::string& text) {
    Form_.ShowMessage(QMessageBox::Warning, CoreText(text));
}

void TDialogPrompts::Inform(const std::string& text) {
    Form_.ShowMessage(QMessageBox::Information, CoreText(text));
}

TSaveChanges TDialogPrompts::AskSaveChanges(const std::string& question) {
    const auto answer = Form_.ShowMessage(QMessageBox::Question, CoreText(question),
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return answer == QMessageBox::Yes      ? TSaveChanges::Save
           : answer == QMessageBox::Cancel ? TSaveChanges::Cancel
                                           : TSaveChanges::Discard;
}

std::optional<int> TDialogPrompts::ChooseFromList(const TSelectRequest& request) { return Form_.ChooseFromList(request); }

std::string TDialogPrompts::SaveFileName(const TSaveRequest& request) {
    const TLanguage language = Form_.Language();
    QString caption, filter, extension;
    if (request.Sysx) {
        caption = Tr(CommandCaption(TCommand(int(TCommand::ExportSysxAll) + int(request.Export))), language);
        filter = SysxFilter(language);
        extension = QStringLiteral("syx");
    } else {
        caption = request.Kind == TSetupFileKind::Ga4      ? Tr(CommandCaption(TCommand::SaveAllData), language)
                  : request.Kind == TSetupFileKind::Custom ? Tr(CommandCaption(TCommand::SaveCustom), language)
                                                           : QString::fromStdString(SetupFileKindText(request.Kind, language));
        filter = FileFilter(request.Kind, language);
        const std::string_view ext = SetupFileExtension(request.Kind);
        extension = QString::fromUtf8(ext.data(), qsizetype(ext.size()));
    }
    return Form_.ChooseSaveName(caption, Form_.DataFolder(), filter, extension).toStdString();
}

std::string TDialogPrompts::SongFileName(TSongRequest& request) {
    const TLanguage language = Form_.Language();
    const auto text = [language](const char* japanese, const char* english) {
        return QString::fromUtf8(language == TLanguage::Japanese ? japanese : english);
    };
    const QString folder = QString::fromStdString(request.Folder);
    if (request.What != TSongFile::Write) {
        const QString caption = request.What == TSongFile::Read ? Tr(CommandCaption(TCommand::GetSetupMeasures), language)
                                                                : text("埋め込むﾌｧｲﾙ", "Append to ");
        const QString filter = SongFilter(language);
        return (Form_.Hooks.OpenName ? Form_.Hooks.OpenName(caption, folder, filter)
                                   : QFileDialog::getOpenFileName(&Form_, caption, folder, filter))
            .toStdString();
    }
    const QString formats[2] = {QStringLiteral("SMF Format 0 (*.mid)"), QStringLiteral("SMF Format 1 (*.mid)")};
    QString chosen = formats[std::clamp(request.Format, 0, 1)];
    const QString caption = text("SMFの保存-Setup 定義 : ", "Save SMF - setup : ") + QString::fromStdString(request.OrderName);
    const QString name = Form_.ChooseSaveName(caption, folder, formats[0] + ";;" + formats[1], QStringLiteral("mid"), chosen);
    request.Format = chosen == formats[1] ? 1 : 0;
    return name.toStdString();
}

std::optional<TOrderList> TDialogPrompts::ComposeOrder() { return Form_.SmfCustomCommand(); }

bool TDialogPrompts::ConfirmWarning(const std::string& question) {
    return Form_.ShowMessage(QMessageBox::Warning, CoreText(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool TDialogPrompts::Confirm(const std::string& question) {
    return Form_.ShowMessage(QMessageBox::Question, CoreText(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace veka
