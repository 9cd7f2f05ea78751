#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace aquamere {

// Room for the digits of any double.
using NumberDigits = std::array<char, 32>;
// Writes a finite number as its shortest decimals that read back as the
// same double, the text std::to_chars writes, and returns where it ends.
char* shortest_decimals(double x, NumberDigits& digits);

// Writes one JSON object as text, member after member. The journal writes a
// record at every segment, and building nlohmann-json's document object for
// it cost more than all the rest of a calculate click; nlohmann-json reads
// the records back for the calculation book, the lean reader of
// journal/json_reader.h the last one for undo. Texts that are no UTF-8 are
// written with U+FFFD for the bytes that do not decode, so the line stays
// valid JSON. Keys are written as they are: plain names of the program's
// own, such as the names of its controls.
class JsonWriter {
 public:
  JsonWriter() {
    text_.reserve(2048);
    text_ += '{';
  }

  // A member that is an object; close() ends it.
  void open(std::string_view key);
  void close();
  void text(std::string_view key, std::string_view value);
  // A number as its shortest decimals that read back as the same double.
  void number(std::string_view key, double value);
  // null when absent.
  void number(std::string_view key, const std::optional<double>& value);
  void numbers(std::string_view key, std::span<const double> values);
  void texts(std::string_view key, std::span<const std::string> values);
  void boolean(std::string_view key, bool value);
  void null(std::string_view key);

  // The object closed, as one line with its line end.
  std::string line() &&;

 private:
  void member(std::string_view key);
  void quoted(std::string_view text);
  void plain_number(double value);
  // An array member, each of its values written by `item`.
  template <typename T, typename Item>
  void array(std::string_view key, std::span<const T> values, Item item);

  std::string text_;
  bool first_ = true;
};

}  // namespace aquamere
