// The Option menu's dialogs of the shell: Other Options and the grid font.
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLayout>
#include <QMdiArea>
#include <QPushButton>

#include "editors/veka_grid.h"
#include "shell/app/main_window.h"
#include "shell/app/other_options_dialog.h"
#include "smf/setup_commands.h"
#include "windows/keyboard_window.h"

namespace veka {

void TVekaMainForm::OtherOptionsCommand() {
    const int timeBase = Settings_.ReadInteger("smf fine", "timebase", 0);
    TOterOption dialog(Data_.Options, timeBase, Data_.UseMidiIn, Language_, this);
    if (OtherOptionsHook) OtherOptionsHook(dialog);
    else dialog.exec();
    // The keyboard window's switch follows the computer keyboard's option at once.
    const std::array<bool, 13> options = dialog.Options();
    SetPcKeyboard(options[size_t(int(TOption::PcKeyboard) - 1)]);
    Data_.Options = options;
    if (Language_ == TLanguage::English) Data_.SetOption(TOption::ReviewEdit, false);
    if (auto* w = Windows_->Window(wnKeyboard))
        if (auto* keyboard = dynamic_cast<TKeyboardWindow*>(w->widget())) keyboard->Stabilize();
    // The time base is written now; the options themselves with the rest at close.
    Settings_.WriteInteger("smf fine", "timebase", dialog.TimeBase());
    Session_->Router.Thru = Data_.UseMidiIn && Data_.Option(TOption::MidiEcho);
    ApplyMdiBackground();
}

QFont TVekaMainForm::GridFont() const {
    return QFont(QString::fromStdString(Data_.FontName), std::clamp(Data_.FontSize, 1, kMaxGridFontSize));
}

void TVekaMainForm::ApplyGridFont(const QFont& font) {
    Data_.FontName = font.family().toStdString();
    int size = font.pointSize();
    if (size <= 0) size = Data_.FontSize;  // a pixel-sized font keeps the size before
    Data_.FontSize = std::clamp(size, 1, kMaxGridFontSize);
    const QFont gridFont = GridFont();
    Windows_->ForEachOpen([&](int, TManagedSubWindow* window) {
        QWidget* content = window->widget();
        if (!content) return;
        const auto grids = content->findChildren<TVekaGrid*>();
        for (TVekaGrid* grid : grids) {
            grid->setFont(gridFont);  // its cells, its header and its in-place editor
            grid->FitHeight();
            grid->viewport()->update();
        }
        if (!grids.isEmpty() && content->layout()) content->layout()->activate();
    });
}

void TVekaMainForm::FontCommand() {
    const QFont kept = GridFont();
    QFontDialog dialog(kept, this);
    dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::MonospacedFonts);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* apply = buttons->addButton(QDialogButtonBox::Apply);
        connect(apply, &QPushButton::clicked, this, [this, &dialog] { ApplyGridFont(dialog.currentFont()); });
    }
    const bool ok = FontDialogHook ? FontDialogHook(dialog) : dialog.exec() == QDialog::Accepted;
    ApplyGridFont(ok ? dialog.currentFont() : kept);
}

}  // namespace veka
