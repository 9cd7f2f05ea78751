#pragma once

#include <string_view>

// The report viewer and its one list by name.
namespace aquamere::frmlookover {

inline constexpr std::string_view name = "frmlookover";

inline constexpr std::string_view listover = "listover";

}  // namespace aquamere::frmlookover
