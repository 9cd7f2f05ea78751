#pragma once

#include <map>
#include <optional>
#include <string>

namespace aquamere::scenario {

// One cell of an Excel workbook as written: its formula ("=…", "" for a
// plain value) and its value (the formula's result as stored).
struct BookCell {
  std::string formula;
  std::string value;
};

// Every cell of the named sheet ("" for the first) that holds something,
// by its name ("U24").
std::map<std::string, BookCell> read_book_sheet(const std::string& path, const std::string& sheet);

// The cell ("U24") of the named sheet ("" for the first) of the workbook at
// `path`; nothing when the cell holds nothing. Throws std::runtime_error
// when the file is no workbook the program wrote.
std::optional<BookCell> read_book_cell(const std::string& path, const std::string& sheet,
                                       const std::string& cell);

}  // namespace aquamere::scenario
