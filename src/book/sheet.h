#pragma once

#include <string>
#include <variant>
#include <vector>

// A worksheet of the calculation book as plain data, before it is written:
// cells with their formulas and values, column widths, merged ranges and
// the print setup.
namespace aquamere::book {

enum class Style {
  Title,     // the book's title
  Heading,   // a section heading: 一、设计依据 …
  Text,      // running text and labels
  Blank,     // an empty box for the reviewer to fill in: project, designer …
  Head,      // a column head of a table
  Number,    // a number or a text in a table, computed or entered
  Entered,   // a value where a formula would stand: the report's own value
  Designer,  // a value the designer gave: αc below the table
  Remark,    // the remarks of a segment row, wrapped
  Fixed,     // a number shown with four decimals, as the program shows it
  Input,     // an input the reviewer may change: the worst point's data
  Wrapped,   // running text across the printed width, wrapped
  Nothing,   // a cell nothing was put in: not written at all
};

using CellValue = std::variant<std::monostate, double, std::string>;

// A formula (without its "=") with the value the program computed for it,
// which a reader that does not recompute shows; or a plain value.
struct Cell {
  std::string formula;
  CellValue value;
  Style style = Style::Number;
};

struct Merge {
  int row, first_column, last_column;
};

struct Sheet {
  std::string name;
  std::vector<std::vector<Cell>> rows;  // by row, then by column
  std::vector<double> widths;           // column widths in characters
  std::vector<Merge> merges;
  std::vector<double> heights;                    // row heights in points by row; 0 or none for the default
  int head_rows_first = -1, head_rows_last = -1;  // repeated on every printed page
  int print_columns = 0;                          // columns printed, from A; 0 for all
  bool landscape = false;
  bool fit_width = false;  // the printed columns scaled to the width of the page

  std::vector<Cell>& row(int r) {
    if (static_cast<int>(rows.size()) <= r) rows.resize(static_cast<std::size_t>(r) + 1);
    return rows[static_cast<std::size_t>(r)];
  }
  void height(int r, double points) {
    if (static_cast<int>(heights.size()) <= r) heights.resize(static_cast<std::size_t>(r) + 1);
    heights[static_cast<std::size_t>(r)] = points;
  }
  void put(int r, int column, Cell cell) {
    std::vector<Cell>& cells = row(r);
    if (static_cast<int>(cells.size()) <= column)
      cells.resize(static_cast<std::size_t>(column) + 1, Cell{.style = Style::Nothing});
    cells[static_cast<std::size_t>(column)] = std::move(cell);
  }
};

// A name that formulas use for a range of a table sheet: 表Uo reads better
// than 'Uo-αc表'!$B$4:$B$15.
struct DefinedName {
  std::string name, range;
};

struct Book {
  std::vector<Sheet> sheets;
  std::vector<DefinedName> names;
};

}  // namespace aquamere::book
