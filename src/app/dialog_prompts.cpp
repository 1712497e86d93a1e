#include "app/dialog_prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "app/app_texts.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "module/image.h"
#include "windows/global_select_window.h"
#include "app/file_menu.h"

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

// The name with ".extension" unless it ends with it already (in any case).
QString WithExtension(const QString& name, const QString& extension) {
    if (extension.isEmpty() || name.endsWith("." + extension, Qt::CaseInsensitive)) return name;
    return name + "." + extension;
}
}  // namespace

std::optional<std::pair<int, int>> TDialogPrompts::ChooseParts(TPartCommand command, int port, int currentPart) {
    if (Form_.Hooks.PartChoice) return Form_.Hooks.PartChoice(int(command));
    const TLanguage language = Form_.Language();
    const auto text = [language](TChooserText id) { return Tr(kTexts[id], language); };
    QStringList parts;
    for (int part = 1; part <= 16; ++part)
        parts << QString::fromStdString(PartName(port, part) + " " + Form_.Document().Image().PartToneName(port, part));
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

std::optional<int> TDialogPrompts::ChooseFromList(const TSelectRequest& request) {
    std::optional<int> answer;
    if (Form_.Hooks.Select) {
        answer = Form_.Hooks.Select(request);
    } else {
        TGlobalSelectWindow dialog(Form_.Language(), &Form_);
        dialog.setWindowTitle(QString::fromUtf8(kProductTitle));
        dialog.SetTitle(QString::fromStdString(request.Title));
        QStringList items;
        for (const std::string& item : request.Items) items << QString::fromStdString(item);
        dialog.SetList(1, QString::fromStdString(request.Label), items, request.Preselected);
        dialog.HideUnusedRows();
        if (dialog.exec() == QDialog::Accepted) answer = dialog.Chosen(1);
    }
    if (!answer || *answer < 0 || size_t(*answer) >= request.Items.size()) return std::nullopt;
    return answer;
}

QString TDialogPrompts::ChooseSaveName(const QString& caption, const QString& folder, const QString& filter,
                                      const QString& extension) {
    QString chosenFilter = filter.section(QStringLiteral(";;"), 0, 0);
    return ChooseSaveName(caption, folder, filter, extension, chosenFilter);
}

QString TDialogPrompts::ChooseSaveName(const QString& caption, const QString& folder, const QString& filters,
                                      const QString& extension, QString& chosenFilter) {
    // The dialog's own question would see the name before the extension is added, and let an
    // existing "song.ga4" be replaced when "song" was typed: the question is asked here instead.
    // No to the question goes back to the dialog, at the name declined, as the dialog's own would.
    QString start = folder;
    for (;;) {
        QString answer;
        if (Form_.Hooks.SaveName) {
            answer = Form_.Hooks.SaveName(caption, start, filters);
            if (Form_.Hooks.SaveFilter) chosenFilter = Form_.Hooks.SaveFilter(chosenFilter);
        } else {
            answer = QFileDialog::getSaveFileName(&Form_, caption, start, filters, &chosenFilter,
                                                  QFileDialog::DontConfirmOverwrite);
        }
        if (answer.isEmpty()) return {};
        const QString name = WithExtension(answer, extension);
        if (!QFileInfo::exists(name)) return name;
        const QString text = Form_.Language() == TLanguage::Japanese
                                 ? QStringLiteral("%1 は既に存在します。\n置き換えますか?").arg(QFileInfo(name).fileName())
                                 : QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(name).fileName());
        const QMessageBox::StandardButton reply =
            Form_.ShowMessage(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (reply == QMessageBox::Yes) return name;
        if (reply != QMessageBox::No) return {};
        start = name;
    }
}

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
    return ChooseSaveName(caption, Form_.Files().DataFolder(), filter, extension).toStdString();
}

std::string TDialogPrompts::SongFileName(TSongRequest& request) {
    const TLanguage language = Form_.Language();
    const auto text = [language](const char* japanese, const char* english) {
        return QString::fromUtf8(language == TLanguage::Japanese ? japanese : english);
    };
    const QString folder = QString::fromStdString(request.Folder);
    if (request.What != TSongFile::Write) {
        const QString caption = request.What == TSongFile::Read   ? Tr(CommandCaption(TCommand::GetSetupMeasures), language)
                                : request.What == TSongFile::Play ? Tr(CommandCaption(TCommand::SongOpen), language)
                                                                  : text("埋め込むﾌｧｲﾙ", "Append to ");
        const QString filter = SongFilter(language);
        return (Form_.Hooks.OpenName ? Form_.Hooks.OpenName(caption, folder, filter)
                                   : QFileDialog::getOpenFileName(&Form_, caption, folder, filter))
            .toStdString();
    }
    const QString formats[2] = {QStringLiteral("SMF Format 0 (*.mid)"), QStringLiteral("SMF Format 1 (*.mid)")};
    QString chosen = formats[std::clamp(request.Format, 0, 1)];
    const QString caption = text("SMFの保存-Setup 定義 : ", "Save SMF - setup : ") + QString::fromStdString(request.OrderName);
    const QString name = ChooseSaveName(caption, folder, formats[0] + ";;" + formats[1], QStringLiteral("mid"), chosen);
    request.Format = chosen == formats[1] ? 1 : 0;
    return name.toStdString();
}

std::optional<TOrderList> TDialogPrompts::ComposeOrder() { return Form_.Files().SmfCustomCommand(); }

bool TDialogPrompts::ConfirmWarning(const std::string& question) {
    return Form_.ShowMessage(QMessageBox::Warning, CoreText(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool TDialogPrompts::Confirm(const std::string& question) {
    return Form_.ShowMessage(QMessageBox::Question, CoreText(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace veka
