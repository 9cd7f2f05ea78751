#pragma once

#include <string_view>

// The velocity limits window and its one box by name.
namespace aquamere::frmv {

inline constexpr std::string_view name = "frmv";

inline constexpr std::string_view Text1 = "Text1";

}  // namespace aquamere::frmv
