#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace aquamere {

// The report's text encoding. The report is read by other programs in the
// Chinese ANSI code page, so every character GBK has is written as GBK's two
// bytes; a character GBK lacks (a rare ideograph, "€") is written in its
// four-byte or two-byte GB18030 form rather than lost. Reading never fails
// on content: bytes that do not decode become U+FFFD. Each converter is
// opened when first needed (text without a byte above 0x7F needs none, and
// opening one loads the codec's module, dear at start-up) and stays open for
// the whole run, since a long report is decoded line by line.
class Gb18030 {
 public:
  Gb18030() = default;
  ~Gb18030();
  Gb18030(const Gb18030&) = delete;
  Gb18030& operator=(const Gb18030&) = delete;

  // UTF-8 text to GB18030 bytes. A byte that is not UTF-8 is written as
  // U+FFFD's GB18030 form. Throws std::runtime_error when the system has no
  // such converter.
  std::string encode(std::string_view utf8);
  // GB18030 bytes to UTF-8 text. Throws as encode does.
  std::string decode(std::string_view bytes);

 private:
  iconv_t to_gb18030_ = nullptr;  // nullptr until first needed
  iconv_t to_utf8_ = nullptr;
};

}  // namespace aquamere
