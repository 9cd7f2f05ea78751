#include "report/gb18030.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace aquamere {
namespace {

// iconv_open reports failure as (iconv_t)-1, so the cast is the API's own.
const iconv_t no_converter = reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
const std::size_t conversion_failed = static_cast<std::size_t>(-1);

// The converter kept in `cd`, opened on first use.
iconv_t converter(iconv_t& cd, const char* to, const char* from) {
  if (cd != nullptr) return cd;
  const iconv_t opened = iconv_open(to, from);
  if (opened == no_converter) {
    throw std::runtime_error(std::string("系统没有从") + from + "到" + to + "的编码转换。");
  }
  cd = opened;
  return cd;
}

// Converts all of `in`; where a byte does not convert, writes `replacement`
// in the target encoding and goes on after that byte.
std::string convert(iconv_t cd, std::string_view in, std::string_view replacement) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string out(in.size() * 2 + 16, '\0');
  char* in_at = const_cast<char*>(in.data());
  std::size_t in_left = in.size();
  std::size_t written = 0;
  while (in_left > 0) {
    char* out_at = out.data() + written;
    std::size_t out_left = out.size() - written;
    const std::size_t result = iconv(cd, &in_at, &in_left, &out_at, &out_left);
    written = out.size() - out_left;
    if (result != conversion_failed) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
    } else {  // EILSEQ, or EINVAL for a sequence cut off at the end
      out.resize(written);
      out.append(replacement);
      written = out.size();
      ++in_at;
      --in_left;
      out.resize(written + in_left * 2 + 16);
    }
  }
  out.resize(written);
  return out;
}

// Both encodings write the ASCII characters as their own single bytes, so
// text without a byte above 0x7F passes unchanged: most report lines, and
// every number field of a segment line, need no converter.
bool is_ascii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

Gb18030::~Gb18030() {
  if (to_gb18030_ != nullptr) iconv_close(to_gb18030_);
  if (to_utf8_ != nullptr) iconv_close(to_utf8_);
}

std::string Gb18030::encode(std::string_view utf8) {
  if (is_ascii(utf8)) return std::string(utf8);
  return convert(converter(to_gb18030_, "GB18030", "UTF-8"), utf8, "\x84\x31\xA4\x37");  // U+FFFD
}

std::string Gb18030::decode(std::string_view bytes) {
  if (is_ascii(bytes)) return std::string(bytes);
  return convert(converter(to_utf8_, "UTF-8", "GB18030"), bytes, "\uFFFD");
}

}  // namespace aquamere
