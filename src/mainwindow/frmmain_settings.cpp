// The dwelling class chosen in the settings dialog presets the household
// parameters.
#include <array>
#include <string_view>

#include "common/numtext.h"
#include "mainwindow/frmmain.h"
#include "settings/frmset_names.h"

namespace aquamere {
namespace {

// q0 (L per person per day), m (persons per household), Kh, T (hours),
// then k and α of the coefficient formula.
constexpr std::array<std::string_view, 6> parameter_boxes = {frmmain::t_q0, frmmain::t_m,  frmmain::t_kh,
                                                             frmmain::t_t,  frmmain::t_ky, frmmain::t_ay};

// Typical household parameters of each dwelling class, by its option in the
// settings dialog: better-equipped classes use more water over a flatter day.
struct DwellingClass {
  std::string_view option;
  std::array<double, parameter_boxes.size()> parameters;
};

constexpr DwellingClass dwelling_classes[] = {
    {frmset::Op_1, {150, 3.5, 3, 24, 0.005, 1.05}},     // Ⅰ类住宅
    {frmset::op_2, {300, 3.5, 2.8, 24, 0.0045, 1.02}},  // Ⅱ类住宅
    {frmset::op_3, {320, 3.5, 2.5, 24, 0.005, 1.1}},    // Ⅲ类住宅
    {frmset::op_4, {350, 4.5, 2.3, 24, 0.005, 1.1}},    // 别墅
};

}  // namespace

// Presets the parameters of the chosen class and empties the results of the
// last calculation, which no longer match them.
void FrmMain::set_styl() {
  Form& f = form();
  const Form& settings = host_.window(frmset::name);
  for (const DwellingClass& dwelling : dwelling_classes) {
    if (settings.value(dwelling.option) != 1) continue;
    for (std::size_t i = 0; i < parameter_boxes.size(); ++i) {
      f.set_text(parameter_boxes[i], number_text(dwelling.parameters[i]));
    }
    for (std::string_view result : {frmmain::t_qg, frmmain::t_ac, frmmain::t_Uo}) f.set_text(result, "");
  }
}

}  // namespace aquamere
