#pragma once
// Whole-file reads with a size limit and replacing writes that never leave a half-written
// target: the bytes go to a new file in the target's folder, which is renamed over the target
// only when it is complete.
#include <cstdint>
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

}  // namespace veka
