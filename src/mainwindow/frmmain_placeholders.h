#pragma once

#include <string_view>

// What the result boxes of the main window show while they hold no value:
// drawn so, and put back by every reset of the sums. A sum that still shows
// its placeholder has no group in it yet.
namespace aquamere::frmmain {

inline constexpr std::string_view sum_ng_placeholder = "∑Ng";             // t_nguo
inline constexpr std::string_view sum_shares_placeholder = "∑(Ng X Uo)";  // txtnguo
inline constexpr std::string_view mean_uo_placeholder = "ΣUo";            // txtsave
inline constexpr std::string_view mean_alpha_c_placeholder = "αc";        // t_ac2
inline constexpr std::string_view size_placeholder = "管径";              // t_de

}  // namespace aquamere::frmmain
