#include "settings/frmset.h"

#include "settings/frmset_names.h"

namespace aquamere {
namespace {

constexpr std::string_view dwelling_frame = frmset::frmstye;
constexpr std::string_view material_frame = frmset::frmgc;

Control frame(std::string_view name, const char* text, Rect rect) {
  return {.name = name, .kind = Kind::Frame, .text = text, .rect = rect};
}

Control option(std::string_view name, const char* text, std::string_view parent, Rect rect, int tab) {
  return {.name = name, .kind = Kind::OptionButton, .text = text, .parent = parent, .rect = rect, .tab = tab};
}

Control caption(std::string_view name, const char* text, Rect rect) {
  return {.name = name, .kind = Kind::Label, .text = text, .rect = rect};
}

// `label` names the setting in failure messages about its text.
Control text_box(std::string_view name, std::string text, Rect rect, int tab, const char* label) {
  return {
      .name = name, .kind = Kind::TextBox, .text = std::move(text), .rect = rect, .tab = tab, .label = label};
}

}  // namespace

// No option is preset: the dwelling class stays unchosen until the user
// picks one, so OK then leaves the household parameters alone.
Form frmset_layout() {
  Form form{.name = std::string(frmset::name), .caption = "计算参数设置", .width = 5895, .height = 2550};
  form.controls = {
      frame(dwelling_frame, "住宅类型", {240, 120, 2655, 1095}),
      option(frmset::Op_1, "Ⅰ类住宅", dwelling_frame, {120, 240, 1215, 375}, 10),
      option(frmset::op_2, "Ⅱ类住宅", dwelling_frame, {120, 720, 1215, 255}, 9),
      option(frmset::op_3, "Ⅲ类住宅", dwelling_frame, {1320, 240, 1095, 375}, 8),
      option(frmset::op_4, "别    墅", dwelling_frame, {1320, 720, 1095, 255}, 7),
      frame(material_frame, "管材选取", {240, 1320, 2655, 975}),
      option(frmset::op_jd, "PP-R_JD", material_frame, {120, 240, 1095, 180}, 3),
      option(frmset::op_sc, "硬聚氯乙稀", material_frame, {1320, 240, 1215, 255}, 2),
      option(frmset::op_ppr, "PP-R", material_frame, {120, 600, 1095, 180}, 1),
      option(frmset::op_lz, "PP-R_LZ", material_frame, {1320, 600, 1095, 180}, 4),
      caption(frmset::Label1, "计算书保存路径", {3000, 480, 1455, 255}),
      text_box(frmset::txtfile, std::string(default_report_path), {4440, 360, 1335, 375}, 12,
               "计算书保存路径"),
      caption(frmset::Label2, "局部水头损失系数:", {3000, 1080, 1575, 255}),
      text_box(frmset::txt_h, "0.25", {4560, 960, 735, 390}, 14, "局部水头损失系数"),
      {.name = frmset::cmddone,
       .kind = Kind::CommandButton,
       .text = "OK",
       .rect = {4680, 1800, 855, 375},
       .tab = 5},
  };
  form.at(frmset::txt_h).align = Align::Center;
  return form;
}

void frmset_shown(Form& dialog) {
  for (const Control& c : dialog.controls) {
    if (c.parent == material_frame && c.value == 1) return;
  }
  dialog.select_option(frmset::op_ppr);
}

}  // namespace aquamere
