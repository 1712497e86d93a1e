#pragma once
// A readable listing of a setup file: its kind, its sections and every stored value as
// "<object> <parameter name> = <value> (<value text>)", one per line ("veka4-cli info").
#include <string>
#include <vector>

#include "module/setup_file.h"
#include "module/setup_file_kind.h"

namespace veka {

class TVGS;

// The image gives the names and value texts (read the file into it first for texts that
// depend on other values, such as the insertion parameters of the file's effect type).
// Records the reader skips are listed with "skipped".
std::vector<std::string> SetupFileListing(TVGS& image, TSetupFileKind kind, const TParsedSetupFile& parsed);

}  // namespace veka
