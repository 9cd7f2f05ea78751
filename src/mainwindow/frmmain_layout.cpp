// The main window as drawn: every control with its caption or default text,
// geometry in twips and place in the tab order, and the menu tree.
#include <string_view>

#include "mainwindow/frmmain.h"

namespace aquamere {
namespace {

constexpr int box_width = 735, box_height = 270;
constexpr int row1 = 120, row2 = 480, row3 = 840;

Control caption(const char* name, const char* text, Rect rect, const char* parent = "") {
  return {.name = name, .kind = Kind::Label, .text = text, .parent = parent, .rect = rect};
}

Control box(const char* name, const char* text, Rect rect, int tab, const char* label,
            const char* parent = "") {
  return {.name = name,
          .kind = Kind::TextBox,
          .text = text,
          .parent = parent,
          .rect = rect,
          .tab = tab,
          .label = label};
}

Control menu(const char* name, const char* parent, const char* text, const char* shortcut = "") {
  return {.name = name, .kind = Kind::MenuItem, .text = text, .parent = parent, .shortcut = shortcut};
}

// Parameter block: captions at 480 and 1680, boxes at 840 and 2040.
void add_parameter_block(std::vector<Control>& c) {
  struct Row {
    const char *label_name, *label_text, *box_name, *box_text, *message_label;
    int left, top, tab;
  };
  const Row rows[] = {
      {"Label11", "q0:", "t_q0", "250", "q0:", 0, row1, 0},
      {"Label12", " m:", "t_m", "3.5", "m:", 1, row1, 1},
      {"Label13", "Kh:", "t_kh", "2.8", "Kh:", 0, row2, 2},
      {"Label14", " T:", "t_t", "24", "T:", 1, row2, 3},
      {"Label7", "k:", "t_ky", "0.005", "k:", 0, row3, 4},
      {"Label8", "α:", "t_ay", "1.1", "α:", 1, row3, 5},
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
  c.push_back(caption("Label5", "PP-R水力计算表：", {240, 1200, 1935, 255}));
  c.push_back(caption("lbqg", "", {2280, 1200, 1095, 255}));
  const char* lists[] = {"List1", "List2", "List3"};
  for (int i = 0; i < 3; ++i) {
    c.push_back(
        {.name = lists[i], .kind = Kind::ListBox, .rect = {240 + 960 * i, 1440, 975, 1650}, .tab = 6 + i});
  }
  c.push_back({.name = "chk_d",
               .kind = Kind::CheckBox,
               .text = "有延时自闭冲洗阀 ",
               .rect = {120, 3240, 1815, 255},
               .tab = 9});
  c.push_back({.name = "chk_j",
               .kind = Kind::CheckBox,
               .text = "集体宿舍等",
               .rect = {1920, 3240, 1335, 255},
               .tab = 10});
}

// Results frame: six rows of caption, the group's box and the running total.
void add_results_frame(std::vector<Control>& c) {
  c.push_back(
      {.name = "Frame1", .kind = Kind::Frame, .text = "计算过程及结果", .rect = {3240, 0, 3855, 2655}});
  struct Row {
    const char *label_name, *label_text;
    int label_left;
    const char *middle, *middle_text, *middle_label, *right, *right_text, *right_label;
  };
  const Row rows[] = {
      {"Label3", "设计秒流量:", 240, "t_qg", "", "设计秒流量:", "t_de", "管径", "管径"},
      {"Label6", "Uo(%)", 360, "t_Uo", "", "Uo(%)", "txtsave", "ΣUo", "ΣUo"},
      {"Label9", "αc:", 360, "t_ac", "", "αc:", "t_ac2", "αc", "加权αc"},
      {"Label4", "户当量:", 360, "t_Ng", "", "户当量:", "txtnguo", "∑(Ng X Uo)", "∑(Ng X Uo)"},
      {"Label2", "户  数:", 360, "t_fz", "1", "户数:", "lab_3", "0", ""},
      {"Label1", "计算当量Ng:", 240, "t_ngz", "", "计算当量Ng:", "t_nguo", "∑Ng", "∑Ng"},
  };
  int top = 360;
  int tab = 11;
  for (const Row& r : rows) {
    c.push_back(caption(r.label_name, r.label_text, {r.label_left, top + 15, 1320 - r.label_left - 30, 255},
                        "Frame1"));
    c.push_back(box(r.middle, r.middle_text, {1320, top, 855, box_height}, tab++, r.middle_label, "Frame1"));
    if (std::string_view(r.right) == "lab_3") {  // the segment counter is a label
      c.push_back(caption(r.right, r.right_text, {2520, top + 15, 1095, 255}, "Frame1"));
    } else {
      c.push_back(box(r.right, r.right_text, {2520, top, 1095, box_height}, tab++, r.right_label, "Frame1"));
    }
    top += 360;
  }
}

void add_segment_frame(std::vector<Control>& c) {
  c.push_back(
      {.name = "Frame2", .kind = Kind::Frame, .text = "管段编号及管长", .rect = {3240, 2760, 2535, 735}});
  c.push_back(caption("lab_2", "0", {120, 240, 615, 255}, "Frame2"));
  c.push_back(box("txt_l", "1", {840, 240, 615, box_height}, 22, "管长", "Frame2"));
  c.push_back(box("t_fs", "1", {1680, 240, 615, box_height}, 23, "计算段数", "Frame2"));
  c.push_back({.name = "cmdjsmll",
               .kind = Kind::CommandButton,
               .text = "计  算",
               .rect = {6120, 3000, 735, 375},
               .tab = 24});
}

void add_menus(std::vector<Control>& c) {
  const Control items[] = {
      menu("mnufile", "", "计算(&F)"),
      menu("mnuset", "mnufile", "设置参数", "F2"),
      menu("mnu11", "mnufile", "-"),
      menu("mnufs", "mnufile", "户秒流量", "F5"),
      menu("mnu4", "mnufile", "-"),
      menu("mnuundo", "mnufile", "撤销上一管段", "Ctrl+Z"),
      menu("mnuclear", "mnufile", "清空数据", "F7"),
      menu("mnuk2", "mnufile", "-"),
      menu("mnuexit", "mnufile", "退出(&X)", "Ctrl+X"),
      menu("mnubook", "", "计算书(&K)"),
      menu("mnulook", "mnubook", "查看计算书(&X)"),
      menu("mnuresume", "mnubook", "继续计算(&R)"),
      menu("mnukill", "mnubook", "清空计算书(&C)"),
      menu("mnuexport", "mnubook", "导出Excel计算书(&E)…"),
      menu("mnuhelp", "", "帮助(&H)"),
      menu("mnudj", "mnuhelp", "计算内径", "Ctrl+S"),
      menu("mnuuo1", "mnuhelp", "Uo-αc值", "Ctrl+C"),
      menu("mnuv", "mnuhelp", "流速控制", "Ctrl+V"),
      menu("mnua", "mnuhelp", "α系数值", "Ctrl+A"),
      menu("mnuk4", "mnuhelp", "-"),
      menu("mnuds", "mnuhelp", "使用说明", "F1"),
      menu("mnuk3", "mnuhelp", "-"),
      menu("mnuabout", "mnuhelp", "关于(&A)"),
  };
  c.insert(c.end(), std::begin(items), std::end(items));
}

}  // namespace

Form FrmMain::layout() {
  Form form{.name = "frmmain", .caption = "Aquamere(新规)V0.90", .width = 7215, .height = 3600};
  add_parameter_block(form.controls);
  add_hydraulic_table(form.controls);
  add_results_frame(form.controls);
  add_segment_frame(form.controls);
  add_menus(form.controls);
  form.at("t_qg").align = Align::Center;
  return form;
}

}  // namespace aquamere
