#pragma once

#include <string_view>

// The about window and its one label by name.
namespace aquamere::frmabout {

inline constexpr std::string_view name = "frmabout";

inline constexpr std::string_view Label1 = "Label1";

}  // namespace aquamere::frmabout
