#pragma once
// The product's title (message boxes, the main window's caption) and the splash's version.
namespace veka {

inline constexpr const char* kProductTitle = "Veka 4.01";
inline constexpr const char* kVersionText = "Version 4.01";

}  // namespace veka
