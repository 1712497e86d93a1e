#include "app/file_menu.h"

#include <QApplication>
#include <algorithm>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QLabel>
#include <QMenuBar>

#include "windows/global_select_window.h"
#include "module/difference_list.h"
#include "module/safe_file.h"
#include "module/setup_file.h"
#include "module/user_messages.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "document/document.h"
#include "document/settings.h"
#include "app/splash.h"
#include "document/layout_file.h"
#include "document/recent_files.h"
#include "document/open_commands.h"
#include "document/save_commands.h"
#include "app/dialog_prompts.h"
#include "app/managed_windows.h"
#include "app/status_area.h"

namespace veka {

namespace {

constexpr char kFilePath[] = "file path";
constexpr char kDataFolderKey[] = "veka data";

}  // namespace

TFileMenu::TFileMenu(TVekaMainForm& form, TDocument& document, TSettings& settings, TSettingsData& data,
                     const TStartOptions& options, TLanguage language)
    : Form_(form), Doc_(document), Settings_(settings), Data_(data), Options_(options), Language_(language) {}

bool TFileMenu::AskSave(int message) { return SaveChangesFirst(Doc_, message, Form_.Prompts(), Form_.CommandFrame()); }

bool TFileMenu::New(bool send) {
    if (!AskSave(63)) return false;
    Doc_.New(send, Form_.Prompts(), [this](const std::string& text) {
        if (Form_.Splash() && Form_.Splash()->isVisible() && !Options_.NoDialog()) Form_.Splash()->SetStatus(QString::fromStdString(text), false);
    });
    return true;
}

bool TFileMenu::FileNew() {
    const bool done = New(true);
    Form_.RefreshAll();
    return done;
}

bool TFileMenu::Save() { return SaveCommand(Doc_, Form_.Prompts(), Form_.CommandFrame()); }

bool TFileMenu::SaveAllData() { return SaveAllDataCommand(Doc_, Form_.Prompts(), Form_.CommandFrame()); }

QString TFileMenu::DataFolder() const {
    return QString::fromStdString(Settings_.ReadString(kFilePath, kDataFolderKey, Options_.ProgramFolder));
}

void TFileMenu::StoreDataFolder(const QString& fileName) {
    Settings_.WriteString(kFilePath, kDataFolderKey, QFileInfo(fileName).absolutePath().toStdString());
}

// Recent files ------------------------------------------------------------------------------

void TFileMenu::AddRecentFile(const QString& fileName) {
    if (veka::AddRecentFile(Data_.History, fileName.toStdString())) StoreRecentFiles();
}

void TFileMenu::StoreRecentFiles() {
    // Kept at once as well as at the close: a crash must not take the list with it.
    TIniDocument ini = Settings_.Open();
    for (size_t n = 0; n < Data_.History.size(); ++n)
        ini.WriteString(kFilePath, "history " + std::to_string(n), Data_.History[n]);
    Settings_.Save(ini);
    ShowRecentFiles();
}

void TFileMenu::ShowRecentFiles() {
    for (size_t n = 0; n < RecentActions.size(); ++n) {
        QAction* action = RecentActions[n];
        if (!action) continue;
        const QString name = QString::fromStdString(Data_.History[n]);
        action->setText(name);
        action->setVisible(!name.isEmpty());
        // The ninth entry only holds a name for the list to move on.
        action->setEnabled(int(n) < kOpenableRecentFiles);
    }
}

// Open --------------------------------------------------------------------------------------

namespace {
bool IsSongName(const QString& name) {
    return name.endsWith(QStringLiteral(".mid"), Qt::CaseInsensitive) || name.endsWith(QStringLiteral(".midi"), Qt::CaseInsensitive);
}
}  // namespace

void TFileMenu::OpenCommand() {
    const QString caption = Tr(CommandCaption(TCommand::Open), Language_);
    const QString name = Form_.Hooks.OpenName ? Form_.Hooks.OpenName(caption, DataFolder(), OpenFilters(Language_))
                                      : QFileDialog::getOpenFileName(&Form_, caption, DataFolder(), OpenFilters(Language_));
    if (name.isEmpty()) return;
    if (IsSongName(name)) {
        ImportSong(name);
        return;
    }
    OpenFile(name, TOpenWay::Dialog);
}

void TFileMenu::OpenRecent(int index) {
    if (index < 0 || index >= kOpenableRecentFiles) return;
    const QString name = QString::fromStdString(Data_.History[size_t(index)]);
    if (name.isEmpty()) return;
    if (!QFileInfo(name).isFile()) {
        // Moved or deleted since: offer to take it off the list.
        const QString text = Language_ == TLanguage::Japanese
                                 ? QString::fromUtf8("%1 が見つかりません\n一覧から削除しますか？").arg(name)
                                 : QStringLiteral("%1 is not there any more.\nRemove it from the list?").arg(name);
        if (Form_.ShowMessage(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
            std::move(Data_.History.begin() + index + 1, Data_.History.end(), Data_.History.begin() + index);
            Data_.History.back().clear();
            StoreRecentFiles();
        }
        return;
    }
    OpenFile(name, TOpenWay::Recent);
}

void TFileMenu::OpenByName(const QString& fileName) {
    if (fileName.isEmpty()) return;
    // The long form of the name: links and relative parts resolved.
    const QFileInfo info(fileName);
    const QString name = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (IsSongName(name)) {
        ImportSong(name);
        return;
    }
    OpenFile(name, Form_.Started() ? TOpenWay::ByName : TOpenWay::CommandLine);
}

// What the window shows around an open: the splash at start, the waiting pointer, the layout
// and the custom file's contents.
namespace {
class TWindowOpenView : public IOpenView {
public:
    TWindowOpenView(TVekaMainForm& form, TFileMenu& menu) : Form_(form), Menu_(menu) {}
    void BringToFront() override { Form_.Activate(QString()); }
    void Reading(const std::string& file, bool reading) override {
        if (reading) {
            ShowSplash(QStringLiteral("Loading : ") + QString::fromStdString(file), false);
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }
    void Sending(const std::string& file) override {
        ShowSplash(QStringLiteral("Sending : ") + QString::fromStdString(file), true);
    }
    std::string SetupOpened(const std::string& file) override {
        return Menu_.LoadLayout(QString::fromStdString(file)).toStdString();
    }
    void CustomFileRead(const std::string& file, const std::vector<TSetupRecord>& headers) override {
        Menu_.ShowCustomFileContents(QString::fromStdString(file), headers);
    }

private:
    void ShowSplash(const QString& text, bool sending) {
        if (Form_.Splash() && Form_.Splash()->isVisible()) Form_.Splash()->SetStatus(text, sending);
    }
    TVekaMainForm& Form_;
    TFileMenu& Menu_;
};
}  // namespace

void TFileMenu::OpenFile(const QString& fileName, TOpenWay way) {
    TWindowOpenView view(Form_, *this);
    const TOpenResult result =
        OpenSetupFile(Doc_, fileName.toStdString(), way, Form_.Started(), Form_.Prompts(), Form_.CommandFrame(), view);
    if (result.Sent) SendSwitches_ = result.SendSwitches;
}

// Layout ------------------------------------------------------------------------------------

void TFileMenu::SaveLayout(const QString& setupFile) {
    const std::string name = LayoutFileName(setupFile.toStdString());
    if (name.empty()) return;
    TLayout layout;
    layout.Notes = Doc_.LastNotes();
    for (int code = 0; code < wnCount; ++code) {
        const TWindowDescriptor* d = DescriptorOfLayoutCode(code);
        TManagedSubWindow* window = d ? Form_.Windows().Window(d->Number) : nullptr;
        if (!window) continue;
        const QRect r = window->geometry();
        layout.Windows.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                                  window->isMinimized() ? code + 128 : code});
    }
    std::string error;
    if (!WriteLayoutFile(name, layout, error))
        Form_.StatusArea().ShowHelp((Language_ == TLanguage::Japanese ? QString::fromUtf8("ウィンドウ配置を保存できません: ")
                                                           : QStringLiteral("The window layout was not saved: ")) +
                         QString::fromStdString(error));
}

QString TFileMenu::LoadLayout(const QString& setupFile) {
    const TLayoutReadResult read = ReadLayoutFile(LayoutFileName(setupFile.toStdString()));
    if (!read.Found) return {};
    if (!read.Error.empty())
        return (Language_ == TLanguage::Japanese ? QString::fromUtf8("ウィンドウ配置を読めません: ")
                                                 : QStringLiteral("The window layout could not be read: ")) +
               QString::fromStdString(read.Error);
    Doc_.LastNotes() = read.Layout.Notes;
    if (!Data_.Option(TOption::LayoutInFile)) return {};
    std::array<bool, wnCount + 1> listed{};
    for (const TLayoutRecord& record : read.Layout.Windows) {
        const TWindowDescriptor* d = DescriptorOfLayoutCode(record.WindowCode());
        if (!d || !Form_.Windows().Available(d->Number)) continue;
        TManagedSubWindow* window = Form_.Windows().OpenOrBringForward(d->Number);
        if (!window) continue;
        listed[size_t(d->Number)] = true;
        if (record.Minimized()) {
            window->showMinimized();
        } else {
            if (window->isMinimized()) window->showNormal();
            // A record from a larger screen still leaves the window where it can be reached.
            const int width = int(std::min<int64_t>(int64_t(record.Right) - record.Left, 16384));
            const int height = int(std::min<int64_t>(int64_t(record.Bottom) - record.Top, 16384));
            window->setGeometry(std::clamp(record.Left, -width + 40, 16384), std::clamp(record.Top, 0, 16384), width, height);
        }
    }
    Form_.Windows().ForEachOpen([&](int number, TManagedSubWindow* window) {
        if (!listed[size_t(number)]) window->CloseForGood();
    });
    return {};
}

// Saves of one object -----------------------------------------------------------------------

bool TFileMenu::SaveObject(TSetupFileKind kind) { return SaveObjectCommand(Doc_, kind, Form_.Prompts(), Form_.CommandFrame()); }

// Custom file --------------------------------------------------------------------------------

std::optional<TCustomChoice> TFileMenu::ShowCustomFile(const TCustomChoice& shown, bool viewOnly) {
    // The computer keys type into the memo, not into the module.
    Doc_.TestNote().Stop();
    if (Form_.Hooks.CustomFile) return Form_.Hooks.CustomFile(shown, viewOnly);
    QStringList labels;
    for (int port = 0; port < kPortCount; ++port)
        for (int part = 1; part <= kPartsPerPort; ++part)
            labels << QString::fromStdString(PartName(port, part) + " " + Doc_.Image().PartToneName(port, part));
    TCustomFile dialog(Language_, labels, viewOnly, &Form_);
    dialog.SetChoice(shown);
    if (dialog.exec() != QDialog::Accepted || viewOnly) return std::nullopt;
    return dialog.Choice();
}

bool TFileMenu::SaveCustomFile() {
    const auto choice = ShowCustomFile({}, false);
    if (!choice) return false;
    return SaveCustomFileCommand(Doc_, choice->Selection, choice->Comment.toStdString(), Form_.Prompts(), Form_.CommandFrame());
}

void TFileMenu::ShowCustomFileContents(const QString& fileName, const std::vector<TSetupRecord>& headers) {
    TCustomChoice shown;
    shown.Selection = CustomSelectionOfHeaders(headers);
    shown.Comment = QString::fromStdString(ReadCustomComment(fileName.toStdString()));
    ShowCustomFile(shown, true);
}

// Exclusive-file export ---------------------------------------------------------------------

bool TFileMenu::ExportSysx(TExportKind kind) { return ExportSysxCommand(Doc_, kind, Form_.Prompts(), Form_.CommandFrame()); }

}  // namespace veka
