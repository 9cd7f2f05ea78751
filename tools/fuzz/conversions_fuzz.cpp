// libFuzzer target for the conversions and number texts every box goes
// through: whatever the user types, reading it never crashes, and every
// number text reads back as the number it was written from. Also the last
// line of a journal as undo reads it, edited into anything: reading it
// never crashes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/convert.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "journal/journal.h"

namespace {

using namespace aquamere;

void require(bool condition) {
  if (!condition) std::abort();
}

// The general text of a number reads back, strictly and leniently, as a
// number whose text is the same: 15 digits are a fixed point of the round trip.
void check_number_text(double x) {
  if (!std::isfinite(x)) return;
  const std::string text = number_text(x);
  const auto strict = strict_number(text);
  require(strict.has_value());
  require(number_text(*strict) == text);
  require(leading_number(text) == strict);
}

void check_four_decimals(double x) {
  try {
    const Fixed4 fixed = Fixed4::from(x);
    const auto back = strict_number(fixed.text());
    require(back.has_value());
    require(Fixed4::from(*back) == fixed);
  } catch (const Failure&) {
    require(!std::isfinite(x) || std::fabs(x) >= 9.2e14);
  }
}

// A record read from a line holds no more text than the line.
void check_journal_line(std::string_view line) {
  if (const auto record = journal::record_in(line)) require(record->line.size() <= line.size());
  journal::is_cleared_line(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto strict = strict_number(text)) {
    check_number_text(*strict);
    check_four_decimals(*strict);
    require(leading_number(text).has_value());
  }
  if (const auto leading = leading_number(text)) check_number_text(*leading);
  try {
    strict_int16(text, "计算段数");
  } catch (const Failure&) {
  }
  const std::string shown = quoted_for_message(text);
  require(shown.size() <= text.size() + 3);
  check_journal_line(text);
  return 0;
}
