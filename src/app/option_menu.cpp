#include "app/option_menu.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLayout>
#include <QMdiArea>
#include <QPushButton>

#include "widgets/veka_grid.h"
#include "app/main_window.h"
#include "document/document.h"
#include "document/settings.h"
#include "app/other_options_dialog.h"
#include "smf/setup_commands.h"
#include "windows/keyboard_window.h"
#include "app/managed_windows.h"

namespace veka {

TOptionMenu::TOptionMenu(TVekaMainForm& form, TDocument& document, TSettings& settings, TSettingsData& data,
                         TLanguage language)
    : Form_(form), Doc_(document), Settings_(settings), Data_(data), Language_(language) {}

void TOptionMenu::OtherOptionsCommand() {
    const int timeBase = Settings_.ReadInteger("smf fine", "timebase", 0);
    TOterOption dialog(Data_.Options, timeBase, Data_.UseMidiIn, Language_, &Form_);
    if (Form_.Hooks.OtherOptions) Form_.Hooks.OtherOptions(dialog);
    else dialog.exec();
    // The keyboard window's switch follows the computer keyboard's option at once.
    const std::array<bool, 13> options = dialog.Options();
    SetPcKeyboard(options[size_t(int(TOption::PcKeyboard) - 1)]);
    Data_.Options = options;
    if (Language_ == TLanguage::English) Data_.SetOption(TOption::ReviewEdit, false);
    if (auto* w = Form_.Windows().Window(wnKeyboard))
        if (auto* keyboard = dynamic_cast<TKeyboardWindow*>(w->widget())) keyboard->Stabilize();
    // The time base is written now; the options themselves with the rest at close.
    Settings_.WriteInteger("smf fine", "timebase", dialog.TimeBase());
    Doc_.Session().Router.Thru = Data_.UseMidiIn && Data_.Option(TOption::MidiEcho);
    Form_.ApplyMdiBackground();
}

QFont TOptionMenu::GridFont() const {
    return QFont(QString::fromStdString(Data_.FontName), std::clamp(Data_.FontSize, 1, kMaxGridFontSize));
}

void TOptionMenu::ApplyGridFont(const QFont& font) {
    // A font without Latin letters (symbols, dingbats) would show every value as pictures: the
    // grids keep their family then and take the size only.
    const QString family = QFontInfo(font).family();
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin) || family == QString::fromStdString(Data_.FontName))
        Data_.FontName = font.family().toStdString();
    int size = font.pointSize();
    if (size <= 0) size = Data_.FontSize;  // a pixel-sized font keeps the size before
    Data_.FontSize = std::clamp(size, 1, kMaxGridFontSize);
    const QFont gridFont = GridFont();
    Form_.Windows().ForEachOpen([&](int, TManagedSubWindow* window) {
        QWidget* content = window->widget();
        if (!content) return;
        const auto grids = content->findChildren<TVekaGrid*>();
        if (grids.isEmpty()) return;
        // Each grid's cells, header and in-place editor; the windows fit their columns to it.
        for (TVekaGrid* grid : grids) {
            grid->setFont(gridFont);
            grid->FitHeight();
            grid->viewport()->update();
        }
        // Then the window and its frame take the sizes their content asks for now.
        content->updateGeometry();
        for (QWidget* w : {content, static_cast<QWidget*>(window)})
            if (QLayout* layout = w->layout()) {
                layout->invalidate();
                layout->activate();
            }
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        if (!window->isMaximized() && (window->width() < least.width() || window->height() < least.height()))
            window->resize(window->size().expandedTo(least));
    });
}

void TOptionMenu::FontCommand() {
    const QFont kept = GridFont();
    // Fixed-pitch fonts only, the grids' own font chosen. The options come first: the dialog
    // sorts its families when its font is set.
    QFontDialog dialog(&Form_);
    dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::MonospacedFonts | QFontDialog::ScalableFonts);
    // A proportional grid font (the Japanese default) is not among them: the system's fixed font
    // at the same size is offered first then.
    QString family = QFontInfo(kept).family();
    if (!QFontDatabase::isFixedPitch(family)) family = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    dialog.setCurrentFont(QFont(family, kept.pointSize()));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* apply = buttons->addButton(QDialogButtonBox::Apply);
        QObject::connect(apply, &QPushButton::clicked, &Form_, [this, &dialog] { ApplyGridFont(dialog.currentFont()); });
    }
    const bool ok = Form_.Hooks.FontDialog ? Form_.Hooks.FontDialog(dialog) : dialog.exec() == QDialog::Accepted;
    ApplyGridFont(ok ? dialog.currentFont() : kept);
}

void TOptionMenu::SetPcKeyboard(bool on) {
    if (!on) Doc_.NotePlayer().ReleaseKeys();
    Data_.SetOption(TOption::PcKeyboard, on);
}

}  // namespace veka
