#pragma once
// A caption in both languages. Each window keeps its captions in one table of these.
#include <QString>

#include "module/language.h"

namespace veka {

struct TCaption {
    const char* Japanese;
    const char* English;
};

inline QString Tr(const TCaption& caption, TLanguage language) {
    return QString::fromUtf8(language == TLanguage::Japanese ? caption.Japanese : caption.English);
}

}  // namespace veka
