#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/value.h"

// The fixed texts and the line layouts of the calculation report. Texts are
// UTF-8; the report module encodes them when it writes.
namespace aquamere::report {

// The captions of the segment line's eight columns, as they stand in the
// title block and above each run of segment lines.
inline constexpr std::string_view column_header =
    "管段编号    计算当量     设计秒流量(l/s) 管径(mm)      流速(m/s)      1000i       管长(m)         "
    "水损(H2o)";

// Opens a fresh report: an empty line, the title, a rule and the captions.
std::vector<std::string> title_block();
// Opens the next run of segment lines.
std::vector<std::string> header_block();
// Closes a run of segment lines with the friction loss of the segments
// written so far and the total head loss with the local losses added as a
// share of it. `coef` is the local-loss coefficient, e.g. 0.25.
std::vector<std::string> summary_block(const Value& ng, const Value& qg, const Value& friction, double coef);

// Whether the lines, in the file's order and without trailing blanks, are a
// column-header block or a summary block as a viewing writes them, whatever
// numbers the summary states.
bool is_header_block(std::span<const std::string> lines);
bool is_summary_block(std::span<const std::string> lines);

// A number as a report field: a space (a "-" when negative), the number's
// text, a space: " 30 ", "-5 ", " 0.35 ". Empty gives no field at all.
std::string printed_number(const Value& value);

// The width of a print zone of a segment line, in print columns.
inline constexpr std::size_t zone_width = 14;

// Lays encoded fields out in print zones of 14 columns, one column per
// byte, so that a Chinese character takes two. Each field starts at the
// first zone boundary after the end of the field before it; a field that
// ends exactly on a boundary (an empty field at its zone's start, a field
// of 14 columns) is followed by a whole zone of spaces, so every field
// stays visibly apart. Nothing follows the last field.
std::string print_zones(std::span<const std::string> fields);

}  // namespace aquamere::report
