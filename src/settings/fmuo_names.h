#pragma once

#include <string_view>

// The Uo–αc table window and its controls by name.
namespace aquamere::Fmuo {

inline constexpr std::string_view name = "Fmuo";

inline constexpr std::string_view Frame1 = "Frame1";
inline constexpr std::string_view uoz0 = "uoz0";
inline constexpr std::string_view acz0 = "acz0";
inline constexpr std::string_view uoz1 = "uoz1";
inline constexpr std::string_view acz1 = "acz1";

}  // namespace aquamere::Fmuo
