#pragma once

#include <string>

#include "book/segments.h"
#include "book/sheet.h"
#include "book/tables.h"

namespace aquamere::book {

// The calculation book's first sheet: the title with boxes for the project,
// the designer, the checker and the date; the design basis; the parameters
// in force; the table of segments; the totals as the report's summary
// states them. The pipe tables the segments used are added to `tables`.
Sheet calculation_sheet(const ReportSegments& report, const std::string& report_path, PipeTables& tables);

}  // namespace aquamere::book
