#pragma once
// A caption in both languages as window text.
#include <QString>

#include "module/language.h"

namespace veka {

inline QString Tr(const TCaption& caption, TLanguage language) {
    return QString::fromUtf8(language == TLanguage::Japanese ? caption.Japanese : caption.English);
}

}  // namespace veka
