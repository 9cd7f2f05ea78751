#pragma once

#include <string_view>

// The segment table (管段表) by name: the main window's menu opens it, the
// program draws and answers it.
namespace aquamere::frmchain {

inline constexpr std::string_view name = "frmchain";

inline constexpr std::string_view lab_head = "lab_head";
inline constexpr std::string_view lstchain = "lstchain";
// The chosen row's own inputs, and how it was calculated.
inline constexpr std::string_view Label1 = "Label1";
inline constexpr std::string_view t_Ng = "t_Ng";
inline constexpr std::string_view Label2 = "Label2";
inline constexpr std::string_view t_fz = "t_fz";
inline constexpr std::string_view Label3 = "Label3";
inline constexpr std::string_view txt_l = "txt_l";
inline constexpr std::string_view chk_d = "chk_d";
inline constexpr std::string_view lab_method = "lab_method";
// 重新计算, 全部重算, 回到修改前.
inline constexpr std::string_view cmdapply = "cmdapply";
inline constexpr std::string_view cmdrerun = "cmdrerun";
inline constexpr std::string_view cmdrevert = "cmdrevert";

}  // namespace aquamere::frmchain
