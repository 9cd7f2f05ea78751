#include "scenario/variables.h"

#include <charconv>
#include <stdexcept>

#include "hydraulics/materials.h"
#include "settings/frmset.h"
#include "settings/frmset_names.h"

namespace aquamere::scenario {
namespace {

// The coefficient is a single-precision number: its shortest float text
// ("8.9696") is what was set, where the widened double would show noise.
std::string float_text(float x) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string variable_text(const ProgramState& state, const std::string& name) {
  const MainVars& v = state.main;
  const std::pair<const char*, const Value*> named[] = {
      {"Ng", &v.Ng},       {"Qg", &v.Qg},   {"ac", &v.ac},   {"U", &v.U},
      {"zg1", &v.zg1},     {"zg2", &v.zg2}, {"ng1", &v.ng1}, {"ng3", &v.ng3},
      {"de_de", &v.de_de}, {"v_v", &v.v_v}, {"i_i", &v.i_i},
  };
  for (const auto& [variable, value] : named) {
    if (name == variable) return value->text();
  }
  for (std::size_t i = 0; i < size_count; ++i) {
    std::string variable(nominal_sizes[i]);
    variable[0] = 'd';  // De20 -> de20
    if (name == variable) return v.de[i].text();
  }
  if (name == "coef_i") return float_text(state.coef_i);
  throw std::invalid_argument("no variable " + name);
}

std::string report_path(const Program& program) {
  if (const Form* settings = program.find_window(frmset::name)) return settings->text(frmset::txtfile);
  return program.kept_report_path().value_or(std::string(default_report_path));
}

}  // namespace aquamere::scenario
