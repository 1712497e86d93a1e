#pragma once
// The two song-writing commands without their windows: "SMFで保存" (a new SMF holding only the
// setup) and "読み取ったSMFに埋め込み" / "SMFに追加" (the setup in front of a song). The windows
// ask for the order list, the file names and the format, and show the notice; the command line
// takes them from its arguments.
#include <string>

#include "module/language.h"
#include "module/progress.h"
#include "smf/order_file.h"

namespace veka {

class TSMF;
class TVGS;

// Time bases a new SMF can have (section "smf fine", key "timebase" is an index into them).
inline constexpr int kSmfTimeBases[] = {48, 96, 120, 192, 240, 384, 480};

struct TSmfWriteOptions {
    int Format = 0;
    int TimeBase = 48;        // for a new SMF; an embedded setup takes the song's
    bool WithText = false;
    bool DummyNotes = false;
};

// "ｵｰﾀﾞｰ･ﾘｽﾄが空です" / "Order list is empty."
std::string EmptyOrderListText(TLanguage language);
// The notice shown before a setup is embedded into someone's song.
std::string EmbedNoticeText(TLanguage language);

// Export SMF: the SMF gets 4/4, the notice (the user's name) and C major, then the setup
// alone, written to path. smf is cleared afterwards. False with error when nothing was written.
bool ExportSmf(TVGS& image, TSMF& smf, const TOrderList& order, const std::string& path,
               const TSmfWriteOptions& options, const std::string& notice, std::string& error,
               const TProgress& progress = kNoProgress);

// The song a setup goes into: the working copy "Temp.smf" or a chosen SMF, with a setup this
// program wrote there before cut out (RemoveOldSetup).
bool LoadWorkingCopyForEmbedding(TSMF& smf, const std::string& tempSmfPath, std::string& error);
bool LoadSongForEmbedding(TSMF& smf, const std::string& songPath, std::string& error);

// Replace or Append Setup Measures: the setup (at the song's time base and tempo) in front of
// the song smf holds, written to path; smf is cleared afterwards.
bool EmbedSetup(TVGS& image, TSMF& smf, const TOrderList& order, const std::string& path,
                const TSmfWriteOptions& options, std::string& error, const TProgress& progress = kNoProgress);

}  // namespace veka
