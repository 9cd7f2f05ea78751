// The dwelling class chosen in the settings dialog presets the household
// parameters.
#include <array>

#include "common/numtext.h"
#include "mainwindow/frmmain.h"

namespace aquamere {
namespace {

// q0 (L per person per day), m (persons per household), Kh, T (hours),
// then k and α of the coefficient formula.
constexpr std::array<const char*, 6> parameter_boxes = {"t_q0", "t_m", "t_kh", "t_t", "t_ky", "t_ay"};

// Typical household parameters of each dwelling class, by its option in the
// settings dialog: better-equipped classes use more water over a flatter day.
struct DwellingClass {
  const char* option;
  std::array<double, parameter_boxes.size()> parameters;
};

constexpr DwellingClass dwelling_classes[] = {
    {"Op_1", {150, 3.5, 3, 24, 0.005, 1.05}},     // Ⅰ类住宅
    {"op_2", {300, 3.5, 2.8, 24, 0.0045, 1.02}},  // Ⅱ类住宅
    {"op_3", {320, 3.5, 2.5, 24, 0.005, 1.1}},    // Ⅲ类住宅
    {"op_4", {350, 4.5, 2.3, 24, 0.005, 1.1}},    // 别墅
};

}  // namespace

// Presets the parameters of the chosen class and empties the results of the
// last calculation, which no longer match them.
void FrmMain::set_styl() {
  Form& f = form();
  const Form& settings = host_.window("frmset");
  for (const DwellingClass& dwelling : dwelling_classes) {
    if (settings.value(dwelling.option) != 1) continue;
    for (std::size_t i = 0; i < parameter_boxes.size(); ++i) {
      f.set_text(parameter_boxes[i], number_text(dwelling.parameters[i]));
    }
    for (const char* result : {"t_qg", "t_ac", "t_Uo"}) f.set_text(result, "");
  }
}

}  // namespace aquamere
