#include "report/frmlookover.h"

#include "report/frmlookover_names.h"

namespace aquamere {

Form frmlookover_layout() {
  Form form{.name = std::string(frmlookover::name),
            .caption = "管道设计秒流量计算结果",
            .width = 10065,
            .height = 6165};
  // A fixed-pitch face, so the report's 14-column print zones line up as
  // they do in the file.
  form.controls.push_back({.name = frmlookover::listover,
                           .kind = Kind::ListBox,
                           .rect = {0, 0, 10095, 6360},
                           .tab = 0,
                           .font = Font{"新宋体", 7.5}});
  return form;
}

}  // namespace aquamere
