#pragma once
// Putting a written setup (setup_writer.h) into a song, and cutting out a setup this program
// put there before.
#include "smf/setup_writer.h"

namespace veka {

class TSMF;

// The setup in front of the song smf holds: the song moves to the first bar line after the
// setup, the conductor events join the song's first track, each part list goes in front of the
// song track that uses its channel (or becomes a track of its own), and the tracks after the
// first are ordered by channel. The song's tracks have delta times before and after.
void MergeSetup(TSMF& smf, TSetupTracks&& setup);

// The setup alone as smf's content (a new song): the conductor, then the part lists.
void InstallSetup(TSMF& smf, TSetupTracks&& setup);

// Finds the first "End of Setup by Veka" text and deletes everything up to the end of its bar
// (track names stay), moving the rest to the start. False when the song holds no such text.
bool RemoveOldSetup(TSMF& smf);

}  // namespace veka
