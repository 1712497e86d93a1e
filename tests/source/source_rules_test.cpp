// Rules of the source tree that the build alone does not enforce: the layers under the widgets
// stay free of Qt, and the transport chooses no language. (That no layer includes one above it,
// and that no window writes a parameter's record, is kept by the include roots.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = VEKA_SOURCE_DIR;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text without comments and string literals, so that a rule is not broken by a word in
// a comment or a message (lines are kept for the report).
std::string CodeOnly(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n') ++i;
            if (i < text.size()) out += '\n';
        } else if (text.compare(i, 2, "/*") == 0) {
            i += 2;
            while (i + 1 < text.size() && text.compare(i, 2, "*/") != 0) {
                if (text[i] == '\n') out += '\n';
                ++i;
            }
            ++i;
        } else if (text[i] == '"') {
            out += "\"\"";
            for (++i; i < text.size() && text[i] != '"'; ++i)
                if (text[i] == '\\') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

int LineOf(const std::string& text, size_t offset) {
    return 1 + int(std::count(text.begin(), text.begin() + long(offset), '\n'));
}

std::vector<fs::path> SourcesUnder(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const auto ext = entry.path().extension();
        if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) files.push_back(entry.path());
    }
    return files;
}

TEST(SourceRules, TheLayersUnderTheWidgetsIncludeNoQt) {
    for (const char* folder : {"module", "smf", "midi", "document", "cli"})
        for (const fs::path& file : SourcesUnder(kSource / folder)) {
            const std::string code = CodeOnly(Read(file));
            for (size_t at = code.find("#include <Q"); at != std::string::npos; at = code.find("#include <Q", at + 1))
                ADD_FAILURE() << file.string() << ":" << LineOf(code, at) << " includes Qt";
        }
}

TEST(SourceRules, TheTransportChoosesNoLanguage) {
    for (const fs::path& file : SourcesUnder(kSource / "midi")) {
        const std::string code = CodeOnly(Read(file));
        for (const char* word : {"TLanguage::Japanese", "TLanguage::English"}) {
            const size_t at = code.find(word);
            if (at != std::string::npos) ADD_FAILURE() << file.string() << ":" << LineOf(code, at) << " uses " << word;
        }
    }
}

}  // namespace
