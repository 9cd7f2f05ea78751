#include "book/tables.h"

#include "book/cell_texts.h"
#include "book/formulas.h"
#include "common/numtext.h"
#include "designflow/alpha_c_table.h"
#include "hydraulics/materials.h"
#include "hydraulics/pipe_sizing.h"

namespace aquamere::book {
namespace {

constexpr std::string_view alpha_c_sheet_name = "Uo-αc表";
constexpr int table_first_row = 3;  // the first row of figures, 0-based

// A sheet named in a formula: quoted, as every name here has a hyphen or a
// Chinese character, with an apostrophe of the name doubled.
std::string on_sheet(std::string_view sheet, std::string_view range) {
  std::string quoted = "'";
  for (const char c : sheet) quoted += c == '\'' ? std::string_view("''") : std::string_view(&c, 1);
  return formula::joined({quoted, "'!", range});
}

std::string absolute(int column, int row) {
  return formula::joined({"$", formula::column_name(column), "$", std::to_string(row + 1)});
}

std::string column_range(std::string_view sheet, int column, int rows) {
  return on_sheet(sheet, formula::joined({absolute(column, table_first_row), ":",
                                          absolute(column, table_first_row + rows - 1)}));
}

Cell text(std::string s, Style style = Style::Text) { return {.value = std::move(s), .style = style}; }
Cell number(double x) { return {.value = x}; }

// A note across a table sheet's columns, wrapped.
void note(Sheet& sheet, int row, std::string line) {
  double width = 0;
  for (const double w : sheet.widths) width += w;
  if (const double height = wrapped_height(line, width, 10); height > 0) sheet.height(row, height);
  sheet.put(row, 0, text(std::move(line), Style::Wrapped));
  sheet.merges.push_back({row, 0, static_cast<int>(sheet.widths.size()) - 1});
}

}  // namespace

std::string friction_formula_text() {
  static_assert(friction_scale == 1e5, "the notes write the scale as 10^5");
  return "i = 系数·qg^" + number_text(friction_flow_exponent) + "/dj^" + number_text(friction_bore_exponent) +
         "×10^5";
}

Sheet alpha_c_sheet() {
  Sheet sheet{.name = std::string(alpha_c_sheet_name), .widths = {6, 12, 12, 12}};
  sheet.put(0, 0, text("卫生器具给水当量平均出流概率Uo与系数αc对应表", Style::Heading));
  note(sheet, 1, "Uo在两行之间时按直线内插，第一区间含两端，其后各区间含上端；Uo大于8%时本程序取0.06489。");
  sheet.put(2, 0, text("序号", Style::Head));
  sheet.put(2, 1, text("Uo(%)", Style::Head));
  sheet.put(2, 2, text("αc", Style::Head));
  for (std::size_t i = 0; i < alpha_c_table.size(); ++i) {
    const int r = table_first_row + static_cast<int>(i);
    sheet.put(r, 0, number(static_cast<double>(i + 1)));
    sheet.put(r, 1, number(alpha_c_table[i].uo));
    sheet.put(r, 2, number(alpha_c_table[i].alpha_c));
  }
  return sheet;
}

std::vector<DefinedName> alpha_c_names() {
  const int rows = static_cast<int>(alpha_c_table.size());
  return {{alpha_c_uo_range(), formula::joined({"=", column_range(alpha_c_sheet_name, 1, rows)})},
          {alpha_c_range(), formula::joined({"=", column_range(alpha_c_sheet_name, 2, rows)})}};
}

std::string alpha_c_uo_range() { return "表Uo"; }
std::string alpha_c_range() { return "表αc"; }
std::string alpha_c_above_table() {
  return formula::joined({"INDEX(", alpha_c_range(), ",", std::to_string(alpha_c_table.size()), ")"});
}

// Each table has a sheet of its own, named after its material as far as a
// sheet name allows: a material typed into a journal may hold any text.
PipeTable PipeTables::use(PipeTable table) {
  for (const PipeTable& known : tables_) {
    if (known == table) return known;
  }
  table.sheet = sheet_name(table.material.empty() ? "管材" : table.material, "管材表", taken_);
  taken_.push_back(table.sheet);
  tables_.push_back(std::move(table));
  return tables_.back();
}

// The coefficient is kept as the program keeps it, in single precision:
// the cell holds its exact value as a quotient of whole numbers, shown as
// the program shows it. Beside each size, the DN it answers to and the
// limit of the velocity-control table for that DN.
Sheet pipe_sheet(const PipeTable& table) {
  Sheet sheet{.name = table.sheet, .widths = {10, 10, 12, 16}};
  sheet.put(0, 0, text(table.material + "管水力计算表", Style::Heading));
  sheet.put(1, 0, text("1000i系数"));
  const auto coef = static_cast<float>(table.coef_i);
  sheet.put(1, 1, {.formula = formula::exact_float(coef), .value = table.coef_i, .style = Style::Fixed});
  sheet.put(1, 2, text("单精度数的精确值"));
  const int after = table_first_row + static_cast<int>(table.inner.size()) + 1;
  note(sheet, after, friction_formula_text() + "（m/m），qg L/s，dj为内径mm。");
  const char* heads[] = {"公称管径", "内径(mm)", "公称直径DN", "流速控制限值(m/s)"};
  for (int c = 0; c < 4; ++c) sheet.put(2, c, text(heads[c], Style::Head));
  for (std::size_t k = 0; k < table.inner.size(); ++k) {
    const int r = table_first_row + static_cast<int>(k);
    sheet.put(r, 0, text(std::string(nominal_sizes[k]), Style::Number));
    sheet.put(r, 1, number(table.inner[k]));
    sheet.put(r, 2, text("DN" + std::to_string(nominal_dn[k]), Style::Number));
    sheet.put(r, 3, number(velocity_control_limit(nominal_dn[k])));
  }
  note(sheet, after + 1,
       "流速控制限值：DN15～DN20 ≤1.0，DN25～DN40 ≤1.2，DN50～DN70 ≤1.5，DN80及以上 ≤1.8 m/s"
       "（本程序“流速控制”表），De与DN的对应如上表；选管径时本程序不用此表，本书据以核对所选管径。");
  return sheet;
}

std::string sizes_range(const PipeTable& table) {
  return column_range(table.sheet, 0, static_cast<int>(table.inner.size()));
}
std::string inner_range(const PipeTable& table) {
  return column_range(table.sheet, 1, static_cast<int>(table.inner.size()));
}
std::string control_range(const PipeTable& table) {
  return column_range(table.sheet, 3, static_cast<int>(table.inner.size()));
}
std::string coefficient_cell(const PipeTable& table) { return on_sheet(table.sheet, absolute(1, 1)); }

}  // namespace aquamere::book
