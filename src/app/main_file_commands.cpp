// The main window's file commands: Open (the dialog, a recent entry, a name given on the
// command line, handed over or dropped), the saves of one object, the exclusive-file export,
// the recent-file list and the window layout kept beside a setup file.
#include <QApplication>
#include <algorithm>
#include <QFileDialog>
#include <QFile>
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
#include "app/splash.h"
#include "document/layout_file.h"
#include "document/open_commands.h"
#include "document/save_commands.h"

namespace veka {

namespace {

constexpr char kFilePath[] = "file path";
constexpr char kDataFolderKey[] = "veka data";

}  // namespace

std::optional<int> TVekaMainForm::ChooseFromList(const TSelectRequest& request) {
    std::optional<int> answer;
    if (Hooks.Select) {
        answer = Hooks.Select(request);
    } else {
        TGlobalSelectWindow dialog(Language_, this);
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

QString TVekaMainForm::DataFolder() const {
    return QString::fromStdString(Settings_.ReadString(kFilePath, kDataFolderKey, Options_.ProgramFolder));
}

void TVekaMainForm::StoreDataFolder(const QString& fileName) {
    Settings_.WriteString(kFilePath, kDataFolderKey, QFileInfo(fileName).absolutePath().toStdString());
}

// Recent files ------------------------------------------------------------------------------

void TVekaMainForm::AddRecentFile(const QString& fileName) {
    if (veka::AddRecentFile(Data_.History, fileName.toStdString())) StoreRecentFiles();
}

void TVekaMainForm::StoreRecentFiles() {
    // Kept at once as well as at the close: a crash must not take the list with it.
    TIniDocument ini = Settings_.Open();
    for (size_t n = 0; n < Data_.History.size(); ++n)
        ini.WriteString(kFilePath, "history " + std::to_string(n), Data_.History[n]);
    Settings_.Save(ini);
    ShowRecentFiles();
}

void TVekaMainForm::ShowRecentFiles() {
    for (size_t n = 0; n < RecentActions_.size(); ++n) {
        QAction* action = RecentActions_[n];
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

void TVekaMainForm::OpenCommand() {
    const QString caption = Tr(CommandCaption(TCommand::Open), Language_);
    const QString name = Hooks.OpenName ? Hooks.OpenName(caption, DataFolder(), OpenFilters(Language_))
                                      : QFileDialog::getOpenFileName(this, caption, DataFolder(), OpenFilters(Language_));
    if (name.isEmpty()) return;
    if (IsSongName(name)) {
        ImportSong(name);
        return;
    }
    OpenFile(name, TOpenWay::Dialog);
}

void TVekaMainForm::OpenRecent(int index) {
    if (index < 0 || index >= kOpenableRecentFiles) return;
    const QString name = QString::fromStdString(Data_.History[size_t(index)]);
    if (name.isEmpty()) return;
    if (!QFileInfo(name).isFile()) {
        // Moved or deleted since: offer to take it off the list.
        const QString text = Language_ == TLanguage::Japanese
                                 ? QString::fromUtf8("%1 が見つかりません\n一覧から削除しますか？").arg(name)
                                 : QStringLiteral("%1 is not there any more.\nRemove it from the list?").arg(name);
        if (ShowMessage(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
            std::move(Data_.History.begin() + index + 1, Data_.History.end(), Data_.History.begin() + index);
            Data_.History.back().clear();
            StoreRecentFiles();
        }
        return;
    }
    OpenFile(name, TOpenWay::Recent);
}

void TVekaMainForm::OpenByName(const QString& fileName) {
    if (fileName.isEmpty()) return;
    // The long form of the name: links and relative parts resolved.
    const QFileInfo info(fileName);
    const QString name = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (IsSongName(name)) {
        ImportSong(name);
        return;
    }
    OpenFile(name, FirstShowDone_ ? TOpenWay::ByName : TOpenWay::CommandLine);
}

// What the window shows around an open: the splash at start, the waiting pointer, the layout
// and the custom file's contents.
class TWindowOpenView : public IOpenView {
public:
    TWindowOpenView(TVekaMainForm& form, TMySplash* splash) : Form_(form), Splash_(splash) {}
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
        return Form_.LoadLayout(QString::fromStdString(file)).toStdString();
    }
    void CustomFileRead(const std::string& file, const std::vector<TSetupRecord>& headers) override {
        Form_.ShowCustomFileContents(QString::fromStdString(file), headers);
    }

private:
    void ShowSplash(const QString& text, bool sending) {
        if (Splash_ && Splash_->isVisible()) Splash_->SetStatus(text, sending);
    }
    TVekaMainForm& Form_;
    TMySplash* Splash_;
};

void TVekaMainForm::OpenFile(const QString& fileName, TOpenWay way) {
    TWindowOpenView view(*this, Splash_);
    const TOpenResult result =
        OpenSetupFile(*Doc_, fileName.toStdString(), way, FirstShowDone_, Prompts(), CommandFrame(), view);
    if (result.Sent) SendSwitches_ = result.SendSwitches;
}

// Layout ------------------------------------------------------------------------------------

void TVekaMainForm::SaveLayout(const QString& setupFile) {
    const std::string name = LayoutFileName(setupFile.toStdString());
    if (name.empty()) return;
    TLayout layout;
    layout.Notes = Doc_->LastNotes();
    for (int code = 0; code < wnCount; ++code) {
        const TWindowDescriptor* d = DescriptorOfLayoutCode(code);
        TManagedSubWindow* window = d ? Windows_->Window(d->Number) : nullptr;
        if (!window) continue;
        const QRect r = window->geometry();
        layout.Windows.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                                  window->isMinimized() ? code + 128 : code});
    }
    std::string error;
    if (!WriteLayoutFile(name, layout, error))
        StatusArea_->ShowHelp((Language_ == TLanguage::Japanese ? QString::fromUtf8("ウィンドウ配置を保存できません: ")
                                                           : QStringLiteral("The window layout was not saved: ")) +
                         QString::fromStdString(error));
}

QString TVekaMainForm::LoadLayout(const QString& setupFile) {
    const TLayoutReadResult read = ReadLayoutFile(LayoutFileName(setupFile.toStdString()));
    if (!read.Found) return {};
    if (!read.Error.empty())
        return (Language_ == TLanguage::Japanese ? QString::fromUtf8("ウィンドウ配置を読めません: ")
                                                 : QStringLiteral("The window layout could not be read: ")) +
               QString::fromStdString(read.Error);
    Doc_->LastNotes() = read.Layout.Notes;
    if (!Data_.Option(TOption::LayoutInFile)) return {};
    std::array<bool, wnCount + 1> listed{};
    for (const TLayoutRecord& record : read.Layout.Windows) {
        const TWindowDescriptor* d = DescriptorOfLayoutCode(record.WindowCode());
        if (!d || !Windows_->Available(d->Number)) continue;
        TManagedSubWindow* window = Windows_->OpenOrBringForward(d->Number);
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
    Windows_->ForEachOpen([&](int number, TManagedSubWindow* window) {
        if (!listed[size_t(number)]) window->CloseForGood();
    });
    return {};
}

// Saves of one object -----------------------------------------------------------------------

bool TVekaMainForm::SaveObject(TSetupFileKind kind) { return SaveObjectCommand(*Doc_, kind, Prompts(), CommandFrame()); }

// Custom file --------------------------------------------------------------------------------

namespace {
// No comment a user writes comes near this; a larger companion file is not shown.
constexpr qint64 kMaxCommentBytes = 256 * 1024;
}  // namespace

std::optional<TCustomChoice> TVekaMainForm::ShowCustomFile(const TCustomChoice& shown, bool viewOnly) {
    // The computer keys type into the memo, not into the module.
    Doc_->TestNote().Stop();
    if (Hooks.CustomFile) return Hooks.CustomFile(shown, viewOnly);
    QStringList labels;
    for (int port = 0; port < kPortCount; ++port)
        for (int part = 1; part <= kPartsPerPort; ++part)
            labels << QString::fromStdString(PartName(port, part) + " " + Doc_->Image().PartToneName(port, part));
    TCustomFile dialog(Language_, labels, viewOnly, this);
    dialog.SetChoice(shown);
    if (dialog.exec() != QDialog::Accepted || viewOnly) return std::nullopt;
    return dialog.Choice();
}

bool TVekaMainForm::SaveCustomFile() {
    const auto choice = ShowCustomFile({}, false);
    if (!choice) return false;
    const TCustomSelection& selection = choice->Selection;
    const bool anyGroup = std::find(std::begin(selection.Groups), std::end(selection.Groups), true) != std::end(selection.Groups);
    // Nothing chosen, or nothing of what was chosen differs from the defaults.
    TDifferenceList list;
    if ((!anyGroup && selection.GlobalParts.empty()) || CollectCustomFile(Doc_->Image(), list, selection, StatusArea_->Progress()) == 0) {
        ShowMessage(QMessageBox::Information, Message(20, Language_));
        return false;
    }
    const QString name =
        QString::fromStdString(veka::SaveCollected(*Doc_, list, TSetupFileKind::Custom, Prompts(), CommandFrame()));
    if (name.isEmpty()) return false;
    const QByteArray comment = choice->Comment.toUtf8();
    std::string error;
    if (!ReplaceFile(CommentFileName(name).toStdString(),
                     std::span(reinterpret_cast<const uint8_t*>(comment.constData()), size_t(comment.size())), error))
        ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
    return true;
}

void TVekaMainForm::ShowCustomFileContents(const QString& fileName, const std::vector<TSetupRecord>& headers) {
    TCustomChoice shown;
    shown.Selection = CustomSelectionOfHeaders(headers);
    QFile comment(CommentFileName(fileName));
    if (comment.size() <= kMaxCommentBytes && comment.open(QIODevice::ReadOnly))
        shown.Comment = QString::fromUtf8(comment.readAll());
    ShowCustomFile(shown, true);
}

// Exclusive-file export ---------------------------------------------------------------------

bool TVekaMainForm::ExportSysx(TExportKind kind) { return ExportSysxCommand(*Doc_, kind, Prompts(), CommandFrame()); }

}  // namespace veka
