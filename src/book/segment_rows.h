#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "book/columns.h"
#include "book/reproduce.h"
#include "book/segments.h"
#include "book/sheet.h"
#include "book/tables.h"

namespace aquamere::book {

// Lays the segments out as rows of the calculation table. A segment whose
// record reproduces the report's line gets formulas for every number it
// computes, each of the cells it comes from; a running sum refers to the
// row that holds it before, a repeated segment to the row it repeats. Any
// other line gets the values it shows, marked as entered, with the reason
// in its remarks; so does a record whose line is gone from the report.
class SegmentRows {
 public:
  SegmentRows(Sheet& sheet, PipeTables& tables, int first_row)
      : sheet_(sheet), tables_(tables), first_row_(first_row), next_row_(first_row) {}

  void add(const BookSegment& segment);
  // The row of the last segment added; -1 while none was.
  int last_row() const { return next_row_ - 1 < first_row_ ? -1 : next_row_ - 1; }
  int first_row() const { return first_row_; }
  // The last row that holds a number in ΣNg, qg or the running loss; -1
  // when none does. The totals refer to it.
  int last_number_row(int column) const;
  // The parameters of the last calculated segment, for the book's head.
  const SegmentRecord* last_calculation() const { return last_record_; }

 private:
  // A running quantity and the row that holds it.
  struct Held {
    int row = -1;
    double value = 0;
  };
  // The last calculated row, which a repeated segment repeats.
  struct Repeated {
    int row = -1;
    LineFields fields;
    PipeTable table;
    std::size_t size_index = 0;
  };

  void fill(const BookSegment& segment);
  void calculation_row(const SegmentRecord& record, const Reproduced& r);
  void group_cells(const Calculation& c, const Reproduced& r);
  void probability_cells(const Calculation& c, const Reproduced& r);
  void coefficient_cells(const Reproduced& r);
  void sizing_cells(const Calculation& c, const Reproduced& r);
  void control_cells(const PipeTable& table, std::size_t size_index, double velocity);
  std::optional<std::string> repeat_row(const SegmentRecord& record, const LineFields& fields);
  void loss_cells(const SegmentRecord& record, double length, double friction);
  void entered_row(const BookSegment& segment, const std::string& why);
  void running_check(const LineFields& fields);
  void missing_line(const SegmentRecord& record);

  void put(int column, Cell cell) { sheet_.put(row_, column, std::move(cell)); }
  void formula(int column, std::string text, CellValue value, Style style = Style::Number) {
    put(column, {.formula = std::move(text), .value = std::move(value), .style = style});
  }
  std::string at(int column) const;
  std::string at(int column, int row) const;
  void remark(std::string_view text);

  Sheet& sheet_;
  PipeTables& tables_;
  int first_row_, next_row_;
  int row_ = 0;
  std::string remarks_;
  Held sum_ng_, sum_shares_, running_;
  Repeated repeated_;
  bool repeated_missing_ = false;  // the last calculation's line is gone from the report
  std::string material_;
  std::array<int, column_count> last_numbers_ = [] {
    std::array<int, column_count> rows{};
    rows.fill(-1);
    return rows;
  }();
  const SegmentRecord* last_record_ = nullptr;
};

}  // namespace aquamere::book
