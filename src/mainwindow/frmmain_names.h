#pragma once

#include <string_view>

// The main window and its controls and menu items by name, as the layout
// names them and the scenarios and the journal refer to them.
namespace aquamere::frmmain {

inline constexpr std::string_view name = "frmmain";

// Parameter block: captions and boxes of q0, m, Kh, T, k and α.
inline constexpr std::string_view Label11 = "Label11";
inline constexpr std::string_view t_q0 = "t_q0";
inline constexpr std::string_view Label12 = "Label12";
inline constexpr std::string_view t_m = "t_m";
inline constexpr std::string_view Label13 = "Label13";
inline constexpr std::string_view t_kh = "t_kh";
inline constexpr std::string_view Label14 = "Label14";
inline constexpr std::string_view t_t = "t_t";
inline constexpr std::string_view Label7 = "Label7";
inline constexpr std::string_view t_ky = "t_ky";
inline constexpr std::string_view Label8 = "Label8";
inline constexpr std::string_view t_ay = "t_ay";

// Hydraulic table: the table's caption, the flow listed, the size, velocity
// and 1000i lists, and the two check boxes.
inline constexpr std::string_view Label5 = "Label5";
inline constexpr std::string_view lbqg = "lbqg";
inline constexpr std::string_view List1 = "List1";
inline constexpr std::string_view List2 = "List2";
inline constexpr std::string_view List3 = "List3";
inline constexpr std::string_view chk_d = "chk_d";
inline constexpr std::string_view chk_j = "chk_j";

// Results frame: caption, the group's box and the running total of each row.
inline constexpr std::string_view Frame1 = "Frame1";
inline constexpr std::string_view Label3 = "Label3";
inline constexpr std::string_view t_qg = "t_qg";
inline constexpr std::string_view t_de = "t_de";
inline constexpr std::string_view Label6 = "Label6";
inline constexpr std::string_view t_Uo = "t_Uo";
inline constexpr std::string_view txtsave = "txtsave";
inline constexpr std::string_view Label9 = "Label9";
inline constexpr std::string_view t_ac = "t_ac";
inline constexpr std::string_view t_ac2 = "t_ac2";
inline constexpr std::string_view Label4 = "Label4";
inline constexpr std::string_view t_Ng = "t_Ng";
inline constexpr std::string_view txtnguo = "txtnguo";
inline constexpr std::string_view Label2 = "Label2";
inline constexpr std::string_view t_fz = "t_fz";
inline constexpr std::string_view lab_3 = "lab_3";
inline constexpr std::string_view Label1 = "Label1";
inline constexpr std::string_view t_ngz = "t_ngz";
inline constexpr std::string_view t_nguo = "t_nguo";

// Segment frame: label, length, count of a batch, and the calculate button.
inline constexpr std::string_view Frame2 = "Frame2";
inline constexpr std::string_view lab_2 = "lab_2";
inline constexpr std::string_view txt_l = "txt_l";
inline constexpr std::string_view t_fs = "t_fs";
inline constexpr std::string_view cmdjsmll = "cmdjsmll";

// 计算 menu.
inline constexpr std::string_view mnufile = "mnufile";
inline constexpr std::string_view mnuset = "mnuset";
inline constexpr std::string_view mnu11 = "mnu11";
inline constexpr std::string_view mnufs = "mnufs";
inline constexpr std::string_view mnu4 = "mnu4";
inline constexpr std::string_view mnuundo = "mnuundo";
inline constexpr std::string_view mnuclear = "mnuclear";
inline constexpr std::string_view mnuk2 = "mnuk2";
inline constexpr std::string_view mnuexit = "mnuexit";
// 计算书 menu.
inline constexpr std::string_view mnubook = "mnubook";
inline constexpr std::string_view mnulook = "mnulook";
inline constexpr std::string_view mnuchain = "mnuchain";
inline constexpr std::string_view mnuopen = "mnuopen";
inline constexpr std::string_view mnuresume = "mnuresume";
inline constexpr std::string_view mnukill = "mnukill";
inline constexpr std::string_view mnuexport = "mnuexport";
// 帮助 menu.
inline constexpr std::string_view mnuhelp = "mnuhelp";
inline constexpr std::string_view mnudj = "mnudj";
inline constexpr std::string_view mnuuo1 = "mnuuo1";
inline constexpr std::string_view mnuv = "mnuv";
inline constexpr std::string_view mnua = "mnua";
inline constexpr std::string_view mnuk4 = "mnuk4";
inline constexpr std::string_view mnuds = "mnuds";
inline constexpr std::string_view mnuk3 = "mnuk3";
inline constexpr std::string_view mnuabout = "mnuabout";

}  // namespace aquamere::frmmain
