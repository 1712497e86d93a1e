// The main window's own commands: New, Save, Send All, Panic, the copy button, the port
// dialog, About, the contact form, Help and the Window menu.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QMdiArea>
#include <QUrl>

#include "app/midi_setting_dialog.h"
#include "module/difference_list.h"
#include "module/setup_file.h"
#include "app/contact_form.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "app/sys_info.h"
#include "document/module_settings.h"
#include "document/save_commands.h"
#include "document/send_commands.h"

namespace veka {

void TVekaMainForm::ReportSendError(const std::exception& error) { WarnSendFailed(Prompts(), Language_, error); }

void TVekaMainForm::CopySysxText() {
    const std::string text =
        SysexCopyText(HexPanel_->text().toStdString(), Data_.Option(TOption::CopyWithoutF0F7), Doc_->Session().Transmitter.SysxSpace);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void TVekaMainForm::AboutCommand() {
    std::string identity;
    if (Data_.UseMidiIn && Doc_->Session().Input.IsOpen()) {
        try {
            Doc_->Session().Request.DetectModel(&identity);
        } catch (const std::exception& error) {
            ReportSendError(error);
        }
    }
    TMySplash about(Language_ == TLanguage::English, this);
    about.SetIdentity(QString::fromStdString(identity));
    about.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    about.exec();
}

void TVekaMainForm::ContactFormCommand() {
    TMySysInfo info;
    info.Administrator = Administrator_;
    const std::string text = ContactFormText(info, Language_, Doc_->Image().ModuleType(), InputLines_, OutputLines_);
    TInqWindow form(text, Language_, this);
    form.exec();
}

void TVekaMainForm::HelpContents() {
    const QString app = QCoreApplication::applicationDirPath();
    QString manual;
    for (const QString& path : {app + "/help/veka4.html", app + "/../share/veka4/help/veka4.html"})
        if (QFileInfo::exists(path)) {
            manual = QFileInfo(path).absoluteFilePath();
            break;
        }
    if (!manual.isEmpty()) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) return;
        // Without a desktop's URL handler the desktop's own opener may still know a browser.
        if (QProcess::startDetached(QStringLiteral("xdg-open"), {manual})) return;
    }
    const QString shown = manual.isEmpty() ? QDir::toNativeSeparators(app + "/help/veka4.html") : manual;
    ShowMessage(QMessageBox::Warning, (Language_ == TLanguage::Japanese ? QStringLiteral("ヘルプを開けません: ")
                                                                        : QStringLiteral("The manual could not be opened: ")) +
                                          shown);
}

void TVekaMainForm::MinimizeAll() {
    const auto list = Mdi_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->showMinimized();
}

void TVekaMainForm::CloseAll() { Windows_->CloseAll(); }

void TVekaMainForm::ArrangeIcons() {
    // Minimised windows in one row along the bottom, in the order they were created.
    int left = 0;
    const int bottom = Mdi_->viewport()->height();
    for (QMdiSubWindow* window : Mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) continue;
        window->move(left, std::max(0, bottom - window->height()));
        left += window->width();
    }
}

}  // namespace veka
