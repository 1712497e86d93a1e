#pragma once
// ReadSongSetup: a song's GS setup into the module image, for the program and the command line.
// OpenSmf: the program's open of a ".mid" file around it (the working copy, the settings file);
// what the window does (message boxes, the status bar, the settings) goes through TSmfHost, and
// the transmission of the image afterwards (Send All) is the caller's.
#include <chrono>
#include <functional>
#include <string>

#include "smf/setup_analysis.h"

namespace veka {

class TSMF;
class TVGS;

struct TSmfHost {
    std::function<void(const std::string& text)> Message;  // a plain message box
    std::function<void(const std::string& text)> Status;   // the status bar
    std::function<void(const std::string& section, const std::string& key, const std::string& value)> StoreSetting;
};

struct TOpenSmfResult {
    bool Read = false;          // the song was read and analysed
    TAnalysisResult Analysis;
    bool EmbedEnabled = false;  // the working copy exists: "読み取ったSMFに埋め込み" can be used
    std::string Description;    // "Last SMF : <path> date : <when>", stored as "SMF" / "current file"
    std::string Error;          // why the song or the working copy could not be handled
};

// "Last SMF : " + path + " " + "date : " + when (Japanese: "最後に読み取ったSMF : ", "読み取った日時 : ").
std::string LastSmfDescription(const std::string& path, std::chrono::system_clock::time_point when,
                               TLanguage language);

struct TSongSetupRead {
    bool Read = false;  // the song was read and its setup taken
    TAnalysisResult Analysis;
    std::string Error;  // why the reader refused the song
};

// The one way a song's setup enters the image, for the program and the command line alike:
// the image starts from a GS reset, the song is read, and its setup measures are analysed into
// the image (the song keeps what remains).
TSongSetupRead ReadSongSetup(TVGS& image, TSMF& smf, const std::string& path, const TProgress& progress = kNoProgress);

// As ReadSongSetup, then writes what remains as the working
// copy "Temp.smf" in programFolder, and clears the track names.
TOpenSmfResult OpenSmf(TVGS& image, TSMF& smf, const std::string& path, const std::string& programFolder,
                       const TSmfHost& host,
                       std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
                       const TProgress& progress = kNoProgress);

}  // namespace veka
