#pragma once
// The saves of the File menu: the whole setup (to its file, or under a name), one part, drum
// map or user drum set, a custom file, and the exclusive-file export. Each asks through IUserPrompts and says
// through it why nothing was written.
#include <string>

#include "document/document.h"
#include "document/user_prompts.h"
#include "module/difference_list.h"

namespace veka {

// File > Save: to the open file when it is a whole setup file of this version, otherwise as
// Save All Data. False when nothing was written.
bool SaveCommand(TDocument& document, IUserPrompts& prompts, ICommandFrame& frame);
// Save as > All Data: every value that differs from power-on, under a name the user gives.
bool SaveAllDataCommand(TDocument& document, IUserPrompts& prompts, ICommandFrame& frame);
// Save as > One Part, One Drum Map, One User Drum: the object the user chooses.
bool SaveObjectCommand(TDocument& document, TSetupFileKind kind, IUserPrompts& prompts, ICommandFrame& frame);
// Save as > Custom: the chosen system groups and parts, with the user's comment in a file
// beside it. False when nothing chosen differs from the defaults (said), or nothing was written.
bool SaveCustomFileCommand(TDocument& document, const TCustomSelection& selection, const std::string& comment,
                           IUserPrompts& prompts, ICommandFrame& frame);
// The comment's file beside a custom file ("live.cst": "live.Comment"), and what it holds (empty
// when it is missing or too large to be a comment).
std::string CustomCommentFileName(const std::string& customFile);
std::string ReadCustomComment(const std::string& customFile);
// Export SYSX File: the messages of the whole setup or of one object, back to back.
bool ExportSysxCommand(TDocument& document, TExportKind kind, IUserPrompts& prompts, ICommandFrame& frame);
// Before the unsaved setup is dropped (message: the question's number): Save writes it first,
// Discard drops it. False when the user gave up or the save did not happen.
bool SaveChangesFirst(TDocument& document, int message, IUserPrompts& prompts, ICommandFrame& frame);

// The collected list written under a name the user chooses; the name, or empty (cancelled, or
// failed and told why).
std::string SaveCollected(TDocument& document, TDifferenceList& list, TSetupFileKind kind, IUserPrompts& prompts,
                          ICommandFrame& frame);

}  // namespace veka
