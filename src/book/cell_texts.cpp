#include "book/cell_texts.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/utf8.h"

namespace aquamere::book {
namespace {

constexpr std::size_t longest_sheet_name = 31;
constexpr std::size_t longest_cell_text = 32767;
constexpr char32_t replacement = 0xFFFD;
constexpr std::string_view forbidden_in_names = "[]:*?/\\";

// The next character of a UTF-8 text and its length in bytes; nothing for
// a byte that starts no valid character (overlong forms and surrogates
// included).
struct Decoded {
  std::optional<char32_t> character;
  std::size_t length;
};

Decoded decode(std::string_view text, std::size_t at) {
  const std::size_t length = utf8_length(text.substr(at));
  if (length == 0) return {std::nullopt, 1};
  const auto lead = static_cast<unsigned char>(text[at]);
  if (length == 1) return {lead, 1};
  char32_t c = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  return {c, length};
}

bool allowed_in_xml(char32_t c) {
  return c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c != 0xFFFE && c != 0xFFFF);
}

// Calls `each` with every character of a clean text.
template <typename Each>
void for_each_character(std::string_view text, Each each) {
  for (std::size_t at = 0; at < text.size();) {
    const Decoded d = decode(text, at);
    at += d.length;
    each(d.character.value_or(replacement));
  }
}

// Most of a book's texts and all but a few characters of its formulas are
// printable ASCII, passed over a byte at a time.
bool is_clean(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x80) {
      ++at;
      continue;
    }
    const Decoded d = decode(text, at);
    if (!d.character || !allowed_in_xml(*d.character)) return false;
    at += d.length;
  }
  return true;
}

char32_t folded(char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

bool same_name(std::string_view a, std::string_view b) {
  std::u32string x, y;
  for_each_character(a, [&](char32_t c) { x += folded(c); });
  for_each_character(b, [&](char32_t c) { y += folded(c); });
  return x == y;
}

bool taken_name(std::string_view name, const std::vector<std::string>& taken) {
  for (const std::string& other : taken) {
    if (same_name(name, other)) return true;
  }
  return false;
}

bool valid_sheet_name(std::string_view name) {
  return !name.empty() && is_clean(name) && utf16_length(name) <= longest_sheet_name &&
         name.find_first_of(forbidden_in_names) == std::string_view::npos && name.front() != '\'' &&
         name.back() != '\'';
}

}  // namespace

std::string clean_text(std::string_view text) {
  if (is_clean(text)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for_each_character(text, [&](char32_t c) { append_utf8(out, allowed_in_xml(c) ? c : replacement); });
  return out;
}

std::size_t utf16_length(std::string_view utf8) {
  std::size_t units = 0;
  for_each_character(utf8, [&](char32_t c) { units += c >= 0x10000 ? 2 : 1; });
  return units;
}

std::string cut_text(std::string_view utf8, std::size_t units) {
  std::size_t used = 0, at = 0;
  while (at < utf8.size()) {
    const Decoded d = decode(utf8, at);
    const std::size_t width = d.character.value_or(0) >= 0x10000 ? 2 : 1;
    if (used + width > units) break;
    used += width;
    at += d.length;
  }
  return std::string(utf8.substr(0, at));
}

std::size_t display_width(std::string_view utf8) {
  std::size_t width = 0;
  for_each_character(utf8, [&](char32_t c) { width += c < 0x80 ? 1 : 2; });
  return width;
}

double line_height(double points) { return points * 1.4; }

double wrapped_height(std::string_view utf8, double width, double points) {
  constexpr double column_width_points = 5.25;  // 7 pixels
  const double columns_per_line = width * column_width_points / (points / 2);
  int lines = 0;
  std::size_t start = 0;
  for (std::size_t end = utf8.find('\n');; end = utf8.find('\n', start)) {
    const auto columns = static_cast<double>(display_width(utf8.substr(start, end - start)));
    lines += std::max(1, static_cast<int>(std::ceil(columns / columns_per_line)));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  constexpr double highest_row = 409;  // Excel's limit
  return lines > 1 ? std::min(highest_row, lines * line_height(points) + 2) : 0;
}

std::string sheet_name(std::string_view wanted, std::string_view suffix,
                       const std::vector<std::string>& taken) {
  std::string base;
  for_each_character(wanted, [&](char32_t c) {
    const bool forbidden =
        !allowed_in_xml(c) || c < 0x20 ||
        (c < 0x80 && forbidden_in_names.find(static_cast<char>(c)) != std::string_view::npos);
    append_utf8(base, forbidden || (base.empty() && c == '\'') ? U'_' : c);
  });
  const std::size_t room = longest_sheet_name - utf16_length(suffix);
  // Appended part by part: GCC 12 at -O3 takes the chained `+` for an
  // overlapping copy.
  std::string name = cut_text(base, room);
  name.append(suffix);
  for (int n = 2; taken_name(name, taken); ++n) {
    std::string number = "(";
    number.append(std::to_string(n)).append(")");
    name = cut_text(base, room - number.size());
    name.append(suffix).append(number);
  }
  return name;
}

void tidy(Book& book) {
  for (Sheet& sheet : book.sheets) {
    for (std::vector<Cell>& row : sheet.rows) {
      for (Cell& cell : row) {
        if (std::string* s = std::get_if<std::string>(&cell.value)) {
          if (!is_clean(*s) || s->size() > longest_cell_text)
            *s = cut_text(clean_text(*s), longest_cell_text);
        } else if (const double* x = std::get_if<double>(&cell.value); x != nullptr && !std::isfinite(*x)) {
          cell.value = cell.formula.empty() ? CellValue(std::string("非有限数")) : CellValue();
        }
      }
    }
  }
}

std::string unwritable(const Book& book) {
  std::vector<std::string> names;
  for (const Sheet& sheet : book.sheets) {
    if (!valid_sheet_name(sheet.name) || taken_name(sheet.name, names)) return "工作表名“" + sheet.name + "”";
    names.push_back(sheet.name);
    for (const std::vector<Cell>& row : sheet.rows) {
      for (const Cell& cell : row) {
        const std::string* s = std::get_if<std::string>(&cell.value);
        const double* x = std::get_if<double>(&cell.value);
        if ((s != nullptr && (!is_clean(*s) || utf16_length(*s) > longest_cell_text)) ||
            (x != nullptr && !std::isfinite(*x)) || !is_clean(cell.formula))
          return "工作表“" + sheet.name + "”中的单元格";
      }
    }
  }
  return {};
}

}  // namespace aquamere::book
