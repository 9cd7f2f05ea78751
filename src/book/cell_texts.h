#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "book/sheet.h"

// What a workbook can hold: texts of valid UTF-8 without the characters XML
// forbids, no longer than a cell takes, finite numbers, and sheet names that
// Excel accepts. A report or journal edited outside the program may hold
// anything; the book holds only this.
namespace aquamere::book {

// The text with every byte that is not UTF-8, and every character XML 1.0
// forbids (control characters but tab and line ends), as U+FFFD.
std::string clean_text(std::string_view text);

// Its length in UTF-16 units, as Excel counts it.
std::size_t utf16_length(std::string_view utf8);

// At most `units` UTF-16 units of a clean text, cut at a character.
std::string cut_text(std::string_view utf8, std::size_t units);

// The columns a text takes in a table cell: a Chinese character two.
std::size_t display_width(std::string_view utf8);

// The height in points of a line of text of that size, and of a cell
// `width` characters wide that wraps the text: 0 when it takes one line.
// The width of a character of column width varies from one spreadsheet to
// another; the narrowest (Excel's, 7 pixels at 96 dpi) is taken, so that a
// wrapped text is never cut.
double line_height(double points);
double wrapped_height(std::string_view utf8, double width, double points);

// A sheet name Excel accepts, made of `wanted` followed by `suffix`: none of
// []:*?/\ or control characters, no apostrophe first, at most 31 units with
// the wanted part cut, and unlike every name of `taken` in any letter case
// ("(2)" added when it would be).
std::string sheet_name(std::string_view wanted, std::string_view suffix,
                       const std::vector<std::string>& taken);

// Every text of the book cleaned and cut to what a cell holds, every number
// that is not finite replaced by a text saying so.
void tidy(Book& book);

// What of the book a workbook could not hold, in words; empty when nothing.
std::string unwritable(const Book& book);

}  // namespace aquamere::book
