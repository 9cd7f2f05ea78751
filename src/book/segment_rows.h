#pragma once

#include <string>
#include <vector>

#include "book/reproduce.h"
#include "book/segments.h"
#include "book/sheet.h"
#include "book/tables.h"

namespace aquamere::book {

// Lays the segments out as rows of the calculation table. A segment whose
// record reproduces the report's line gets formulas for every number it
// computes, each of the cells it comes from; a running sum refers to the
// row that holds it before, a repeated segment to the row it repeats. Any
// other segment gets the values its line shows, marked as entered.
class SegmentRows {
 public:
  SegmentRows(Sheet& sheet, PipeTables& tables, int first_row)
      : sheet_(sheet), tables_(tables), first_row_(first_row), next_row_(first_row) {}

  void add(const BookSegment& segment);
  // The row of the last segment added; -1 while none was.
  int last_row() const { return next_row_ - 1 < first_row_ ? -1 : next_row_ - 1; }
  // The parameters of the last calculated segment, for the book's head.
  const SegmentRecord* last_calculation() const { return last_record_; }

 private:
  // A running quantity and the row that holds it.
  struct Held {
    int row = -1;
    double value = 0;
  };

  void calculation_row(const SegmentRecord& record, const Reproduced& r);
  void group_cells(const Calculation& c, const Reproduced& r);
  void probability_cells(const Calculation& c, const Reproduced& r);
  void coefficient_cells(const Reproduced& r);
  void sizing_cells(const Calculation& c, const Reproduced& r);
  bool repeat_row(const SegmentRecord& record);
  void loss_cells(const SegmentRecord& record, double length, double friction);
  void entered_row(const std::string& line, const char* why);

  void put(int column, Cell cell) { sheet_.put(row_, column, std::move(cell)); }
  void formula(int column, std::string text, CellValue value) {
    put(column, {.formula = std::move(text), .value = std::move(value)});
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
  // The last calculated row, which a repeated segment repeats, and the
  // fields of its line that a repeat shows again.
  int calculated_row_ = -1;
  std::vector<std::string> calculated_fields_;
  const SegmentRecord* last_record_ = nullptr;
};

}  // namespace aquamere::book
