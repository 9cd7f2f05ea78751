#include "book/tables.h"

#include "book/formulas.h"
#include "designflow/alpha_c_table.h"
#include "hydraulics/materials.h"

namespace aquamere::book {
namespace {

constexpr std::string_view alpha_c_sheet_name = "Uo-αc表";
constexpr int table_first_row = 3;  // the first row of figures, 0-based

// A sheet named in a formula: quoted, as every name here has a hyphen or a
// Chinese character.
std::string on_sheet(std::string_view sheet, std::string_view range) {
  return formula::joined({"'", sheet, "'!", range});
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

}  // namespace

Sheet alpha_c_sheet() {
  Sheet sheet{.name = std::string(alpha_c_sheet_name), .widths = {6, 10, 10}};
  sheet.put(0, 0, text("卫生器具给水当量平均出流概率Uo与系数αc对应表", Style::Heading));
  sheet.put(1, 0,
            text("Uo在两行之间时按直线内插，第一区间含两端，其后各区间含上端；Uo大于8%时αc取0.06489。"));
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

PipeTable PipeTables::use(PipeTable table) {
  for (const PipeTable& known : tables_) {
    if (known == table) return known;
  }
  const std::string name = table.material.empty() ? "管材" : table.material;
  table.sheet = name + "管材表";
  int same_name = 1;
  for (const PipeTable& known : tables_) same_name += known.material == table.material ? 1 : 0;
  if (same_name > 1) table.sheet += formula::joined({"(", std::to_string(same_name), ")"});
  tables_.push_back(std::move(table));
  return tables_.back();
}

// The coefficient is kept as the program keeps it, in single precision:
// the cell holds its exact value as a quotient of whole numbers.
Sheet pipe_sheet(const PipeTable& table) {
  Sheet sheet{.name = table.sheet, .widths = {10, 10, 30}};
  sheet.put(0, 0, text(table.material + "管水力计算表", Style::Heading));
  sheet.put(1, 0, text("1000i系数"));
  const auto coef = static_cast<float>(table.coef_i);
  sheet.put(1, 1, {.formula = formula::exact_float(coef), .value = table.coef_i});
  sheet.put(1, 2, text("单精度数的精确值；1000i = 系数×qg^1.774/dj^4.774×10^5"));
  sheet.put(2, 0, text("公称管径", Style::Head));
  sheet.put(2, 1, text("内径(mm)", Style::Head));
  for (std::size_t k = 0; k < table.inner.size(); ++k) {
    sheet.put(table_first_row + static_cast<int>(k), 0, text(std::string(nominal_sizes[k]), Style::Number));
    sheet.put(table_first_row + static_cast<int>(k), 1, number(table.inner[k]));
  }
  return sheet;
}

std::string sizes_range(const PipeTable& table) {
  return column_range(table.sheet, 0, static_cast<int>(table.inner.size()));
}
std::string inner_range(const PipeTable& table) {
  return column_range(table.sheet, 1, static_cast<int>(table.inner.size()));
}
std::string coefficient_cell(const PipeTable& table) { return on_sheet(table.sheet, absolute(1, 1)); }

}  // namespace aquamere::book
