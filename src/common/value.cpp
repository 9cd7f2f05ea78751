#include "common/value.h"

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

double Value::leading(std::string_view what) const { return leading_number(text(), what); }

}  // namespace aquamere
