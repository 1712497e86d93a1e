#pragma once
// The filters of the open and save dialogs in the dialogs' own form ("One Part (*.1pg)"), from
// the texts of the setup file kinds.
#include <QString>

#include "module/language.h"
#include "module/setup_file_kind.h"

namespace veka {

// The save dialog's filter of one kind: "All data (*.ga4)", "One Part (*.1pg)" ...
QString FileFilter(TSetupFileKind kind, TLanguage language);
// The open dialog's filters: every file the program opens first, then all data (both of its
// extensions), one part, one drum map, one user drum set, custom file, and songs.
QString OpenFilters(TLanguage language);
// Standard MIDI Files, for the song commands and the open dialog.
QString SongFilter(TLanguage language);
// The exclusive file's filter (message 99): "SYSX File(for Cakewalk) (*.syx)".
QString SysxFilter(TLanguage language);

}  // namespace veka
