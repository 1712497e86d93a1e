// veka4-cli info FILE: what a setup file or effect preset holds.
#include <iostream>

#include "cli/commands.h"
#include "module/image.h"
#include "module/safe_file.h"
#include "module/setup_file.h"
#include "module/setup_file_listing.h"
#include "module/setup_reader.h"
#include "module/user_messages.h"

namespace veka::cli {

namespace {

// Messages hold CR LF line breaks for message boxes; one line here.
std::string OneLine(std::string text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') continue;
        out += text[i] == '\n' ? ' ' : text[i];
    }
    return out;
}

}  // namespace

int InfoCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 2) throw EUsage("usage: veka4-cli info FILE");
    const std::string& file = o.Positional[1];
    const TSetupFileKind kind = SetupFileKindOf(file);

    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(file, kMaxSetupFileSize, bytes, error)) {
        std::cerr << "veka4-cli: " << error << '\n';
        return 1;
    }
    const TParsedSetupFile parsed = ParseSetupFile(bytes);
    if (parsed.Error == TSetupParseError::NotVeka || parsed.Error == TSetupParseError::BadLength) {
        std::cerr << "veka4-cli: " << file << ": " << OneLine(std::string(UserMessage(parsed.Message(), image.Language)))
                  << '\n';
        return 1;
    }
    // Read into the image first (every question answered with its first item), so that texts
    // that depend on other values - the insertion type's parameters, the drum set's pitches -
    // follow the file.
    TFixedSetupFileHost host;
    ReadSetupBytes(image, host, 0, kind, bytes, file);
    for (const std::string& line : SetupFileListing(image, kind, parsed)) out << line << '\n';
    if (parsed.Error != TSetupParseError::None) {
        out.flush();
        std::cerr << "veka4-cli: " << file << ": " << OneLine(std::string(UserMessage(parsed.Message(), image.Language)))
                  << " (a section runs past the end of the file)\n";
        return 1;
    }
    return 0;
}

}  // namespace veka::cli
