#pragma once

#include <string_view>

// The settings dialog and its controls by name, as the layout names them.
namespace aquamere::frmset {

inline constexpr std::string_view name = "frmset";

// Dwelling class.
inline constexpr std::string_view frmstye = "frmstye";
inline constexpr std::string_view Op_1 = "Op_1";
inline constexpr std::string_view op_2 = "op_2";
inline constexpr std::string_view op_3 = "op_3";
inline constexpr std::string_view op_4 = "op_4";
// Pipe material.
inline constexpr std::string_view frmgc = "frmgc";
inline constexpr std::string_view op_jd = "op_jd";
inline constexpr std::string_view op_sc = "op_sc";
inline constexpr std::string_view op_ppr = "op_ppr";
inline constexpr std::string_view op_lz = "op_lz";
// Report path, local-loss coefficient, OK.
inline constexpr std::string_view Label1 = "Label1";
inline constexpr std::string_view txtfile = "txtfile";
inline constexpr std::string_view Label2 = "Label2";
inline constexpr std::string_view txt_h = "txt_h";
inline constexpr std::string_view cmddone = "cmddone";

}  // namespace aquamere::frmset
