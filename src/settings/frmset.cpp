#include "settings/frmset.h"

#include "mainwindow/program.h"

namespace aquamere {

Form frmset_layout() {
  Form form{.name = "frmset", .caption = "计算参数设置", .width = 5895, .height = 2550};
  form.controls.push_back({.name = "txtfile", .kind = Kind::TextBox, .text = "c:\\file.txt", .rect = {4440, 360, 1335, 375}, .tab = 12, .label = "计算书保存路径"});
  form.controls.push_back({.name = "txt_h", .kind = Kind::TextBox, .text = "0.25", .rect = {4560, 960, 735, 390}, .tab = 14, .align = Align::Center, .label = "局部水头损失系数:"});
  return form;
}

void frmset_shown(Program&) {}
void frmset_handle(Program&, const Event&) {}

}  // namespace aquamere
