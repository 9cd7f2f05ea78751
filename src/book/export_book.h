#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "book/segments.h"
#include "book/sheet.h"
#include "book/worst_point.h"
#include "files/file_port.h"

// The calculation book: an Excel workbook of the report in which every
// number the program computed is a formula of the numbers it comes from,
// rounded where and as the program rounds, so that a reviewer's spreadsheet
// recomputes the report's numbers.
namespace aquamere::book {

// Where the book of a report goes unless the user says otherwise: the
// report's path with ".xlsx" appended.
std::string default_path(std::string_view report_path);

// The book of a report's segments, in memory: the calculation sheet, the
// Uo–αc table and the pipe tables, every text and number one a workbook
// holds, whatever the report and its journal held.
Book make_book(const ReportSegments& report, const std::string& report_path, const WorstPoint& worst = {});

// Writes the book of the report at `report_path` (with its journal, when
// there is one) to `book_path`, through the file port, in one step: the
// book's path keeps what it held until the whole book is on the disk. The
// report and its journal are refused as the book's path, under any name
// (a link). Throws Failure, saying why in Chinese, when the report has no
// segment or a file cannot be read or written; the book's path is then left
// as it was.
void export_book(FilePort& files, const std::string& report_path, const std::string& book_path,
                 const WorstPoint& worst = {});

// `aquamere --export-book REPORT [BOOK.xlsx] [--elevation M]
// [--outlet-pressure MPA] [--meter-loss M] [--supply-pressure MPA]`, for a
// program's main: writes the book, prints the path it wrote and returns 0;
// or prints the reason to `errors` and returns 1 (2 for arguments it cannot
// use).
int export_book_command(FilePort& files, const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& errors);

}  // namespace aquamere::book
