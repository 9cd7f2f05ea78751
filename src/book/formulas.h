#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Spreadsheet formulas that take a number through the program's own
// roundings, so that a recomputed book shows the report's numbers to the
// last digit. They work alike in Excel, WPS and LibreOffice: no function
// newer than Excel 2007, no text conversion that depends on the locale.
namespace aquamere::book::formula {

// The parts one after another, in one allocation: formulas are long and
// many, and a chain of + costs a string for every step.
std::string joined(std::initializer_list<std::string_view> parts);

// A cell's address: column 0 is A, row 0 is row 1 ("P12").
std::string column_name(int column);
std::string cell(int column, int row);

// x as its general number text reads back: rounded to 15 significant
// digits. The program passes sums and losses through that text.
// `x` is a cell or a parenthesised expression; it appears three times.
std::string fifteen_digits(std::string_view x);

// x as the 4-decimal text shows it: x's 15 significant digits, rounded half
// to even at the fifth decimal (0.00015 gives 0.0002, 0.00025 gives 0.0002).
// Excel's ROUND rounds half away from zero, so the tie is found and settled
// apart: u is x in ten-thousandths at 15 digits; when its fraction is
// exactly one half, the even neighbour is taken. `x` should be a cell; it
// appears four times.
std::string four_decimals(std::string_view x);

// The exact value of a single-precision number as a quotient of two whole
// numbers that every spreadsheet reads exactly: 8.9696f is 9405465/1048576.
std::string exact_float(float x);

}  // namespace aquamere::book::formula
