#include "app/help_menu.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "app/contact_form.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "app/sys_info.h"
#include "document/document.h"
#include "document/send_commands.h"
#include "midi/midi_devices.h"
#include "app/dialog_prompts.h"

namespace veka {

THelpMenu::THelpMenu(TVekaMainForm& form, TDocument& document, TLanguage language, std::optional<bool> administrator)
    : Form_(form), Doc_(document), Language_(language), Administrator_(administrator) {
    TMidiDevices& devices = TMidiDevices::Instance();
    for (const auto& input : devices.Inputs()) InputLines_.push_back("[MIDIIN]" + input.Name);
    for (const auto& output : devices.Outputs()) OutputLines_.push_back("[MIDIOUT]" + output.Name);
}

void THelpMenu::AboutCommand() {
    std::string identity;
    if (Form_.Data().UseMidiIn && Doc_.Session().Input.IsOpen()) {
        try {
            Doc_.Session().Request.DetectModel(&identity);
        } catch (const std::exception& error) {
            WarnSendFailed(Form_.Prompts(), Language_, error);
        }
    }
    TMySplash about(Language_ == TLanguage::English, &Form_);
    about.SetIdentity(QString::fromStdString(identity));
    about.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    about.exec();
}

void THelpMenu::ContactFormCommand() {
    TMySysInfo info;
    info.Administrator = Administrator_;
    const std::string text = ContactFormText(info, Language_, Doc_.Image().ModuleType(), InputLines_, OutputLines_);
    TInqWindow form(text, Language_, &Form_);
    form.exec();
}

void THelpMenu::HelpContents() {
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
    const QString cannot = Language_ == TLanguage::Japanese ? QStringLiteral("ヘルプを開けません: ")
                                                            : QStringLiteral("The manual could not be opened: ");
    Form_.ShowMessage(QMessageBox::Warning, cannot + shown);
}

}  // namespace veka
