// The report's codec on glibc's iconv, whose GB18030 converter writes every
// GBK character as GBK does, and "€" as its GB18030 code A2 E3: code page
// 936 has it as the single byte 0x80, which is written here.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "report/report_codec.h"

namespace aquamere {
namespace {

// iconv_open reports failure as (iconv_t)-1, so the cast is the API's own.
const iconv_t no_converter = reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
const std::size_t conversion_failed = static_cast<std::size_t>(-1);

constexpr std::string_view euro = "€";
constexpr char euro_byte = '\x80';
constexpr std::string_view replacement_bytes = "\x84\x31\xA4\x37";  // U+FFFD in GB18030
constexpr std::string_view replacement_text = "\uFFFD";

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

// Where the character after the one at `i` begins: a byte below 0x81 stands
// alone; a lead byte begins four bytes when a digit follows it, else two.
std::size_t next_character(std::string_view bytes, std::size_t i) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
  if (byte(i) < 0x81 || byte(i) == 0xFF || i + 1 == bytes.size()) return i + 1;
  const bool four = byte(i + 1) >= '0' && byte(i + 1) <= '9';
  return std::min(bytes.size(), i + (four ? 4 : 2));
}

}  // namespace

struct ReportCodec::Converters {
  iconv_t to_report = nullptr;  // nullptr until first needed
  iconv_t to_utf8 = nullptr;

  ~Converters() {
    if (to_report != nullptr) iconv_close(to_report);
    if (to_utf8 != nullptr) iconv_close(to_utf8);
  }
};

ReportCodec::ReportCodec() : converters_(std::make_unique<Converters>()) {}

ReportCodec::~ReportCodec() = default;

std::string ReportCodec::encode(std::string_view utf8) {
  if (is_ascii(utf8)) return std::string(utf8);
  const iconv_t cd = converter(converters_->to_report, "GB18030", "UTF-8");
  std::string out;
  for (std::size_t at = 0;;) {
    const std::size_t found = utf8.find(euro, at);
    out += convert(cd, utf8.substr(at, found - at), replacement_bytes);
    if (found == std::string_view::npos) return out;
    out += euro_byte;
    at = found + euro.size();
  }
}

std::string ReportCodec::decode(std::string_view bytes) {
  if (is_ascii(bytes)) return std::string(bytes);
  const iconv_t cd = converter(converters_->to_utf8, "UTF-8", "GB18030");
  std::string out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); i = next_character(bytes, i)) {
    if (bytes[i] != euro_byte) continue;
    out += convert(cd, bytes.substr(start, i - start), replacement_text);
    out += euro;
    start = i + 1;
  }
  return out + convert(cd, bytes.substr(start), replacement_text);
}

}  // namespace aquamere
