#pragma once
// The recovery file: the unsaved setup of the running program, kept in the program folder so
// that an unclean end (a crash, a kill, a power cut) loses nothing. It is written after the
// changes of a gesture or command have settled, through a temporary file renamed over the old
// one, and removed when the setup is saved or the program ends cleanly.
//
// Layout (little-endian): "VekaRecovery", uint32 version, int32 module type, int32 "max part",
// uint8 modified, uint32 length and the UTF-8 name of the file being edited (at most 4096 bytes),
// uint32 length and FNV-1a hash of the setup, then the setup itself in the ".ga4" format.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veka {

class TVGS;

inline constexpr uint32_t kRecoveryVersion = 1;
inline constexpr const char* kRecoveryFileName = "Veka.recovery";

struct TRecoveryInfo {
    int ModuleType = 3;
    int MaxPart = 0;
    bool Modified = true;  // the edited setup differed from its file
    std::string FileName;  // the setup being edited; empty for a new one
};

enum class TRecoveryStatus {
    Ok,
    Missing,          // no recovery file: the last session ended cleanly or changed nothing
    Damaged,          // cut short, a wrong hash, a setup that does not parse
    OtherVersion,     // written by another version of the program
    OtherModuleType,  // written while another module type was chosen
};

struct TRecoveryRead {
    TRecoveryStatus Status = TRecoveryStatus::Missing;
    TRecoveryInfo Info;
    std::vector<uint8_t> Setup;  // the ".ga4" bytes (Ok only)
    std::string Detail;          // why it is damaged, or the version or type found
};

std::string RecoveryPath(const std::string& programFolder);

// The file's bytes for the image (its whole setup, as File > Save writes it); the image's
// difference list is rebuilt and left empty, and no progress is raised. Empty when the setup
// could not be collected.
std::vector<uint8_t> RecoveryBytes(TVGS& image, const TRecoveryInfo& info);
// Writes them to path through a temporary file; false with the reason in error.
bool WriteRecoveryFile(TVGS& image, const std::string& path, const TRecoveryInfo& info, std::string& error);

// Checks every length and the hash before anything is taken; moduleType is the type the
// program runs with now.
TRecoveryRead ParseRecovery(std::span<const uint8_t> bytes, int moduleType);
TRecoveryRead ReadRecoveryFile(const std::string& path, int moduleType);

// Removes the file; a missing file is no error.
bool RemoveRecoveryFile(const std::string& path, std::string& error);

}  // namespace veka
