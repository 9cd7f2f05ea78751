#pragma once

#include <string>

#include "book/segments.h"
#include "book/sheet.h"
#include "book/tables.h"
#include "book/worst_point.h"

namespace aquamere::book {

inline constexpr std::string_view calculation_sheet_name = "计算书";

// The calculation book's first sheet: the title with boxes for the project,
// the designer, the checker and the date; the design basis; the parameters
// in force; the table of segments; the totals as formulas of its rows; the
// worst-point pressure check from `worst`. The pipe tables the segments used
// are added to `tables`.
Sheet calculation_sheet(const ReportSegments& report, const std::string& report_path, PipeTables& tables,
                        const WorstPoint& worst = {});

}  // namespace aquamere::book
