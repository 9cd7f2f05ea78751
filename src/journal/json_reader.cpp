#include "journal/json_reader.h"

#include <charconv>
#include <limits>

#include "journal/json_text.h"

namespace aquamere {
namespace {

using Kind = JsonNode::Kind;

constexpr int deepest = 32;

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The code unit a \u escape writes, from its four hex digits.
std::optional<unsigned> code_unit(std::string_view digits) {
  if (digits.size() < 4) return std::nullopt;
  unsigned unit = 0;
  for (const char c : digits.substr(0, 4)) {
    unit <<= 4;
    if (is_digit(c)) {
      unit |= static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      unit |= static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      unit |= static_cast<unsigned>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
  }
  return unit;
}

bool is_high_surrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point of the \u escape (or surrogate pair of them) at the start
// of `text`, just after its backslash, and how many bytes it takes.
std::optional<std::pair<unsigned, std::size_t>> escaped_code(std::string_view text) {
  const std::optional<unsigned> unit = code_unit(text.substr(1));
  if (!unit || is_low_surrogate(*unit)) return std::nullopt;
  if (!is_high_surrogate(*unit)) return std::pair{*unit, std::size_t{5}};
  if (text.size() < 11 || text.substr(5, 2) != "\\u") return std::nullopt;
  const std::optional<unsigned> low = code_unit(text.substr(7));
  if (!low || !is_low_surrogate(*low)) return std::nullopt;
  return std::pair{0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00), std::size_t{11}};
}

char unescaped(char c) {
  switch (c) {
    case 'b':
      return '\b';
    case 'f':
      return '\f';
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    default:
      return c;  // " \ /
  }
}

// A string's text from its escaped form, which the parser has checked.
std::string unescape(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  while (!raw.empty()) {
    const std::size_t backslash = raw.find('\\');
    text.append(raw.substr(0, backslash));
    if (backslash == std::string_view::npos) break;
    raw.remove_prefix(backslash);
    if (raw[1] == 'u') {
      const auto [code, length] = *escaped_code(raw.substr(1));
      append_utf8(text, code);
      raw.remove_prefix(1 + length);
    } else {
      text += unescaped(raw[1]);
      raw.remove_prefix(2);
    }
  }
  return text;
}

std::optional<double> number_of(std::string_view digits) {
  double x = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), x);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return x;
}

}  // namespace

// Reads a document's source into its tokens, by recursive descent.
class JsonParser {
 public:
  explicit JsonParser(JsonDocument& document) : document_(document), source_(document.source_) {}

  bool whole_text() {
    if (source_.size() >= std::numeric_limits<std::uint32_t>::max()) return false;
    blanks();
    if (!value({}, 0)) return false;
    blanks();
    return at_ == source_.size();
  }

 private:
  using Span = JsonDocument::Span;

  bool value(Span key, int depth) {
    const char c = peek();
    if (c == '{' || c == '[') return container(key, depth, c == '{');
    Span text;
    Kind kind = Kind::Null;
    bool read = false;
    if (c == '"') {
      kind = Kind::String;
      read = string(text);
    } else if (c == '-' || is_digit(c)) {
      kind = Kind::Number;
      read = number(text);
    } else if (c == 't' || c == 'f') {
      kind = Kind::Boolean;
      read = literal(c == 't' ? "true" : "false", text);
    } else {
      read = literal("null", text);
    }
    const auto index = static_cast<std::uint32_t>(document_.tokens_.size());
    document_.tokens_.push_back({kind, text, key, index + 1});
    return read;
  }

  bool container(Span key, int depth, bool object) {
    if (depth == deepest) return false;
    const std::size_t index = document_.tokens_.size();
    document_.tokens_.push_back({object ? Kind::Object : Kind::Array, {}, key, 0});
    const char close = object ? '}' : ']';
    ++at_;
    blanks();
    if (peek() == close) {
      ++at_;
    } else {
      for (;;) {
        Span member_key;
        if (object && !(peek() == '"' && string(member_key) && colon())) return false;
        if (!value(member_key, depth + 1)) return false;
        blanks();
        const char after = peek();
        ++at_;
        if (after == close) break;
        if (after != ',') return false;
        blanks();
      }
    }
    document_.tokens_[index].next = static_cast<std::uint32_t>(document_.tokens_.size());
    return true;
  }

  bool colon() {
    blanks();
    if (peek() != ':') return false;
    ++at_;
    blanks();
    return true;
  }

  // A string in UTF-8 with the escapes of JSON and no control characters;
  // `text` takes what stands between its quotes.
  bool string(Span& text) {
    const std::size_t start = ++at_;
    while (at_ < source_.size()) {
      at_ += plain_json_run(source_.substr(at_));
      if (at_ == source_.size()) break;
      const auto c = static_cast<unsigned char>(source_[at_]);
      if (c == '"') {
        text = span(start);
        ++at_;
        return true;
      }
      const std::size_t length = c == '\\'  ? escape_length(source_.substr(at_))
                                 : c < 0x20 ? 0
                                            : utf8_length(source_.substr(at_));
      if (length == 0) return false;
      at_ += length;
    }
    return false;
  }

  static std::size_t escape_length(std::string_view escape) {
    if (escape.size() < 2) return 0;
    if (escape[1] == 'u') {
      const auto code = escaped_code(escape.substr(1));
      return code ? 1 + code->second : 0;
    }
    return std::string_view("\"\\/bfnrt").find(escape[1]) == std::string_view::npos ? 0 : 2;
  }

  // -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?
  bool number(Span& text) {
    const std::size_t start = at_;
    if (peek() == '-') ++at_;
    if (peek() == '0') {
      ++at_;
    } else if (!digits()) {
      return false;
    }
    if (peek() == '.') {
      ++at_;
      if (!digits()) return false;
    }
    if (peek() == 'e' || peek() == 'E') {
      ++at_;
      if (peek() == '+' || peek() == '-') ++at_;
      if (!digits()) return false;
    }
    text = span(start);
    return true;
  }

  bool digits() {
    const std::size_t start = at_;
    while (is_digit(peek())) ++at_;
    return at_ > start;
  }

  bool literal(std::string_view word, Span& text) {
    if (source_.substr(at_, word.size()) != word) return false;
    text = {static_cast<std::uint32_t>(at_), static_cast<std::uint32_t>(word.size())};
    at_ += word.size();
    return true;
  }

  Span span(std::size_t start) const {
    return {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(at_ - start)};
  }
  // The byte at the reading place, or NUL at the end, which no JSON token
  // outside a string may hold.
  char peek() const { return at_ < source_.size() ? source_[at_] : '\0'; }
  void blanks() {
    while (at_ < source_.size() && is_blank(source_[at_])) ++at_;
  }

  JsonDocument& document_;
  std::string_view source_;
  std::size_t at_ = 0;
};

std::optional<JsonDocument> JsonDocument::parse(std::string_view text) {
  JsonDocument document;
  document.source_ = std::string(text);
  document.tokens_.reserve(text.size() / 8);
  if (!JsonParser(document).whole_text()) return std::nullopt;
  return document;
}

JsonNode::Kind JsonNode::kind() const {
  return document_ == nullptr ? Kind::Missing : document_->tokens_[index_].kind;
}

// Calls `each` with the index of every value the array or object holds
// directly, until it returns false.
template <typename Each>
void JsonNode::each_child(Each each) const {
  if (!is(Kind::Array) && !is(Kind::Object)) return;
  const auto& tokens = document_->tokens_;
  for (std::uint32_t i = index_ + 1; i < tokens[index_].next; i = tokens[i].next) {
    if (!each(i)) return;
  }
}

JsonNode JsonNode::operator[](std::string_view key) const {
  JsonNode found;
  if (!is(Kind::Object)) return found;
  each_child([&](std::uint32_t i) {
    const std::string_view raw = document_->view(document_->tokens_[i].key);
    if (raw.find('\\') == std::string_view::npos ? raw != key : unescape(raw) != key) return true;
    found = JsonNode(document_, i);
    return false;
  });
  return found;
}

std::vector<JsonNode> JsonNode::items() const {
  std::vector<JsonNode> nodes;
  if (!is(Kind::Array)) return nodes;
  each_child([&](std::uint32_t i) {
    nodes.push_back(JsonNode(document_, i));
    return true;
  });
  return nodes;
}

void JsonNode::for_each_member(const std::function<void(std::string_view, const JsonNode&)>& each) const {
  if (!is(Kind::Object)) return;
  each_child([&](std::uint32_t i) {
    const std::string_view raw = document_->view(document_->tokens_[i].key);
    if (raw.find('\\') == std::string_view::npos) {
      each(raw, JsonNode(document_, i));
    } else {
      each(unescape(raw), JsonNode(document_, i));
    }
    return true;
  });
}

std::optional<std::string> JsonNode::text() const {
  if (!is(Kind::String)) return std::nullopt;
  return unescape(document_->view(document_->tokens_[index_].text));
}

std::optional<double> JsonNode::number() const {
  if (!is(Kind::Number)) return std::nullopt;
  return number_of(document_->view(document_->tokens_[index_].text));
}

std::optional<bool> JsonNode::flag() const {
  if (!is(Kind::Boolean)) return std::nullopt;
  return document_->view(document_->tokens_[index_].text) == "true";
}

}  // namespace aquamere
