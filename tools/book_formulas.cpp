// aquamere-book-formulas BOOK.xlsx ROW OUT.xlsx
// The formulas of one segment row of a calculation book, one a line with
// the cell, its column's head and the value the program computed for it,
// as a workbook of its own that the user guide shows (docs/make-screenshots).
#include <iostream>
#include <string>

#include "book/columns.h"
#include "book/formulas.h"
#include "book/workbook.h"
#include "scenario/book_cells.h"

int main(int argc, char** argv) {
  using namespace aquamere::book;
  if (argc != 4) {
    std::cerr << "usage: aquamere-book-formulas BOOK.xlsx ROW OUT.xlsx\n";
    return 2;
  }
  try {
    const auto cells = aquamere::scenario::read_book_sheet(argv[1], "计算书");
    const int row = std::stoi(argv[2]) - 1;
    Sheet sheet{.name = "公式", .widths = {8, 14, 150, 20}, .landscape = true, .fit_width = true};
    const char* heads[] = {"单元格", "列", "公式", "值"};
    for (int c = 0; c < 4; ++c) sheet.put(0, c, {.value = std::string(heads[c]), .style = Style::Head});
    int r = 1;
    for (int column = 0; column < column_count; ++column) {
      const std::string name = formula::cell(column, row);
      const auto cell = cells.find(name);
      if (cell == cells.end()) continue;
      std::string head(column_heads[static_cast<std::size_t>(column)].head);
      for (char& c : head) c = c == '\n' ? ' ' : c;
      const std::string& formula = cell->second.formula;
      sheet.put(r, 0, {.value = name, .style = Style::Number});
      sheet.put(r, 1, {.value = head.empty() ? std::string("备注") : head, .style = Style::Number});
      sheet.put(r, 2, {.value = formula.empty() ? std::string("（数值）") : formula, .style = Style::Text});
      sheet.put(r, 3, {.value = cell->second.value, .style = Style::Number});
      ++r;
    }
    write_workbook({.sheets = {sheet}}, argv[3]);
  } catch (const std::exception& error) {
    std::cerr << "aquamere-book-formulas: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
