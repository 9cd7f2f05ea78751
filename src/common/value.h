#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "common/numtext.h"

namespace aquamere {

// The dynamic value of the windows' public variables and of the report
// module's variables: empty (never set), a number, a four-decimal
// fixed-point number, or a text.
class Value {
 public:
  Value() = default;
  Value(double number) : data_(number) {}
  Value(Fixed4 number) : data_(number) {}
  Value(std::string text) : data_(std::move(text)) {}
  Value(const char* text) : data_(std::string(text)) {}

  bool is_empty() const { return std::holds_alternative<std::monostate>(data_); }
  bool is_text() const { return std::holds_alternative<std::string>(data_); }

  // As text: "" when empty, the general number text of a number, the
  // four-decimal text of a fixed-point number, a text as it is.
  std::string text() const;
  // As a number in arithmetic: 0 when empty; a text is converted strictly,
  // failing with a message that names `what`.
  double number(std::string_view what) const;
  // The leading number of the text form, 0 when there is none.
  double leading(std::string_view what) const;

  // A comparison with a text constant compares texts ("" matches empty).
  bool equals_text(std::string_view text) const;

  friend bool operator==(const Value&, const Value&) = default;

 private:
  std::variant<std::monostate, double, Fixed4, std::string> data_;
};

}  // namespace aquamere
