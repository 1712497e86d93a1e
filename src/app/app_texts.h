#pragma once
// The shell's captions in both languages: menus, toolbar hints and labels, and the few texts
// of its own. The numbered messages live in module/user_messages.
#include <QString>
#include <string_view>

#include "widgets/caption.h"
#include "module/language.h"
#include "document/product.h"

namespace veka {

QString Message(int number, TLanguage language);
// A text of the core as the windows show it: UTF-8, its CR LF line breaks as plain ones.
QString CoreText(std::string_view text);

// The main window's commands. The order is the menu order.
enum class TCommand {
    New, Open, Save, SaveAllData, SaveOnePart, SaveOneDrumMap, SaveOneUserDrum, SaveCustom, ExportSmf,
    ExportSysxAll, ExportSysxPart, ExportSysxDrumMap, ExportSysxUserDrum, ExportSysxReverb,
    ExportSysxChorus, ExportSysxDelay, ExportSysxEq, ExportSysxInsertion, GetSetupMeasures,
    ReplaceSetupMeasures, AppendSetupMeasures, Exit,
    ViewPatch, ViewPart, ViewDrum, ViewUserDrum, ViewEffect, ViewMaster, ViewMatrix, ViewDisplay,
    DataRequest, SendAll, SendAllUserDrums, Panic,
    MidiPortSetup, CustomizePartWindow, SmfExportSetup, Font, ShortcutKeys, OtherOptions, KeyboardWindow,
    SysxHistory,
    MinimizeAll, CloseAll, ArrangeIcons,
    HelpContents, About, ContactForm,
    Undo, Redo, ClearUndoHistory, Compare, CompareWithModule,
    SongOpen, SongReadLast, SongPlay, SongStop, SongGoToBar, SongLoop, SongClearMix,
    Count
};

// Menus and sub-menus.
extern const TCaption kMenuFile, kMenuEdit, kMenuSaveAs, kMenuExportSysx, kMenuView, kMenuCommunication, kMenuOption,
    kMenuWindow, kMenuHelp, kMenuSong;
const TCaption& CommandCaption(TCommand command);

// The fourteen toolbar buttons in the order of the caption tables.
enum class TToolButton { Patch, Part, Drum, UserDrum, Effect, Matrix, Keyboard, MidiPort, PartCustom, OtherOptions,
                         Copy, History, Save, Open, Count };
const TCaption& ToolButtonHint(TToolButton button);
// The caption shown with captions switched on: English, Japanese half-width (screens up to
// 1024 pixels wide) or Japanese full-width.
QString ToolButtonLabel(TToolButton button, TLanguage language, int screenWidth);

extern const TCaption kCaptionSwitch;   // the toolbar pop-up's check item
extern const TCaption kWindowOptionBar;
extern const TCaption kSysxViewBar;


}  // namespace veka
