#pragma once

#include <string_view>

// The PP-R diameter window and its controls by name.
namespace aquamere::Frmdj2 {

inline constexpr std::string_view name = "Frmdj2";

inline constexpr std::string_view Frame1 = "Frame1";
inline constexpr std::string_view lstdj = "lstdj";    // nominal sizes
inline constexpr std::string_view lstdjj = "lstdjj";  // inner diameters

}  // namespace aquamere::Frmdj2
