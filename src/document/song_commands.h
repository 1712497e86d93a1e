#pragma once
// The song commands: the setup read out of a Standard MIDI File into the image (the rest of the
// song kept as the working copy), the image written as a song's setup measures, and the setup
// put in front of the song read last or another song. Questions go through IUserPrompts; the
// folders, format and order file the user chose last are kept in the settings file.
#include <string>

#include "document/document.h"
#include "document/settings.h"
#include "document/user_prompts.h"

namespace veka {

// What the song commands read and keep beside the document.
struct TSongPlace {
    TSettings& Settings;
    const TSettingsData& Data;  // the options (text events, dummy notes, the composition window)
    std::string ProgramFolder;  // the working copy and the order files
    std::string DataFolder;     // where a first read looks
};

// Get Setup Measures: the user names a song, then as ImportSong.
bool GetSetupMeasuresCommand(TDocument& document, const TSongPlace& place, IUserPrompts& prompts, ICommandFrame& frame);
// A song's setup into the image: a song the reader refuses costs nothing; otherwise the unsaved
// setup is offered for saving, the image starts from power-on, takes the song's setup, and the
// module hears it. The setup is no file afterwards (the next Save asks for a name).
bool ImportSong(TDocument& document, const TSongPlace& place, const std::string& path, IUserPrompts& prompts,
                ICommandFrame& frame);
// The song read last as the player names it, from the description the settings keep of it
// ("Last SMF : <path> date : <when>"): the file's name.
std::string SongReadLastName(const std::string& description);
// Export SMF: a new song of the image's setup measures.
bool ExportSmfCommand(TDocument& document, const TSongPlace& place, IUserPrompts& prompts, ICommandFrame& frame);
// Replace (intoSongReadLast) or Append Setup Measures: the setup in front of a song, written as a new song.
bool EmbedSetupCommand(TDocument& document, const TSongPlace& place, bool intoSongReadLast, IUserPrompts& prompts,
                       ICommandFrame& frame);

}  // namespace veka
