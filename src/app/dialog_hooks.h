#pragma once
// The program's modal dialogs, each of which tests may replace to answer without a screen. An
// empty hook shows the real dialog.
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "document/request_command.h"
#include "module/setup_reader.h"
#include "smf/order_file.h"
#include "windows/custom_file_dialog.h"

class QFontDialog;

namespace veka {

class THotKeyDlg;
class TOterOption;
class TOtherSeqWindow;

struct TDialogHooks {
    // Every message box.
    std::function<QMessageBox::StandardButton(QMessageBox::Icon icon, const QString& text,
                                              QMessageBox::StandardButtons buttons)>
        Message;
    // The port dialog (the real one is modal), and the first start's quit offer: true to quit.
    std::function<void()> PortDialog;
    std::function<bool()> QuitOffer;
    // The open and save file dialogs: a name, empty for Cancel; the filter a save dialog of
    // several filters ends on (given the one it starts with).
    std::function<QString(const QString& caption, const QString& folder, const QString& filter)> OpenName;
    std::function<QString(const QString& caption, const QString& folder, const QString& filter)> SaveName;
    std::function<QString(const QString& offered)> SaveFilter;
    // Every choice from one list (the destination of a part file, the object of a save or an
    // export): an index, nothing for Cancel.
    std::function<std::optional<int>(const TSelectRequest& request)> Select;
    // The custom file window: the choice, nothing for Cancel (a view-only window answers nothing).
    std::function<std::optional<TCustomChoice>(const TCustomChoice& shown, bool viewOnly)> CustomFile;
    // The part commands' parts (1..16), nothing for Cancel.
    std::function<std::optional<std::pair<int, int>>(int kind)> PartChoice;
    // The composition window of a song's setup: the order list, nothing for Cancel.
    std::function<std::optional<TOrderList>()> SmfCustom;
    // The data request's selection window: the choice, nothing for Cancel.
    std::function<std::optional<TDataRequestChoice>(const TDataRequestChoice& stored)> DataRequestChoice;
    // The Option menu's dialogs, worked by the hook instead of the user; the font hook answers
    // whether the dialog ended with OK.
    std::function<void(TOterOption&)> OtherOptions;
    std::function<bool(QFontDialog&)> FontDialog;
    std::function<void(THotKeyDlg&)> HotKeyDialog;
    std::function<void(TOtherSeqWindow&)> SequencerDialog;
};

}  // namespace veka
