#pragma once
// The user-interface language, chosen once at start.

namespace veka {

enum class TLanguage { Japanese, English };

}  // namespace veka
