// The main window as drawn: every control with its caption or default text,
// geometry in twips and place in the tab order, and the menu tree.
#include <string_view>

#include "mainwindow/frmmain.h"
#include "mainwindow/frmmain_placeholders.h"

namespace aquamere {
namespace {

constexpr int box_width = 735, box_height = 270;
constexpr int row1 = 120, row2 = 480, row3 = 840;

Control caption(std::string_view name, std::string_view text, Rect rect, std::string_view parent = "") {
  return {.name = name, .kind = Kind::Label, .text = std::string(text), .parent = parent, .rect = rect};
}

Control box(std::string_view name, std::string_view text, Rect rect, int tab, std::string_view label,
            std::string_view parent = "") {
  return {.name = name,
          .kind = Kind::TextBox,
          .text = std::string(text),
          .parent = parent,
          .rect = rect,
          .tab = tab,
          .label = label};
}

Control menu(std::string_view name, std::string_view parent, const char* text,
             std::string_view shortcut = "") {
  return {.name = name, .kind = Kind::MenuItem, .text = text, .parent = parent, .shortcut = shortcut};
}

// Parameter block: captions at 480 and 1680, boxes at 840 and 2040.
void add_parameter_block(std::vector<Control>& c) {
  struct Row {
    std::string_view label_name, label_text, box_name, box_text, message_label;
    int left, top, tab;
  };
  const Row rows[] = {
      {frmmain::Label11, "q0:", frmmain::t_q0, "250", "q0:", 0, row1, 0},
      {frmmain::Label12, " m:", frmmain::t_m, "3.5", "m:", 1, row1, 1},
      {frmmain::Label13, "Kh:", frmmain::t_kh, "2.8", "Kh:", 0, row2, 2},
      {frmmain::Label14, " T:", frmmain::t_t, "24", "T:", 1, row2, 3},
      {frmmain::Label7, "k:", frmmain::t_ky, "0.005", "k:", 0, row3, 4},
      {frmmain::Label8, "α:", frmmain::t_ay, "1.1", "α:", 1, row3, 5},
  };
  for (const Row& r : rows) {
    const int label_left = r.left == 0 ? 480 : 1680;
    const int box_left = r.left == 0 ? 840 : 2040;
    c.push_back(caption(r.label_name, r.label_text, {label_left, r.top + 15, 360, 255}));
    c.push_back(
        box(r.box_name, r.box_text, {box_left, r.top, box_width, box_height}, r.tab, r.message_label));
  }
}

void add_hydraulic_table(std::vector<Control>& c) {
  c.push_back(caption(frmmain::Label5, "PP-R水力计算表：", {240, 1200, 1935, 255}));
  c.push_back(caption(frmmain::lbqg, "", {2280, 1200, 1095, 255}));
  const std::string_view lists[] = {frmmain::List1, frmmain::List2, frmmain::List3};
  for (int i = 0; i < 3; ++i) {
    c.push_back(
        {.name = lists[i], .kind = Kind::ListBox, .rect = {240 + 960 * i, 1440, 975, 1650}, .tab = 6 + i});
  }
  c.push_back({.name = frmmain::chk_d,
               .kind = Kind::CheckBox,
               .text = "有延时自闭冲洗阀 ",
               .rect = {120, 3240, 1815, 255},
               .tab = 9});
  c.push_back({.name = frmmain::chk_j,
               .kind = Kind::CheckBox,
               .text = "集体宿舍等",
               .rect = {1920, 3240, 1335, 255},
               .tab = 10});
}

// Results frame: six rows of caption, the group's box and the running total.
void add_results_frame(std::vector<Control>& c) {
  c.push_back({.name = frmmain::Frame1,
               .kind = Kind::Frame,
               .text = "计算过程及结果",
               .rect = {3240, 0, 3855, 2655}});
  struct Row {
    std::string_view label_name, label_text;
    int label_left;
    std::string_view middle, middle_text, middle_label, right, right_text, right_label;
  };
  const Row rows[] = {
      {frmmain::Label3, "设计秒流量:", 240, frmmain::t_qg, "", "设计秒流量:", frmmain::t_de,
       frmmain::size_placeholder, "管径"},
      {frmmain::Label6, "Uo(%)", 360, frmmain::t_Uo, "", "Uo(%)", frmmain::txtsave,
       frmmain::mean_uo_placeholder, "ΣUo"},
      {frmmain::Label9, "αc:", 360, frmmain::t_ac, "", "αc:", frmmain::t_ac2,
       frmmain::mean_alpha_c_placeholder, "加权αc"},
      {frmmain::Label4, "户当量:", 360, frmmain::t_Ng, "", "户当量:", frmmain::txtnguo,
       frmmain::sum_shares_placeholder, "∑(Ng X Uo)"},
      {frmmain::Label2, "户  数:", 360, frmmain::t_fz, "1", "户数:", frmmain::lab_3, "0", ""},
      {frmmain::Label1, "计算当量Ng:", 240, frmmain::t_ngz, "", "计算当量Ng:", frmmain::t_nguo,
       frmmain::sum_ng_placeholder, "∑Ng"},
  };
  int top = 360;
  int tab = 11;
  for (const Row& r : rows) {
    c.push_back(caption(r.label_name, r.label_text, {r.label_left, top + 15, 1320 - r.label_left - 30, 255},
                        frmmain::Frame1));
    c.push_back(
        box(r.middle, r.middle_text, {1320, top, 855, box_height}, tab++, r.middle_label, frmmain::Frame1));
    if (r.right == frmmain::lab_3) {  // the segment counter is a label
      c.push_back(caption(r.right, r.right_text, {2520, top + 15, 1095, 255}, frmmain::Frame1));
    } else {
      c.push_back(
          box(r.right, r.right_text, {2520, top, 1095, box_height}, tab++, r.right_label, frmmain::Frame1));
    }
    top += 360;
  }
}

void add_segment_frame(std::vector<Control>& c) {
  c.push_back({.name = frmmain::Frame2,
               .kind = Kind::Frame,
               .text = "管段编号及管长",
               .rect = {3240, 2760, 2535, 735}});
  c.push_back(caption(frmmain::lab_2, "0", {120, 240, 615, 255}, frmmain::Frame2));
  c.push_back(box(frmmain::txt_l, "1", {840, 240, 615, box_height}, 22, "管长", frmmain::Frame2));
  c.push_back(box(frmmain::t_fs, "1", {1680, 240, 615, box_height}, 23, "计算段数", frmmain::Frame2));
  c.push_back({.name = frmmain::cmdjsmll,
               .kind = Kind::CommandButton,
               .text = "计  算",
               .rect = {6120, 3000, 735, 375},
               .tab = 24});
}

void add_menus(std::vector<Control>& c) {
  const Control items[] = {
      menu(frmmain::mnufile, "", "计算(&F)"),
      menu(frmmain::mnuset, frmmain::mnufile, "设置参数", "F2"),
      menu(frmmain::mnu11, frmmain::mnufile, "-"),
      menu(frmmain::mnufs, frmmain::mnufile, "户秒流量", "F5"),
      menu(frmmain::mnu4, frmmain::mnufile, "-"),
      menu(frmmain::mnuundo, frmmain::mnufile, "撤销上一管段", "Ctrl+Z"),
      menu(frmmain::mnuclear, frmmain::mnufile, "清空数据", "F7"),
      menu(frmmain::mnuk2, frmmain::mnufile, "-"),
      menu(frmmain::mnuexit, frmmain::mnufile, "退出(&X)", "Ctrl+X"),
      menu(frmmain::mnubook, "", "计算书(&K)"),
      menu(frmmain::mnulook, frmmain::mnubook, "查看计算书(&X)"),
      menu(frmmain::mnuchain, frmmain::mnubook, "管段表(&T)", "F6"),
      menu(frmmain::mnuopen, frmmain::mnubook, "打开计算书(&O)…", "Ctrl+O"),
      menu(frmmain::mnuresume, frmmain::mnubook, "继续计算(&R)"),
      menu(frmmain::mnukill, frmmain::mnubook, "清空计算书(&C)"),
      menu(frmmain::mnuexport, frmmain::mnubook, "导出Excel计算书(&E)…"),
      menu(frmmain::mnuhelp, "", "帮助(&H)"),
      menu(frmmain::mnudj, frmmain::mnuhelp, "计算内径", "Ctrl+S"),
      menu(frmmain::mnuuo1, frmmain::mnuhelp, "Uo-αc值", "Ctrl+C"),
      menu(frmmain::mnuv, frmmain::mnuhelp, "流速控制", "Ctrl+V"),
      menu(frmmain::mnua, frmmain::mnuhelp, "α系数值", "Ctrl+A"),
      menu(frmmain::mnuk4, frmmain::mnuhelp, "-"),
      menu(frmmain::mnuds, frmmain::mnuhelp, "使用说明", "F1"),
      menu(frmmain::mnuk3, frmmain::mnuhelp, "-"),
      menu(frmmain::mnuabout, frmmain::mnuhelp, "关于(&A)"),
  };
  c.insert(c.end(), std::begin(items), std::end(items));
}

}  // namespace

Form FrmMain::layout() {
  Form form{
      .name = std::string(frmmain::name), .caption = "Aquamere(新规)V0.90", .width = 7215, .height = 3600};
  add_parameter_block(form.controls);
  add_hydraulic_table(form.controls);
  add_results_frame(form.controls);
  add_segment_frame(form.controls);
  add_menus(form.controls);
  form.at(frmmain::t_qg).align = Align::Center;
  return form;
}

}  // namespace aquamere
