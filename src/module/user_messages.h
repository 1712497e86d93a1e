#pragma once
// The numbered user messages (message boxes, prompts, progress and status texts) in both
// languages. Texts are UTF-8; line breaks are CR LF; some hold "%s" for the caller to fill.
#include <string_view>
#include <vector>

#include "module/language.h"

namespace veka {

// The text of message number in the given language; empty for a number without a message.
std::string_view UserMessage(int number, TLanguage language);

// Every number that has a message, ascending.
std::vector<int> UserMessageNumbers();

}  // namespace veka
