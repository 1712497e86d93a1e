#pragma once
// The user-interface language, chosen once at start, and a text in both languages.
#include <string>

namespace veka {

enum class TLanguage { Japanese, English };

// A caption in both languages. Each window and command keeps its texts in one table of these.
struct TCaption {
    const char* Japanese;
    const char* English;
    std::string In(TLanguage language) const { return language == TLanguage::Japanese ? Japanese : English; }
};

}  // namespace veka
