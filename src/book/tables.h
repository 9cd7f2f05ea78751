#pragma once

#include <array>
#include <string>
#include <vector>

#include "book/sheet.h"

// The table sheets the formulas of the calculation sheet look up: the
// Uo–αc table and the pipe table of each material the segments used.
namespace aquamere::book {

Sheet alpha_c_sheet();
// The names of the table's Uo and αc columns, and the αc above the table,
// for formulas.
std::vector<DefinedName> alpha_c_names();
std::string alpha_c_uo_range();
std::string alpha_c_range();
std::string alpha_c_above_table();

// A pipe table as a record holds it: the material, its single-precision
// 1000i coefficient widened, the inner diameters of De20 … De110.
struct PipeTable {
  std::string material;
  double coef_i = 0;
  std::array<double, 9> inner{};
  std::string sheet;  // the sheet it stands on
  friend bool operator==(const PipeTable& a, const PipeTable& b) {
    return a.material == b.material && a.coef_i == b.coef_i && a.inner == b.inner;
  }
};

// The pipe tables the segments used, each on a sheet of its own.
class PipeTables {
 public:
  // The names of the book's other sheets, which no table's may repeat.
  explicit PipeTables(std::vector<std::string> other_sheets = {}) : taken_(std::move(other_sheets)) {}
  // The table's entry, added with a sheet name of its own when new.
  PipeTable use(PipeTable table);
  const std::vector<PipeTable>& all() const { return tables_; }

 private:
  std::vector<PipeTable> tables_;
  std::vector<std::string> taken_;  // the sheet names, and those of the book's other sheets
};

Sheet pipe_sheet(const PipeTable& table);
// For formulas: the nominal sizes, the inner diameters, the limits of the
// velocity-control table, the coefficient.
std::string sizes_range(const PipeTable& table);
std::string inner_range(const PipeTable& table);
std::string control_range(const PipeTable& table);
std::string coefficient_cell(const PipeTable& table);

// The unit friction loss as the program computes it, for the book's notes.
std::string friction_formula_text();

}  // namespace aquamere::book
