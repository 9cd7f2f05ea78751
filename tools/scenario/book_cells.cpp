#include "scenario/book_cells.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "common/utf8_path.h"

namespace aquamere::scenario {
namespace {

std::uint32_t le(const std::string& bytes, std::size_t at, int size) {
  if (at + static_cast<std::size_t>(size) > bytes.size())
    throw std::runtime_error("the workbook is cut short");
  std::uint32_t x = 0;
  for (int i = size - 1; i >= 0; --i)
    x = x << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return x;
}

std::string inflated(const std::string& bytes, std::size_t at, std::size_t packed, std::size_t size) {
  std::string out(size, '\0');
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw std::runtime_error("zlib");
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + at));
  z.avail_in = static_cast<uInt>(packed);
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(size);
  const int result = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  if (result != Z_STREAM_END) throw std::runtime_error("a part of the workbook does not inflate");
  return out;
}

// The parts of a zip file by name, from its central directory.
std::string part(const std::string& zip, const std::string& name) {
  const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
  if (end == std::string::npos) throw std::runtime_error("no zip file");
  std::size_t at = le(zip, end + 16, 4);
  for (std::uint32_t n = le(zip, end + 10, 2); n > 0; --n) {
    const std::uint32_t method = le(zip, at + 10, 2), packed = le(zip, at + 20, 4),
                        size = le(zip, at + 24, 4);
    const std::uint32_t name_length = le(zip, at + 28, 2);
    const std::uint32_t local = le(zip, at + 42, 4);
    if (zip.compare(at + 46, name_length, name) == 0) {
      const std::size_t data = local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2);
      return method == 0 ? zip.substr(data, size) : inflated(zip, data, packed, size);
    }
    at += 46 + name_length + le(zip, at + 30, 2) + le(zip, at + 32, 2);
  }
  throw std::runtime_error("the workbook has no " + name);
}

std::string unescaped(std::string_view xml) {
  const std::pair<std::string_view, char> entities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (std::size_t i = 0; i < xml.size();) {
    bool replaced = false;
    for (const auto& [entity, c] : entities) {
      if (xml.substr(i).starts_with(entity)) {
        out += c;
        i += entity.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += xml[i++];
  }
  return out;
}

// The text between <tag…> and </tag> in `xml` from `from` on, before `limit`.
std::optional<std::string> element(const std::string& xml, const std::string& tag, std::size_t from,
                                   std::size_t limit) {
  const std::size_t open = xml.find("<" + tag, from);
  if (open == std::string::npos || open >= limit) return std::nullopt;
  const std::size_t start = xml.find('>', open) + 1;
  const std::size_t close = xml.find("</" + tag + ">", start);
  if (close == std::string::npos || close > limit) return std::nullopt;
  return unescaped(std::string_view(xml).substr(start, close - start));
}

// The sheet's part: libxlsxwriter numbers the sheets in their order.
std::string sheet_part(const std::string& zip, const std::string& sheet) {
  const std::string workbook = part(zip, "xl/workbook.xml");
  int number = 0;
  for (std::size_t at = workbook.find("<sheet "); at != std::string::npos;
       at = workbook.find("<sheet ", at + 1)) {
    ++number;
    if (sheet.empty() || workbook.compare(at, 14 + sheet.size(), "<sheet name=\"" + sheet + "\"") == 0)
      return part(zip, "xl/worksheets/sheet" + std::to_string(number) + ".xml");
  }
  throw std::runtime_error("the workbook has no sheet " + sheet);
}

// The workbook's shared strings, in order; none when it keeps its strings
// in the cells.
std::vector<std::string> shared_strings(const std::string& zip) {
  std::vector<std::string> strings;
  std::string xml;
  try {
    xml = part(zip, "xl/sharedStrings.xml");
  } catch (const std::runtime_error&) {
    return strings;
  }
  for (std::size_t at = xml.find("<si>"); at != std::string::npos; at = xml.find("<si>", at + 1))
    strings.push_back(element(xml, "t", at, xml.find("</si>", at)).value_or(""));
  return strings;
}

}  // namespace

std::map<std::string, BookCell> read_book_sheet(const std::string& path, const std::string& sheet) {
  std::ifstream in(utf8_path(path), std::ios::binary);
  if (!in) throw std::runtime_error("no workbook " + path);
  const std::string zip{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::string xml = sheet_part(zip, sheet);
  const std::vector<std::string> strings = shared_strings(zip);
  std::map<std::string, BookCell> cells;
  for (std::size_t at = xml.find("<c r=\""); at != std::string::npos; at = xml.find("<c r=\"", at + 1)) {
    const std::size_t name_end = xml.find('"', at + 6);
    const std::string name = xml.substr(at + 6, name_end - at - 6);
    const std::size_t head_end = xml.find('>', at);
    if (xml[head_end - 1] == '/') continue;
    const std::size_t end = xml.find("</c>", head_end);
    const std::string head = xml.substr(at, head_end - at);
    BookCell& found = cells[name];
    if (const auto f = element(xml, "f", head_end, end)) found.formula = "=" + *f;
    if (head.find("t=\"inlineStr\"") != std::string::npos) {
      found.value = element(xml, "t", head_end, end).value_or("");
    } else if (const auto v = element(xml, "v", head_end, end)) {
      found.value = head.find("t=\"s\"") != std::string::npos ? strings.at(std::stoul(*v)) : *v;
    }
  }
  return cells;
}

std::optional<BookCell> read_book_cell(const std::string& path, const std::string& sheet,
                                       const std::string& cell) {
  const std::map<std::string, BookCell> cells = read_book_sheet(path, sheet);
  const auto found = cells.find(cell);
  if (found == cells.end()) return std::nullopt;
  return found->second;
}

}  // namespace aquamere::scenario
