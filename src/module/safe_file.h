#pragma once
// Whole-file reads with a size limit and replacing writes that never leave a half-written
// target: the bytes go to a new file in the target's folder, which is synced to the disk and
// renamed over the target only when it is complete; the folder is synced after the rename.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace veka {

// Reads the whole file. False with a reason in error when it cannot be opened or read, or
// when it is larger than maxBytes (checked before anything is read).
bool ReadWholeFile(const std::string& path, uintmax_t maxBytes, std::vector<uint8_t>& bytes, std::string& error);

// Writes bytes to path through a temporary file in the same folder. False with a reason in
// error when anything fails; the old file at path is then untouched.
bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error);

// The steps of a replacing write, each of which a full disk, a lost device or a crash can stop.
// Tests make each fail in turn to show that the old file survives any of them. Write is one
// step per piece of at most kReplaceChunk bytes.
enum class TReplaceStep { Create, Write, Sync, Close, Rename, SyncFolder };
inline constexpr size_t kReplaceChunk = 64 * 1024;
// What a test makes of a step: 0 lets it run, an errno value makes it fail with that error,
// kReplaceCrash stops the write there and leaves every file as a killed program would.
inline constexpr int kReplaceCrash = -1;
using TReplaceFault = std::function<int(TReplaceStep step)>;
// For tests only: every ReplaceFile of this process asks `fault` before each step (empty: none).
void SetReplaceFault(TReplaceFault fault);

}  // namespace veka
