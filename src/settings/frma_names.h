#pragma once

#include <string_view>

// The α table window and its two lists by name.
namespace aquamere::frma {

inline constexpr std::string_view name = "frma";

inline constexpr std::string_view lsta1 = "lsta1";  // building use
inline constexpr std::string_view lsta2 = "lsta2";  // α

}  // namespace aquamere::frma
