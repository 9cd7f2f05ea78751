#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace aquamere {

// The report's text encoding. Other programs read the report in the Chinese
// ANSI code page, 936, so every character that code page has is written as
// it writes it: GBK's two bytes, and "€" as the single byte 0x80. A
// character it lacks (a rare ideograph) is written in its GB18030 form, four
// bytes, rather than lost. Reading takes 0x80 back as "€" and never fails on
// content: bytes that do not decode become U+FFFD. The platform's own
// converters do the work, opened when first needed (text without a byte
// above 0x7F needs none) and kept for the whole run.
class ReportCodec {
 public:
  ReportCodec();
  ~ReportCodec();
  ReportCodec(const ReportCodec&) = delete;
  ReportCodec& operator=(const ReportCodec&) = delete;

  // UTF-8 text to the report's bytes. A byte that is not UTF-8 is written as
  // U+FFFD's GB18030 form. Throws std::runtime_error when the system has no
  // such converter.
  std::string encode(std::string_view utf8);
  // The report's bytes to UTF-8 text. Throws as encode does.
  std::string decode(std::string_view bytes);

 private:
  struct Converters;
  std::unique_ptr<Converters> converters_;
};

}  // namespace aquamere
