// Rules of the source tree that the build alone does not enforce: windows change the image only
// through its set operations, the layers under the widgets stay free of Qt, and the transport
// chooses no language. (That no layer includes one above it is kept by the include roots.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
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

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

size_t SkipBlanks(const std::string& code, size_t i) {
    while (i < code.size() && std::isspace(static_cast<unsigned char>(code[i]))) ++i;
    return i;
}

// After an accessor's name at i: its balanced argument list, then ".Value" and an assignment,
// increment or decrement. Arguments never span a statement.
bool WritesValueAfterCall(const std::string& code, size_t i) {
    i = SkipBlanks(code, i);
    if (i >= code.size() || code[i] != '(') return false;
    int depth = 0;
    for (; i < code.size(); ++i) {
        const char c = code[i];
        if (c == ';' || c == '{' || c == '}') return false;
        if (c == '(') ++depth;
        if (c == ')' && --depth == 0) break;
    }
    if (i >= code.size()) return false;
    i = SkipBlanks(code, i + 1);
    if (i >= code.size() || code[i] != '.') return false;
    i = SkipBlanks(code, i + 1);
    if (code.compare(i, 5, "Value") != 0 || (i + 5 < code.size() && IsWordChar(code[i + 5]))) return false;
    i = SkipBlanks(code, i + 5);
    if (code.compare(i, 2, "++") == 0 || code.compare(i, 2, "--") == 0) return true;
    if (i < code.size() && std::string_view("-+*/|&^").find(code[i]) != std::string_view::npos) ++i;
    return i + 1 < code.size() && code[i] == '=' && code[i + 1] != '=';
}

// Places where code writes a parameter record of the image: an assignment, increment or
// decrement of a record's Value reached through the image's accessors, or a non-const
// reference to a record (through which it could be written).
std::vector<int> ValueWrites(const std::string& source) {
    const std::string code = CodeOnly(source);
    std::vector<int> lines;
    for (size_t i = 0; i < code.size(); ++i) {
        if (i > 0 && IsWordChar(code[i - 1])) continue;
        for (std::string_view name : {"System", "Part", "Drum", "UserDrum"}) {
            if (code.compare(i, name.size(), name) != 0) continue;
            if (i + name.size() < code.size() && IsWordChar(code[i + name.size()])) continue;
            if (WritesValueAfterCall(code, i + name.size())) lines.push_back(LineOf(code, i));
        }
        constexpr std::string_view kRecord = "TOneParameter";
        if (code.compare(i, kRecord.size(), kRecord) == 0) {
            const size_t after = SkipBlanks(code, i + kRecord.size());
            const bool reference = after < code.size() && code[after] == '&' &&
                                   !(after + 1 < code.size() && code[after + 1] == '&');
            const bool isConst = i >= 6 && code.compare(i - 6, 6, "const ") == 0;
            if (reference && !isConst) lines.push_back(LineOf(code, i));
        }
    }
    return lines;
}

std::vector<fs::path> SourcesUnder(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const auto ext = entry.path().extension();
        if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) files.push_back(entry.path());
    }
    return files;
}

TEST(SourceRules, TheValueWriteCheckFindsWhatItLooksFor) {
    EXPECT_EQ(ValueWrites("x;\n  Image().Part(port, part, n).Value = 3;\n"), std::vector<int>{2});
    EXPECT_EQ(ValueWrites("image.System(2).Value += 1;"), std::vector<int>{1});
    EXPECT_EQ(ValueWrites("Host().Image().Drum(p, m, n, k).Value++;"), std::vector<int>{1});
    EXPECT_EQ(ValueWrites("TOneParameter& p = Image().UserDrum(0, 1, 2);"), std::vector<int>{1});
    // Reading, comparing, cells and comments are no writes.
    EXPECT_TRUE(ValueWrites("const TOneParameter& p = Image().Part(0, 1, 2);\n"
                            "if (Image().Part(0, 1, 2).Value == 3) cell.Value = p.Value;\n"
                            "// Image().Part(0, 1, 2).Value = 1;\n"
                            "Warn(\"Part(1).Value = 2\");")
                    .empty());
}

TEST(SourceRules, EditorWindowsNeverWriteAParametersValue) {
    for (const char* folder : {"widgets", "windows"})
        for (const fs::path& file : SourcesUnder(kSource / folder))
            for (int line : ValueWrites(Read(file))) ADD_FAILURE() << file.string() << ":" << line << " writes a Value";
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
