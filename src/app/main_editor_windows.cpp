// The editor windows the main window can open, each made by its factory when first asked for.

#include "windows/drum_window.h"
#include "windows/effect_window.h"
#include "windows/part_window.h"
#include "document/document.h"
#include "windows/patch_window.h"
#include "windows/user_drum_window.h"
#include "windows/assign_window.h"
#include "windows/compare_window.h"
#include "windows/display_window.h"
#include "windows/keyboard_window.h"
#include "windows/master_window.h"
#include "app/sysx_history_dialog.h"
#include "app/main_window.h"
#include "windows/window_services.h"
#include "app/managed_windows.h"
#include "app/communication_menu.h"
#include "app/window_services_host.h"

namespace veka {

void TVekaMainForm::RegisterEditorWindows() {
    Windows_->SetFactory(wnSysxHistory, [this]() -> QWidget* {
        History_ = new TSysxHistoryDialog(Doc_->Session().Transmitter.History, TOptionsView(Data_), Language_);
        connect(History_, &QObject::destroyed, this, [this] { History_ = nullptr; });
        return History_;
    });
    Windows_->SetFactory(wnPart, [this]() -> QWidget* { return new TPartWindow1(Services(), Program_.PartOrders(), Doc_->Playback()); });
    Windows_->SetFactory(wnMaster, [this]() -> QWidget* { return new TMasterWindow(Services()); });
    Windows_->SetFactory(wnDrum, [this]() -> QWidget* { return new TDrumWindow1(Services(), Program_.PartOrders()); });
    Windows_->SetFactory(wnUserDrum, [this]() -> QWidget* { return new TUserDrumWindow(Services(), *Services_, Program_.PartOrders()); });
    Windows_->SetFactory(wnPatch, [this]() -> QWidget* { return new TPatchWindow(Services()); });
    Windows_->SetFactory(wnEffect, [this]() -> QWidget* { return new TEffectWindow(Services(), *Services_); });
    Windows_->SetFactory(wnCompare, [this]() -> QWidget* { return new TCompareWindow(Services(), *Communication_); });
    Windows_->SetFactory(wnDisplay, [this]() -> QWidget* { return new TDisplayWindow(Services(), *Services_); });
    Windows_->SetFactory(wnKeyboard, [this]() -> QWidget* { return new TKeyboardWindow(Services(), Doc_->NotePlayer(), *Services_); });
    Windows_->SetFactory(wnMatrix, [this]() -> QWidget* { return new TAssignWindow(Services(), Doc_->NotePlayer()); });
}

}  // namespace veka
