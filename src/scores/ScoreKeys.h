#pragma once

#include <string_view>

namespace tilora::keys {

// The one place that names the score file's sections, keys and defaults.

inline constexpr std::string_view kLevelSection = "Level";
inline constexpr std::string_view kLevelKey = "number";
inline constexpr std::string_view kLevelDefaultText = "10";  // read as text at start-up
inline constexpr int kLevelDefault = 10;                     // read as an integer by the dialog

}  // namespace tilora::keys
