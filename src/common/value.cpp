#include "common/value.h"

#include <cmath>
#include <cstdlib>

#include "common/convert.h"

namespace aquamere {

std::string Value::text() const {
  struct Visitor {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(double number) const { return number_text(number); }
    std::string operator()(Fixed4 number) const { return number.text(); }
    std::string operator()(const std::string& text) const { return text; }
  };
  return std::visit(Visitor{}, data_);
}

double Value::number(std::string_view what) const {
  struct Visitor {
    std::string_view what;
    double operator()(std::monostate) const { return 0.0; }
    double operator()(double number) const { return number; }
    double operator()(Fixed4 number) const { return number.to_double(); }
    double operator()(const std::string& text) const { return strict_number(text, what); }
  };
  return std::visit(Visitor{what}, data_);
}

// The text of a number is never empty, so the common test for "" needs no
// number text written.
bool Value::equals_text(std::string_view text) const {
  if (const auto* own = std::get_if<std::string>(&data_)) return *own == text;
  if (is_empty()) return text.empty();
  return !text.empty() && this->text() == text;
}

// A number reads back from its text as the number its 15 digits write; a
// four-decimal number is exactly itself, its text holds all its digits.
double Value::leading(std::string_view what) const {
  if (const double* x = std::get_if<double>(&data_)) {
    // Away from the ends of the double range, where reading may fail.
    const double size = std::fabs(*x);
    if (size == 0 || (size > 1e-300 && size < 1e300)) return rounded_to_15_digits(*x);
  }
  if (const Fixed4* x = std::get_if<Fixed4>(&data_); x != nullptr && std::llabs(x->count()) < (1LL << 53)) {
    return x->to_double();
  }
  return leading_number(text(), what);
}

}  // namespace aquamere
